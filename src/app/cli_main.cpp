// lumora-cli: reads and writes the radio from a shell, through the same
// windows and transfer code as the tool's buttons, without showing them.

#include "app/CliRunner.h"
#include "app/ProgramStart.h"
#include "memory/ChannelFile.h"
#include "ui/TApplication.h"

#include <QCommandLineParser>
#include <QTextStream>
#include <algorithm>
#include <cstdio>

using namespace lumora;

namespace {

const char *const kHelp = R"(Usage:
  lumora-cli ports [--json]
  lumora-cli doctor [--port DEV] [--json]
  lumora-cli read  [AREA] --port DEV --output FILE.wh [--timeout SECONDS]
  lumora-cli write [AREA] --port DEV FILE.wh [--timeout SECONDS]
  lumora-cli read  dtmf|2tone|5tone|fsk --port DEV --output FILE.json [--timeout SECONDS]
  lumora-cli write dtmf|2tone|5tone|fsk --port DEV FILE.json [--timeout SECONDS]
  lumora-cli write [AREA] --port DEV FILE --verify
  lumora-cli diff  [AREA] --port DEV FILE [--json]
  lumora-cli backup  --port DEV --output FILE.json
  lumora-cli restore --port DEV FILE.json [--verify] [--keep-identity]
  lumora-cli fleet --port DEV TEMPLATE.json --keep-identity|--ids FILE.csv|--first-id N
                   [--step S] [--dtmf-id-follows] [--wait SECONDS] [--log FILE.csv] [--count N]
  lumora-cli import-csv FILE.csv --output FILE.wh [--strict]
  lumora-cli export-csv FILE.wh --output FILE.csv

Reads or writes the radio on the serial port DEV, exactly as the tool's
Read and Write buttons do, without opening a window.

  ports               list the serial ports, one a line
  doctor              say for each serial port (or DEV) whether it opens,
                      and if not why (missing, permission denied, busy),
                      and whether a radio answers on it: status 0 only
                      when a radio answered
  read                read the radio's main memory (16 channels and the
                      optional settings) and save it as a channel file, or
                      a signalling area and save it as a settings file
  write               open a channel or settings file and write it to the
                      radio
  --verify            after a write, read the area back and list every
                      field whose bytes differ from what was written, with
                      the stored values where the texts look the same
                      (status 1)
  diff                read the radio and list, field by field, what writing
                      FILE would change: status 0 when nothing, 1 when
                      something would, 2 on an error
  backup              read all six areas of the radio into one file
  restore             write such a file back, every area (checked and
                      encoded whole before the first byte is sent)
  --keep-identity     restore: read the radio's FleetSync own fleet and ID
                      and its DTMF ID code first and write them in place
                      of the file's
  fleet               program one radio after another on DEV from the
                      template (a backup file): wait for a radio to answer
                      (--wait seconds at most, default 60; then the run
                      ends), write all six areas with the radio's identity,
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
  import-csv          make a channel file from a CHIRP CSV channel list;
                      the summary and every row not taken (with its line
                      and reason) go to standard error; status 0 when
                      every row was taken or skipped for a reason, 1 when
                      no row was taken
  --strict            import-csv: status 1, and no channel file, when any
                      row was skipped
  export-csv          write the channels of a channel file as CHIRP CSV;
                      the summary goes to standard error
  AREA                main (the default, channel files .wh); the signalling
                      areas dtmf (DTMF), 2tone, 5tone and fsk (FleetSync),
                      settings files in JSON
  -p, --port DEV      the serial device, for example /dev/ttyUSB0
  -o, --output FILE   where a read is saved
  -t, --timeout SECONDS
                      give up a transfer not finished by then (default 60);
                      the radio protocol itself never times out
  --json              ports, doctor, diff: one JSON document on standard
                      output (ports: name, description, manufacturer,
                      vendorId, productId, serialNumber; doctor: port,
                      description, state, radioAnswered, text; diff: area,
                      text)
  FILE                "-" is standard input or standard output; an output
                      that is a pipe or a device (/dev/stdout) is written
                      straight through, a regular file is saved whole
  -h, --help          this text; "lumora-cli help COMMAND" or
                      "lumora-cli COMMAND --help" that command's
  --version           the program's name and version

