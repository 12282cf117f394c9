#pragma once
// The frames of a main write: the sixteen channel blocks and the settings
// block, each assembled in the transmit buffer from its index 0.

#include "memory/AssignedBytes.h"
#include "memory/ChannelArrangement.h"
#include "memory/CellTable.h"
#include "memory/OptionSettings.h"
#include "memory/ChannelColumns.h"
#include "memory/TextTable.h"
#include "protocol/Frames.h"

#include <vector>

namespace lumora {

// The radio's own blocks and the texts a read of them showed: a write
// sends a channel's (or the options') bytes as the radio gave them while
// its texts are unchanged, so that it gives back what the table cannot show.
struct MainBaseline {
    std::vector<Payload> blocks; // channels 1 to 16, then the options; empty: none
    TextTable channels{kChannelColumns, kChannelRows};
    OptionTexts options{};
    // The radio's channel (1 to 16) each channel of the table holds since
    // the channels were rearranged, or 0 for none: the bytes go with it.
    ChannelOrder rows = UnchangedOrder();
    void Rearrange(const ChannelOrder &order) { rows = ComposedOrder(rows, order); }
    // The radio's block b (0 to 15 the channels, 16 the options) while the
    // texts that show it are unchanged; null otherwise.
    const Payload *kept(int b, const ICellTable &table, const OptionTexts &now) const;
};

// "W", 0, n, 0x20, channel n from row n, 0xFF at 31, check value. Bytes 28
// to 30 keep what the buffer holds. Returns 34. Throws EConvertError.
// A kept channel goes out as the radio gave it.
int BuildChannelFrame(FrameBuffer &tx, const ICellTable &table, int n, const MainBaseline *baseline = nullptr);

// "W", 5, 0, 0x20, the options, check value; 20 to 31 keep what the buffer
// holds (in a write: the tail of channel 16). Returns 34. Throws.
int BuildSettingsFrame(FrameBuffer &tx, const OptionTexts &options, const MainBaseline *baseline = nullptr,
                       const ICellTable *table = nullptr);

// The seventeen payloads a main write sends, channels 1 to 16 and then the
// options, each assembled as the write assembles it in a buffer that holds
// tx to begin with: the bytes no field sets are what the frames before
// left there. Throws the first conversion error, so that nothing is sent
// of a table that cannot be written whole.
std::vector<Payload> MainWriteImage(FrameBuffer tx, const ICellTable &table, const OptionTexts &options,
                                    const MainBaseline *baseline = nullptr);

// The radio's bytes in a baseline that a write of the texts it shows, as a
// program sends them from a file of them, would not give back: one line
// per field or byte ("Channel 3, RX Freq: a write of the table sends ...,
// the radio holds ...").
QStringList MainValuesNotWrittenBack(const MainBaseline &baseline);
// The baseline of these blocks: the texts a read of them shows.
MainBaseline MainBaselineOf(const std::vector<Payload> &blocks);

} // namespace lumora
