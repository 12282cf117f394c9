#include "app/ProgramStart.h"

#include "serial/PortList.h"

#include <QDir>
#include <QFile>

#include <cstdlib>
#ifndef _WIN32
#include <unistd.h>
#endif

namespace lumora {

QString VersionLine(const QString &program)
{
    return program + QStringLiteral(" " LUMORA_VERSION);
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
