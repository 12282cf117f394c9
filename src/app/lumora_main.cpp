// lumora: the programming tool.

#include "app/ProgramStart.h"
#include "app/ToolWindows.h"
#include "memory/ChannelFile.h"
#include "memory/Errors.h"
#include "memory/FrequencyPlan.h"
#include "serial/LineTrace.h"
#include "serial/PortList.h"
#include "ui/Languages.h"
#include "ui/Palettes.h"
#include "ui/TApplication.h"
#include "ui/UserDialogs.h"

#include <QAction>
#include <QComboBox>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QIcon>
#include <QSettings>
#include <QStatusBar>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <memory>
#ifdef _WIN32
#include <windows.h>
#endif

using namespace lumora;

namespace {

#ifdef _WIN32
#define LUMORA_CLI_MANUAL "lumora-cli.exe (Help > Manual)"
#else
#define LUMORA_CLI_MANUAL "lumora-cli(1)"
#endif

const char *const kHelp = QT_TRANSLATE_NOOP("LumoraHelp", R"(Usage: lumora [--port DEV] [--trace FILE] [FILE.wh]

Programs the radio: reads its 16 channels and options into a table, edits
them, writes them back, keeps channel sets as .wh files, and edits the
DTMF, 2TONE, 5TONE and FleetSync settings.

  FILE.wh      open this channel file
  --port DEV   choose the serial port DEV, listed by the system or not
  --palette NAME
               the windows' colours: light, dark or high-contrast (the
               desktop's colour scheme otherwise)
  --trace FILE write every message on the line to FILE, one a line:
               milliseconds, > sent or < received, the bytes in hex (for
               a bug report; Help > Save diagnostic report... keeps the
               last transfer's too)
  --no-history keep no snapshot of the radio this run (File > Radio
               history... keeps one of every image read, in the user's
               data folder, unless told not to there)
  --help       this text
  --version    the program's name and version (with --verbose also the Qt
               it runs on and the licences of the parts it is built from)

A single argument that is no channel file (a device such as %1)
is taken as the port, as before. %2 does the same transfers
without a window.
)");

// The help in the user's language (the chosen one, as the windows use).
QByteArray helpText()
{
    return QCoreApplication::translate("LumoraHelp", kHelp)
            .arg(QStringLiteral(LUMORA_EXAMPLE_PORT), QStringLiteral(LUMORA_CLI_MANUAL))
            .toUtf8();
}

bool isChannelFile(const QString &argument)
{
    const QFileInfo file(argument);
    return argument.endsWith(QLatin1String(".wh"), Qt::CaseInsensitive) || (file.isFile() && !file.isSymLink());
}

#ifdef _WIN32
// The desktop program has no console of its own: --help, --version and
// its errors go where it was started from (a redirection, or the console).
void useParentConsole()
{
    if (::GetFileType(::GetStdHandle(STD_OUTPUT_HANDLE)) != FILE_TYPE_UNKNOWN)
        return;
    if (::AttachConsole(ATTACH_PARENT_PROCESS)) {
        std::freopen("CONOUT$", "w", stdout);
        std::freopen("CONOUT$", "w", stderr);
    }
}
#endif

// The frequency plan chosen last time is chosen again; a plan file that
// can no longer be read is said, and no plan is used.
void rememberFrequencyPlan(TForm1 &form)
{
    const QString key = QStringLiteral("frequencyPlan");
    const QString id = QSettings().value(key).toString();
    if (!id.isEmpty()) {
        try {
            form.SetFrequencyPlan(FrequencyPlanNamed(id));
        } catch (const ELumoraError &e) {
            form.StatusBar1->showMessage(e.text() + QStringLiteral("; no frequency plan is used"), 30000);
        }
    }
    QObject::connect(&form, &TForm1::FrequencyPlanChosen, &form, [key](const QString &plan) {
        QSettings().setValue(key, plan);
    });
}

// The files opened or saved last time are listed again.
void rememberRecentFiles(TForm1 &form)
{
    const QString key = QStringLiteral("recentFiles");
    form.setRecentFiles(QSettings().value(key).toStringList());
    QObject::connect(&form, &TForm1::RecentFilesChanged, &form,
                     [key](const QStringList &files) { QSettings().setValue(key, files); });
}

// The port, the windows' places and View's choices as the program last
// ended with them; the port only while the system still has it (or it is
// a file, such as the virtual radio's link) and none was given.
void rememberWindows(ToolWindows &windows, bool portGiven)
{
    TForm1 &form = *windows.Form1;
    QSettings settings;
    const QString port = settings.value(QStringLiteral("port")).toString();
    // The system's ports are listed only when a remembered one may be chosen.
    auto present = [&port] {
        if (port.startsWith(QLatin1Char('/')) && QFileInfo::exists(port))
            return true;
        const QVector<SerialPortEntry> ports = ListSerialPortEntries();
        return std::any_of(ports.begin(), ports.end(), [&](const SerialPortEntry &p) { return p.name == port; });
    };
    if (!portGiven && !port.isEmpty() && present())
        form.SelectPort(port);
    else if (!portGiven && (!port.isEmpty() || ListSerialPortEntries().isEmpty()))
        form.OfferFindCable(port); // the cable unplugged, or on another port now
    QObject::connect(&form, &TForm1::CableFound, &form,
                     [](const QString &found) { QSettings().setValue(QStringLiteral("port"), found); });
    form.restoreGeometry(settings.value(QStringLiteral("geometry/main")).toByteArray());
    for (const auto &w : windows.Signalling)
        w->restoreGeometry(settings.value(QStringLiteral("geometry/") + w->SettingsArea()).toByteArray());
    form.AllColumns1->setChecked(settings.value(QStringLiteral("view/allColumns"), false).toBool());
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, &form, [&windows] {
        QSettings s;
        TForm1 &f = *windows.Form1;
        s.setValue(QStringLiteral("port"), f.comcbb->currentText());
        s.setValue(QStringLiteral("geometry/main"), f.saveGeometry());
        for (const auto &w : windows.Signalling)
            if (w->testAttribute(Qt::WA_WState_Created)) // shown at least once: it has a place
                s.setValue(QStringLiteral("geometry/") + w->SettingsArea(), w->saveGeometry());
        s.setValue(QStringLiteral("view/allColumns"), f.AllColumns1->isChecked());
    });
}

} // namespace

