#include "memory/ChannelBlock.h"

#include "memory/ChannelColumns.h"
#include "memory/Conversions.h"
#include "memory/ToneText.h"

#include <array>
#include <cstring>

namespace lumora {

namespace {

void put16(uint8_t *p, uint32_t v)
{
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}

void put32(uint8_t *p, uint32_t v)
{
    put16(p, v);
    put16(p + 2, v >> 16);
}

uint16_t get16(const uint8_t *p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

int32_t get32(const uint8_t *p)
{
    return static_cast<int32_t>(static_cast<uint32_t>(get16(p))
                                | (static_cast<uint32_t>(get16(p + 2)) << 16));
}

uint32_t frequencyHz(const QString &mhz)
{
    return static_cast<uint32_t>(RoundToInt64(StrToFloat(mhz) * 1000000.0, mhz));
}

uint8_t flag(const QString &text, const char *offText)
{
    return text == QLatin1String(offText) ? 0x00 : 0xFF;
}

// Position in a fixed list; a text outside the list takes the first entry.
uint8_t listCode(const QStringList &list, const QString &text)
{
    const int i = static_cast<int>(list.indexOf(text));
    return static_cast<uint8_t>(i < 0 ? 0 : i);
}

uint8_t keyCode(const QString &text)
{
    const int code = DtmfKeyCode(text);
    return static_cast<uint8_t>(code < 0 ? 0xFF : code);
}

QString frequencyText(int32_t hz) { return FormatFiveDecimals(hz / 1000000.0); }

} // namespace

void EncodeChannelBlock(const ICellTable &table, int n, uint8_t *frame)
{
    auto cell = [&](int col) { return table.cellText(col, n); };
    if (IsEmptyField(cell(ColRxFreq))) {
        std::memset(frame + 4, 0, 27);
        return;
    }
    // Build the fields aside, so that one that does not convert leaves the
    // buffer as it was. Offsets 28 to 30 keep what the buffer holds.
    std::array<uint8_t, 28> aside{};
    uint8_t *b = aside.data(); // indexed by frame offset
    put32(b + 4, frequencyHz(cell(ColRxFreq)));
    const QString tx = cell(ColTxFreq);
    put32(b + 8, IsEmptyField(tx) ? 0 : frequencyHz(tx));
    put16(b + 12, EncodeToneWord(cell(ColToneDec)));
    put16(b + 14, EncodeToneWord(cell(ColToneEnc)));
    b[16] = flag(cell(ColTxPower), "LOW");
    b[17] = flag(cell(ColWideNarrow), "NARROW");
    b[18] = flag(cell(ColScanAdd), "NONE");
    put16(b + 19, static_cast<uint32_t>(StrToInt(cell(ColStepFreq))));
    b[21] = keyCode(cell(ColDtmf1));
    b[22] = keyCode(cell(ColDtmf2));
    b[23] = listCode(PttIdTexts(), cell(ColPttId));
    const QString scrambler = cell(ColScrambler);
    b[24] = scrambler == QLatin1String("NONE") ? 0 : static_cast<uint8_t>(StrToInt(scrambler));
    b[25] = flag(cell(ColCompandor), "NONE");
    b[26] = listCode(PttIdTypeTexts(), cell(ColPttIdType));
    b[27] = static_cast<uint8_t>(StrToInt(cell(ColPttIdNo)));
    std::memcpy(frame + 4, b + 4, 24);
}

void DecodeChannelBlock(const uint8_t *frame, ICellTable &table)
{
    const int row = frame[2];
    if (row < 1 || row >= table.rowCount())
        return; // row 0 holds the captions
    auto set = [&](int col, const QString &text) { table.setCellText(col, row, text); };

    // Nothing stored (0), erased memory (all bits set), or a frequency
    // below 5 Hz that shows as 0.00000: no channel.
    const int32_t rx = get32(frame + 4);
    const QString rxText = rx > 0 ? frequencyText(rx) : QString();
    if (rxText.isEmpty() || rxText == QLatin1String("0.00000")) {
        for (int col = ColRxFreq; col <= ColCompandor; ++col)
            set(col, QString());
        return;
    }
    set(ColRxFreq, rxText);
    const int32_t tx = get32(frame + 8);
    set(ColTxFreq, tx == 0 ? QString() : frequencyText(tx));
    if (auto t = DecodeToneWord(get16(frame + 12)))
        set(ColToneDec, *t);
    if (auto t = DecodeToneWord(get16(frame + 14)))
        set(ColToneEnc, *t);
    set(ColTxPower, frame[16] == 0 ? QStringLiteral("LOW") : QStringLiteral("HIGH"));
    set(ColWideNarrow, frame[17] == 0 ? QStringLiteral("NARROW") : QStringLiteral("WIDE"));
    set(ColScanAdd, frame[18] == 0 ? QStringLiteral("NONE") : QStringLiteral("YES"));
    set(ColStepFreq, QString::number(get16(frame + 19)));
    for (int k = 0; k < 2; ++k) {
        const QString key = DtmfKeyText(frame[21 + k]);
        if (!key.isEmpty())
            set(ColDtmf1 + k, key);
    }
    if (frame[23] < PttIdTexts().size())
        set(ColPttId, PttIdTexts()[frame[23]]);
    set(ColScrambler, frame[24] == 0 ? QStringLiteral("NONE") : QString::number(frame[24]));
    set(ColCompandor, frame[25] == 0 ? QStringLiteral("NONE") : QStringLiteral("YES"));
    if (frame[26] < PttIdTypeTexts().size())
        set(ColPttIdType, PttIdTypeTexts()[frame[26]]);
    set(ColPttIdNo, QString::number(frame[27]));
}

} // namespace lumora
