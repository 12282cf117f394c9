#include "protocol/AreaTable.h"

namespace lumora {

const std::vector<AreaInfo> &AreaTable()
{
    static const std::vector<AreaInfo> areas = {
            {BlockType::Channel, 1, 16, "main", "main memory", "channel", nullptr},
            {BlockType::Settings, 0, 0, "main", "main memory", "settings", nullptr},
            {BlockType::Dtmf, 0, 3, "dtmf", "DTMF", "dtmf", "&DTMF"},
            {BlockType::TwoTone, 0, 10, "2tone", "2TONE", "2tone", "&2TONE"},
            {BlockType::FiveTone, 0, 16, "5tone", "5TONE", "5tone", "&5TONE"},
            {BlockType::FleetSync, 0, 2, "fsk", "FleetSync", "fleetsync", "&FSK"},
    };
    return areas;
}

const AreaInfo *FindArea(BlockType type)
{
    for (const AreaInfo &area : AreaTable())
        if (area.type == type)
            return &area;
    return nullptr;
}

std::vector<const AreaInfo *> SignallingAreaList()
{
    std::vector<const AreaInfo *> areas;
    for (const AreaInfo &area : AreaTable())
        if (area.type != BlockType::Channel && area.type != BlockType::Settings)
            areas.push_back(&area);
    return areas;
}

} // namespace lumora
