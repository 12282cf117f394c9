#pragma once
// An open serial device with its reader and writer threads, over termios.
// Plain C++: the threads touch nothing but this object and the listener.
//
// The reader keeps a read pending and hands chunks (split at quiet gaps,
// at most 2048 bytes) to the listener. The writer sends queued blocks in
// order, each to its end before the next. A device that goes away (EIO,
// POLLHUP) ends the thread that met it with one hang-up report.

#include "serial/ChunkAssembler.h"
#include "serial/CommTypes.h"
#include "serial/LinkListener.h"

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace lumora {

class PosixSerialLink {
public:
    // Opens the device and starts both threads; throws ECommsError.
    PosixSerialLink(const std::string &path, const LineSettings &line,
                    const CommTimeouts &timeouts, ILinkListener &listener);
    // Wakes and joins both threads, then closes the device.
    ~PosixSerialLink();
    PosixSerialLink(const PosixSerialLink &) = delete;
    PosixSerialLink &operator=(const PosixSerialLink &) = delete;

    void applyLineSettings(const LineSettings &line);
    void applyTimeouts(const CommTimeouts &timeouts);
    // Queues a copy; never waits for the bytes to leave.
    void queueWrite(const uint8_t *data, size_t count);
    bool sendEmpty() const { return sendEmpty_.load(); }

private:
    void readerLoop();
    void writerLoop();
    bool writeAll(const std::vector<uint8_t> &block);
    void reportHangup();
    void checkLineErrors();
    void wakeThreads();

    int fd_ = -1;
    int closeEvent_ = -1; // eventfd: readable once the port is closing
    ILinkListener &listener_;
    std::atomic<uint32_t> intervalMs_{100};
    std::atomic<uint32_t> totalMs_{0};
    std::atomic<bool> sendEmpty_{true};
    std::atomic<bool> hungUp_{false};
    std::atomic<bool> closing_{false};

    std::mutex queueLock_;
    std::condition_variable queueSignal_;
    std::deque<std::vector<uint8_t>> queue_;

    bool haveErrorCounts_ = false;
    uint32_t errorCounts_[4] = {}; // frame, overrun, parity, break

    std::thread reader_;
    std::thread writer_;
};

} // namespace lumora
