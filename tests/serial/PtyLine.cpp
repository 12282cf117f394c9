#include "PtyLine.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace lumora::test {

PtyLine::PtyLine()
{
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ >= 0 && (::grantpt(master_) != 0 || ::unlockpt(master_) != 0))
        closeMaster();
    if (master_ >= 0)
        slave_ = ::ptsname(master_);
}

void PtyLine::closeMaster()
{
    if (master_ >= 0)
        ::close(master_);
    master_ = -1;
}

bool PtyLine::send(const uint8_t *data, size_t count) const
{
    size_t done = 0;
    while (done < count) {
        const ssize_t n = ::write(master_, data + done, count - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

std::vector<uint8_t> PtyLine::receive(size_t count, int timeoutMs) const
{
    std::vector<uint8_t> got;
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (got.size() < count) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                              end - std::chrono::steady_clock::now())
                              .count();
        if (left <= 0)
            break;
        pollfd p{master_, POLLIN, 0};
        if (::poll(&p, 1, static_cast<int>(left)) <= 0)
            continue;
        uint8_t buf[4096];
        const ssize_t n = ::read(master_, buf, sizeof buf);
        if (n <= 0)
            break;
        got.insert(got.end(), buf, buf + n);
    }
    return got;
}

} // namespace lumora::test
