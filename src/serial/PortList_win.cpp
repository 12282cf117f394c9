#include "serial/PortList.h"

// The ports Windows lists in the registry; the linked-ports folder is the
// virtual radio's, which is POSIX only.

#include "serial/WindowsPorts.h"

#include <QDir>

namespace lumora {

QString LinkedPortsFolder()
{
    const QString set = qEnvironmentVariable("LUMORA_PORTS_DIR");
    return set.isEmpty() ? QDir::tempPath() + QStringLiteral("/lumora-ports") : set;
}

QVector<SerialPortEntry> ListSerialPortEntries()
{
    QVector<SerialPortEntry> entries;
    for (const std::string &name : RegistrySerialPorts())
        entries.push_back({QString::fromStdString(name), QString()});
    return entries;
}

} // namespace lumora
