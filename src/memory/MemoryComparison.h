#pragma once
// How the bytes a main write sends differ from the bytes a read gave: every
// byte of every block, named by the field that shows it, or by its place
// where no text does.

#include "memory/AssignedBytes.h"
#include "memory/CellTable.h"
#include "memory/OptionSettings.h"
#include "memory/TextTable.h"

#include <QStringList>

namespace lumora {

// The main memory's blocks in the order a write sends them: channels 1 to
// 16, then the options.
constexpr int kMainBlockCount = 17;

// The word that names a side of a comparison, in the user's language:
// "written", "read", "now", "snapshot", "radio" or "other".
QString SideWord(const char *word);

// What differs between the bytes a write sends and the bytes a read gave,
// one line per field: the texts when they differ ("Channel 2, TX Freq:
// written 144.90000, read 145.50000"), and the stored values beside them
// when the texts look the same ("... written 145.00000 (145000000 Hz),
// read 145.00000 (145000001 Hz)"). A byte of no field is named by its
// place in the payload ("Channel 3, byte d24: written 0x00, read 0x11").
// writtenWord and readWord name the two sides in the lines.
QStringList CompareMainMemoryBytes(const std::vector<Payload> &written, const std::vector<Payload> &read,
                                   const QString &writtenWord = SideWord("written"),
                                   const QString &readWord = SideWord("read"));

} // namespace lumora
