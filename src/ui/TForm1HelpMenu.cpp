// The Help menu: the versions, the third-party licences and the manual.
// On Linux the manual is the manual pages; on Windows it is their HTML
// rendering, installed in the doc folder beside the programs' bin folder.

#include "ui/TForm1.h"

#include "ui/LicencesDialog.h"
#include "ui/UserDialogs.h"

#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QUrl>

namespace lumora {

namespace {

#ifdef Q_OS_WIN
QString InstalledManual()
{
    return QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("../doc/lumora.html"));
}
#endif

QString AboutText()
{
    QString text = QStringLiteral("LUMORA %1\nQt %2\n\n")
                       .arg(QCoreApplication::applicationVersion(), QString::fromLatin1(qVersion()));
#ifdef Q_OS_WIN
    return text + TForm1::tr("The manual: Help > Manual.");
#else
    return text + TForm1::tr("The manual pages: man lumora, man lumora-cli, man lumora-radio.");
#endif
}

} // namespace

void TForm1::buildHelpMenu()
{
    HelpMenu = menuBar()->addMenu(tr("&Help"));
#ifdef Q_OS_WIN
    Manual1 = HelpMenu->addAction(tr("&Manual"), this, [] {
        const QString page = QDir::cleanPath(InstalledManual());
        if (!QFileInfo::exists(page) || !QDesktopServices::openUrl(QUrl::fromLocalFile(page)))
            ShowMessage(tr("The manual is not where LUMORA was installed: %1").arg(QDir::toNativeSeparators(page)));
    });
#endif
    SaveReport1 = HelpMenu->addAction(tr("Save &diagnostic report..."), this, &TForm1::SaveDiagnosticReportClick);
    Licences1 = HelpMenu->addAction(tr("&Licences..."), this, [this] { ShowLicences(this); });
    About1 = HelpMenu->addAction(tr("&About LUMORA"), this, [] { UserDialogs().ShowAbout(AboutText()); });
}

} // namespace lumora
