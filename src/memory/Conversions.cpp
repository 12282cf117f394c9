#include "memory/Conversions.h"

#include "memory/Errors.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>
#include <limits>

namespace lumora {

namespace {
// The context these messages are translated in.
struct ValueTexts {
    Q_DECLARE_TR_FUNCTIONS(ValueTexts)
};
} // namespace

namespace {

[[noreturn]] void throwInteger(const QString &text)
{
    throw EConvertError(ValueTexts::tr("'%1' is not a valid integer value").arg(text));
}

[[noreturn]] void throwFloat(const QString &text)
{
    throw EConvertError(ValueTexts::tr("'%1' is not a valid floating point value").arg(text));
}

bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

int hexValue(QChar c)
{
    if (isDigit(c))
        return c.unicode() - '0';
    const ushort u = c.unicode() | 0x20;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return -1;
}

} // namespace

void CheckFits(const QString &where, const QString &text, qint64 value, qint64 low, qint64 high, int step)
{
    if (value >= low && value <= high)
        return;
    ERangeError e((step > 1 ? ValueTexts::tr("%1 '%2' does not fit the radio: it holds %3 to %4 in steps of %5")
                                     .arg(where, text.trimmed())
                                     .arg(low)
                                     .arg(high)
                                     .arg(step)
                            : ValueTexts::tr("%1 '%2' does not fit the radio: it holds %3 to %4")
                                      .arg(where, text.trimmed())
                                      .arg(low)
                                      .arg(high)));
    e.setDetail(where);
    throw e;
}

int StrToInt(const QString &text)
{
    int i = 0;
    const int n = text.size();
    while (i < n && text[i] == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    int base = 10;
    if (i < n && text[i] == QLatin1Char('$')) {
        base = 16;
        ++i;
    } else if (i + 1 < n && text[i] == QLatin1Char('0')
               && (text[i + 1] == QLatin1Char('x') || text[i + 1] == QLatin1Char('X'))) {
        base = 16;
        i += 2;
    }
    if (i >= n)
        throwInteger(text);
    // Hexadecimal readings cover the full 32 bits ($FFFFFFFF is -1).
    const uint64_t limit = base == 16 ? 0xFFFFFFFFull
                                      : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    uint64_t value = 0;
    for (; i < n; ++i) {
        const int d = base == 16 ? hexValue(text[i]) : (isDigit(text[i]) ? text[i].unicode() - '0' : -1);
        if (d < 0)
            throwInteger(text);
        value = value * base + d;
        if (value > limit)
            throwInteger(text);
    }
    const auto bits = static_cast<uint32_t>(value);
    const int32_t result = static_cast<int32_t>(negative ? (0u - bits) : bits);
    return result;
}

double StrToFloat(const QString &text)
{
    int i = 0;
    int n = text.size();
    auto blank = [&](int k) { return text[k].unicode() <= ' '; };
    while (i < n && blank(i))
        ++i;
    while (n > i && blank(n - 1))
        --n;
    QByteArray ascii;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        ascii.append(static_cast<char>(text[i++].unicode()));
    int digits = 0;
    bool point = false;
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (isDigit(c)) {
            ++digits;
        } else if (c == QLatin1Char('.') && !point) {
            point = true;
        } else {
            break;
        }
        ascii.append(static_cast<char>(c.unicode()));
    }
    if (digits == 0)
        throwFloat(text);
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        ascii.append('e');
        ++i;
        if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
            ascii.append(static_cast<char>(text[i++].unicode()));
        int expDigits = 0;
        for (; i < n && isDigit(text[i]); ++i, ++expDigits)
            ascii.append(static_cast<char>(text[i].unicode()));
        if (expDigits == 0)
            throwFloat(text);
    }
    if (i != n)
        throwFloat(text);
    bool ok = false;
    const double value = ascii.toDouble(&ok); // locale independent
    if (!ok || !std::isfinite(value))
        throwFloat(text);
    return value;
}

int64_t RoundToInt64(double value, const QString &textForError)
{
    // 2^62 keeps far clear of the conversion's undefined range.
    if (!std::isfinite(value) || std::fabs(value) >= 4.6e18)
        throwFloat(textForError);
    return static_cast<int64_t>(std::nearbyint(value));
}

QString FormatFixed(double value, int decimals)
{
    // Shortest decimal form that reads back as the same double, then a
    // decimal rounding on its digits.
    QString s = QString::number(value, 'f', QLocale::FloatingPointShortest);
    bool negative = s.startsWith(QLatin1Char('-'));
    if (negative)
        s.remove(0, 1);
    int dot = s.indexOf(QLatin1Char('.'));
    QString whole = dot < 0 ? s : s.left(dot);
    QString frac = dot < 0 ? QString() : s.mid(dot + 1);
    bool roundUp = frac.size() > decimals && frac[decimals] >= QLatin1Char('5');
    frac = frac.left(decimals).leftJustified(decimals, QLatin1Char('0'));
    QString digits = whole + frac;
    if (roundUp) {
        int k = digits.size() - 1;
        while (k >= 0 && digits[k] == QLatin1Char('9')) {
            digits[k] = QLatin1Char('0');
            --k;
        }
        if (k < 0)
            digits.prepend(QLatin1Char('1'));
        else
            digits[k] = QChar(digits[k].unicode() + 1);
    }
    whole = digits.left(digits.size() - decimals);
    frac = digits.right(decimals);
    bool zero = true;
    for (QChar c : digits)
        zero = zero && c == QLatin1Char('0');
    QString result = (negative && !zero) ? QStringLiteral("-") : QString();
    result += whole;
    if (decimals > 0)
        result += QLatin1Char('.') + frac;
    return result;
}

QString FormatOneDecimal(double value) { return FormatFixed(value, 1); }

QString FormatFiveDecimals(double value) { return FormatFixed(value, 5); }

QStringList NumberTexts(int from, int to)
{
    QStringList l;
    for (int i = from; i <= to; ++i)
        l << QString::number(i);
    return l;
}

} // namespace lumora
