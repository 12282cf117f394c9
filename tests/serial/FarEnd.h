#pragma once
// The other end of the line in the serial behaviour tests: what a radio
// would do on the far side of the cable. Natively a pseudo-terminal
// (PtyFarEnd); under Wine, the same pseudo-terminal held by the Linux
// process that runs the test and answers its requests (RemoteFarEnd).

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace lumora::test {

using Bytes = std::vector<uint8_t>;

// The line settings as the far end sees them.
struct FarLine {
    uint32_t baud = 0;
    int dataBits = 0;
    char parity = '?'; // N, O or E
    int stopBits = 0;
    bool hardwareFlow = false;
    bool softwareFlow = false;
};

class FarEnd {
public:
    virtual ~FarEnd() = default;
    virtual std::string portName() = 0;        // what the port is opened by
    virtual std::string missingPortName() = 0; // a port that does not exist
    virtual bool send(const Bytes &bytes) = 0;
    // The first bytes, a quiet pause, then the second, timed on the far side.
    virtual bool sendWithPause(const Bytes &first, int pauseMs, const Bytes &second) = 0;
    // Sends the messages one write each, in the background, while the
    // test goes on; finishSending() waits until all have gone.
    virtual void startSending(const std::vector<Bytes> &messages) = 0;
    virtual bool finishSending() = 0;
    // Reads until count bytes have come or timeoutMs has passed.
    virtual Bytes receive(size_t count, int timeoutMs) = 0;
    virtual FarLine line() = 0;
    virtual void hangUp() = 0; // the cable pulled: the line goes away
    virtual bool renew() = 0;  // a fresh line behind the same port name
};

// Each test program links one kind.
std::unique_ptr<FarEnd> makeFarEnd();

} // namespace lumora::test
