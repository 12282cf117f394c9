// The main window's character rule holds for text however it arrives
// (typed with any modifier, pasted, dropped, composed), and keeps its hands
// off keys that press buttons.

#include "UiTestSupport.h"

#include "memory/ChannelColumns.h"
#include "ui/TComboCellEditor.h"
#include "ui/TEditCellEditor.h"
#include "ui/TXStringGrid.h"
#include "ui/TextArrivalFilter.h"

#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>

using namespace lumora;
using namespace lumora::test;

namespace {

void paste(const QString &text, const QKeySequence &keys = QKeySequence(Qt::CTRL | Qt::Key_V))
{
    QGuiApplication::clipboard()->setText(text);
    QTest::keySequence(focused(), keys);
}

} // namespace

class MainKeyFilterTest : public QObject, ShownMainWindow {
    Q_OBJECT

    // Opens an empty edit on a cell of channel 1 and returns its text box.
    QLineEdit *openEdit(int col)
    {
        form->xg->setFocus();
        form->xg->setCurrentCell(col, 1);
        QTest::keyClick(form->xg, Qt::Key_F2);
        auto *edit = qobject_cast<QLineEdit *>(focused());
        if (!edit)
            edit = focusedBoxEdit();
        edit->clear();
        return edit;
    }
    QLineEdit *focusedBoxEdit() const
    {
        auto *box = qobject_cast<QComboBox *>(focused());
        return box ? box->lineEdit() : nullptr;
    }

private slots:
    void init() { QVERIFY(showWindow()); }
    void cleanup() { window.reset(); }

    void pastedTextPassesTheCharacterRule()
    {
        QLineEdit *rx = openEdit(ColRxFreq);
        paste("146.52 MHz -x");
        QCOMPARE(rx->text(), QString("146.52"));
        rx->clear();
        paste("no one", QKeySequence(Qt::SHIFT | Qt::Key_Insert));
        QCOMPARE(rx->text(), QString("NOONE"));
        QTest::keyClick(focused(), Qt::Key_Return);

        QLineEdit *tone = openEdit(ColToneEnc);
        QVERIFY(tone);
        paste("67.0 Hz");
        QCOMPARE(tone->text(), QString("67.0"));
        QTest::keyClick(focused(), Qt::Key_Return);
    }

    void boxesThatTakeNoTypedCharactersTakeNoPastedOnes()
    {
        for (QComboBox *box : {form->comcbb, form->OptionBoxes[OptSqLev], form->OptionBoxes[OptVoice]}) {
            const QString before = box->currentText();
            box->setFocus();
            QTRY_VERIFY(box->hasFocus());
            box->lineEdit()->selectAll();
            paste("/dev/ttyS9 5");
            QCOMPARE(box->currentText(), before);
        }
        QComboBox *tot = form->OptionBoxes[OptTot];
        tot->setFocus();
        QTRY_VERIFY(tot->hasFocus());
        tot->lineEdit()->selectAll();
        paste("1a2 0s");
        QCOMPARE(tot->currentText(), QString("120"));
    }

    void typedCharactersPassTheRuleWhateverModifiersAreHeld()
    {
        QLineEdit *rx = openEdit(ColRxFreq);
        QTest::keyClick(focused(), Qt::Key_1);
        QTest::keyClick(focused(), Qt::Key_X, Qt::AltModifier);
        QTest::keyClick(focused(), Qt::Key_Space, Qt::AltModifier);
        QTest::keyClick(focused(), Qt::Key_Minus, Qt::AltModifier);
        QTest::keyClick(focused(), Qt::Key_N, Qt::AltModifier);
        QCOMPARE(rx->text(), QString("1N"));
        QTest::keyClick(focused(), Qt::Key_A, Qt::ControlModifier); // a command: select all
        QCOMPARE(rx->selectedText(), QString("1N"));
    }

    void droppedTextPassesTheCharacterRule()
    {
        QLineEdit *rx = openEdit(ColRxFreq);
        QMimeData data;
        data.setText("14x5.5 mhz");
        QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(rx, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(rx, &drop);
        QCOMPARE(rx->text(), QString("145.5"));
        rx->clear();
        data.setText("abc"); // nothing of it may enter: refused as it arrives
        QDragEnterEvent refused(QPoint(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(rx, &refused);
        QVERIFY(!refused.isAccepted());
        QDropEvent nothing(QPointF(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(rx, &nothing);
        QCOMPARE(rx->text(), QString());
    }

    void composedTextPassesTheCharacterRule()
    {
        QLineEdit *rx = openEdit(ColRxFreq);
        QInputMethodEvent compose;
        compose.setCommitString(QString::fromUtf8("4x4\u00e96"));
        QApplication::sendEvent(focused(), &compose);
        QCOMPARE(rx->text(), QString("446"));
    }

    void theContextMenusPasteTooPassesTheRule()
    {
        QLineEdit *rx = openEdit(ColRxFreq);
        QGuiApplication::clipboard()->setText("1 4 6 . 5");
        QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(2, 2), rx->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(rx, &menuEvent);
        QMenu *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QAction *pasteAction = nullptr;
        for (QAction *a : menu->actions())
            if (TextArrivalFilter::IsPasteAction(a))
                pasteAction = a;
        QVERIFY(pasteAction);
        pasteAction->trigger();
        menu->close();
        QCOMPARE(rx->text(), QString("146.5"));
        QCOMPARE(form->xg->ActiveEditor(), form->EditCellEditor1); // the menu did not end the edit
    }

    void spacePressesAFocusedButton()
    {
        form->SelectPort("/dev/lumora-missing"); // a press shows that the port cannot open
        auto &errors = window->dialogs.errors;
        for (QPushButton *button : {form->rbtn, form->wbtn}) {
            errors.clear();
            button->setFocus();
            QTest::keyClick(button, Qt::Key_Space);
            QCOMPARE(errors.size(), 1);
            window->progress.Button2Click();
        }
        TForm3 &progress = window->progress;
        form->rbtn->setFocus();
        QTest::keyClick(form->rbtn, Qt::Key_Space); // the dialog up, the port failing to open
        QVERIFY(progress.isVisible());
        QApplication::setActiveWindow(&progress);
        errors.clear();
        progress.Button1->setFocus();
        QTest::keyClick(progress.Button1, Qt::Key_Space); // Retry: the read starts again
        QCOMPARE(errors.size(), 1);
        progress.show();
        progress.Button2->setFocus();
        QTest::keyClick(progress.Button2, Qt::Key_Space); // Cancel
        QVERIFY(!progress.isVisible());
    }
};

LUMORA_WINDOW_TEST_MAIN(MainKeyFilterTest)
#include "MainKeyFilterTest.moc"
