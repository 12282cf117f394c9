#pragma once
// Cuts the received byte stream into chunks the way the port's read
// timeouts do: a chunk ends when the line has been quiet for longer than
// the interval, when it reaches its maximum size, or when the total read
// time has run out. Pure logic over timestamps, so it is testable without
// sleeping.

#include <chrono>
#include <cstdint>
#include <optional>
#include <vector>

namespace lumora {

class ChunkAssembler {
public:
    using Clock = std::chrono::steady_clock;
    using Chunk = std::vector<uint8_t>;
    static constexpr size_t kMaxChunk = 2048;

    // interval 0: every read is a chunk of its own. total 0: no total limit.
    void setTimeouts(std::chrono::milliseconds interval, std::chrono::milliseconds total);

    // Bytes read at `now`. Returns the chunks completed by them, in order.
    std::vector<Chunk> feed(const uint8_t *data, size_t count, Clock::time_point now);

    // The chunk under way if its time is up at `now`.
    std::optional<Chunk> flushIfDue(Clock::time_point now);

    // Whatever is held, due or not (the line went away).
    std::optional<Chunk> flush();

    // When the chunk under way must be delivered; none while empty.
    std::optional<Clock::time_point> deadline() const;

private:
    std::chrono::milliseconds interval_{100};
    std::chrono::milliseconds total_{0};
    Chunk pending_;
    Clock::time_point last_{};
    Clock::time_point first_{};
};

} // namespace lumora
