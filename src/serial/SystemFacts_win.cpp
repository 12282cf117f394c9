#include "serial/CableTraps.h"

// The facts as Windows keeps them: the USB devices of the known cable
// chips plugged in now, from the registry and the device manager.

#include "serial/WindowsPorts.h"

namespace lumora {

SystemFacts GatherSystemFacts(const QString &)
{
    SystemFacts facts;
    facts.windows = true;
    for (const WindowsUsbDevice &w : RegistryUsbDevices()) {
        if (!w.present || CableChipName(w.vendorId, w.productId).isEmpty())
            continue;
        UsbSerialDevice d;
        d.vendorId = w.vendorId;
        d.productId = w.productId;
        d.product = QString::fromStdString(w.name);
        d.driver = QString::fromStdString(w.service);
        d.port = QString::fromStdString(w.port);
        d.problemCode = static_cast<int>(w.problemCode);
        facts.devices.push_back(d);
    }
    for (const std::string &port : RegistrySerialPorts())
        facts.serialPorts << QString::fromStdString(port);
    return facts;
}

QString PortDriver(const QString &port, const QString &)
{
    for (const WindowsUsbDevice &w : RegistryUsbDevices())
        if (w.present && QString::fromStdString(w.port).compare(port, Qt::CaseInsensitive) == 0)
            return QString::fromStdString(w.service);
    return QString();
}

QString PseudoTerminalMaker(const QString &, const QString &) { return QString(); }

} // namespace lumora
