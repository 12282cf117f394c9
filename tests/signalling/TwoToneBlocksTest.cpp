// The 2TONE area's blocks, byte for byte, and its decode row rules.

#include "memory/Errors.h"
#include "memory/TextTable.h"
#include "signalling/TwoToneBlocks.h"
#include "support/DataAnswer.h"

#include <gtest/gtest.h>
#include <random>

using namespace lumora;

namespace {

std::array<uint8_t, 34> frameOf(int index, const Payload &d) { return test::DataAnswer(3, index, d); }
TextTable encodeTable() { return TextTable(3, 17); }
TextTable decodeTable() { return TextTable(kTwoToneDecodeColumns, 17); }

} // namespace

TEST(TwoToneBlocks, AFreshWindowWritesTheFactoryBlocks)
{
    const Payload b0 = EncodeTwoToneBlock(0, TwoToneControls(), encodeTable(), decodeTable());
    const Payload expected = {0xBD, 0x07, 0x64, 0x04, 0xAD, 0x04, 0xFB, 0x04, 0x70, 0x17,
                              0xF4, 0x01, 0xF4, 0x01, 0xF4, 0x01};
    EXPECT_EQ(b0, expected);
    for (int k = 1; k <= 10; ++k)
        EXPECT_EQ(EncodeTwoToneBlock(k, TwoToneControls(), encodeTable(), decodeTable()), Payload{}) << k;
}

TEST(TwoToneBlocks, PairsAreTheirLettersReadAsHexadecimal)
{
    EXPECT_EQ(TextToPair("DB"), 0xDB);
    EXPECT_EQ(PairToText(0xDB), "DB");
    EXPECT_EQ(PairToText(0x1A), "A");
    EXPECT_EQ(PairToText(0x00), "");
    try {
        TextToPair("");
        FAIL() << "read";
    } catch (const EConvertError &e) {
        EXPECT_EQ(e.text(), "'$' is not a valid integer value");
    }
}

TEST(TwoToneBlocks, EntriesAndRowsSitInTheirBlocks)
{
    TextTable enc = encodeTable();
    enc.setCellText(1, 3, "1000");
    enc.setCellText(2, 3, "2000");
    enc.setCellText(1, 16, "4464");
    const Payload b1 = EncodeTwoToneBlock(1, TwoToneControls(), enc, decodeTable());
    EXPECT_EQ(b1[0], 0xE8);
    EXPECT_EQ(b1[1], 0x03);
    EXPECT_EQ(b1[2], 0xD0);
    EXPECT_EQ(b1[3], 0x07);
    EXPECT_EQ(Get16(&EncodeTwoToneBlock(2, TwoToneControls(), enc, decodeTable())[24]), 4464);

    TextTable dec = decodeTable();
    dec.setCellText(1, 5, "CD");
    ApplyTwoToneDecodeRowRules(dec, 1, 5);
    dec.setCellText(1, 6, "DB");
    ApplyTwoToneDecodeRowRules(dec, 1, 6);
    dec.setCellText(5, 6, "REPLY");
    dec.setCellText(12, 6, "16");
    const Payload b5 = EncodeTwoToneBlock(5, TwoToneControls(), enc, dec);
    const Payload expected = {0xCD, 0, 1, 0xAB, 0, 1, 0xAB, 0, 1, 0xAB, 0, 1,
                              0xDB, 0, 1, 0xAB, 2, 1, 0xAB, 0, 1, 0xAB, 0, 16};
    EXPECT_EQ(b5, expected);
}

