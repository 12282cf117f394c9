#include "serial/PosixSerialLink.h"

#include "serial/ECommsError.h"

#include <cerrno>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <linux/serial.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <termios.h>
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
    case 57600: return B57600;
    case 115200: return B115200;
    case 230400: return B230400;
    case 460800: return B460800;
    case 921600: return B921600;
    default: return 0;
    }
}

void setModemLine(int fd, int line, bool on)
{
    // A pseudo-terminal has no modem lines and refuses: that is fine.
    (void)::ioctl(fd, on ? TIOCMBIS : TIOCMBIC, &line);
}

int millisecondsUntil(std::chrono::steady_clock::time_point due)
{
    const auto left = due - std::chrono::steady_clock::now();
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(left).count();
    return ms < 0 ? 0 : static_cast<int>(ms) + 1; // +1: strictly after the deadline
}

} // namespace

PosixSerialLink::PosixSerialLink(const std::string &path, const LineSettings &line,
                                 const CommTimeouts &timeouts, ILinkListener &listener)
    : listener_(listener)
{
    fd_ = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0)
        throw ECommsError("Error opening serial port", systemReason(errno));
    auto fail = [this](const char *text, std::string reason) {
        if (closeEvent_ >= 0)
            ::close(closeEvent_);
        ::close(fd_);
        throw ECommsError(text, std::move(reason));
    };
    if (!::isatty(fd_))
        fail("File handle is not a comm handle ", systemReason(ENOTTY));
    // Not shared: a second open of the device is refused while we hold it.
    (void)::ioctl(fd_, TIOCEXCL);
    ::tcflush(fd_, TCIOFLUSH);
    applyTimeouts(timeouts);
    try {
        applyLineSettings(line);
    } catch (const ECommsError &e) {
        fail(e.what(), e.reason());
    }
    serial_icounter_struct counts{};
    haveErrorCounts_ = ::ioctl(fd_, TIOCGICOUNT, &counts) == 0;
    if (haveErrorCounts_) {
        errorCounts_[0] = counts.frame;
        errorCounts_[1] = counts.overrun;
        errorCounts_[2] = counts.parity;
        errorCounts_[3] = counts.brk;
    }

    closeEvent_ = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (closeEvent_ < 0)
        fail("Unable to create event", systemReason(errno));
    try {
        reader_ = std::thread(&PosixSerialLink::readerLoop, this);
    } catch (const std::system_error &e) {
        fail("Unable to create read thread", e.what());
    }
    try {
        writer_ = std::thread(&PosixSerialLink::writerLoop, this);
    } catch (const std::system_error &e) {
        wakeThreads();
        reader_.join();
        fail("Unable to create write thread", e.what());
    }
}

PosixSerialLink::~PosixSerialLink()
{
    wakeThreads();
    ::tcflush(fd_, TCIOFLUSH);
    reader_.join();
    writer_.join();
    ::close(closeEvent_);
    ::close(fd_);
}

void PosixSerialLink::wakeThreads()
{
    {
        std::lock_guard<std::mutex> lock(queueLock_);
        closing_ = true;
    }
    queueSignal_.notify_all();
    const uint64_t one = 1;
    (void)!::write(closeEvent_, &one, sizeof one);
}

void PosixSerialLink::applyLineSettings(const LineSettings &line)
{
    termios t{};
    if (::tcgetattr(fd_, &t) != 0)
        throw ECommsError("Error opening serial port", systemReason(errno));
    ::cfmakeraw(&t);
    t.c_cflag |= CLOCAL | CREAD;
    t.c_cflag &= ~(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS);
    static const tcflag_t sizes[] = {CS5, CS6, CS7, CS8};
    t.c_cflag |= sizes[static_cast<int>(line.ByteSize)];
    switch (line.Parity) {
    case TParity::None: break;
    case TParity::Odd: t.c_cflag |= PARENB | PARODD; break;
    case TParity::Even: t.c_cflag |= PARENB; break;
    case TParity::Mark: t.c_cflag |= PARENB | CMSPAR | PARODD; break;
    case TParity::Space: t.c_cflag |= PARENB | CMSPAR; break;
    }
    if (line.StopBits != TStopBits::_1)
        t.c_cflag |= CSTOPB; // termios has no 1.5: two stop bits
    if (line.Outx_CtsFlow || line.RtsControl == TRtsControl::RtsHandshake)
        t.c_cflag |= CRTSCTS;
    t.c_iflag &= ~(INPCK | IXON | IXOFF | IXANY);
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
    if (::tcsetattr(fd_, TCSANOW, &t) != 0)
        throw ECommsError("Error opening serial port", systemReason(errno));
    if (line.DtrControl != TDtrControl::DtrHandshake)
        setModemLine(fd_, TIOCM_DTR, line.DtrControl == TDtrControl::DtrEnable);
    if (line.RtsControl == TRtsControl::RtsEnable || line.RtsControl == TRtsControl::RtsDisable)
        setModemLine(fd_, TIOCM_RTS, line.RtsControl == TRtsControl::RtsEnable);
}

