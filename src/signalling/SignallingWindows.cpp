#include "signalling/SignallingWindows.h"

#include "protocol/AreaTable.h"
#include "signalling/TForm2.h"
#include "signalling/TForm4.h"
#include "signalling/TForm5.h"
#include "signalling/TForm6.h"

#include <functional>
#include <map>
#include <stdexcept>

namespace lumora {

namespace {

using Maker = std::function<std::unique_ptr<TSignallingForm>(ISignallingHost &)>;

template <class Window>
Maker make()
{
    return [](ISignallingHost &host) { return std::make_unique<Window>(host); };
}

const std::map<BlockType, Maker> &makers()
{
    static const std::map<BlockType, Maker> windows = {
            {BlockType::Dtmf, make<TForm2>()},
            {BlockType::TwoTone, make<TForm4>()},
            {BlockType::FiveTone, make<TForm5>()},
            {BlockType::FleetSync, make<TForm6>()},
    };
    return windows;
}

} // namespace

std::vector<std::unique_ptr<TSignallingForm>> MakeSignallingWindows(ISignallingHost &host)
{
    std::vector<std::unique_ptr<TSignallingForm>> windows;
    for (const AreaInfo *area : SignallingAreaList()) {
        const auto maker = makers().find(area->type);
        if (maker == makers().end()) // an area without a window could be neither read nor written
            throw std::logic_error(std::string("no window edits the area ") + area->key);
        windows.push_back(maker->second(host));
    }
    return windows;
}

} // namespace lumora
