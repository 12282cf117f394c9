// The hand-off between threads: wake signals and the signalled queue.

#include "serial/SignalledQueue.h"
#include "serial/WakeSignal.h"

#include <gtest/gtest.h>
#include <thread>
#include <vector>

using namespace lumora;

TEST(WakeSignal, RaisingAndClearingAreIdempotentAndNeverBlock)
{
    WakeSignal s;
    EXPECT_FALSE(s.wait(0));
    // Far more raises than a pipe holds: none of them may block.
    for (int i = 0; i < 100000; ++i)
        s.raise();
    EXPECT_TRUE(s.wait(0));
    EXPECT_TRUE(s.wait(0)); // waiting does not consume it
    s.clear();
    EXPECT_FALSE(s.wait(0));
    s.clear();
    EXPECT_FALSE(s.wait(0));
}

TEST(WakeSignal, WaitEitherNamesTheRaisedOne)
{
    WakeSignal first, second;
    second.raise();
    EXPECT_EQ(WakeSignal::waitEither(first, second), 1);
    first.raise();
    EXPECT_EQ(WakeSignal::waitEither(first, second), 0); // both: the first
    first.clear();
    second.clear();
    std::thread later([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        first.raise();
    });
    EXPECT_EQ(WakeSignal::waitEither(first, second), 0);
    later.join();
}

TEST(SignalledQueue, TakeClearsTheSignalOnlyWhenEmpty)
{
    SignalledQueue<int> q;
    EXPECT_FALSE(q.signal().wait(0));
    q.push(1);
    q.push(2);
    EXPECT_TRUE(q.signal().wait(0));
    EXPECT_EQ(q.take(), 1);
    EXPECT_TRUE(q.signal().wait(0)); // one still waiting
    EXPECT_EQ(q.take(), 2);
    bool emptySeen = false;
    EXPECT_EQ(q.take([&] { emptySeen = true; }), std::nullopt);
    EXPECT_TRUE(emptySeen);
    EXPECT_FALSE(q.signal().wait(0));
}

// Producers push while a consumer sleeps on the signal: no wake-up may be
// lost (the consumer would wait with items queued), and each producer's
// items come out in the order it pushed them.
TEST(SignalledQueue, NoWakeUpIsLostBetweenThreads)
{
    constexpr int kProducers = 4;
    constexpr int kEach = 20000;
    SignalledQueue<std::pair<int, int>> q;
    std::vector<std::thread> producers;
    for (int p = 0; p < kProducers; ++p)
        producers.emplace_back([&q, p] {
            for (int i = 0; i < kEach; ++i)
                q.push({p, i});
        });
    std::vector<int> next(kProducers, 0);
    int received = 0;
    bool lostWakeUp = false;
    while (received < kProducers * kEach && !lostWakeUp) {
        if (!q.signal().wait(5000)) {
            lostWakeUp = true;
            break;
        }
        while (auto item = q.take()) {
            EXPECT_EQ(item->second, next[item->first]++);
            ++received;
        }
    }
    for (std::thread &t : producers)
        t.join();
    EXPECT_FALSE(lostWakeUp);
    EXPECT_EQ(received, kProducers * kEach);
}
