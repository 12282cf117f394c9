#include "serial/ChunkAssembler.h"

namespace lumora {

void ChunkAssembler::setTimeouts(std::chrono::milliseconds interval,
                                 std::chrono::milliseconds total)
{
    interval_ = interval;
    total_ = total;
}

std::vector<ChunkAssembler::Chunk> ChunkAssembler::feed(const uint8_t *data, size_t count,
                                                        Clock::time_point now)
{
    std::vector<Chunk> done;
    if (auto due = flushIfDue(now))
        done.push_back(std::move(*due));
    for (size_t i = 0; i < count; ++i) {
        if (pending_.empty())
            first_ = now;
        pending_.push_back(data[i]);
        if (pending_.size() == kMaxChunk)
            done.push_back(std::move(*flush()));
    }
    last_ = now;
    if (interval_.count() == 0 && !pending_.empty())
        done.push_back(std::move(*flush()));
    return done;
}

std::optional<ChunkAssembler::Clock::time_point> ChunkAssembler::deadline() const
{
    if (pending_.empty())
        return std::nullopt;
    auto due = last_ + interval_;
    if (total_.count() > 0 && first_ + total_ < due)
        due = first_ + total_;
    return due;
}

std::optional<ChunkAssembler::Chunk> ChunkAssembler::flushIfDue(Clock::time_point now)
{
    const auto due = deadline();
    if (!due || now <= *due)
        return std::nullopt;
    return flush();
}

std::optional<ChunkAssembler::Chunk> ChunkAssembler::flush()
{
    if (pending_.empty())
        return std::nullopt;
    Chunk out;
    out.swap(pending_);
    return out;
}

} // namespace lumora