Success messages ("   Read Succeed!", "Write Succeed!", "WRITE SUCCEED!")
go to standard output, errors with their details to standard error. The exit status is 0
only on success.
)";

// The usage lines and the paragraph of one command, taken from the help.
QString CommandHelp(const QString &help, const QString &verb)
{
    QString usage, about;
    bool inParagraph = false;
    for (const QString &line : help.split(QLatin1Char('\n'))) {
        if (line.startsWith(QStringLiteral("  lumora-cli ") + verb + QLatin1Char(' '))
            || line == QStringLiteral("  lumora-cli ") + verb)
            usage += line + QLatin1Char('\n');
        if (line.startsWith(QStringLiteral("  ") + verb + QLatin1Char(' '))) {
            inParagraph = true;
            about += line + QLatin1Char('\n');
        } else if (inParagraph && line.startsWith(QString(22, QLatin1Char(' ')))) {
            about += line + QLatin1Char('\n');
        } else {
            inParagraph = false;
        }
    }
    if (usage.isEmpty())
        return QString();
    return QStringLiteral("Usage:\n") + usage + QLatin1Char('\n') + about
           + QStringLiteral("\nOptions and files: lumora-cli --help.\n");
}

// The command nearest to a mistyped one (fewest letters changed), if any is
// near enough to be meant.
QString nearestCommand(const QString &typed)
{
    QStringList commands;
    for (const QString &line : QString::fromUtf8(kHelp).split(QLatin1Char('\n')))
        if (line.startsWith(QStringLiteral("  lumora-cli ")))
            commands << line.mid(13).section(QLatin1Char(' '), 0, 0);
    commands.removeDuplicates();
    QString best;
    int bestDistance = 3; // more letters than this apart: not meant
    for (const QString &command : commands) {
        QVector<int> row(command.size() + 1);
        for (int j = 0; j <= command.size(); ++j)
            row[j] = j;
        for (int i = 1; i <= typed.size(); ++i) {
            int diagonal = row[0];
            row[0] = i;
            for (int j = 1; j <= command.size(); ++j) {
                const int above = row[j];
                row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (typed[i - 1] == command[j - 1] ? 0 : 1)});
                diagonal = above;
            }
        }
        if (row[command.size()] < bestDistance || (typed.size() > 2 && command.startsWith(typed) && best.isEmpty())) {
            bestDistance = row[command.size()];
            best = command;
        }
    }
    return best;
}

// A usage error: the one line that matters, the command's usage lines and
// where its help is; status 2.
int usage(const QString &problem, const QString &verb = QString())
{
    QTextStream err(stderr);
    if (!problem.isEmpty())
        err << "lumora-cli: " << problem << "\n";
    const QString text = verb.isEmpty() ? QString() : CommandHelp(QString::fromUtf8(kHelp), verb);
    if (text.isEmpty()) {
        err << "Usage: lumora-cli COMMAND [AREA] [OPTIONS] [FILE]; see lumora-cli --help\n";
        return 2;
    }
    err << text.section(QStringLiteral("\n\n"), 0, 0) << "\nSee lumora-cli help " << verb << ".\n";
    return 2;
}

int unknownCommand(const QString &verb)
{
    const QString nearest = nearestCommand(verb);
    return usage(QStringLiteral("unknown command '%1'").arg(verb)
                 + (nearest.isEmpty() ? QString() : QStringLiteral("; did you mean '%1'?").arg(nearest)));
}

} // namespace

