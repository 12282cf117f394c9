#pragma once
// What a screen reader is told of a grid: a table of its shown cells, the
// fixed row's captions as column headers and each row's title as its row
// header. A cell is named "Channel 3, RX Freq, 145.62500", so a reader says
// where the user is as well as what is there.

#include <QAccessibleWidget>
#include <QHash>
#include <QPair>

namespace lumora {

class TXStringGrid;

// Makes Qt ask for these interfaces for every grid (done by the grid).
void InstallGridAccessibility();

class GridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit GridAccessible(TXStringGrid *grid);
    ~GridAccessible() override;

    TXStringGrid *grid() const;
    // The shown columns (the grid's, from 1), in order.
    QVector<int> shownColumns() const;
    // The interface of the grid's cell (col, row), kept while the grid lives.
    QAccessibleInterface *gridCell(int col, int row) const;
    int indexOfGridCell(int col, int row) const; // -1: not a child (a header or a hidden cell)

    // QAccessibleInterface
    void *interface_cast(QAccessible::InterfaceType t) override;
    QAccessible::Role role() const override { return QAccessible::Table; }
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *focusChild() const override;

    // QAccessibleTableInterface
    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QAccessibleInterface *cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface *> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int selectedColumnCount() const override { return selectedColumns().size(); }
    int selectedRowCount() const override { return selectedRows().size(); }
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override;
    QList<int> selectedRows() const override;
    bool isColumnSelected(int column) const override;
    bool isRowSelected(int row) const override;
    bool selectRow(int row) override;
    bool selectColumn(int column) override;
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent *) override {}

private:
    mutable QHash<QPair<int, int>, QAccessible::Id> cells_;
};

} // namespace lumora
