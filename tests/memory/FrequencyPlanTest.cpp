#include "memory/ChannelColumns.h"
#include "memory/Errors.h"
#include "memory/FrequencyPlan.h"
#include "memory/TextTable.h"

#include <gtest/gtest.h>

using namespace lumora;

namespace {

const FrequencyPlan &builtIn(const char *id)
{
    const FrequencyPlan *plan = FindBuiltInPlan(QLatin1String(id));
    EXPECT_NE(plan, nullptr) << id;
    return *plan;
}

// Which of the channel's cells the plan marks: "F" TX Freq, "P" power, "W" W/N.
QString marked(const FrequencyPlan &plan, const char *tx, const char *power = "LOW", const char *wn = "NARROW")
{
    const PlanMarks m = JudgeChannelByPlan(plan, QLatin1String(tx), QLatin1String(power), QLatin1String(wn));
    return QString(m.txFreq.isEmpty() ? "" : "F") + (m.txPower.isEmpty() ? "" : "P") + (m.wideNarrow.isEmpty() ? "" : "W");
}

QString refusal(const char *text, bool json)
{
    try {
        ParseFrequencyPlan(QByteArray(text), json, QStringLiteral("/home/op/licence.csv"));
    } catch (const ELumoraError &e) {
        return e.text();
    }
    return QStringLiteral("taken");
}

} // namespace

TEST(FrequencyPlan, BuiltInPlansMarkOutsideAndAtTheirEdges)
{
    struct Case { const char *plan, *tx; const char *expected; };
    const Case cases[] = {
            {"iaru-r1", "144.00000", ""},   {"iaru-r1", "146.00000", ""}, {"iaru-r1", "146.00001", "F"},
            {"iaru-r1", "143.99999", "F"},  {"iaru-r1", "439.99", ""},    {"iaru-r1", "147.00000", "F"},
            {"iaru-r2", "147.00000", ""},   {"iaru-r2", "449.975", ""},   {"iaru-r2", "450.00001", "F"},
            {"iaru-r3", "147.00000", ""},   {"iaru-r3", "445.00000", "F"}, {"us-amateur", "223.5", ""},
            {"us-amateur", "156.80000", "F"}, {"pmr446", "446.00625", ""}, {"pmr446", "446.19375", ""},
            {"pmr446", "446.00000", "F"},   {"pmr446", "446.2", "F"},     {"frs-gmrs", "462.5625", ""},
            {"frs-gmrs", "467.6375", ""},   {"frs-gmrs", "462.7375", "F"}, {"marine", "156.80000", "F"},
            {"marine", "156.00000", "F"},   {"marine", "162.02500", "F"}, {"marine", "162.55", ""},
            {"marine", "146.52", ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(marked(builtIn(c.plan), c.tx), QLatin1String(c.expected)) << c.plan << " " << c.tx;
    // Channelised plans: narrow and low power only, on each channel; a
    // channel that transmits on nothing is never marked.
    EXPECT_EQ(marked(builtIn("pmr446"), "446.00625", "HIGH", "WIDE"), "PW");
    EXPECT_EQ(marked(builtIn("frs-gmrs"), "467.5625", "HIGH", "NARROW"), "P");
    EXPECT_EQ(marked(builtIn("frs-gmrs"), "462.5625", "HIGH", "WIDE"), ""); // GMRS allows it
    EXPECT_EQ(marked(builtIn("iaru-r1"), "", "HIGH", "WIDE"), "");
    EXPECT_EQ(marked(FrequencyPlan(), "999.99999", "HIGH", "WIDE"), "");
    // The marks say why.
    const PlanMarks m = JudgeChannelByPlan(builtIn("marine"), "156.8", "HIGH", "WIDE");
    EXPECT_EQ(m.txFreq, "TX Freq 156.80000 MHz is in the marine VHF band, not for this radio "
                        "(plan \"Marine VHF (not for this radio)\")");
    EXPECT_EQ(JudgeChannelByPlan(builtIn("iaru-r1"), "147", "LOW", "WIDE").txFreq,
              "TX Freq 147.00000 MHz is outside the plan \"IARU Region 1 amateur\", which allows 144.00000 to "
              "146.00000 MHz, 430.00000 to 440.00000 MHz");
}

TEST(FrequencyPlan, TableRowsInUseAreListedByChannel)
{
    TextTable table(kChannelColumns, kChannelRows);
    auto channel = [&](int row, const char *rx, const char *tx, const char *power) {
        table.setCellText(ColRxFreq, row, rx);
        table.setCellText(ColTxFreq, row, tx);
        table.setCellText(ColTxPower, row, power);
        table.setCellText(ColWideNarrow, row, "NARROW");
    };
    channel(1, "446.00625", "446.00625", "LOW");
    channel(2, "446.01875", "446.01875", "HIGH");
    channel(3, "", "446.5", "LOW"); // no RX Freq: no channel
    channel(4, "162.55", "", "HIGH"); // receive only
    const QStringList lines = ChannelsOutsidePlan(builtIn("pmr446"), table);
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines[0].startsWith("Channel 2: TX Power HIGH is more than the plan \"PMR446\" allows")) << lines[0].toStdString();
    EXPECT_EQ(JudgeTableRow(builtIn("pmr446"), table, 2).OfColumn(ColTxPower).isEmpty(), false);
    EXPECT_TRUE(JudgeTableRow(builtIn("pmr446"), table, 2).OfColumn(ColRxFreq).isEmpty());
}

TEST(FrequencyPlan, PlanFilesOfALicence)
{
    const FrequencyPlan csv = ParseFrequencyPlan("# my licence\n"
                                                 "from,to,bandwidth,power,use,note\n"
                                                 "151.625,,12.5,LOW,,simplex\n"
                                                 "\n"
                                                 "450,451,,,,\"repeaters, east\"\n"
                                                 "450.5,450.6,,,forbidden,\"not ours\"\n",
                                                 false, "/home/op/licence.csv");
    EXPECT_EQ(csv.name, "licence");
    EXPECT_EQ(csv.id, "/home/op/licence.csv");
    ASSERT_EQ(csv.ranges.size(), 3u);
    EXPECT_EQ(marked(csv, "151.625", "LOW", "NARROW"), "");
    EXPECT_EQ(marked(csv, "151.625", "HIGH", "WIDE"), "PW");
    EXPECT_EQ(marked(csv, "151.63", "LOW", "NARROW"), "F");
    EXPECT_EQ(marked(csv, "450.55", "LOW", "NARROW"), "F"); // forbidden inside an allowed range
    EXPECT_EQ(marked(csv, "450.7", "HIGH", "WIDE"), "");
    EXPECT_EQ(csv.ranges[1].note, "repeaters, east");

    const FrequencyPlan json = ParseFrequencyPlan(R"({
  "name": "Club licence",
  "ranges": [
    {"from": 151.625, "bandwidth": "NARROW", "power": "LOW"},
    {"from": "450", "to": "451", "note": "repeaters"}
  ]
})",
                                                  true, "club.json");
    EXPECT_EQ(json.name, "Club licence");
    ASSERT_EQ(json.ranges.size(), 2u);
    EXPECT_EQ(marked(json, "151.625", "HIGH", "NARROW"), "P");
    EXPECT_EQ(marked(json, "450.5", "HIGH", "WIDE"), "");
}

