#pragma once
// One text file for a bug report: the program and the system, every port
// with its description and driver, the connection check's findings, the
// settings, and the last transfer's trace. Nothing private beyond port
// names: no user or machine names, no paths but the ports.

#include "protocol/ConnectionCheck.h"
#include "serial/PortList.h"

#include <QByteArray>
#include <QString>
#include <QVector>
#include <utility>

namespace lumora {

struct DiagnosticFacts {
    QString program;                  // "lumora" or "lumora-cli"
    QVector<SerialPortEntry> ports;   // as the system lists them
    ConnectionReport check;           // the connection check's paragraphs
    QVector<std::pair<QString, QString>> settings; // key, value (see SettingsForReport)
    QByteArray trace;                 // the last transfer's lines
};

// The report's text, private names taken out (RedactPrivate).
QString DiagnosticReportText(const DiagnosticFacts &facts);

// The program's settings, each value that is no port and names a file or
// a folder replaced by "(a path)", lists by their length, window places left out.
QVector<std::pair<QString, QString>> SettingsForReport();

// The text with the home folder written "~", and the user's and the
// machine's names "USER" and "HOST" (whole words only).
QString RedactPrivate(QString text, const QString &home, const QString &user, const QString &host);

// Writes the report whole (or nothing). Throws EFCreateError.
void SaveDiagnosticReport(const QString &fileName, const QString &text);

} // namespace lumora
