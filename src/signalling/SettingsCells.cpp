#include "signalling/SettingsCells.h"

#include <algorithm>

namespace lumora {

namespace {

QStringList rowOf(const SettingsValue *v, int row)
{
    return v && row >= 1 && row <= v->rows.size() ? v->rows[row - 1] : QStringList();
}

} // namespace

std::vector<SettingsCell> DifferingCells(const SettingsValues &a, const SettingsValues &b)
{
    std::vector<SettingsCell> cells;
    for (const SettingsValue &v : a) {
        const SettingsValue *w = FindSetting(b, v.key);
        if (!w)
            continue;
        if (v.kind != SettingsValue::Rows) {
            if (v.text != w->text || v.checked != w->checked)
                cells.push_back({v.key, 0, 0});
            continue;
        }
        for (int r = 1; r <= std::max(v.rows.size(), w->rows.size()); ++r) {
            const QStringList x = rowOf(&v, r), y = rowOf(w, r);
            for (int c = 1; c <= std::max(x.size(), y.size()); ++c)
                if (x.value(c - 1) != y.value(c - 1))
                    cells.push_back({v.key, r, c});
        }
    }
    return cells;
}

QString CellValue(const SettingsValues &values, const SettingsCell &cell)
{
    const SettingsValue *v = FindSetting(values, cell.key);
    if (!v)
        return {};
    if (v->kind == SettingsValue::Check)
        return v->checked ? QStringLiteral("checked") : QStringLiteral("unchecked");
    return cell.row == 0 ? v->text : rowOf(v, cell.row).value(cell.col - 1);
}

bool CellDiffers(const SettingsCell &cell, const SettingsValues &a, const SettingsValues &b)
{
    return CellValue(a, cell) != CellValue(b, cell);
}

bool UnitDiffers(const SettingsCell &cell, const SettingsValues &a, const SettingsValues &b)
{
    if (cell.row == 0)
        return CellDiffers(cell, a, b);
    return rowOf(FindSetting(a, cell.key), cell.row) != rowOf(FindSetting(b, cell.key), cell.row);
}

} // namespace lumora
