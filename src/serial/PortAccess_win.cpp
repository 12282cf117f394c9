#include "serial/PortAccess.h"

// Whether a port opens, by Windows: one open, and what its error means.
// Windows lets one program at a time have a port, and does not say which.

#include "serial/SerialLink.h"
#include "serial/WindowsPorts.h"

#include <windows.h>

namespace lumora {

QStringList ProgramsHolding(const QString &)
{
    return {};
}

PortAccess CheckPortAccess(const QString &device)
{
    const std::wstring path = QString::fromStdString(SerialLink::devicePath(device.toStdString())).toStdWString();
    const HANDLE port = ::CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_OVERLAPPED, nullptr);
    if (port != INVALID_HANDLE_VALUE) {
        ::CloseHandle(port);
        return {PortAccess::Opens, QString()};
    }
    const DWORD error = ::GetLastError();
    switch (ClassifyPortOpenError(error)) {
    case PortOpenError::Missing:
        return {PortAccess::Missing, MissingText(device)};
    case PortOpenError::Busy:
        return {PortAccess::Busy, PortTexts::tr("%1: busy. Another program has it open (Windows gives a port to "
                                                 "one program at a time). Close the other program and try again.")
                                          .arg(device)};
    case PortOpenError::Failed:
        break;
    }
    wchar_t text[512] = {};
    ::FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, text, 512, nullptr);
    return {PortAccess::Failed,
            PortTexts::tr("%1: cannot be opened: %2").arg(device, QString::fromWCharArray(text).trimmed())};
}

} // namespace lumora
