// lumora-cli fleet: one radio after another from a template, each with its identity.

#include "app/cli/CliCommand.h"
#include "app/cli/CliArgs.h"

namespace lumora {

namespace {

class FleetCommand : public CliCommand {
public:
    FleetCommand()
        : CliCommand("fleet",
                     {"  lumora-cli fleet --port DEV TEMPLATE.json --keep-identity|--ids FILE.csv|--first-id N",
                      "                   [--step S] [--dtmf-id-follows] [--wait SECONDS] [--log FILE.csv] [--count N]"},
                     QT_TRANSLATE_NOOP("CliHelp", R"(  fleet               program one radio after another on DEV from the
                      template (a backup file): wait for a radio to answer
                      (--wait seconds at most, default 60; then the run
                      ends), write {all areas} with the radio's identity,
                      read them back and compare, say one line, log it, and
                      wait for a radio that holds anything else (the one
                      just programmed may restart). A radio that fails is
                      reported and its identity goes to the next one. The
                      identity: --keep-identity (each keeps its own), --ids
                      FILE.csv (columns Fleet, ID, DTMF ID, one radio a
                      row), or --first-id N [--step S] (FleetSync IDs
                      counted up; --dtmf-id-follows: the DTMF ID code is
                      the ID too). --log FILE.csv gets a row a radio (time,
                      port, number, identity, result, differences); a run
                      started again with the same log goes on from it and
                      gives no identity twice; --count N ends the run
                      after N radios. Status 0 when every radio asked for
                      was written and verified, 1 when not (or the log
                      could not be written), 2 when the template, the list
                      or an option is refused before any radio
)"),
                     {"keep-identity", "ids", "first-id", "step", "dtmf-id-follows", "wait", "log", "count"})
    {
    }
    QString Take(const CliArgs &args, const QStringList &words, CliRunner::Request &request) const override
    {
        if (int(request.keepIdentity) + int(args.IsSet(QStringLiteral("ids"))) + int(args.IsSet(QStringLiteral("first-id"))) != 1)
            return Cli::tr("fleet needs one of --keep-identity, --ids FILE.csv and --first-id N");
        request.idsFile = args.Value(QStringLiteral("ids"));
        bool numbers = true, ok = true;
        if (args.IsSet(QStringLiteral("first-id")))
            request.firstId = args.Number(QStringLiteral("first-id"), &ok);
        numbers = numbers && ok && request.firstId >= -1;
        request.idStep = args.Number(QStringLiteral("step"), &ok);
        numbers = numbers && ok && request.idStep > 0;
        request.waitSeconds = args.Number(QStringLiteral("wait"), &ok);
        numbers = numbers && ok && request.waitSeconds > 0;
        request.radios = args.Number(QStringLiteral("count"), &ok);
        numbers = numbers && ok && request.radios >= 0;
        if (!numbers)
            return Cli::tr("--first-id, --step, --wait and --count want whole numbers (--step and --wait above 0)");
        request.dtmfIdFollows = args.IsSet(QStringLiteral("dtmf-id-follows"));
        request.log = args.Value(QStringLiteral("log"));
        if (request.port.isEmpty() || words.size() != 1)
            return Cli::tr("fleet needs --port DEV and one backup file as the template");
        request.file = words.first();
        return QString();
    }
    int RunOn(CliRunner &runner, ToolWindows &windows, const CliRunner::Request &request) const override
    {
        return runner.Fleet(windows, request);
    }
};

} // namespace

LUMORA_CLI_COMMAND(FleetCommand)

} // namespace lumora
