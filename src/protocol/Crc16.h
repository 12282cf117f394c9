#pragma once
// CRC-16/MODBUS: reflected polynomial 0xA001, start 0xFFFF, no final xor.

#include <cstddef>
#include <cstdint>

namespace lumora {

uint16_t Crc16Modbus(const uint8_t *data, size_t length);

// The radio's frame check covers bytes 0 to 31 and is stored high byte
// first at 32 and 33 (the reverse of MODBUS wire order).
constexpr int kCrcCoveredBytes = 32;
void FillFrameCrc(uint8_t *frame);
bool FrameCrcMatches(const uint8_t *frame);

} // namespace lumora
