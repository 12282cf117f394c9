#pragma once
// A plain in-memory ICellTable, for work that has no window.

#include "memory/CellTable.h"

#include <QStringList>
#include <QVector>

namespace lumora {

// Every cell of from that to has too.
void CopyCells(const ICellTable &from, ICellTable &to);

class TextTable : public ICellTable {
public:
    TextTable(int cols, int rows);
    int colCount() const override { return cols_; }
    int rowCount() const override { return rows_.size(); }
    void setRowCount(int rows) override;
    QString cellText(int col, int row) const override;
    void setCellText(int col, int row, const QString &text) override;

private:
    int cols_;
    QVector<QStringList> rows_;
};

} // namespace lumora
