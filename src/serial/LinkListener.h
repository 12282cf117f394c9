#pragma once
// What the port's worker threads report. Called on the worker threads:
// an implementation must only hand the report on, never touch windows.

#include <cstdint>
#include <vector>

namespace lumora {

// Modem state values reported with linkModemState.
constexpr uint32_t MS_RING = 0x4; // the ring indicator came on
constexpr uint32_t MS_RLSD = 0x8; // carrier detect changed

class ILinkListener {
public:
    virtual ~ILinkListener() = default;
    virtual void linkReceived(std::vector<uint8_t> chunk) = 0;
    virtual void linkLineError(uint32_t flags) = 0;
    virtual void linkModemState(uint32_t flags) = 0;
    virtual void linkHangup() = 0;
    virtual void linkSendEmpty() = 0;
};

} // namespace lumora
