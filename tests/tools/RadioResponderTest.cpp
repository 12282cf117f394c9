#include "RadioImage.h"
#include "RadioResponder.h"

#include "protocol/Crc16.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace lumora;
using namespace lumora::radio;
using namespace std::chrono;

namespace {

using Bytes = std::vector<uint8_t>;

Bytes greeting() { return {'P', 'R', 'O', 'G', 'R', 'A', 'M'}; }

Bytes request(BlockType t, int index)
{
    return {0x52, static_cast<uint8_t>(t), static_cast<uint8_t>(index), 0x20};
}

Bytes frame(BlockType t, int index, uint8_t fill, bool goodCrc = true)
{
    FrameBuffer f{};
    BuildDataFrameHeader(f, t, static_cast<uint8_t>(index));
    for (int i = 4; i < 32; ++i)
        f[i] = static_cast<uint8_t>(fill + i);
    FinishDataFrame(f);
    if (!goodCrc)
        f[33] ^= 1;
    return Bytes(f.begin(), f.begin() + 34);
}

struct Line {
    RadioImage image = RadioImage::BuiltIn();
    RadioResponder radio;
    RadioResponder::Clock::time_point now{};
    explicit Line(Faults f = {}) : radio(image, f) {}

    // Sends bytes after a pause, as a new message of the host's.
    std::vector<Outcome> send(const Bytes &b, milliseconds after = milliseconds(50))
    {
        now += after;
        return radio.receive(b.data(), b.size(), now);
    }
    Bytes answer(const Bytes &b)
    {
        const auto out = send(b);
        return out.empty() ? Bytes() : out[0].answer;
    }
};

} // namespace

TEST(RadioResponder, GreetsAndAnswersEveryBlockType)
{
    Line line;
    EXPECT_EQ(line.answer(greeting()), Bytes{0x06});
    for (BlockType t : {BlockType::Channel, BlockType::Dtmf, BlockType::FleetSync,
                        BlockType::TwoTone, BlockType::FiveTone, BlockType::Settings}) {
        for (int i = FirstBlockIndex(t); i <= LastBlockIndex(t); ++i) {
            const Bytes a = line.answer(request(t, i));
            ASSERT_EQ(a.size(), 34u);
            EXPECT_EQ(a[0], 0x57);
            EXPECT_EQ(a[1], static_cast<uint8_t>(t));
            EXPECT_EQ(a[2], i);
            EXPECT_TRUE(FrameCrcMatches(a.data()));
            EXPECT_TRUE(std::equal(a.begin() + 4, a.begin() + 32, line.image.block(t, i)->begin()));
        }
    }
    EXPECT_TRUE(line.answer(request(BlockType::Channel, 0)).empty());
    EXPECT_TRUE(line.answer(request(BlockType::Dtmf, 4)).empty());
    EXPECT_TRUE(line.answer({0x52, 9, 0, 0x20}).empty());
}

TEST(RadioResponder, StoresFramesWithAGoodCheckValueOnly)
{
    Line line;
    auto out = line.send(frame(BlockType::Channel, 3, 0x10));
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].answer, Bytes{0x06});
    EXPECT_TRUE(out[0].stored);
    EXPECT_EQ((*line.image.block(BlockType::Channel, 3))[0], 0x14);

    out = line.send(frame(BlockType::Channel, 4, 0x20, false));
    ASSERT_EQ(out.size(), 1u);
    EXPECT_TRUE(out[0].answer.empty());
    EXPECT_FALSE(out[0].stored);
    EXPECT_NE((*line.image.block(BlockType::Channel, 4))[0], 0x24);
}

TEST(RadioResponder, AFleetSyncWriteIsAHeaderAndAPayloadWithoutCheckValue)
{
    Line line;
    EXPECT_TRUE(line.send({0x57, 2, 1, 0x20}).empty());
    Bytes payload(28);
    for (int i = 0; i < 28; ++i)
        payload[i] = static_cast<uint8_t>(0xA0 + i);
    const auto out = line.send(payload, milliseconds(1));
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].answer, Bytes{0x06});
    EXPECT_EQ(*line.image.block(BlockType::FleetSync, 1), (Block{0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6,
                                                                 0xA7, 0xA8, 0xA9, 0xAA, 0xAB, 0xAC, 0xAD,
                                                                 0xAE, 0xAF, 0xB0, 0xB1, 0xB2, 0xB3, 0xB4,
                                                                 0xB5, 0xB6, 0xB7, 0xB8, 0xB9, 0xBA, 0xBB}));
}

