#pragma once
// The channels rearranged as whole records: moved, inserted, deleted,
// swapped, sorted. Each arrangement is an order of the sixteen channels,
// applied to the table's rows (every column, shown or not) and to the
// radio's bytes the rows came with, so nothing a channel holds is lost.

#include "memory/CellTable.h"
#include "memory/ChannelColumns.h"

#include <array>

namespace lumora {

// order[i]: the channel (1 to 16) whose fields channel i + 1 gets, or 0 for
// an empty channel (every cell blank).
using ChannelOrder = std::array<int, kChannelCount>;

ChannelOrder UnchangedOrder();
bool IsUnchanged(const ChannelOrder &order);

// Channels first to last (1 to 16) moved in front of channel before (1 to
// 17, 17: to the end); the others close up. Unchanged where before lies
// within the block or right behind it.
ChannelOrder MovedChannels(int first, int last, int before);
// Channels at to 15 shift down one; channel 16, which must not be in use,
// comes to at as the new empty channel (its cells, and bytes, as they are).
ChannelOrder InsertedChannel(int at);
// Channels first to last are taken out, those below shift up, and empty
// channels fill the end.
ChannelOrder DeletedChannels(int first, int last);
ChannelOrder SwappedChannels(int a, int b);
// The channels in use ordered by the column's texts (stable: equal texts keep
// their order): frequencies and numbers by value, tones and list texts in the
// order their lists give, empty cells after the others; channels not in use
// after those in use, in their order.
ChannelOrder SortedChannels(const ICellTable &table, int col);

// Rows 1 to 16, every column from 1, rearranged by order.
void ApplyChannelOrder(ICellTable &table, const ChannelOrder &order);
// The order that is applied after first, then after second.
ChannelOrder ComposedOrder(const ChannelOrder &first, const ChannelOrder &second);

// Whether channel n (1 to 16) is in use: its RX Freq is set.
bool ChannelInUse(const ICellTable &table, int n);

} // namespace lumora