int main(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i)
        if (QByteArray(argv[i]) == "--version") {
            std::printf("%s\n", qPrintable(VersionLine(QStringLiteral("lumora-cli"))));
            return 0;
        }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QuietRuntimeFolder runtime;
    TApplication app(argc, argv);
    QCommandLineParser cli;
    cli.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    const QCommandLineOption help(QStringList{"help", "h"});
    const QCommandLineOption port(QStringList{"port", "p"}, QString(), QStringLiteral("DEV"));
    const QCommandLineOption output(QStringList{"output", "o"}, QString(), QStringLiteral("FILE"));
    const QCommandLineOption timeout(QStringList{"timeout", "t"}, QString(), QStringLiteral("SECONDS"), QStringLiteral("60"));
    const QCommandLineOption json(QStringLiteral("json"));
    const QCommandLineOption reportTime(QStringLiteral("report-time")); // for the benchmark
    const QCommandLineOption verify(QStringLiteral("verify"));
    const QCommandLineOption strict(QStringLiteral("strict"));
    const QCommandLineOption keepIdentity(QStringLiteral("keep-identity"));
    const QCommandLineOption ids(QStringLiteral("ids"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption firstId(QStringLiteral("first-id"), QString(), QStringLiteral("N"));
    const QCommandLineOption step(QStringLiteral("step"), QString(), QStringLiteral("S"), QStringLiteral("1"));
    const QCommandLineOption dtmfIdFollows(QStringLiteral("dtmf-id-follows"));
    const QCommandLineOption wait(QStringLiteral("wait"), QString(), QStringLiteral("SECONDS"), QStringLiteral("60"));
    const QCommandLineOption log(QStringLiteral("log"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption count(QStringLiteral("count"), QString(), QStringLiteral("N"), QStringLiteral("0"));
    cli.addOptions({help, port, output, timeout, reportTime, verify, strict, json, keepIdentity, ids, firstId, step,
                    dtmfIdFollows, wait, log, count});
    if (!cli.parse(QCoreApplication::arguments()))
        return usage(cli.errorText(), cli.positionalArguments().value(0));
    QStringList words = cli.positionalArguments();
    // "lumora-cli help read" and "lumora-cli read --help": that command's help.
    if (cli.isSet(help) || words.value(0) == QLatin1String("help")) {
        const QString verb = words.value(words.value(0) == QLatin1String("help") ? 1 : 0);
        if (verb.isEmpty()) {
            QTextStream(stdout) << kHelp;
            return 0;
        }
        const QString text = CommandHelp(QString::fromUtf8(kHelp), verb);
        if (text.isEmpty())
            return unknownCommand(verb);
        QTextStream(stdout) << text;
        return 0;
    }
    if (words.isEmpty()) {
        QTextStream(stderr) << kHelp; // nothing asked: the whole help
        return 2;
    }
    CliRunner::Request request;
    request.verb = words.takeFirst();
    if (CommandHelp(QString::fromUtf8(kHelp), request.verb).isEmpty())
        return unknownCommand(request.verb);
    if (!words.isEmpty() && area::All().contains(words.first()))
        request.area = words.takeFirst();
    request.port = cli.value(port);
    request.verify = cli.isSet(verify);
    if (request.verify && request.verb != "write" && request.verb != "restore")
        return usage(QStringLiteral("--verify goes with write and restore"), request.verb);
    request.json = cli.isSet(json);
    if (request.json && request.verb != "ports" && request.verb != "doctor" && request.verb != "diff")
        return usage(QStringLiteral("--json goes with ports, doctor and diff"), request.verb);
    request.keepIdentity = cli.isSet(keepIdentity);
    if (request.keepIdentity && request.verb != "restore" && request.verb != "fleet")
        return usage(QStringLiteral("--keep-identity goes with restore and fleet"), request.verb);
    for (const QCommandLineOption *o : {&ids, &firstId, &step, &dtmfIdFollows, &wait, &log, &count})
        if (cli.isSet(*o) && request.verb != "fleet")
            return usage(QStringLiteral("--%1 goes with fleet").arg(o->names().first()), request.verb);
    if (request.verb == "fleet") {
        if (int(request.keepIdentity) + int(cli.isSet(ids)) + int(cli.isSet(firstId)) != 1)
            return usage(QStringLiteral("fleet needs one of --keep-identity, --ids FILE.csv and --first-id N"), request.verb);
        request.idsFile = cli.value(ids);
        bool numbers = true, ok = true;
        if (cli.isSet(firstId))
            request.firstId = cli.value(firstId).toInt(&ok);
        numbers = numbers && ok && request.firstId >= -1;
        request.idStep = cli.value(step).toInt(&ok);
        numbers = numbers && ok && request.idStep > 0;
        request.waitSeconds = cli.value(wait).toInt(&ok);
        numbers = numbers && ok && request.waitSeconds > 0;
        request.radios = cli.value(count).toInt(&ok);
        numbers = numbers && ok && request.radios >= 0;
        if (!numbers)
            return usage(QStringLiteral("--first-id, --step, --wait and --count want whole numbers (--step and --wait "
                                        "above 0)"), request.verb);
        request.dtmfIdFollows = cli.isSet(dtmfIdFollows);
        request.log = cli.value(log);
    }
    request.strict = cli.isSet(strict);
    if (request.strict && request.verb != "import-csv")
        return usage(QStringLiteral("--strict goes with import-csv"), request.verb);
    request.reportTime = cli.isSet(reportTime);
    bool ok = false;
    request.timeoutSeconds = cli.value(timeout).toInt(&ok);
    if (!ok || request.timeoutSeconds <= 0)
        return usage(QStringLiteral("--timeout wants a whole number of seconds"), request.verb);
    const QString suffix = request.area == area::Main ? QStringLiteral("wh") : QStringLiteral("json");
    if (request.verb == "ports" || request.verb == "doctor") {
        if (!words.isEmpty())
            return usage(QStringLiteral("%1 takes no arguments").arg(request.verb), request.verb);
    } else if (request.verb == "read") {
        request.file = cli.value(output);
        if (request.port.isEmpty() || request.file.isEmpty() || !words.isEmpty())
            return usage(QStringLiteral("read needs --port DEV and --output FILE.%1").arg(suffix), request.verb);
    } else if (request.verb == "write" || request.verb == "diff") {
        if (request.port.isEmpty() || words.size() != 1)
            return usage(QStringLiteral("%1 needs --port DEV and one %2 file").arg(request.verb,
                    request.area == area::Main ? "channel" : "settings"), request.verb);
        request.file = words.first();
    } else if (request.verb == "backup") {
        request.output = cli.value(output);
        if (request.port.isEmpty() || request.output.isEmpty() || !words.isEmpty())
            return usage(QStringLiteral("backup needs --port DEV and --output FILE.json"), request.verb);
    } else if (request.verb == "restore") {
        if (request.port.isEmpty() || words.size() != 1)
            return usage(QStringLiteral("restore needs --port DEV and one backup file"), request.verb);
        request.file = words.first();
    } else if (request.verb == "fleet") {
        if (request.port.isEmpty() || words.size() != 1)
            return usage(QStringLiteral("fleet needs --port DEV and one backup file as the template"), request.verb);
        request.file = words.first();
    } else if (request.verb == "import-csv" || request.verb == "export-csv") {
        const bool importing = request.verb == "import-csv";
        request.output = cli.value(output);
        if (words.size() != 1 || request.output.isEmpty())
            return usage(importing ? QStringLiteral("import-csv needs FILE.csv and --output FILE.wh")
                                   : QStringLiteral("export-csv needs FILE.wh and --output FILE.csv"), request.verb);
        request.file = words.first();
    } else {
        return unknownCommand(request.verb);
    }
    CliRunner runner;
    if (request.verb != QLatin1String("ports") && request.verb != QLatin1String("doctor")
        && !ChannelFileEncodingAvailable()) {
        QTextStream(stderr) << "lumora-cli: " << ErrorBoxText(MissingChannelFileEncodingText()) << "\n";
        return 1;
    }
    return runner.run(request);
}
