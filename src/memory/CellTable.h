#pragma once
// A table of text cells, addressed column first as the grid addresses them.
// The channel grid implements it; the codecs and the channel file read and
// write the cells only through it, so the cells stay the data.

#include <QString>

namespace lumora {

class ICellTable {
public:
    virtual ~ICellTable() = default;
    virtual int colCount() const = 0;
    virtual int rowCount() const = 0;
    virtual void setRowCount(int rows) = 0;
    // Cells outside the table read as empty; writes outside it are ignored.
    virtual QString cellText(int col, int row) const = 0;
    virtual void setCellText(int col, int row, const QString &text) = 0;
};

} // namespace lumora