TEST(FrequencyPlan, FaultyPlanFilesAreRefusedWithTheirLine)
{
    const QString prefix = "The frequency plan \"licence.csv\" cannot be used: ";
    EXPECT_EQ(refusal("from,to\n146,145\n", false), prefix + "line 2: the range 146 to 145 MHz ends below its start");
    EXPECT_EQ(refusal("from,to\n\n146,abc\n", false),
              prefix + "line 3: to \"abc\" is not a frequency in MHz with up to five decimals");
    EXPECT_EQ(refusal("# x\nfrom,tx\n", false),
              prefix + "line 2: unknown column \"tx\"; the columns are from, to, bandwidth, power, use, note");
    EXPECT_EQ(refusal("from,bandwidth\n146,20\n", false),
              prefix + "line 2: bandwidth \"20\" is none of NARROW (12.5), WIDE (25) or empty");
    EXPECT_EQ(refusal("from\n146.123456\n", false),
              prefix + "line 2: from \"146.123456\" is not a frequency in MHz with up to five decimals");
    EXPECT_EQ(refusal("from,power\n146,5W\n", false), prefix + "line 2: power \"5W\" is none of LOW, HIGH or empty");
    EXPECT_EQ(refusal("from\n", false), prefix + "line 1: no frequency or range");
    EXPECT_EQ(refusal("to\n146\n", false), prefix + "line 1: no column \"from\"");
    EXPECT_EQ(refusal("{\n \"ranges\": [\n  {\"from\": 146},\n  {\"from\": 147,\n   \"pwr\": \"LOW\"}\n ]\n}", true),
              prefix + "line 4: unknown key \"pwr\"; a range has from, to, bandwidth, power, use, note");
    EXPECT_EQ(refusal("{\n \"title\": \"x\",\n \"ranges\": []\n}", true),
              prefix + "line 2: unknown key \"title\"; a plan has name and ranges");
    EXPECT_EQ(refusal("{\n \"ranges\": [\n  {\"from\": 0}\n ]\n}", true),
              prefix + "line 3: from \"0.00000\" is not a frequency in MHz with up to five decimals");
    EXPECT_TRUE(refusal("{\n \"ranges\": [\n", true).startsWith(prefix + "line 3: no JSON"));
}
