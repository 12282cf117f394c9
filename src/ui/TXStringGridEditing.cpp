// The grid's cell edits: an editor opened on the current cell, its text
// committed or cancelled, and the keys and focus moves around it.

#include "ui/TXStringGrid.h"

#include "ui/TCellEditor.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

namespace lumora {

bool TXStringGrid::startEdit(bool pending, const QString &pendingText)
{
    if (activeEditor_ || !(Options & goEditing) || !hasFocus())
        return false;
    if (row_ < 1 || col_ < 1 || row_ >= RowCount() || col_ >= cols_)
        return false;
    TCellEditor *editor = columns_[col_].Editor();
    if (!editor || !editor->Control())
        return false;
    activeEditor_ = editor;
    editCol_ = col_;
    editRow_ = row_;
    hasPending_ = pending;
    pending_ = pendingText;
    editor->StartEdit();
    hasPending_ = false;
    ensureVisible(editCol_, editRow_);
    editor->PlaceAt(cellRect(editCol_, editRow_));
    editor->Control()->setAccessibleName(CellTitle(editCol_, editRow_)); // read out as the edit opens
    editor->Control()->setFocus(Qt::OtherFocusReason);
    qApp->installEventFilter(this); // a click anywhere else in the window commits
    viewport()->update();
    return true;
}

bool TXStringGrid::takePendingChar(QString &text)
{
    if (!hasPending_)
        return false;
    hasPending_ = false;
    text = pending_;
    pending_.clear();
    return true;
}

void TXStringGrid::commitEdit()
{
    if (!activeEditor_ || committing_)
        return;
    committing_ = true;
    qApp->removeEventFilter(this);
    TCellEditor *editor = activeEditor_;
    // Hiding the control that holds the window's focus would move the
    // focus on to some other control: it comes back to the grid instead,
    // also while the window is not the active one.
    QWidget *control = editor->Control();
    QWidget *windowFocus = window()->focusWidget();
    if (control && windowFocus && (windowFocus == control || control->isAncestorOf(windowFocus)))
        setFocus(Qt::OtherFocusReason);
    // The control is hidden and the grid idle again even if the handler
    // of the commit throws; the cell already holds the text.
    struct Finish {
        TXStringGrid *grid;
        TCellEditor *editor;
        ~Finish()
        {
            grid->activeEditor_ = nullptr;
            editor->Hide();
            grid->committing_ = false;
            grid->viewport()->update();
        }
    } finish{this, editor};
    editEndedByFocus_ = true;
    QTimer::singleShot(0, this, [this] { editEndedByFocus_ = false; });
    editor->EndEdit();
}

void TXStringGrid::cancelEdit()
{
    if (!activeEditor_ || committing_)
        return;
    committing_ = true; // the focus the control loses commits nothing
    qApp->removeEventFilter(this);
    TCellEditor *editor = activeEditor_;
    setFocus(Qt::OtherFocusReason);
    activeEditor_ = nullptr;
    editor->Hide();
    committing_ = false;
    viewport()->update();
}

void TXStringGrid::commitEditText(const QString &typed)
{
    if (editCol_ < 0 || editRow_ < 0)
        return;
    const std::optional<QString> taken = OnCheckEditText ? OnCheckEditText(editCol_, editRow_, typed, typed) : typed;
    if (!taken) {
        viewport()->update(); // the cell keeps its text
        return;
    }
    const QString text = *taken;
    if (Cells(editCol_, editRow_) != text)
        setCells(editCol_, editRow_, text);
    try {
        if (OnSetEditText)
            OnSetEditText(this, editCol_, editRow_, text);
    } catch (...) {
        emit Edited();
        throw;
    }
    emit Edited();
}

void TXStringGrid::editorDestroyed(TCellEditor *editor)
{
    if (activeEditor_ == editor)
        activeEditor_ = nullptr;
    for (auto &column : columns_.items_)
        if (column->editor_ == editor)
            column->editor_ = nullptr;
}

void TXStringGrid::keyPressEvent(QKeyEvent *event)
{
    if (shortcutKey(event))
        return;
    const int key = event->key();
    if (key == Qt::Key_F2 || key == Qt::Key_Return || key == Qt::Key_Enter) {
        startEdit(false, QString());
        return;
    }
    const QString text = event->text();
    const bool command = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (!command && key == Qt::Key_Backspace) {
        startEdit(ImmediateEditMode, QString());
        return;
    }
    if (!command && !text.isEmpty() && text[0].isPrint()) {
        startEdit(ImmediateEditMode, text.left(1));
        return;
    }
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        navigate(key, event->modifiers());
        return;
    default:
        QAbstractScrollArea::keyPressEvent(event);
    }
}

bool TXStringGrid::eventFilter(QObject *watched, QEvent *event)
{
    // Installed while an edit is open. A press on anything of this window
    // that is neither the editor nor the grid (which handles its own
    // clicks) ends the edit, also where the press takes no focus.
    if (event->type() == QEvent::MouseButtonPress && activeEditor_ && watched->isWidgetType()) {
        auto *w = static_cast<QWidget *>(watched);
        QWidget *control = activeEditor_->Control();
        const bool inside = w == this || isAncestorOf(w) || (control && (w == control || control->isAncestorOf(w)));
        if (!inside && w->window() == window())
            commitEdit();
    }
    return QAbstractScrollArea::eventFilter(watched, event);
}

void TXStringGrid::hideEvent(QHideEvent *event)
{
    commitEdit(); // the window closing, or the grid hidden
    QAbstractScrollArea::hideEvent(event);
}

bool TXStringGrid::focusNextPrevChild(bool next)
{
    if (Options & goTabs) {
        moveCurrent(nextVisibleCol(col_, next ? 1 : -1), row_, false);
        return true;
    }
    return QAbstractScrollArea::focusNextPrevChild(next);
}

} // namespace lumora
