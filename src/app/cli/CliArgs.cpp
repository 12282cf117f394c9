#include "app/cli/CliArgs.h"
#include "app/CliTexts.h"

#include "app/cli/CliCommand.h"

namespace lumora {

namespace {

// The options only some commands take, in the order they are checked.
const QStringList &commandOptions()
{
    static const QStringList names = {"verify", "json", "keep-identity", "ids", "first-id", "step",
                                      "dtmf-id-follows", "wait", "log", "count", "strict", "plan",
                                      "plan-strict", "radio", "page", "find", "report"};
    return names;
}

} // namespace

CliArgs::CliArgs()
{
    parser_.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    auto withValue = [](const QStringList &names, const char *valueName, const QString &byDefault = QString()) {
        return QCommandLineOption(names, QString(), QString::fromLatin1(valueName), byDefault);
    };
    parser_.addOptions({
            QCommandLineOption(QStringList{"help", "h"}),
            withValue({"port", "p"}, "DEV"),
            withValue({"output", "o"}, "FILE"),
            withValue({"timeout", "t"}, "SECONDS", QStringLiteral("60")),
            QCommandLineOption(QStringLiteral("report-time")), // for the benchmark
            QCommandLineOption(QStringLiteral("verify")),
            QCommandLineOption(QStringLiteral("strict")),
            QCommandLineOption(QStringLiteral("json")),
            QCommandLineOption(QStringLiteral("keep-identity")),
            withValue({"ids"}, "FILE"),
            withValue({"first-id"}, "N"),
            withValue({"step"}, "S", QStringLiteral("1")),
            QCommandLineOption(QStringLiteral("dtmf-id-follows")),
            withValue({"wait"}, "SECONDS", QStringLiteral("60")),
            withValue({"log"}, "FILE"),
            withValue({"count"}, "N", QStringLiteral("0")),
            withValue({"plan"}, "PLAN"),
            QCommandLineOption(QStringLiteral("plan-strict")),
            QCommandLineOption(QStringLiteral("no-history")),
            withValue({"keep-days"}, "DAYS"),
            withValue({"keep-count"}, "N"),
            withValue({"radio"}, "ID"),
            withValue({"page"}, "SIZE"),
            withValue({"trace"}, "FILE"),
            QCommandLineOption(QStringLiteral("find")),
            withValue({"report"}, "FILE"),
    });
}

bool CliArgs::Parse(const QStringList &arguments) { return parser_.parse(arguments); }

QString CliArgs::Refused(const CliCommand &command) const
{
    for (const QString &option : commandOptions()) {
        if (!parser_.isSet(option) || command.Options().contains(option))
            continue;
        QStringList takers;
        for (const CliCommand *c : CliCommands())
            if (c->Options().contains(option))
                takers << c->Name();
        const QString last = takers.takeLast();
        return takers.isEmpty() ? Cli::tr("--%1 goes with %2").arg(option, last)
                                : Cli::tr("--%1 goes with %2 and %3").arg(option, takers.join(QStringLiteral(", ")), last);
    }
    return QString();
}

} // namespace lumora
