#include "protocol/MainMemoryFrames.h"

#include "memory/ChannelBlock.h"
#include "memory/ChannelColumns.h"
#include "memory/Errors.h"
#include "memory/MemoryComparison.h"

#include <QCoreApplication>

#include <algorithm>

namespace lumora {

namespace {
// The context these messages are translated in.
struct FrameTexts {
    Q_DECLARE_TR_FUNCTIONS(FrameTexts)
};
} // namespace

const Payload *MainBaseline::kept(int b, const ICellTable &table, const OptionTexts &now) const
{
    if (blocks.size() != static_cast<size_t>(kChannelCount + 1))
        return nullptr;
    if (b == kChannelCount)
        return now == options ? &blocks.back() : nullptr;
    const int radio = rows[static_cast<size_t>(b)];
    if (radio < 1)
        return nullptr; // a channel the radio did not give
    for (int col = 1; col < kChannelColumns; ++col)
        if (table.cellText(col, b + 1) != channels.cellText(col, radio))
            return nullptr;
    return &blocks[static_cast<size_t>(radio - 1)];
}

namespace {

int keptFrame(FrameBuffer &tx, const Payload &payload)
{
    std::copy(payload.begin(), payload.end(), tx.begin() + kPayloadOffset);
    return FinishDataFrame(tx);
}

} // namespace

int BuildChannelFrame(FrameBuffer &tx, const ICellTable &table, int n, const MainBaseline *baseline)
{
    BuildDataFrameHeader(tx, BlockType::Channel, static_cast<uint8_t>(n));
    if (const Payload *radio = baseline ? baseline->kept(n - 1, table, baseline->options) : nullptr)
        return keptFrame(tx, *radio);
    EncodeChannelBlock(table, n, tx.data());
    tx[31] = 0xFF;
    return FinishDataFrame(tx);
}

int BuildSettingsFrame(FrameBuffer &tx, const OptionTexts &options, const MainBaseline *baseline,
                       const ICellTable *table)
{
    BuildDataFrameHeader(tx, BlockType::Settings, 0);
    if (const Payload *radio = baseline && table ? baseline->kept(kChannelCount, *table, options) : nullptr)
        return keptFrame(tx, *radio);
    EncodeSettingsBlock(options, tx.data());
    return FinishDataFrame(tx);
}

namespace {

Payload payloadOf(const FrameBuffer &tx)
{
    Payload p;
    std::copy_n(tx.begin() + kPayloadOffset, p.size(), p.begin());
    return p;
}

} // namespace

std::vector<Payload> MainWriteImage(FrameBuffer tx, const ICellTable &table, const OptionTexts &options,
                                    const MainBaseline *baseline)
{
    std::vector<Payload> image;
    BuildGreeting(tx);
    for (int n = 1; n <= kChannelCount; ++n) {
        BuildChannelFrame(tx, table, n, baseline);
        image.push_back(payloadOf(tx));
    }
    BuildSettingsFrame(tx, options, baseline, &table);
    image.push_back(payloadOf(tx));
    return image;
}

QStringList MainValuesNotWrittenBack(const MainBaseline &baseline)
{
    if (baseline.blocks.size() != static_cast<size_t>(kMainBlockCount))
        return {};
    QStringList lines;
    std::vector<Payload> written;
    // The texts as a write sends them without the radio's bytes (a program
    // of its own, from a file of them): a block that does not convert goes
    // as the radio gave it, as a write keeps it.
    FrameBuffer tx{};
    for (int b = 0; b < kMainBlockCount; ++b) {
        try {
            if (b == kChannelCount)
                BuildSettingsFrame(tx, baseline.options);
            else
                BuildChannelFrame(tx, baseline.channels, b + 1);
            written.push_back(payloadOf(tx));
        } catch (const ELumoraError &e) {
            written.push_back(baseline.blocks[static_cast<size_t>(b)]); // nothing of it to compare
            std::copy(written.back().begin(), written.back().end(), tx.begin() + kPayloadOffset);
            const QString what = QString::fromUtf8(e.what());
            const QString why = e.detail().isEmpty() ? what : what + QStringLiteral(", ") + e.detail();
            lines << (b == kChannelCount
                              ? FrameTexts::tr("Options: the texts the radio's bytes show do not convert (%1); a write "
                                               "keeps the radio's bytes while they are unchanged")
                                        .arg(why)
                              : FrameTexts::tr("Channel %1: the texts the radio's bytes show do not convert (%2); a "
                                               "write keeps the radio's bytes while it is unchanged")
                                        .arg(b + 1)
                                        .arg(why));
        }
    }
    return lines + CompareMainMemoryBytes(written, baseline.blocks, FrameTexts::tr("a write of the table sends"),
                                          FrameTexts::tr("the radio holds"));
}

MainBaseline MainBaselineOf(const std::vector<Payload> &blocks)
{
    MainBaseline baseline;
    baseline.blocks = blocks;
    baseline.blocks.resize(kMainBlockCount);
    FillChannelLabels(baseline.channels);
    baseline.options = DefaultOptionTexts();
    FrameBuffer frame{};
    for (int b = 0; b < kMainBlockCount; ++b) {
        const bool options = b == kChannelCount;
        BuildDataFrameHeader(frame, options ? BlockType::Settings : BlockType::Channel,
                             static_cast<uint8_t>(options ? 0 : b + 1));
        std::copy(baseline.blocks[static_cast<size_t>(b)].begin(), baseline.blocks[static_cast<size_t>(b)].end(),
                  frame.begin() + kPayloadOffset);
        if (options)
            DecodeSettingsBlock(frame.data(), baseline.options);
        else
            DecodeChannelBlock(frame.data(), baseline.channels);
    }
    return baseline;
}

} // namespace lumora
