// The POSIX backend: termios line settings, poll() waits, a pipe as the
// close signal. Uses POSIX calls only (and the Linux line-error counts
// where LineErrorCounter_linux.cpp is built), so it also serves macOS
// and the BSDs.

#include "serial/SerialLink.h"

#include "serial/ChunkAssembler.h"
#include "serial/ECommsError.h"
#include "serial/LineErrorCounter.h"
#include "serial/LinkState.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace lumora {

namespace {

std::string systemReason(int error) { return std::strerror(error); }

speed_t speedFor(uint32_t baud)
{
    switch (baud) {
    case 50: return B50;
    case 75: return B75;
    case 110: return B110;
    case 134: return B134;
    case 150: return B150;
    case 200: return B200;
    case 300: return B300;
    case 600: return B600;
    case 1200: return B1200;
    case 1800: return B1800;
    case 2400: return B2400;
    case 4800: return B4800;
    case 9600: return B9600;
    case 19200: return B19200;
    case 38400: return B38400;
#ifdef B57600
    case 57600: return B57600;
#endif
#ifdef B115200
    case 115200: return B115200;
#endif
#ifdef B230400
    case 230400: return B230400;
#endif
#ifdef B460800
    case 460800: return B460800;
#endif
#ifdef B921600
    case 921600: return B921600;
#endif
    default: return 0;
    }
}

void setModemLine(int fd, int line, bool on)
{
#if defined(TIOCMBIS) && defined(TIOCMBIC)
    // A pseudo-terminal has no modem lines and refuses: that is fine.
    (void)::ioctl(fd, on ? TIOCMBIS : TIOCMBIC, &line);
#else
    (void)fd, (void)line, (void)on;
#endif
}

// Raw bytes both ways, as cfmakeraw() gives where it exists.
void makeRaw(termios &t)
{
    t.c_iflag &= ~(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON);
    t.c_oflag &= ~OPOST;
    t.c_lflag &= ~(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
}

void setParity(termios &t, TParity parity)
{
    switch (parity) {
    case TParity::None: return;
    case TParity::Odd: t.c_cflag |= PARENB | PARODD; return;
    case TParity::Even: t.c_cflag |= PARENB; return;
    case TParity::Mark:
    case TParity::Space:
#ifdef CMSPAR
        t.c_cflag |= PARENB | CMSPAR | (parity == TParity::Mark ? PARODD : 0);
        return;
#else
        throw ECommsError("Error opening serial port", "mark and space parity are not available here");
#endif
    }
}

int millisecondsUntil(std::chrono::steady_clock::time_point due)
{
    const auto left = due - std::chrono::steady_clock::now();
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(left).count();
    return ms < 0 ? 0 : static_cast<int>(ms) + 1; // +1: strictly after the deadline
}

} // namespace

struct SerialLink::Backend {
    Backend(int fd, ILinkListener &listener) : fd(fd), state(listener), lineErrors(fd) {}

    void readerLoop();
    bool writeAll(const LinkState::Block &block);

