#include "serial/WakeSignal.h"

#include <stdexcept>
#include <windows.h>

namespace lumora {

WakeSignal::WakeSignal() : native_(::CreateEventW(nullptr, TRUE, FALSE, nullptr))
{
    if (!native_)
        throw std::runtime_error("Unable to create event");
}

WakeSignal::~WakeSignal() { ::CloseHandle(native_); }

void WakeSignal::raise() { ::SetEvent(native_); }

void WakeSignal::clear() { ::ResetEvent(native_); }

bool WakeSignal::wait(int timeoutMs) const
{
    const DWORD limit = timeoutMs < 0 ? INFINITE : static_cast<DWORD>(timeoutMs);
    return ::WaitForSingleObject(native_, limit) == WAIT_OBJECT_0;
}

int WakeSignal::waitEither(const WakeSignal &first, const WakeSignal &second)
{
    const HANDLE both[2] = {first.native_, second.native_};
    const DWORD r = ::WaitForMultipleObjects(2, both, FALSE, INFINITE);
    return r == WAIT_OBJECT_0 ? 0 : r == WAIT_OBJECT_0 + 1 ? 1 : -1;
}

} // namespace lumora
