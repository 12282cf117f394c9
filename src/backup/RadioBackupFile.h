#pragma once
// A whole radio in one file: the main memory (the channel table and all ten
// options) and the four signalling areas, each as the keys of its settings
// file, under the format version and the area "radio":
//   { "format": 1, "area": "radio",
//     "main": { "Channels": [16 rows of 15 texts], "TOT": "60", ... },
//     "dtmf": {...}, "2tone": {...}, "5tone": {...}, "fsk": {...} }

#include "memory/CellTable.h"
#include "memory/OptionSettings.h"
#include "signalling/SettingsFile.h"

#include <QPair>
#include <QVector>

namespace lumora {

using AreaSettings = QVector<QPair<QString, SettingsValues>>; // area name, values

// The main memory as settings: "Channels" and one key per option label.
SettingsValues MainMemorySettings(const ICellTable &channels, const OptionTexts &options);
void ApplyMainMemorySettings(const SettingsValues &values, ICellTable &channels, OptionTexts &options);

QByteArray WriteRadioBackup(const AreaSettings &areas);
// Checks the whole file against the areas' shapes; throws EFOpenError
// naming the area and the key that does not fit.
AreaSettings ReadRadioBackup(const QByteArray &json, const AreaSettings &shapes, const QString &fileName);

void SaveRadioBackup(const QString &fileName, const AreaSettings &areas);
AreaSettings LoadRadioBackup(const QString &fileName, const AreaSettings &shapes);

} // namespace lumora
