#include "serial/WindowsPorts.h"

#include <algorithm>
#include <cwctype>
#include <windows.h>

namespace lumora {

namespace {

std::string utf8(const wchar_t *text, int length)
{
    const int n = ::WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n > 0 ? n : 0), '\0');
    if (n > 0)
        ::WideCharToMultiByte(CP_UTF8, 0, text, length, out.data(), n, nullptr, nullptr);
    return out;
}

bool before(const std::string &a, const std::string &b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::towlower(static_cast<unsigned char>(x)) < std::towlower(static_cast<unsigned char>(y));
    });
}

} // namespace

std::vector<std::string> RegistrySerialPorts(const wchar_t *key)
{
    HKEY handle = nullptr;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, key, 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return {};
    std::vector<std::string> ports;
    for (DWORD index = 0;; ++index) {
        wchar_t name[256], data[256]; // the value's name, and its data: the port
        DWORD nameLength = 256, dataBytes = sizeof data, type = 0;
        const LONG result = ::RegEnumValueW(handle, index, name, &nameLength, nullptr, &type,
                                            reinterpret_cast<BYTE *>(data), &dataBytes);
        if (result == ERROR_NO_MORE_ITEMS)
            break;
        if (result != ERROR_SUCCESS) {
            ports.clear(); // a listing cut short lists nothing
            break;
        }
        if (type != REG_SZ)
            continue;
        int length = static_cast<int>(dataBytes / sizeof(wchar_t));
        while (length > 0 && data[length - 1] == L'\0')
            --length;
        ports.push_back(utf8(data, length));
    }
    ::RegCloseKey(handle);
    std::stable_sort(ports.begin(), ports.end(), before);
    return ports;
}

} // namespace lumora
