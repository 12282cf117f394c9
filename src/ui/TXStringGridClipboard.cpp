// The grid as a spreadsheet: copy, paste and clear of the selected cells,
// and the undo and redo keys, which the window answers.

#include "ui/ClipboardText.h"
#include "ui/TCellEditor.h"
#include "ui/TXStringGrid.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <exception>

namespace lumora {

bool TXStringGrid::shortcutKey(QKeyEvent *event)
{
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if (event->matches(QKeySequence::Copy))
        CopySelection();
    else if (event->matches(QKeySequence::Cut))
        CutSelection();
    else if (event->matches(QKeySequence::SelectAll))
        SelectAll();
    else if (event->matches(QKeySequence::Paste))
        PasteText(QGuiApplication::clipboard()->text());
    else if (event->key() == Qt::Key_Delete && mods == Qt::NoModifier)
        ClearSelection();
    else if (event->matches(QKeySequence::Undo))
        emit UndoRequested();
    else if (event->matches(QKeySequence::Redo)
             || (event->key() == Qt::Key_Z && mods == (Qt::ControlModifier | Qt::ShiftModifier))
             || (event->key() == Qt::Key_Y && mods == Qt::ControlModifier))
        emit RedoRequested();
    else
        return false;
    return true;
}

QVector<int> TXStringGrid::selectedColumns() const
{
    const QRect s = Selection();
    QVector<int> cols;
    for (int c = s.left(); c <= s.right(); ++c)
        if (visibleWidth(c) > 0)
            cols << c;
    return cols;
}

QString TXStringGrid::SelectionText() const
{
    const QRect s = Selection();
    QVector<QStringList> rows;
    for (int r = s.top(); r <= s.bottom(); ++r) {
        QStringList row;
        for (int c : selectedColumns())
            row << Cells(c, r);
        rows << row;
    }
    return ClipboardTextOf(rows);
}

void TXStringGrid::CopySelection() const { QGuiApplication::clipboard()->setText(SelectionText()); }

void TXStringGrid::CutSelection()
{
    CopySelection();
    ClearSelection();
}

void TXStringGrid::SelectAll()
{
    // The far corner is the anchor: the current cell and the view stay at the top.
    commitEdit();
    anchorCol_ = nextVisibleCol(cols_, -1);
    anchorRow_ = RowCount() - 1;
    moveCurrent(nextVisibleCol(0, +1), 1, true);
}

bool TXStringGrid::CommitTyped(int col, int row, const QString &text)
{
    if (col < 1 || col >= cols_ || row < 1 || row >= RowCount() || visibleWidth(col) == 0)
        return false;
    const TCellEditor *editor = columns_[col].Editor();
    if (!editor)
        return false; // a cell nobody can type into
    std::optional<QString> taken = editor->TypedText(text, TypedTextRule);
    if (OnCheckEditText)
        taken = OnCheckEditText(col, row, text, taken);
    if (!taken)
        return false;
    if (Cells(col, row) != *taken)
        setCells(col, row, *taken);
    if (OnSetEditText)
        OnSetEditText(this, col, row, *taken);
    return true;
}

void TXStringGrid::commitEach(const std::function<void(const std::function<void(int, int, const QString &)> &)> &cells)
{
    commitEdit();
    std::exception_ptr first;
    cells([&](int col, int row, const QString &text) {
        try {
            CommitTyped(col, row, text);
        } catch (...) {
            if (!first)
                first = std::current_exception(); // the rest is still taken
        }
    });
    viewport()->update();
    emit Edited();
    if (first)
        std::rethrow_exception(first);
}

void TXStringGrid::PasteText(const QString &text)
{
    const QVector<QStringList> rows = ParseClipboardText(text);
    if (rows.isEmpty())
        return;
    commitEach([&](const auto &commit) {
        // One value fills every selected cell, as in a spreadsheet.
        if (rows.size() == 1 && rows[0].size() == 1) {
            const QRect s = Selection();
            for (int r = s.top(); r <= s.bottom(); ++r)
                for (int c : selectedColumns())
                    commit(c, r, rows[0][0]);
            return;
        }
        // Consecutive fields go to consecutive shown columns.
        QVector<int> cols;
        for (int c = col_; c < cols_ && cols.size() < 1024; ++c)
            if (visibleWidth(c) > 0)
                cols << c;
        for (int i = 0; i < rows.size() && row_ + i < RowCount(); ++i)
            for (int f = 0; f < rows[i].size() && f < cols.size(); ++f)
                commit(cols[f], row_ + i, rows[i][f]);
    });
}

void TXStringGrid::ClearSelection()
{
    commitEach([&](const auto &commit) {
        const QRect s = Selection();
        for (int r = s.top(); r <= s.bottom(); ++r)
            for (int c : selectedColumns())
                commit(c, r, QString());
    });
}

} // namespace lumora
