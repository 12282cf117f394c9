#pragma once
// A whole radio in one file: the main memory (the channel table and all ten
// options) and the four signalling areas, each as the keys of its settings
// file, under the format version and the area "radio". Since format 2 each
// area also keeps its blocks as the radio gave them, 28 payload bytes in
// hexadecimal per block (main: channels 1 to 16, then the options):
//   { "format": 2, "area": "radio",
//     "main": { "Channels": [16 rows of 15 texts], "TOT": "60", ...,
//               "bytes": ["00451d09...", ... 17 blocks] },
//     "dtmf": {...}, "2tone": {...}, "5tone": {...}, "fsk": {...} }
// Files of format 1 (texts only) still load.

#include "memory/AssignedBytes.h"
#include "memory/CellTable.h"
#include "memory/OptionSettings.h"
#include "signalling/SettingsFile.h"

#include <QPair>
#include <QVector>

namespace lumora {

using AreaSettings = QVector<QPair<QString, SettingsValues>>; // area name, values
// Each area's blocks, in the order of its settings; empty where a file has none.
using AreaBytes = QVector<std::vector<Payload>>;
constexpr int kBackupFormat = 2;
// A snapshot of the radio history keeps the areas its transfer saw, and
// under this key when, where and from what it was taken.
inline const char *const kHistoryKey = "history";

// The main memory as settings: "Channels" and one key per option label.
SettingsValues MainMemorySettings(const ICellTable &channels, const OptionTexts &options);
void ApplyMainMemorySettings(const SettingsValues &values, ICellTable &channels, OptionTexts &options);

QByteArray WriteRadioBackup(const AreaSettings &areas, const AreaBytes &bytes = {});
// Checks the whole file against the areas' shapes (and each area's bytes
// against its block count); throws EFOpenError naming the area and the key
// that does not fit. bytes, if given, receives each area's blocks.
// format, if given, receives the file's format.
AreaSettings ReadRadioBackup(const QByteArray &json, const AreaSettings &shapes, const QString &fileName,
                             AreaBytes *bytes = nullptr, const QVector<int> &blockCounts = {}, int *format = nullptr);

// Of areas, those the file holds (a snapshot may hold some only); all of
// them when it holds none, or is no JSON (the reader then says why).
QStringList AreasInRadioBackup(const QByteArray &json, const QStringList &areas);

void SaveRadioBackup(const QString &fileName, const AreaSettings &areas, const AreaBytes &bytes = {});
AreaSettings LoadRadioBackup(const QString &fileName, const AreaSettings &shapes, AreaBytes *bytes = nullptr,
                             const QVector<int> &blockCounts = {}, int *format = nullptr);

} // namespace lumora
