// lumora-cli backup and restore: the radio's six areas into one file, and
// such a file back into the radio, through the window's own runs, unseen.

#include "app/cli/CliArgs.h"
#include "app/cli/CliCommand.h"

namespace lumora {

namespace {

// A whole-radio backup file, written or read.
class BackupFileCommand : public CliCommand {
public:
    using CliCommand::CliCommand;
    QString Suffix(const CliRunner::Request &, bool) const override { return QStringLiteral("json"); }
    int RunOn(CliRunner &runner, ToolWindows &windows, const CliRunner::Request &request) const override
    {
        return runner.BackupOrRestore(windows, request);
    }
};

class BackupCommand : public BackupFileCommand {
public:
    BackupCommand()
        : BackupFileCommand("backup", {"  lumora-cli backup  --port DEV --output FILE.json"},
                            QT_TRANSLATE_NOOP("CliHelp", R"(  backup              read {all areas} of the radio into one file
)"))
    {
    }
    QString Take(const CliArgs &args, const QStringList &words, CliRunner::Request &request) const override
    {
        request.output = args.Value(QStringLiteral("output"));
        if (request.port.isEmpty() || request.output.isEmpty() || !words.isEmpty())
            return Cli::tr("backup needs --port DEV and --output FILE.json");
        return QString();
    }
    QString *Output(CliRunner::Request &request) const override { return &request.output; }
};

class RestoreCommand : public BackupFileCommand {
public:
    RestoreCommand()
        : BackupFileCommand("restore", {"  lumora-cli restore --port DEV FILE.json [--verify] [--keep-identity]"},
                            QT_TRANSLATE_NOOP("CliHelp", R"(  restore             write such a file back, every area (checked and
                      encoded whole before the first byte is sent)
  --keep-identity     restore: read the radio's FleetSync own fleet and ID
                      and its DTMF ID code first and write them in place
                      of the file's
)"),
                            {"verify", "keep-identity"})
    {
    }
    QString Take(const CliArgs &, const QStringList &words, CliRunner::Request &request) const override
    {
        if (request.port.isEmpty() || words.size() != 1)
            return Cli::tr("restore needs --port DEV and one backup file");
        request.file = words.first();
        return QString();
    }
    QString *Input(CliRunner::Request &request) const override { return &request.file; }
};

} // namespace

LUMORA_CLI_COMMAND(BackupCommand)
LUMORA_CLI_COMMAND(RestoreCommand)

} // namespace lumora
