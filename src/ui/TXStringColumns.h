#pragma once
// The column collection of a grid: exactly one item per column.

#include "ui/TXStringColumnItem.h"

#include <memory>
#include <vector>

namespace lumora {

class TXStringColumns {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    TXStringColumnItem &operator[](int i) { return *items_.at(i); }
    const TXStringColumnItem &operator[](int i) const { return *items_.at(i); }

private:
    friend class TXStringGrid;
    std::vector<std::unique_ptr<TXStringColumnItem>> items_;
};

} // namespace lumora
