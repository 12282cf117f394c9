#include "memory/ChannelColumns.h"
#include "memory/Errors.h"
#include "memory/MemoryComparison.h"
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

// A verify compares the bytes a write assigns, and shows what the texts hide.
TEST(MainMemoryFrames, AComparisonOfBytesNamesWhatTheTextsHide)
{
    const TextTable t = table();
    const std::vector<AssignedBlock> written = MainWriteBlocks(t, DefaultOptionTexts());
    ASSERT_EQ(written.size(), size_t(kMainBlockCount));
    // Bytes the buffer's tail gives (28 to 30), and the closing 0xFF, are not
    // the write's; an empty channel's are all zero.
    EXPECT_FALSE(written[15].assigned[28 - 4]);
    EXPECT_FALSE(written[15].assigned[31 - 4]);
    EXPECT_TRUE(written[0].assigned[28 - 4]);
    EXPECT_FALSE(written[16].assigned[20 - 4]);

    std::vector<Payload> read;
    for (const AssignedBlock &b : written)
        read.push_back(b.bytes);
    read[15][28 - 4] = 0x5A; // not assigned: no difference
    read[15][31 - 4] = 0x00;
    EXPECT_TRUE(CompareMainMemoryBytes(written, read).isEmpty());

    read[15][0] ^= 0x01;       // RX Freq 1 Hz off: the texts look the same
    read[15][12 - 4] = 0x40;   // the decode tone
    read[16][15 - 4] = 30;     // TOT
    read[16][7 - 4] = 0x01;    // an assigned byte of no option
    EXPECT_EQ(CompareMainMemoryBytes(written, read).join("\n").toStdString(),
              QStringList({"Channel 16, RX Freq: written 146.52000 (146520000 Hz), read 146.52000 (146520001 Hz)",
                           "Channel 16, QT/DQT Dec: written NONE (word 0xffff), read (empty) (word 0xff40)",
                           "Option TOT: written 60, read 30",
                           "Options, byte 7: written 0x00, read 0x01"}).join("\n").toStdString());
}
