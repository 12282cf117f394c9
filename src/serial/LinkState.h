#pragma once
// What both serial backends share: the listener, the close signal, the
// write queue with its send-empty flag, the once-only hang-up report and
// the writer's loop. The backend supplies how a block is sent.

#include "serial/LinkListener.h"
#include "serial/SignalledQueue.h"
#include "serial/WakeSignal.h"

#include <atomic>
#include <cstdint>
#include <vector>

namespace lumora {

class LinkState {
public:
    using Block = std::vector<uint8_t>;

    explicit LinkState(ILinkListener &listener) : listener(listener) {}

    ILinkListener &listener;
    WakeSignal closeSignal; // raised once the port is closing

    bool closing() const { return closing_.load(); }
    void beginClosing()
    {
        closing_ = true;
        closeSignal.raise();
    }

    // Whichever thread meets the port gone first reports it; a port being
    // closed on purpose is not reported.
    void reportHangup()
    {
        if (!hungUp_.exchange(true) && !closing_)
            listener.linkHangup();
    }

    void queueWrite(const uint8_t *data, size_t count)
    {
        writes_.push(Block(data, data + count), [this] { sendEmpty_ = false; });
    }
    bool sendEmpty() const { return sendEmpty_.load(); }

    // The writer thread's body: sends queued blocks in order until the port
    // closes or sendBlock fails, and reports each time the queue runs dry.
    template <typename SendBlock>
    void runWriter(SendBlock sendBlock)
    {
        bool reportEmpty = true;
        while (!closing()) {
            auto block = writes_.take([this] { sendEmpty_ = true; });
            if (!block) {
                if (reportEmpty) {
                    listener.linkSendEmpty();
                    reportEmpty = false;
                }
                if (WakeSignal::waitEither(closeSignal, writes_.signal()) != 1)
                    break; // closing, or the wait itself failed
                continue;
            }
            if (closing() || !sendBlock(*block))
                break;
            reportEmpty = true;
        }
        sendEmpty_ = true;
    }

private:
    std::atomic<bool> closing_{false};
    std::atomic<bool> hungUp_{false};
    std::atomic<bool> sendEmpty_{true};
    SignalledQueue<Block> writes_;
};

} // namespace lumora
