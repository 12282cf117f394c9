// The Windows pieces below Qt, under Wine: the port list from the
// registry, the meaning of an open error, and GBK through code page 936.

#include "memory/CodePage936.h"
#include "serial/WindowsPorts.h"

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
