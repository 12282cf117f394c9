// CHIRP CSV channel lists, both ways.

#include "ChannelTestRows.h"

#include "memory/ChannelColumns.h"
#include "memory/ChirpCsv.h"
#include "memory/Errors.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace lumora;
using namespace lumora::test;

namespace {

const char *const kHeader21 = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
                              "DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,"
                              "RPT1CALL,RPT2CALL,DVCODE\n";
const char *const kHeader17 = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
                              "DtcsPolarity,Mode,TStep,Skip,Comment,URCALL,RPT1CALL,RPT2CALL\n";

// One 21-column row at a location, from its channel-relevant fields.
QByteArray row(int location, const char *freq, const char *duplex, const char *offset, const char *tone,
               const char *rTone = "88.5", const char *cTone = "88.5", const char *dtcs = "023",
               const char *polarity = "NN", const char *rxDtcs = "023", const char *cross = "Tone->Tone",
               const char *mode = "FM", const char *step = "5.00", const char *skip = "", const char *power = "High")
{
    return QStringLiteral("%1,,%2,%3,%4,%5,%6,%7,%8,%9,%10,%11,%12,%13,%14,%15,,,,,\n")
            .arg(location)
            .arg(freq, duplex, offset, tone, rTone, cTone, dtcs, polarity, rxDtcs)
            .arg(cross, mode, step, skip, power)
            .toUtf8();
}

// The fifteen fields of channel n after importing one row.
QStringList imported(const QByteArray &rows, int n = 1)
{
    TextTable t = freshChannelTable();
    ImportChirpCsv(kHeader21 + rows, t);
    return rowOf(t, n);
}

QString refusal(const QByteArray &csv)
{
    TextTable t = freshChannelTable();
    try {
        ImportChirpCsv(csv, t);
    } catch (const EFOpenError &e) {
        EXPECT_EQ(rowOf(t, 1), QStringList(15, QString())) << "half-imported";
        return e.text();
    }
    return QString();
}

} // namespace

TEST(ChirpCsv, DuplexGivesTheTransmitFrequency)
{
    EXPECT_EQ(imported(row(1, "146.520000", "", "0.600000", ""))[1], "146.52000");
    EXPECT_EQ(imported(row(1, "145.500000", "-", "0.600000", ""))[1], "144.90000");
    EXPECT_EQ(imported(row(1, "439.012500", "+", "5.000000", ""))[1], "444.01250");
    EXPECT_EQ(imported(row(1, "145.500000", "split", "435.000000", ""))[1], "435.00000");
    EXPECT_EQ(imported(row(1, "145.500000", "off", "0.000000", ""))[1], "");
    EXPECT_EQ(imported(row(1, "145.500000", "", "0", ""))[0], "145.50000");
}

TEST(ChirpCsv, ToneModesGiveEncoderAndDecoder)
{
    auto tones = [](const QByteArray &r) {
        const QStringList f = imported(r);
        return f[ColToneEnc - 1] + "/" + f[ColToneDec - 1]; // encoder / decoder
    };
    EXPECT_EQ(tones(row(1, "146.52", "", "0", "")), "NONE/NONE");
    EXPECT_EQ(tones(row(1, "146.52", "", "0", "Tone", "100.0", "67.0")), "100.0/NONE");
    EXPECT_EQ(tones(row(1, "146.52", "", "0", "TSQL", "100.0", "67.0")), "67.0/67.0");
    EXPECT_EQ(tones(row(1, "146.52", "", "0", "DTCS", "88.5", "88.5", "754", "RN")), "754I/754N");
    EXPECT_EQ(tones(row(1, "146.52", "", "0", "DTCS", "88.5", "88.5", "23", "NR")), "023N/023I");
    const std::pair<const char *, const char *> cross[] = {
        {"Tone->Tone", "100.0/67.0"}, {"Tone->DTCS", "100.0/411I"}, {"DTCS->Tone", "754N/67.0"},
        {"DTCS->DTCS", "754N/411I"}, {"DTCS->", "754N/NONE"},       {"->DTCS", "NONE/411I"},
        {"->Tone", "NONE/67.0"},      {"Tone->", "100.0/NONE"},
    };
    for (const auto &[mode, expected] : cross)
        EXPECT_EQ(tones(row(1, "146.52", "", "0", "Cross", "100.0", "67.0", "754", "NR", "411", mode)), expected)
                << mode;
}

