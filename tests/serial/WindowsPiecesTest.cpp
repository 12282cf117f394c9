// The Windows pieces below Qt, under Wine: the port list from the
// registry, the meaning of an open error, and GBK through code page 936.

#include "memory/CodePage936.h"
#include "serial/WindowsPorts.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <windows.h>

using namespace lumora;

TEST(WindowsPieces, PortsComeFromTheRegistrySortedIgnoringCase)
{
    const wchar_t *key = L"SOFTWARE\\LumoraTest\\SERIALCOMM";
    HKEY handle = nullptr;
    ASSERT_EQ(::RegCreateKeyExW(HKEY_LOCAL_MACHINE, key, 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr,
                                &handle, nullptr),
              ERROR_SUCCESS);
    auto set = [&](const wchar_t *name, const std::wstring &port) {
        ::RegSetValueExW(handle, name, 0, REG_SZ, reinterpret_cast<const BYTE *>(port.c_str()),
                         static_cast<DWORD>((port.size() + 1) * sizeof(wchar_t)));
    };
    set(L"\\Device\\Serial0", L"COM2");
    set(L"\\Device\\Serial1", L"COM10");
    set(L"\\Device\\VCP0", L"com1"); // the data is the port, not the value's name
    ::RegCloseKey(handle);
    EXPECT_EQ(RegistrySerialPorts(key), (std::vector<std::string>{"com1", "COM10", "COM2"}));
    ::RegDeleteKeyW(HKEY_LOCAL_MACHINE, key);
    EXPECT_TRUE(RegistrySerialPorts(L"SOFTWARE\\LumoraTest\\Missing").empty());
}

TEST(WindowsPieces, UsbDevicesComeFromTheEnumTree)
{
    // A refused PL2303 with its port, a CH340 with no driver, and a device
    // of no known vendor layout, as Windows files them.
    const std::wstring root = L"SOFTWARE\\LumoraTest\\Enum\\USB";
    auto value = [](const std::wstring &key, const wchar_t *name, const std::wstring &data) {
        HKEY handle = nullptr;
        ASSERT_EQ(::RegCreateKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS,
                                    nullptr, &handle, nullptr),
                  ERROR_SUCCESS);
        ::RegSetValueExW(handle, name, 0, REG_SZ, reinterpret_cast<const BYTE *>(data.c_str()),
                         static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
        ::RegCloseKey(handle);
    };
    const std::wstring pl = root + L"\\VID_067B&PID_2303\\5&1a2b&0&1";
    value(pl, L"DeviceDesc", L"@oem7.inf,%prolific%;Prolific USB-to-Serial Comm Port");
    value(pl, L"FriendlyName", L"PL2303HXA PHASED OUT SINCE 2012. PLEASE CONTACT YOUR SUPPLIER.");
    value(pl, L"Service", L"Ser2pl");
    value(pl + L"\\Device Parameters", L"PortName", L"COM5");
    value(root + L"\\VID_1A86&PID_7523\\6&2c&0&2", L"DeviceDesc", L"USB2.0-Serial");
    value(root + L"\\ROOT_HUB30\\4&1", L"DeviceDesc", L"USB Root Hub");

    std::vector<WindowsUsbDevice> devices = RegistryUsbDevices(root.c_str());
    ASSERT_EQ(devices.size(), 2u);
    std::sort(devices.begin(), devices.end(), [](auto &a, auto &b) { return a.vendorId < b.vendorId; });
    EXPECT_EQ(devices[0].vendorId, 0x067b);
    EXPECT_EQ(devices[0].productId, 0x2303);
    EXPECT_EQ(devices[0].name, "PL2303HXA PHASED OUT SINCE 2012. PLEASE CONTACT YOUR SUPPLIER.");
    EXPECT_EQ(devices[0].service, "Ser2pl");
    EXPECT_EQ(devices[0].port, "COM5");
    EXPECT_EQ(devices[1].vendorId, 0x1a86);
    EXPECT_EQ(devices[1].name, "USB2.0-Serial");
    EXPECT_EQ(devices[1].service, ""); // no driver
    EXPECT_FALSE(devices[1].present); // nothing of it in the device manager
    ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\LumoraTest");
    EXPECT_TRUE(RegistryUsbDevices(root.c_str()).empty());
}

TEST(WindowsPieces, OpenErrorsSayMissingOrBusy)
{
    EXPECT_EQ(ClassifyPortOpenError(ERROR_FILE_NOT_FOUND), PortOpenError::Missing);
    EXPECT_EQ(ClassifyPortOpenError(ERROR_PATH_NOT_FOUND), PortOpenError::Missing);
    EXPECT_EQ(ClassifyPortOpenError(ERROR_ACCESS_DENIED), PortOpenError::Busy);
    EXPECT_EQ(ClassifyPortOpenError(ERROR_SHARING_VIOLATION), PortOpenError::Busy);
    EXPECT_EQ(ClassifyPortOpenError(ERROR_GEN_FAILURE), PortOpenError::Failed);
    // The real port COM1 is missing or opens: never "failed" for no reason.
    const HANDLE port = ::CreateFileW(L"\\\\.\\COM99", GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_EQ(port, INVALID_HANDLE_VALUE);
    EXPECT_EQ(ClassifyPortOpenError(::GetLastError()), PortOpenError::Missing);
}

TEST(WindowsPieces, ChannelTextsGoThroughCodePage936BothWays)
{
    const std::string gbk = "CH\xD0\xC5\xB5\xC0\xD2\xBB"; // CH, then the three characters of "channel one"
    const std::u16string text = u"CH\u4FE1\u9053\u4E00";
    EXPECT_EQ(DecodeCodePage936(gbk), text);
    EXPECT_EQ(EncodeCodePage936(text), gbk);
    EXPECT_EQ(DecodeCodePage936(""), std::u16string());
    EXPECT_FALSE(DecodeCodePage936("146.52\xD0")); // a lead byte with nothing after it
    EXPECT_FALSE(EncodeCodePage936(u"\U0001F600")); // a character GBK has no code for
}
