#pragma once
// RFC 4180 records: quoted fields may hold commas, quotes (doubled) and
// line ends. Each record keeps the line it starts on; a line holding
// nothing is no record.

#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

namespace lumora {

struct CsvRecord {
    int line;
    QStringList fields;
};

// malformed(line, why) is called for a file that is no CSV (a quoted
// field not closed) and must not return.
QVector<CsvRecord> ParseCsvRecords(const QString &text, const std::function<void(int, const QString &)> &malformed);

} // namespace lumora
