#pragma once
// Channel lists in CHIRP's CSV format, which repeater directories and
// other programming tools export. Columns are found by their header name;
// the 21-column header of current CHIRP and the older 17-column one both
// read, extra columns are ignored. Every imported text passes the rules a
// typed text passes (frequency range, canonical tones).

#include "memory/CellTable.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace lumora {

struct ChirpImportSummary {
    int rowsTaken = 0;
    QStringList skipped; // "Location 17: ..." for each row not taken
    // The summary as the user is told it.
    QString text() const;
};

// Reads the whole file first: a malformed one (no Frequency column,
// unbalanced quotes, a number that is not one) throws EFOpenError naming
// the line, and the table is not touched. The rows taken replace their
// channels (Location 1 to 16; a file whose locations start at 0 is shifted
// by one); other channels stay as they are. A file that yields no row
// changes nothing.
ChirpImportSummary ImportChirpCsv(const QByteArray &csv, ICellTable &channels);

// The channels in use, one row each, under the 21-column header, in
// CHIRP's number formats.
QByteArray ExportChirpCsv(const ICellTable &channels);

} // namespace lumora
