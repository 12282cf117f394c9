#pragma once
// One channel record as the radio stores it (block type 0, index = channel):
//   4..7  RX Hz (int32 LE)        8..11 TX Hz (0 = none)
//  12..13 decode tone word       14..15 encode tone word
//  16 power  17 W/N  18 scan add (0x00 / 0xFF)
//  19..20 step Hz (uint16 LE)  21, 22 DTMF keys  23 PTTID  24 scrambler
//  25 compandor  26 PTTID type  27 PTTID number  28..30 untouched  31 0xFF
// `frame` points at the frame's first byte (the 0x57) and holds at least 32.

#include "memory/CellTable.h"

#include <cstdint>

namespace lumora {

// Writes offsets 4 to 30 for channel n from row n of the table. A record
// that does not convert throws before any byte is written.
void EncodeChannelBlock(const ICellTable &table, int n, uint8_t *frame);

// Writes the row named by offset 2 of a received channel block. A channel
// number outside the table's channel rows is ignored.
void DecodeChannelBlock(const uint8_t *frame, ICellTable &table);

} // namespace lumora
