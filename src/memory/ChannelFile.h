#pragma once
// The channel file (.wh): 26 text lines ended by CR LF. Lines 1 to 17 are
// the grid rows 0 to 16 as comma-separated cells, lines 18 to 26 the texts
// of ComboBox1 to ComboBox9. Texts outside ASCII are in GBK.

#include "memory/CellTable.h"
#include "memory/OptionSettings.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace lumora {

constexpr int kChannelFileLines = 26;
constexpr qint64 kChannelFileMaxBytes = 64 * 1024;

// Writes the file through a temporary one that replaces the old file only
// when complete. Throws EFCreateError "Cannot create file "%s". %s".
void SaveChannelFile(const ICellTable &table, const OptionTexts &options, const QString &fileName);

// Reads the whole file, checks it, and only then fills the table rows and
// the nine stored option texts (Beep is not stored). Throws EFOpenError,
// leaving table and options as they were.
void LoadChannelFile(ICellTable &table, OptionTexts &options, const QString &fileName);
// The same from the file's bytes; fileName only names it in messages.
void ReadChannelFile(const QByteArray &bytes, ICellTable &table, OptionTexts &options, const QString &fileName);

// The GBK converter that channel files need (Qt's ICU converters). The
// programs refuse to start without it.
bool ChannelFileEncodingAvailable();
QString MissingChannelFileEncodingText();

// One grid row as a line: cells holding a blank, a control character, a
// quote or a comma are quoted, quotes inside doubled.
QString JoinChannelLine(const QStringList &cells);

// A line back into fields; an empty field comes back as one blank " ".
QStringList SplitChannelLine(const QString &line);

// Lines ended by CR LF, CR or LF; a last line end makes no extra line.
QStringList SplitFileLines(const QString &text);

} // namespace lumora
