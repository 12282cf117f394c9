// lumora-cli backup: the radio's six areas into one file.

#include "app/cli/CliCommand.h"
#include "app/cli/CliArgs.h"

namespace lumora {

namespace {

class BackupCommand : public CliCommand {
public:
    BackupCommand()
        : CliCommand("backup",
                     {"  lumora-cli backup  --port DEV --output FILE.json"},
                     R"(  backup              read all six areas of the radio into one file
)")
    {
    }
    QString Take(const CliArgs &args, const QStringList &words, CliRunner::Request &request) const override
    {
        request.output = args.Value(QStringLiteral("output"));
        if (request.port.isEmpty() || request.output.isEmpty() || !words.isEmpty())
            return QStringLiteral("backup needs --port DEV and --output FILE.json");
        return QString();
    }
    QString *Output(CliRunner::Request &request) const override { return &request.output; }
    QString Suffix(const CliRunner::Request &, bool) const override { return QStringLiteral("json"); }
    int RunOn(CliRunner &runner, ToolWindows &windows, const CliRunner::Request &request) const override
    {
        return runner.BackupOrRestore(windows, request);
    }
};

} // namespace

LUMORA_CLI_COMMAND(BackupCommand)

} // namespace lumora
