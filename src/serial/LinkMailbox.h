#pragma once
// Hands the worker threads' reports to the user-interface thread: the
// workers append to a signalled queue; the user-interface thread watches
// its WakeSignal and takes reports one at a time, in the order they were
// made. Plain C++.

#include "serial/LinkListener.h"
#include "serial/SignalledQueue.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace lumora {

struct LinkReport {
    enum Kind { Received, LineError, ModemState, Hangup, SendEmpty } kind;
    std::vector<uint8_t> bytes; // Received: the chunk and a zero after it
    uint32_t value = 0;         // LineError, ModemState: the flags
};

class LinkMailbox : public ILinkListener {
public:
    const WakeSignal &signal() const { return reports_.signal(); }
    std::optional<LinkReport> take() { return reports_.take(); }

    void linkReceived(std::vector<uint8_t> chunk) override;
    void linkLineError(uint32_t flags) override;
    void linkModemState(uint32_t flags) override;
    void linkHangup() override;
    void linkSendEmpty() override;

private:
    SignalledQueue<LinkReport> reports_;
};

} // namespace lumora
