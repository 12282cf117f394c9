#pragma once
// The radio's 2TONE area: block type 3, blocks 0 to 10. Block 0 holds the
// tones A to D, the timing and encode entries 1 and 2; blocks 1 and 2 the
// encode entries 3 to 16; blocks 3 to 10 the decode rows, two per block.
// Encode entries are columns 1 and 2 of a 17-row table; decode rows have
// four decoders of three columns each (pair, response mode, prompt).

#include "memory/CellTable.h"
#include "signalling/BlockFields.h"

#include <QString>
#include <QStringList>

namespace lumora {

constexpr int kTwoToneBlocks = 11;
constexpr int kTwoToneRows = 16;
constexpr int kTwoToneDecodeColumns = 13;

struct TwoToneControls {
    QString ed1 = QStringLiteral("1981"); // Atone(hz)
    QString ed2 = QStringLiteral("1124"); // Btone(hz)
    QString ed3 = QStringLiteral("1197"); // Ctone(hz)
    QString ed4 = QStringLiteral("1275"); // Dtone(hz)
    QString ed5 = QStringLiteral("6000"); // Rest Time(ms)
    QString cb1 = QStringLiteral("500");  // First Frequency Time(ms)
    QString cb2 = QStringLiteral("500");  // Second Frequency Time(ms)
    QString cb3 = QStringLiteral("500");  // Interval Between Two Frequency (ms)
    bool operator==(const TwoToneControls &o) const;
};

QString TwoToneLabel(const QString &control);
const QStringList &TwoTonePairs();         // "AB" ... "DB"
const QStringList &TwoToneResponseModes(); // "NONE", "REMIND", "REPLY", "REMIND+REPLY"
const QStringList &TwoTonePrompts();       // "1" to "16"
const QStringList &TwoToneTimes();         // "50" to "1000" in steps of 50

// A pair byte as letters: each nibble 0xA to 0xD gives "A" to "D", others nothing.
QString PairToText(uint8_t pair);
// Letters read as a hexadecimal number; throws "'$...' is not a valid integer value".
int TextToPair(const QString &text);

// The decode row rules on a committed cell: nothing before a row's
// Decode1, and a new Decode1 resets the rest of the row.
void ApplyTwoToneDecodeRowRules(ICellTable &decode, int col, int row);

Payload EncodeTwoToneBlock(int index, const TwoToneControls &controls, const ICellTable &encode,
                           const ICellTable &decode);
void DecodeTwoToneBlock(const uint8_t *frame, TwoToneControls &controls, ICellTable &encode, ICellTable &decode);

} // namespace lumora
