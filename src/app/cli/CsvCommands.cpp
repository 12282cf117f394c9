// lumora-cli import-csv and export-csv: a CHIRP CSV channel list into a
// channel file and back, through the window's own import and export,
// unseen. Their summaries go to standard error: standard output is for data.

#include "app/cli/CliArgs.h"
#include "app/cli/CliCommand.h"
#include "app/ToolWindows.h"
#include "memory/ChirpCsv.h"
#include "ui/TForm1.h"

#include <QTextStream>

namespace lumora {

namespace {

// A file of one kind into a file of the other, no radio involved.
class CsvCommand : public CliCommand {
public:
    CsvCommand(const char *name, QStringList usage, const char *help, QStringList options, const char *from,
               const char *to)
        : CliCommand(name, std::move(usage), help, std::move(options)), from_(QString::fromLatin1(from)),
          to_(QString::fromLatin1(to))
    {
    }
    QString Take(const CliArgs &args, const QStringList &words, CliRunner::Request &request) const override
    {
        request.output = args.Value(QStringLiteral("output"));
        if (words.size() != 1 || request.output.isEmpty())
            return Cli::tr("%1 needs FILE.%2 and --output FILE.%3").arg(Name(), from_, to_);
        request.file = words.first();
        return QString();
    }
    QString *Input(CliRunner::Request &request) const override { return &request.file; }
    QString *Output(CliRunner::Request &request) const override { return &request.output; }
    QString Suffix(const CliRunner::Request &, bool input) const override { return input ? from_ : to_; }
    bool ReadsRadioBeforeSaving() const override { return false; }

private:
    QString from_, to_;
};

class ImportCsvCommand : public CsvCommand {
public:
    ImportCsvCommand()
        : CsvCommand("import-csv", {"  lumora-cli import-csv FILE.csv --output FILE.wh [--strict]"},
                     QT_TRANSLATE_NOOP("CliHelp", R"(  import-csv          make a channel file from a CHIRP CSV channel list;
                      the summary and every row not taken (with its line
                      and reason) go to standard error; status 0 when
                      every row was taken or skipped for a reason, 1 when
                      no row was taken
  --strict            import-csv: status 1, and no channel file, when any
                      row was skipped
)"),
                     {"strict"}, "csv", "wh")
    {
    }
    int RunOn(CliRunner &runner, ToolWindows &windows, const CliRunner::Request &request) const override
    {
        const ChirpImportSummary summary = windows.Form1->ImportCsvFile(request.file);
        CliErr() << summary.text() << Qt::endl;
        if (summary.rowsTaken == 0)
            return CliRunner::kFailed; // nothing taken: no channel file either
        if (request.strict && !summary.skipped.isEmpty()) {
            CliErr() << "lumora-cli: " << Cli::tr("--strict: rows were skipped, so no channel file was written") << Qt::endl;
            return CliRunner::kFailed;
        }
        windows.Form1->SaveChannelFileAs(request.output);
        return runner.Failed() ? CliRunner::kFailed : 0;
    }
};

class ExportCsvCommand : public CsvCommand {
public:
    ExportCsvCommand()
        : CsvCommand("export-csv", {"  lumora-cli export-csv FILE.wh --output FILE.csv"},
                     QT_TRANSLATE_NOOP("CliHelp", R"(  export-csv          write the channels of a channel file as CHIRP CSV;
                      the summary goes to standard error
)"),
                     {}, "wh", "csv")
    {
    }
    int RunOn(CliRunner &runner, ToolWindows &windows, const CliRunner::Request &request) const override
    {
        windows.Form1->OpenChannelFile(request.file);
        CliErr() << windows.Form1->ExportCsvFile(request.output).text() << Qt::endl;
        return runner.Failed() ? CliRunner::kFailed : 0;
    }
};

} // namespace

LUMORA_CLI_COMMAND(ImportCsvCommand)
LUMORA_CLI_COMMAND(ExportCsvCommand)

} // namespace lumora
