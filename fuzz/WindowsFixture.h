#pragma once
// The tool's windows for a fuzz target, unseen (offscreen), with the
// message boxes captured: what the user would be told is noted, nothing
// waits for a click.

#include "signalling/SignallingWindows.h"
#include "ui/TApplication.h"
#include "ui/TForm1.h"
#include "ui/TForm3.h"
#include "ui/UserDialogs.h"

#include <QDir>
#include <memory>

namespace lumora::fuzz {

class QuietDialogs : public IUserDialogs {
public:
    QStringList shown;
    void ShowMessage(const QString &text) override { shown << text; }
    void ShowError(const QString &text, const QString &) override { shown << text; }
    bool AskYesNo(const QString &) override { return false; }
    SaveAnswer AskSaveChanges(const QString &, const QString &) override { return SaveAnswer::Discard; }
    QString AskOpenFileName(QWidget *, const QString &, const QString &) override { return {}; }
    QString AskSaveFileName(QWidget *, const QString &, const QString &) override { return {}; }
};

// Once per process: the application, on the offscreen platform, with no
// linked ports to list.
inline void StartApplication()
{
    static TApplication *app = nullptr; // never destroyed: windows may outlive main
    if (app)
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("LUMORA_PORTS_DIR", QFile::encodeName(QDir::tempPath() + QStringLiteral("/lumora-fuzz-no-ports")));
    static int argc = 1;
    static char name[] = "lumora-fuzz";
    static char *argv[] = {name, nullptr};
    app = new TApplication(argc, argv);
    static QuietDialogs dialogs;
    SetUserDialogs(&dialogs);
}

inline QuietDialogs &Dialogs() { return static_cast<QuietDialogs &>(UserDialogs()); }

struct Windows {
    TForm1 form{QSize(1920, 1080)};
    SignallingWindows signalling{form};
    TForm3 progress{form};
    Windows() { form.setProgressDialog(&progress); }
};

} // namespace lumora::fuzz
