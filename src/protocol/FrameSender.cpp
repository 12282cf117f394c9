#include "protocol/FrameSender.h"

namespace lumora {

void SendData(IByteSink &sink, FrameBuffer buffer, int count)
{
    if (count > kBufferSize)
        count = kBufferSize;
    for (int i = 0; i < count; ++i)
        sink.WriteBytes(&buffer[i], 1);
    sink.EndOfMessage();
}

void Tim1Timer(IByteSink &sink, const FrameBuffer &tx)
{
    sink.WriteBytes(tx.data(), kFrameLength);
    sink.EndOfMessage();
}

} // namespace lumora
