// lumora-cli: reads and writes the radio from a shell, through the same
// windows and transfer code as the tool's buttons, without showing them.

#include "app/CliRunner.h"
#include "app/ProgramStart.h"
#include "app/cli/CliArgs.h"
#include "app/cli/CliCommand.h"
#include "app/cli/CliHelp.h"
#include "memory/ChannelFile.h"
#include "serial/LineTrace.h"
#include "ui/Languages.h"
#include "ui/TApplication.h"

#include <QTextStream>
#include <cstdio>

using namespace lumora;

int main(int argc, char **argv)
{
    if (const QString version = VersionAnswer(QStringLiteral("lumora-cli"), argc, argv); !version.isEmpty()) {
        std::printf("%s", version.toUtf8().constData());
        return 0;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef Q_OS_WIN
    // Off screen, Windows' Qt knows the fonts of one folder only: the
    // system's, so that a printed card has letters.
    if (qEnvironmentVariableIsEmpty("QT_QPA_FONTDIR") && !qEnvironmentVariableIsEmpty("WINDIR"))
        qputenv("QT_QPA_FONTDIR", qgetenv("WINDIR") + "\\Fonts");
#endif
    QuietRuntimeFolder runtime;
    TApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("LUMORA")); // the tool's settings and history
    // Messages in the language of the environment (LANG, LC_MESSAGES);
    // the data written (JSON, CSV, files) and the options never change.
    InstallTranslations(QString());
    CliArgs args;
    if (!args.Parse(QCoreApplication::arguments()))
        return CliUsageError(args.ErrorText(), args.Words().value(0));
    QStringList words = args.Words();
    // "lumora-cli help read" and "lumora-cli read --help": that command's help.
    if (args.IsSet(QStringLiteral("help")) || words.value(0) == QLatin1String("help")) {
        const QString verb = words.value(words.value(0) == QLatin1String("help") ? 1 : 0);
        if (verb.isEmpty()) {
            QTextStream(stdout) << CliHelpText();
            return 0;
        }
        const QString text = CliCommandHelp(verb);
        if (text.isEmpty())
            return CliUnknownCommand(verb);
        QTextStream(stdout) << text;
        return 0;
    }
    if (words.isEmpty()) {
        QTextStream(stderr) << CliHelpText(); // nothing asked: the whole help
        return 2;
    }
    CliRunner::Request request;
    request.verb = words.takeFirst();
    const CliCommand *command = FindCliCommand(request.verb);
    if (!command)
        return CliUnknownCommand(request.verb);
    if (!words.isEmpty() && area::All().contains(words.first()))
        request.area = words.takeFirst();
    request.port = args.Value(QStringLiteral("port"));
    if (const QString refused = args.Refused(*command); !refused.isEmpty())
        return CliUsageError(refused, request.verb);
    request.verify = args.IsSet(QStringLiteral("verify"));
    request.json = args.IsSet(QStringLiteral("json"));
    request.keepIdentity = args.IsSet(QStringLiteral("keep-identity"));
    request.strict = args.IsSet(QStringLiteral("strict"));
    request.reportTime = args.IsSet(QStringLiteral("report-time"));
    request.noHistory = args.IsSet(QStringLiteral("no-history"));
    request.radio = args.Value(QStringLiteral("radio"));
    request.find = args.IsSet(QStringLiteral("find"));
    request.report = args.Value(QStringLiteral("report"));
    bool ok = false;
    for (const auto &[name, value] : {std::pair<const char *, int *>{"keep-days", &request.keepDays},
                                      std::pair<const char *, int *>{"keep-count", &request.keepCount}})
        if (args.IsSet(QLatin1String(name))) {
            *value = args.Number(QLatin1String(name), &ok);
            if (!ok || *value <= 0)
                return CliUsageError(Cli::tr("--%1 wants a whole number above 0").arg(QLatin1String(name)),
                                     request.verb);
        }
    request.timeoutSeconds = args.Number(QStringLiteral("timeout"), &ok);
    if (!ok || request.timeoutSeconds <= 0)
        return CliUsageError(Cli::tr("--timeout wants a whole number of seconds"), request.verb);
    if (const QString problem = command->Take(args, words, request); !problem.isEmpty())
        return CliUsageError(problem, request.verb);
    if (command->NeedsWindows() && !ChannelFileEncodingAvailable()) {
        QTextStream(stderr) << "lumora-cli: " << ErrorBoxText(MissingChannelFileEncodingText()) << "\n";
        return 1;
    }
    if (args.IsSet(QStringLiteral("trace"))) {
        QString reason;
        if (!LineTrace::Run().WriteTo(args.Value(QStringLiteral("trace")), &reason)) {
            QTextStream(stderr) << "lumora-cli: "
                                << Cli::tr("cannot write the trace file %1: %2").arg(args.Value(QStringLiteral("trace")), reason)
                                << "\n";
            return 1;
        }
    }
    CliRunner runner;
    return runner.run(request);
}
