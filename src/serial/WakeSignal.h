#pragma once
// A flag one thread raises and another waits for, made of something the
// operating system can wait on together with other things: the read end
// of a non-blocking pipe on POSIX (readable while raised), a manual-reset
// event on Windows (signalled while raised). Raising a raised signal and
// clearing a clear one change nothing. Plain C++.

#include <cstdint>

namespace lumora {

class WakeSignal {
public:
#ifdef _WIN32
    using Native = void *; // the event's HANDLE
#else
    using Native = int; // the pipe's read end
#endif

    WakeSignal(); // throws std::runtime_error("Unable to create event")
    ~WakeSignal();
    WakeSignal(const WakeSignal &) = delete;
    WakeSignal &operator=(const WakeSignal &) = delete;

    void raise();
    void clear();
    // True once raised, false when timeoutMs passed first (-1: no limit).
    bool wait(int timeoutMs) const;
    Native native() const { return native_; }
    // Waits without limit for either signal: 0 or 1 for the one raised
    // (the first when both are), -1 when the wait itself failed.
    static int waitEither(const WakeSignal &first, const WakeSignal &second);

private:
    Native native_;
#ifndef _WIN32
    int writeEnd_ = -1;
#endif
};

} // namespace lumora
