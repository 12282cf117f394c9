// The DTMF area's blocks, byte for byte.

#include "memory/Errors.h"
#include "memory/TextTable.h"
#include "memory/OptionSettings.h"
#include "signalling/DtmfBlocks.h"
#include "signalling/FleetSyncBlocks.h"
#include "signalling/TwoToneBlocks.h"

#include "support/DataAnswer.h"

#include <gtest/gtest.h>
#include <functional>
#include <random>

using namespace lumora;

namespace {

std::array<uint8_t, 34> frameOf(int index, const Payload &d) { return test::DataAnswer(1, index, d); }

TextTable memoryTable() { return TextTable(2, 17); }

} // namespace

TEST(DtmfBlocks, AFreshWindowWritesTheFactoryBlockZero)
{
    const Payload d = EncodeDtmfBlock(0, DtmfControls(), memoryTable());
    const Payload expected = {6, 0, 10, 0, 0, 0xFF, 0, 0, 0, 0, 0x78, 0x56, 0x34, 0x12,
                              0xFF, 10, 1, 0, 0, 8, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(d, expected);
    for (int k = 1; k <= 3; ++k)
        EXPECT_EQ(EncodeDtmfBlock(k, DtmfControls(), memoryTable()), Payload{}) << k;
}

TEST(DtmfBlocks, NumberBoxesAreStoredInTheirUnits)
{
    DtmfControls c;
    c.cb5 = "3000";
    c.cb2 = "500";
    c.cb7 = "Off";
    Payload d = EncodeDtmfBlock(0, c, memoryTable());
    EXPECT_EQ(d[4], 30);
    EXPECT_EQ(d[1], 50);
    EXPECT_EQ(d[15], 0);
    DtmfControls back;
    TextTable m = memoryTable();
    DtmfDigitCounts counts{};
    DecodeDtmfBlock(frameOf(0, d).data(), back, m, counts);
    EXPECT_EQ(back.cb5, "3000");
    EXPECT_EQ(back.cb2, "500");
    EXPECT_EQ(back.cb7, "Off");
    EXPECT_EQ(back, c);
}

TEST(DtmfBlocks, ANumberThatDoesNotDivideOrReadIsRefusedNamingItsControl)
{
    DtmfControls c;
    c.cb3 = "105";
    try {
        EncodeDtmfBlock(0, c, memoryTable());
        FAIL() << "encoded";
    } catch (const EConvertError &e) {
        EXPECT_EQ(e.text(), "'10.5' is not a valid integer value");
        EXPECT_EQ(e.detail(), "First Digit Delay [ms]");
    }
    c = DtmfControls();
    c.cb1 = "fast";
    try {
        EncodeDtmfBlock(0, c, memoryTable());
        FAIL() << "encoded";
    } catch (const EConvertError &e) {
        EXPECT_EQ(e.text(), "'fast' is not a valid integer value");
        EXPECT_EQ(e.detail(), "DTMF Spend [digit/s]");
    }
}

TEST(DtmfBlocks, MemoriesTravelInBlocksOneToThreeWithCountsInBlockZero)
{
    TextTable m = memoryTable();
    m.setCellText(1, 1, "DD1");
    m.setCellText(1, 7, "0*#");
    m.setCellText(1, 16, "911");
    const DtmfControls c;
    const Payload b0 = EncodeDtmfBlock(0, c, m);
    EXPECT_EQ(b0[20], 3);
    EXPECT_EQ(b0[21], 0);
    const Payload b1 = EncodeDtmfBlock(1, c, m);
    EXPECT_EQ(Get32(&b1[0]), 0x001u);
    const Payload b2 = EncodeDtmfBlock(2, c, m);
    EXPECT_EQ(Get32(&b2[0]), 0xABCu);
    const Payload b3 = EncodeDtmfBlock(3, c, m);
    EXPECT_EQ(Get32(&b3[12]), 0x911u);
    EXPECT_EQ(Get32(&b3[16]), 0u); // memories 17 and 18 do not exist
    EXPECT_EQ(Get32(&b3[20]), 0u);

    TextTable back = memoryTable();
    back.setCellText(1, 2, "stale");
    DtmfControls controls;
    DtmfDigitCounts counts{};
    Payload b3WithNoise = b3;
    Put32(&b3WithNoise[16], 0x1234); // never a memory
    for (const auto &[k, d] : {std::pair{0, b0}, {1, b1}, {2, b2}, {3, b3WithNoise}})
        DecodeDtmfBlock(frameOf(k, d).data(), controls, back, counts);
    EXPECT_EQ(back.cellText(1, 1), "DD1");
    EXPECT_EQ(back.cellText(1, 2), ""); // a zero word empties its memory
    EXPECT_EQ(back.cellText(1, 7), "0*#");
    EXPECT_EQ(back.cellText(1, 16), "911"); // no count: its significant digits
    EXPECT_EQ(back.rowCount(), 17);
}

TEST(DtmfBlocks, AZeroIdWordReadsAsAnEmptyIdCodeAndUnknownBytesKeepTheBoxes)
{
    Payload d = EncodeDtmfBlock(0, DtmfControls(), memoryTable());
    Put32(&d[10], 0);
    d[14] = 99;
    d[16] = 7;
    d[17] = 3;
    d[5] = 0x01; // any non-zero byte checks
    DtmfControls c;
    c.cb6 = "B";
    c.CheckB1 = false;
    TextTable m = memoryTable();
    DtmfDigitCounts counts{};
    DecodeDtmfBlock(frameOf(0, d).data(), c, m, counts);
    EXPECT_EQ(c.Edit1, "");
    EXPECT_EQ(c.cb6, "B");
    EXPECT_EQ(c.cb8, "Normal");
    EXPECT_EQ(c.cb9, "Off");
    EXPECT_TRUE(c.CheckB1);
    EXPECT_EQ(counts[0], 8);
}

TEST(DtmfBlocks, AnIndexOutsideTheAreaChangesNothing)
{
    Payload d{};
    d.fill(0x11);
    DtmfControls c;
    TextTable m = memoryTable();
    DtmfDigitCounts counts{};
    DecodeDtmfBlock(frameOf(4, d).data(), c, m, counts);
    EXPECT_EQ(c, DtmfControls());
    EXPECT_EQ(m.cellText(1, 1), "");
    EXPECT_EQ(EncodeDtmfBlock(9, c, m), Payload{});
}

// Random areas that the window's texts can carry decode and encode back
// to the same bytes.
TEST(DtmfBlocks, RandomAreasComeBackByteForByte)
{
    std::mt19937 rng(20261208);
    auto byte = [&] { return static_cast<uint8_t>(rng() & 0xFF); };
    auto pick = [&](std::initializer_list<uint8_t> l) { return *(l.begin() + rng() % l.size()); };
    // A word of count digits (any digit, leading D included), non-zero.
    auto digits = [&](int count) {
        uint32_t w = 0;
        while (w == 0)
            w = static_cast<uint32_t>(rng()) & (count == 8 ? 0xFFFFFFFFu : ((1u << (4 * count)) - 1));
        return w;
    };
    for (int run = 0; run < 10000; ++run) {
        std::array<Payload, 4> area{};
        Payload &b0 = area[0];
        b0[0] = byte();
        b0[1] = byte();
        b0[2] = byte();
        b0[3] = byte();
        b0[4] = byte();
        b0[5] = pick({0, 0xFF});
        const int idCount = static_cast<int>(rng() % 9);
        Put32(&b0[10], idCount ? digits(idCount) : 0);
        b0[19] = static_cast<uint8_t>(idCount);
        b0[14] = pick({0xFF, 13, 14, 15, 0, 12, 11});
        b0[15] = byte();
        b0[16] = pick({0, 1, 2});
        b0[17] = pick({0, 1, 2});
        b0[18] = pick({0, 0xFF});
        for (int m = 1; m <= 16; ++m) {
            const int count = static_cast<int>(rng() % 9);
            uint32_t word = count ? digits(count) : 0;
            if (m > 8) // no count kept: the digits up to the highest non-zero one
                word = rng() % 3 ? static_cast<uint32_t>(rng()) : 0;
            else
                b0[19 + m] = static_cast<uint8_t>(count);
            Put32(&area[(m - 1) / 6 + 1][4 * ((m - 1) % 6)], word);
        }
        DtmfControls c;
        TextTable m = memoryTable();
        DtmfDigitCounts counts{};
        for (int k = 0; k < 4; ++k)
            DecodeDtmfBlock(frameOf(k, area[k]).data(), c, m, counts);
        for (int k = 0; k < 4; ++k)
            ASSERT_EQ(EncodeDtmfBlock(k, c, m), area[k]) << "run " << run << " block " << k;
    }
}

// A number its bytes cannot hold is refused, quoting the text as shown
// and giving the range, in every window and the options: none wraps.
TEST(DtmfBlocks, ANumberItsBytesCannotHoldIsRefusedWithItsRange)
{
    auto refusal = [](const std::function<void()> &encode) {
        try {
            encode();
        } catch (const ERangeError &e) {
            return e.text();
        }
        return QString("encoded");
    };
    DtmfControls dtmf;
    dtmf.cb2 = "3000";
    EXPECT_EQ(refusal([&] { EncodeDtmfBlock(0, dtmf, memoryTable()); }),
              "First Digit Time [ms] '3000' does not fit the radio: it holds 0 to 2550 in steps of 10");
    dtmf.cb2 = "99999";
    EXPECT_EQ(refusal([&] { EncodeDtmfBlock(0, dtmf, memoryTable()); }),
              "First Digit Time [ms] '99999' does not fit the radio: it holds 0 to 2550 in steps of 10");
    TwoToneControls twoTone;
    twoTone.ed5 = "70000";
    TextTable encode(3, 17), decode(kTwoToneDecodeColumns, 17);
    EXPECT_EQ(refusal([&] { EncodeTwoToneBlock(0, twoTone, encode, decode); }),
              "Rest Time(ms) '70000' does not fit the radio: it holds 0 to 65535");
    FleetSyncControls fsk;
    fsk.ed4 = "-1";
    TextTable entries(3, 17);
    EXPECT_EQ(refusal([&] { EncodeFleetSyncBlock(0, fsk, entries); }).left(20), "Message Mode Timer [");
    OptionTexts options = DefaultOptionTexts();
    options[OptSqLev] = "300";
    std::array<uint8_t, 34> frame{};
    EXPECT_EQ(refusal([&] { EncodeSettingsBlock(options, frame.data()); }),
              "SQ Lev '300' does not fit the radio: it holds 0 to 255");
}
