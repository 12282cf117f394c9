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

} // namespace lumora
