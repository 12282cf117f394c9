// The FleetSync area's blocks, byte for byte.

#include "memory/Errors.h"
#include "memory/TextTable.h"
#include "signalling/FleetSyncBlocks.h"

#include "support/DataAnswer.h"

#include <gtest/gtest.h>
#include <random>

using namespace lumora;

namespace {

std::array<uint8_t, 34> frameOf(int index, const Payload &d) { return test::DataAnswer(2, index, d); }

TextTable entryTable() { return TextTable(3, 17); }

} // namespace

TEST(FleetSyncBlocks, AFreshWindowWritesTheFactoryBlocks)
{
    const Payload expected = {0x64, 0x00, 0xE8, 0x03, 0x18, 0x90, 0x01, 0x0A, 0xFF};
    EXPECT_EQ(EncodeFleetSyncBlock(0, FleetSyncControls(), entryTable()), expected);
    EXPECT_EQ(EncodeFleetSyncBlock(1, FleetSyncControls(), entryTable()), Payload{});
    EXPECT_EQ(EncodeFleetSyncBlock(2, FleetSyncControls(), entryTable()), Payload{});
}

TEST(FleetSyncBlocks, EntriesSitInTheirBlocks)
{
    TextTable t = entryTable();
    t.setCellText(1, 10, "300");
    t.setCellText(2, 10, "2000");
    t.setCellText(1, 2, "7");
    t.setCellText(2, 9, "65535");
    const Payload b2 = EncodeFleetSyncBlock(2, FleetSyncControls(), t);
    EXPECT_EQ(b2[0], 0x2C);
    EXPECT_EQ(b2[1], 0x01);
    EXPECT_EQ(b2[2], 0xD0);
    EXPECT_EQ(b2[3], 0x07);
    EXPECT_EQ(EncodeFleetSyncBlock(0, FleetSyncControls(), t)[24], 7);
    const Payload b1 = EncodeFleetSyncBlock(1, FleetSyncControls(), t);
    EXPECT_EQ(Get16(&b1[26]), 65535);
}

TEST(FleetSyncBlocks, ReadingSetsTheControlsAsTheRadioHasThem)
{
    Payload d = EncodeFleetSyncBlock(0, FleetSyncControls(), entryTable());
    d[4] = 12;
    d[8] = 0x01;
    Put16(&d[5], 0x1234); // at an odd offset
    FleetSyncControls c;
    TextTable t = entryTable();
    t.setCellText(1, 1, "5");
    DecodeFleetSyncBlock(frameOf(0, d).data(), c, t);
    EXPECT_EQ(c.cb1, "1200");
    EXPECT_FALSE(c.CheckBox1);
    EXPECT_EQ(c.ed3, QString::number(0x1234));
    EXPECT_EQ(t.cellText(1, 1), ""); // 0 empties the cell
}

TEST(FleetSyncBlocks, ABadNumberIsRefusedNamingItsControlOrCell)
{
    FleetSyncControls c;
    c.ed3 = "4OO";
    try {
        EncodeFleetSyncBlock(0, c, entryTable());
        FAIL() << "encoded";
    } catch (const EConvertError &e) {
        EXPECT_EQ(e.text(), "'4OO' is not a valid integer value");
        EXPECT_EQ(e.detail(), "Data TX Modulation Delay Time[ms]");
    }
    TextTable t = entryTable();
    t.setCellText(2, 12, "x1");
    try {
        EncodeFleetSyncBlock(2, FleetSyncControls(), t);
        FAIL() << "encoded";
    } catch (const EConvertError &e) {
        EXPECT_EQ(e.text(), "'x1' is not a valid integer value");
        EXPECT_EQ(e.detail(), "Fleet and ID, row 12, column \"ID\"");
    }
}

TEST(FleetSyncBlocks, RandomAreasComeBackByteForByte)
{
    std::mt19937 rng(8122026);
    auto byte = [&] { return static_cast<uint8_t>(rng() & 0xFF); };
    for (int run = 0; run < 10000; ++run) {
        std::array<Payload, 3> area{};
        Payload &b0 = area[0];
        for (int i : {0, 1, 2, 3, 4, 5, 6, 7})
            b0[static_cast<size_t>(i)] = byte();
        b0[8] = rng() % 2 ? 0xFF : 0x00;
        for (int i = 20; i < 28; ++i)
            b0[static_cast<size_t>(i)] = byte();
        for (int k = 1; k < 3; ++k)
            for (uint8_t &b : area[static_cast<size_t>(k)])
                b = byte();
        FleetSyncControls c;
        TextTable t = entryTable();
        for (int k = 0; k < 3; ++k)
            DecodeFleetSyncBlock(frameOf(k, area[static_cast<size_t>(k)]).data(), c, t);
        for (int k = 0; k < 3; ++k)
            ASSERT_EQ(EncodeFleetSyncBlock(k, c, t), area[static_cast<size_t>(k)]) << run << " " << k;
    }
}
