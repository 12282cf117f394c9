#pragma once
// Keeps every image of the radio the windows read into the radio history:
// a read, a verify, a write's read-back of the main memory or of an area,
// as the windows complete them. A run of several transfers (a backup, a
// restore, a fleet radio) groups its images into one snapshot per phase.
// Nothing here sends a byte: it only listens to the windows' ends.

#include "backup/RadioHistory.h"
#include "signalling/TSignallingForm.h"

#include <QObject>
#include <map>
#include <optional>

namespace lumora {

class TForm1;

class HistoryKeeper : public QObject {
    Q_OBJECT
public:
    HistoryKeeper(TForm1 &form1, const SignallingAreas &areas, const QString &folder);
    ~HistoryKeeper() override;
    RadioHistory &History() { return history_; }

    // The images that follow go into one snapshot, from origin ("backup",
    // "before restore"); Flush keeps them (nothing when none came).
    void Group(const QString &origin);
    void Flush();
    // The origin of an image outside a group ("diff"); empty: how it was
    // read ("read", "verify", "read back after write").
    void SetOrigin(const QString &origin) { origin_ = origin; }

    // The identity last read from the port in this run (FleetSync own fleet
    // and ID, DTMF ID code), empty values where none was.
    FleetIdentity IdentityOn(const QString &port) const;
    // The identity the windows' last reads of DTMF and FleetSync give.
    FleetIdentity IdentityRead() const;

    // The last write of this run: its port and radio, and the snapshot of
    // that radio taken before it (none: nothing to undo).
    struct LastWrite {
        QString port, radio;
        QString radioAfter; // the radio's key once written (a write may give it another identity)
        QDateTime time;
        QString area;                 // its area ("main", "dtmf", ...)
        std::vector<Payload> blocks;  // what it sent, for a radio never identified
    };
    const std::optional<LastWrite> &Written() const { return written_; }
    std::optional<SnapshotInfo> UndoTarget() const;
    // What an undo checks in the radio that answers once it is read: empty
    // when it is the radio last written, else why it is not.
    QString NotTheRadioWritten() const;

    // Longest time one snapshot took to keep, in ms (for the benchmark).
    double LongestKeepMs() const { return longestMs_; }

signals:
    // Once (until a snapshot is kept again): why history is not being kept.
    void NotKept(const QString &why);
    void Kept(const lumora::SnapshotInfo &info);
    void WriteNoted();

private:
    void imageRead(const QString &area, const QString &how);
    void written(const QString &area);
    void keep(const QString &origin);
    QString port() const;
    TSignallingForm *windowOf(const QString &area) const;

    TForm1 &form1_;
    SignallingAreas areas_;
    RadioHistory history_;
    std::vector<QMetaObject::Connection> connections_;
    std::map<QString, std::vector<Payload>> pending_; // area, its blocks: the snapshot being gathered
    QString pendingHow_;
    QString group_; // the group's origin; empty outside one
    bool grouping_ = false;
    QString origin_;
    std::map<QString, FleetIdentity> identities_; // by port
    std::optional<LastWrite> written_;
    bool notKeptSaid_ = false;
    bool writtenInGroup_ = false; // the group's first write is the run's
    double longestMs_ = 0;
};

} // namespace lumora
