#include "ui/TComboCellEditor.h"

#include "ui/TXStringGrid.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace lumora {

TComboInplace::TComboInplace(QWidget *parent) : QComboBox(parent)
{
    setFrame(false);
    setMaxVisibleItems(16);
    setInsertPolicy(QComboBox::NoInsert);
}

QWidget *TComboCellEditor::CreateControl(QWidget *owner) { return new TComboInplace(owner); }

void TComboCellEditor::StartEdit()
{
    TXStringGrid *g = Grid();
    TComboInplace *combo = Combo();
    takeColumnLook();
    const bool editable = Style == csDropDown;
    combo->setEditable(editable);
    if (editable) {
        watch(combo->lineEdit());
        combo->lineEdit()->setFrame(false);
        combo->setCompleter(nullptr); // what is typed is what is committed
    }
    combo->clear();
    combo->addItems(Items);
    combo->setCurrentIndex(-1);
    if (editable)
        combo->setEditText(QString());

    QString pending;
    const bool typed = g->takePendingChar(pending);
    if (typed) {
        // The typed character goes to the control as a key press, upper-cased.
        const QString up = pending.toUpper();
        QWidget *target = editable ? static_cast<QWidget *>(combo->lineEdit()) : combo;
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, up);
        QCoreApplication::sendEvent(target, &press);
    } else {
        const QString text = g->Cells(g->EditCol(), g->EditRow());
        if (editable)
            combo->setEditText(text);
        else
            combo->setCurrentIndex(static_cast<int>(Items.indexOf(text)));
    }
    if (combo->currentText().isEmpty()) {
        if (editable)
            combo->setEditText(DefaultText);
        else
            combo->setCurrentIndex(static_cast<int>(Items.indexOf(DefaultText)));
    }
    if (editable && !typed)
        combo->lineEdit()->selectAll(); // a typed character keeps the caret after it
}

std::optional<QString> TComboCellEditor::TypedText(const QString &text, const TextRule &rule) const
{
    for (const QString &item : Items)
        if (item.compare(text.trimmed(), Qt::CaseInsensitive) == 0)
            return item;
    if (Style == csDropDownList)
        return text.isEmpty() ? std::optional<QString>(DefaultText) : std::nullopt;
    return TMetaCellEditor::TypedText(text, rule);
}

void TComboCellEditor::EndEdit() { SetCellText(Combo()->currentText()); }

bool TComboCellEditor::leavesOn(int key) const
{
    if (key != Qt::Key_Left && key != Qt::Key_Right)
        return false; // Up and Down move in the list
    if (Style == csDropDownList)
        return true;
    const QLineEdit *edit = Combo()->lineEdit();
    if (edit->hasSelectedText())
        return false;
    return key == Qt::Key_Left ? edit->cursorPosition() == 0
                               : edit->cursorPosition() == edit->text().size();
}

} // namespace lumora
