#include "memory/Errors.h"
#include "memory/OptionSettings.h"

#include <gtest/gtest.h>

#include <array>

using namespace lumora;

namespace {

using Frame = std::array<uint8_t, 34>;

Frame encode(const OptionTexts &o, uint8_t fill = 0xAA)
{
    Frame f;
    f.fill(fill);
    EncodeSettingsBlock(o, f.data());
    return f;
}

OptionTexts decode(const Frame &f)
{
    OptionTexts o;
    DecodeSettingsBlock(f.data(), o);
    return o;
}

} // namespace

TEST(SettingsBlock, DefaultsEncodeAsTheRadioExpects)
{
    const Frame f = encode(DefaultOptionTexts());
    const std::array<uint8_t, 16> expected = {0x01, 0x01, 0, 0, 0, 0, 0, 0,
                                              0x00, 0x01, 0x00, 0x3C, 0x02, 0x00, 0x00, 0x01};
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(f[4 + i], expected[i]) << "offset " << 4 + i;
    for (int i : {0, 1, 2, 3, 20, 25, 31, 32, 33})
        EXPECT_EQ(f[i], 0xAA) << "offset " << i << " belongs to others";
    EXPECT_EQ(decode(f), DefaultOptionTexts());
}

TEST(SettingsBlock, TimeOut)
{
    OptionTexts o = DefaultOptionTexts();
    o[OptTot] = "CLOSE";
    EXPECT_EQ(encode(o)[15], 0);
    o[OptTot] = "180";
    EXPECT_EQ(encode(o)[15], 0xB4);
    o[OptTot] = "255";
    EXPECT_EQ(encode(o)[15], 0xFF);
    Frame f = encode(o);
    f[15] = 0;
    EXPECT_EQ(decode(f)[OptTot], "CLOSE");
    f[15] = 44;
    EXPECT_EQ(decode(f)[OptTot], "44");
}

TEST(SettingsBlock, ATimeOutTheByteCannotHoldIsRefusedBeforeAnyByteIsWritten)
{
    for (const char *tot : {"256", "300", "-1"}) {
        OptionTexts o = DefaultOptionTexts();
        o[OptTot] = tot;
        Frame f;
        f.fill(0x55);
        try {
            EncodeSettingsBlock(o, f.data());
            FAIL() << tot;
        } catch (const ERangeError &e) {
            EXPECT_TRUE(e.text().contains(QString::fromLatin1(tot)));
            EXPECT_TRUE(e.text().contains("255"));
        }
        for (uint8_t b : f)
            EXPECT_EQ(b, 0x55);
    }
}

TEST(SettingsBlock, VoiceKeepsChineseAndFoldsUnknownValuesToEnglish)
{
    Frame f = encode(DefaultOptionTexts());
    f[16] = 1;
    OptionTexts o = decode(f);
    EXPECT_EQ(o[OptVoice], "CHINESE");
    EXPECT_EQ(encode(o)[16], 1);
    f[16] = 5;
    o = decode(f);
    EXPECT_EQ(o[OptVoice], "ENGLISH");
    EXPECT_EQ(encode(o)[16], 2);
    f[16] = 0;
    EXPECT_EQ(decode(f)[OptVoice], "CLOSE");
}

TEST(SettingsBlock, OnOffAndFunctionKeyValues)
{
    Frame f = encode(DefaultOptionTexts());
    f[19] = 0xFF; // Scan: only 1 is OPEN
    f[4] = 0;
    f[5] = 2;
    f[17] = 1;
    f[18] = 2;
    f[12] = 10;
    f[13] = 3;
    f[14] = 9;
    const OptionTexts o = decode(f);
    EXPECT_EQ(o[OptScan], "CLOSE");
    EXPECT_EQ(o[OptSavePower], "CLOSE");
    EXPECT_EQ(o[OptBeep], "CLOSE");
    EXPECT_EQ(o[OptPf1], "Monitor");
    EXPECT_EQ(o[OptPf2], "H/L PowerSwitch");
    EXPECT_EQ(o[OptVoxLev], "10");
    EXPECT_EQ(o[OptVoxTime], "3");
    EXPECT_EQ(o[OptSqLev], "9");
    const Frame back = encode(o);
    EXPECT_EQ(back[19], 0);
    EXPECT_EQ(back[17], 1);
    EXPECT_EQ(back[18], 2);
    EXPECT_EQ(back[12], 10);
}

TEST(SettingsBlock, ANonNumberWhereANumberIsNeededIsTheIntegerError)
{
    for (int id : {OptSqLev, OptVoxTime, OptVoxLev, OptTot}) {
        OptionTexts o = DefaultOptionTexts();
        o[id] = "";
        try {
            encode(o);
            FAIL() << id;
        } catch (const EConvertError &e) {
            EXPECT_EQ(e.text(), "'' is not a valid integer value");
        }
    }
}

TEST(SettingsBlock, OptionDescriptions)
{
    EXPECT_EQ(Option(OptTot).items, QStringList({"60", "120", "180", "CLOSE"}));
    EXPECT_EQ(Option(OptSqLev).items.size(), 10);
    EXPECT_EQ(Option(OptVoxLev).items.size(), 11);
    EXPECT_EQ(Option(OptPf2).items, QStringList({"NONE", "Monitor", "H/L PowerSwitch"}));
    EXPECT_EQ(Option(OptVoice).items, QStringList({"CLOSE", "ENGLISH"}));
    EXPECT_FALSE(Option(OptBeep).visible);
    EXPECT_TRUE(Option(OptSavePower).visible);
}
