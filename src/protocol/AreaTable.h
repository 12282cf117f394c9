#pragma once
// The radio's memory areas, each written once: its block type and blocks,
// the name its files and lumora-cli use, the title its window, menus and
// messages use, the name of its blocks in a virtual radio's memory file
// and its entry in the main window's "Signa" menu. The main memory is two block types (the channels and the options),
// each signalling area one.

#include "protocol/Frames.h"

#include <QString>
#include <vector>

namespace lumora {

struct AreaInfo {
    BlockType type;
    int firstBlock;
    int lastBlock;
    const char *key;      // "main", "dtmf", "2tone", "5tone", "fsk"
    const char *title;    // "DTMF", "2TONE", ...; the main memory's: "main memory"
    const char *imageKey; // "channel", "settings", "dtmf", "fleetsync", ...
    const char *menuText; // its entry in the "Signa" menu; the main memory has none
    int blockCount() const { return lastBlock - firstBlock + 1; }
};

// Every block type, the main memory's first; then the signalling areas in
// the order a backup takes them (DTMF, 2TONE, 5TONE, FleetSync).
const std::vector<AreaInfo> &AreaTable();
// The area of a block type; null for a type the radio does not have.
const AreaInfo *FindArea(BlockType type);
// The signalling areas, in the order a backup takes them.
std::vector<const AreaInfo *> SignallingAreaList();

} // namespace lumora
