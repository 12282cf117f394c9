#include "memory/AssignedBytes.h"

namespace lumora {

std::vector<int> AssignedBlock::differingOffsets(const Payload &read) const
{
    std::vector<int> offsets;
    for (size_t i = 0; i < bytes.size(); ++i)
        if (assigned[i] && bytes[i] != read[i])
            offsets.push_back(static_cast<int>(i));
    return offsets;
}

AssignedBlock AssignedBy(const std::function<void(Payload &)> &encode, const Payload &sent)
{
    Payload zeros{}, ones{};
    ones.fill(0xFF);
    encode(zeros);
    encode(ones);
    AssignedBlock block;
    block.bytes = sent;
    for (size_t i = 0; i < sent.size(); ++i)
        block.assigned[i] = zeros[i] == ones[i];
    return block;
}

} // namespace lumora
