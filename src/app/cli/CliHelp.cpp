#include "app/cli/CliHelp.h"

#include "app/cli/CliCommand.h"
#include "protocol/AreaTable.h"
#include "serial/PortList.h"

#include <QCoreApplication>
#include <QTextStream>
#include <QVector>
#include <algorithm>

namespace lumora {

namespace {

const char *const kAbout = QT_TRANSLATE_NOOP("CliHelp", R"(
Reads or writes the radio on the serial port DEV, exactly as the tool's
Read and Write buttons do, without opening a window.

)");

const char *const kGeneral = QT_TRANSLATE_NOOP("CliHelp", R"(  AREA                {areas}
  -p, --port DEV      the serial device, for example {port}
  -o, --output FILE   where a read is saved
  -t, --timeout SECONDS
                      give up a transfer not finished by then (default 60);
                      the radio protocol itself never times out
  --trace FILE        write every message on the line to FILE, one a line:
                      milliseconds, > sent or < received, the bytes in hex
                      (for a bug report; the virtual radio writes the same)
  --json              ports, doctor, diff, history list: one JSON document
                      on standard output (ports: name, description,
                      manufacturer, vendorId, productId, serialNumber;
                      doctor: port, description, state, radioAnswered,
                      text, and findings: trap, text; ports --find: name,
                      description; diff: area, text; history list: snapshot,
                      radio, fleet, id, dtmfId, time, port, origin, areas,
                      damaged, damage, file)
  FILE                "-" is standard input or standard output; an output
                      that is a pipe or a device (/dev/stdout) is written
                      straight through, a regular file is saved whole
  -h, --help          this text; "lumora-cli help COMMAND" or
                      "lumora-cli COMMAND --help" that command's
  --version           the program's name and version; with --verbose also
                      the Qt it runs on and the licences of its parts

Success messages ("   Read Succeed!", "Write Succeed!", "WRITE SUCCEED!")
go to standard output, errors with their details to standard error. The exit status is 0
only on success.
)");

// The number of letters to change to make one word the other.
int distance(const QString &a, const QString &b)
{
    QVector<int> row(b.size() + 1);
    for (int j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (int i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = i;
        for (int j = 1; j <= b.size(); ++j) {
            const int above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

// The command nearest to a mistyped one, if any is near enough to be meant.
QString nearestCommand(const QString &typed)
{
    QString best;
    int bestDistance = 3; // more letters than this apart: not meant
    for (const CliCommand *command : CliCommands()) {
        const QString name = command->Name();
        const int d = distance(typed, name);
        if (d < bestDistance || (typed.size() > 2 && name.startsWith(typed) && best.isEmpty())) {
            bestDistance = d;
            best = name;
        }
    }
    return best;
}

// A character's width in a terminal: Chinese and other wide letters take two.
int widthOf(QChar c)
{
    const ushort u = c.unicode();
    return (u >= 0x1100 && u <= 0x115F) || (u >= 0x2E80 && u <= 0xA4CF) || (u >= 0xAC00 && u <= 0xD7A3)
                   || (u >= 0xF900 && u <= 0xFAFF) || (u >= 0xFE30 && u <= 0xFE4F) || (u >= 0xFF00 && u <= 0xFF60)
                   || (u >= 0xFFE0 && u <= 0xFFE6)
           ? 2
           : 1;
}

// Text wrapped to 76 columns below a heading 22 wide: broken at blanks,
// and between wide letters, which have none between them.
QString wrapped(const QString &text)
{
    constexpr int indent = 22, width = 76;
    QString out, line;
    int lineWidth = indent, lastBreak = -1; // in line: where it may break
    for (const QChar c : text) {
        if (c == QLatin1Char(' ') && line.isEmpty())
            continue;
        if (widthOf(c) == 2)
            lastBreak = static_cast<int>(line.size());
        line += c;
        lineWidth += widthOf(c);
        if (c == QLatin1Char(' '))
            lastBreak = static_cast<int>(line.size());
        if (lineWidth > width && lastBreak > 0) {
            out += line.left(lastBreak).trimmed() + QLatin1Char('\n') + QString(indent, QLatin1Char(' '));
            line = line.mid(lastBreak);
            lineWidth = indent;
            for (const QChar rest : line)
                lineWidth += widthOf(rest);
            lastBreak = -1;
        }
    }
    return out + line;
}

// What AREA may be, wrapped below its heading.
QString areasText()
{
    QStringList names;
    for (const AreaInfo *area : SignallingAreaList())
        names << QStringLiteral("%1 (%2)").arg(QLatin1String(area->key), QLatin1String(area->title));
    const QString last = names.takeLast();
    return wrapped(QCoreApplication::translate("CliHelp", "main (the default, channel files .wh); the signalling "
                                                          "areas %1 and %2, settings files in JSON")
                           .arg(names.join(QStringLiteral(", ")), last));
}

} // namespace

QString CliHelpText()
{
    QString usage, paragraphs;
    for (const CliCommand *command : CliCommands()) {
        usage += command->Usage().join(QLatin1Char('\n')) + QLatin1Char('\n');
        paragraphs += command->Help();
    }
    return QCoreApplication::translate("CliHelp", "Usage:") + QLatin1Char('\n') + usage
           + QCoreApplication::translate("CliHelp", kAbout) + paragraphs
           + QCoreApplication::translate("CliHelp", kGeneral).replace(QStringLiteral("{areas}"), areasText())
                     .replace(QStringLiteral("{port}"), QStringLiteral(LUMORA_EXAMPLE_PORT));
}

QString CliCommandHelp(const QString &verb)
{
    const CliCommand *command = FindCliCommand(verb);
    if (!command)
        return QString();
    return QCoreApplication::translate("CliHelp", "Usage:") + QLatin1Char('\n') + command->Usage().join(QLatin1Char('\n'))
           + QStringLiteral("\n\n") + command->Help() + QLatin1Char('\n')
           + QCoreApplication::translate("CliHelp", "Options and files: lumora-cli --help.") + QLatin1Char('\n');
}

int CliUsageError(const QString &problem, const QString &verb)
{
    QTextStream err(stderr);
    if (!problem.isEmpty())
        err << "lumora-cli: " << problem << "\n";
    const QString text = verb.isEmpty() ? QString() : CliCommandHelp(verb);
    if (text.isEmpty()) {
        err << QCoreApplication::translate("CliHelp", "Usage: lumora-cli COMMAND [AREA] [OPTIONS] [FILE]; see lumora-cli --help")
            << "\n";
        return 2;
    }
    err << text.section(QStringLiteral("\n\n"), 0, 0) << "\n"
        << QCoreApplication::translate("CliHelp", "See lumora-cli help %1.").arg(verb) << "\n";
    return 2;
}

int CliUnknownCommand(const QString &verb)
{
    const QString nearest = nearestCommand(verb);
    return CliUsageError(nearest.isEmpty() ? Cli::tr("unknown command '%1'").arg(verb)
                                           : Cli::tr("unknown command '%1'; did you mean '%2'?").arg(verb, nearest));
}

} // namespace lumora
