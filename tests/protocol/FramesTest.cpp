#include "protocol/Crc16.h"
#include "protocol/FrameSender.h"
#include "protocol/Frames.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

using namespace lumora;

namespace {

// Records every write as its own message.
class RecordingSink : public IByteSink {
public:
    bool open = true;
    std::vector<std::vector<uint8_t>> writes;
    bool WriteBytes(const uint8_t *data, int count) override
    {
        if (!open || count <= 0)
            return false;
        writes.emplace_back(data, data + count);
        return true;
    }
};

std::vector<uint8_t> bytes(std::initializer_list<int> l)
{
    std::vector<uint8_t> v;
    for (int b : l)
        v.push_back(static_cast<uint8_t>(b));
    return v;
}

FrameBuffer freshBuffer()
{
    FrameBuffer b;
    b.fill(0);
    return b;
}

} // namespace

TEST(Crc16, PublishedCheckValues)
{
    const uint8_t zeros[32] = {};
    EXPECT_EQ(Crc16Modbus(zeros, 32), 0x9401);
    EXPECT_EQ(Crc16Modbus(reinterpret_cast<const uint8_t *>("123456789"), 9), 0x4B37);
    EXPECT_EQ(Crc16Modbus(nullptr, 0), 0xFFFF);
}

TEST(Crc16, FrameCheckIsStoredHighByteFirst)
{
    FrameBuffer tx = freshBuffer();
    FillFrameCrc(tx.data());
    EXPECT_EQ(tx[32], 0x94);
    EXPECT_EQ(tx[33], 0x01);
    EXPECT_TRUE(FrameCrcMatches(tx.data()));
    tx[10] ^= 0x01;
    EXPECT_FALSE(FrameCrcMatches(tx.data()));
}

TEST(Frames, TheGreetingCarriesTheCheckValueOfItsWholeFrame)
{
    FrameBuffer tx = freshBuffer();
    EXPECT_EQ(BuildGreeting(tx), 7);
    EXPECT_EQ(std::memcmp(tx.data(), "PROGRAM", 7), 0);
    EXPECT_EQ(tx[32], 0x81);
    EXPECT_EQ(tx[33], 0x20);

    RecordingSink sink;
    Tim1Timer(sink, tx);
    ASSERT_EQ(sink.writes.size(), 1u);
    std::vector<uint8_t> expected = bytes({'P', 'R', 'O', 'G', 'R', 'A', 'M'});
    expected.resize(32, 0);
    expected.push_back(0x81);
    expected.push_back(0x20);
    EXPECT_EQ(sink.writes[0], expected);
}

TEST(Frames, AReadRequestLeavesTheRestOfTheBufferForRetransmission)
{
    FrameBuffer tx = freshBuffer();
    for (int i = 4; i < 34; ++i)
        tx[i] = static_cast<uint8_t>(i);
    EXPECT_EQ(BuildReadRequest(tx, BlockType::Channel, 2), 4);
    RecordingSink sink;
    Tim1Timer(sink, tx);
    ASSERT_EQ(sink.writes[0].size(), 34u);
    EXPECT_EQ(std::vector<uint8_t>(sink.writes[0].begin(), sink.writes[0].begin() + 4),
              bytes({0x52, 0, 2, 0x20}));
    for (int i = 4; i < 34; ++i)
        EXPECT_EQ(sink.writes[0][i], i);
}

TEST(Frames, DataFrameHeaderAndCheckValue)
{
    FrameBuffer tx = freshBuffer();
    BuildDataFrameHeader(tx, BlockType::Settings, 0);
    tx[4] = 1;
    EXPECT_EQ(FinishDataFrame(tx), 34);
    EXPECT_EQ(tx[0], 0x57);
    EXPECT_EQ(tx[1], 5);
    EXPECT_EQ(tx[2], 0);
    EXPECT_EQ(tx[3], 0x20);
    const uint16_t crc = Crc16Modbus(tx.data(), 32);
    EXPECT_EQ(tx[32], crc >> 8);
    EXPECT_EQ(tx[33], crc & 0xFF);
}

TEST(SendData, SendsOneWritePerByteFromACopy)
{
    FrameBuffer tx = freshBuffer();
    const int n = BuildGreeting(tx);
    RecordingSink sink;
    SendData(sink, tx, n);
    ASSERT_EQ(sink.writes.size(), 7u);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(sink.writes[i], bytes({"PROGRAM"[i]}));

    sink.writes.clear();
    tx[1] = 0x77;
    BuildAcknowledgement(tx);
    SendData(sink, tx, 1);
    ASSERT_EQ(sink.writes.size(), 1u);
    EXPECT_EQ(sink.writes[0], bytes({0x06}));
    EXPECT_EQ(tx[1], 0x77) << "the acknowledgement touches index 0 only";

    sink.writes.clear();
    SendData(sink, tx, 0);
    SendData(sink, tx, -3);
    EXPECT_TRUE(sink.writes.empty());
}

TEST(SendData, AClosedPortSendsNothingAndNothingFails)
{
    FrameBuffer tx = freshBuffer();
    RecordingSink sink;
    sink.open = false;
    EXPECT_NO_THROW(SendData(sink, tx, 34));
    EXPECT_NO_THROW(Tim1Timer(sink, tx));
    EXPECT_TRUE(sink.writes.empty());
}

TEST(Frames, BlockIndexRanges)
{
    EXPECT_EQ(FirstBlockIndex(BlockType::Channel), 1);
    EXPECT_EQ(LastBlockIndex(BlockType::Channel), 16);
    EXPECT_EQ(LastBlockIndex(BlockType::Dtmf), 3);
    EXPECT_EQ(LastBlockIndex(BlockType::FleetSync), 2);
    EXPECT_EQ(LastBlockIndex(BlockType::TwoTone), 10);
    EXPECT_EQ(LastBlockIndex(BlockType::FiveTone), 16);
    EXPECT_EQ(FirstBlockIndex(BlockType::Settings), 0);
    EXPECT_EQ(LastBlockIndex(BlockType::Settings), 0);
}
