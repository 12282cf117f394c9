#include "ui/TXStringGrid.h"

#include "ui/TCellEditor.h"
#include "ui/TXStringGridAccessible.h"

#include <QApplication>
#include <QPen>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QTimer>
#include <QToolTip>

namespace lumora {

namespace {

constexpr int kLine = 1; // grid line width

} // namespace

TXStringGrid::TXStringGrid(QWidget *parent, int cols, int rows) : QAbstractScrollArea(parent)
{
    InstallGridAccessibility();
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setFocusProxy(this);
    viewport()->setAutoFillBackground(false);
    setColCount(cols);
    setRowCount(rows);
}

TXStringGrid::~TXStringGrid()
{
    qApp->removeEventFilter(this); // an edit still open
    activeEditor_ = nullptr;
    columns_.items_.clear(); // detaches the editors while their controls live
}

void TXStringGrid::setColCount(int cols)
{
    cols = qMax(cols, 1);
    for (QStringList &row : cells_)
        while (row.size() != cols)
            row.size() < cols ? row.append(QString()) : row.removeLast();
    colWidths_.resize(cols);
    for (int c = cols_; c < cols; ++c)
        colWidths_[c] = DefaultColWidth;
    while (columns_.Count() > cols)
        columns_.items_.pop_back();
    cols_ = cols;
    while (columns_.Count() < cols)
        columns_.items_.push_back(std::make_unique<TXStringColumnItem>(this, columns_.Count()));
    col_ = qBound(1, col_, qMax(1, cols - 1));
    anchorCol_ = col_;
    updateScrollBars();
    viewport()->update();
}

void TXStringGrid::setRowCount(int rows)
{
    rows = qMax(rows, 1);
    const int old = RowCount();
    QStringList empty;
    for (int c = 0; c < cols_; ++c)
        empty << QString();
    cells_.resize(rows, empty);
    rowHeights_.resize(rows);
    for (int r = old; r < rows; ++r)
        rowHeights_[r] = DefaultRowHeight;
    row_ = qBound(1, row_, qMax(1, rows - 1));
    anchorRow_ = row_;
    updateScrollBars();
    viewport()->update();
}

QString TXStringGrid::Cells(int col, int row) const
{
    if (row < 0 || row >= RowCount() || col < 0 || col >= cols_)
        return QString();
    return cells_[row][col];
}

void TXStringGrid::setCells(int col, int row, const QString &text)
{
    if (row < 0 || row >= RowCount() || col < 0 || col >= cols_ || cells_[row][col] == text)
        return; // nothing to draw anew
    cells_[row][col] = text;
    if (isVisible()) {
        viewport()->update(cellRect(col, row));
        announceText(col, row);
    }
}


QStringList TXStringGrid::Rows(int row) const
{
    return row >= 0 && row < RowCount() ? cells_[row] : QStringList();
}

int TXStringGrid::ColWidths(int col) const { return col >= 0 && col < cols_ ? colWidths_[col] : 0; }

void TXStringGrid::setColWidths(int col, int width)
{
    if (col < 0 || col >= cols_)
        return;
    colWidths_[col] = width;
    updateScrollBars();
    viewport()->update();
    placeEditor();
}

int TXStringGrid::RowHeights(int row) const
{
    return row >= 0 && row < RowCount() ? rowHeights_[row] : 0;
}

void TXStringGrid::setRowHeights(int row, int height)
{
    if (row < 0 || row >= RowCount())
        return;
    rowHeights_[row] = height;
    updateScrollBars();
    viewport()->update();
    placeEditor();
}

int TXStringGrid::visibleWidth(int col) const { return qMax(0, colWidths_[col]); }

QRect TXStringGrid::cellRect(int col, int row) const
{
    if (col < 0 || col >= cols_ || row < 0 || row >= RowCount() || visibleWidth(col) == 0)
        return QRect();
    if ((col > 0 && col < leftCol_) || (row > 0 && row < topRow_))
        return QRect();
    int x = 0;
    if (col > 0) {
        x = visibleWidth(0) + (visibleWidth(0) ? kLine : 0);
        for (int c = leftCol_; c < col; ++c)
            x += visibleWidth(c) + (visibleWidth(c) ? kLine : 0);
    }
    int y = 0;
    if (row > 0) {
        y = rowHeights_[0] + kLine;
        for (int r = topRow_; r < row; ++r)
            y += rowHeights_[r] + kLine;
    }
    return QRect(x, y, visibleWidth(col), rowHeights_[row]);
}

bool TXStringGrid::cellAt(const QPoint &pos, int &col, int &row) const
{
    // The fixed column or row first, then the scrolled ones from the first shown.
    auto shown = [](int i, int first) { return i == 0 ? 0 : first + i - 1; };
    col = row = -1;
    for (int i = 0; col < 0 && shown(i, leftCol_) < cols_; ++i) {
        const int c = shown(i, leftCol_);
        const QRect r = cellRect(c, 0);
        if (!r.isEmpty() && pos.x() >= r.left() && pos.x() <= r.right() + kLine)
            col = c;
    }
    for (int i = 0; row < 0 && col >= 0 && shown(i, topRow_) < RowCount(); ++i) {
        const int r = shown(i, topRow_);
        const QRect rect = cellRect(col, r);
        if (!rect.isEmpty() && pos.y() >= rect.top() && pos.y() <= rect.bottom() + kLine)
            row = r;
    }
    return col >= 0 && row >= 0;
}

QRect TXStringGrid::Selection() const
{
    return QRect(QPoint(qMin(col_, anchorCol_), qMin(row_, anchorRow_)),
                 QPoint(qMax(col_, anchorCol_), qMax(row_, anchorRow_)));
}

void TXStringGrid::setCurrentCell(int col, int row) { moveCurrent(col, row, false); }

void TXStringGrid::moveCurrent(int col, int row, bool extend)
{
    if (cols_ < 2 || RowCount() < 2)
        return;
    // An edit lands in its own cell, with that cell still current, before
    // anything moves: whichever key, click or call moves the grid on.
    commitEdit();
    col_ = qBound(1, col, cols_ - 1);
    row_ = qBound(1, row, RowCount() - 1);
    if (!extend || !(Options & goRangeSelect)) {
        anchorCol_ = col_;
        anchorRow_ = row_;
    }
    ensureVisible(col_, row_);
    viewport()->update();
    announceCurrent();
}

int TXStringGrid::nextVisibleCol(int from, int step) const
{
    for (int c = from + step; c >= 1 && c < cols_; c += step)
        if (visibleWidth(c) > 0)
            return c;
    return from;
}

void TXStringGrid::navigate(int key, Qt::KeyboardModifiers modifiers)
{
    const bool extend = modifiers & Qt::ShiftModifier;
    int col = col_, row = row_;
    const int page = qMax(1, (viewport()->height() - rowHeights_[0]) / (DefaultRowHeight + kLine) - 1);
    switch (key) {
    case Qt::Key_Left: col = nextVisibleCol(col_, -1); break;
    case Qt::Key_Right: col = nextVisibleCol(col_, +1); break;
    case Qt::Key_Up: row = row_ - 1; break;
    case Qt::Key_Down: row = row_ + 1; break;
    case Qt::Key_PageUp: row = row_ - page; break;
    case Qt::Key_PageDown: row = row_ + page; break;
    case Qt::Key_Home:
        if (modifiers & Qt::ControlModifier)
            row = 1;
        col = nextVisibleCol(0, +1);
        break;
    case Qt::Key_End:
        if (modifiers & Qt::ControlModifier)
            row = RowCount() - 1;
        col = nextVisibleCol(cols_, -1);
        break;
    default: return;
    }
    moveCurrent(col, row, extend);
}

void TXStringGrid::ensureVisible(int col, int row)
{
    const int fixedW = visibleWidth(0) + kLine;
    const int fixedH = rowHeights_[0] + kLine;
    if (col < leftCol_)
        leftCol_ = col;
    while (leftCol_ < col) {
        int right = fixedW;
        for (int c = leftCol_; c <= col; ++c)
            right += visibleWidth(c) + (visibleWidth(c) ? kLine : 0);
        if (right <= viewport()->width())
            break;
        ++leftCol_;
    }
    if (row < topRow_)
        topRow_ = row;
    while (topRow_ < row) {
        int bottom = fixedH;
        for (int r = topRow_; r <= row; ++r)
            bottom += rowHeights_[r] + kLine;
        if (bottom <= viewport()->height())
            break;
        ++topRow_;
    }
    QSignalBlocker h(horizontalScrollBar()), v(verticalScrollBar());
    horizontalScrollBar()->setValue(leftCol_ - 1);
    verticalScrollBar()->setValue(topRow_ - 1);
    placeEditor();
}

void TXStringGrid::updateScrollBars()
{
    if (cols_ == 0 || RowCount() == 0)
        return;
    // Decided on the viewport without scroll bars, so that a bar shown
    // once does not keep itself by the room it takes.
    QSize room = maximumViewportSize();
    // A bar that is needed takes room from the other direction, which may
    // then need its bar too: the last row or column must stay reachable.
    int allWidth = 0, allHeight = 0;
    for (int c = 0; c < cols_; ++c)
        allWidth += visibleWidth(c) + (visibleWidth(c) ? kLine : 0);
    for (int r = 0; r < RowCount(); ++r)
        allHeight += rowHeights_[r] + kLine;
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    bool across = allWidth > room.width(), down = allHeight > room.height();
    down = down || (across && allHeight > room.height() - bar);
    across = across || (down && allWidth > room.width() - bar);
    if (across && horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff)
        room.rheight() -= bar;
    if (down && verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff)
        room.rwidth() -= bar;
    // The last first-column from which everything to the right still fits.
    int maxLeft = cols_ - 1;
    int width = visibleWidth(0) + kLine;
    for (int c = cols_ - 1; c >= 1; --c) {
        width += visibleWidth(c) + (visibleWidth(c) ? kLine : 0);
        if (width > room.width())
            break;
        maxLeft = c;
    }
    int maxTop = RowCount() - 1;
    int height = rowHeights_[0] + kLine;
    for (int r = RowCount() - 1; r >= 1; --r) {
        height += rowHeights_[r] + kLine;
        if (height > room.height())
            break;
        maxTop = r;
    }
    horizontalScrollBar()->setRange(0, qMax(0, maxLeft - 1));
    verticalScrollBar()->setRange(0, qMax(0, maxTop - 1));
    horizontalScrollBar()->setPageStep(1);
    verticalScrollBar()->setPageStep(1);
    leftCol_ = qMin(leftCol_, qMax(1, maxLeft));
    topRow_ = qMin(topRow_, qMax(1, maxTop));
}

void TXStringGrid::scrollContentsBy(int, int)
{
    leftCol_ = horizontalScrollBar()->value() + 1;
    topRow_ = verticalScrollBar()->value() + 1;
    viewport()->update();
    placeEditor();
}

void TXStringGrid::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
    placeEditor();
}

