// The 5TONE area's blocks, byte for byte, its code texts and row rules.

#include "memory/Errors.h"
#include "memory/TextTable.h"
#include "signalling/FiveToneBlocks.h"
#include "support/DataAnswer.h"

#include <gtest/gtest.h>
#include <random>

using namespace lumora;

namespace {

std::array<uint8_t, 34> frameOf(int index, const Payload &d) { return test::DataAnswer(4, index, d); }

struct Tables {
    TextTable standards{4, 6}, encode{6, 17}, decode{9, 17};
    FiveToneControls controls;
    Tables()
    {
        for (int s = 1; s <= 5; ++s) {
            standards.setCellText(1, s, "100");
            standards.setCellText(2, s, "A");
            standards.setCellText(3, s, "E");
        }
    }
    Payload encodeBlock(int index, const Payload &previous = Payload{}) const
    {
        return EncodeFiveToneBlock(index, controls, standards, encode, decode, previous);
    }
    void decodeBlock(int index, const Payload &d)
    {
        DecodeFiveToneBlock(frameOf(index, d).data(), controls, standards, encode, decode);
    }
    void setRow(TextTable &t, int row, const QStringList &cells)
    {
        for (int c = 0; c < cells.size(); ++c)
            t.setCellText(c + 1, row, cells[c]);
    }
};

QString conversionError(const std::function<void()> &f)
{
    try {
        f();
    } catch (const EConvertError &e) {
        return e.text() + " | " + e.detail();
    }
    return QString();
}

} // namespace

TEST(FiveToneBlocks, AFreshWindowWritesTheFactoryBlockZero)
{
    const Payload expected = {100, 0x0A, 0x0E, 100, 0x0A, 0x0E, 100, 0x0A, 0x0E, 100, 0x0A, 0x0E, 100, 0x0A,
                              0x0E, 0, 0, 0, 0, 0, 50, 50, 50, 50};
    EXPECT_EQ(Tables().encodeBlock(0), expected);
}

TEST(FiveToneBlocks, CodesAreFiveHexadecimalDigits)
{
    EXPECT_EQ(HexCodeValue("123"), 0x123u);
    EXPECT_EQ(HexCodeValue("abcde"), 0xABCDEu);
    EXPECT_THROW(HexCodeValue(""), EConvertError);
    EXPECT_THROW(HexCodeValue(" 12"), EConvertError);
    EXPECT_THROW(HexCodeValue("123456789"), EConvertError);
    try {
        HexCodeValue("");
    } catch (const EConvertError &e) {
        EXPECT_EQ(e.text(), "'$' is not a valid integer value");
    }
    Tables t;
    t.setRow(t.encode, 1, {"123", "abcde", "ABCDEF", "0000F", "ZVEI2"});
    const Payload b1 = t.encodeBlock(1);
    const Payload expected = {0x23, 0x01, 0x00, 0xDE, 0xBC, 0x0A, 0xEF, 0xCD, 0xAB, 0x0F, 0x00, 0x00, 5};
    EXPECT_EQ(b1, expected);
    Tables back;
    back.decodeBlock(1, b1);
    QStringList row;
    for (int c = 1; c <= 5; ++c)
        row << back.encode.cellText(c, 1);
    EXPECT_EQ(row, QStringList({"00123", "ABCDE", "BCDEF", "0000F", "ZVEI2"}));
}

TEST(FiveToneBlocks, AnEncodeRecordKeepsTheByteThePreviousFrameLeft)
{
    Tables t;
    t.standards.setCellText(2, 5, "7"); // ZVEI2's group code sits at d13 of block 0
    const Payload b0 = t.encodeBlock(0);
    EXPECT_EQ(b0[13], 7);
    t.setRow(t.encode, 1, {"12345", "45678", "ABCDE", "0000F", "ZVEI2"});
    const Payload b1 = t.encodeBlock(1, b0);
    EXPECT_EQ(b1[13], 7);
    EXPECT_EQ(b1[27], 0);
    EXPECT_EQ(b1[14 + 12], 0); // row 2 is empty: a zero record
    EXPECT_EQ(t.encodeBlock(2, b1)[13], 7);
}

TEST(FiveToneBlocks, DecodeRecordsPackStandardAndFunctionsInNibbles)
{
    Tables t;
    t.setRow(t.decode, 1, {"EEA", "12345", "MONITOR", "45678", "BEEP", "ABCDE", "AWAKEN", "56789"});
    t.setRow(t.decode, 2, {"CCIR", "1", "PAGE", "2", "CALL", "3", "ASK", "4"});
    const Payload b9 = t.encodeBlock(9);
    EXPECT_EQ(b9[0], 0x33);
    EXPECT_EQ(b9[7], 0x85);
    EXPECT_EQ(b9[14], 0x01); // an unknown function is 0, CALL
    Tables back;
    back.decodeBlock(9, b9);
    EXPECT_EQ(back.decode.cellText(3, 2), "CALL");
    EXPECT_EQ(back.decode.cellText(7, 1), "AWAKEN");
    EXPECT_EQ(back.decode.cellText(2, 2), "00001");
}