    int fd;
    LinkState state;
    LineErrorCounter lineErrors;
    std::atomic<uint32_t> intervalMs{100};
    std::atomic<uint32_t> totalMs{0};
    std::thread reader;
    std::thread writer;
};

std::string SerialLink::devicePath(const std::string &commName) { return commName; }

SerialLink::SerialLink(const std::string &commName, const LineSettings &line,
                       const CommTimeouts &timeouts, ILinkListener &listener)
{
    const int fd = ::open(devicePath(commName).c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        throw ECommsError("Error opening serial port", systemReason(errno));
    auto fail = [this, fd](const std::string &text, std::string reason) {
        backend_.reset();
        ::close(fd);
        throw ECommsError(text, std::move(reason));
    };
    if (!::isatty(fd))
        fail("File handle is not a comm handle ", systemReason(ENOTTY));
#ifdef TIOCEXCL
    // Not shared: a second open of the device is refused while we hold it.
    (void)::ioctl(fd, TIOCEXCL);
#endif
    ::tcflush(fd, TCIOFLUSH);
    try {
        backend_ = std::make_unique<Backend>(fd, listener);
    } catch (const std::exception &e) {
        fail("Unable to create event", e.what());
    }
    applyTimeouts(timeouts);
    try {
        applyLineSettings(line);
    } catch (const ECommsError &e) {
        fail(e.text(), e.reason());
    }
    Backend &b = *backend_;
    try {
        b.reader = std::thread(&Backend::readerLoop, &b);
    } catch (const std::system_error &e) {
        fail("Unable to create read thread", e.what());
    }
    try {
        b.writer = std::thread([&b] {
            b.state.runWriter([&b](const LinkState::Block &block) { return b.writeAll(block); });
        });
    } catch (const std::system_error &e) {
        b.state.beginClosing();
        b.reader.join();
        fail("Unable to create write thread", e.what());
    }
}

SerialLink::~SerialLink()
{
    Backend &b = *backend_;
    b.state.beginClosing();
    ::tcflush(b.fd, TCIOFLUSH);
    b.reader.join();
    b.writer.join();
    const int fd = b.fd;
    backend_.reset();
    ::close(fd);
}

bool SerialLink::sendEmpty() const { return backend_->state.sendEmpty(); }

void SerialLink::queueWrite(const uint8_t *data, size_t count) { backend_->state.queueWrite(data, count); }

void SerialLink::applyTimeouts(const CommTimeouts &timeouts)
{
    backend_->intervalMs = timeouts.ReadIntervalTimeout;
    backend_->totalMs = timeouts.ReadTotalTimeoutConstant
                        + timeouts.ReadTotalTimeoutMultiplier * static_cast<uint32_t>(ChunkAssembler::kMaxChunk);
}

void SerialLink::applyLineSettings(const LineSettings &line)
{
    const int fd = backend_->fd;
    termios t{};
    if (::tcgetattr(fd, &t) != 0)
        throw ECommsError("Error opening serial port", systemReason(errno));
    makeRaw(t);
    t.c_cflag |= CLOCAL | CREAD;
    t.c_cflag &= ~(CSIZE | PARENB | PARODD | CSTOPB);
#ifdef CMSPAR
    t.c_cflag &= ~CMSPAR;
#endif
#ifdef CRTSCTS
    t.c_cflag &= ~CRTSCTS;
    if (line.Outx_CtsFlow || line.RtsControl == TRtsControl::RtsHandshake)
        t.c_cflag |= CRTSCTS;
#endif
    static const tcflag_t sizes[] = {CS5, CS6, CS7, CS8};
    t.c_cflag |= sizes[static_cast<int>(line.ByteSize)];
    setParity(t, line.Parity);
    if (line.StopBits != TStopBits::_1)
        t.c_cflag |= CSTOPB; // termios has no 1.5: two stop bits
    t.c_iflag &= ~(INPCK | IXON | IXOFF);
#ifdef IXANY
    t.c_iflag &= ~IXANY;
#endif
    if (line.ParityCheck)
        t.c_iflag |= INPCK;
    if (line.Outx_XonXoffFlow)
        t.c_iflag |= IXON;
    if (line.Inx_XonXoffFlow)
        t.c_iflag |= IXOFF;
    t.c_cc[VSTART] = static_cast<cc_t>(line.XonChar);
    t.c_cc[VSTOP] = static_cast<cc_t>(line.XoffChar);
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
    if (const speed_t speed = speedFor(line.BaudRate)) {
        ::cfsetispeed(&t, speed);
        ::cfsetospeed(&t, speed);
    }
    if (::tcsetattr(fd, TCSANOW, &t) != 0)
        throw ECommsError("Error opening serial port", systemReason(errno));
#if defined(TIOCM_DTR) && defined(TIOCM_RTS)
    if (line.DtrControl != TDtrControl::DtrHandshake)
        setModemLine(fd, TIOCM_DTR, line.DtrControl == TDtrControl::DtrEnable);
    if (line.RtsControl == TRtsControl::RtsEnable || line.RtsControl == TRtsControl::RtsDisable)
        setModemLine(fd, TIOCM_RTS, line.RtsControl == TRtsControl::RtsEnable);
#endif
}

void SerialLink::Backend::readerLoop()
{
    ChunkAssembler chunks;
    uint8_t buffer[ChunkAssembler::kMaxChunk];
    auto deliver = [this](std::optional<ChunkAssembler::Chunk> chunk) {
        if (chunk)
            state.listener.linkReceived(std::move(*chunk));
    };
    for (;;) {
        chunks.setTimeouts(std::chrono::milliseconds(intervalMs.load()),
                           std::chrono::milliseconds(totalMs.load()));
        const auto due = chunks.deadline();
        pollfd fds[2] = {{fd, POLLIN, 0}, {state.closeSignal.native(), POLLIN, 0}};
        const int ready = ::poll(fds, 2, due ? millisecondsUntil(*due) : -1);
        if (ready < 0) {
            if (errno == EINTR)
                continue;
            state.reportHangup();
            return;
        }
        if (fds[1].revents)
            return; // closing: what is half-read is discarded with the input
        const auto now = ChunkAssembler::Clock::now();
        if (fds[0].revents & POLLIN) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n > 0) {
                for (auto &chunk : chunks.feed(buffer, static_cast<size_t>(n), now))
                    deliver(std::move(chunk));
                if (const uint32_t errors = lineErrors.newErrors())
                    state.listener.linkLineError(errors);
                continue;
            }
            if (n < 0 && (errno == EAGAIN || errno == EINTR))
                continue;
            deliver(chunks.flush()); // 0 or EIO: the device went away
            state.reportHangup();
            return;
        }
        if (fds[0].revents & (POLLHUP | POLLERR | POLLNVAL)) {
            deliver(chunks.flush());
            state.reportHangup();
            return;
        }
        deliver(chunks.flushIfDue(now));
    }
}

bool SerialLink::Backend::writeAll(const LinkState::Block &block)
{
    size_t done = 0;
    while (done < block.size()) {
        const ssize_t n = ::write(fd, block.data() + done, block.size() - done);
        if (n > 0) {
            done += static_cast<size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN) {
            state.reportHangup();
            return false;
        }
        pollfd fds[2] = {{fd, POLLOUT, 0}, {state.closeSignal.native(), POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0 && errno != EINTR) {
            state.reportHangup();
            return false;
        }
        if (fds[1].revents)
            return false;
        if (fds[0].revents & (POLLHUP | POLLERR | POLLNVAL)) {
            state.reportHangup();
            return false;
        }
    }
    return true;
}

} // namespace lumora
