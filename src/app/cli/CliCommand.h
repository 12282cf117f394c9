#pragma once
// One command of lumora-cli in a class of its own: its usage lines, its
// help, the options it takes, how its words become a request, and its run.
// The shared parser (CliArgs) and help (CliHelp) read every command from
// CliCommands(); adding a command is a file here and a line there.

#include "app/CliRunner.h"
#include "app/CliTexts.h"
#include "protocol/AreaNames.h"

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace lumora {

class CliArgs;
struct ToolWindows;

class CliCommand {
public:
    // usage: its lines, as --help shows them; help: its paragraphs (marked
    // for translation in the "CliHelp" context, translated when shown);
    // options: those it takes beyond --port, --output, --timeout and
    // --help, by their long names (any other is refused before anything runs).
    CliCommand(const char *name, QStringList usage, const char *help, QStringList options = {})
        : name_(QString::fromLatin1(name)), usage_(std::move(usage)), help_(help), options_(std::move(options))
    {
        // "{areas}": the signalling areas' names, "dtmf|2tone|5tone|fsk"
        for (QString &line : usage_)
            line.replace(QStringLiteral("{areas}"), area::Signalling().join(QLatin1Char('|')));
    }
    virtual ~CliCommand() = default;
    QString Name() const { return name_; }
    const QStringList &Usage() const { return usage_; }
    // "{all areas}": "all six areas", as many as the radio has.
    QString Help() const
    {
        return QCoreApplication::translate("CliHelp", help_)
                .replace(QStringLiteral("{all areas}"), Cli::AllAreas(static_cast<int>(AreaTable().size())));
    }
    const QStringList &Options() const { return options_; }
    // The words after the command (and its area) into the request: a
    // usage problem ("read needs --port DEV ..."), or nothing.
    virtual QString Take(const CliArgs &, const QStringList &words, CliRunner::Request &) const
    {
        return words.isEmpty() ? QString() : QStringLiteral("%1 takes no arguments").arg(Name());
    }

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
    virtual int RunOn(CliRunner &, ToolWindows &, const CliRunner::Request &) const { return 1; }

protected:
    // write and diff: --port and one channel or settings file.
    QString OneFile(const QStringList &words, CliRunner::Request &request) const
    {
        if (request.port.isEmpty() || words.size() != 1)
            return (request.area == area::Main ? Cli::tr("%1 needs --port DEV and one channel file")
                                               : Cli::tr("%1 needs --port DEV and one settings file"))
                    .arg(Name());
        request.file = words.first();
        return QString();
    }

private:
    QString name_;
    QStringList usage_;
    const char *help_;
    QStringList options_;
};

// write and diff: one channel or settings file for the radio's area.
class AreaFileCommand : public CliCommand {
public:
    using CliCommand::CliCommand;
    QString Take(const CliArgs &, const QStringList &words, CliRunner::Request &request) const override
    {
        return OneFile(words, request);
    }
    QString *Input(CliRunner::Request &request) const override { return &request.file; }
};

// The one instance of a command class, as CliCommands() lists it.
#define LUMORA_CLI_COMMAND(Class)                                                                                     \
    const CliCommand &Class##Instance()                                                                               \
    {                                                                                                                 \
        static const Class command;                                                                                   \
        return command;                                                                                               \
    }

// Every command, in the order the help lists them.
const std::vector<const CliCommand *> &CliCommands();
const CliCommand *FindCliCommand(const QString &name);

} // namespace lumora
