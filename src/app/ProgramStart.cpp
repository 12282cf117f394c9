#include "app/ProgramStart.h"

#include "serial/PortList.h"
#include "ui/Notices.h"

#include <QDir>
#include <QFile>
#include <QSysInfo>

#include <cstdlib>
#ifndef _WIN32
#include <unistd.h>
#endif

namespace lumora {

QString VersionLine(const QString &program)
{
    return program + QStringLiteral(" " LUMORA_VERSION);
}

QString VersionAnswer(const QString &program, int argc, char **argv)
{
    bool version = false, verbose = false;
    for (int i = 1; i < argc; ++i) {
        version = version || qstrcmp(argv[i], "--version") == 0;
        verbose = verbose || qstrcmp(argv[i], "--verbose") == 0;
    }
    if (!version)
        return QString();
    QString text = VersionLine(program) + QLatin1Char('\n');
    if (verbose)
        text += QStringLiteral("Qt %1 (built with %2), %3, %4\n\n")
                    .arg(QString::fromLatin1(qVersion()), QStringLiteral(QT_VERSION_STR),
                         QSysInfo::prettyProductName(), QSysInfo::currentCpuArchitecture())
              + ThirdPartyNotices();
    return text;
}

QuietRuntimeFolder::QuietRuntimeFolder()
{
#ifndef _WIN32
    if (qEnvironmentVariableIsSet("XDG_RUNTIME_DIR"))
        return;
    QByteArray folder = QDir::tempPath().toLocal8Bit() + "/lumora-runtime-XXXXXX";
    if (!::mkdtemp(folder.data())) // 0700, as Qt wants it
        return;
    made_ = folder;
    // The linked ports stay where a runtime folder's absence puts them.
    if (!qEnvironmentVariableIsSet("LUMORA_PORTS_DIR")) {
        qputenv("LUMORA_PORTS_DIR", QFile::encodeName(LinkedPortsFolder()));
        pinnedPorts_ = true;
    }
    qputenv("XDG_RUNTIME_DIR", made_);
#endif
}

QuietRuntimeFolder::~QuietRuntimeFolder()
{
    if (made_.isEmpty())
        return;
    QDir(QString::fromLocal8Bit(made_)).removeRecursively();
    qunsetenv("XDG_RUNTIME_DIR");
    if (pinnedPorts_)
        qunsetenv("LUMORA_PORTS_DIR");
}

} // namespace lumora
