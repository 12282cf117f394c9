#include "ChannelTestRows.h"

#include "memory/ByteField.h"
#include "memory/ChannelBlock.h"
#include "memory/OptionSettings.h"
#include "memory/Errors.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

using namespace lumora;
using namespace lumora::test;

namespace {

using Frame = std::array<uint8_t, 34>;

Frame filled(uint8_t value)
{
    Frame f;
    f.fill(value);
    return f;
}

Frame frameFor(int channel)
{
    Frame f = filled(0);
    f[0] = 0x57;
    f[2] = static_cast<uint8_t>(channel);
    f[3] = 0x20;
    return f;
}

void put32(Frame &f, int at, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        f[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

} // namespace

TEST(EncodeChannelBlock, WritesEveryFieldAtItsOffset)
{
    TextTable t = freshChannelTable();
    setRow(t, 3, simplexChannel());
    Frame f = filled(0xAA);
    EncodeChannelBlock(t, 3, f.data());
    const Frame expected = {0xAA, 0xAA, 0xAA, 0xAA,             // header left to the caller
                            0xC0, 0xB7, 0xBB, 0x08,             // 146 520 000 Hz
                            0x00, 0x00, 0x00, 0x00,             // no TX frequency
                            0xFF, 0xFF, 0x9E, 0x02,             // NONE, 67.0
                            0xFF, 0xFF, 0xFF,                   // HIGH WIDE YES
                            0xA8, 0x61,                         // 25000
                            0xFF, 0xFF, 0x00, 0x00, 0x00, 0x00, // keys, PTTID, scr, comp, type
                            0x01,                               // PTTID NO.
                            0xAA, 0xAA, 0xAA, 0xAA,             // 28..31 untouched
                            0xAA, 0xAA};
    EXPECT_EQ(f, expected);
}

TEST(EncodeChannelBlock, MapsEachChoiceToItsByte)
{
    TextTable t = freshChannelTable();
    setRow(t, 1, {"446.00625", "446.1", "023I", "754N", "LOW", "NARROW", "NONE", "6250", "D", "#",
                  "EOT", "10", "FSK", "16", "YES"});
    Frame f = filled(0);
    EncodeChannelBlock(t, 1, f.data());
    EXPECT_EQ(f[4] | f[5] << 8 | f[6] << 16 | f[7] << 24, 446006250);
    EXPECT_EQ(f[8] | f[9] << 8 | f[10] << 16 | f[11] << 24, 446100000);
    EXPECT_EQ(f[12], 0x17);
    EXPECT_EQ(f[13], 0xA0);
    EXPECT_EQ(f[14], 0xF2);
    EXPECT_EQ(f[15], 0x22);
    EXPECT_EQ(f[16], 0x00);
    EXPECT_EQ(f[17], 0x00);
    EXPECT_EQ(f[18], 0x00);
    EXPECT_EQ(f[19], 0x6A);
    EXPECT_EQ(f[20], 0x18);
    EXPECT_EQ(f[21], 0);  // D
    EXPECT_EQ(f[22], 12); // #
    EXPECT_EQ(f[23], 3);
    EXPECT_EQ(f[24], 10);
    EXPECT_EQ(f[25], 0xFF); // compandor byte comes before the PTTID type
    EXPECT_EQ(f[26], 3);
    EXPECT_EQ(f[27], 16);
}

TEST(EncodeChannelBlock, DtmfKeysFollowTheKeypadCodes)
{
    const QStringList keys = {"D", "1", "2", "3", "4", "5", "6", "7",
                              "8", "9", "0", "*", "#", "A", "B", "C"};
    for (int code = 0; code < 16; ++code) {
        EXPECT_EQ(DtmfKeyCode(keys[code]), code);
        EXPECT_EQ(DtmfKeyText(static_cast<uint8_t>(code)), keys[code]);
    }
    EXPECT_EQ(DtmfKeyCode("NONE"), 0xFF);
    EXPECT_EQ(DtmfKeyCode("E"), -1);
    EXPECT_TRUE(DtmfKeyText(16).isEmpty());
    EXPECT_TRUE(DtmfKeyText(254).isEmpty());
}

TEST(EncodeChannelBlock, AnEmptyRecordIsZerosWhateverItsFieldsHold)
{
    for (const char *rx : {"", " "}) {
        TextTable t = freshChannelTable();
        QStringList row = simplexChannel();
        row[0] = rx;
        row[2] = "garbage";
        setRow(t, 5, row);
        Frame f = filled(0xAA);
        EncodeChannelBlock(t, 5, f.data());
        for (int i = 4; i <= 30; ++i)
            EXPECT_EQ(f[i], 0) << i;
        EXPECT_EQ(f[31], 0xAA);
    }
}

TEST(EncodeChannelBlock, ABadFieldThrowsAndLeavesTheBufferAlone)
{
    TextTable t = freshChannelTable();
    QStringList row = simplexChannel();
    row[2] = " "; // a blank tone from a channel file in a row put in use later
    setRow(t, 2, row);
    Frame f = filled(0x55);
    try {
        EncodeChannelBlock(t, 2, f.data());
        FAIL();
    } catch (const EConvertError &e) {
        EXPECT_EQ(e.text(), "' ' is not a valid floating point value");
    }
    EXPECT_EQ(f, filled(0x55));

    row = simplexChannel();
    row[7] = "25 kHz";
    setRow(t, 2, row);
    EXPECT_THROW(EncodeChannelBlock(t, 2, f.data()), EConvertError);
    EXPECT_EQ(f, filled(0x55));
}

TEST(DecodeChannelBlock, FillsTheRowNamedByTheAnswer)
{
    TextTable t = freshChannelTable();
    setRow(t, 7, simplexChannel());
    Frame f = filled(0);
    EncodeChannelBlock(t, 7, f.data());
    f[2] = 9; // the radio answered for channel 9
    DecodeChannelBlock(f.data(), t);
    EXPECT_EQ(rowOf(t, 9), simplexChannel());
}

TEST(DecodeChannelBlock, AReceiveFrequencyThatShowsAsZeroEmptiesTheRow)
{
    // 1 to 4 Hz are written as 0.00000: no channel either; 5 Hz is 0.00001.
    for (uint32_t rx : {0u, 1u, 4u, 0xFFFFFFFFu, 0x80000000u}) {
        TextTable t = freshChannelTable();
        setRow(t, 4, simplexChannel());
        Frame f = filled(0xFF); // erased memory
        f[2] = 4;
        put32(f, 4, rx);
        DecodeChannelBlock(f.data(), t);
        EXPECT_EQ(rowOf(t, 4), QStringList(15, QString())) << rx;
        EXPECT_EQ(t.cellText(0, 4), "4");
    }
    TextTable t = freshChannelTable();
    Frame f = filled(0xFF);
    f[2] = 4;
    put32(f, 4, 5);
    DecodeChannelBlock(f.data(), t);
    EXPECT_EQ(t.cellText(ColRxFreq, 4), "0.00001");
}

TEST(DecodeChannelBlock, ValuesWithoutATextKeepTheField)
{
    TextTable t = freshChannelTable();
    setRow(t, 2, simplexChannel());
    Frame f = frameFor(2);
    put32(f, 4, 146520000);
    f[12] = 0x17; // 0x8017: no tone kind
    f[13] = 0x80;
    f[14] = 0x00;
    f[15] = 0x10;
    f[21] = 16;
    f[22] = 254;
    f[23] = 4;
    f[26] = 200;
    DecodeChannelBlock(f.data(), t);
    const QStringList row = rowOf(t, 2);
    EXPECT_EQ(row[ColToneDec - 1], "NONE");
    EXPECT_EQ(row[ColToneEnc - 1], "67.0");
    EXPECT_EQ(row[ColDtmf1 - 1], "NONE");
    EXPECT_EQ(row[ColDtmf2 - 1], "NONE");
    EXPECT_EQ(row[ColPttId - 1], "NONE");
    EXPECT_EQ(row[ColPttIdType - 1], "DTMF");
    // the fields that always have a text
    EXPECT_EQ(row[ColTxFreq - 1], "");
    EXPECT_EQ(row[ColTxPower - 1], "LOW");
    EXPECT_EQ(row[ColWideNarrow - 1], "NARROW");
    EXPECT_EQ(row[ColScanAdd - 1], "NONE");
    EXPECT_EQ(row[ColStepFreq - 1], "0");
    EXPECT_EQ(row[ColScrambler - 1], "NONE");
    EXPECT_EQ(row[ColPttIdNo - 1], "0");
}

TEST(DecodeChannelBlock, AChannelNumberOutsideTheTableChangesNothing)
{
    for (int channel : {0, 17, 255}) {
        TextTable t = freshChannelTable();
        TextTable before = freshChannelTable();
        Frame f = frameFor(channel);
        put32(f, 4, 146520000);
        DecodeChannelBlock(f.data(), t);
        for (int r = 0; r < kChannelRows; ++r)
            for (int c = 0; c < kChannelColumns; ++c)
                EXPECT_EQ(t.cellText(c, r), before.cellText(c, r));
    }
}

TEST(DecodeChannelBlock, FrequenciesAreWrittenWithFiveDecimals)
{
    TextTable t = freshChannelTable();
    Frame f = frameFor(1);
    put32(f, 4, 146525005);
    put32(f, 8, 0x7FFFFFFF);
    DecodeChannelBlock(f.data(), t);
    EXPECT_EQ(t.cellText(ColRxFreq, 1), "146.52501");
    EXPECT_EQ(t.cellText(ColTxFreq, 1), "2147.48365");
}

// Every column and every option has one field, and no two fields share a
// byte: a column added without its bytes is caught here.
TEST(ByteFields, EachColumnAndOptionHasItsOwnBytes)
{
    auto check = [](const std::vector<ByteField> &fields, int shown, int first, int end) {
        std::vector<int> owner(32, -1), shownBy;
        for (const ByteField &f : fields) {
            shownBy.push_back(f.shownBy);
            for (int i = f.offset; i < f.offset + f.width; ++i) {
                ASSERT_TRUE(i >= first && i < end) << "offset " << i;
                EXPECT_EQ(owner[static_cast<size_t>(i)], -1) << "offset " << i << " twice";
                owner[static_cast<size_t>(i)] = f.shownBy;
            }
        }
        std::sort(shownBy.begin(), shownBy.end());
        EXPECT_EQ(shownBy.size(), static_cast<size_t>(shown));
        EXPECT_TRUE(std::adjacent_find(shownBy.begin(), shownBy.end()) == shownBy.end());
    };
    check(ChannelFields(), kChannelColumns - 1, 4, 28);
    check(OptionFields(), kOptionCount, 4, 20);
}
