#pragma once
// The serial component's open failures. text() is the fixed message the
// user sees; reason() the operating system's own words, shown as detail.

#include <stdexcept>
#include <string>

namespace lumora {

class ECommsError : public std::runtime_error {
public:
    explicit ECommsError(const std::string &text, std::string reason = {})
        : std::runtime_error(text), reason_(std::move(reason)) {}
    std::string text() const { return what(); }
    const std::string &reason() const noexcept { return reason_; }

private:
    std::string reason_;
};

} // namespace lumora
