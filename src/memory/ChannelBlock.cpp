#include "memory/ChannelBlock.h"

#include "memory/ByteField.h"
#include "memory/ChannelColumns.h"
#include "memory/Conversions.h"
#include "memory/ToneText.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace lumora {

namespace {

uint32_t frequencyHz(const QString &mhz)
{
    return static_cast<uint32_t>(RoundToInt64(StrToFloat(mhz) * 1000000.0, mhz));
}

QString frequencyText(uint32_t hz) { return FormatFiveDecimals(static_cast<int32_t>(hz) / 1000000.0); }

// A flag the radio keeps as 0x00 (offText) or 0xFF (anything else).
ByteField flag(int offset, int col, const char *offText, const char *onText)
{
    return {offset, 1, col, [offText](const QString &t) { return t == QLatin1String(offText) ? 0x00u : 0xFFu; },
            [offText, onText](uint32_t v) {
                return std::optional<QString>(QLatin1String(v == 0 ? offText : onText));
            }};
}

// Position in a fixed list; a text outside the list takes the first entry,
// a position outside it shows nothing.
ByteField listed(int offset, int col, const QStringList &(*list)())
{
    return {offset, 1, col,
            [list](const QString &t) { return static_cast<uint32_t>(std::max<qsizetype>(0, list().indexOf(t))); },
            [list](uint32_t v) {
                return v < static_cast<uint32_t>(list().size()) ? std::optional<QString>(list()[static_cast<int>(v)])
                                                                 : std::nullopt;
            }};
}

ByteField dtmfKey(int offset, int col)
{
    return {offset, 1, col,
            [](const QString &t) {
                const int code = DtmfKeyCode(t);
                return static_cast<uint32_t>(code < 0 ? 0xFF : code);
            },
            [](uint32_t v) {
                const QString key = DtmfKeyText(static_cast<uint8_t>(v));
                return key.isEmpty() ? std::nullopt : std::optional<QString>(key);
            }};
}

ByteField tone(int offset, int col)
{
    return {offset, 2, col, [](const QString &t) { return static_cast<uint32_t>(EncodeToneWord(t)); },
            [](uint32_t v) -> std::optional<QString> { return DecodeToneWord(static_cast<uint16_t>(v)); }};
}

ByteField number(int offset, int width, int col)
{
    return {offset, width, col, [](const QString &t) { return static_cast<uint32_t>(StrToInt(t)); },
            [](uint32_t v) { return std::optional<QString>(QString::number(v)); }};
}

} // namespace

const std::vector<ByteField> &ChannelFields()
{
    static const std::vector<ByteField> fields = {
            {4, 4, ColRxFreq, frequencyHz,
             [](uint32_t v) { return std::optional<QString>(static_cast<int32_t>(v) > 0 ? frequencyText(v) : QString()); },
             true},
            {8, 4, ColTxFreq, [](const QString &t) { return IsEmptyField(t) ? 0 : frequencyHz(t); },
             [](uint32_t v) { return std::optional<QString>(v == 0 ? QString() : frequencyText(v)); }, true},
            tone(12, ColToneDec),
            tone(14, ColToneEnc),
            flag(16, ColTxPower, "LOW", "HIGH"),
            flag(17, ColWideNarrow, "NARROW", "WIDE"),
            flag(18, ColScanAdd, "NONE", "YES"),
            number(19, 2, ColStepFreq),
            dtmfKey(21, ColDtmf1),
            dtmfKey(22, ColDtmf2),
            listed(23, ColPttId, PttIdTexts),
            {24, 1, ColScrambler,
             [](const QString &t) { return t == QLatin1String("NONE") ? 0u : static_cast<uint32_t>(StrToInt(t)); },
             [](uint32_t v) { return std::optional<QString>(v == 0 ? QStringLiteral("NONE") : QString::number(v)); }},
            flag(25, ColCompandor, "NONE", "YES"),
            listed(26, ColPttIdType, PttIdTypeTexts),
            number(27, 1, ColPttIdNo),
    };
    return fields;
}

void EncodeChannelBlock(const ICellTable &table, int n, uint8_t *frame)
{
    if (IsEmptyField(table.cellText(ColRxFreq, n))) {
        std::memset(frame + 4, 0, 27);
        return;
    }
    // Build the fields aside, so that one that does not convert leaves the
    // buffer as it was. Offsets 28 to 30 keep what the buffer holds.
    std::array<uint8_t, 28> aside{}; // indexed by frame offset
    for (const ByteField &f : ChannelFields())
        f.write(aside.data(), f.toValue(table.cellText(f.shownBy, n)));
    std::memcpy(frame + 4, aside.data() + 4, 24);
}

void DecodeChannelBlock(const uint8_t *frame, ICellTable &table)
{
    const int row = frame[2];
    if (row < 1 || row >= table.rowCount())
        return; // row 0 holds the captions
    // Nothing stored (0), erased memory (all bits set), or a frequency
    // below 5 Hz that shows as 0.00000: no channel.
    const ByteField &rx = ChannelFields().front();
    const QString rxText = *rx.toText(rx.read(frame));
    const bool empty = rxText.isEmpty() || rxText == QLatin1String("0.00000");
    for (const ByteField &f : ChannelFields())
        if (empty)
            table.setCellText(f.shownBy, row, QString());
        else if (const std::optional<QString> text = f.toText(f.read(frame)))
            table.setCellText(f.shownBy, row, *text);
}

} // namespace lumora
