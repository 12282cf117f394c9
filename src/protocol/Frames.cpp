#include "protocol/Frames.h"

#include "protocol/AreaTable.h"
#include "protocol/Crc16.h"

namespace lumora {

int FirstBlockIndex(BlockType type)
{
    const AreaInfo *area = FindArea(type);
    return area ? area->firstBlock : 0;
}

int LastBlockIndex(BlockType type)
{
    const AreaInfo *area = FindArea(type);
    return area ? area->lastBlock : -1;
}

int BuildGreeting(FrameBuffer &tx)
{
    static const char greeting[] = "PROGRAM";
    for (int i = 0; i < kGreetingLength; ++i)
        tx[i] = static_cast<uint8_t>(greeting[i]);
    FillFrameCrc(tx.data());
    return kGreetingLength;
}

namespace {

void header(FrameBuffer &tx, uint8_t mark, BlockType type, uint8_t index)
{
    tx[0] = mark;
    tx[1] = static_cast<uint8_t>(type);
    tx[2] = index;
    tx[3] = kHeaderEnd;
}

} // namespace

int BuildReadRequest(FrameBuffer &tx, BlockType type, uint8_t index)
{
    header(tx, kReadMark, type, index);
    return kRequestLength;
}

void BuildDataFrameHeader(FrameBuffer &tx, BlockType type, uint8_t index) { header(tx, kWriteMark, type, index); }

int FinishDataFrame(FrameBuffer &tx)
{
    FillFrameCrc(tx.data());
    return kFrameLength;
}

int BuildAcknowledgement(FrameBuffer &tx)
{
    tx[0] = kAck;
    return 1;
}

} // namespace lumora
