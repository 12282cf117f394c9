#include "memory/ChannelTyping.h"

#include "memory/ChannelColumns.h"
#include "memory/Conversions.h"
#include "memory/Errors.h"
#include "memory/FrequencyText.h"
#include "memory/ToneText.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <cmath>

namespace lumora {

namespace {
// The context these messages are translated in.
struct ValueTexts {
    Q_DECLARE_TR_FUNCTIONS(ValueTexts)
};
} // namespace

namespace {

QString place(int col, int row) { return ValueTexts::tr("%1 of channel %2").arg(ChannelCaptions()[col]).arg(row); }

TypedChannelText refuse(int col, int row, const QString &why)
{
    return {true, QString(), ValueTexts::tr("%1: %2").arg(place(col, row), why)};
}

// The digits after the point, beyond what the cell keeps, are all zero.
bool keepsValue(const QString &text, int decimals)
{
    const int point = static_cast<int>(text.indexOf(QLatin1Char('.')));
    if (point < 0)
        return true;
    for (int i = point + 1 + decimals; i < text.size(); ++i)
        if (text[i] != QLatin1Char('0'))
            return false;
    return true;
}

TypedChannelText frequency(int col, int row, const QString &text)
{
    if (CheckFrequencyText(text).isEmpty() || !keepsValue(text, 5))
        return refuse(col, row, QStringLiteral("\"%1\" is not a frequency; %2").arg(text, WhatChannelColumnTakes(col)));
    return {false, text, QString()};
}

TypedChannelText tone(int col, int row, const QString &typed, const QString &text)
{
    if (text.isEmpty() || text == QLatin1String("NONE"))
        return {false, text, QString()};
    static const QRegularExpression dcs(QStringLiteral("^[0-7]{1,3}[NI]$"));
    static const QRegularExpression number(QStringLiteral("^[0-9]*\\.?[0-9]*$"));
    const QStringList &tones = CtcssTones();
    auto taken = [&](const QString &canonical) {
        const QString note = ChannelCellNote(col, canonical);
        return TypedChannelText{false, canonical, note.isEmpty() ? note : ValueTexts::tr("%1: %2").arg(place(col, row), note)};
    };
    if (dcs.match(text).hasMatch())
        return taken(NormalizeToneText(text));
    if (!number.match(text).hasMatch() || text == QLatin1String("."))
        return refuse(col, row, QStringLiteral("\"%1\" is not a tone; %2").arg(typed.trimmed(), WhatChannelColumnTakes(col)));
    const double hz = StrToFloat(text);
    const double lowest = StrToFloat(tones.first()), highest = StrToFloat(tones.last());
    if (hz < lowest || hz > highest || !keepsValue(text, 1)) {
        static const QRegularExpression threeDigits(QStringLiteral("^[0-9]{3}$"));
        if (threeDigits.match(text).hasMatch() && (hz < lowest || hz > highest))
            return refuse(col, row, QStringLiteral("\"%1\" is no tone the radio has; a DCS code is written %1N or %1I")
                                            .arg(text));
        return refuse(col, row, QStringLiteral("\"%1\" is not a tone the radio can send; %2")
                                        .arg(typed.trimmed(), WhatChannelColumnTakes(col)));
    }
    return taken(FormatOneDecimal(hz));
}

int printable(const QString &text)
{
    int n = 0;
    for (QChar c : text)
        if (!c.isSpace())
            ++n;
    return n;
}

} // namespace

QString ChannelCellNote(int col, const QString &text)
{
    if ((col != ColToneDec && col != ColToneEnc) || text.isEmpty() || ToneVocabulary().contains(text)
        || text == QLatin1String(" "))
        return QString();
    if (text.endsWith(QLatin1Char('N')) || text.endsWith(QLatin1Char('I')))
        return ValueTexts::tr("%1 is not one of the radio's DCS codes; it is kept").arg(text);
    return ValueTexts::tr("%1 Hz is not one of the radio's standard tones; it is kept").arg(text);
}

QChar TypedDecimalPoint(QChar c) { return c == QLatin1Char(',') ? QLatin1Char('.') : c; }

QString WhatChannelColumnTakes(int col)
{
    if (col == ColRxFreq || col == ColTxFreq)
        return ValueTexts::tr("type MHz with up to five decimals, for example 146.52");
    if (col == ColToneDec || col == ColToneEnc)
        return ValueTexts::tr("type a tone from %1 to %2 Hz such as 88.5, a DCS code such as 023N or 023I, or NONE")
                .arg(CtcssTones().first(), CtcssTones().last());
    const ChannelColumnInfo &info = ChannelColumnTable().at(static_cast<size_t>(col));
    return info.items ? ValueTexts::tr("it takes one of %1").arg(info.items().join(QStringLiteral(", "))) : QString();
}

TypedChannelText JudgeTypedChannelText(int col, int row, const QString &typed, const std::optional<QString> &taken,
                                       const QString &rxFreqNow)
{
    const ChannelColumnInfo &info = ChannelColumnTable().at(static_cast<size_t>(col));
    if (!taken)
        return refuse(col, row, ValueTexts::tr("\"%1\" is not one of %2")
                                        .arg(typed.trimmed(), info.items().join(QStringLiteral(", "))));
    const QString text = *taken;
    // A character the cell does not take is never dropped in silence;
    // an item of a list may differ from it in case only.
    const bool listed = info.items && info.items().contains(text) && text.compare(typed.trimmed(), Qt::CaseInsensitive) == 0;
    if (!listed && printable(text) < printable(typed))
        return refuse(col, row, ValueTexts::tr("\"%1\" has characters the cell does not take; %2")
                                        .arg(typed.trimmed(), WhatChannelColumnTakes(col)));
    if (IsEmptyField(text) && (col == ColRxFreq || col == ColTxFreq))
        return {false, text, QString()}; // a channel deleted, or one that does not transmit
    // Clearing a cell of a channel that is none (a Delete over a row whose
    // RX Freq went first) changes nothing and says nothing.
    if (col != ColRxFreq && IsEmptyField(rxFreqNow) && typed.trimmed().isEmpty())
        return {false, text, QString()};
    if (col != ColRxFreq && IsEmptyField(rxFreqNow))
        return refuse(col, row, ValueTexts::tr("type its RX Freq first; a channel exists only while it has one"));
    if (col == ColRxFreq || col == ColTxFreq)
        return frequency(col, row, text);
    if (col == ColToneDec || col == ColToneEnc)
        return tone(col, row, typed, text);
    return {false, text, QString()};
}

} // namespace lumora
