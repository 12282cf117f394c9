#include "serial/PortList.h"

// What every system's list shares: the order and the names alone.

#include <algorithm>

namespace lumora {

QStringList SortPortNames(QStringList names)
{
    std::stable_sort(names.begin(), names.end(),
                     [](const QString &a, const QString &b) { return QString::compare(a, b, Qt::CaseInsensitive) < 0; });
    return names;
}

QStringList ListSerialPorts()
{
    QStringList names;
    for (const SerialPortEntry &e : ListSerialPortEntries())
        names << e.name;
    return names;
}

} // namespace lumora
