#include "protocol/Frames.h"

#include "protocol/Crc16.h"

namespace lumora {

int FirstBlockIndex(BlockType type)
{
    return type == BlockType::Channel ? 1 : 0;
}

int LastBlockIndex(BlockType type)
{
    switch (type) {
    case BlockType::Channel: return 16;
    case BlockType::Dtmf: return 3;
    case BlockType::FleetSync: return 2;
    case BlockType::TwoTone: return 10;
    case BlockType::FiveTone: return 16;
    case BlockType::Settings: return 0;
    }
    return -1;
}

int BuildGreeting(FrameBuffer &tx)
{
    static const char greeting[] = "PROGRAM";
    for (int i = 0; i < kGreetingLength; ++i)
        tx[i] = static_cast<uint8_t>(greeting[i]);
    FillFrameCrc(tx.data());
    return kGreetingLength;
}

int BuildReadRequest(FrameBuffer &tx, BlockType type, uint8_t index)
{
    tx[0] = kReadMark;
    tx[1] = static_cast<uint8_t>(type);
    tx[2] = index;
    tx[3] = kHeaderEnd;
    return kRequestLength;
}

void BuildDataFrameHeader(FrameBuffer &tx, BlockType type, uint8_t index)
{
    tx[0] = kWriteMark;
    tx[1] = static_cast<uint8_t>(type);
    tx[2] = index;
    tx[3] = kHeaderEnd;
}

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
