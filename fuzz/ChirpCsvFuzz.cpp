// The CHIRP CSV importer on any bytes: a file it refuses leaves the table
// as it was; the rows it takes are channels the radio can be written with.

#include "FuzzSupport.h"

#include "memory/ChannelColumns.h"
#include "memory/ChirpCsv.h"
#include "memory/Errors.h"
#include "memory/OptionSettings.h"
#include "protocol/MainMemoryFrames.h"

using namespace lumora;
using namespace lumora::fuzz;

extern "C" int LLVMFuzzerInitialize(int *, char ***) { return 0; }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    TextTable table(kChannelColumns, kChannelRows);
    FillChannelLabels(table); // an empty radio: every channel free
    const TextTable before = CopyOf(table);
    const QByteArray csv(reinterpret_cast<const char *>(data), static_cast<int>(size));
    ChirpImportSummary summary;
    try {
        summary = ImportChirpCsv(csv, table);
    } catch (const EFOpenError &e) {
        LUMORA_FUZZ_CHECK(SameCells(table, before), e.text());
        return 0;
    }
    int changed = 0;
    for (int r = 1; r < kChannelRows; ++r)
        for (int c = 0; c < kChannelColumns; ++c)
            if (table.cellText(c, r) != before.cellText(c, r)) {
                ++changed;
                break;
            }
    LUMORA_FUZZ_CHECK(changed <= summary.rowsTaken, summary.text());
    if (summary.rowsTaken == 0)
        LUMORA_FUZZ_CHECK(SameCells(table, before), summary.text());
    // Whatever was taken encodes: every text passed the typed-text rules.
    try {
        MainWriteImage(FrameBuffer{}, table, DefaultOptionTexts());
    } catch (const ELumoraError &e) {
        fail("an imported channel does not encode", e.text() + QStringLiteral(" | ") + e.detail());
    }
    return 0;
}
