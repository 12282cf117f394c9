#pragma once
// The radio's areas by the names their files and lumora-cli use.

#include "protocol/AreaTable.h"

#include <QString>
#include <QStringList>

namespace lumora::area {

inline const QString Main = QStringLiteral("main"); // the channels and the options
inline const QString Dtmf = QStringLiteral("dtmf");
inline const QString TwoTone = QStringLiteral("2tone");
inline const QString FiveTone = QStringLiteral("5tone");
inline const QString FleetSync = QStringLiteral("fsk");

// The signalling areas, in the order a backup takes them.
inline QStringList Signalling()
{
    QStringList names;
    for (const AreaInfo *area : SignallingAreaList())
        names << QString::fromLatin1(area->key);
    return names;
}

// Every area, in the order a backup takes them.
inline QStringList All()
{
    QStringList names;
    for (const AreaInfo &area : AreaTable())
        if (!names.contains(QLatin1String(area.key)))
            names << QString::fromLatin1(area.key);
    return names;
}

// An area's title by its name ("fsk": "FleetSync"); an unknown name as it is.
inline QString Title(const QString &name)
{
    for (const AreaInfo &area : AreaTable())
        if (name == QLatin1String(area.key))
            return QString::fromLatin1(area.title);
    return name;
}

} // namespace lumora::area
