#include "ChannelTestRows.h"

#include "memory/ChannelCellRules.h"

#include <gtest/gtest.h>

using namespace lumora;
using namespace lumora::test;

namespace {

// Types `text` into a cell and commits it, as the grid does.
void commit(ICellTable &t, int col, int row, const QString &text)
{
    t.setCellText(col, row, text);
    ApplyChannelCellRules(t, col, row);
}

const QStringList kEmptyRow(15, QString());

} // namespace

TEST(ChannelCellRules, AFrequencyInAnEmptyRowMakesANewChannel)
{
    TextTable t = freshChannelTable();
    commit(t, ColRxFreq, 3, "146.52");
    EXPECT_EQ(rowOf(t, 3), QStringList({"146.52000", "146.52000", "NONE", "NONE", "HIGH", "WIDE",
                                        "YES", "25000", "NONE", "NONE", "NONE", "NONE", "DTMF", "1",
                                        "NONE"}));
    EXPECT_EQ(t.cellText(ColChannelNo, 3), "3");
}

TEST(ChannelCellRules, AnInvalidFrequencyLeavesOrMakesTheRowEmpty)
{
    TextTable t = freshChannelTable();
    for (const char *bad : {"1000", "0", "1.2.3", ""}) {
        commit(t, ColRxFreq, 2, bad);
        EXPECT_EQ(rowOf(t, 2), kEmptyRow) << bad;
    }
    setRow(t, 4, simplexChannel());
    commit(t, ColRxFreq, 4, "");
    EXPECT_EQ(rowOf(t, 4), kEmptyRow) << "emptying RX Freq empties the channel";
    setRow(t, 4, simplexChannel());
    commit(t, ColRxFreq, 4, "2000");
    EXPECT_EQ(rowOf(t, 4), kEmptyRow);
}

TEST(ChannelCellRules, OtherCellsOfAnEmptyRowAreUndone)
{
    TextTable t = freshChannelTable();
    commit(t, ColTxFreq, 5, "146.52");
    EXPECT_EQ(rowOf(t, 5), kEmptyRow);
    commit(t, ColToneDec, 5, "67");
    EXPECT_EQ(rowOf(t, 5), kEmptyRow);
    commit(t, ColTxPower, 5, "LOW");
    EXPECT_EQ(rowOf(t, 5), kEmptyRow);
}

TEST(ChannelCellRules, ChangingAChannelKeepsItsOtherFields)
{
    TextTable t = freshChannelTable();
    QStringList row = simplexChannel();
    row[1] = "146.52000";
    setRow(t, 1, row);
    commit(t, ColRxFreq, 1, "145.5");
    row[0] = "145.50000";
    EXPECT_EQ(rowOf(t, 1), row);
    commit(t, ColTxFreq, 1, "145.6");
    row[1] = "145.60000";
    EXPECT_EQ(rowOf(t, 1), row);
    commit(t, ColTxFreq, 1, "1000"); // an invalid TX Freq is emptied alone
    row[1] = "";
    EXPECT_EQ(rowOf(t, 1), row);
}

TEST(ChannelCellRules, TonesBecomeCanonical)
{
    TextTable t = freshChannelTable();
    setRow(t, 6, simplexChannel());
    const std::pair<const char *, const char *> typed[] = {
        {"67", "67.0"}, {"023N", "023N"}, {"23N", "023N"}, {"1.2.3", "023N"}, {"", "NONE"}, {"7I", "007I"}};
    for (const auto &p : typed) {
        commit(t, ColToneEnc, 6, p.first);
        EXPECT_EQ(t.cellText(ColToneEnc, 6), p.second) << p.first;
        EXPECT_EQ(t.cellText(ColToneDec, 6), "NONE");
    }
}

TEST(ChannelCellRules, ABlankFromAChannelFileCountsAsEmpty)
{
    TextTable t = freshChannelTable();
    setRow(t, 7, QStringList(15, " "));
    commit(t, ColRxFreq, 7, "446.1");
    // The tone cells hold blanks, not nothing: the row is no new channel,
    // and the blanks stay.
    EXPECT_EQ(t.cellText(ColRxFreq, 7), "446.10000");
    EXPECT_EQ(t.cellText(ColTxFreq, 7), " ");
    EXPECT_EQ(t.cellText(ColToneDec, 7), " ");
    setRow(t, 8, QStringList(15, " "));
    commit(t, ColTxPower, 8, "LOW");
    EXPECT_EQ(rowOf(t, 8), kEmptyRow);
}
