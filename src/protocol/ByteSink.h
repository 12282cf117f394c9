#pragma once
// Where outgoing bytes go: the serial port in the tool, a recorder in tests.

#include <cstdint>

namespace lumora {

class IByteSink {
public:
    virtual ~IByteSink() = default;
    // Queues count bytes; false when they cannot be sent (port closed).
    virtual bool WriteBytes(const uint8_t *data, int count) = 0;
    // The bytes written since the last call were one message (the trace
    // shows each message on a line of its own).
    virtual void EndOfMessage() {}
};

} // namespace lumora
