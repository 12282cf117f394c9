#include "protocol/MainMemoryFrames.h"

#include "memory/ChannelBlock.h"
#include "memory/ChannelColumns.h"

#include <algorithm>
#include <functional>

namespace lumora {

int BuildChannelFrame(FrameBuffer &tx, const ICellTable &table, int n)
{
    BuildDataFrameHeader(tx, BlockType::Channel, static_cast<uint8_t>(n));
    EncodeChannelBlock(table, n, tx.data());
    tx[31] = 0xFF;
    return FinishDataFrame(tx);
}

int BuildSettingsFrame(FrameBuffer &tx, const OptionTexts &options)
{
    BuildDataFrameHeader(tx, BlockType::Settings, 0);
    EncodeSettingsBlock(options, tx.data());
    return FinishDataFrame(tx);
}

void CheckMainWrite(FrameBuffer scratch, const ICellTable &table, const OptionTexts &options)
{
    BuildGreeting(scratch);
    for (int n = 1; n <= kChannelCount; ++n)
        BuildChannelFrame(scratch, table, n);
    BuildSettingsFrame(scratch, options);
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

std::vector<AssignedBlock> MainWriteBlocks(const ICellTable &table, const OptionTexts &options)
{
    std::vector<AssignedBlock> blocks;
    for (int n = 1; n <= kChannelCount; ++n) {
        blocks.push_back(assignedBlock([&](FrameBuffer &f) { BuildChannelFrame(f, table, n); }));
        // The 0xFF that ends a channel record carries nothing, and a radio
        // programmed by other means may hold anything there.
        blocks.back().assigned[31 - kPayloadOffset] = false;
    }
    blocks.push_back(assignedBlock([&](FrameBuffer &f) { BuildSettingsFrame(f, options); }));
    return blocks;
}

} // namespace lumora
