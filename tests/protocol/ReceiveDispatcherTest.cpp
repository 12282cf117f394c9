#include "protocol/Crc16.h"
#include "protocol/ReceiveDispatcher.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace lumora;

namespace {

struct Log {
    std::vector<std::string> calls;
};

class FakeMain : public IMainTransfer {
public:
    explicit FakeMain(Log &log) : log_(log) {}
    bool reading = false, writing = false;
    bool MainReadUnderWay() const override { return reading; }
    bool MainWriteUnderWay() const override { return writing; }
    void MainReadGreetingAnswered() override { log_.calls.push_back("main greeting"); }
    void MainReadDataAnswer() override { log_.calls.push_back("main data"); }
    void MainWriteAcknowledged() override { log_.calls.push_back("main ack"); }
    void SendAcknowledgement() override { log_.calls.push_back("send 06"); }

private:
    Log &log_;
};

class FakeWindow : public ISignallingTransfer {
public:
    FakeWindow(Log &log, std::string name) : log_(log), name_(std::move(name)) {}
    bool reading = false, writing = false;
    bool ReadUnderWay() const override { return reading; }
    bool WriteUnderWay() const override { return writing; }
    void BlockReceived() override { log_.calls.push_back(name_ + " received"); }
    void BlockAcknowledged() override { log_.calls.push_back(name_ + " acknowledged"); }
    void StopTransfer() override {}
    QString AreaName() const override { return QStringLiteral("test"); }

private:
    Log &log_;
    std::string name_;
};

struct Fixture {
    Log log;
    FakeMain main{log};
    FakeWindow dtmf{log, "dtmf"}, fleet{log, "fsk"}, two{log, "2tone"}, five{log, "5tone"};
    FrameBuffer rx{};
    SignallingRoutes routes{{BlockType::FiveTone, &five},
                            {BlockType::TwoTone, &two},
                            {BlockType::FleetSync, &fleet},
                            {BlockType::Dtmf, &dtmf}};
    UncheckedAnswer unchecked;

    std::vector<std::string> dispatch(std::vector<uint8_t> chunk)
    {
        log.calls.clear();
        DispatchReceivedChunk(chunk.data(), static_cast<uint16_t>(chunk.size()), rx, main, routes, unchecked);
        return log.calls;
    }
};

using Calls = std::vector<std::string>;

std::vector<uint8_t> answer(uint8_t type, uint8_t index, uint8_t byte5 = 0)
{
    std::vector<uint8_t> a(34, 0);
    a[0] = 0x57;
    a[1] = type;
    a[2] = index;
    a[3] = 0x20;
    a[5] = byte5;
    FillFrameCrc(a.data());
    return a;
}

} // namespace

TEST(ReceiveDispatcher, RoutesTheMainTransfers)
{
    Fixture f;
    EXPECT_EQ(f.dispatch({0x06}), Calls());
    f.main.reading = true;
    EXPECT_EQ(f.dispatch({0x06}), Calls({"main greeting"}));
    EXPECT_EQ(f.dispatch(answer(0, 1)), Calls({"main data"}));
    EXPECT_EQ(f.dispatch(answer(5, 0)), Calls({"main data"})) << "the settings block";
    EXPECT_EQ(f.dispatch(answer(3, 1)), Calls()) << "a late signalling answer is no channel";
    f.main.reading = false;
    f.main.writing = true;
    EXPECT_EQ(f.dispatch({0x06}), Calls({"main ack"}));
    EXPECT_EQ(f.dispatch(answer(0, 1)), Calls());
    EXPECT_EQ(f.rx[0], 0) << "index 0 is cleared after every chunk";
    EXPECT_EQ(f.rx[1], 0);
    EXPECT_EQ(f.rx[33], answer(0, 1)[33]) << "the rest is the answer's, its check value last";
}

