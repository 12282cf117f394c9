// lumora: the programming tool.

#include "app/ToolWindows.h"
#include "memory/ChannelFile.h"
#include "memory/Errors.h"
#include "ui/TApplication.h"
#include "ui/UserDialogs.h"

#include <QIcon>
#include <QStringList>
#include <memory>

using namespace lumora;

int main(int argc, char **argv)
{
    TApplication app(argc, argv);
    // The installed theme's icon, else the one built in; the desktop entry
    // tells the desktop which program these windows belong to.
    QIcon builtIn;
    for (int size : {16, 32, 48, 256})
        builtIn.addFile(QStringLiteral(":/icons/lumora-%1.png").arg(size));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("lumora"), builtIn));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.lumora.Lumora"));
    if (!ChannelFileEncodingAvailable()) {
        ShowException(ELumoraError(MissingChannelFileEncodingText()));
        return 1;
    }
    auto windows = std::make_unique<ToolWindows>();
    TForm1 *form1 = windows->Form1.get();

    // "lumora PORT" selects a port the system does not list (the virtual
    // radio's pseudo-terminal, for one).
    const QStringList args = QCoreApplication::arguments();
    if (args.size() > 1)
        form1->SelectPort(args.at(1));
    form1->show();
    const int status = app.exec();
    windows.reset(); // closes the port and joins its threads
    return status;
}
