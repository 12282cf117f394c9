#include "FarEndProtocol.h"

#include <sstream>

namespace lumora::test {

std::string toHex(const Bytes &bytes)
{
    static const char digits[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(bytes.size() * 2);
    for (uint8_t b : bytes) {
        hex += digits[b >> 4];
        hex += digits[b & 15];
    }
    return hex;
}

Bytes fromHex(const std::string &hex)
{
    auto value = [](char c) { return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10; };
    Bytes bytes;
    bytes.reserve(hex.size() / 2);
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes.push_back(static_cast<uint8_t>(value(hex[i]) * 16 + value(hex[i + 1])));
    return bytes;
}

std::string serveFarRequest(FarEnd &far, const std::string &request)
{
    std::istringstream in(request);
    std::string verb;
    in >> verb;
    auto answer = [](bool ok) { return std::string(ok ? "ok" : "fail"); };
    if (verb == "send") {
        std::string hex;
        in >> hex;
        return answer(far.send(fromHex(hex)));
    }
    if (verb == "pause") {
        std::string first, second;
        int ms = 0;
        in >> first >> ms >> second;
        return answer(far.sendWithPause(fromHex(first), ms, fromHex(second)));
    }
    if (verb == "start") {
        std::vector<Bytes> messages;
        for (std::string hex; in >> hex;)
            messages.push_back(fromHex(hex));
        far.startSending(messages);
        return "ok";
    }
    if (verb == "finish")
        return answer(far.finishSending());
    if (verb == "receive") {
        size_t count = 0;
        int ms = 0;
        in >> count >> ms;
        return "ok " + toHex(far.receive(count, ms));
    }
    if (verb == "line") {
        const FarLine l = far.line();
        std::ostringstream out;
        out << "ok " << l.baud << ' ' << l.dataBits << ' ' << l.parity << ' ' << l.stopBits << ' '
            << l.hardwareFlow << ' ' << l.softwareFlow;
        return out.str();
    }
    if (verb == "hangup") {
        far.hangUp();
        return "ok";
    }
    if (verb == "renew")
        return answer(far.renew());
    return "fail";
}

} // namespace lumora::test
