// The serial port's behaviour at its plain C++ interface, against a far
// end on a real line. The same tests run natively against the POSIX
// backend and, cross-built, under Wine against the Win32 backend.

#include "FarEnd.h"

#include "serial/ECommsError.h"
#include "serial/LinkMailbox.h"
#include "serial/SerialLink.h"

#include <chrono>
#include <cstdio>
#include <gtest/gtest.h>
#include <random>
#include <thread>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

using namespace lumora;
using namespace lumora::test;

namespace {

using Clock = std::chrono::steady_clock;

// Settings of the tool's port: 9600 8N1, no flow control, 20 ms interval.
LineSettings toolLine()
{
    LineSettings line;
    line.Outx_XonXoffFlow = false;
    line.Inx_XonXoffFlow = false;
    return line;
}

CommTimeouts toolTimeouts()
{
    CommTimeouts t;
    t.ReadIntervalTimeout = 20;
    return t;
}

// How many handles or descriptors the process holds.
long openHandles()
{
    long count = 0;
#ifdef _WIN32
    DWORD reported = 0;
    if (::GetProcessHandleCount(::GetCurrentProcess(), &reported) && reported)
        return static_cast<long>(reported);
    // Wine reports none: ask each handle value in turn whether it is open.
    DWORD flags = 0;
    for (uintptr_t h = 4; h < 0x40000; h += 4)
        count += ::GetHandleInformation(reinterpret_cast<HANDLE>(h), &flags) ? 1 : 0;
#else
    for (int fd = 0; fd < 4096; ++fd)
        count += ::fcntl(fd, F_GETFD) != -1 ? 1 : 0;
#endif
    return count;
}

Bytes pattern(size_t size, uint8_t seed)
{
    Bytes b(size);
    for (size_t i = 0; i < size; ++i)
        b[i] = static_cast<uint8_t>(seed + i * 7);
    return b;
}

// What the link reported, taken from its mailbox as the window would.
struct Reports {
    LinkMailbox mailbox;
    std::vector<Bytes> chunks;
    bool zeroAfterEach = true;
    int hangups = 0;
    int emptyQueues = 0;

    void pump(int ms)
    {
        if (!mailbox.signal().wait(ms))
            return;
        while (auto r = mailbox.take()) {
            if (r->kind == LinkReport::Received) {
                zeroAfterEach = zeroAfterEach && r->bytes.back() == 0;
                chunks.emplace_back(r->bytes.begin(), r->bytes.end() - 1);
            }
            hangups += r->kind == LinkReport::Hangup;
            emptyQueues += r->kind == LinkReport::SendEmpty;
        }
    }
    template <typename Done>
    bool waitUntil(Done done, int timeoutMs = 10000)
    {
        const auto end = Clock::now() + std::chrono::milliseconds(timeoutMs);
        while (!done()) {
            if (Clock::now() >= end)
                return false;
            pump(20);
        }
        return true;
    }
    // Lets anything still on its way arrive.
    void settle(int ms)
    {
        const auto end = Clock::now() + std::chrono::milliseconds(ms);
        while (Clock::now() < end)
            pump(10);
    }
    Bytes all() const
    {
        Bytes a;
        for (const Bytes &c : chunks)
            a.insert(a.end(), c.begin(), c.end());
        return a;
    }
    std::vector<size_t> sizes() const
    {
        std::vector<size_t> s;
        for (const Bytes &c : chunks)
            s.push_back(c.size());
        return s;
    }
};

std::string openFailure(const std::string &name, Reports &got)
{
    try {
        SerialLink link(name, toolLine(), toolTimeouts(), got.mailbox);
    } catch (const ECommsError &e) {
        return e.text();
    }
    return "opened";
}

class SerialBehaviour : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(farEnd->renew()); }
    void open() { link = std::make_unique<SerialLink>(farEnd->portName(), toolLine(), toolTimeouts(), got.mailbox); }
    void queue(const Bytes &b) { link->queueWrite(b.data(), b.size()); }

    std::unique_ptr<FarEnd> farEnd = makeFarEnd();
    Reports got;
    std::unique_ptr<SerialLink> link;
};

} // namespace

