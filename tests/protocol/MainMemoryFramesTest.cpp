#include "memory/ChannelColumns.h"
#include "memory/Errors.h"
#include "memory/MemoryComparison.h"
#include "memory/TextTable.h"
#include "protocol/Crc16.h"
#include "protocol/MainMemoryFrames.h"
#include "protocol/ReadBack.h"

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
    EXPECT_NO_THROW(MainWriteImage(FrameBuffer{}, t, DefaultOptionTexts()));
    t.setCellText(ColStepFreq, 16, "fast");
    try {
        MainWriteImage(FrameBuffer{}, t, DefaultOptionTexts());
        FAIL();
    } catch (const EConvertError &e) {
        EXPECT_EQ(e.text(), "'fast' is not a valid integer value");
    }
    t = table();
    OptionTexts o = DefaultOptionTexts();
    o[OptTot] = "300";
    EXPECT_THROW(MainWriteImage(FrameBuffer{}, t, o), ERangeError);
}

// The image of a write is every byte it sends: what a kept channel gives
// the buffer reaches the frames after it; a comparison names every byte.
TEST(MainMemoryFrames, TheWritesImageIsEveryByteItSendsAndAComparisonNamesThemAll)
{
    TextTable t = table();
    for (int c = 1; c < kChannelColumns; ++c)
        t.setCellText(c, 3, t.cellText(c, 16));
    t.setCellText(ColRxFreq, 3, "145.00000");
    FrameBuffer tx{};
    tx[29] = 0x44; // left by an earlier frame
    std::vector<Payload> image = MainWriteImage(tx, t, DefaultOptionTexts());
    ASSERT_EQ(image.size(), size_t(kMainBlockCount));
    EXPECT_EQ(image[0][25], 0x00) << "an empty channel clears its tail";
    EXPECT_EQ(image[0][27], 0xFF);
    EXPECT_EQ(image[2][25], 0x00);
    for (int i = 16; i < 28; ++i) // the options repeat channel 16's tail
        EXPECT_EQ(image[16][static_cast<size_t>(i)], image[15][static_cast<size_t>(i)]) << i;

    // The radio's channel 2 kept while its texts are unchanged: its tail
    // goes out in the frame of channel 3, which has changed.
    std::vector<Payload> radio = image;
    radio[1][24] = 0x11;
    radio[1][25] = 0x22;
    MainBaseline baseline = MainBaselineOf(radio);
    TextTable shown(kChannelColumns, kChannelRows);
    CopyCells(baseline.channels, shown);
    shown.setCellText(ColTxFreq, 3, "145.60000");
    image = MainWriteImage(FrameBuffer{}, shown, baseline.options, &baseline);
    EXPECT_EQ(image[1], radio[1]);
    EXPECT_EQ(image[2][24], 0x11);
    EXPECT_EQ(image[2][25], 0x22);
    EXPECT_EQ(MainValuesNotWrittenBack(baseline),
              QStringList({"Channel 2, byte d24: a write of the table sends 0x00, the radio holds 0x11",
                           "Channel 2, byte d25: a write of the table sends 0x00, the radio holds 0x22"}));

    std::vector<Payload> read = image;
    read[2][24] = 0x00;       // a tail byte: no field shows it
    read[15][0] ^= 0x01;      // RX Freq 1 Hz off: the texts look the same
    read[15][12 - 4] = 0x40;  // the decode tone
    read[16][15 - 4] = 30;    // TOT
    read[16][27] = 0x00;      // the options' last byte
    EXPECT_EQ(CompareMainMemoryBytes(image, read).join("\n").toStdString(),
              QStringList({"Channel 3, byte d24: written 0x11, read 0x00",
                           "Channel 16, RX Freq: written 146.52000 (146520000 Hz), read 146.52000 (146520001 Hz)",
                           "Channel 16, QT/DQT Dec: written NONE (word 0xffff), read (empty) (word 0xff40)",
                           "Option TOT: written 60, read 30",
                           "Options, byte d27: written 0xff, read 0x00"}).join("\n").toStdString());

    // A read-back names every block the radio holds otherwise, a tail byte
    // no field shows included; a block the read did not bring differs too.
    ReadBack back;
    back.Start(image, "why");
    EXPECT_EQ(back.BlocksNotAsSent(read), QStringList({"2", "15", "16"}));
    read.resize(3);
    EXPECT_EQ(back.BlocksNotAsSent(read).size(), 15);
}
