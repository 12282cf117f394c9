#pragma once
// The radio's DTMF area: block type 1, blocks 0 to 3. Block 0 holds the
// encoder and decoder settings and the digit counts; blocks 1 to 3 the
// sixteen autodial memories, six packed words each. The controls are texts
// (the texts are the data); the memories are column 1 of a 17-row table.

#include "memory/CellTable.h"
#include "signalling/BlockFields.h"

#include <QString>
#include <QStringList>
#include <array>

namespace lumora {

constexpr int kDtmfBlocks = 4;
constexpr int kDtmfMemories = 16;

// The DTMF window's controls, by their names.
struct DtmfControls {
    QString cb1 = QStringLiteral("6");      // DTMF Spend [digit/s]
    QString cb2 = QStringLiteral("0");      // First Digit Time [ms]
    QString cb3 = QStringLiteral("100");    // First Digit Delay [ms]
    QString cb4 = QStringLiteral("0");      // # and * Tone [ms]
    QString cb5 = QStringLiteral("D Code"); // D Code Assignment
    bool CheckB1 = true;                    // DTMF Side Tone
    QString Edit1 = QStringLiteral("12345678"); // ID Code
    QString cb6 = QStringLiteral("Off");    // Group Code
    QString cb7 = QStringLiteral("10");     // Auto Reset Timer [s]
    QString cb8 = QStringLiteral("Normal"); // Call Alert
    QString cb9 = QStringLiteral("Off");    // Transpond
    bool CheckB2 = false;                   // Clear To Transpond
    bool operator==(const DtmfControls &o) const;
};

// The boxes' lists, cb1 to cb9 (index 0 unused; Edit1 has none).
const QStringList &DtmfItems(int box);
// The labels, by control name ("cb1", "CheckB1", "Edit1", ...).
QString DtmfLabel(const QString &control);

// Counts of the ID code (entry 0) and memories 1 to 8, as block 0 had them.
using DtmfDigitCounts = std::array<uint8_t, 9>;

Payload EncodeDtmfBlock(int index, const DtmfControls &controls, const ICellTable &memories);
// Decodes the answer in frame (block index at 2, d0 at 4) into the controls,
// the memory table and, for block 0, the digit counts. An index other than
// 0 to 3 changes nothing.
void DecodeDtmfBlock(const uint8_t *frame, DtmfControls &controls, ICellTable &memories,
                     DtmfDigitCounts &counts);

} // namespace lumora
