// The main window's input rules: what a key or a pasted text may put into
// the grid and the option boxes, and the keys the window takes first.

#include "ui/TForm1.h"

#include "memory/ChannelTyping.h"
#include "ui/TXStringGrid.h"

#include <QStatusBar>
#include <QMenu>
#include <QMenuBar>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <algorithm>

namespace lumora {

std::array<QComboBox *, 8> TForm1::visibleOptionBoxes() const
{
    return {comcbb,               OptionBoxes[OptSqLev], OptionBoxes[OptTot],  OptionBoxes[OptVoice],
            OptionBoxes[OptPf1], OptionBoxes[OptPf2],   OptionBoxes[OptScan], OptionBoxes[OptSavePower]};
}

QComboBox *TForm1::optionBoxOf(QObject *watched) const
{
    for (QComboBox *box : visibleOptionBoxes())
        if (watched == box || watched == box->lineEdit())
            return box;
    return nullptr;
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress)
        return filterKey(watched, static_cast<QKeyEvent *>(event));
    if (event->type() == QEvent::FocusIn) {
        if (QComboBox *box = optionBoxOf(watched))
            optionTextOnEntry_ = box->currentText();
    }
    if (event->type() == QEvent::FocusOut) {
        QComboBox *box = optionBoxOf(watched);
        if (box == comcbb && box->currentText().isEmpty()) {
            box->setEditText(QStringLiteral("COM1"));
        } else if (box) {
            // Leaving an emptied option box puts its default back; a TOT
            // the radio cannot hold keeps the value it had. Either is said.
            const auto id = static_cast<OptionId>(std::find(OptionBoxes.begin(), OptionBoxes.end(), box) - OptionBoxes.begin());
            const QString typed = box->currentText();
            const bool tooLong = id == OptTot && typed != Option(id).items.last() && typed.toInt() > 255;
            if (typed.isEmpty() || tooLong) {
                const QString kept = typed.isEmpty() || optionTextOnEntry_.isEmpty() ? Option(id).defaultText
                                                                                     : optionTextOnEntry_;
                box->setEditText(kept);
                StatusBar1->showMessage(
                        tr("%1 %2: it is %3 again%4")
                                .arg(Option(id).label,
                                     typed.isEmpty() ? tr("left empty")
                                                     : tr("\"%1\" does not fit the radio, which holds "
                                                                      "CLOSE or 0 to 255 seconds")
                                                               .arg(typed),
                                     kept, kept == Option(id).defaultText && typed.isEmpty()
                                                   ? tr(" (the default)")
                                                   : QString()),
                        15000);
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

QChar TForm1::WindowCharacter(QChar c)
{
    // Only the characters of frequencies, tones, DCS codes and "NONE".
    c = TypedDecimalPoint(c);
    if (c == QLatin1Char('.') || (c >= QLatin1Char('0') && c <= QLatin1Char('9')))
        return c;
    const QChar upper = c.toUpper();
    if (c.unicode() < 128 && QStringLiteral("EINO").contains(upper))
        return upper;
    return QChar();
}

QString TForm1::allowedText(QWidget *target, const QString &text) const
{
    QString allowed;
    for (QChar c : text)
        if (const QChar k = WindowCharacter(c); !k.isNull())
            allowed += k;
    // The option boxes take no characters, but TOT its digits.
    if (QComboBox *box = optionBoxOf(target)) {
        if (box != OptionBoxes[OptTot])
            return QString();
        allowed.remove(QRegularExpression(QStringLiteral("[^0-9]")));
    }
    return allowed;
}

std::optional<QString> TForm1::checkTypedCell(int col, int row, const QString &typed,
                                              const std::optional<QString> &taken)
{
    const TypedChannelText judged = JudgeTypedChannelText(col, row, typed, taken, xg->Cells(ColRxFreq, row));
    if (!judged.message.isEmpty())
        StatusBar1->showMessage(judged.message, 15000);
    if (judged.refused)
        return std::nullopt;
    return judged.text;
}

void TForm1::sayWhatTheCellTakes(QWidget *target, const QString &leftOut)
{
    if (!target || (target != xg && !xg->isAncestorOf(target)) || leftOut.trimmed().isEmpty())
        return;
    const int col = xg->ActiveEditor() ? xg->EditCol() : xg->Col();
    const int row = xg->ActiveEditor() ? xg->EditRow() : xg->Row();
    if (col < ColRxFreq || col >= kChannelColumns)
        return;
    StatusBar1->showMessage(tr("%1 of channel %2: \"%3\" left out; %4")
                                    .arg(ChannelCaptions()[col])
                                    .arg(row)
                                    .arg(leftOut.trimmed(), WhatChannelColumnTakes(col)),
                            15000);
}

bool TForm1::filterKey(QObject *watched, QKeyEvent *key)
{
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != this)
        return false;
    if (key->key() == Qt::Key_F10 && key->modifiers() == Qt::NoModifier) {
        menuBar()->setActiveAction(FileMenu->menuAction()); // the menus by keyboard
        return true;
    }
    if (key->key() == Qt::Key_F11 || key->key() == Qt::Key_F12) {
        if (!client_->isEnabled())
            return true; // a transfer is under way: the window takes no input
        if (key->key() == Qt::Key_F11)
            rbtnClick();
        else
            WriteClick();
        return true;
    }
    // The filter keeps characters out of text; buttons and the like take
    // their keys (Space presses a button).
    if (!qobject_cast<QLineEdit *>(widget) && !qobject_cast<QComboBox *>(widget)
        && !qobject_cast<TXStringGrid *>(widget))
        return false;
    const QString text = key->text();
    const int k = key->key();
    const bool enter = k == Qt::Key_Return || k == Qt::Key_Enter;
    // Ctrl, alone or with Shift, makes a command of any key: no edit box
    // inserts its text. With any other modifier (Alt, AltGr) a character
    // is typed, and passes the rule.
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    const bool command = mods == Qt::ControlModifier || mods == (Qt::ControlModifier | Qt::ShiftModifier);
    if (text.isEmpty() || command || (!text[0].isPrint() && !enter && k != Qt::Key_Backspace))
        return false;
    if (text[0].isPrint()) {
        const QChar c = text[0];
        const QChar k2 = WindowCharacter(c);
        if (k2.isNull()) {
            sayWhatTheCellTakes(widget, QString(c));
            return true;
        }
        if (k2 != c) {
            QKeyEvent raised(key->type(), k, key->modifiers(), QString(k2));
            QCoreApplication::sendEvent(watched, &raised);
            return true;
        }
    }
    // The option boxes' own rules.
    if (QComboBox *box = optionBoxOf(watched)) {
        if (enter) {
            focusNextChild();
            return true;
        }
        return allowedText(box, text).isEmpty() && !(box == OptionBoxes[OptTot] && k == Qt::Key_Backspace);
    }
    return false;
}

} // namespace lumora
