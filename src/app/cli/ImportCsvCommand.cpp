// lumora-cli import-csv: a CHIRP CSV channel list into a channel file.

#include "app/cli/CliCommand.h"
#include "app/cli/CliArgs.h"
#include "app/ToolWindows.h"
#include "memory/ChirpCsv.h"
#include "ui/TForm1.h"
#include <QTextStream>

namespace lumora {

namespace {

class ImportCsvCommand : public CliCommand {
public:
    QString Name() const override { return QStringLiteral("import-csv"); }
    QStringList Usage() const override
    {
        return {QStringLiteral("  lumora-cli import-csv FILE.csv --output FILE.wh [--strict]")};
    }
    QString Help() const override
    {
        return QStringLiteral(R"(  import-csv          make a channel file from a CHIRP CSV channel list;
                      the summary and every row not taken (with its line
                      and reason) go to standard error; status 0 when
                      every row was taken or skipped for a reason, 1 when
                      no row was taken
  --strict            import-csv: status 1, and no channel file, when any
                      row was skipped
)");
    }
    QStringList Options() const override { return {QStringLiteral("strict")}; }
    QString Take(const CliArgs &args, const QStringList &words, CliRunner::Request &request) const override
    {
        request.output = args.Value(QStringLiteral("output"));
        if (words.size() != 1 || request.output.isEmpty())
            return QStringLiteral("import-csv needs FILE.csv and --output FILE.wh");
        request.file = words.first();
        return QString();
    }
    QString *Input(CliRunner::Request &request) const override { return &request.file; }
    QString *Output(CliRunner::Request &request) const override { return &request.output; }
    bool ReadsRadioBeforeSaving() const override { return false; }
    QString Suffix(const CliRunner::Request &, bool input) const override
    {
        return input ? QStringLiteral("csv") : QStringLiteral("wh");
    }
    int RunOn(CliRunner &runner, ToolWindows &windows, const CliRunner::Request &request) const override
    {
        // Through the window's own import, unseen. The summary goes to
        // standard error: standard output is for data.
        const ChirpImportSummary summary = windows.Form1->ImportCsvFile(request.file);
        CliErr() << summary.text() << Qt::endl;
        if (summary.rowsTaken == 0)
            return CliRunner::kFailed; // nothing taken: no channel file either
        if (request.strict && !summary.skipped.isEmpty()) {
            CliErr() << "lumora-cli: --strict: rows were skipped, so no channel file was written" << Qt::endl;
            return CliRunner::kFailed;
        }
        windows.Form1->SaveChannelFileAs(request.output);
        return runner.Failed() ? CliRunner::kFailed : 0;
    }
};

} // namespace

const CliCommand &ImportCsvCommandInstance()
{
    static const ImportCsvCommand command;
    return command;
}

} // namespace lumora
