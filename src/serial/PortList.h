#pragma once
// The serial devices of this machine, as the names a user types, with
// what the system says each is.

#include <QString>
#include <QStringList>
#include <QVector>
#include <utility>

// A port name as this system writes them, for help texts and messages.
#ifdef _WIN32
#define LUMORA_EXAMPLE_PORT "COM3"
#else
#define LUMORA_EXAMPLE_PORT "/dev/ttyUSB0"
#endif

namespace lumora {

struct SerialPortEntry {
    SerialPortEntry(QString n = QString(), QString d = QString()) : name(std::move(n)), description(std::move(d)) {}
    QString name;        // the device path that is opened
    QString description; // "CP2102 USB to UART Bridge Controller", or empty
    // What the system knows of the device (empty, or -1, where it knows nothing).
    QString manufacturer;
    QString serialNumber;
    int vendorId = -1;
    int productId = -1;
};

// Sorted as text, ignoring case.
QStringList SortPortNames(QStringList names);
// The system's serial ports (USB adapters, on-board ports) and the
// devices linked into the linked-ports folder (a virtual radio's).
QVector<SerialPortEntry> ListSerialPortEntries();
QStringList ListSerialPorts(); // their names
// Where symbolic links to further devices are listed from: LUMORA_PORTS_DIR,
// else $XDG_RUNTIME_DIR/lumora-ports, else /tmp/lumora-ports-UID.
QString LinkedPortsFolder();

} // namespace lumora
