#pragma once
// What the port's worker threads report. Called on the worker threads:
// an implementation must only hand the report on, never touch windows.

#include <cstdint>
#include <vector>

namespace lumora {

class ILinkListener {
public:
    virtual ~ILinkListener() = default;
    virtual void linkReceived(std::vector<uint8_t> chunk) = 0;
    virtual void linkLineError(uint32_t flags) = 0;
    virtual void linkHangup() = 0;
    virtual void linkSendEmpty() = 0;
};

} // namespace lumora
