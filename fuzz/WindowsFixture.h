#pragma once
// The tool's windows for a fuzz target, unseen (offscreen), with the
// message boxes captured: what the user would be told is noted, nothing
// waits for a click.

#include "support/CapturedDialogs.h"

#include "app/ToolWindows.h"
#include "ui/TApplication.h"

#include <QDir>

namespace lumora::fuzz {

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
    static test::CapturedDialogs dialogs;
}

// The windows by the names the targets use.
struct Windows {
    ToolWindows all{QSize(1920, 1080)};
    TForm1 &form = *all.Form1;
    TForm3 &progress = *all.Form3;
    ToolWindows &signalling = all;
};

} // namespace lumora::fuzz
