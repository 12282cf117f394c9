#include "ui/TEditCellEditor.h"

#include "ui/TXStringGrid.h"

#include <QToolButton>

namespace lumora {

TEditInplace::TEditInplace(QWidget *parent) : QLineEdit(parent)
{
    setFrame(false);
    setTextMargins(2, 2, 2, 0);
}

QWidget *TEditCellEditor::CreateControl(QWidget *owner)
{
    auto *edit = new TEditInplace(owner);
    ellipsis_ = new QToolButton(owner);
    ellipsis_->hide();
    ellipsis_->setFocusPolicy(Qt::NoFocus);
    QObject::connect(ellipsis_, &QToolButton::clicked, this, [this] {
        if (OnElipsisClick)
            OnElipsisClick(this);
    });
    return edit;
}

void TEditCellEditor::StartEdit()
{
    TXStringGrid *g = Grid();
    TEditInplace *edit = Edit();
    takeColumnLook();
    QString pending;
    if (g->takePendingChar(pending)) {
        edit->setText(pending);
        edit->deselect();
        edit->setCursorPosition(static_cast<int>(pending.size()));
    } else {
        const QString text = g->Cells(g->EditCol(), g->EditRow());
        edit->setText(text.isEmpty() ? DefaultText : text);
        edit->selectAll();
    }
}

void TEditCellEditor::EndEdit() { SetCellText(Edit()->text()); }

void TEditCellEditor::PlaceAt(const QRect &cell)
{
    QRect r = cell;
    if (hasElipsis && ellipsis_) {
        const int w = qMin(cell.height(), cell.width() / 2);
        ellipsis_->setText(ElipsisCaption);
        ellipsis_->setGeometry(cell.right() - w + 1, cell.top(), w, cell.height());
        ellipsis_->show();
        ellipsis_->raise();
        r.setWidth(cell.width() - w);
    }
    TMetaCellEditor::PlaceAt(r);
}

void TEditCellEditor::Hide()
{
    if (ellipsis_)
        ellipsis_->hide();
    TMetaCellEditor::Hide();
}

bool TEditCellEditor::leavesOn(int key) const
{
    const TEditInplace *edit = Edit();
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
        return true;
    case Qt::Key_Left:
        return !edit->hasSelectedText() && edit->cursorPosition() == 0;
    case Qt::Key_Right:
        return !edit->hasSelectedText() && edit->cursorPosition() == edit->text().size();
    default:
        return false;
    }
}

} // namespace lumora
