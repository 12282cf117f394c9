#include "memory/MemoryComparison.h"

#include "memory/ByteField.h"
#include "memory/ChannelBlock.h"
#include "memory/ChannelColumns.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cstring>

namespace lumora {

namespace {
// The context these messages are translated in.
struct ComparisonTexts {
    Q_DECLARE_TR_FUNCTIONS(ComparisonTexts)
};
} // namespace

namespace {

QString shown(const QString &text) { return text.trimmed().isEmpty() ? ComparisonTexts::tr("(empty)") : text; }

QString optionName(int id) { return QString(Option(static_cast<OptionId>(id)).label).remove(QLatin1Char(':')); }

std::array<uint8_t, 34> frameOf(int channel, const Payload &payload)
{
    std::array<uint8_t, 34> frame{};
    frame[2] = static_cast<uint8_t>(channel);
    std::memcpy(frame.data() + 4, payload.data(), payload.size());
    return frame;
}

} // namespace

QString SideWord(const char *word)
{
    [[maybe_unused]] static const char *const words[] = {
            QT_TRANSLATE_NOOP("ComparisonTexts", "written"), QT_TRANSLATE_NOOP("ComparisonTexts", "read"),
            QT_TRANSLATE_NOOP("ComparisonTexts", "now"),     QT_TRANSLATE_NOOP("ComparisonTexts", "snapshot"),
            QT_TRANSLATE_NOOP("ComparisonTexts", "radio"),   QT_TRANSLATE_NOOP("ComparisonTexts", "other")};
    return ComparisonTexts::tr(word);
}

QStringList CompareMainMemoryBytes(const std::vector<Payload> &written, const std::vector<Payload> &read,
                                   const QString &writtenWord, const QString &readWord)
{
    QStringList differences;
    const size_t blocks = std::min(written.size(), read.size());
    for (size_t b = 0; b < blocks; ++b) {
        std::vector<int> differing;
        for (int i = 0; i < static_cast<int>(read[b].size()); ++i)
            if (written[b][static_cast<size_t>(i)] != read[b][static_cast<size_t>(i)])
                differing.push_back(i);
        if (differing.empty())
            continue;
        const bool options = b == kChannelCount;
        const int channel = static_cast<int>(b) + 1;
        const auto w = frameOf(channel, written[b]), r = frameOf(channel, read[b]);
        // The texts each side shows, decoded as a read decodes them.
        TextTable wt(kChannelColumns, kChannelRows), rt(kChannelColumns, kChannelRows);
        OptionTexts wo = DefaultOptionTexts(), ro = DefaultOptionTexts();
        if (options) {
            DecodeSettingsBlock(w.data(), wo);
            DecodeSettingsBlock(r.data(), ro);
        } else {
            DecodeChannelBlock(w.data(), wt);
            DecodeChannelBlock(r.data(), rt);
        }
        const QString block = options ? ComparisonTexts::tr("Option") : ComparisonTexts::tr("Channel %1,").arg(channel);
        std::vector<bool> named(34, false);
        for (const ByteField &f : options ? OptionFields() : ChannelFields()) {
            bool differs = false;
            for (int i = f.offset; i < f.offset + f.width; ++i)
                differs = differs || std::find(differing.begin(), differing.end(), i - 4) != differing.end();
            if (!differs)
                continue;
            std::fill_n(named.begin() + f.offset, f.width, true);
            const QString field = options ? optionName(f.shownBy) : ChannelCaptions()[f.shownBy];
            const QString wText = options ? wo[static_cast<size_t>(f.shownBy)] : wt.cellText(f.shownBy, channel);
            const QString rText = options ? ro[static_cast<size_t>(f.shownBy)] : rt.cellText(f.shownBy, channel);
            // A text that differs says it; the same texts, or an empty one
            // (a value without a text), need the stored values beside them.
            if (wText.trimmed() != rText.trimmed() && !wText.trimmed().isEmpty() && !rText.trimmed().isEmpty())
                differences << ComparisonTexts::tr("%1 %2: %3 %4, %5 %6")
                                       .arg(block, field, writtenWord, shown(wText), readWord, shown(rText));
            else
                differences << ComparisonTexts::tr("%1 %2: %3 %4 (%5), %6 %7 (%8)")
                                       .arg(block, field, writtenWord, shown(wText), f.storedText(w.data()), readWord,
                                            shown(rText), f.storedText(r.data()));
        }
        for (int offset : differing)
            if (!named[static_cast<size_t>(offset + 4)])
                differences << ComparisonTexts::tr("%1 byte d%2: %3 0x%4, %5 0x%6")
                                       .arg(options ? ComparisonTexts::tr("Options,") : block)
                                       .arg(offset)
                                       .arg(writtenWord)
                                       .arg(w[static_cast<size_t>(offset + 4)], 2, 16, QLatin1Char('0'))
                                       .arg(readWord)
                                       .arg(r[static_cast<size_t>(offset + 4)], 2, 16, QLatin1Char('0'));
    }
    return differences;
}

} // namespace lumora
