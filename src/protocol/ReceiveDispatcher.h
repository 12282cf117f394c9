#pragma once
// Every received chunk passes here (the port's OnReceiveData): it is copied
// into the receive buffer and routed by its first byte (0x06 or 0x57), its
// block type and which window has a transfer under way. Every test that
// holds runs, in a fixed order, each against the buffer as it then stands.
// A data answer that is cut short or fails its check value is ignored.

#include "protocol/Frames.h"
#include "protocol/TransferRoutes.h"

namespace lumora {

void DispatchReceivedChunk(const uint8_t *buffer, uint16_t length, FrameBuffer &rx,
                           IMainTransfer &main, const SignallingRoutes &routes);

} // namespace lumora
