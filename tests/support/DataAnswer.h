#pragma once
// A data answer as the radio sends it: "W", type, index, 0x20 and the 28
// payload bytes (the check value left 0: the tool does not verify it).

#include <algorithm>
#include <array>
#include <cstdint>

namespace lumora::test {

inline std::array<uint8_t, 34> DataAnswer(int type, int index, const std::array<uint8_t, 28> &payload)
{
    std::array<uint8_t, 34> f{0x57, static_cast<uint8_t>(type), static_cast<uint8_t>(index), 0x20};
    std::copy(payload.begin(), payload.end(), f.begin() + 4);
    return f;
}

} // namespace lumora::test
