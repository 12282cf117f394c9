#pragma once
// Each signalling area's window, made in the areas' order (DTMF, 2TONE,
// 5TONE, FleetSync): the one place that knows which window edits which
// area.

#include "signalling/TSignallingForm.h"

#include <memory>
#include <vector>

namespace lumora {

class ISignallingHost;

std::vector<std::unique_ptr<TSignallingForm>> MakeSignallingWindows(ISignallingHost &host);

} // namespace lumora