TEST(ChirpCsv, ModeSkipPowerAndStep)
{
    const QStringList f = imported(row(1, "146.52", "", "0", "", "88.5", "88.5", "023", "NN", "023", "Tone->Tone",
                                       "NFM", "12.50", "S", "Low"));
    EXPECT_EQ(f[ColWideNarrow - 1], "NARROW");
    EXPECT_EQ(f[ColScanAdd - 1], "NONE");
    EXPECT_EQ(f[ColTxPower - 1], "LOW");
    EXPECT_EQ(f[ColStepFreq - 1], "12500");
    EXPECT_EQ(f.mid(ColDtmf1 - 1), NewChannelDefaults().mid(ColDtmf1)); // what CHIRP does not carry
    const QStringList g = imported(row(1, "146.52", "", "0", "", "88.5", "88.5", "023", "NN", "023", "Tone->Tone",
                                       "FM", "7.50", "", "L2"));
    EXPECT_EQ(g[ColStepFreq - 1], "25000");
    EXPECT_EQ(g[ColTxPower - 1], "LOW");
    EXPECT_EQ(g[ColScanAdd - 1], "YES");
    EXPECT_EQ(imported(row(1, "146.52", "", "0", "", "88.5", "88.5", "023", "NN", "023", "Tone->Tone", "FM",
                           "5.00", "", "Full"))[ColTxPower - 1],
              "HIGH");
}

TEST(ChirpCsv, RowsThatDoNotFitAreReportedByLocationNeverDropped)
{
    TextTable t = freshChannelTable();
    const ChirpImportSummary s = ImportChirpCsv(
            QByteArray(kHeader21) + row(2, "146.52", "", "0", "") + row(17, "146.55", "", "0", "")
                    + row(3, "146.52", "", "0", "", "88.5", "88.5", "023", "NN", "023", "Tone->Tone", "AM")
                    + row(4, "1296.0", "", "0", "") + row(5, "145.5", "+", "900", "") + row(2, "147.0", "", "0", ""),
            t);
    EXPECT_EQ(s.rowsTaken, 1);
    ASSERT_EQ(s.skipped.size(), 5);
    EXPECT_TRUE(s.skipped[0].startsWith("Location 17 (line 3): "));
    EXPECT_TRUE(s.skipped[1].contains("mode AM"));
    EXPECT_TRUE(s.skipped[2].startsWith("Location 4 (line 5): the frequency 1296.0"));
    EXPECT_TRUE(s.skipped[3].contains("transmit frequency"));
    EXPECT_TRUE(s.skipped[4].contains("already taken"));
    EXPECT_TRUE(s.text().startsWith("1 channel imported.\nNot imported:\nLocation 17"));
    EXPECT_EQ(t.cellText(ColRxFreq, 2), "146.52000");
}

TEST(ChirpCsv, LocationsFromZeroMoveUpByOneAndOlderHeadersRead)
{
    TextTable t = freshChannelTable();
    ImportChirpCsv(QByteArray(kHeader17) + "0,,146.520000,,0.000000,DTCS,88.5,88.5,023,NR,FM,5.00,,,,,\n"
                           "15,,145.500000,,0,Cross,100.0,88.5,754,NN,NFM,5.00,,,,,\n",
                   t);
    EXPECT_EQ(t.cellText(ColRxFreq, 1), "146.52000");
    EXPECT_EQ(t.cellText(ColToneDec, 1), "023I");
    EXPECT_EQ(t.cellText(ColToneEnc, 16), "100.0"); // Cross without CrossMode: Tone->Tone
    EXPECT_EQ(t.cellText(ColToneDec, 16), "88.5");
    EXPECT_EQ(t.cellText(ColTxPower, 16), "HIGH");
}

