#pragma once
// A data answer as the radio sends it: "W", type, index, 0x20, the 28
// payload bytes and the check value.

#include "protocol/Crc16.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace lumora::test {

inline std::array<uint8_t, 34> DataAnswer(int type, int index, const std::array<uint8_t, 28> &payload)
{
    std::array<uint8_t, 34> f{0x57, static_cast<uint8_t>(type), static_cast<uint8_t>(index), 0x20};
    std::copy(payload.begin(), payload.end(), f.begin() + 4);
    FillFrameCrc(f.data());
    return f;
}

} // namespace lumora::test
