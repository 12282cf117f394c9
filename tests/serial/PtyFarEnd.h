#pragma once
// The far end as a pseudo-terminal in this process: for the behaviour
// tests run natively, and for the Linux process that serves the same
// tests running under Wine.

#include "FarEnd.h"
#include "PtyLine.h"

#include <thread>

namespace lumora::test {

class PtyFarEnd : public FarEnd {
public:
    PtyFarEnd();
    ~PtyFarEnd() override;

    const PtyLine &pty() const { return *pty_; }

    std::string portName() override { return pty_->slavePath(); }
    std::string missingPortName() override { return "/dev/lumora-no-such-port"; }
    bool send(const Bytes &bytes) override { return pty_->send(bytes.data(), bytes.size()); }
    bool sendWithPause(const Bytes &first, int pauseMs, const Bytes &second) override;
    void startSending(const std::vector<Bytes> &messages) override;
    bool finishSending() override;
    Bytes receive(size_t count, int timeoutMs) override { return pty_->receive(count, timeoutMs); }
    FarLine line() override;
    void hangUp() override { pty_->closeMaster(); }
    bool renew() override;

private:
    std::unique_ptr<PtyLine> pty_;
    std::thread sender_;
    bool sentAll_ = false;
};

} // namespace lumora::test
