// lumora-cli export-csv: a channel file as a CHIRP CSV channel list.

#include "app/cli/CliCommand.h"
#include "app/cli/CliArgs.h"
#include "app/ToolWindows.h"
#include "memory/ChirpCsv.h"
#include "ui/TForm1.h"
#include <QTextStream>

namespace lumora {

namespace {

class ExportCsvCommand : public CliCommand {
public:
    QString Name() const override { return QStringLiteral("export-csv"); }
    QStringList Usage() const override
    {
        return {QStringLiteral("  lumora-cli export-csv FILE.wh --output FILE.csv")};
    }
    QString Help() const override
    {
        return QStringLiteral(R"(  export-csv          write the channels of a channel file as CHIRP CSV;
                      the summary goes to standard error
)");
    }
    QString Take(const CliArgs &args, const QStringList &words, CliRunner::Request &request) const override
    {
        request.output = args.Value(QStringLiteral("output"));
        if (words.size() != 1 || request.output.isEmpty())
            return QStringLiteral("export-csv needs FILE.wh and --output FILE.csv");
        request.file = words.first();
        return QString();
    }
    QString *Input(CliRunner::Request &request) const override { return &request.file; }
    QString *Output(CliRunner::Request &request) const override { return &request.output; }
    bool ReadsRadioBeforeSaving() const override { return false; }
    QString Suffix(const CliRunner::Request &, bool input) const override
    {
        return input ? QStringLiteral("wh") : QStringLiteral("csv");
    }
    int RunOn(CliRunner &runner, ToolWindows &windows, const CliRunner::Request &request) const override
    {
        // Through the window's own export, unseen; the summary to standard error.
        windows.Form1->OpenChannelFile(request.file);
        CliErr() << windows.Form1->ExportCsvFile(request.output).text() << Qt::endl;
        return runner.Failed() ? CliRunner::kFailed : 0;
    }
};

} // namespace

const CliCommand &ExportCsvCommandInstance()
{
    static const ExportCsvCommand command;
    return command;
}

} // namespace lumora
