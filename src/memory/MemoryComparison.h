#pragma once
// What the radio would hold after a write, and how that differs from what
// it holds: the texts a read of the written bytes would show, compared
// field by field with the texts a read showed. Bytes the tool does not
// assign (channel offsets 28 to 30, options 20 to 31) have no text and so
// are never compared.

#include "memory/AssignedBytes.h"
#include "memory/CellTable.h"
#include "memory/OptionSettings.h"
#include "memory/TextTable.h"

#include <QStringList>

namespace lumora {

// Encodes every channel and the options as a write does (throwing its
// conversion errors) and decodes them again.
void TextsAfterWriting(const ICellTable &channels, const OptionTexts &options, TextTable &expectedChannels,
                       OptionTexts &expectedOptions);

// One line per differing field: "Channel 3, TX Freq: written 145.00000, read 145.10000".
QStringList CompareMainMemory(const ICellTable &expectedChannels, const OptionTexts &expectedOptions,
                              const ICellTable &readChannels, const OptionTexts &readOptions);

// The main memory's blocks in the order a write sends them: channels 1 to
// 16, then the options.
constexpr int kMainBlockCount = 17;

// What differs between the bytes a write assigned and the bytes a read
// gave, one line per field: the texts when they differ ("Channel 2, TX
// Freq: written 144.90000, read 145.50000"), and the stored values beside
// them when the texts look the same ("... written 145.00000 (145000000 Hz),
// read 145.00000 (145000001 Hz)"). An assigned byte of no field is named by
// its offset.
// written and read name the two sides in the lines.
QStringList CompareMainMemoryBytes(const std::vector<AssignedBlock> &written, const std::vector<Payload> &read,
                                   const QString &writtenWord = QStringLiteral("written"),
                                   const QString &readWord = QStringLiteral("read"));

} // namespace lumora
