// The tone and frequency text rules, and the cell rules of a channel row,
// on any texts: they refuse with a conversion error or give a text they
// would give again.

#include "FuzzSupport.h"

#include "memory/ChannelCellRules.h"
#include "memory/ChannelColumns.h"
#include "memory/Errors.h"
#include "memory/FrequencyText.h"
#include "memory/ToneText.h"

using namespace lumora;
using namespace lumora::fuzz;

extern "C" int LLVMFuzzerInitialize(int *, char ***) { return 0; }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Input in(data, size);
    const QString tone = in.text(in.byte() % 24);
    try {
        const QString once = NormalizeToneText(tone);
        LUMORA_FUZZ_CHECK(NormalizeToneText(once) == once, tone + QStringLiteral(" -> ") + once);
        if (!once.isEmpty() && once != QStringLiteral("NONE")) {
            // A tone text encodes to a word that reads back as the same
            // text, or the encoder refuses it: never another word.
            try {
                const uint16_t word = EncodeToneWord(once);
                const std::optional<QString> back = DecodeToneWord(word);
                LUMORA_FUZZ_CHECK(back && *back == once, once);
            } catch (const EConvertError &) {
            }
        }
    } catch (const EConvertError &) {
    }
    const QString frequency = in.text(in.byte() % 24);
    try {
        const QString once = CheckFrequencyText(frequency);
        LUMORA_FUZZ_CHECK(CheckFrequencyText(once) == once, frequency + QStringLiteral(" -> ") + once);
    } catch (const ELumoraError &) {
    }
    // A row of typed texts, one cell committed: only that row changes.
    TextTable table(kChannelColumns, kChannelRows);
    FillChannelLabels(table);
    const int row = 1 + in.byte() % kChannelCount;
    for (int c = 1; c < kChannelColumns; ++c)
        table.setCellText(c, row, in.text(in.byte() % 12));
    const TextTable before = CopyOf(table);
    const int col = 1 + in.byte() % (kChannelColumns - 1);
    try {
        ApplyChannelCellRules(table, col, row);
    } catch (const EConvertError &) {
    }
    for (int r = 0; r < kChannelRows; ++r)
        if (r != row)
            for (int c = 0; c < kChannelColumns; ++c)
                LUMORA_FUZZ_CHECK(table.cellText(c, r) == before.cellText(c, r), QStringLiteral("row %1").arg(r));
    return 0;
}
