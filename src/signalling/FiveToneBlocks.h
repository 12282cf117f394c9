#pragma once
// The radio's 5TONE area: block type 4, blocks 0 to 16. Block 0 holds the
// five standards' TX time, group and duplication codes and the delays;
// blocks 1 to 8 the encode entries, blocks 9 to 16 the decode entries, as
// 14-byte row records, two per block. Codes are five hexadecimal digits in
// three bytes.

#include "memory/CellTable.h"
#include "signalling/BlockFields.h"

#include <QString>
#include <QStringList>

namespace lumora {

constexpr int kFiveToneBlocks = 17;
constexpr int kFiveToneRows = 16;
constexpr int kFiveToneStandards = 5;

// The delay boxes cb1 to cb4 (the standard box and the reset time travel
// in no block).
struct FiveToneControls {
    QString cb1 = QStringLiteral("500"); // Sending First Frame Coding Delay Time(ms)
    QString cb2 = QStringLiteral("500"); // Sending Second Frame Coding Delay Time(ms)
    QString cb3 = QStringLiteral("500"); // Sending Third Frame Coding Delay Time(ms)
    QString cb4 = QStringLiteral("500"); // Extended Duration of The First Tone of Each Group
    bool operator==(const FiveToneControls &o) const;
};

QString FiveToneLabel(const QString &control);
const QStringList &FiveToneStandards(); // "CCIR", "EIA", "EEA", "ZVEI1", "ZVEI2": indexes 1 to 5
const QStringList &FiveToneFunctions(); // "CALL" 0 to "AWAKEN" 8
const QStringList &FiveToneDelays();    // "50" to "1000" in steps of 50
const QStringList &HexDigits();         // "0" to "9", "A" to "F"
// The sixteen tone frequencies of a standard ("1981.0", ...), digit 0 to
// F; empty for a text that names none of the five.
QStringList ToneTable(const QString &standard);

// One to eight hexadecimal digits and nothing else; anything else throws
// EConvertError "'$text' is not a valid integer value".
uint32_t HexCodeValue(const QString &text);
QString HexDigitText(uint8_t byte); // its low nibble
QString HexByteText(uint8_t byte);  // two digits, high nibble first

// The row rules on a committed cell of the encode (decode = false) or
// decode grid: nothing before a row's column 1, and a new column 1 fills
// the rest of the row with its defaults.
void ApplyFiveToneRowDefaults(ICellTable &grid, bool decode, int col, int row);

// previous: the payload the frame before left in the transmit buffer; an
// encode record does not write its last byte, which keeps it.
Payload EncodeFiveToneBlock(int index, const FiveToneControls &controls, const ICellTable &standards,
                            const ICellTable &encode, const ICellTable &decode, const Payload &previous);
void DecodeFiveToneBlock(const uint8_t *frame, FiveToneControls &controls, ICellTable &standards,
                         ICellTable &encode, ICellTable &decode);

} // namespace lumora
