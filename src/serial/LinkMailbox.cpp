#include "serial/LinkMailbox.h"

#include <stdexcept>
#include <sys/eventfd.h>
#include <unistd.h>

namespace lumora {

LinkMailbox::LinkMailbox() : wake_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK))
{
    if (wake_ < 0)
        throw std::runtime_error("Unable to create event");
}

LinkMailbox::~LinkMailbox() { ::close(wake_); }

void LinkMailbox::clearWake()
{
    uint64_t count = 0;
    (void)!::read(wake_, &count, sizeof count);
}

std::optional<LinkReport> LinkMailbox::take()
{
    std::lock_guard<std::mutex> guard(lock_);
    if (reports_.empty())
        return std::nullopt;
    LinkReport r = std::move(reports_.front());
    reports_.pop_front();
    return r;
}

void LinkMailbox::post(LinkReport report)
{
    {
        std::lock_guard<std::mutex> guard(lock_);
        reports_.push_back(std::move(report));
    }
    const uint64_t one = 1;
    (void)!::write(wake_, &one, sizeof one);
}

void LinkMailbox::linkReceived(std::vector<uint8_t> chunk)
{
    chunk.push_back(0); // the handler may read one byte past the last
    post({LinkReport::Received, std::move(chunk), 0});
}

void LinkMailbox::linkLineError(uint32_t flags) { post({LinkReport::LineError, {}, flags}); }

void LinkMailbox::linkHangup() { post({LinkReport::Hangup, {}, 0}); }

void LinkMailbox::linkSendEmpty() { post({LinkReport::SendEmpty, {}, 0}); }

} // namespace lumora
