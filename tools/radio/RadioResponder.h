#pragma once
// The radio's side of the programming protocol, without a port: bytes
// from the host go in, answers come out.
//
//   "PROGRAM"                      -> 0x06
//   "R", type, index, 0x20         -> "W", type, index, 0x20, 28 bytes, CRC
//   "W", type, index, 0x20, 28, CRC -> 0x06 and the block stored (bad CRC:
//                                      no answer)
//   "W", 2, index, 0x20, 28 bytes  -> FleetSync: stored and 0x06, no CRC
//
// Messages are recognised one after another in what has come, each answered
// in turn; bytes that begin no message (the left-over tail of a 34-byte
// retransmission, the host's own 0x06) are passed over.

#include "RadioImage.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace lumora::radio {

struct Faults {
    double drop = 0;    // probability of ignoring a message
    double corrupt = 0; // probability of flipping one bit of an answer
    int dropFirst = 0;  // messages ignored before any other fault applies
    int quietAfter = -1; // messages after this many ignored, as a radio gone quiet
    uint32_t seed = 1;
    // A block that stores one byte wrong (the bits of badMask inverted), as
    // a failing memory would: type, index, payload offset; type -1 for none.
    int badType = -1, badIndex = 0, badOffset = 0;
    uint8_t badMask = 0xFF;
    // The check value of every data answer sent low byte first, as a radio
    // that computes it otherwise would.
    bool crcSwapped = false;
    // Every 0x06 sent twice, as a radio (or a line) that echoes it.
    bool doubleAck = false;
    // Message n (from 1) is taken as usual, its answer lost on the line.
    int loseAnswer = 0;
    // Every read answered with another block than the one asked for.
    bool wrongBlock = false;
    // After answering a message that begins with these bytes, the line is
    // ignored for deafSeconds, as a radio that restarts once programmed.
    std::vector<uint8_t> deafAfter;
    double deafSeconds = 0;
};

struct Outcome {
    std::vector<uint8_t> message; // the message as recognised
    std::vector<uint8_t> answer;  // empty: no answer
    bool dropped = false;
    bool corrupted = false;       // one bit of the answer flipped
    bool stored = false;          // a block was written to the image
    bool transferDone = false;    // the last block of an area was read or written
};

class RadioResponder {
public:
    using Clock = std::chrono::steady_clock;

    RadioResponder(RadioImage &image, Faults faults);

    // Bytes read from the line at `now`; returns one outcome per message.
    std::vector<Outcome> receive(const uint8_t *data, size_t count, Clock::time_point now);

    // Time for an incomplete message to be given up.
    static constexpr std::chrono::milliseconds kStale{200};

private:
    enum class Parse { Incomplete, Unknown, Done };
    Parse parseOne(Outcome &out);
    double chance();
    bool dropThis(); // decides, once per message, whether it is ignored
    // Records the message, its first length bytes; true if it is ignored.
    bool takeMessage(Outcome &out, size_t length);
    void answerData(BlockType type, int index, Outcome &out);
    void storeFrame(BlockType type, int index, const uint8_t *payload, Outcome &out);

    RadioImage &image_;
    Faults faults_;
    uint32_t rng_;
    int messages_ = 0;
    std::vector<uint8_t> pending_;
    Clock::time_point last_{};
    Clock::time_point now_{};
    Clock::time_point deafUntil_{};
    size_t length_ = 0; // of the message parsed last
};

} // namespace lumora::radio
