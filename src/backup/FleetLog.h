#pragma once
// The log of a fleet run: one CSV row per radio, appended, flushed and
// synced to the disk as each radio ends, so that a run stopped midway (or
// the power gone) loses nothing. A row that cannot be written whole is
// taken back and thrown about. A run started again with the same log goes
// on from it.

#include "backup/FleetIdentities.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace lumora {

struct FleetLogRow {
    QDateTime time;
    QString port;
    int radio = 0; // its number in the run, from 1
    FleetIdentity identity;
    bool ok = false;
    QString result;      // "ok", or why it failed
    QStringList differences;
    QString notLogged; // why the row could not be logged, or empty
};

class FleetLog {
public:
    // An empty name keeps no log. Reads what an earlier run left there (as
    // far as its rows are whole); throws EFOpenError when the file cannot be
    // read, EFCreateError when a new one cannot be written.
    explicit FleetLog(const QString &fileName);
    // Rows that were cut short (a full disk) and so not read, or empty.
    const QString &Notice() const { return notice_; }
    // The identities written successfully so far, and the last radio's number.
    const QVector<FleetIdentity> &Given() const { return given_; }
    int LastRadio() const { return lastRadio_; }
    // Throws EFCreateError when the row cannot be written and synced.
    void Append(const FleetLogRow &row);
    // The whole rows of a log, read only (a roster); throws EFOpenError
    // when it cannot be read or is no fleet log.
    static QVector<FleetLogRow> ReadRows(const QString &fileName);

private:
    // The rows of a log's text, the numbers of its lines cut short in cut.
    static QVector<FleetLogRow> parse(const QString &fileName, const QByteArray &text, QStringList &cut);
    QString fileName_;
    QVector<FleetIdentity> given_;
    int lastRadio_ = 0;
    QString notice_;
    bool endsInLine_ = true; // the file's last row ends with its newline
};

} // namespace lumora
