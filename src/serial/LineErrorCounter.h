#pragma once
// Line errors (framing, overrun, parity, break) met on an open POSIX
// device since the last look, as CE_ flags. Linux counts them per device
// (LineErrorCounter_linux.cpp); elsewhere there is no portable way to
// learn them, and none are reported (LineErrorCounter_posix.cpp).

#include <cstdint>

namespace lumora {

class LineErrorCounter {
public:
    explicit LineErrorCounter(int fd);
    uint32_t newErrors(); // 0 when nothing new

private:
    int fd_;
    bool counting_ = false;
    uint32_t counts_[4] = {}; // frame, overrun, parity, break
};

} // namespace lumora
