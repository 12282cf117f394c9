#pragma once
// Hands the worker threads' reports to the user-interface thread: the
// workers append to a locked queue and make an eventfd readable; the
// user-interface thread watches that descriptor and takes reports one at
// a time, in the order they were made. Plain C++.

#include "serial/LinkListener.h"

#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <vector>

namespace lumora {

struct LinkReport {
    enum Kind { Received, LineError, Hangup, SendEmpty } kind;
    std::vector<uint8_t> bytes; // Received: the chunk and a zero after it
    uint32_t value = 0;         // LineError: the flags
};

class LinkMailbox : public ILinkListener {
public:
    LinkMailbox();
    ~LinkMailbox() override;
    LinkMailbox(const LinkMailbox &) = delete;
    LinkMailbox &operator=(const LinkMailbox &) = delete;

    int wakeDescriptor() const { return wake_; }
    void clearWake();
    std::optional<LinkReport> take();

    void linkReceived(std::vector<uint8_t> chunk) override;
    void linkLineError(uint32_t flags) override;
    void linkHangup() override;
    void linkSendEmpty() override;

private:
    void post(LinkReport report);

    int wake_ = -1;
    std::mutex lock_;
    std::deque<LinkReport> reports_;
};

} // namespace lumora
