#include "memory/CodePage936.h"

#include <windows.h>

namespace lumora {

namespace {

constexpr UINT kGbk = 936;

} // namespace

std::optional<std::u16string> DecodeCodePage936(const std::string &bytes)
{
    if (bytes.empty())
        return std::u16string();
    const int length = static_cast<int>(bytes.size());
    const int n = ::MultiByteToWideChar(kGbk, MB_ERR_INVALID_CHARS, bytes.data(), length, nullptr, 0);
    if (n <= 0)
        return std::nullopt;
    std::u16string text(static_cast<size_t>(n), u'\0');
    ::MultiByteToWideChar(kGbk, MB_ERR_INVALID_CHARS, bytes.data(), length, reinterpret_cast<wchar_t *>(text.data()), n);
    return text;
}

std::optional<std::string> EncodeCodePage936(const std::u16string &text)
{
    if (text.empty())
        return std::string();
    const auto *wide = reinterpret_cast<const wchar_t *>(text.data());
    const int length = static_cast<int>(text.size());
    BOOL replaced = FALSE;
    const int n = ::WideCharToMultiByte(kGbk, WC_NO_BEST_FIT_CHARS, wide, length, nullptr, 0, nullptr, &replaced);
    if (n <= 0 || replaced)
        return std::nullopt;
    std::string bytes(static_cast<size_t>(n), '\0');
    ::WideCharToMultiByte(kGbk, WC_NO_BEST_FIT_CHARS, wide, length, bytes.data(), n, nullptr, nullptr);
    return bytes;
}

} // namespace lumora
