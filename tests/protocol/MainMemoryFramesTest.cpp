#include "memory/ChannelColumns.h"
#include "memory/Errors.h"
#include "memory/TextTable.h"
#include "protocol/Crc16.h"
#include "protocol/MainMemoryFrames.h"

#include <gtest/gtest.h>

using namespace lumora;

namespace {

TextTable table()
{
    TextTable t(kChannelColumns, kChannelRows);
    FillChannelLabels(t);
    const QStringList row = {"146.52000", "", "NONE", "67.0", "HIGH", "WIDE", "YES", "25000",
                             "NONE", "NONE", "NONE", "NONE", "DTMF", "1", "NONE"};
    for (int c = 0; c < row.size(); ++c)
        t.setCellText(c + 1, 16, row[c]);
    return t;
}

} // namespace

TEST(MainMemoryFrames, ChannelFrameKeepsTheBuffersTailAndEndsIn0xFF)
{
    const TextTable t = table();
    FrameBuffer tx{};
    tx[28] = 0x11;
    tx[29] = 0x22;
    tx[30] = 0x33;
    EXPECT_EQ(BuildChannelFrame(tx, t, 16), 34);
    EXPECT_EQ(tx[0], 0x57);
    EXPECT_EQ(tx[2], 16);
    EXPECT_EQ(tx[28], 0x11);
    EXPECT_EQ(tx[30], 0x33);
    EXPECT_EQ(tx[31], 0xFF);
    EXPECT_TRUE(FrameCrcMatches(tx.data()));
    // The settings frame that follows repeats offsets 20 to 31 of channel 16.
    FrameBuffer before = tx;
    BuildSettingsFrame(tx, DefaultOptionTexts());
    for (int i = 20; i < 32; ++i)
        EXPECT_EQ(tx[i], before[i]) << i;
    EXPECT_EQ(tx[1], 5);
    EXPECT_TRUE(FrameCrcMatches(tx.data()));
}

TEST(MainMemoryFrames, TheCheckRefusesATableThatCannotBeWrittenWhole)
{
    TextTable t = table();
    EXPECT_NO_THROW(CheckMainWrite(FrameBuffer{}, t, DefaultOptionTexts()));
    t.setCellText(ColStepFreq, 16, "fast");
    try {
        CheckMainWrite(FrameBuffer{}, t, DefaultOptionTexts());
        FAIL();
    } catch (const EConvertError &e) {
        EXPECT_EQ(e.text(), "'fast' is not a valid integer value");
    }
    t = table();
    OptionTexts o = DefaultOptionTexts();
    o[OptTot] = "300";
    EXPECT_THROW(CheckMainWrite(FrameBuffer{}, t, o), ERangeError);
}