void TXStringGrid::placeEditor()
{
    if (activeEditor_)
        activeEditor_->PlaceAt(cellRect(editCol_, editRow_));
}

QSize TXStringGrid::sizeHint() const
{
    int w = 2 * frameWidth(), h = 2 * frameWidth();
    for (int c = 0; c < cols_; ++c)
        w += visibleWidth(c) + (visibleWidth(c) ? kLine : 0);
    for (int r = 0; r < RowCount(); ++r)
        h += rowHeights_[r] + kLine;
    return QSize(w, h);
}

void TXStringGrid::drawCell(QPainter &p, int col, int row, const QRect &r)
{
    const bool fixed = col == 0 || row == 0;
    const TXStringColumnItem &column = columns_[col];
    const CellColors colors = ColorsOf(col, row);
    const QColor &background = colors.background;
    QFont font = row == 0 ? column.HeaderFont() : column.Font();
    Qt::Alignment align = row == 0 ? column.HeaderAlignment() : column.Alignment();
    const bool current = !fixed && col == col_ && row == row_;
    p.fillRect(r, background);
    p.setPen(colors.text);
    p.setFont(font);
    const int flags = (align & Qt::AlignHorizontal_Mask)
                      | (MultiLine ? (Qt::AlignTop | Qt::TextWordWrap) : (Qt::AlignVCenter | Qt::TextSingleLine));
    p.drawText(r.adjusted(2, 2, -2, -2), flags, cells_[row][col]);
    if (!fixed && CellNote && !CellNote(col, row).isEmpty()) {
        // A corner mark in the palette's highlight, as a spreadsheet marks a comment.
        const int m = std::max(5, r.height() / 3);
        const QPoint corner = r.topRight() + QPoint(1, 0);
        const QPolygon mark({corner, corner - QPoint(m, 0), corner + QPoint(0, m)});
        p.setBrush(palette().color(QPalette::Highlight));
        p.setPen(Qt::NoPen);
        p.drawPolygon(mark);
        p.setBrush(Qt::NoBrush);
    }
    if (!fixed && CellWarning && !CellWarning(col, row).isEmpty()) {
        // Amber on a light cell, a lighter amber on a dark one: it reads on both.
        const QColor warning = background.lightness() < 128 ? QColor(255, 176, 64) : QColor(196, 96, 0);
        p.setPen(QPen(warning, 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(1, 1, -1, -1));
    }
    if (current && !activeEditor_) {
        // The current cell: a frame in the highlight colour, thinner while
        // the grid has no focus.
        const int width = hasFocus() ? 2 : 1;
        p.setPen(QPen(palette().color(QPalette::Highlight), width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(r).adjusted(width / 2.0, width / 2.0, -width / 2.0, -width / 2.0));
    }
    const bool vertical = Options & (fixed ? goFixedVertLine : goVertLine);
    const bool horizontal = Options & (fixed ? goFixedHorzLine : goHorzLine);
    p.setPen(fixed ? Resolved(FixedLineColor, QPalette::ButtonText) : Resolved(GridLineColor, QPalette::Mid));
    if (vertical)
        p.drawLine(r.right() + 1, r.top(), r.right() + 1, r.bottom() + 1);
    if (horizontal)
        p.drawLine(r.left(), r.bottom() + 1, r.right() + 1, r.bottom() + 1);
}

bool TXStringGrid::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::ToolTip && (CellNote || CellWarning)) {
        const auto *help = static_cast<QHelpEvent *>(event);
        int col = 0, row = 0;
        QStringList notes;
        if (cellAt(help->pos(), col, row) && col > 0 && row > 0) {
            for (const auto &hook : {CellWarning, CellNote})
                if (hook && !hook(col, row).isEmpty())
                    notes << hook(col, row);
        }
        const QString note = notes.join(QLatin1Char('\n'));
        if (note.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), note, viewport(), cellRect(col, row));
        return true;
    }
    return QAbstractScrollArea::viewportEvent(event);
}

