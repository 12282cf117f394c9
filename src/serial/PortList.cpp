#include "serial/PortList.h"

#include <QSerialPortInfo>
#include <algorithm>

namespace lumora {

QStringList SortPortNames(QStringList names)
{
    std::stable_sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    return names;
}

QStringList ListSerialPorts()
{
    QStringList names;
    for (const QSerialPortInfo &port : QSerialPortInfo::availablePorts())
        names << port.systemLocation();
    return SortPortNames(names);
}

} // namespace lumora
