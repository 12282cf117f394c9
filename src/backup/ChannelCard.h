#pragma once
// The channel card: a printable page of a radio's table (every channel in
// use with all its fields), its options, where it came from and when, and,
// where a read or a backup brought them, the radio's identity and what its
// signalling areas hold. Also the roster of a fleet run's log. Both as
// HTML that prints in black and white; Qt Core only.

#include "backup/FleetLog.h"
#include "backup/RadioBackupFile.h"

#include <QDateTime>
#include <QString>
#include <QVector>

namespace lumora {

struct ChannelCard {
    QString source;     // the file's name, or how the table came
    QDateTime made;     // when the card was made
    SettingsValues main; // the channels and the options, as a backup keeps them
    // The signalling areas a read (or the backup) brought; none: the card
    // names no radio.
    AreaSettings signalling;
};

QString ChannelCardHtml(const ChannelCard &card);

// One row a radio of the log: its number, identity, result and time.
QString FleetRosterHtml(const QVector<FleetLogRow> &rows, const QString &source, const QDateTime &made);

// What one signalling area holds, in a line: its texts, its checks, and
// how many of its list's rows are set.
QString SignallingSummary(const SettingsValues &values);

} // namespace lumora
