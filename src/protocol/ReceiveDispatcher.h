#pragma once
// Every received chunk passes here (the port's OnReceiveData): it is copied
// into the receive buffer and routed by its first byte (0x06 or 0x57), its
// block type and which window has a transfer under way. Every test that
// holds runs, in a fixed order, each against the buffer as it then stands.
// A data answer that is cut short is ignored, and so is one that fails its
// check value, unless it is the same as the one before it: a radio that
// computes its check value otherwise still reads, each answer asked for
// twice, while a damaged answer (never damaged twice alike) is caught.

#include "protocol/Frames.h"
#include "protocol/TransferRoutes.h"

#include <array>

namespace lumora {

// The last data answer that failed its check value, if the one before
// the next chunk.
struct UncheckedAnswer {
    std::array<uint8_t, kFrameLength> bytes{};
    bool held = false;
};

void DispatchReceivedChunk(const uint8_t *buffer, uint16_t length, FrameBuffer &rx,
                           IMainTransfer &main, const SignallingRoutes &routes, UncheckedAnswer &unchecked);

} // namespace lumora