TEST_F(SerialBehaviour, OpenFailuresCarryTheirTexts)
{
    EXPECT_EQ(openFailure(farEnd->missingPortName(), got), "Error opening serial port");
    const char *fileName = "lumora-not-a-port.tmp";
    std::FILE *file = std::fopen(fileName, "wb");
    ASSERT_NE(file, nullptr);
    std::fclose(file);
    EXPECT_EQ(openFailure(fileName, got), "File handle is not a comm handle ");
    std::remove(fileName);
    open(); // the failures left nothing behind that keeps the real port from opening
    got.settle(50);
    EXPECT_EQ(got.hangups, 0);
}

TEST_F(SerialBehaviour, LineSettingsReachTheLine)
{
    open();
    FarLine l = farEnd->line();
    EXPECT_EQ(l.baud, 9600u);
    EXPECT_EQ(l.dataBits, 8);
    EXPECT_EQ(l.parity, 'N');
    EXPECT_EQ(l.stopBits, 1);
    EXPECT_FALSE(l.hardwareFlow);
    EXPECT_FALSE(l.softwareFlow);

    LineSettings changed = toolLine();
    changed.BaudRate = 19200;
    changed.StopBits = TStopBits::_2;
    link->applyLineSettings(changed);
    l = farEnd->line();
    EXPECT_EQ(l.baud, 19200u);
    EXPECT_EQ(l.stopBits, 2);
}

TEST_F(SerialBehaviour, ChunksEndAtQuietGapsAndAt2048Bytes)
{
    open();
    // No pause: one chunk, with a zero after its last byte.
    ASSERT_TRUE(farEnd->send(pattern(38, 1)));
    ASSERT_TRUE(got.waitUntil([&] { return !got.chunks.empty(); }));
    got.settle(100);
    EXPECT_EQ(got.sizes(), std::vector<size_t>({38}));
    EXPECT_EQ(got.all(), pattern(38, 1));
    EXPECT_TRUE(got.zeroAfterEach);

    // A pause well above the 20 ms interval: two chunks.
    got.chunks.clear();
    ASSERT_TRUE(farEnd->sendWithPause(pattern(7, 2), 60, pattern(34, 3)));
    ASSERT_TRUE(got.waitUntil([&] { return got.all().size() == 41; }));
    got.settle(100);
    EXPECT_EQ(got.sizes(), std::vector<size_t>({7, 34}));

    // More than a read takes: cut at 2048 bytes.
    got.chunks.clear();
    ASSERT_TRUE(farEnd->send(pattern(2100, 4)));
    ASSERT_TRUE(got.waitUntil([&] { return got.all().size() == 2100; }));
    got.settle(100);
    EXPECT_EQ(got.sizes(), std::vector<size_t>({2048, 52}));
    EXPECT_EQ(got.all(), pattern(2100, 4));
}

TEST_F(SerialBehaviour, BlocksLeaveInOrderAndAnEmptyQueueIsReported)
{
    open();
    Bytes expected;
    for (int i = 0; i < 34; ++i) {
        expected.push_back(static_cast<uint8_t>(i * 7));
        queue({expected.back()});
    }
    EXPECT_EQ(farEnd->receive(34, 10000), expected);
    EXPECT_TRUE(got.waitUntil([&] { return got.emptyQueues >= 1 && link->sendEmpty(); }));
}

