#include "serial/LineErrorCounter.h"

namespace lumora {

LineErrorCounter::LineErrorCounter(int fd) : fd_(fd) { (void)fd_; }

uint32_t LineErrorCounter::newErrors() { return 0; }

} // namespace lumora
