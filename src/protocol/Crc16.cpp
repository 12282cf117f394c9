#include "protocol/Crc16.h"

namespace lumora {

uint16_t Crc16Modbus(const uint8_t *data, size_t length)
{
    uint16_t crc = 0xFFFF;
    for (size_t i = 0; i < length; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? static_cast<uint16_t>((crc >> 1) ^ 0xA001) : static_cast<uint16_t>(crc >> 1);
    }
    return crc;
}

void FillFrameCrc(uint8_t *frame)
{
    const uint16_t crc = Crc16Modbus(frame, kCrcCoveredBytes);
    frame[32] = static_cast<uint8_t>(crc >> 8);
    frame[33] = static_cast<uint8_t>(crc);
}

bool FrameCrcMatches(const uint8_t *frame)
{
    const uint16_t crc = Crc16Modbus(frame, kCrcCoveredBytes);
    return frame[32] == static_cast<uint8_t>(crc >> 8) && frame[33] == static_cast<uint8_t>(crc);
}

} // namespace lumora
