#include "memory/FrequencyText.h"

#include "memory/Conversions.h"
#include "memory/Errors.h"

namespace lumora {

int CountChar(const QString &text, QChar c)
{
    return static_cast<int>(text.count(c));
}

int CountLetters(const QString &text)
{
    int n = 0;
    for (QChar c : text) {
        const ushort u = c.unicode();
        if ((u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z'))
            ++n;
    }
    return n;
}

QString CheckFrequencyText(const QString &text)
{
    if (text.isEmpty())
        return QString();
    if (CountLetters(text) > 0 || CountChar(text, QLatin1Char('.')) > 1)
        return QString();
    double value = 0;
    try {
        value = StrToFloat(text);
    } catch (const EConvertError &) {
        return QString(); // bad input in a grid is cleared, not reported
    }
    // The same reading of the bound, so that "999.99999" itself passes.
    static const double upper = StrToFloat(QStringLiteral("999.99999"));
    if (value > upper || !(value > 0))
        return QString();
    return text;
}

} // namespace lumora
