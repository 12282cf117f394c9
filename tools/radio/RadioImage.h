#pragma once
// The virtual radio's memory: every block of every area, 28 bytes each.
//
// Memory file (--memory FILE), JSON:
//   { "format": "lumora-radio-memory 1",
//     "channel":   [16 blocks, channels 1 to 16],
//     "settings":  [1 block],
//     "dtmf":      [4], "fleetsync": [3], "2tone": [11], "5tone": [17] }
// Each block is 56 hex digits (its 28 payload bytes in memory order).

#include "protocol/Frames.h"

#include <QString>
#include <array>
#include <cstdint>
#include <map>
#include <vector>

namespace lumora::radio {

using Block = std::array<uint8_t, kPayloadLength>;

class RadioImage {
public:
    RadioImage(); // all blocks zero

    // A few realistic channels, default options, and the signalling areas
    // as a fresh tool writes them.
    static RadioImage BuiltIn();

    // The block of a type and index; nullptr outside the radio's memory.
    Block *block(BlockType type, int index);
    const Block *block(BlockType type, int index) const;

    // Throws std::runtime_error with a readable reason.
    static RadioImage Load(const QString &fileName);
    void save(const QString &fileName) const;

private:
    std::vector<Block> &area(BlockType type);
    const std::vector<Block> &area(BlockType type) const;

    std::map<int, std::vector<Block>> areas_; // by block type, every area of the table
};

// Area names of the memory file, by block type.
const char *AreaName(BlockType type);

} // namespace lumora::radio
