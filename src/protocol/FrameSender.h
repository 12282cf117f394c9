#pragma once
// The two ways bytes leave the tool.

#include "protocol/ByteSink.h"
#include "protocol/Frames.h"

namespace lumora {

// Copies the buffer first, then hands bytes 0 to count-1 to the sink one
// write per byte: the radio is paced by single-byte writes. Results are
// ignored, as a closed port simply sends nothing.
void SendData(IByteSink &sink, FrameBuffer buffer, int count);

// One tick of the retransmission timer: bytes 0 to 33 as they stand, in a
// single write.
void Tim1Timer(IByteSink &sink, const FrameBuffer &tx);

} // namespace lumora
