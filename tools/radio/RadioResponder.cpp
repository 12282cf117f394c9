#include "RadioResponder.h"

#include "protocol/AreaTable.h"
#include "protocol/Crc16.h"

#include <algorithm>
#include <cstring>

namespace lumora::radio {

namespace {

const uint8_t kGreeting[] = {'P', 'R', 'O', 'G', 'R', 'A', 'M'};

bool validType(uint8_t t) { return FindArea(static_cast<BlockType>(t)) != nullptr; }

// The main memory's transfers end with the settings block, after the
// channels; every other area with its last block.
bool endsTransfer(BlockType type, int index)
{
    return type != BlockType::Channel && index == LastBlockIndex(type);
}

} // namespace

RadioResponder::RadioResponder(RadioImage &image, Faults faults)
    : image_(image), faults_(faults), rng_(faults.seed ? faults.seed : 1)
{
}

double RadioResponder::chance()
{
    // xorshift32: the same seed gives the same faults on every machine.
    rng_ ^= rng_ << 13;
    rng_ ^= rng_ >> 17;
    rng_ ^= rng_ << 5;
    return rng_ / 4294967296.0;
}

bool RadioResponder::takeMessage(Outcome &out, size_t length)
{
    length_ = length;
    out.message.assign(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(length));
    out.dropped = dropThis();
    return out.dropped;
}

bool RadioResponder::dropThis()
{
    if (messages_++ < faults_.dropFirst)
        return true;
    if (faults_.quietAfter >= 0 && messages_ > faults_.quietAfter)
        return true; // heard, neither stored nor answered
    if (now_ < deafUntil_)
        return true; // restarting

    return chance() < faults_.drop;
}

std::vector<Outcome> RadioResponder::receive(const uint8_t *data, size_t count,
                                             Clock::time_point now)
{
    std::vector<Outcome> outcomes;
    if (!pending_.empty() && now - last_ > kStale)
        pending_.clear();
    pending_.insert(pending_.end(), data, data + count);
    last_ = now;
    now_ = now;

    while (!pending_.empty()) {
        Outcome out;
        const Parse p = parseOne(out);
        if (p == Parse::Incomplete)
            break;
        if (p == Parse::Unknown) {
            pending_.erase(pending_.begin());
            continue;
        }
        // Every message is answered, however many came together; what
        // follows a short message may be the rest of a 34-byte resend,
        // which parses as nothing and is passed over byte by byte.
        pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(length_));
        outcomes.push_back(std::move(out));
    }
    return outcomes;
}

RadioResponder::Parse RadioResponder::parseOne(Outcome &out)
{
    const std::vector<uint8_t> &p = pending_;
    const size_t n = p.size();
    switch (p[0]) {
    case 'P': {
        const size_t k = std::min(n, sizeof kGreeting);
        if (std::memcmp(p.data(), kGreeting, k) != 0)
            return Parse::Unknown;
        if (n < sizeof kGreeting)
            return Parse::Incomplete;
        if (takeMessage(out, sizeof kGreeting))
            return Parse::Done; // ignored
        out.answer = {kAck};
        break;
    }
    case kReadMark: {
        if (n < kRequestLength)
            return Parse::Incomplete;
        const int index = p[2];
        if (p[3] != kHeaderEnd || !validType(p[1])
            || !image_.block(static_cast<BlockType>(p[1]), index))
            return Parse::Unknown;
        if (takeMessage(out, kRequestLength))
            return Parse::Done; // ignored
        answerData(static_cast<BlockType>(p[1]), index, out);
        break;
    }
    case kWriteMark: {
        if (n < kRequestLength)
            return Parse::Incomplete;
        const auto type = static_cast<BlockType>(p[1]);
        if (p[3] != kHeaderEnd || !validType(p[1]) || !image_.block(type, p[2]))
            return Parse::Unknown;
        const bool fleetSync = type == BlockType::FleetSync;
        const size_t length = fleetSync ? kFleetSyncHeaderLength + kPayloadLength : kFrameLength;
        if (n < length)
            return Parse::Incomplete;
        if (takeMessage(out, length))
            return Parse::Done; // ignored
        if (!fleetSync && !FrameCrcMatches(p.data()))
            return Parse::Done; // a damaged frame gets no answer
        storeFrame(type, p[2], p.data() + kPayloadOffset, out);
        break;
    }
    default:
        return Parse::Unknown; // the host's 0x06, line noise
    }
    if (!faults_.deafAfter.empty() && out.message.size() >= faults_.deafAfter.size()
        && std::equal(faults_.deafAfter.begin(), faults_.deafAfter.end(), out.message.begin()))
        deafUntil_ = now_ + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(faults_.deafSeconds));
    if (messages_ == faults_.loseAnswer)
        out.answer.clear();
    if (faults_.doubleAck && out.answer == std::vector<uint8_t>{kAck})
        out.answer.push_back(kAck);
    if (!out.answer.empty() && chance() < faults_.corrupt) {
        const uint32_t bit = static_cast<uint32_t>(chance() * out.answer.size() * 8);
        out.answer[bit / 8] ^= static_cast<uint8_t>(1u << (bit % 8));
        out.corrupted = true;
    }
    return Parse::Done;
}

void RadioResponder::answerData(BlockType type, int index, Outcome &out)
{
    if (faults_.wrongBlock) { // the next block of the area, or a channel for the options
        if (FirstBlockIndex(type) == LastBlockIndex(type))
            type = type == BlockType::Settings ? BlockType::Channel : BlockType::Settings;
        index = index >= LastBlockIndex(type) || index < FirstBlockIndex(type) ? FirstBlockIndex(type) : index + 1;
    }
    FrameBuffer frame{};
    BuildDataFrameHeader(frame, type, static_cast<uint8_t>(index));
    const Block &b = *image_.block(type, index);
    std::copy(b.begin(), b.end(), frame.begin() + kPayloadOffset);
    FinishDataFrame(frame);
    if (faults_.crcSwapped)
        std::swap(frame[kFrameLength - 2], frame[kFrameLength - 1]);
    out.answer.assign(frame.begin(), frame.begin() + kFrameLength);
    out.transferDone = endsTransfer(type, index);
}

void RadioResponder::storeFrame(BlockType type, int index, const uint8_t *payload, Outcome &out)
{
    Block &b = *image_.block(type, index);
    std::copy(payload, payload + kPayloadLength, b.begin());
    if (static_cast<int>(type) == faults_.badType && index == faults_.badIndex && faults_.badOffset >= 0
        && faults_.badOffset < kPayloadLength)
        b[static_cast<size_t>(faults_.badOffset)] ^= faults_.badMask;
    out.stored = true;
    out.answer = {kAck};
    out.transferDone = endsTransfer(type, index);
}

} // namespace lumora::radio
