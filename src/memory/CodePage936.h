#pragma once
// GBK text through the system's code page 936, for a Qt built without ICU
// (Windows): the channel files' encoding both ways, without Qt. A text that
// is not GBK, or a character GBK lacks, fails instead of being replaced.

#include <optional>
#include <string>

namespace lumora {

std::optional<std::u16string> DecodeCodePage936(const std::string &bytes);
std::optional<std::string> EncodeCodePage936(const std::u16string &text);

} // namespace lumora