int main(int argc, char **argv)
{
#ifdef _WIN32
    useParentConsole();
#endif
    // Answered without a display, before Qt starts.
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--help" || arg == "-h") {
            QCoreApplication core(argc, argv); // for the language only: no display needed
            QCoreApplication::setOrganizationName(QStringLiteral("LUMORA"));
            InstallTranslations(ChosenLanguage());
            std::fputs(helpText().constData(), stdout);
            return 0;
        }
    }
    if (const QString version = VersionAnswer(QStringLiteral("lumora"), argc, argv); !version.isEmpty()) {
        std::printf("%s", version.toUtf8().constData());
        return 0;
    }
    QuietRuntimeFolder runtime;
    TApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("LUMORA"));
    InstallTranslations(ChosenLanguage()); // before the first window or message
    QCommandLineParser cli;
    const QCommandLineOption port(QStringLiteral("port"), QString(), QStringLiteral("DEV"));
    cli.addOption(port);
    const QCommandLineOption palette(QStringLiteral("palette"), QString(), QStringLiteral("NAME"));
    cli.addOption(palette);
    const QCommandLineOption noHistory(QStringLiteral("no-history"));
    cli.addOption(noHistory);
    const QCommandLineOption trace(QStringLiteral("trace"), QString(), QStringLiteral("FILE"));
    cli.addOption(trace);
    if (!cli.parse(QCoreApplication::arguments()) || cli.positionalArguments().size() > 1) {
        std::fprintf(stderr, "lumora: %s\n\n%s", qPrintable(cli.errorText().isEmpty()
                                                            ? QCoreApplication::translate("LumoraHelp", "one file at most")
                                                            : cli.errorText()),
                     helpText().constData());
        return 2;
    }
    if (QString reason; cli.isSet(trace) && !LineTrace::Run().WriteTo(cli.value(trace), &reason)) {
        std::fprintf(stderr, "lumora: %s\n",
                     qPrintable(QCoreApplication::translate("LumoraHelp", "cannot write the trace file %1: %2")
                                        .arg(cli.value(trace), reason)));
        return 1;
    }
    if (cli.isSet(palette)) {
        const std::optional<QPalette> colours = NamedPalette(cli.value(palette));
        if (!colours) {
            std::fprintf(stderr, "lumora: %s\n",
                         qPrintable(QCoreApplication::translate("LumoraHelp", "no palette \"%1\": %2")
                                            .arg(cli.value(palette), PaletteNames().join(QStringLiteral(", ")))));
            return 2;
        }
        QApplication::setPalette(*colours);
    }
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
    const HistorySettings history = HistorySettings::Load();
    windows->KeepHistory(RadioHistory::DefaultFolder(), history.keep && !cli.isSet(noHistory));
    RadioHistory(windows->HistoryFolder).PruneIfDue(history.bounds, QDateTime::currentDateTimeUtc());
    const QString argument = cli.positionalArguments().value(0);
    rememberWindows(*windows, cli.isSet(port) || (!argument.isEmpty() && !isChannelFile(argument)));
    if (cli.isSet(port))
        form1->SelectPort(cli.value(port)); // a port the system does not list (the virtual radio's, for one)
    form1->show();
    rememberFrequencyPlan(*form1); // shown: its status bar message covers the panels
    rememberRecentFiles(*form1);
    if (!argument.isEmpty() && !isChannelFile(argument)) {
        form1->SelectPort(argument);
    } else if (!argument.isEmpty()) {
        try {
            form1->OpenChannelFile(argument);
        } catch (const std::exception &e) {
            ShowException(e); // the window stays, empty
        }
    }
    const int status = app.exec();
    windows.reset(); // closes the port and joins its threads
    return status;
}
