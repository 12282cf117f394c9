#include "memory/ChannelColumns.h"
#include "memory/Errors.h"
#include "memory/ToneText.h"

#include <gtest/gtest.h>

using namespace lumora;

TEST(ToneWord, EncodesTheRadiosWords)
{
    EXPECT_EQ(EncodeToneWord("NONE"), 0xFFFF);
    EXPECT_EQ(EncodeToneWord("023N"), 0x2017);
    EXPECT_EQ(EncodeToneWord("023I"), 0xA017);
    EXPECT_EQ(EncodeToneWord("754N"), 0x22F2);
    EXPECT_EQ(EncodeToneWord("67.0"), 0x029E);
    EXPECT_EQ(EncodeToneWord("254.1"), 0x09ED);
    EXPECT_EQ(EncodeToneWord("100.0"), 1000);
    EXPECT_EQ(EncodeToneWord("5.0"), 50);
    EXPECT_EQ(EncodeToneWord("999N"), 0x2000 | 999);
}

// A tone the word cannot hold (a negative one in a hand-edited file) would
// reach the radio as some other word: refused.
TEST(ToneWord, EncodeRefusesFrequenciesThatAreNoTone)
{
    for (const char *text : {"-54.0", "-0.1", "409.6", "6553.5"}) {
        try {
            EncodeToneWord(text);
            FAIL() << text;
        } catch (const EConvertError &e) {
            EXPECT_EQ(e.text(), QString("'%1' is not a valid tone frequency").arg(text));
        }
    }
    EXPECT_EQ(EncodeToneWord("409.5"), 0x0FFF); // what the radio may hold reads and writes back
    EXPECT_EQ(EncodeToneWord("0.0"), 0);
}

TEST(ToneWord, EncodeRefusesTextsThatAreNoTone)
{
    EXPECT_THROW(EncodeToneWord(""), EConvertError);
    try {
        EncodeToneWord(" ");
        FAIL();
    } catch (const EConvertError &e) {
        EXPECT_EQ(e.text(), "' ' is not a valid floating point value");
    }
    try {
        EncodeToneWord("0A3N");
        FAIL();
    } catch (const EConvertError &e) {
        EXPECT_EQ(e.text(), "'0A3' is not a valid integer value");
    }
}

TEST(ToneWord, DecodesEveryKindAndLeavesUnknownKinds)
{
    EXPECT_EQ(DecodeToneWord(0xFFFF), "NONE");
    EXPECT_EQ(DecodeToneWord(670), "67.0");
    EXPECT_EQ(DecodeToneWord(1000), "100.0");
    EXPECT_EQ(DecodeToneWord(0), "0.0");
    EXPECT_EQ(DecodeToneWord(0x2006), "006N");
    EXPECT_EQ(DecodeToneWord(0xA0C8), "200I");
    EXPECT_EQ(DecodeToneWord(0x2000), "000N");
    EXPECT_EQ(DecodeToneWord(0x2FFF), "4095N");
    EXPECT_FALSE(DecodeToneWord(0x8017).has_value());
    EXPECT_FALSE(DecodeToneWord(0x1000).has_value());
    EXPECT_FALSE(DecodeToneWord(0xFFFE).has_value());
}

TEST(ToneWord, EveryOfferedToneRoundTrips)
{
    ASSERT_EQ(ToneVocabulary().size(), 218);
    EXPECT_EQ(ToneVocabulary().first(), "NONE");
    EXPECT_EQ(ToneVocabulary()[1], "62.5");
    EXPECT_EQ(ToneVocabulary()[52], "023N");
    EXPECT_EQ(ToneVocabulary()[135], "023I");
    EXPECT_EQ(ToneVocabulary().last(), "754I");
    for (const QString &tone : ToneVocabulary()) {
        EXPECT_EQ(DecodeToneWord(EncodeToneWord(tone)), tone);
        EXPECT_EQ(NormalizeToneText(tone), tone) << tone.toStdString();
    }
}

TEST(NormalizeToneText, BringsTypedTextsIntoCanonicalForm)
{
    const std::vector<std::pair<const char *, const char *>> cases = {
        {"", "NONE"},        {" ", " "},          {"NONE", "NONE"},   {"23N", "023N"},
        {"7I", "007I"},      {"7N", "007N"},      {"71N", "071N"},    {"23I", "023I"},
        {"88", "88.0"},      {"5", "5.0"},        {".5", "0.5"},      {"400", "300.0"},
        {"4000", "300.0"},   {"300", "300.0"},    {"301", "300.0"},   {"12N4", "023N"},
        {"OE", "023N"},      {"12345I", "023I"},  {"12345N", "023N"}, {"12345", "300.0"},
        {"99.95", "100.0"},  {"123.45", "123.5"}, {"1.2.3", "023N"},  {"1.2.", "023N"},
        {"N", "023N"},       {"0N", "000N"},      {"NN", "023N"},     {"023N", "023N"},
        {"023I", "023I"},    {"12D4", "023N"},    {"I23", "023N"},    {"..", "023N"},
        {"E", "023N"},       {"O", "023N"},       {"1E", "023N"},     {"123E5", "023N"},
        {"67", "67.0"},      {"67.", "67.0"},     {"254.1", "254.1"}, {"12.34.5", "023N"},
        {"2.", "2.0"},       {"700", "300.0"},    {"99", "99.0"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(NormalizeToneText(QString::fromLatin1(c.first)), QString::fromLatin1(c.second))
            << "typed '" << c.first << "'";
}

TEST(NormalizeToneText, CharactersTheKeyFilterKeepsOutRaiseTheConversionError)
{
    try {
        NormalizeToneText("ABC");
        FAIL();
    } catch (const EConvertError &e) {
        EXPECT_EQ(e.text(), "'ABC' is not a valid floating point value");
    }
    EXPECT_THROW(NormalizeToneText("1,5"), EConvertError);
}
