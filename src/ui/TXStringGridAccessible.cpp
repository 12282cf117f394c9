#include "ui/TXStringGridAccessible.h"

#include "ui/TXStringGrid.h"

#include <QAccessible>

namespace lumora {

namespace {

// One cell of the grid; row 0's are the column headers, column 0's the
// row headers.
class GridCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    GridCellAccessible(TXStringGrid *grid, int col, int row) : grid_(grid), col_(col), row_(row) {}

    GridAccessible *tableOf() const
    {
        return static_cast<GridAccessible *>(QAccessible::queryAccessibleInterface(grid_));
    }

    bool isValid() const override { return grid_ && col_ < grid_->ColCount() && row_ < grid_->RowCount(); }
    QObject *object() const override { return nullptr; }
    QAccessibleInterface *parent() const override { return tableOf(); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    void *interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface *>(this) : nullptr;
    }

    QAccessible::Role role() const override
    {
        return row_ == 0 ? QAccessible::ColumnHeader : col_ == 0 ? QAccessible::RowHeader : QAccessible::Cell;
    }

    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return QString();
        const QString value = grid_->Cells(col_, row_);
        if (t == QAccessible::Value)
            return value;
        if (t != QAccessible::Name)
            return QString();
        if (row_ == 0)
            return value.simplified();
        if (col_ == 0)
            return grid_->RowTitle(row_);
        const QString place = grid_->CellTitle(col_, row_);
        return value.trimmed().isEmpty() ? place : place + QStringLiteral(", ") + value;
    }
    void setText(QAccessible::Text t, const QString &text) override
    {
        if (t == QAccessible::Value && isValid() && row_ > 0 && col_ > 0)
            grid_->CommitTyped(col_, row_, text); // through the window's rules, as if typed
    }

    QRect rect() const override
    {
        if (!isValid())
            return QRect();
        const QRect r = grid_->cellRect(col_, row_);
        return r.isEmpty() ? QRect() : QRect(grid_->viewport()->mapToGlobal(r.topLeft()), r.size());
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid() || row_ == 0 || col_ == 0)
            return s;
        s.focusable = s.selectable = true;
        s.focused = grid_->hasFocus() && grid_->Col() == col_ && grid_->Row() == row_;
        s.selected = grid_->Selection().contains(col_, row_);
        s.editable = grid_->Columns()[col_].Editor() != nullptr;
        s.invisible = grid_->cellRect(col_, row_).isEmpty();
        s.offscreen = s.invisible;
        return s;
    }

    // QAccessibleTableCellInterface (the table's rows and columns: data only)
    bool isSelected() const override { return state().selected; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    int columnIndex() const override { return grid_ ? tableOf()->shownColumns().indexOf(col_) : -1; }
    int rowIndex() const override { return row_ - 1; }
    QAccessibleInterface *table() const override { return tableOf(); }
    QList<QAccessibleInterface *> columnHeaderCells() const override { return headerCell(col_, 0); }
    QList<QAccessibleInterface *> rowHeaderCells() const override { return headerCell(0, row_); }

private:
    // Nothing once the grid is gone: a screen reader may still hold the cell.
    QList<QAccessibleInterface *> headerCell(int col, int row) const
    {
        GridAccessible *table = isValid() ? tableOf() : nullptr;
        return table ? QList<QAccessibleInterface *>{table->gridCell(col, row)} : QList<QAccessibleInterface *>{};
    }

    QPointer<TXStringGrid> grid_;
    int col_, row_;
};

QAccessibleInterface *gridFactory(const QString &, QObject *object)
{
    if (auto *grid = qobject_cast<TXStringGrid *>(object))
        return new GridAccessible(grid);
    return nullptr;
}

} // namespace

void InstallGridAccessibility()
{
    static bool installed = false;
    if (!installed)
        QAccessible::installFactory(gridFactory);
    installed = true;
}

GridAccessible::GridAccessible(TXStringGrid *grid) : QAccessibleWidget(grid, QAccessible::Table) {}

GridAccessible::~GridAccessible()
{
    for (QAccessible::Id id : qAsConst(cells_))
        QAccessible::deleteAccessibleInterface(id);
}

TXStringGrid *GridAccessible::grid() const { return static_cast<TXStringGrid *>(widget()); }

QVector<int> GridAccessible::shownColumns() const
{
    QVector<int> shown;
    for (int c = 1; c < grid()->ColCount(); ++c)
        if (grid()->ColWidths(c) > 0)
            shown << c;
    return shown;
}

QAccessibleInterface *GridAccessible::gridCell(int col, int row) const
{
    if (col < 0 || row < 0 || col >= grid()->ColCount() || row >= grid()->RowCount())
        return nullptr;
    const auto key = qMakePair(col, row);
    auto it = cells_.constFind(key);
    if (it != cells_.constEnd())
        return QAccessible::accessibleInterface(*it);
    auto *cell = new GridCellAccessible(grid(), col, row);
    cells_.insert(key, QAccessible::registerAccessibleInterface(cell));
    return cell;
}

int GridAccessible::indexOfGridCell(int col, int row) const
{
    const int column = shownColumns().indexOf(col);
    if (column < 0 || row < 1 || row >= grid()->RowCount())
        return -1;
    return (row - 1) * columnCount() + column;
}

