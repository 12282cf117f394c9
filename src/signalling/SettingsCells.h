#pragma once
// Single values within a window's settings: a box or check box (row 0),
// or one cell of a grid (its data row and column). A unit is what a user
// changes as one: a box, or a grid's row.

#include "signalling/SettingsFile.h"

#include <vector>

namespace lumora {

struct SettingsCell {
    QString key;
    int row = 0; // 1 onward in a grid, 0 for a box or check box
    int col = 0; // 1 onward in a grid
    bool operator==(const SettingsCell &o) const { return key == o.key && row == o.row && col == o.col; }
};

// Every cell whose value differs between a and b (of the same shape).
std::vector<SettingsCell> DifferingCells(const SettingsValues &a, const SettingsValues &b);
bool CellDiffers(const SettingsCell &cell, const SettingsValues &a, const SettingsValues &b);
// Whether the cell's unit (its box, or its grid row) differs.
bool UnitDiffers(const SettingsCell &cell, const SettingsValues &a, const SettingsValues &b);
// The cell's value as text ("checked" or "unchecked" for a check box).
QString CellValue(const SettingsValues &values, const SettingsCell &cell);

} // namespace lumora
