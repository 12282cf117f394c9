#pragma once
// A block as a write sends it and which of its bytes the write sets: the
// others keep whatever the transmit buffer held, so a read of them says
// nothing about the write.

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace lumora {

using Payload = std::array<uint8_t, 28>; // frame offsets 4 to 31: d0 to d27

struct AssignedBlock {
    Payload bytes{};
    std::array<bool, 28> assigned{};
    // The payload offsets whose assigned bytes differ in read.
    std::vector<int> differingOffsets(const Payload &read) const;
};

// The bytes encode sets: those that come out the same whether the payload
// it starts from is all 0x00 or all 0xFF. encode fills a payload in place
// and is called twice; sent is what the write really sends.
AssignedBlock AssignedBy(const std::function<void(Payload &)> &encode, const Payload &sent);

} // namespace lumora