void *GridAccessible::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface *>(this);
    return QAccessibleWidget::interface_cast(t);
}

int GridAccessible::childCount() const { return rowCount() * columnCount(); }

QAccessibleInterface *GridAccessible::child(int index) const
{
    const int columns = columnCount();
    if (index < 0 || columns == 0 || index >= childCount())
        return nullptr;
    return cellAt(index / columns, index % columns);
}

int GridAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    if (!child || child->role() != QAccessible::Cell)
        return -1;
    auto *cell = const_cast<QAccessibleInterface *>(child)->tableCellInterface();
    if (!cell || cell->table() != this)
        return -1;
    return cell->rowIndex() * columnCount() + cell->columnIndex();
}

QAccessibleInterface *GridAccessible::childAt(int x, int y) const
{
    const QPoint at = grid()->viewport()->mapFromGlobal(QPoint(x, y));
    for (int row = 1; row < grid()->RowCount(); ++row)
        for (int col : shownColumns())
            if (grid()->cellRect(col, row).contains(at))
                return gridCell(col, row);
    return nullptr;
}

QAccessibleInterface *GridAccessible::focusChild() const
{
    return grid()->hasFocus() ? gridCell(grid()->Col(), grid()->Row()) : nullptr;
}

QAccessibleInterface *GridAccessible::cellAt(int row, int column) const
{
    const QVector<int> shown = shownColumns();
    if (column < 0 || column >= shown.size())
        return nullptr;
    return gridCell(shown[column], row + 1);
}

int GridAccessible::selectedCellCount() const { return selectedCells().size(); }

QList<QAccessibleInterface *> GridAccessible::selectedCells() const
{
    QList<QAccessibleInterface *> cells;
    const QRect s = grid()->Selection();
    for (int row = s.top(); row <= s.bottom(); ++row)
        for (int col : shownColumns())
            if (col >= s.left() && col <= s.right())
                cells << gridCell(col, row);
    return cells;
}

QString GridAccessible::columnDescription(int column) const
{
    const QVector<int> shown = shownColumns();
    return column >= 0 && column < shown.size() ? grid()->Cells(shown[column], 0).simplified() : QString();
}

QString GridAccessible::rowDescription(int row) const { return grid()->RowTitle(row + 1); }

int GridAccessible::columnCount() const { return shownColumns().size(); }

int GridAccessible::rowCount() const { return qMax(0, grid()->RowCount() - 1); }

QList<int> GridAccessible::selectedColumns() const
{
    // A column counts as selected when every row of it is.
    QList<int> columns;
    const QRect s = grid()->Selection();
    if (s.top() > 1 || s.bottom() < grid()->RowCount() - 1)
        return columns;
    const QVector<int> shown = shownColumns();
    for (int i = 0; i < shown.size(); ++i)
        if (shown[i] >= s.left() && shown[i] <= s.right())
            columns << i;
    return columns;
}

QList<int> GridAccessible::selectedRows() const
{
    QList<int> rows;
    const QRect s = grid()->Selection();
    const QVector<int> shown = shownColumns();
    if (shown.isEmpty() || s.left() > shown.first() || s.right() < shown.last())
        return rows;
    for (int row = s.top(); row <= s.bottom(); ++row)
        rows << row - 1;
    return rows;
}

bool GridAccessible::isColumnSelected(int column) const { return selectedColumns().contains(column); }

bool GridAccessible::isRowSelected(int row) const { return selectedRows().contains(row); }

bool GridAccessible::selectRow(int row)
{
    if (row < 0 || row >= rowCount())
        return false;
    grid()->SelectRows(row + 1, row + 1);
    return true;
}

bool GridAccessible::selectColumn(int column)
{
    Q_UNUSED(column); // the grid selects whole rows only
    return false;
}

// The grid's side: its titles, and what it tells a screen reader.

QString TXStringGrid::RowTitle(int row) const
{
    if (RowTitleOf)
        return RowTitleOf(row);
    const QString fixed = Cells(0, row).simplified();
    return fixed.isEmpty() ? tr("Row %1").arg(row) : fixed;
}

QString TXStringGrid::CellTitle(int col, int row) const
{
    return RowTitle(row) + QStringLiteral(", ") + Cells(col, 0).simplified();
}

namespace {

// Tells assistive technology that something happened to a cell it can see.
void announceCell(TXStringGrid *grid, int col, int row, QAccessible::Event what)
{
    auto *table = static_cast<GridAccessible *>(QAccessible::queryAccessibleInterface(grid));
    const int index = table ? table->indexOfGridCell(col, row) : -1;
    if (index < 0)
        return;
    QAccessibleEvent event(grid, what);
    event.setChild(index);
    QAccessible::updateAccessibility(&event);
}

} // namespace

void TXStringGrid::announceCurrent()
{
    if (hasFocus() && !activeEditor_)
        announceCell(this, col_, row_, QAccessible::Focus);
}

void TXStringGrid::announceText(int col, int row) { announceCell(this, col, row, QAccessible::NameChanged); }

} // namespace lumora
