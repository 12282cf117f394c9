#pragma once
// Finding and opening ports the Windows way, without Qt: the port list the
// system keeps in the registry, and what an open error means to a user.

#include <string>
#include <vector>

namespace lumora {

// The data of every value under HKEY_LOCAL_MACHINE\<key> (the port names,
// such as COM3, in UTF-8), sorted as text ignoring case, so that COM10
// comes before COM2. Empty when the key cannot be opened or its listing
// fails before its end. Windows only.
std::vector<std::string> RegistrySerialPorts(const wchar_t *key = L"HARDWARE\\DEVICEMAP\\SERIALCOMM");

// What the error code of a failed open of a port (GetLastError) means: no
// such port, held by another program (Windows opens a port for one
// program at a time), or something else.
enum class PortOpenError { Missing, Busy, Failed };
PortOpenError ClassifyPortOpenError(unsigned long error);

// A USB device as Windows keeps it under HKEY_LOCAL_MACHINE\<key>\VID_xxxx&PID_yyyy\<instance>:
// the name Device Manager shows (FriendlyName, else DeviceDesc, without
// the "@oem12.inf,...;" a driver puts before it), its service (empty: no
// driver), its port (Device Parameters\PortName), and its problem code
// from the device manager (0 where there is none or it is not known);
// present: plugged in now, as the device manager knows it (the registry
// keeps every device ever plugged in).
struct WindowsUsbDevice {
    int vendorId = -1, productId = -1;
    std::string name, service, port; // UTF-8
    unsigned long problemCode = 0;
    bool present = false;
};
std::vector<WindowsUsbDevice> RegistryUsbDevices(const wchar_t *key = L"SYSTEM\\CurrentControlSet\\Enum\\USB");

} // namespace lumora