TEST_F(SerialBehaviour, TenThousandMessagesEachWayArriveInOrder)
{
    open();
    std::mt19937 rng(1208);
    auto message = [&] {
        Bytes m(1 + rng() % 64);
        for (uint8_t &b : m)
            b = static_cast<uint8_t>(rng());
        return m;
    };
    std::vector<Bytes> toHost, toFar;
    Bytes hostExpects, farExpects;
    for (int i = 0; i < 10000; ++i) {
        toHost.push_back(message());
        hostExpects.insert(hostExpects.end(), toHost.back().begin(), toHost.back().end());
        toFar.push_back(message());
        farExpects.insert(farExpects.end(), toFar.back().begin(), toFar.back().end());
    }
    farEnd->startSending(toHost);
    for (const Bytes &m : toFar)
        queue(m);
    EXPECT_EQ(farEnd->receive(farExpects.size(), 120000), farExpects);
    EXPECT_TRUE(farEnd->finishSending());
    ASSERT_TRUE(got.waitUntil([&] { return got.all().size() >= hostExpects.size(); }, 120000));
    EXPECT_EQ(got.all(), hostExpects);
    for (size_t size : got.sizes())
        EXPECT_LE(size, 2048u);
}

TEST_F(SerialBehaviour, AHangupWhileIdleIsReportedOnceAndTheNextLineOpens)
{
    open();
    got.settle(50);
    farEnd->hangUp();
    ASSERT_TRUE(got.waitUntil([&] { return got.hangups >= 1; }));
    got.settle(300); // the thread that met it ended, and nothing reports again
    EXPECT_EQ(got.hangups, 1);
    link.reset();

    ASSERT_TRUE(farEnd->renew());
    open();
    ASSERT_TRUE(farEnd->send({'o', 'k'}));
    EXPECT_TRUE(got.waitUntil([&] { return got.all() == Bytes({'o', 'k'}); }));
    EXPECT_EQ(got.hangups, 1);
}

TEST_F(SerialBehaviour, AHangupMidWriteIsReportedOnce)
{
    open();
    // Far more than the line holds, with nobody reading: the writer waits.
    for (int i = 0; i < 4; ++i)
        queue(pattern(60000, static_cast<uint8_t>(i)));
    got.settle(100);
    EXPECT_FALSE(link->sendEmpty());
    farEnd->hangUp();
    ASSERT_TRUE(got.waitUntil([&] { return got.hangups >= 1; }));
    got.settle(200);
    EXPECT_EQ(got.hangups, 1);
}

TEST_F(SerialBehaviour, ClosingJoinsBothThreadsWithinItsLimit)
{
    open();
    for (int i = 0; i < 4; ++i)
        queue(pattern(60000, static_cast<uint8_t>(i))); // the writer is stuck
    got.settle(100);
    const auto start = Clock::now();
    link.reset();
    const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
    EXPECT_LT(took.count(), 10000); // the limit the close gives each thread
    got.settle(100);
    EXPECT_EQ(got.hangups, 0); // a close on purpose is no hang-up
}

TEST_F(SerialBehaviour, OpenCloseCyclesLeakNoHandle)
{
    open();
    link.reset();
    const long before = openHandles();
    for (int i = 0; i < 1000; ++i) {
        open();
        link.reset();
    }
    EXPECT_EQ(openHandles(), before);
    got.settle(20);
    EXPECT_EQ(got.hangups, 0);
}

TEST(SerialLinkNames, WindowsPortsOpenInTheirDeviceFormSoThatAllNumbersWork)
{
#ifdef _WIN32
    EXPECT_EQ(SerialLink::devicePath("COM1"), "\\\\.\\COM1");
    EXPECT_EQ(SerialLink::devicePath("COM12"), "\\\\.\\COM12");
    EXPECT_EQ(SerialLink::devicePath("com3"), "\\\\.\\com3");
    EXPECT_EQ(SerialLink::devicePath("\\\\.\\COM4"), "\\\\.\\COM4");
    EXPECT_EQ(SerialLink::devicePath("COM"), "COM");
    EXPECT_EQ(SerialLink::devicePath("COM1x"), "COM1x");
#else
    EXPECT_EQ(SerialLink::devicePath("/dev/ttyUSB0"), "/dev/ttyUSB0");
    EXPECT_EQ(SerialLink::devicePath("COM2"), "COM2");
#endif
}