TEST(ReceiveDispatcher, AcknowledgesEveryDataAnswerWhoseByteFiveIs0x30)
{
    Fixture f;
    EXPECT_EQ(f.dispatch(answer(0, 1, 0x30)), Calls({"send 06"})) << "also with no transfer";
    f.main.reading = true;
    EXPECT_EQ(f.dispatch(answer(0, 1, 0x30)), Calls({"main data", "send 06"}));
    EXPECT_EQ(f.dispatch({0x06, 0, 0, 0, 0, 0x30}), Calls({"main greeting"}));
}

TEST(ReceiveDispatcher, RoutesSignallingWindowsByTypeInTheirOrder)
{
    Fixture f;
    f.dtmf.reading = f.fleet.reading = f.two.reading = f.five.reading = true;
    EXPECT_EQ(f.dispatch(answer(1, 0)), Calls({"dtmf received"}));
    EXPECT_EQ(f.dispatch(answer(2, 0)), Calls({"fsk received"}));
    EXPECT_EQ(f.dispatch(answer(3, 0)), Calls({"2tone received"}));
    EXPECT_EQ(f.dispatch(answer(4, 0)), Calls({"5tone received"}));
    EXPECT_EQ(f.dispatch(answer(5, 0)), Calls());
    f.dtmf.writing = f.five.writing = true;
    f.main.writing = true;
    // Every window writing hears the same acknowledgement, 5TONE first.
    EXPECT_EQ(f.dispatch({0x06}), Calls({"5tone acknowledged", "dtmf acknowledged", "main ack"}));
}

TEST(ReceiveDispatcher, AShortChunkLeavesTheRestOfTheBuffer)
{
    Fixture f;
    f.dispatch(answer(0, 7));
    f.main.reading = true;
    f.dispatch({0x06, 0x01});
    EXPECT_EQ(f.rx[2], 7) << "byte 2 is what the earlier answer left";
}

// A damaged or cut data answer never reaches a window: the request goes
// out again instead, and its bytes stay out of the table.
TEST(ReceiveDispatcher, ADataAnswerThatFailsItsCheckValueOrIsCutIsIgnored)
{
    Fixture f;
    f.main.reading = true;
    f.dtmf.reading = true;
    std::vector<uint8_t> damaged = answer(1, 2, 0x30);
    damaged[10] ^= 0x04;
    EXPECT_EQ(f.dispatch(damaged), Calls());
    EXPECT_EQ(f.rx[10], 0) << "nothing of it was taken";
    std::vector<uint8_t> cut = answer(1, 2);
    cut.resize(33);
    EXPECT_EQ(f.dispatch(cut), Calls());
    EXPECT_EQ(f.dispatch({0x57}), Calls());
    EXPECT_EQ(f.dispatch(answer(1, 2)), Calls({"dtmf received"}));
    EXPECT_EQ(f.dispatch(answer(0, 2)), Calls({"main data"}));
}

// A radio that computes its check value otherwise (here: low byte first)
// still reads: the same answer twice in a row is taken. Two different
// damaged answers, or one with another message between, are not.
TEST(ReceiveDispatcher, TheSameAnswerTwiceInARowCountsWhateverItsCheckValue)
{
    Fixture f;
    f.dtmf.reading = true;
    std::vector<uint8_t> swapped = answer(1, 2);
    std::swap(swapped[32], swapped[33]);
    EXPECT_EQ(f.dispatch(swapped), Calls());
    EXPECT_EQ(f.dispatch(swapped), Calls({"dtmf received"}));
    EXPECT_EQ(f.dispatch(swapped), Calls()) << "a third copy starts a new pair";
    std::vector<uint8_t> other = swapped;
    other[10] ^= 0x01;
    EXPECT_EQ(f.dispatch(other), Calls());
    EXPECT_EQ(f.dispatch(swapped), Calls());
    EXPECT_EQ(f.dispatch({0x06}), Calls());
    EXPECT_EQ(f.dispatch(swapped), Calls()) << "not in a row";
    EXPECT_EQ(f.dispatch(swapped), Calls({"dtmf received"}));
}
