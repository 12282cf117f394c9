#pragma once
// An open serial port with its reader and writer threads. One interface,
// one backend per platform, chosen at build time: SerialLink_unix.cpp
// (termios) and SerialLink_win.cpp (overlapped Win32 calls). Plain C++:
// the threads touch nothing but the link and the listener.
//
// The reader keeps a read pending and hands chunks (split at quiet gaps
// longer than the read interval timeout, at most 2048 bytes) to the
// listener. The writer sends queued blocks in order, each to its end
// before the next. A port that goes away ends the thread that met it
// with one hang-up report for the link.

#include "serial/CommTypes.h"
#include "serial/LinkListener.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace lumora {

class SerialLink {
public:
    // Opens the port and starts both threads; throws ECommsError.
    SerialLink(const std::string &commName, const LineSettings &line,
               const CommTimeouts &timeouts, ILinkListener &listener);
    // Stops and joins both threads, then closes the port.
    ~SerialLink();
    SerialLink(const SerialLink &) = delete;
    SerialLink &operator=(const SerialLink &) = delete;

    void applyLineSettings(const LineSettings &line); // throws ECommsError
    void applyTimeouts(const CommTimeouts &timeouts);
    // Queues a copy; never waits for the bytes to leave.
    void queueWrite(const uint8_t *data, size_t count);
    bool sendEmpty() const;

    // The device a port name opens: Windows takes "COM12" as "\\.\COM12"
    // so that ports above COM9 open; POSIX takes the path as it is.
    static std::string devicePath(const std::string &commName);

    struct Backend;

private:
    std::unique_ptr<Backend> backend_;
};

} // namespace lumora