TEST(FiveToneBlocks, BlockZeroCodesAndDelays)
{
    Tables t;
    t.standards.setCellText(2, 1, "1F");
    t.controls.cb1 = "1000";
    Payload b0 = t.encodeBlock(0);
    EXPECT_EQ(b0[1], 0x1F);
    EXPECT_EQ(b0[20], 100);
    b0[21] = 0;
    Tables back;
    back.decodeBlock(0, b0);
    EXPECT_EQ(back.standards.cellText(2, 1), "F");
    EXPECT_EQ(back.controls.cb1, "1000");
    EXPECT_EQ(back.controls.cb2, "0");
    t.controls.cb3 = "55";
    EXPECT_EQ(conversionError([&] { t.encodeBlock(0); }),
              "'5.5' is not a valid integer value | Sending Third Frame Coding Delay Time(ms)");
}

TEST(FiveToneBlocks, EmptyRowsAreZeroRecordsAndFilledOnesMustBeWhole)
{
    Tables t;
    const Payload zero = t.encodeBlock(12);
    EXPECT_EQ(zero, Payload{});
    t.decode.setCellText(1, 7, "CCIR");
    ApplyFiveToneRowDefaults(t.decode, true, 1, 7);
    t.decode.setCellText(4, 7, "");
    EXPECT_EQ(conversionError([&] { t.encodeBlock(12); }),
              "'$' is not a valid integer value | Decode, row 7, column \"Second Frame Decoding\"");
    t.setRow(t.encode, 3, {"1", "2", "3", "4", "CCIR "});
    EXPECT_TRUE(conversionError([&] { t.encodeBlock(2); }).endsWith("Encode, row 3, column \"Use  Standard\""));

    Tables back;
    back.setRow(back.encode, 4, {"1", "2", "3", "4", "EIA"});
    back.decodeBlock(2, Payload{}); // standard index 0: rows 3 and 4 empty
    EXPECT_EQ(back.encode.cellText(1, 4), "");
    EXPECT_EQ(back.encode.cellText(5, 4), "");
}

TEST(FiveToneBlocks, RowDefaultsAndTheToneTable)
{
    TextTable encode(6, 17);
    encode.setCellText(3, 2, "999"); // before column 1: emptied
    ApplyFiveToneRowDefaults(encode, false, 3, 2);
    EXPECT_EQ(encode.cellText(3, 2), "");
    encode.setCellText(1, 2, "12345");
    ApplyFiveToneRowDefaults(encode, false, 1, 2);
    EXPECT_EQ(encode.cellText(2, 2), "12345");
    EXPECT_EQ(encode.cellText(3, 2), "45678");
    EXPECT_EQ(encode.cellText(5, 2), "CCIR");
    EXPECT_EQ(ToneTable("EEA")[10], "1055.0");
    EXPECT_EQ(ToneTable("EEA")[15], "2247.0");
    EXPECT_EQ(ToneTable("CCIR")[0], "1981.0");
    EXPECT_TRUE(ToneTable("ccir").isEmpty());
}

TEST(FiveToneBlocks, RandomAreasComeBackByteForByte)
{
    std::mt19937 rng(5);
    auto byte = [&] { return static_cast<uint8_t>(rng() & 0xFF); };
    auto code = [&](uint8_t *p) {
        p[0] = byte();
        p[1] = byte();
        p[2] = static_cast<uint8_t>(rng() & 0x0F); // five digits
    };
    auto func = [&] { return static_cast<uint8_t>(rng() % 9); };
    for (int run = 0; run < 10000; ++run) {
        std::array<Payload, kFiveToneBlocks> area{};
        Payload &b0 = area[0];
        for (int s = 1; s <= 5; ++s) {
            b0[static_cast<size_t>(3 * s - 3)] = byte();
            b0[static_cast<size_t>(3 * s - 2)] = static_cast<uint8_t>(rng() & 0xF);
            b0[static_cast<size_t>(3 * s - 1)] = static_cast<uint8_t>(rng() & 0xF);
        }
        for (int i = 20; i < 24; ++i)
            b0[static_cast<size_t>(i)] = byte();
        for (int k = 1; k <= 8; ++k) {
            Payload &b = area[static_cast<size_t>(k)];
            b[13] = b0[13];
            for (int half = 0; half < 2; ++half) {
                uint8_t *r = &b[static_cast<size_t>(14 * half)];
                if (rng() % 4 == 0)
                    continue;
                for (int f = 0; f < 4; ++f)
                    code(r + 3 * f);
                r[12] = static_cast<uint8_t>(1 + rng() % 5);
            }
        }
        for (int k = 9; k < kFiveToneBlocks; ++k)
            for (int half = 0; half < 2; ++half) {
                uint8_t *r = &area[static_cast<size_t>(k)][static_cast<size_t>(14 * half)];
                if (rng() % 4 == 0)
                    continue;
                r[0] = static_cast<uint8_t>((1 + rng() % 5) | func() << 4);
                code(r + 1);
                code(r + 4);
                r[7] = static_cast<uint8_t>(func() | func() << 4);
                code(r + 8);
                code(r + 11);
            }
        Tables t;
        for (int k = 0; k < kFiveToneBlocks; ++k)
            t.decodeBlock(k, area[static_cast<size_t>(k)]);
        Payload previous{};
        for (int k = 0; k < kFiveToneBlocks; ++k) {
            previous = t.encodeBlock(k, previous);
            ASSERT_EQ(previous, area[static_cast<size_t>(k)]) << run << " " << k;
        }
    }
}
