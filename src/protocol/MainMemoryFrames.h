#pragma once
// The frames of a main write: the sixteen channel blocks and the settings
// block, each assembled in the transmit buffer from its index 0.

#include "memory/AssignedBytes.h"
#include "memory/CellTable.h"
#include "memory/OptionSettings.h"
#include "protocol/Frames.h"

#include <vector>

namespace lumora {

// "W", 0, n, 0x20, channel n from row n, 0xFF at 31, check value. Bytes 28
// to 30 keep what the buffer holds. Returns 34. Throws EConvertError.
int BuildChannelFrame(FrameBuffer &tx, const ICellTable &table, int n);

// "W", 5, 0, 0x20, the options, check value; 20 to 31 keep what the buffer
// holds (in a write: the tail of channel 16). Returns 34. Throws.
int BuildSettingsFrame(FrameBuffer &tx, const OptionTexts &options);

// Assembles every frame of a main write, in order, into a copy of the
// buffer: throws the first conversion error, so that nothing is sent of a
// table that cannot be written whole.
void CheckMainWrite(FrameBuffer scratch, const ICellTable &table, const OptionTexts &options);

// The seventeen blocks of a main write, channels 1 to 16 and the options,
// with the bytes the write sets (not those it leaves from the buffer).
// Throws the first conversion error.
std::vector<AssignedBlock> MainWriteBlocks(const ICellTable &table, const OptionTexts &options);

} // namespace lumora