TEST(ChirpCsv, AMalformedFileIsRefusedByLineAndNothingChanges)
{
    EXPECT_EQ(refusal("Location,Name,Duplex\n1,,\n"), "The CSV file cannot be read: line 1: there is no Frequency column");
    EXPECT_EQ(refusal("# only a comment\n"), "The CSV file cannot be read: line 1: the file is empty");
    EXPECT_EQ(refusal(QByteArray(kHeader21) + row(1, "146.52", "", "0", "") + "2,\"unclosed,146.5\n"),
              "The CSV file cannot be read: line 3: a quoted field is not closed");
    EXPECT_EQ(refusal(""), "The CSV file cannot be read: line 1: the file is empty");
    // Numbers out of all proportion: a DCS code or tone skips its row, a
    // step is no step, a location is no channel.
    auto skipped = [](const QByteArray &r) {
        TextTable t = freshChannelTable();
        const ChirpImportSummary s = ImportChirpCsv(kHeader21 + r, t);
        return s.skipped.join('\n');
    };
    EXPECT_EQ(skipped(row(1, "146.52", "", "0", "DTCS", "88.5", "88.5", "25520000")),
              "Location 1 (line 2): DtcsCode \"25520000\" is not a DCS code");
    EXPECT_EQ(skipped(row(1, "146.52", "", "0", "Tone", "-88.5")),
              "Location 1 (line 2): rToneFreq \"-88.5\" is not a tone");
    EXPECT_EQ(imported(row(1, "146.52", "", "0", "", "88.5", "88.5", "023", "NN", "023", "Tone->Tone", "FM",
                           "25520000"))[ColStepFreq - 1],
              NewChannelDefaults()[ColStepFreq]);
    TextTable t = freshChannelTable();
    setRow(t, 3, simplexChannel());
    const ChirpImportSummary none = ImportChirpCsv(QByteArray(kHeader21) + row(40, "146.52", "", "0", ""), t);
    EXPECT_EQ(none.rowsTaken, 0);
    EXPECT_EQ(rowOf(t, 3), simplexChannel()); // other channels stay
}

TEST(ChirpCsv, QuotedFieldsAndExtraColumnsRead)
{
    TextTable t = freshChannelTable();
    ImportChirpCsv("Extra,Frequency,Location,Name\r\n\"a,\"\"b\"\"\",146.52,1,\"Repeater, north\"\r\n", t);
    EXPECT_EQ(t.cellText(ColRxFreq, 1), "146.52000");
}

TEST(ChirpCsv, AnExportedTableImportsAsTheSameTable)
{
    TextTable t = freshChannelTable();
    const QStringList defaults = NewChannelDefaults().mid(ColDtmf1);
    auto channel = [&](QStringList first) { return first + defaults; };
    setRow(t, 1, channel({"146.52000", "146.52000", "NONE", "NONE", "HIGH", "WIDE", "YES", "25000"}));
    setRow(t, 2, channel({"145.50000", "144.90000", "NONE", "88.5", "LOW", "NARROW", "NONE", "12500"}));
    setRow(t, 4, channel({"439.01250", "431.41250", "205I", "205N", "HIGH", "WIDE", "YES", "6250"}));
    setRow(t, 5, channel({"446.00625", "", "023N", "754I", "HIGH", "WIDE", "YES", "5000"}));
    setRow(t, 7, channel({"145.62500", "145.02500", "67.0", "67.0", "HIGH", "WIDE", "YES", "10000"}));
    setRow(t, 9, channel({"146.00000", "435.00000", "100.0", "023N", "HIGH", "WIDE", "YES", "25000"}));
    setRow(t, 16, channel({"147.00000", "147.60000", "71.9", "NONE", "HIGH", "WIDE", "YES", "25000"}));
    const QByteArray csv = ExportChirpCsv(t);
    EXPECT_TRUE(csv.startsWith(QByteArray(kHeader21).chopped(1) + "\r\n"));
    EXPECT_TRUE(csv.contains("\r\n5,,446.006250,off,0.000000,Cross,88.5,88.5,754,RN,023,DTCS->DTCS,FM,5.00,,5.0W,,,,,\r\n"))
            << csv.toStdString();
    EXPECT_TRUE(csv.contains("\r\n4,,439.012500,-,7.600000,DTCS,88.5,88.5,205,NR,205,"));
    TextTable back = freshChannelTable();
    EXPECT_EQ(ImportChirpCsv(csv, back).rowsTaken, 7);
    for (int n = 1; n <= 16; ++n)
        EXPECT_EQ(rowOf(back, n), rowOf(t, n)) << n;
}

TEST(ChirpCsv, ALocationBeyondAnyChannelIsReportedNotTaken)
{
    TextTable t = freshChannelTable();
    const ChirpImportSummary beyond =
            ImportChirpCsv(QByteArray(kHeader21) + row(1, "146.52", "", "0", "").replace("1,,146.52", "5.5e30,,146.52"), t);
    EXPECT_EQ(beyond.rowsTaken, 0);
    EXPECT_EQ(beyond.skipped.size(), 1);
    EXPECT_EQ(rowOf(t, 1), QStringList(15, QString()));
}

// Files as CHIRP writes them, and what CHIRP's reader takes of ours.
namespace {

QByteArray fixture(const char *name)
{
    QFile f(QStringLiteral(LUMORA_CHIRP_FIXTURES "/") + name);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name;
    return f.readAll();
}

} // namespace

