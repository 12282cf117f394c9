#include "serial/WindowsPorts.h"

namespace lumora {

PortOpenError ClassifyPortOpenError(unsigned long error)
{
    // The codes of winerror.h, spelled out so that this builds anywhere.
    constexpr unsigned long kFileNotFound = 2, kPathNotFound = 3, kAccessDenied = 5, kSharingViolation = 32;
    switch (error) {
    case kFileNotFound:
    case kPathNotFound:
        return PortOpenError::Missing;
    case kAccessDenied: // a port another program has open
    case kSharingViolation:
        return PortOpenError::Busy;
    default:
        return PortOpenError::Failed;
    }
}

} // namespace lumora