TEST(RadioResponder, CopesWithWhatTheHostReallySends)
{
    Line line;
    // The greeting byte by byte, and its 34-byte retransmission.
    const Bytes g = greeting();
    std::vector<Outcome> out;
    for (size_t i = 0; i < g.size(); ++i) {
        auto o = line.send({g[i]}, milliseconds(i == 0 ? 50 : 0));
        out.insert(out.end(), o.begin(), o.end());
    }
    ASSERT_EQ(out.size(), 1u);
    Bytes retransmission = g;
    retransmission.resize(32, 0);
    retransmission.push_back(0x81);
    retransmission.push_back(0x20);
    EXPECT_EQ(line.answer(retransmission), Bytes{0x06});
    // A request whose tail comes in a second read of the same burst.
    Bytes r = request(BlockType::Channel, 2);
    EXPECT_EQ(line.send(r).size(), 1u);
    EXPECT_TRUE(line.send(Bytes(30, 0x57), milliseconds(1)).empty());
    // A request followed by the host's own acknowledgement; a lone 0x06.
    r.push_back(0x06);
    EXPECT_EQ(line.send(r).size(), 1u);
    EXPECT_TRUE(line.send({0x06}).empty());
    // Noise before a message is skipped.
    Bytes noisy = {0x00, 0x13};
    const Bytes req = request(BlockType::Settings, 0);
    noisy.insert(noisy.end(), req.begin(), req.end());
    const auto o = line.send(noisy);
    ASSERT_EQ(o.size(), 1u);
    EXPECT_EQ(o[0].answer[1], 5);
    EXPECT_TRUE(o[0].transferDone);

    // Several messages in one read, each answered: a resent request (with
    // its 30-byte tail), the next request, a frame and its resent copy.
    Bytes burst = request(BlockType::Channel, 3);
    burst.resize(34, 0);
    for (const Bytes &m : {request(BlockType::Channel, 4), frame(BlockType::Dtmf, 1, 7), frame(BlockType::Dtmf, 1, 7)})
        burst.insert(burst.end(), m.begin(), m.end());
    const auto all = line.send(burst);
    ASSERT_EQ(all.size(), 4u);
    EXPECT_EQ(all[0].answer[2], 3);
    EXPECT_EQ(all[1].answer[2], 4);
    EXPECT_EQ(all[2].answer, Bytes{0x06});
    EXPECT_EQ(all[3].answer, Bytes{0x06});
}

TEST(RadioResponder, MarksTheLastBlockOfAnArea)
{
    Line line;
    EXPECT_FALSE(line.send(request(BlockType::Channel, 16))[0].transferDone);
    EXPECT_TRUE(line.send(request(BlockType::Dtmf, 3))[0].transferDone);
    EXPECT_TRUE(line.send(frame(BlockType::Settings, 0, 1))[0].transferDone);
    EXPECT_TRUE(line.send(frame(BlockType::TwoTone, 10, 1))[0].transferDone);
    EXPECT_FALSE(line.send(frame(BlockType::FiveTone, 15, 1))[0].transferDone);
}

TEST(RadioResponder, FaultsAreReproducibleFromTheSeed)
{
    auto run = [](Faults f) {
        Line line(f);
        std::vector<Bytes> answers;
        for (int i = 0; i < 200; ++i)
            answers.push_back(line.answer(request(BlockType::Channel, 1 + i % 16)));
        return answers;
    };
    Faults faults;
    faults.drop = 0.3;
    faults.corrupt = 0.2;
    faults.seed = 77;
    const auto a = run(faults);
    EXPECT_EQ(run(faults), a);
    Faults other = faults;
    other.seed = 78;
    EXPECT_NE(run(other), a);
    int dropped = 0, corrupted = 0;
    const auto clean = run(Faults{});
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i].empty())
            ++dropped;
        else if (a[i] != clean[i])
            ++corrupted;
    }
    EXPECT_GT(dropped, 30);
    EXPECT_LT(dropped, 90);
    EXPECT_GT(corrupted, 10);
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i].empty() || a[i] == clean[i])
            continue;
        int bits = 0;
        for (size_t k = 0; k < a[i].size(); ++k)
            bits += __builtin_popcount(a[i][k] ^ clean[i][k]);
        EXPECT_EQ(bits, 1);
    }
}

TEST(RadioImage, SavesAndLoadsEveryBlock)
{
    QTemporaryDir dir;
    RadioImage image = RadioImage::BuiltIn();
    (*image.block(BlockType::FiveTone, 16))[27] = 0x5A;
    (*image.block(BlockType::Dtmf, 0))[0] = 0xA5;
    image.save(dir.filePath("m.json"));
    const RadioImage back = RadioImage::Load(dir.filePath("m.json"));
    for (BlockType t : {BlockType::Channel, BlockType::Dtmf, BlockType::FleetSync,
                        BlockType::TwoTone, BlockType::FiveTone, BlockType::Settings})
        for (int i = FirstBlockIndex(t); i <= LastBlockIndex(t); ++i)
            EXPECT_EQ(*back.block(t, i), *image.block(t, i));
    EXPECT_THROW(RadioImage::Load(dir.filePath("missing.json")), std::runtime_error);
}
