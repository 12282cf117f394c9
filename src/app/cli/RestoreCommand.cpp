// lumora-cli restore: a backup into the radio, every area.

#include "app/cli/CliCommand.h"

namespace lumora {

namespace {

class RestoreCommand : public CliCommand {
public:
    RestoreCommand()
        : CliCommand("restore",
                     {"  lumora-cli restore --port DEV FILE.json [--verify] [--keep-identity]"},
                     R"(  restore             write such a file back, every area (checked and
                      encoded whole before the first byte is sent)
  --keep-identity     restore: read the radio's FleetSync own fleet and ID
                      and its DTMF ID code first and write them in place
                      of the file's
)",
                     {"verify", "keep-identity"})
    {
    }
    QString Take(const CliArgs &args, const QStringList &words, CliRunner::Request &request) const override
    {
        Q_UNUSED(args)
        if (request.port.isEmpty() || words.size() != 1)
            return QStringLiteral("restore needs --port DEV and one backup file");
        request.file = words.first();
        return QString();
    }
    QString *Input(CliRunner::Request &request) const override { return &request.file; }
    QString Suffix(const CliRunner::Request &, bool) const override { return QStringLiteral("json"); }
    int RunOn(CliRunner &runner, ToolWindows &windows, const CliRunner::Request &request) const override
    {
        return runner.BackupOrRestore(windows, request);
    }
};

} // namespace

LUMORA_CLI_COMMAND(RestoreCommand)

} // namespace lumora
