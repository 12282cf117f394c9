// lumora-cli: reads and writes the radio from a shell, through the same
// windows and transfer code as the tool's buttons, without showing them.

#include "app/CliRunner.h"
#include "memory/ChannelFile.h"
#include "ui/TApplication.h"

#include <QCommandLineParser>
#include <QTextStream>

using namespace lumora;

namespace {

const char *const kHelp = R"(Usage:
  lumora-cli ports
  lumora-cli doctor [--port DEV]
  lumora-cli read  [AREA] --port DEV --output FILE.wh [--timeout SECONDS]
  lumora-cli write [AREA] --port DEV FILE.wh [--timeout SECONDS]
  lumora-cli read  dtmf|2tone|5tone|fsk --port DEV --output FILE.json [--timeout SECONDS]
  lumora-cli write dtmf|2tone|5tone|fsk --port DEV FILE.json [--timeout SECONDS]
  lumora-cli write [AREA] --port DEV FILE --verify
  lumora-cli diff  [AREA] --port DEV FILE
  lumora-cli backup  --port DEV --output FILE.json
  lumora-cli restore --port DEV FILE.json [--verify]
  lumora-cli import-csv FILE.csv --output FILE.wh
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
  import-csv          make a channel file from a CHIRP CSV channel list;
                      rows that do not fit are listed, never dropped
  export-csv          write the channels of a channel file as CHIRP CSV
  AREA                main (the default, channel files .wh); the signalling
                      areas dtmf (DTMF), 2tone, 5tone and fsk (FleetSync),
                      settings files in JSON
  --port DEV          the serial device, for example /dev/ttyUSB0
  --output FILE       where a read is saved
  --timeout SECONDS   give up a transfer not finished by then (default 60);
                      the radio protocol itself never times out
  --help              this text

Success messages ("   Read Succeed!", "Write Succeed!", "WRITE SUCCEED!")
go to standard output, errors with their details to standard error. The exit status is 0
only on success.
)";

int usage(const QString &problem)
{
    QTextStream err(stderr);
    if (!problem.isEmpty())
        err << "lumora-cli: " << problem << "\n\n";
    err << kHelp;
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication app(argc, argv);
    QCommandLineParser cli;
    cli.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    const QCommandLineOption help(QStringList{"help", "h"});
    const QCommandLineOption port(QStringLiteral("port"), QString(), QStringLiteral("DEV"));
    const QCommandLineOption output(QStringLiteral("output"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption timeout(QStringLiteral("timeout"), QString(), QStringLiteral("SECONDS"), QStringLiteral("60"));
    const QCommandLineOption reportTime(QStringLiteral("report-time")); // for the benchmark
    const QCommandLineOption verify(QStringLiteral("verify"));
    cli.addOptions({help, port, output, timeout, reportTime, verify});
    if (!cli.parse(QCoreApplication::arguments()))
        return usage(cli.errorText());
    if (cli.isSet(help)) {
        QTextStream(stdout) << kHelp;
        return 0;
    }
    QStringList words = cli.positionalArguments();
    if (words.isEmpty())
        return usage(QString());
    CliRunner::Request request;
    request.verb = words.takeFirst();
    if (!words.isEmpty() && area::All().contains(words.first()))
        request.area = words.takeFirst();
    request.port = cli.value(port);
    request.verify = cli.isSet(verify);
    if (request.verify && request.verb != "write" && request.verb != "restore")
        return usage(QStringLiteral("--verify goes with write and restore"));
    request.reportTime = cli.isSet(reportTime);
    bool ok = false;
    request.timeoutSeconds = cli.value(timeout).toInt(&ok);
    if (!ok || request.timeoutSeconds <= 0)
        return usage(QStringLiteral("--timeout wants a whole number of seconds"));
    const QString suffix = request.area == area::Main ? QStringLiteral("wh") : QStringLiteral("json");
    if (request.verb == "ports" || request.verb == "doctor") {
        if (!words.isEmpty())
            return usage(QStringLiteral("%1 takes no arguments").arg(request.verb));
    } else if (request.verb == "read") {
        request.file = cli.value(output);
        if (request.port.isEmpty() || request.file.isEmpty() || !words.isEmpty())
            return usage(QStringLiteral("read needs --port DEV and --output FILE.%1").arg(suffix));
    } else if (request.verb == "write" || request.verb == "diff") {
        if (request.port.isEmpty() || words.size() != 1)
            return usage(QStringLiteral("%1 needs --port DEV and one %2 file").arg(request.verb,
                    request.area == area::Main ? "channel" : "settings"));
        request.file = words.first();
    } else if (request.verb == "backup") {
        request.output = cli.value(output);
        if (request.port.isEmpty() || request.output.isEmpty() || !words.isEmpty())
            return usage(QStringLiteral("backup needs --port DEV and --output FILE.json"));
    } else if (request.verb == "restore") {
        if (request.port.isEmpty() || words.size() != 1)
            return usage(QStringLiteral("restore needs --port DEV and one backup file"));
        request.file = words.first();
    } else if (request.verb == "import-csv" || request.verb == "export-csv") {
        const bool importing = request.verb == "import-csv";
        request.output = cli.value(output);
        if (words.size() != 1 || request.output.isEmpty())
            return usage(importing ? QStringLiteral("import-csv needs FILE.csv and --output FILE.wh")
                                   : QStringLiteral("export-csv needs FILE.wh and --output FILE.csv"));
        request.file = words.first();
    } else {
        return usage(QStringLiteral("unknown command '%1'").arg(request.verb));
    }
    CliRunner runner;
    if (request.verb != QLatin1String("ports") && request.verb != QLatin1String("doctor")
        && !ChannelFileEncodingAvailable()) {
        QTextStream(stderr) << "lumora-cli: " << ErrorBoxText(MissingChannelFileEncodingText()) << "\n";
        return 1;
    }
    return runner.run(request);
}
