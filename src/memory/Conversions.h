#pragma once
// The one place where texts become numbers and numbers become texts.
// The readings accept what the radio's original tool accepted, and fail with
// its exact texts.

#include <QString>
#include <QStringList>
#include <cstdint>

namespace lumora {

// A whole number: optional leading blanks, an optional sign, decimal digits,
// or hexadecimal digits after "$", "0x" or "0X". Anything else, an empty
// text, or a value outside 32 bits throws EConvertError
// "'%s' is not a valid integer value" with the text as given.
int StrToInt(const QString &text);
// A number read from text must lie within low to high, as the radio's
// bytes hold it; otherwise ERangeError "<where> '<text>' does not fit the
// radio: it holds <low> to <high>[ in steps of <step>]", where as detail.
void CheckFits(const QString &where, const QString &text, qint64 value, qint64 low, qint64 high, int step = 1);

// A decimal number: optional blanks around it, an optional sign, digits with
// at most one ".", and an optional exponent. Anything else throws
// EConvertError "'%s' is not a valid floating point value".
double StrToFloat(const QString &text);

// Nearest whole number, ties to even; throws the floating point error for
// values that do not fit 64 bits (the text is the value's own reading).
int64_t RoundToInt64(double value, const QString &textForError);

// Fixed-point writing of a value, rounded half away from zero on its
// shortest decimal form, so that 146.525005 gives 146.52501.
QString FormatFixed(double value, int decimals);
QString FormatOneDecimal(double value);   // 67 -> "67.0", .5 -> "0.5"
QString FormatFiveDecimals(double value); // 146.52 -> "146.52000"

// "from" to "to" as decimal texts, for the lists of numbered choices.
QStringList NumberTexts(int from, int to);

} // namespace lumora
