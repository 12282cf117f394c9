#include "serial/LinkMailbox.h"

namespace lumora {

void LinkMailbox::linkReceived(std::vector<uint8_t> chunk)
{
    chunk.push_back(0); // the handler may read one byte past the last
    reports_.push({LinkReport::Received, std::move(chunk), 0});
}

void LinkMailbox::linkLineError(uint32_t flags) { reports_.push({LinkReport::LineError, {}, flags}); }

void LinkMailbox::linkModemState(uint32_t flags) { reports_.push({LinkReport::ModemState, {}, flags}); }

void LinkMailbox::linkHangup() { reports_.push({LinkReport::Hangup, {}, 0}); }

void LinkMailbox::linkSendEmpty() { reports_.push({LinkReport::SendEmpty, {}, 0}); }

} // namespace lumora
