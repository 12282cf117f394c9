// Random records and random radio answers through the codecs.

#include "ChannelTestRows.h"

#include "memory/ChannelBlock.h"
#include "memory/Conversions.h"
#include "memory/OptionSettings.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <random>

using namespace lumora;
using namespace lumora::test;

namespace {

constexpr int kRounds = 10000;

class Draw {
public:
    explicit Draw(uint32_t seed) : rng_(seed) {}
    int upTo(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    QString from(const QStringList &l) { return l[upTo(static_cast<int>(l.size()))]; }
    uint8_t byte() { return static_cast<uint8_t>(upTo(256)); }

    QString frequency()
    {
        const int hz10 = 1 + upTo(99999999); // 0.00001 to 999.99999 MHz
        return FormatFiveDecimals(hz10 / 100000.0);
    }

    QString tone()
    {
        switch (upTo(4)) {
        case 0: return from(ToneVocabulary());
        case 1: return FormatOneDecimal(upTo(4096) / 10.0); // any CTCSS word
        default:
            return QStringLiteral("%1").arg(upTo(1000), 3, 10, QLatin1Char('0'))
                   + (upTo(2) ? QLatin1Char('N') : QLatin1Char('I'));
        }
    }

    QStringList record()
    {
        return {frequency(),
                upTo(3) == 0 ? QString() : frequency(),
                tone(),
                tone(),
                from(TxPowerTexts()),
                from(WideNarrowTexts()),
                from(NoneYesTexts()),
                from(StepFreqTexts()),
                from(DtmfKeyTexts()),
                from(DtmfKeyTexts()),
                from(PttIdTexts()),
                from(ScramblerTexts()),
                from(PttIdTypeTexts()),
                from(PttIdNoTexts()),
                from(NoneYesTexts())};
    }

private:
    std::mt19937 rng_;
};

} // namespace

TEST(CodecProperty, CanonicalRecordsSurviveEncodeAndDecode)
{
    Draw draw(20261208);
    TextTable out = freshChannelTable();
    TextTable back = freshChannelTable();
    for (int i = 0; i < kRounds; ++i) {
        const int channel = 1 + draw.upTo(16);
        const QStringList record = draw.record();
        setRow(out, channel, record);
        std::array<uint8_t, 34> frame{};
        frame[2] = static_cast<uint8_t>(channel);
        EncodeChannelBlock(out, channel, frame.data());
        DecodeChannelBlock(frame.data(), back);
        ASSERT_EQ(rowOf(back, channel), record) << "round " << i;
    }
}

TEST(CodecProperty, CanonicalOptionsSurviveEncodeAndDecode)
{
    Draw draw(7);
    for (int i = 0; i < kRounds; ++i) {
        OptionTexts o;
        for (int id = 0; id < kOptionCount; ++id)
            o[id] = draw.from(Option(static_cast<OptionId>(id)).items);
        if (draw.upTo(4) == 0)
            o[OptTot] = QString::number(1 + draw.upTo(255));
        if (draw.upTo(10) == 0)
            o[OptVoice] = "CHINESE";
        std::array<uint8_t, 34> frame{};
        EncodeSettingsBlock(o, frame.data());
        OptionTexts back;
        DecodeSettingsBlock(frame.data(), back);
        ASSERT_EQ(back, o) << "round " << i;
    }
}

TEST(CodecProperty, RandomChannelAnswersDecodeToTextsThatEncodeAgain)
{
    Draw draw(42);
    TextTable t = freshChannelTable();
    for (int i = 0; i < kRounds; ++i) {
        std::array<uint8_t, 34> answer;
        for (auto &b : answer)
            b = draw.byte();
        answer[2] = static_cast<uint8_t>(draw.upTo(4) == 0 ? draw.byte() : 1 + draw.upTo(16));
        // Fields without a text keep what the row held: start each round
        // from a complete record.
        if (answer[2] >= 1 && answer[2] <= 16)
            setRow(t, answer[2], simplexChannel());
        ASSERT_NO_THROW(DecodeChannelBlock(answer.data(), t));
        const int row = answer[2];
        if (row < 1 || row > 16)
            continue;
        // Five decimals round up: near 2^31 Hz the written-back value no
        // longer fits the signed field, which no real channel comes near.
        auto hz = [&](int at) {
            return static_cast<int32_t>(answer[at] | answer[at + 1] << 8 | answer[at + 2] << 16
                                        | static_cast<uint32_t>(answer[at + 3]) << 24);
        };
        if (hz(4) > 2000000000 || std::abs(static_cast<int64_t>(hz(8))) > 2000000000) {
            continue;
        }
        // A DCS word holding 1000 or more reads as a four-digit code, which
        // no tone text can write back.
        auto bigDcs = [&](int at) {
            const int word = answer[at] | answer[at + 1] << 8;
            const int kind = word >> 12;
            return (kind == 2 || kind == 0xA) && (word & 0xFFF) >= 1000;
        };
        if (bigDcs(12) || bigDcs(14)) {
            continue;
        }
        // What the radio reported is a record the tool can write back, and
        // reads back the same.
        std::array<uint8_t, 34> frame{};
        frame[2] = static_cast<uint8_t>(row);
        ASSERT_NO_THROW(EncodeChannelBlock(t, row, frame.data())) << "round " << i;
        const QStringList decoded = rowOf(t, row);
        DecodeChannelBlock(frame.data(), t);
        ASSERT_EQ(rowOf(t, row), decoded) << "round " << i;
    }
    for (int c = 0; c < kChannelColumns; ++c)
        EXPECT_EQ(t.cellText(c, 0), ChannelCaptions()[c]) << "captions untouched";
}

TEST(CodecProperty, RandomSettingsAnswersDecodeToTextsThatEncodeAgain)
{
    Draw draw(43);
    for (int i = 0; i < kRounds; ++i) {
        std::array<uint8_t, 34> answer;
        for (auto &b : answer)
            b = draw.byte();
        OptionTexts o;
        ASSERT_NO_THROW(DecodeSettingsBlock(answer.data(), o));
        for (const QString &text : o)
            ASSERT_FALSE(text.isEmpty());
        std::array<uint8_t, 34> frame{};
        ASSERT_NO_THROW(EncodeSettingsBlock(o, frame.data()));
        OptionTexts back;
        DecodeSettingsBlock(frame.data(), back);
        ASSERT_EQ(back, o);
    }
}
