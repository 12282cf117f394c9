#include "serial/LineErrorCounter.h"

#include "serial/CommTypes.h"

#include <linux/serial.h>
#include <sys/ioctl.h>

namespace lumora {

namespace {

bool readCounts(int fd, uint32_t (&out)[4])
{
    serial_icounter_struct c{};
    if (::ioctl(fd, TIOCGICOUNT, &c) != 0)
        return false; // a pseudo-terminal keeps no counts
    out[0] = static_cast<uint32_t>(c.frame);
    out[1] = static_cast<uint32_t>(c.overrun);
    out[2] = static_cast<uint32_t>(c.parity);
    out[3] = static_cast<uint32_t>(c.brk);
    return true;
}

} // namespace

LineErrorCounter::LineErrorCounter(int fd) : fd_(fd) { counting_ = readCounts(fd_, counts_); }

uint32_t LineErrorCounter::newErrors()
{
    uint32_t now[4];
    if (!counting_ || !readCounts(fd_, now))
        return 0;
    static const uint32_t flags[4] = {CE_FRAME, CE_OVERRUN, CE_RXPARITY, CE_BREAK};
    uint32_t raised = 0;
    for (int i = 0; i < 4; ++i) {
        if (now[i] != counts_[i])
            raised |= flags[i];
        counts_[i] = now[i];
    }
    return raised;
}

} // namespace lumora
