// The far end for the behaviour tests under Wine: each request goes to
// the Linux process that runs the test (which holds the pseudo-terminal
// behind COM1) and waits for its answer.

#include "FarEndProtocol.h"

#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>

namespace lumora::test {

namespace {

class RemoteFarEnd : public FarEnd {
public:
    std::string portName() override { return "COM1"; }
    // Above COM9, so the "\\.\" form is what finds it missing.
    std::string missingPortName() override { return "COM77"; }
    bool send(const Bytes &bytes) override { return ok(ask("send " + toHex(bytes))); }
    bool sendWithPause(const Bytes &first, int pauseMs, const Bytes &second) override
    {
        return ok(ask("pause " + toHex(first) + ' ' + std::to_string(pauseMs) + ' ' + toHex(second)));
    }
    void startSending(const std::vector<Bytes> &messages) override
    {
        std::string request = "start";
        for (const Bytes &m : messages)
            request += ' ' + toHex(m);
        ask(request);
    }
    bool finishSending() override { return ok(ask("finish")); }
    Bytes receive(size_t count, int timeoutMs) override
    {
        const std::string reply = ask("receive " + std::to_string(count) + ' ' + std::to_string(timeoutMs));
        return reply.size() > 3 ? fromHex(reply.substr(3)) : Bytes();
    }
    FarLine line() override
    {
        std::istringstream in(ask("line"));
        std::string status;
        FarLine l;
        in >> status >> l.baud >> l.dataBits >> l.parity >> l.stopBits >> l.hardwareFlow >> l.softwareFlow;
        return l;
    }
    void hangUp() override { ask("hangup"); }
    bool renew() override { return ok(ask("renew")); }

private:
    static bool ok(const std::string &reply) { return reply.rfind("ok", 0) == 0; }
    static std::string ask(const std::string &request)
    {
        std::fflush(stdout); // the test's own output stays in order with the requests
        std::cout << kFarRequestMark << request << std::endl;
        std::string reply;
        std::getline(std::cin, reply);
        while (!reply.empty() && reply.back() == '\r')
            reply.pop_back();
        return reply;
    }
};

} // namespace

std::unique_ptr<FarEnd> makeFarEnd() { return std::make_unique<RemoteFarEnd>(); }

} // namespace lumora::test
