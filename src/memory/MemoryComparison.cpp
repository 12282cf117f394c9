#include "memory/MemoryComparison.h"

#include "memory/ChannelBlock.h"
#include "memory/ChannelColumns.h"

#include <array>

namespace lumora {

namespace {

QString shown(const QString &text) { return text.trimmed().isEmpty() ? QStringLiteral("(empty)") : text; }

} // namespace

void TextsAfterWriting(const ICellTable &channels, const OptionTexts &options, TextTable &expectedChannels,
                       OptionTexts &expectedOptions)
{
    FillChannelLabels(expectedChannels);
    std::array<uint8_t, 34> frame{};
    for (int n = 1; n <= kChannelCount; ++n) {
        frame.fill(0);
        frame[2] = static_cast<uint8_t>(n);
        EncodeChannelBlock(channels, n, frame.data());
        DecodeChannelBlock(frame.data(), expectedChannels);
    }
    frame.fill(0);
    EncodeSettingsBlock(options, frame.data());
    expectedOptions = DefaultOptionTexts();
    DecodeSettingsBlock(frame.data(), expectedOptions);
}

QStringList CompareMainMemory(const ICellTable &expectedChannels, const OptionTexts &expectedOptions,
                              const ICellTable &readChannels, const OptionTexts &readOptions)
{
    QStringList differences;
    for (int n = 1; n <= kChannelCount; ++n)
        for (int col = ColRxFreq; col < kChannelColumns; ++col) {
            const QString written = expectedChannels.cellText(col, n), read = readChannels.cellText(col, n);
            if (written.trimmed() != read.trimmed())
                differences << QStringLiteral("Channel %1, %2: written %3, read %4")
                                       .arg(n)
                                       .arg(ChannelCaptions()[col], shown(written), shown(read));
        }
    for (int i = 0; i < kOptionCount; ++i)
        if (expectedOptions[static_cast<size_t>(i)] != readOptions[static_cast<size_t>(i)])
            differences << QStringLiteral("Option %1: written %2, read %3")
                                   .arg(QString(Option(static_cast<OptionId>(i)).label).remove(QLatin1Char(':')),
                                        shown(expectedOptions[static_cast<size_t>(i)]),
                                        shown(readOptions[static_cast<size_t>(i)]));
    return differences;
}

} // namespace lumora