TEST(TwoToneBlocks, DecodeRowRulesKeepRowsWhole)
{
    TextTable dec = decodeTable();
    dec.setCellText(4, 2, "AC"); // before its Decode1: emptied
    ApplyTwoToneDecodeRowRules(dec, 4, 2);
    EXPECT_EQ(dec.cellText(4, 2), "");
    dec.setCellText(1, 2, "CD");
    ApplyTwoToneDecodeRowRules(dec, 1, 2);
    QStringList row;
    for (int c = 1; c < kTwoToneDecodeColumns; ++c)
        row << dec.cellText(c, 2);
    EXPECT_EQ(row, QStringList({"CD", "NONE", "1", "AB", "NONE", "1", "AB", "NONE", "1", "AB", "NONE", "1"}));
    dec.setCellText(6, 2, "9");
    ApplyTwoToneDecodeRowRules(dec, 6, 2);
    EXPECT_EQ(dec.cellText(6, 2), "9");
    dec.setCellText(1, 2, "DA");
    ApplyTwoToneDecodeRowRules(dec, 1, 2);
    EXPECT_EQ(dec.cellText(6, 2), "1"); // a new Decode1 resets the row
}

TEST(TwoToneBlocks, ABadCellIsRefusedNamingRowAndDecoder)
{
    TextTable dec = decodeTable();
    dec.setCellText(1, 7, "AB");
    ApplyTwoToneDecodeRowRules(dec, 1, 7);
    dec.setCellText(7, 7, ""); // decoder 3's pair
    try {
        EncodeTwoToneBlock(6, TwoToneControls(), encodeTable(), dec);
        FAIL() << "encoded";
    } catch (const EConvertError &e) {
        EXPECT_EQ(e.text(), "'$' is not a valid integer value");
        EXPECT_EQ(e.detail(), "2TONE Decode, row 7, column \"Decode3\"");
    }
    TwoToneControls c;
    c.ed2 = "1124.5";
    try {
        EncodeTwoToneBlock(0, c, encodeTable(), decodeTable());
        FAIL() << "encoded";
    } catch (const EConvertError &e) {
        EXPECT_EQ(e.text(), "'1124.5' is not a valid integer value");
        EXPECT_EQ(e.detail(), "Btone(hz)");
    }
    c = TwoToneControls();
    c.ed3 = "1197.0"; // a whole number with a fraction part
    EXPECT_EQ(Get16(&EncodeTwoToneBlock(0, c, encodeTable(), decodeTable())[4]), 1197);
}

TEST(TwoToneBlocks, RandomAreasComeBackByteForByte)
{
    std::mt19937 rng(311);
    auto byte = [&] { return static_cast<uint8_t>(rng() & 0xFF); };
    auto letter = [&] { return static_cast<uint8_t>(0xA + rng() % 4); };
    for (int run = 0; run < 10000; ++run) {
        std::array<Payload, kTwoToneBlocks> area{};
        for (int i = 0; i < 16; ++i)
            area[0][static_cast<size_t>(i)] = byte();
        for (int i = 20; i < 28; ++i)
            area[0][static_cast<size_t>(i)] = byte();
        for (int k = 1; k <= 2; ++k)
            for (uint8_t &b : area[static_cast<size_t>(k)])
                b = byte();
        for (int k = 3; k < kTwoToneBlocks; ++k)
            for (int half = 0; half < 2; ++half) {
                if (rng() % 3 == 0)
                    continue; // an empty row
                for (int j = 0; j < 4; ++j) {
                    uint8_t *at = &area[static_cast<size_t>(k)][static_cast<size_t>(12 * half + 3 * j)];
                    at[0] = static_cast<uint8_t>(letter() << 4 | letter());
                    at[1] = static_cast<uint8_t>(rng() % 4);
                    at[2] = byte();
                }
            }
        TwoToneControls c;
        TextTable enc = encodeTable(), dec = decodeTable();
        for (int k = 0; k < kTwoToneBlocks; ++k)
            DecodeTwoToneBlock(frameOf(k, area[static_cast<size_t>(k)]).data(), c, enc, dec);
        for (int k = 0; k < kTwoToneBlocks; ++k)
            ASSERT_EQ(EncodeTwoToneBlock(k, c, enc, dec), area[static_cast<size_t>(k)]) << run << " " << k;
    }
}
