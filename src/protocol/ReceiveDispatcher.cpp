#include "protocol/ReceiveDispatcher.h"

#include "protocol/Crc16.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace lumora {

namespace {

// The signalling tests: its acknowledgement during its write, its data
// answer of its own block type during its read.
void route(ISignallingTransfer *window, BlockType type, const FrameBuffer &rx)
{
    if (!window)
        return;
    if (rx[0] == kAck && window->WriteUnderWay())
        window->BlockAcknowledged();
    if (rx[0] == kWriteMark && window->ReadUnderWay() && rx[1] == static_cast<uint8_t>(type))
        window->BlockReceived();
}

} // namespace

void DispatchReceivedChunk(const uint8_t *buffer, uint16_t length, FrameBuffer &rx,
                           IMainTransfer &main, const SignallingRoutes &routes, UncheckedAnswer &unchecked)
{
    // A data answer counts only whole and with its check value: a damaged
    // or cut one is ignored, so the request goes out again after 300 ms
    // instead of its bytes reaching the table. The same answer twice in a
    // row counts whatever its check value.
    const bool heldBefore = std::exchange(unchecked.held, false);
    if (length > 0 && buffer[0] == kWriteMark) {
        if (length < kFrameLength)
            return;
        if (!FrameCrcMatches(buffer)
            && !(heldBefore && std::equal(unchecked.bytes.begin(), unchecked.bytes.end(), buffer))) {
            std::copy_n(buffer, kFrameLength, unchecked.bytes.begin());
            unchecked.held = true;
            return;
        }
    }
    // Two acknowledgements in one chunk are counted as one; which frames
    // they answer is then known only by reading the radio back.
    if (length > 1 && buffer[0] == kAck && std::count(buffer, buffer + length, kAck) > 1)
        main.AmbiguousAnswer();
    std::memcpy(rx.data(), buffer, std::min<size_t>(length, rx.size()));
    for (const auto &[type, window] : routes.InTestOrder())
        route(window, type, rx);
    if (rx[0] == kAck && main.MainReadUnderWay())
        main.MainReadGreetingAnswered();
    // The main read takes its own blocks only: an answer of a signalling
    // area arriving late (from a transfer that was stopped) would be
    // decoded as a channel and change the table.
    const bool mainBlock = rx[1] == static_cast<uint8_t>(BlockType::Channel)
                           || rx[1] == static_cast<uint8_t>(BlockType::Settings);
    if (rx[0] == kWriteMark && main.MainReadUnderWay() && mainBlock)
        main.MainReadDataAnswer();
    // Every data answer whose byte 5 is 0x30 is acknowledged, whoever asked.
    if (rx[0] == kWriteMark && rx[5] == 0x30)
        main.SendAcknowledgement();
    if (rx[0] == kAck && main.MainWriteUnderWay())
        main.MainWriteAcknowledged();
    rx[0] = 0;
}

} // namespace lumora
