#include "memory/Conversions.h"
#include "memory/Errors.h"

#include <gtest/gtest.h>

using namespace lumora;

namespace {

QString intError(const QString &text)
{
    try {
        StrToInt(text);
    } catch (const EConvertError &e) {
        return e.text();
    }
    return QStringLiteral("no error");
}

QString floatError(const QString &text)
{
    try {
        StrToFloat(text);
    } catch (const EConvertError &e) {
        return e.text();
    }
    return QStringLiteral("no error");
}

} // namespace

TEST(StrToInt, ReadsDecimalAndHexadecimalForms)
{
    EXPECT_EQ(StrToInt("25000"), 25000);
    EXPECT_EQ(StrToInt("  7"), 7);
    EXPECT_EQ(StrToInt("+7"), 7);
    EXPECT_EQ(StrToInt("-7"), -7);
    EXPECT_EQ(StrToInt("$1F"), 31);
    EXPECT_EQ(StrToInt("$1f"), 31);
    EXPECT_EQ(StrToInt("0x1F"), 31);
    EXPECT_EQ(StrToInt("$FFFFFFFF"), -1);
    EXPECT_EQ(StrToInt("2147483647"), 2147483647);
    EXPECT_EQ(StrToInt("-2147483648"), -2147483647 - 1);
}

TEST(StrToInt, RefusesWithTheTextAsGiven)
{
    EXPECT_EQ(intError(""), "'' is not a valid integer value");
    EXPECT_EQ(intError("$"), "'$' is not a valid integer value");
    EXPECT_EQ(intError("$G1"), "'$G1' is not a valid integer value");
    EXPECT_EQ(intError("12 "), "'12 ' is not a valid integer value");
    EXPECT_EQ(intError("1.5"), "'1.5' is not a valid integer value");
    EXPECT_EQ(intError("NONE"), "'NONE' is not a valid integer value");
    EXPECT_EQ(intError("2147483648"), "'2147483648' is not a valid integer value");
    EXPECT_EQ(intError("$100000000"), "'$100000000' is not a valid integer value");
    EXPECT_EQ(intError("-"), "'-' is not a valid integer value");
}

TEST(StrToFloat, ReadsDecimalForms)
{
    EXPECT_DOUBLE_EQ(StrToFloat("146.52"), 146.52);
    EXPECT_DOUBLE_EQ(StrToFloat(" 1.5 "), 1.5);
    EXPECT_DOUBLE_EQ(StrToFloat(".5"), 0.5);
    EXPECT_DOUBLE_EQ(StrToFloat("1."), 1.0);
    EXPECT_DOUBLE_EQ(StrToFloat("-2.5"), -2.5);
    EXPECT_DOUBLE_EQ(StrToFloat("1e3"), 1000.0);
    EXPECT_DOUBLE_EQ(StrToFloat("1.5E-1"), 0.15);
}

TEST(StrToFloat, RefusesWithTheTextAsGiven)
{
    EXPECT_EQ(floatError(""), "'' is not a valid floating point value");
    EXPECT_EQ(floatError(" "), "' ' is not a valid floating point value");
    EXPECT_EQ(floatError("."), "'.' is not a valid floating point value");
    EXPECT_EQ(floatError("1.2.3"), "'1.2.3' is not a valid floating point value");
    EXPECT_EQ(floatError("1,5"), "'1,5' is not a valid floating point value");
    EXPECT_EQ(floatError("1e"), "'1e' is not a valid floating point value");
    EXPECT_EQ(floatError("1e999"), "'1e999' is not a valid floating point value");
    EXPECT_EQ(floatError("nan"), "'nan' is not a valid floating point value");
    EXPECT_EQ(floatError("$10"), "'$10' is not a valid floating point value");
}

TEST(FormatFixed, RoundsHalfAwayFromZeroOnTheDecimalForm)
{
    EXPECT_EQ(FormatOneDecimal(67), "67.0");
    EXPECT_EQ(FormatOneDecimal(0.5), "0.5");
    EXPECT_EQ(FormatOneDecimal(0.25), "0.3");
    EXPECT_EQ(FormatOneDecimal(99.95), "100.0");
    EXPECT_EQ(FormatOneDecimal(-0.04), "0.0");
    EXPECT_EQ(FormatOneDecimal(-2.25), "-2.3");
    EXPECT_EQ(FormatFiveDecimals(146.52), "146.52000");
    EXPECT_EQ(FormatFiveDecimals(146525005 / 1000000.0), "146.52501");
    EXPECT_EQ(FormatFiveDecimals(999.999995), "1000.00000");
    EXPECT_EQ(FormatFiveDecimals(0), "0.00000");
    EXPECT_EQ(FormatFiveDecimals(1e-6), "0.00000");
    EXPECT_EQ(FormatFixed(12.5, 0), "13");
}

TEST(RoundToInt64, TiesGoToEvenAndHugeValuesAreRefused)
{
    EXPECT_EQ(RoundToInt64(146.52 * 1000000.0, "x"), 146520000);
    EXPECT_EQ(RoundToInt64(2.5, "x"), 2);
    EXPECT_EQ(RoundToInt64(3.5, "x"), 4);
    EXPECT_EQ(RoundToInt64(-1.6, "x"), -2);
    EXPECT_THROW(RoundToInt64(1e300, "1e300"), EConvertError);
}
