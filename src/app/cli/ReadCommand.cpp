// lumora-cli read: an area of the radio into a channel or settings file.

#include "app/cli/CliCommand.h"
#include "app/cli/CliArgs.h"
#include "app/ToolWindows.h"
#include "signalling/SettingsFile.h"
#include "ui/TForm1.h"

namespace lumora {

namespace {

class ReadCommand : public CliCommand {
public:
    ReadCommand()
        : CliCommand("read",
                     {"  lumora-cli read  [AREA] --port DEV --output FILE.wh [--timeout SECONDS]",
                      "  lumora-cli read  {areas} --port DEV --output FILE.json [--timeout SECONDS]"},
                     QT_TRANSLATE_NOOP("CliHelp", R"(  read                read the radio's main memory (16 channels and the
                      optional settings) and save it as a channel file, or
                      a signalling area and save it as a settings file
)"))
    {
    }
    QString Take(const CliArgs &args, const QStringList &words, CliRunner::Request &request) const override
    {
        request.file = args.Value(QStringLiteral("output"));
        if (request.port.isEmpty() || request.file.isEmpty() || !words.isEmpty())
            return Cli::tr("read needs --port DEV and --output FILE.%1").arg(Suffix(request, false));
        return QString();
    }
    QString *Output(CliRunner::Request &request) const override { return &request.file; }
    int RunOn(CliRunner &runner, ToolWindows &windows, const CliRunner::Request &request) const override
    {
        TForm1 &form = *windows.Form1;
        if (TSignallingForm *window = windows.Area(request.area)) {
            if (!runner.RunArea(form, *window, true, request))
                return CliRunner::kFailed;
            SaveSettingsFile(request.file, window->SettingsArea(), window->Settings(), window->LastReadBlocks());
            CliRunner::WarnNotWrittenBack(window->ValuesNotWrittenBack());
        } else {
            if (!runner.RunMain(form, true, request))
                return CliRunner::kFailed;
            form.SaveChannelFileAs(request.file);
            CliRunner::WarnNotWrittenBack(form.ValuesNotWrittenBack());
        }
        return runner.Failed() ? CliRunner::kFailed : 0;
    }
};

} // namespace

LUMORA_CLI_COMMAND(ReadCommand)

} // namespace lumora
