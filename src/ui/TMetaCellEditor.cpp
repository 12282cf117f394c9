#include "ui/TMetaCellEditor.h"

#include "memory/Errors.h"
#include "ui/TXStringGrid.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>

namespace lumora {

TMetaCellEditor::~TMetaCellEditor() { delete control_; }

void TMetaCellEditor::PrepareControl()
{
    if (control_)
        return;
    QWidget *c = CreateControl(Grid()->viewport());
    if (!c)
        throw ELumoraError(QStringLiteral("Cell Editor not of type TCellEditor"));
    control_ = c;
    control_->hide();
    watch(control_);
}

void TMetaCellEditor::ReleaseControlWindow()
{
    delete control_;
    control_ = nullptr;
}

void TMetaCellEditor::PlaceAt(const QRect &cell)
{
    if (!control_)
        return;
    control_->setGeometry(cell);
    control_->show();
    control_->raise();
}

void TMetaCellEditor::Hide()
{
    if (control_)
        control_->hide();
}

void TMetaCellEditor::watch(QWidget *w) { w->installEventFilter(this); }

void TMetaCellEditor::takeColumnLook()
{
    TXStringGrid *g = Grid();
    const TXStringColumnItem &column = g->Columns()[g->EditCol()];
    if (!column.EditorInheritsCellProps)
        return;
    QPalette p = control_->palette();
    const TXStringGrid::CellColors colors = g->ColorsOf(g->EditCol(), g->EditRow());
    p.setColor(QPalette::Base, colors.background);
    p.setColor(QPalette::Text, colors.text);
    control_->setPalette(p);
    control_->setFont(column.Font());
}

bool TMetaCellEditor::eventFilter(QObject *watched, QEvent *event)
{
    TXStringGrid *g = Grid();
    if (!g || g->ActiveEditor() != this)
        return false;
    if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        // The drop-down list taking the focus is part of the edit.
        if (reason == Qt::PopupFocusReason)
            return false;
        QWidget *now = QApplication::focusWidget();
        if (now && control_ && (now == control_ || control_->isAncestorOf(now)))
            return false; // moving inside the control
        g->commitEdit();
        return false;
    }
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const int k = key->key();
        const bool enter = k == Qt::Key_Return || k == Qt::Key_Enter;
        // Keys the control does not use reach the grid, which commits
        // before it moves; these ones the control would use, so the
        // editor decides here that they leave.
        if (enter) {
            g->commitEdit();
            return true;
        }
        if (k == Qt::Key_Escape) {
            // Escape takes back the edit, and only the edit: the window
            // does not hear it (a dialog would close).
            g->cancelEdit();
            return true;
        }
        if (leavesOn(k)) {
            g->navigate(k, key->modifiers()); // commits first
            return true;
        }
        // Tab and Shift+Tab commit and go on to the next or previous
        // cell, as in a spreadsheet, rather than leave the grid.
        if (k == Qt::Key_Tab || k == Qt::Key_Backtab) {
            const bool back = k == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier);
            g->navigate(back ? Qt::Key_Left : Qt::Key_Right, Qt::NoModifier);
            return true;
        }
    }
    (void)watched;
    return false;
}

} // namespace lumora
