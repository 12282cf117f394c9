#pragma once
// Digits packed into a 32-bit word, a nibble each, most significant first:
// the DTMF autodial memories and group code use the memory coding, the ID
// code the ID coding. The two differ only in where "0" and "*" go.

#include "memory/CellTable.h"

#include <QString>
#include <cstdint>

namespace lumora {

enum class DigitCoding { Memory, Id };

// The sixteen characters of a coding, indexed by nibble.
const QString &DigitCharacters(DigitCoding coding);

// Each character multiplies the word by 16 and adds its nibble; one outside
// the coding adds nothing and is skipped. Only the last 8 survive.
uint32_t PackDigits(const QString &text, DigitCoding coding);
// count nibbles from the low end, the lowest giving the last character.
// A word holds at most 8 nibbles, so a count above 8 unpacks 8.
QString UnpackDigits(uint32_t word, int count, DigitCoding coding);
// The nibbles of a word up to its highest non-zero one (0 for 0).
int SignificantNibbles(uint32_t word);
// The text a committed memory or ID code keeps: a to d in capitals, every
// character outside the coding removed, so that its length is the number
// of digits it packs.
QString CleanDigitText(const QString &text, DigitCoding coding);

uint32_t EncodeMemoryDigits(const QString &text);
uint32_t EncodeIdDigits(const QString &text);
// Writes memory n's cell (column 1, row n) of the memory grid.
void DecodeMemoryDigits(uint32_t word, int memory, int count, ICellTable &memories);
void DecodeIdDigits(uint32_t word, int count, QString &idCode);

} // namespace lumora
