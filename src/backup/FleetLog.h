#pragma once
// The log of a fleet run: one CSV row per radio, appended and flushed as
// each radio ends, so that a run stopped midway loses nothing. A run
// started again with the same log goes on from it.

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
};

class FleetLog {
public:
    // An empty name keeps no log. Reads what an earlier run left there;
    // throws EFOpenError when the file cannot be read or written.
    explicit FleetLog(const QString &fileName);
    // The identities written successfully so far, and the last radio's number.
    const QVector<FleetIdentity> &Given() const { return given_; }
    int LastRadio() const { return lastRadio_; }
    void Append(const FleetLogRow &row);

private:
    QString fileName_;
    QVector<FleetIdentity> given_;
    int lastRadio_ = 0;
};

} // namespace lumora
