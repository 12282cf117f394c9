#include "memory/FrequencyText.h"

#include <gtest/gtest.h>

using namespace lumora;

TEST(CheckFrequencyText, KeepsValidFrequenciesUnchanged)
{
    for (const char *t : {"146.52", "999.99999", "0.00001", "446", "1.", " 1.5"})
        EXPECT_EQ(CheckFrequencyText(t), QString::fromLatin1(t)) << t;
}

TEST(CheckFrequencyText, EmptiesWhatIsNoFrequency)
{
    for (const char *t : {"", "0", "0.000001e0", "1000", "999.999991", "1.2.3", "146.5a", "E5",
                          "-5", "1e2x", "1,5", " ", "+"})
        EXPECT_EQ(CheckFrequencyText(t), QString()) << t;
}

TEST(TextCounts, CountCharactersAndAsciiLetters)
{
    EXPECT_EQ(CountChar("1.2.3", '.'), 2);
    EXPECT_EQ(CountChar("", '.'), 0);
    EXPECT_EQ(CountLetters("12aZ.3"), 2);
    EXPECT_EQ(CountLetters(QString::fromUtf8("1\xc3\xa9")), 0); // é is no A-Z letter
}
