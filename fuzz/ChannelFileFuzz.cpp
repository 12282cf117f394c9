// The channel file loader on any bytes: it takes a file whole or refuses
// it with its message and leaves the table and the options as they were;
// what it takes saves and loads back the same.

#include "FuzzSupport.h"

#include "memory/ChannelColumns.h"
#include "memory/ChannelFile.h"
#include "memory/Errors.h"

#include <QTemporaryDir>

using namespace lumora;
using namespace lumora::fuzz;

extern "C" int LLVMFuzzerInitialize(int *, char ***) { return 0; }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    TextTable table(kChannelColumns, kChannelRows);
    FillPattern(table);
    OptionTexts options;
    for (size_t i = 0; i < options.size(); ++i)
        options[i] = QStringLiteral("option%1").arg(i);
    const TextTable before = CopyOf(table);
    const OptionTexts optionsBefore = options;
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<int>(size));
    try {
        ReadChannelFile(bytes, table, options, QStringLiteral("fuzz.wh"));
    } catch (const EFOpenError &e) {
        LUMORA_FUZZ_CHECK(SameCells(table, before) && options == optionsBefore, e.text());
        LUMORA_FUZZ_CHECK(e.text().startsWith(QStringLiteral("\"fuzz.wh\" is not a channel file: ")), e.text());
        return 0;
    }
    // Taken: saved and loaded again, it is the same table.
    static QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("again.wh"));
    SaveChannelFile(table, options, file);
    TextTable again(kChannelColumns, kChannelRows);
    OptionTexts againOptions = options;
    LoadChannelFile(again, againOptions, file);
    for (int r = 0; r < kChannelRows; ++r)
        for (int c = 0; c < kChannelColumns; ++c) {
            // An empty cell comes back as one blank, as the file format has it.
            const QString was = table.cellText(c, r), is = again.cellText(c, r);
            LUMORA_FUZZ_CHECK(is == was || (was.isEmpty() && is == QStringLiteral(" ")) ||
                                      (was.trimmed().isEmpty() && is.trimmed().isEmpty()),
                              QStringLiteral("row %1 col %2: '%3' came back as '%4'").arg(r).arg(c).arg(was, is));
        }
    return 0;
}
