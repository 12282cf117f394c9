#include "serial/WakeSignal.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <unistd.h>

namespace lumora {

namespace {

bool makeNonBlockingAndPrivate(int fd)
{
    const int status = ::fcntl(fd, F_GETFL);
    const int descriptor = ::fcntl(fd, F_GETFD);
    return status >= 0 && descriptor >= 0 && ::fcntl(fd, F_SETFL, status | O_NONBLOCK) == 0
           && ::fcntl(fd, F_SETFD, descriptor | FD_CLOEXEC) == 0;
}

} // namespace

WakeSignal::WakeSignal() : native_(-1)
{
    int ends[2];
    if (::pipe(ends) != 0)
        throw std::runtime_error("Unable to create event");
    native_ = ends[0];
    writeEnd_ = ends[1];
    if (!makeNonBlockingAndPrivate(native_) || !makeNonBlockingAndPrivate(writeEnd_)) {
        ::close(native_);
        ::close(writeEnd_);
        throw std::runtime_error("Unable to create event");
    }
}

WakeSignal::~WakeSignal()
{
    ::close(native_);
    ::close(writeEnd_);
}

void WakeSignal::raise()
{
    // A full pipe is readable already: the byte that did not fit is not missed.
    const char one = 1;
    while (::write(writeEnd_, &one, 1) < 0 && errno == EINTR) {
    }
}

void WakeSignal::clear()
{
    char drain[64];
    for (;;) {
        const ssize_t n = ::read(native_, drain, sizeof drain);
        if (n > 0 || (n < 0 && errno == EINTR))
            continue;
        return;
    }
}

bool WakeSignal::wait(int timeoutMs) const
{
    pollfd p{native_, POLLIN, 0};
    for (;;) {
        const int ready = ::poll(&p, 1, timeoutMs);
        if (ready < 0 && errno == EINTR)
            continue;
        return ready > 0;
    }
}

int WakeSignal::waitEither(const WakeSignal &first, const WakeSignal &second)
{
    pollfd p[2] = {{first.native_, POLLIN, 0}, {second.native_, POLLIN, 0}};
    for (;;) {
        const int ready = ::poll(p, 2, -1);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return -1;
        return (p[0].revents & POLLIN) ? 0 : (p[1].revents & POLLIN) ? 1 : -1;
    }
}

} // namespace lumora
