// Packed digits: the two codings, counts, and what a committed text keeps.

#include "memory/TextTable.h"
#include "signalling/DigitCoding.h"

#include <gtest/gtest.h>

using namespace lumora;

TEST(DigitCoding, ZeroAndStarSwapPlacesBetweenTheCodings)
{
    EXPECT_EQ(EncodeMemoryDigits("0*#"), 0xABCu);
    EXPECT_EQ(EncodeIdDigits("0*#"), 0xBACu);
    EXPECT_EQ(UnpackDigits(0xABC, 3, DigitCoding::Memory), "0*#");
    EXPECT_EQ(UnpackDigits(0xBAC, 3, DigitCoding::Id), "0*#");
    EXPECT_EQ(EncodeMemoryDigits("ABCD"), 0xDEF0u);
    EXPECT_EQ(EncodeIdDigits("12345678"), 0x12345678u);
}

TEST(DigitCoding, TheCountDecidesHowManyDigitsComeBack)
{
    EXPECT_EQ(EncodeMemoryDigits("DD1"), 0x001u);
    TextTable memories(2, 17);
    DecodeMemoryDigits(0x001, 1, 3, memories);
    EXPECT_EQ(memories.cellText(1, 1), "DD1");
    DecodeMemoryDigits(0x001, 1, 1, memories);
    EXPECT_EQ(memories.cellText(1, 1), "1");
    QString id = "x";
    DecodeIdDigits(0x123, 0, id);
    EXPECT_EQ(id, "");
    // A word has eight nibbles: a larger count gives eight.
    EXPECT_EQ(UnpackDigits(0x12345678, 200, DigitCoding::Id), "12345678");
}

TEST(DigitCoding, OnlyTheLastEightDigitsSurviveAndStrangersAreSkipped)
{
    EXPECT_EQ(EncodeMemoryDigits("123456789"), 0x23456789u);
    EXPECT_EQ(EncodeMemoryDigits("1x2"), 0x12u);
}

TEST(DigitCoding, SignificantNibblesCountFromTheHighestNonZeroOne)
{
    EXPECT_EQ(SignificantNibbles(0), 0);
    EXPECT_EQ(SignificantNibbles(0x1), 1);
    EXPECT_EQ(SignificantNibbles(0x00012345), 5);
    EXPECT_EQ(SignificantNibbles(0xF0000000), 8);
}

TEST(DigitCoding, ACommittedTextKeepsOnlyItsCodingsDigitsInCapitals)
{
    EXPECT_EQ(CleanDigitText("a1b-2 c*d#e", DigitCoding::Memory), "A1B2C*D#");
    EXPECT_EQ(CleanDigitText("", DigitCoding::Id), "");
    const QString clean = CleanDigitText("12,34", DigitCoding::Id);
    EXPECT_EQ(UnpackDigits(EncodeIdDigits(clean), static_cast<int>(clean.size()), DigitCoding::Id), clean);
}
