#pragma once
// One command of lumora-cli in a class of its own: its usage lines, its
// help, the options it takes, how its words become a request, and its run.
// The shared parser (CliArgs) and help (CliHelp) read every command from
// CliCommands(); adding a command is a file here and a line there.

#include "app/CliRunner.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace lumora {

class CliArgs;
struct ToolWindows;

class CliCommand {
public:
    virtual ~CliCommand() = default;
    virtual QString Name() const = 0;
    // Its usage lines, each after "lumora-cli ".
    virtual QStringList Usage() const = 0;
    // Its paragraphs of the help, as --help shows them.
    virtual QString Help() const = 0;
    // The options it takes beyond --port, --timeout and --help, by their
    // long names; any other is refused before anything runs.
    virtual QStringList Options() const { return {}; }
    // The words after the command (and its area) into the request: a
    // usage problem ("read needs --port DEV ..."), or nothing.
    virtual QString Take(const CliArgs &args, const QStringList &words, CliRunner::Request &request) const = 0;

    // Where it reads a file and where it writes one ("-": a stream), and
    // their kinds (wh, json, csv) for a scratch file in their place.
    virtual QString *Input(CliRunner::Request &) const { return nullptr; }
    virtual QString *Output(CliRunner::Request &) const { return nullptr; }
    virtual QString Suffix(const CliRunner::Request &request, bool /*input*/) const
    {
        return request.area == area::Main ? QStringLiteral("wh") : QStringLiteral("json");
    }

    // The exit status of a failure (diff says 1 when something would change).
    virtual int FailureStatus() const { return 1; }
    // A radio is read before its output is saved: the output's folder is
    // checked first, so that a typo costs no read.
    virtual bool ReadsRadioBeforeSaving() const { return true; }

    // Without the windows (ports, doctor); the others run on them.
    virtual bool NeedsWindows() const { return true; }
    virtual int Run(CliRunner &, const CliRunner::Request &) const { return 1; }
    virtual int RunOn(CliRunner &runner, ToolWindows &windows, const CliRunner::Request &request) const = 0;

protected:
    // write and diff: --port and one channel or settings file.
    QString OneFile(const QStringList &words, CliRunner::Request &request) const
    {
        if (request.port.isEmpty() || words.size() != 1)
            return QStringLiteral("%1 needs --port DEV and one %2 file")
                    .arg(Name(), request.area == area::Main ? QStringLiteral("channel") : QStringLiteral("settings"));
        request.file = words.first();
        return QString();
    }
};

// Every command, in the order the help lists them.
const std::vector<const CliCommand *> &CliCommands();
const CliCommand *FindCliCommand(const QString &name);

} // namespace lumora
