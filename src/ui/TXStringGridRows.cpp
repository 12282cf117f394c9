// Whole rows by their fixed cells: a press selects them, a drag moves them
// (the window does the moving), and the context menu comes up over them.

#include "ui/TXStringGrid.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

namespace lumora {

void TXStringGrid::SelectRows(int top, int bottom)
{
    commitEdit();
    anchorCol_ = nextVisibleCol(cols_, -1);
    anchorRow_ = qBound(1, bottom, RowCount() - 1);
    // The current cell at the top, the far corner the anchor, as Select All.
    moveCurrent(nextVisibleCol(0, +1), top, true);
}

void TXStringGrid::rowHeaderPressed(int row, Qt::KeyboardModifiers modifiers)
{
    const QRect s = Selection();
    const bool wholeRows = s.left() <= nextVisibleCol(0, +1) && s.right() >= nextVisibleCol(cols_, -1);
    if (modifiers & Qt::ShiftModifier)
        SelectRows(qMin(anchorRow_, row), qMax(anchorRow_, row));
    else if (!(wholeRows && row >= s.top() && row <= s.bottom()))
        SelectRows(row, row); // a press within the rows selected keeps them, to be dragged
    rowPressed_ = row;
    dropBefore_ = -1;
}

int TXStringGrid::dropRowAt(const QPoint &pos) const
{
    for (int r = topRow_; r < RowCount(); ++r) {
        const QRect rect = cellRect(0, r);
        if (rect.isEmpty() || pos.y() <= rect.bottom())
            return pos.y() < rect.center().y() ? qMax(1, r) : r + 1;
    }
    return RowCount();
}

bool TXStringGrid::dragRows(const QPoint &pos)
{
    if (rowPressed_ < 0)
        return false;
    if (dropBefore_ < 0 && (pos - pressAt_).manhattanLength() < QApplication::startDragDistance())
        return true;
    // Near the top or bottom edge the rows scroll on under the drag.
    const int fixedBottom = cellRect(0, 0).bottom();
    QScrollBar *bar = verticalScrollBar();
    if (pos.y() < fixedBottom + DefaultRowHeight / 2)
        bar->setValue(bar->value() - 1);
    else if (pos.y() > viewport()->height() - DefaultRowHeight / 2)
        bar->setValue(bar->value() + 1);
    dropBefore_ = dropRowAt(pos);
    viewport()->update();
    return true;
}

void TXStringGrid::mouseReleaseEvent(QMouseEvent *event)
{
    const int before = dropBefore_;
    const bool fromHeader = rowPressed_ >= 0;
    rowPressed_ = dropBefore_ = -1;
    if (!fromHeader || before < 0) {
        QAbstractScrollArea::mouseReleaseEvent(event);
        return;
    }
    viewport()->update();
    const QRect s = Selection();
    if (before < s.top() || before > s.bottom() + 1)
        emit RowsDragged(s.top(), s.bottom(), before);
}

void TXStringGrid::drawRowDrop(QPainter &p) const
{
    if (dropBefore_ < 1)
        return;
    // The line between the rows the dragged ones would go between.
    const bool atEnd = dropBefore_ >= RowCount();
    const QRect r = cellRect(0, atEnd ? RowCount() - 1 : dropBefore_);
    if (r.isEmpty())
        return;
    const int y = atEnd ? r.bottom() + 1 : r.top() - 1;
    p.fillRect(QRect(0, y - 1, viewport()->width(), 3), palette().color(QPalette::Highlight));
}

void TXStringGrid::contextMenuEvent(QContextMenuEvent *event)
{
    commitEdit();
    // From the keyboard (the menu key, Shift+F10): over the current cell.
    if (event->reason() == QContextMenuEvent::Keyboard) {
        emit ContextMenuAt(col_, row_, viewport()->mapToGlobal(cellRect(col_, row_).center()));
        return;
    }
    int col, row; // a mouse's position is the viewport's, where the event went
    if (!cellAt(event->pos(), col, row) || row < 1) {
        emit ContextMenuAt(-1, -1, event->globalPos());
        return;
    }
    const QRect s = Selection();
    if (col == 0) {
        if (row < s.top() || row > s.bottom())
            SelectRows(row, row);
    } else if (!s.contains(col, row)) {
        moveCurrent(col, row, false);
    }
    emit ContextMenuAt(col, row, event->globalPos());
}

} // namespace lumora
