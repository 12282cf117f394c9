#include "serial/ChunkAssembler.h"

#include <gtest/gtest.h>

using namespace lumora;
using namespace std::chrono;

namespace {

const ChunkAssembler::Clock::time_point t0{};

ChunkAssembler comm1()
{
    ChunkAssembler a;
    a.setTimeouts(milliseconds(20), milliseconds(0));
    return a;
}

std::vector<uint8_t> bytes(size_t n, uint8_t first = 0)
{
    std::vector<uint8_t> v(n);
    for (size_t i = 0; i < n; ++i)
        v[i] = static_cast<uint8_t>(first + i);
    return v;
}

} // namespace

TEST(ChunkAssembler, BytesWithoutAQuietGapMakeOneChunk)
{
    ChunkAssembler a = comm1();
    const auto b = bytes(38);
    for (int i = 0; i < 38; ++i)
        EXPECT_TRUE(a.feed(&b[i], 1, t0 + milliseconds(i / 2)).empty());
    EXPECT_FALSE(a.flushIfDue(t0 + milliseconds(18 + 20)).has_value()) << "20 ms is not longer than 20";
    const auto chunk = a.flushIfDue(t0 + milliseconds(18 + 21));
    ASSERT_TRUE(chunk.has_value());
    EXPECT_EQ(*chunk, b);
    EXPECT_FALSE(a.deadline().has_value());
}

TEST(ChunkAssembler, AQuietGapLongerThanTheIntervalSplits)
{
    ChunkAssembler a = comm1();
    const auto b = bytes(20);
    EXPECT_TRUE(a.feed(b.data(), 10, t0).empty());
    EXPECT_EQ(*a.deadline(), t0 + milliseconds(20));
    const auto done = a.feed(b.data() + 10, 10, t0 + milliseconds(25));
    ASSERT_EQ(done.size(), 1u);
    EXPECT_EQ(done[0], std::vector<uint8_t>(b.begin(), b.begin() + 10));
    EXPECT_EQ(*a.flushIfDue(t0 + milliseconds(50)), std::vector<uint8_t>(b.begin() + 10, b.end()));
}

TEST(ChunkAssembler, ChunksNeverExceed2048Bytes)
{
    ChunkAssembler a = comm1();
    const auto b = bytes(5000);
    const auto done = a.feed(b.data(), b.size(), t0);
    ASSERT_EQ(done.size(), 2u);
    EXPECT_EQ(done[0].size(), 2048u);
    EXPECT_EQ(done[1].size(), 2048u);
    EXPECT_EQ(done[1][0], static_cast<uint8_t>(2048));
    EXPECT_EQ(a.flush()->size(), 5000u - 4096u);
}

TEST(ChunkAssembler, TotalTimeoutEndsAChunkThatNeverGoesQuiet)
{
    ChunkAssembler a;
    a.setTimeouts(milliseconds(20), milliseconds(50));
    const uint8_t b = 1;
    for (int ms = 0; ms <= 50; ms += 10)
        a.feed(&b, 1, t0 + milliseconds(ms));
    EXPECT_EQ(*a.deadline(), t0 + milliseconds(50));
    const auto done = a.feed(&b, 1, t0 + milliseconds(60));
    ASSERT_EQ(done.size(), 1u);
    EXPECT_EQ(done[0].size(), 6u);
}

TEST(ChunkAssembler, ZeroIntervalDeliversEveryRead)
{
    ChunkAssembler a;
    a.setTimeouts(milliseconds(0), milliseconds(0));
    const auto b = bytes(3);
    const auto done = a.feed(b.data(), 3, t0);
    ASSERT_EQ(done.size(), 1u);
    EXPECT_EQ(done[0], b);
}
