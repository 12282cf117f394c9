#include "protocol/MainMemoryFrames.h"

#include "memory/ChannelBlock.h"
#include "memory/ChannelColumns.h"

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

} // namespace lumora
