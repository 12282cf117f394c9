#include "memory/TextTable.h"

namespace lumora {

TextTable::TextTable(int cols, int rows) : cols_(cols)
{
    setRowCount(rows);
}

void TextTable::setRowCount(int rows)
{
    if (rows < 0)
        rows = 0;
    const QStringList empty = [this] {
        QStringList l;
        for (int c = 0; c < cols_; ++c)
            l << QString();
        return l;
    }();
    rows_.resize(rows, empty);
}

QString TextTable::cellText(int col, int row) const
{
    if (row < 0 || row >= rows_.size() || col < 0 || col >= cols_)
        return QString();
    return rows_[row][col];
}

void TextTable::setCellText(int col, int row, const QString &text)
{
    if (row < 0 || row >= rows_.size() || col < 0 || col >= cols_)
        return;
    rows_[row][col] = text;
}

void CopyCells(const ICellTable &from, ICellTable &to)
{
    for (int r = 0; r < from.rowCount() && r < to.rowCount(); ++r)
        for (int c = 0; c < from.colCount() && c < to.colCount(); ++c)
            to.setCellText(c, r, from.cellText(c, r));
}

} // namespace lumora
