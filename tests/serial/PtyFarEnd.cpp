#include "PtyFarEnd.h"

#include <termios.h>

namespace lumora::test {

namespace {

uint32_t baudOf(speed_t speed)
{
    static const std::pair<speed_t, uint32_t> known[] = {
        {B1200, 1200}, {B2400, 2400}, {B4800, 4800}, {B9600, 9600}, {B19200, 19200}, {B38400, 38400},
    };
    for (const auto &[code, baud] : known)
        if (code == speed)
            return baud;
    return 0;
}

} // namespace

PtyFarEnd::PtyFarEnd() : pty_(std::make_unique<PtyLine>()) {}

PtyFarEnd::~PtyFarEnd() { finishSending(); }

bool PtyFarEnd::sendWithPause(const Bytes &first, int pauseMs, const Bytes &second)
{
    const bool sent = send(first);
    std::this_thread::sleep_for(std::chrono::milliseconds(pauseMs));
    return send(second) && sent;
}

void PtyFarEnd::startSending(const std::vector<Bytes> &messages)
{
    finishSending();
    sentAll_ = false;
    sender_ = std::thread([this, messages] {
        bool ok = true;
        for (const Bytes &m : messages)
            ok = ok && send(m);
        sentAll_ = ok;
    });
}

bool PtyFarEnd::finishSending()
{
    if (sender_.joinable())
        sender_.join();
    return sentAll_;
}

FarLine PtyFarEnd::line()
{
    FarLine l;
    termios t{};
    if (::tcgetattr(pty_->master(), &t) != 0) // a pty shares one termios
        return l;
    static const std::pair<tcflag_t, int> sizes[] = {{CS5, 5}, {CS6, 6}, {CS7, 7}, {CS8, 8}};
    for (const auto &[flag, bits] : sizes)
        if ((t.c_cflag & CSIZE) == flag)
            l.dataBits = bits;
    l.baud = baudOf(::cfgetospeed(&t));
    l.parity = !(t.c_cflag & PARENB) ? 'N' : (t.c_cflag & PARODD) ? 'O' : 'E';
    l.stopBits = (t.c_cflag & CSTOPB) ? 2 : 1;
#ifdef CRTSCTS
    l.hardwareFlow = (t.c_cflag & CRTSCTS) != 0;
#endif
    l.softwareFlow = (t.c_iflag & (IXON | IXOFF)) != 0;
    return l;
}

bool PtyFarEnd::renew()
{
    finishSending();
    pty_ = std::make_unique<PtyLine>();
    return pty_->ok();
}

std::unique_ptr<FarEnd> makeFarEnd() { return std::make_unique<PtyFarEnd>(); }

} // namespace lumora::test
