#include "protocol/MainMemoryFrames.h"

#include "memory/ChannelBlock.h"
#include "memory/ChannelColumns.h"
#include "memory/Errors.h"
#include "memory/MemoryComparison.h"

#include <algorithm>
#include <functional>

namespace lumora {

const Payload *MainBaseline::kept(int b, const ICellTable &table, const OptionTexts &now) const
{
    if (blocks.size() != static_cast<size_t>(kChannelCount + 1))
        return nullptr;
    if (b == kChannelCount)
        return now == options ? &blocks.back() : nullptr;
    for (int col = 1; col < kChannelColumns; ++col)
        if (table.cellText(col, b + 1) != channels.cellText(col, b + 1))
            return nullptr;
    return &blocks[static_cast<size_t>(b)];
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

void CheckMainWrite(FrameBuffer scratch, const ICellTable &table, const OptionTexts &options,
                    const MainBaseline *baseline)
{
    BuildGreeting(scratch);
    for (int n = 1; n <= kChannelCount; ++n)
        BuildChannelFrame(scratch, table, n, baseline);
    BuildSettingsFrame(scratch, options, baseline, &table);
}

namespace {

// The block a frame builder makes of a given payload to start from.
AssignedBlock assignedBlock(const std::function<void(FrameBuffer &)> &build)
{
    auto encode = [&](Payload &payload) {
        FrameBuffer frame{};
        std::copy(payload.begin(), payload.end(), frame.begin() + kPayloadOffset);
        build(frame);
        std::copy_n(frame.begin() + kPayloadOffset, payload.size(), payload.begin());
    };
    Payload sent{};
    encode(sent);
    return AssignedBy(encode, sent);
}

} // namespace

namespace {

// Block b (0 to 15 a channel, 16 the options) as a write of the texts sends it.
AssignedBlock encodedBlock(int b, const ICellTable &table, const OptionTexts &options)
{
    if (b == kChannelCount)
        return assignedBlock([&](FrameBuffer &f) { BuildSettingsFrame(f, options); });
    AssignedBlock block = assignedBlock([&](FrameBuffer &f) { BuildChannelFrame(f, table, b + 1); });
    // The 0xFF that ends a channel record carries nothing, and a radio
    // programmed by other means may hold anything there.
    block.assigned[31 - kPayloadOffset] = false;
    return block;
}

} // namespace

std::vector<AssignedBlock> MainWriteBlocks(const ICellTable &table, const OptionTexts &options,
                                           const MainBaseline *baseline)
{
    std::vector<AssignedBlock> blocks;
    for (int b = 0; b < kMainBlockCount; ++b)
        if (const Payload *radio = baseline ? baseline->kept(b, table, options) : nullptr) {
            blocks.push_back({*radio, {}});
            blocks.back().assigned.fill(true); // the radio's block, byte for byte
        } else {
            blocks.push_back(encodedBlock(b, table, options));
        }
    return blocks;
}

QStringList MainValuesNotWrittenBack(const MainBaseline &baseline)
{
    if (baseline.blocks.size() != static_cast<size_t>(kMainBlockCount))
        return {};
    QStringList lines;
    std::vector<AssignedBlock> written;
    for (int b = 0; b < kMainBlockCount; ++b) {
        try {
            written.push_back(encodedBlock(b, baseline.channels, baseline.options));
        } catch (const ELumoraError &e) {
            written.emplace_back(); // nothing of it to compare
            const QString what = QString::fromUtf8(e.what());
            lines << QStringLiteral("%1: the texts the radio's bytes show do not convert (%2); a write keeps the "
                                    "radio's bytes while %3 unchanged")
                             .arg(b == kChannelCount ? QStringLiteral("Options") : QStringLiteral("Channel %1").arg(b + 1),
                                  e.detail().isEmpty() ? what : what + QStringLiteral(", ") + e.detail(),
                                  b == kChannelCount ? QStringLiteral("they are") : QStringLiteral("it is"));
        }
    }
    return lines + CompareMainMemoryBytes(written, baseline.blocks, QStringLiteral("a write of the table sends"),
                                          QStringLiteral("the radio holds"));
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
