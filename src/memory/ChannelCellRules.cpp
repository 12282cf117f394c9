#include "memory/ChannelCellRules.h"

#include "memory/ChannelColumns.h"
#include "memory/Conversions.h"
#include "memory/FrequencyText.h"
#include "memory/ToneText.h"

namespace lumora {

void ApplyChannelCellRules(ICellTable &t, int col, int row)
{
    auto cell = [&](int c) { return t.cellText(c, row); };
    auto set = [&](int c, const QString &text) { t.setCellText(c, row, text); };
    auto fiveDecimals = [](const QString &mhz) { return FormatFiveDecimals(StrToFloat(mhz)); };

    if (col == ColRxFreq && !IsEmptyField(cell(ColRxFreq)))
        set(ColRxFreq, CheckFrequencyText(cell(ColRxFreq)));
    if (col == ColTxFreq && !IsEmptyField(cell(ColRxFreq)) && !IsEmptyField(cell(ColTxFreq)))
        set(ColTxFreq, CheckFrequencyText(cell(ColTxFreq)));
    if (col == ColRxFreq && !IsEmptyField(cell(ColRxFreq)))
        set(ColRxFreq, fiveDecimals(cell(ColRxFreq)));
    if (col == ColTxFreq && !IsEmptyField(cell(ColRxFreq)) && !IsEmptyField(cell(ColTxFreq)))
        set(ColTxFreq, fiveDecimals(cell(ColTxFreq)));
    if (col == ColRxFreq && !IsEmptyField(cell(ColRxFreq)) && cell(ColToneDec).isEmpty()
        && cell(ColToneEnc).isEmpty()) {
        // A channel being created.
        set(ColTxFreq, cell(ColRxFreq));
        const QStringList &defaults = NewChannelDefaults();
        for (int c = ColToneDec; c < kChannelColumns; ++c)
            set(c, defaults[c]);
    }
    set(ColToneDec, NormalizeToneText(cell(ColToneDec)));
    set(ColToneEnc, NormalizeToneText(cell(ColToneEnc)));
    if (IsEmptyField(cell(ColRxFreq))) {
        set(col, QString());
        for (int c = ColRxFreq; c < kChannelColumns; ++c)
            set(c, QString());
    }
}

} // namespace lumora
