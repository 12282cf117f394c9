#pragma once
// The radio history: every image of a radio LUMORA has seen, one file
// each, in the backup file format with the radio's bytes (only the areas
// that transfer saw), under history/<radio>/<time>.json. A radio is known
// by its identity (FleetSync own fleet and ID, DTMF ID code); a radio never
// identified, by its port. Keeping never throws: a folder that cannot be
// written is said once and the transfer goes on.

#include "backup/FleetIdentities.h"
#include "backup/RadioBackupFile.h"

#include <QDateTime>
#include <QString>
#include <QVector>

namespace lumora {

// How long snapshots are kept: every one newer than days, and the last
// count of each radio whatever their age.
struct HistoryBounds {
    int days = 365;
    int count = 100;
};

// Whether history is kept and for how long, as the user set it (the
// program's settings, shared by lumora and lumora-cli).
struct HistorySettings {
    bool keep = true;
    HistoryBounds bounds;
    static HistorySettings Load();
    void Save() const;
};

struct SnapshotInfo {
    QString id;     // "<radio>/<time>", as lumora-cli names it
    QString file;
    QString radio;  // the radio's key: "fleet100-id501-dtmf77", "port-ttyUSB0"
    FleetIdentity identity;
    QDateTime time; // UTC
    QString port;
    QString origin; // "read", "before restore", "fleet run 3, radio 7"...
    QStringList areas;
    bool damaged = false;
    QString damage; // why it cannot be loaded
    // "Fleet 100, ID 501, DTMF ID 77", or "a radio on PORT never identified"
    QString RadioText() const { return RadioTextOf(identity, port); }
    static QString RadioTextOf(const FleetIdentity &identity, const QString &port);
};

struct Snapshot {
    SnapshotInfo info;
    AreaSettings areas; // in the areas' order, those the transfer saw
    AreaBytes bytes;    // each area's blocks as the radio gave them
};

// Every value of the snapshot, one line a text, box or table row:
// ("main, Channels row 3", "145.62500 / 145.62500 / ...").
QVector<QPair<QString, QString>> SnapshotFields(const QString &area, const SettingsValues &values);

// How two images of a radio differ, field by field, as diff lists it
// ("Channel 2, TX Freq: now 144.90000, snapshot 145.50000"), in the areas
// both hold; a byte no text shows is named by its block and place.
QStringList CompareImages(const Snapshot &a, const Snapshot &b, const QString &aWord, const QString &bWord);

// A snapshot's origin as the windows show it, in the user's language (the
// snapshot keeps it in English): "before restore of a.json".
QString ShownOrigin(const QString &origin);

class RadioHistory {
public:
    explicit RadioHistory(QString folder);
    // history/ in the user's data folder (QStandardPaths::AppDataLocation).
    static QString DefaultFolder();
    const QString &Folder() const { return folder_; }

    // The radio's key from its identity, or from the port when it has none.
    static QString RadioKey(const FleetIdentity &identity, const QString &port);

    // Some values of an identity (a read of FleetSync alone) completed
    // with those of the one radio seen with them, newest first.
    void CompleteIdentity(FleetIdentity &identity) const;
    // Keeps the snapshot (its id and file set in info), unless it holds just
    // what the radio's newest snapshot holds. Empty, or why nothing could be
    // kept ("No space left on device").
    QString Keep(Snapshot &snapshot);
    // Newest first; of one radio (its key, or any of its identity's values)
    // when radio is given. Damaged files are listed as such.
    QVector<SnapshotInfo> List(const QString &radio = QString()) const;
    // A snapshot by its id or its file; shapes and blockCounts: every area's,
    // in order (the snapshot's are taken from them). Throws EFOpenError for
    // one that is missing or damaged: nothing of it is taken.
    Snapshot Load(const QString &idOrFile, const AreaSettings &shapes, const QVector<int> &blockCounts) const;
    // Removes what the bounds no longer keep; the number removed.
    int Prune(const HistoryBounds &bounds, const QDateTime &now) const;
    // Prune, at most once a day (a stamp in the folder says when it last ran).
    int PruneIfDue(const HistoryBounds &bounds, const QDateTime &now) const;

private:
    SnapshotInfo infoOf(const QString &file) const;
    QString folder_;
};

} // namespace lumora
