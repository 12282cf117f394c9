#pragma once
// The serial devices of this machine, as the names a user types.

#include <QStringList>

namespace lumora {

// Sorted as text, ignoring case.
QStringList SortPortNames(QStringList names);
// The system's serial ports (USB adapters, on-board ports): device paths.
QStringList ListSerialPorts();

} // namespace lumora