void PosixSerialLink::applyTimeouts(const CommTimeouts &timeouts)
{
    intervalMs_ = timeouts.ReadIntervalTimeout;
    totalMs_ = timeouts.ReadTotalTimeoutConstant
               + timeouts.ReadTotalTimeoutMultiplier * static_cast<uint32_t>(ChunkAssembler::kMaxChunk);
}

void PosixSerialLink::queueWrite(const uint8_t *data, size_t count)
{
    {
        std::lock_guard<std::mutex> lock(queueLock_);
        queue_.emplace_back(data, data + count);
        sendEmpty_ = false;
    }
    queueSignal_.notify_one();
}

void PosixSerialLink::reportHangup()
{
    if (!hungUp_.exchange(true) && !closing_)
        listener_.linkHangup();
}

void PosixSerialLink::checkLineErrors()
{
    if (!haveErrorCounts_)
        return;
    serial_icounter_struct c{};
    if (::ioctl(fd_, TIOCGICOUNT, &c) != 0)
        return;
    const uint32_t now[4] = {static_cast<uint32_t>(c.frame), static_cast<uint32_t>(c.overrun),
                             static_cast<uint32_t>(c.parity), static_cast<uint32_t>(c.brk)};
    static const uint32_t flags[4] = {CE_FRAME, CE_OVERRUN, CE_RXPARITY, CE_BREAK};
    uint32_t raised = 0;
    for (int i = 0; i < 4; ++i) {
        if (now[i] != errorCounts_[i])
            raised |= flags[i];
        errorCounts_[i] = now[i];
    }
    if (raised)
        listener_.linkLineError(raised);
}

void PosixSerialLink::readerLoop()
{
    ChunkAssembler chunks;
    uint8_t buffer[ChunkAssembler::kMaxChunk];
    auto deliver = [this](std::optional<ChunkAssembler::Chunk> chunk) {
        if (chunk)
            listener_.linkReceived(std::move(*chunk));
    };
    for (;;) {
        chunks.setTimeouts(std::chrono::milliseconds(intervalMs_.load()),
                           std::chrono::milliseconds(totalMs_.load()));
        const auto due = chunks.deadline();
        pollfd fds[2] = {{fd_, POLLIN, 0}, {closeEvent_, POLLIN, 0}};
        const int ready = ::poll(fds, 2, due ? millisecondsUntil(*due) : -1);
        if (ready < 0) {
            if (errno == EINTR)
                continue;
            reportHangup();
            return;
        }
        if (fds[1].revents)
            return; // closing: what is half-read is discarded with the input
        const auto now = ChunkAssembler::Clock::now();
        if (fds[0].revents & POLLIN) {
            const ssize_t n = ::read(fd_, buffer, sizeof buffer);
            if (n > 0) {
                for (auto &chunk : chunks.feed(buffer, static_cast<size_t>(n), now))
                    deliver(std::move(chunk));
                checkLineErrors();
                continue;
            }
            if (n < 0 && (errno == EAGAIN || errno == EINTR))
                continue;
            deliver(chunks.flush()); // 0 or EIO: the device went away
            reportHangup();
            return;
        }
        if (fds[0].revents & (POLLHUP | POLLERR | POLLNVAL)) {
            deliver(chunks.flush());
            reportHangup();
            return;
        }
        deliver(chunks.flushIfDue(now));
    }
}

bool PosixSerialLink::writeAll(const std::vector<uint8_t> &block)
{
    size_t done = 0;
    while (done < block.size()) {
        const ssize_t n = ::write(fd_, block.data() + done, block.size() - done);
        if (n > 0) {
            done += static_cast<size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN) {
            reportHangup();
            return false;
        }
        pollfd fds[2] = {{fd_, POLLOUT, 0}, {closeEvent_, POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0 && errno != EINTR) {
            reportHangup();
            return false;
        }
        if (fds[1].revents)
            return false;
        if (fds[0].revents & (POLLHUP | POLLERR | POLLNVAL)) {
            reportHangup();
            return false;
        }
    }
    return true;
}

void PosixSerialLink::writerLoop()
{
    bool reportEmpty = true;
    for (;;) {
        std::vector<uint8_t> block;
        bool empty = false;
        {
            std::unique_lock<std::mutex> lock(queueLock_);
            if (queue_.empty()) {
                sendEmpty_ = true;
                empty = true;
            }
        }
        if (empty && reportEmpty) {
            listener_.linkSendEmpty();
            reportEmpty = false;
        }
        {
            std::unique_lock<std::mutex> lock(queueLock_);
            queueSignal_.wait(lock, [this] { return closing_ || !queue_.empty(); });
            if (closing_)
                break;
            block = std::move(queue_.front());
            queue_.pop_front();
        }
        if (!writeAll(block))
            break;
        reportEmpty = true;
    }
    sendEmpty_ = true;
}

} // namespace lumora