void TXStringGrid::paintEvent(QPaintEvent *)
{
    QPainter p(viewport());
    p.fillRect(viewport()->rect(), palette().color(QPalette::Window));
    for (int row = 0; row < RowCount(); row = (row == 0 ? topRow_ : row + 1)) {
        for (int col = 0; col < cols_; col = (col == 0 ? leftCol_ : col + 1)) {
            const QRect r = cellRect(col, row);
            if (r.left() > viewport()->width())
                break;
            if (!r.isEmpty())
                drawCell(p, col, row, r);
        }
        const QRect any = cellRect(0, row);
        if (any.top() > viewport()->height())
            break;
    }
    drawRowDrop(p);
}

void TXStringGrid::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const bool wasEditing = activeEditor_ != nullptr || editEndedByFocus_;
    commitEdit(); // while the edited cell is still current
    editEndedByFocus_ = false;
    int col, row;
    if (RowsMovable && cellAt(event->position().toPoint(), col, row) && col == 0 && row >= 1) {
        pressAt_ = event->position().toPoint();
        rowHeaderPressed(row, event->modifiers());
        return;
    }
    if (!cellAt(event->position().toPoint(), col, row) || col < 1 || row < 1)
        return;
    const bool onCurrent = col == col_ && row == row_;
    if (event->modifiers() & Qt::ShiftModifier) {
        moveCurrent(col, row, true);
        return;
    }
    moveCurrent(col, row, false);
    if (onCurrent || wasEditing)
        startEdit(false, QString());
}

void TXStringGrid::mouseMoveEvent(QMouseEvent *event)
{
    if (!(event->buttons() & Qt::LeftButton) || activeEditor_ || dragRows(event->position().toPoint()))
        return;
    int col, row;
    if (cellAt(event->position().toPoint(), col, row) && col >= 1 && row >= 1
        && (col != col_ || row != row_))
        moveCurrent(col, row, true);
}

void TXStringGrid::focusInEvent(QFocusEvent *event)
{
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
    announceCurrent();
}

void TXStringGrid::focusOutEvent(QFocusEvent *event)
{
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

} // namespace lumora
