#pragma once
// What the main window does with a channel cell the user has committed:
// frequencies checked and written with five decimals, a new channel filled
// with defaults, tones made canonical, and a row without a receive
// frequency emptied. A channel exists only while it has one.

#include "memory/CellTable.h"

namespace lumora {

// col and row: the committed cell. May throw EConvertError for a tone text
// with characters the key filter keeps out (a hand-edited channel file).
void ApplyChannelCellRules(ICellTable &table, int col, int row);

} // namespace lumora
