#include "serial/WindowsPorts.h"

#include <algorithm>
#include <cwchar>
#include <cwctype>
#include <windows.h>
#include <cfgmgr32.h>

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

// A string value of the key (or of its subkey), empty when there is none.
std::wstring stringValue(HKEY key, const wchar_t *subkey, const wchar_t *name)
{
    wchar_t data[512] = {};
    DWORD bytes = sizeof data - sizeof(wchar_t);
    if (::RegGetValueW(key, subkey, name, RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND, nullptr, data, &bytes)
        != ERROR_SUCCESS)
        return std::wstring();
    return std::wstring(data);
}

std::vector<std::wstring> subkeys(HKEY key)
{
    std::vector<std::wstring> names;
    for (DWORD index = 0;; ++index) {
        wchar_t name[256];
        DWORD length = 256;
        if (::RegEnumKeyExW(key, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        names.emplace_back(name, length);
    }
    return names;
}

// "@oem12.inf,%desc%;USB-SERIAL CH340": what follows the last ';'.
std::wstring shownName(const std::wstring &value)
{
    const size_t semicolon = value.rfind(L';');
    return value.size() > 0 && value[0] == L'@' && semicolon != std::wstring::npos ? value.substr(semicolon + 1) : value;
}

// Whether the device is plugged in now (the registry keeps every device
// ever seen), and its problem code.
void presence(const std::wstring &instance, WindowsUsbDevice &d)
{
    DEVINST node = 0;
    ULONG status = 0, problem = 0;
    std::wstring id = instance;
    d.present = ::CM_Locate_DevNodeW(&node, id.data(), CM_LOCATE_DEVNODE_NORMAL) == CR_SUCCESS;
    if (d.present && ::CM_Get_DevNode_Status(&status, &problem, node, 0) == CR_SUCCESS && (status & DN_HAS_PROBLEM))
        d.problemCode = problem;
}

} // namespace

std::vector<WindowsUsbDevice> RegistryUsbDevices(const wchar_t *key)
{
    HKEY usb = nullptr;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, key, 0, KEY_READ, &usb) != ERROR_SUCCESS)
        return {};
    std::vector<WindowsUsbDevice> devices;
    for (const std::wstring &ids : subkeys(usb)) {
        unsigned vendor = 0, product = 0;
        if (std::swscanf(ids.c_str(), L"VID_%4x&PID_%4x", &vendor, &product) != 2)
            continue;
        HKEY model = nullptr;
        if (::RegOpenKeyExW(usb, ids.c_str(), 0, KEY_READ, &model) != ERROR_SUCCESS)
            continue;
        for (const std::wstring &instance : subkeys(model)) {
            HKEY one = nullptr;
            if (::RegOpenKeyExW(model, instance.c_str(), 0, KEY_READ, &one) != ERROR_SUCCESS)
                continue;
            WindowsUsbDevice d;
            d.vendorId = static_cast<int>(vendor);
            d.productId = static_cast<int>(product);
            std::wstring name = stringValue(one, nullptr, L"FriendlyName");
            if (name.empty())
                name = stringValue(one, nullptr, L"DeviceDesc");
            const std::wstring shown = shownName(name), service = stringValue(one, nullptr, L"Service"),
                               port = stringValue(one, L"Device Parameters", L"PortName");
            d.name = utf8(shown.c_str(), static_cast<int>(shown.size()));
            d.service = utf8(service.c_str(), static_cast<int>(service.size()));
            d.port = utf8(port.c_str(), static_cast<int>(port.size()));
            presence(L"USB\\" + ids + L"\\" + instance, d);
            devices.push_back(d);
            ::RegCloseKey(one);
        }
        ::RegCloseKey(model);
    }
    ::RegCloseKey(usb);
    return devices;
}

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
