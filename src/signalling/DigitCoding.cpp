#include "signalling/DigitCoding.h"

namespace lumora {

const QString &DigitCharacters(DigitCoding coding)
{
    static const QString memory = QStringLiteral("D1234567890*#ABC");
    static const QString id = QStringLiteral("D123456789*0#ABC");
    return coding == DigitCoding::Memory ? memory : id;
}

uint32_t PackDigits(const QString &text, DigitCoding coding)
{
    const QString &digits = DigitCharacters(coding);
    uint32_t word = 0;
    for (QChar c : text) {
        const auto nibble = digits.indexOf(c);
        if (nibble >= 0)
            word = word * 16 + static_cast<uint32_t>(nibble);
    }
    return word;
}

QString UnpackDigits(uint32_t word, int count, DigitCoding coding)
{
    const QString &digits = DigitCharacters(coding);
    const int n = qBound(0, count, 8);
    QString text(n, QChar());
    for (int i = 0; i < n; ++i)
        text[n - 1 - i] = digits[(word >> (4 * i)) & 0xF];
    return text;
}

int SignificantNibbles(uint32_t word)
{
    int n = 0;
    for (; word; word >>= 4)
        ++n;
    return n;
}

QString CleanDigitText(const QString &text, DigitCoding coding)
{
    const QString &digits = DigitCharacters(coding);
    QString clean;
    for (QChar c : text) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('d'))
            c = c.toUpper();
        if (digits.contains(c))
            clean += c;
    }
    return clean;
}

uint32_t EncodeMemoryDigits(const QString &text) { return PackDigits(text, DigitCoding::Memory); }

uint32_t EncodeIdDigits(const QString &text) { return PackDigits(text, DigitCoding::Id); }

void DecodeMemoryDigits(uint32_t word, int memory, int count, ICellTable &memories)
{
    memories.setCellText(1, memory, UnpackDigits(word, count, DigitCoding::Memory));
}

void DecodeIdDigits(uint32_t word, int count, QString &idCode)
{
    idCode = UnpackDigits(word, count, DigitCoding::Id);
}

} // namespace lumora
