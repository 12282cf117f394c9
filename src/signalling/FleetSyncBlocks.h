#pragma once
// The radio's FleetSync area: block type 2, blocks 0 to 2. Block 0 holds
// the own fleet and ID, baud rate, delays, side tone and entries 1 and 2;
// blocks 1 and 2 hold entries 3 to 9 and 10 to 16. The entries are
// columns 1 (Fleet) and 2 (ID) of a 17-row table.

#include "memory/CellTable.h"
#include "signalling/BlockFields.h"

#include <QString>
#include <QStringList>

namespace lumora {

constexpr int kFleetSyncBlocks = 3;
constexpr int kFleetSyncEntries = 16;

// The FleetSync window's controls, by their names.
struct FleetSyncControls {
    QString ed1 = QStringLiteral("100");  // Fleet[Own]
    QString ed2 = QStringLiteral("1000"); // ID[Own]
    QString cb1 = QStringLiteral("2400"); // FleetSync Baud Rate[bps]
    QString ed3 = QStringLiteral("400");  // Data TX Modulation Delay Time[ms]
    QString ed4 = QStringLiteral("10");   // Message Mode Timer [s]
    bool CheckBox1 = true;                // PTT ID Side Tone
    bool operator==(const FleetSyncControls &o) const;
};

const QStringList &FleetSyncBaudRates(); // "1200", "2400"
QString FleetSyncLabel(const QString &control);

Payload EncodeFleetSyncBlock(int index, const FleetSyncControls &controls, const ICellTable &entries);
// The answer in frame (block index at 2, d0 at 4); another index changes nothing.
void DecodeFleetSyncBlock(const uint8_t *frame, FleetSyncControls &controls, ICellTable &entries);

} // namespace lumora
