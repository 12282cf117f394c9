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
    QStringList skipped; // "Location 17 (line 18): ..." for each row not taken, with its reason
    QStringList changed; // rows taken with a value the radio does not have replaced
    bool namesLeftOut = false; // rows had names or comments, which the radio has no place for
    // The summary as the user is told it.
    QString text() const;
};

// Lines whose first cell starts with # are comments. A file without a
// usable header (Location and Frequency) or with unbalanced quotes throws
// EFOpenError naming the line, and the table is not touched. A row that
// cannot be read or holds what the radio cannot (a DCS code or tone it
// lacks, a mode other than FM and NFM) is skipped with its line and
// reason. The rows taken replace their channels (Location 1 to 16; a file
// whose locations start at 0 is shifted by one); other channels stay as
// they are. A file that yields no row changes nothing.
ChirpImportSummary ImportChirpCsv(const QByteArray &csv, ICellTable &channels);

struct ChirpExportSummary {
    int rowsWritten = 0;
    QStringList warnings; // what CHIRP will not take as written
    QString text() const;
};

// The channels in use, one row each, under the 21-column header, in
// CHIRP's number formats, the power as nominal watts.
QByteArray ExportChirpCsv(const ICellTable &channels, ChirpExportSummary *summary = nullptr);

} // namespace lumora