TEST(ChirpInterop, CommentsWattsAndSplitComeInAsCHIRPMeansThem)
{
    TextTable t = freshChannelTable();
    const ChirpImportSummary s = ImportChirpCsv(fixture("watts-and-comments.csv"), t);
    EXPECT_EQ(s.text(), "6 channels imported.\nNames and comments are not imported: the radio has no place for them.");
    const QStringList power{"HIGH", "LOW", "LOW", "HIGH", "LOW", "HIGH"}; // 5.0W 0.5W 2.5W 2.6W 1.0W High
    for (int n = 1; n <= 6; ++n)
        EXPECT_EQ(t.cellText(ColTxPower, n), power[n - 1]) << n;
    EXPECT_EQ(rowOf(t, 5).mid(0, 4), QStringList({"145.80000", "435.00000", "411I", "023N"}));
    EXPECT_EQ(t.cellText(ColTxFreq, 6), ""); // off
    EXPECT_EQ(t.cellText(ColToneEnc, 3) + "/" + t.cellText(ColToneDec, 3), "123.0/123.0");

    TextTable older = freshChannelTable(); // one tone column serves both
    EXPECT_EQ(ImportChirpCsv(fixture("one-tone-column.csv"), older).rowsTaken, 2);
    EXPECT_EQ(older.cellText(ColToneEnc, 1) + "/" + older.cellText(ColToneDec, 1), "100.0/100.0");
    EXPECT_EQ(older.cellText(ColToneEnc, 2) + "/" + older.cellText(ColToneDec, 2), "107.2/107.2");
}

TEST(ChirpInterop, ABadRowIsSkippedWithItsLineAndWhatTheRadioLacksIsSaid)
{
    TextTable t = freshChannelTable();
    const ChirpImportSummary s = ImportChirpCsv(fixture("bad-rows-among-good.csv"), t);
    EXPECT_EQ(s.text(), "3 channels imported.\n"
                        "Not imported:\n"
                        "Location 2 (line 3): Frequency \"14x.500000\" is not a number\n"
                        "Location 3 (line 4): the DCS code 036 is not one the radio has\n"
                        "Line 6: Location \"x\" is not a number\n"
                        "Location 5 (line 7): the DCS code 523 is not one the radio has\n"
                        "Location 6 (line 8): mode DV is not FM or NFM\n"
                        "Imported with a change:\n"
                        "Location 1: the step 2.50 kHz is not one the radio has; it takes 25 kHz\n"
                        "Location 4: the step 8.33 kHz is not one the radio has; it takes 25 kHz");
    for (int n : {1, 4, 7})
        EXPECT_FALSE(t.cellText(ColRxFreq, n).isEmpty()) << n;
    for (int n : {2, 3, 5, 6})
        EXPECT_TRUE(t.cellText(ColRxFreq, n).isEmpty()) << n;
    EXPECT_EQ(t.cellText(ColStepFreq, 4), "25000");
}

TEST(ChirpInterop, ExportWritesWattsSplitAndSaysWhatCHIRPCannotTake)
{
    TextTable t = freshChannelTable();
    const QStringList defaults = NewChannelDefaults().mid(ColDtmf1);
    setRow(t, 1, QStringList{"145.80000", "435.00000", "NONE", "NONE", "LOW", "WIDE", "YES", "25000"} + defaults);
    setRow(t, 2, QStringList{"145.50000", "144.90000", "NONE", "62.5", "HIGH", "WIDE", "YES", "25000"} + defaults);
    ChirpExportSummary said;
    const QByteArray csv = ExportChirpCsv(t, &said);
    EXPECT_TRUE(csv.contains("\r\n1,,145.800000,split,435.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,25.00,,1.0W,"));
    EXPECT_TRUE(csv.contains("\r\n2,,145.500000,-,0.600000,Tone,62.5,88.5,023,NN,023,Tone->Tone,FM,25.00,,5.0W,"));
    EXPECT_EQ(said.text(), "2 channels exported.\nChannel 2: CHIRP has no 62.5 Hz tone and will not load the row.");
    TextTable back = freshChannelTable(); // and back unchanged
    EXPECT_EQ(ImportChirpCsv(csv, back).rowsTaken, 2);
    for (int n = 1; n <= 2; ++n)
        EXPECT_EQ(rowOf(back, n), rowOf(t, n)) << n;
}
