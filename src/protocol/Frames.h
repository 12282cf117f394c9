#pragma once
// The messages between tool and radio, all assembled from index 0 of the
// one transmit buffer. Bytes a message does not write keep what earlier
// messages left there: a 34-byte retransmission sends them too.

#include <array>
#include <cstdint>

namespace lumora {

constexpr int kBufferSize = 20001;
using FrameBuffer = std::array<uint8_t, kBufferSize>; // TxBuffer, RxBuffer

constexpr int kFrameLength = 34;   // header, 28 payload bytes, check value
constexpr int kPayloadOffset = 4;
constexpr int kPayloadLength = 28;
constexpr int kGreetingLength = 7; // "PROGRAM"
constexpr int kRequestLength = 4;
constexpr int kFleetSyncHeaderLength = 4;
constexpr int kRetransmitIntervalMs = 300;

constexpr uint8_t kAck = 0x06;
constexpr uint8_t kReadMark = 0x52;  // "R"
constexpr uint8_t kWriteMark = 0x57; // "W": frames and data answers
constexpr uint8_t kHeaderEnd = 0x20;

enum class BlockType : uint8_t {
    Channel = 0,   // index 1 to 16
    Dtmf = 1,      // 0 to 3
    FleetSync = 2, // 0 to 2, written without a check value
    TwoTone = 3,   // 0 to 10
    FiveTone = 4,  // 0 to 16
    Settings = 5,  // 0
};

// Index range of each block type, for the radio and for checks.
int FirstBlockIndex(BlockType type);
int LastBlockIndex(BlockType type);

// "PROGRAM" at 0 to 6 and the check value of 0 to 31 at 32 and 33, so that
// a retransmission of the greeting sends a whole 34 bytes. Returns 7.
int BuildGreeting(FrameBuffer &tx);
// "R", type, index, 0x20 at 0 to 3; the rest is left alone. Returns 4.
int BuildReadRequest(FrameBuffer &tx, BlockType type, uint8_t index);
// "W", type, index, 0x20 at 0 to 3, before the payload is filled in.
void BuildDataFrameHeader(FrameBuffer &tx, BlockType type, uint8_t index);
// Check value after a complete payload. Returns 34.
int FinishDataFrame(FrameBuffer &tx);
// 0x06 at index 0. Returns 1.
int BuildAcknowledgement(FrameBuffer &tx);

} // namespace lumora
