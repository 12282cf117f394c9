#include "memory/ToneText.h"

#include "memory/Conversions.h"
#include "memory/Errors.h"
#include "memory/FrequencyText.h"

#include <QCoreApplication>

namespace lumora {

namespace {
// The context these messages are translated in.
struct ValueTexts {
    Q_DECLARE_TR_FUNCTIONS(ValueTexts)
};
} // namespace

namespace {

const QChar kN = QLatin1Char('N');
const QChar kI = QLatin1Char('I');
const QChar kO = QLatin1Char('O');
const QChar kE = QLatin1Char('E');
const QChar kD = QLatin1Char('D');
const QChar kDot = QLatin1Char('.');

int count(const QString &t, QChar c) { return CountChar(t, c); }

// A DCS shape: no O, E or "."; exactly one `letter`, standing last; none of
// the other DCS letter.
bool isDcsShape(const QString &t, QChar letter, QChar other)
{
    return count(t, kO) == 0 && count(t, kE) == 0 && count(t, kDot) == 0
           && count(t, letter) == 1 && t.endsWith(letter) && count(t, other) == 0;
}

bool isDcsShape(const QString &t)
{
    return isDcsShape(t, kI, kN) || isDcsShape(t, kN, kI);
}

bool hasToneLetters(const QString &t)
{
    return count(t, kO) + count(t, kE) + count(t, kI) + count(t, kN) > 0;
}

QString capped(const QString &t)
{
    const double v = StrToFloat(t);
    return v > 300 ? QStringLiteral("300.0") : FormatOneDecimal(v);
}

const QString kFallback = QStringLiteral("023N");

} // namespace

QString NormalizeToneText(const QString &text)
{
    const int length = text.size();
    if (length == 0)
        return QStringLiteral("NONE");
    if (text == QLatin1String(" ") || text == QLatin1String("NONE"))
        return text;
    if (length >= 5) {
        if (text.endsWith(kN))
            return kFallback;
        if (text.endsWith(kI))
            return QStringLiteral("023I");
        if (hasToneLetters(text) || count(text, kDot) > 1)
            return kFallback;
        return capped(text);
    }
    if (length == 4) {
        if (isDcsShape(text))
            return text;
        if (!hasToneLetters(text) && count(text, kD) == 0 && count(text, kDot) <= 1)
            return capped(text);
        return kFallback;
    }
    if (length == 3 || length == 2) {
        if (isDcsShape(text))
            return QString(4 - length, QLatin1Char('0')) + text;
        if (!hasToneLetters(text) && count(text, kDot) <= 1)
            return length == 3 ? capped(text) : FormatOneDecimal(StrToFloat(text));
        return kFallback;
    }
    // A single character.
    if (text[0].isDigit() && text[0].unicode() < 128)
        return FormatOneDecimal(StrToFloat(text));
    return kFallback;
}

uint16_t EncodeToneWord(const QString &text)
{
    if (text == QLatin1String("NONE"))
        return 0xFFFF;
    if (text.size() == 4 && (text[3] == kN || text[3] == kI)) {
        int n = 0;
        for (int i = 0; i < 3; ++i) {
            const QChar c = text[i];
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                throw EConvertError(
                    ValueTexts::tr("'%1' is not a valid integer value").arg(text.left(3)));
            n = n * 10 + (c.unicode() - '0');
        }
        return static_cast<uint16_t>(n | (text[3] == kN ? 0x2000 : 0xA000));
    }
    const double hz = StrToFloat(text);
    // A tone word holds 0.0 to 409.5 Hz; anything else (a negative tone
    // from a hand-edited file) would reach the radio as some other word.
    const int64_t tenths = RoundToInt64(hz * 10, text);
    if (tenths < 0 || tenths > 0x0FFF)
        throw EConvertError(ValueTexts::tr("'%1' is not a valid tone frequency").arg(text));
    return static_cast<uint16_t>(tenths);
}

std::optional<QString> DecodeToneWord(uint16_t word)
{
    if (word == 0xFFFF)
        return QStringLiteral("NONE");
    const int kind = word >> 12;
    if (kind == 0)
        return FormatOneDecimal(word / 10.0);
    if (kind == 0x2 || kind == 0xA) {
        const int n = word & 0x0FFF;
        const QString digits = n < 100 ? QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0'))
                                       : QString::number(n);
        return digits + (kind == 0xA ? kI : kN);
    }
    return std::nullopt;
}

} // namespace lumora
