// lumora-cli print: the channel card of a full table and of a backup, and
// a fleet run's roster, read back from the PDF as text. Every value of
// every row is on the page, each row whole on one page.

#include "support/CliRuns.h"
#include "support/VirtualRadio.h"

#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextDocumentFragment>

using namespace lumora::test;

namespace {

using Rows = QVector<QStringList>;

class Print : public ::testing::Test {
protected:
    QString path(const QString &name) const { return dir.filePath(name); }

    // The pages of a PDF as pdftotext lays them out.
    QStringList pagesOf(const QString &pdf) const
    {
        const CliRun r = runAs(QStandardPaths::findExecutable("pdftotext"), {"-layout", pdf, "-"});
        EXPECT_EQ(r.status, 0) << "pdftotext (poppler-utils) is needed: " << r.err.toStdString();
        // Headings may set "fi" as one glyph: read as the letters it stands for.
        QStringList pages = r.out.normalized(QString::NormalizationForm_KC).split('\f');
        if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
            pages.removeLast();
        return pages;
    }
    // The table rows of the HTML made beside the PDF: the values to find.
    static Rows rowsOf(const QString &html)
    {
        Rows rows;
        static const QRegularExpression tr("<tr>(.*?)</tr>"), td("<td>(.*?)</td>");
        for (auto row = tr.globalMatch(html); row.hasNext();) {
            QStringList cells;
            for (auto cell = td.globalMatch(row.next().captured(1)); cell.hasNext();) {
                const QString text = QTextDocumentFragment::fromHtml(cell.next().captured(1)).toPlainText().trimmed();
                if (!text.isEmpty())
                    cells << text;
            }
            if (!cells.isEmpty())
                rows << cells;
        }
        return rows;
    }
    // Both forms printed; every row's values in order on one line of one page.
    QStringList expectWholeRows(const QString &input, int atLeast)
    {
        EXPECT_EQ(cli({"print", input, "-o", path("out.html")}).status, 0);
        const CliRun r = cli({"print", input, "-o", path("out.pdf"), "--page", "Letter"});
        EXPECT_EQ(r.status, 0) << r.err.toStdString();
        QFile html(path("out.html"));
        EXPECT_TRUE(html.open(QIODevice::ReadOnly));
        const Rows rows = rowsOf(QString::fromUtf8(html.readAll()));
        EXPECT_GE(rows.size(), atLeast);
        const QStringList pages = pagesOf(path("out.pdf"));
        for (const QStringList &row : rows) {
            QStringList parts;
            for (const QString &cell : row)
                parts << QRegularExpression::escape(cell);
            const QRegularExpression line("(^|\\s)" + parts.join("\\s+.*") + "(\\s|$)", QRegularExpression::MultilineOption);
            EXPECT_TRUE(std::any_of(pages.begin(), pages.end(), [&](const QString &p) { return p.contains(line); }))
                    << "not whole on a page: " << row.join(" | ").toStdString();
        }
        return pages;
    }
    QTemporaryDir dir;
};

} // namespace

TEST_F(Print, TheCardOfAFullTableAndOfABackup)
{
    // Sixteen channels: CTCSS and DCS tones, shifts, each its own frequency.
    const QStringList tones = {"67.0", "88.5", "100.0", "123.0", "151.4", "203.5", "250.3", "254.1"};
    const QStringList codes = {"023", "114", "245", "411", "532", "627", "732", "754"};
    QString csv = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,Mode,TStep,Power\n";
    for (int n = 1; n <= 16; ++n)
        csv += n % 2 ? QString("%1,,%2,-,0.600000,TSQL,88.5,%3,023,NN,FM,12.50,5.0W\n").arg(n).arg(144.0 + n * 0.125, 0, 'f', 6).arg(tones[n / 2])
                     : QString("%1,,%2,,0,DTCS,88.5,88.5,%3,NN,NFM,25.00,1.0W\n").arg(n).arg(430.0 + n * 0.25, 0, 'f', 6).arg(codes[n / 2 - 1]);
    QFile f(path("club.csv"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(csv.toUtf8());
    f.close();
    ASSERT_EQ(cli({"import-csv", path("club.csv"), "-o", path("club.wh")}).status, 0);

    QString text = expectWholeRows(path("club.wh"), 16 + 3).join('\n');
    for (int n = 1; n <= 16; ++n)
        EXPECT_TRUE(text.contains(n % 2 ? QString::number(144.0 + n * 0.125, 'f', 5) : QString::number(430.0 + n * 0.25, 'f', 5)));
    for (const QString &tone : tones.mid(0, 8))
        EXPECT_TRUE(text.contains(tone) || tone == tones[0]) << tone.toStdString();
    for (const QString &code : codes)
        EXPECT_TRUE(text.contains(code + "N")) << code.toStdString();
    EXPECT_TRUE(text.contains("club.wh"));
    EXPECT_TRUE(text.contains("Channels in use: 16"));

    // Through a radio and its backup: the identity and the areas come too.
    VirtualRadio radio({"--memory", path("radio.json")});
    ASSERT_EQ(cli({"write", "-p", radio.device(), path("club.wh")}).status, 0);
    ASSERT_EQ(cli({"backup", "-p", radio.device(), "-o", path("radio-backup.json")}).status, 0);
    text = expectWholeRows(path("radio-backup.json"), 16 + 3).join('\n');
    EXPECT_TRUE(text.contains(QRegularExpression("Radio: Fleet \\d+, ID \\d+"))) << text.toStdString();
    for (const char *area : {"DTMF:", "2TONE:", "5TONE:", "FleetSync:"})
        EXPECT_TRUE(text.contains(area)) << area;
    EXPECT_TRUE(text.contains(QString::number(144.125, 'f', 5)));

    EXPECT_EQ(cli({"print", path("club.wh"), "-o", path("x.pdf"), "--page", "B5"}).status, 2);
    EXPECT_NE(cli({"print", path("missing.wh"), "-o", path("x.pdf")}).status, 0);
    EXPECT_FALSE(QFile::exists(path("x.pdf")));
}

TEST_F(Print, TheRosterOfAFleetLogOverSeveralPages)
{
    QString log = "Time,Port,Radio,Fleet,ID,DTMF ID,Result,Differences\n";
    for (int n = 1; n <= 90; ++n)
        log += QString("2026-12-11T09:%1:00Z,/dev/ttyUSB0,%2,100,%3,%4,%5,\n")
                       .arg(n % 60, 2, 10, QChar('0')).arg(n).arg(500 + n).arg(7000 + n)
                       .arg(n % 9 ? "ok" : "\"the radio went quiet, nothing written\"");
    QFile f(path("fleet.csv"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(log.toUtf8());
    f.close();
    const QStringList pages = expectWholeRows(path("fleet.csv"), 90);
    EXPECT_GE(pages.size(), 2);
    for (const QString &page : pages) // the heading row on every page
        EXPECT_TRUE(page.contains(QRegularExpression("Radio\\s+Fleet\\s+ID\\s+DTMF ID\\s+Result"))) << page.toStdString();
    EXPECT_TRUE(pages.join('\n').contains("90 radios, 80 programmed and verified"));
}
