// lumora-cli print: the channel card of a channel file or a backup, or the
// roster of a fleet run's log, as PDF or HTML, with no display.

#include "app/cli/CliArgs.h"
#include "app/cli/CliCommand.h"
#include "app/ToolWindows.h"
#include "backup/ChannelCard.h"
#include "memory/WholeFile.h"
#include "ui/DocumentPrinter.h"

#include <QFileInfo>
#include <QTextStream>

namespace lumora {

namespace {

QString suffixOf(const QString &file) { return QFileInfo(file).suffix().toLower(); }

bool isHtml(const QString &file) { return suffixOf(file) == QLatin1String("html") || suffixOf(file) == QLatin1String("htm"); }

class PrintCommand : public CliCommand {
public:
    PrintCommand()
        : CliCommand("print",
                     {"  lumora-cli print FILE.wh|BACKUP.json --output CARD.pdf|CARD.html [--page A4|Letter]",
                      "  lumora-cli print FLEET-LOG.csv --output ROSTER.pdf|ROSTER.html [--page A4|Letter]"},
                     QT_TRANSLATE_NOOP("CliHelp", R"(  print               the channel card of a channel file or a backup (every
                      channel in use with all its fields, the options, and
                      for a backup the radio's identity and signalling
                      areas), or the roster of a fleet run's log (one row
                      a radio: number, identity, result, time); a PDF, or
                      HTML where --output ends in .html
  --page A4|Letter    print: the paper (default: Letter where the system's
                      locale measures in US units, else A4)
)"),
                     {"page"})
    {
    }
    QString Take(const CliArgs &args, const QStringList &words, CliRunner::Request &request) const override
    {
        request.output = args.Value(QStringLiteral("output"));
        request.page = args.Value(QStringLiteral("page"));
        if (words.size() != 1 || request.output.isEmpty())
            return Cli::tr("print needs FILE.wh, BACKUP.json or FLEET-LOG.csv and --output FILE.pdf");
        if (!request.page.isEmpty() && request.page.compare(QLatin1String("A4"), Qt::CaseInsensitive) != 0
            && request.page.compare(QLatin1String("Letter"), Qt::CaseInsensitive) != 0)
            return QStringLiteral("--page takes A4 or Letter, not \"%1\"").arg(request.page);
        request.file = words.first();
        return QString();
    }
    QString *Input(CliRunner::Request &request) const override { return &request.file; }
    QString *Output(CliRunner::Request &request) const override { return &request.output; }
    QString Suffix(const CliRunner::Request &request, bool input) const override
    {
        if (input)
            return suffixOf(request.file).isEmpty() ? QStringLiteral("wh") : suffixOf(request.file);
        return isHtml(request.output) ? QStringLiteral("html") : QStringLiteral("pdf");
    }
    bool ReadsRadioBeforeSaving() const override { return false; }
    int RunOn(CliRunner &, ToolWindows &windows, const CliRunner::Request &request) const override
    {
        const QString kind = suffixOf(request.file);
        QString html;
        bool landscape = true; // the card's sixteen columns; the roster is upright
        if (kind == QLatin1String("csv")) {
            html = FleetRosterHtml(FleetLog::ReadRows(request.file), QFileInfo(request.file).fileName(),
                                   QDateTime::currentDateTime());
            landscape = false;
        } else if (kind == QLatin1String("json")) {
            html = ChannelCardHtml(windows.CardOfBackup(request.file));
        } else {
            windows.Form1->OpenChannelFile(request.file);
            html = ChannelCardHtml(windows.Card());
        }
        if (isHtml(request.output)) {
            SaveWholeFile(request.output, html.toUtf8());
        } else {
            const QPageSize size = request.page.isEmpty() ? DefaultPageSize()
                                   : request.page.compare(QLatin1String("Letter"), Qt::CaseInsensitive) == 0
                                           ? QPageSize(QPageSize::Letter)
                                           : QPageSize(QPageSize::A4);
            SaveDocumentPdf(html, request.output, landscape, size);
        }
        return 0;
    }
};

} // namespace

LUMORA_CLI_COMMAND(PrintCommand)

} // namespace lumora
