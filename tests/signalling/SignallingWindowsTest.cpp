// The DTMF and FleetSync windows as a keyboard user meets them: their
// layout, a changed box as one undo step, Escape and the close button, and
// the DTMF memory's coding.

#include "support/WindowsOnRadio.h"

#include "signalling/SignallingGrids.h"
#include "ui/TEditCellEditor.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

using namespace lumora;
using namespace lumora::test;

class SignallingWindowsTest : public QObject, WindowsOnRadio {
    Q_OBJECT

private slots:
    void init() { open(); }
    void cleanup() { close(); }

    void theWindowsAreLaidOutAsTheRadiosToolHasThem()
    {
        QCOMPARE(dtmf().windowTitle(), QString("DTMF"));
        QCOMPARE(fsk().windowTitle(), QString("FleetSync"));
        QVERIFY(dtmf().windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(dtmf().xg2->Columns()[1].Caption(), QString("Autodial Memory"));
        QCOMPARE(dtmf().xg2->Cells(0, 16), QString("16"));
        QCOMPARE(dtmf().EditCellEditor1->DefaultText, QString("12345678"));
        QCOMPARE(dtmf().cb[3]->count(), 19);
        QCOMPARE(dtmf().cb[2]->currentText(), QString("0"));
        QCOMPARE(dtmf().Edit1->maxLength(), 8);
        QCOMPARE(fsk().cb1->currentText(), QString("2400"));
        QVERIFY(!fsk().cb1->isEditable());
        QCOMPARE(fsk().xg1->Columns()[2].Caption(), QString("ID"));
        QVERIFY(!fsk().ProgressBar1->isHidden());
        QVERIFY(dtmf().ProgressBar1->isHidden());
        QCOMPARE(dtmf().rbtn->text(), QString("&Read"));
        QCOMPARE(fsk().Button3->text(), QString("&Close"));
    }

    void eachAreaOfTheTableHasItsWindowAndMenuEntry()
    {
        const auto areas = SignallingAreaList();
        QCOMPARE(windows->Signalling.size(), areas.size());
        QCOMPARE(windows->Form1->SignaEntries.size(), areas.size());
        for (size_t i = 0; i < areas.size(); ++i) {
            TSignallingForm &w = *windows->Signalling[i];
            QCOMPARE(w.Type(), areas[i]->type);
            QCOMPARE(w.windowTitle(), QString(areas[i]->title));
            QCOMPARE(windows->Area(areas[i]->key), &w);
            QCOMPARE(windows->Form1->SignaEntries[i]->text(), QString(areas[i]->menuText));
            windows->Form1->SignaClick(static_cast<int>(i));
            QVERIFY(w.isVisible());
            w.hide();
        }
        QCOMPARE(windows->Area("fsk"), static_cast<TSignallingForm *>(windows->Form6));
        // The codecs' block counts are the table's.
        QCOMPARE(FindArea(BlockType::Dtmf)->blockCount(), kDtmfBlocks);
        QCOMPARE(FindArea(BlockType::TwoTone)->blockCount(), kTwoToneBlocks);
        QCOMPARE(FindArea(BlockType::FiveTone)->blockCount(), kFiveToneBlocks);
        QCOMPARE(FindArea(BlockType::FleetSync)->blockCount(), kFleetSyncBlocks);
    }

    void aWindowNeverReadAsksBeforeItsWriteReplacesTheRadios()
    {
        VirtualRadio radio({"--memory", memory()});
        attach(radio.device());
        const QString question = "The 2TONE window has not been read from the radio. Writing replaces the "
                                 "radio's 2TONE settings with what it shows.";
        dialogs->nextUnreadAnswer = IUserDialogs::UnreadAnswer::Cancel;
        QVERIFY(showActive(&twoTone()));
        const QSize size = twoTone().size();
        const QRect readButton = twoTone().rbtn->geometry();
        QTest::keyClick(&twoTone(), Qt::Key_F12); // F12 is Write, as in the main window
        QCOMPARE(dialogs->unreadQuestions, QStringList({question}));
        QVERIFY(written.isEmpty() && done(twoTone()));
        dialogs->nextUnreadAnswer = IUserDialogs::UnreadAnswer::ReadFirst;
        twoTone().wbtn->click();
        QVERIFY(twoTone().ReadUnderWay());
        QTRY_VERIFY_WITH_TIMEOUT(done(twoTone()), 30000);
        QVERIFY(!twoTone().LastReadBlocks().empty());
        QTest::qWait(50); // a layout that would change has done so
        QCOMPARE(twoTone().size(), size); // the hidden bar keeps its room: nothing moves
        QCOMPARE(twoTone().rbtn->geometry(), readButton);
        twoTone().wbtn->click(); // read: no question
        QCOMPARE(dialogs->unreadQuestions.size(), 2);
        QVERIFY(twoTone().WriteUnderWay());
        QTRY_VERIFY_WITH_TIMEOUT(done(twoTone()), 30000);
        dialogs->nextUnreadAnswer = IUserDialogs::UnreadAnswer::Write;
        fsk().wbtn->click();
        QCOMPARE(dialogs->unreadQuestions.last(), QString(question).replace("2TONE", "FleetSync"));
        QTRY_VERIFY_WITH_TIMEOUT(done(fsk()), 30000);
        QCOMPARE(dialogs->messages.count("WRITE SUCCEED!"), 2);
        QVERIFY(showActive(&fsk()));
        QTest::keyClick(&fsk(), Qt::Key_F11); // F11 is Read
        QVERIFY(fsk().ReadUnderWay());
        QTest::keyClick(&fsk(), Qt::Key_F12); // nothing while a transfer is under way
        QVERIFY(!fsk().WriteUnderWay());
        QTRY_VERIFY_WITH_TIMEOUT(done(fsk()), 30000);
    }

    void aChangedBoxIsAStepOfItsOwn()
    {
        TXStringGrid *g = dtmf().xg2;
        const QString before = dtmf().cb[1]->currentText();
        dtmf().cb[1]->setEditText("15");
        dtmf().CheckB1->toggle();
        g->setCurrentCell(1, 1);
        g->PasteText("123");
        dtmf().Undo();
        QCOMPARE(g->Cells(1, 1), QString());
        QCOMPARE(dtmf().cb[1]->currentText(), QString("15"));
        dtmf().Undo();
        QCOMPARE(dtmf().cb[1]->currentText(), QString("15"));
        QCOMPARE(dtmf().CheckB1->isChecked(), DtmfControls().CheckB1);
        dtmf().Undo();
        QCOMPARE(dtmf().cb[1]->currentText(), before);
        dtmf().Redo();
        dtmf().Redo();
        dtmf().Redo();
        QCOMPARE(g->Cells(1, 1), QString("123"));
        QVERIFY(!dtmf().CheckB1->isChecked() == DtmfControls().CheckB1);
    }

    void escapeAndTheCloseButtonActAsClose()
    {
        attachSilent();
        for (TSignallingForm *w : {static_cast<TSignallingForm *>(&dtmf()), static_cast<TSignallingForm *>(&fsk())}) {
            QVERIFY(showActive(w));
            w->rbtnClick();
            QVERIFY(form->Tim1->isActive());
            QTest::keyClick(w, Qt::Key_Escape);
            QVERIFY(!w->isVisible());
            QVERIFY(!form->Tim1->isActive());
            QVERIFY(done(*w)); // at once, and said
            QCOMPARE(dialogs->errors, QStringList{"The " + w->AreaName() + " read was stopped because its window was "
                                                  "closed. | The " + w->AreaName() + " window is as it was before the read."});
            dialogs->errors.clear();
            QVERIFY(showActive(w));
            QCloseEvent close;
            QApplication::sendEvent(w, &close);
            QVERIFY(!w->isVisible());
        }
        QVERIFY(!dtmf().Timer1->isActive());
        dtmf().wbtnClick();
        dtmf().Button3Click();
        QVERIFY(done(dtmf()));
        QCOMPARE(dialogs->errors.last(), QString("The DTMF write was stopped because its window was closed. | "
                                                 "The radio may hold part of what was written until you write "
                                                 "the area again."));
    }

    void aCommittedMemoryKeepsEightDigitsOfItsCoding()
    {
        QVERIFY(showActive(&dtmf()));
        TXStringGrid *g = dtmf().xg2;
        g->setFocus();
        g->setCurrentCell(1, 3);
        press(Qt::Key_F2);
        press(Qt::Key_Return); // an empty memory takes the editor's default
        QCOMPARE(g->Cells(1, 3), QString("12345678"));
        press(Qt::Key_F2);
        QTest::keyClicks(focused(), "123456789");
        press(Qt::Key_Return);
        QCOMPARE(g->Cells(1, 3), QString("12345678"));
        QCOMPARE(dtmf().StatusLabel->text(), QString("Memory 3: \"123456789\" kept as \"12345678\": up to 8 of 0-9, "
                                                     "A-D, *, #"));
        press(Qt::Key_F2);
        QTest::keyClicks(focused(), "a-b c*9");
        press(Qt::Key_Down);
        QCOMPARE(g->Cells(1, 3), QString("ABC*9"));
        QVERIFY(dtmf().StatusLabel->text().startsWith("Memory 3: \"a-b c*9\" kept as \"ABC*9\""));
        dtmf().Edit1->setText("1a,2");
        dtmf().Edit1->setFocus();
        QTRY_VERIFY(dtmf().Edit1->hasFocus());
        press(Qt::Key_Return);
        QCOMPARE(dtmf().Edit1->text(), QString("1A2"));
        QVERIFY(dtmf().StatusLabel->text().startsWith("ID Code: \"1a,2\" kept as \"1A2\""));
        // A 2TONE or 5TONE row starts at its first column.
        QVERIFY(showActive(&twoTone()));
        TXStringGrid *decode = twoTone().xg2;
        decode->setCurrentCell(2, 4);
        decode->PasteText("NONE");
        QCOMPARE(decode->Cells(2, 4), QString());
        QCOMPARE(twoTone().StatusLabel->text(),
                 QString("Row 4: \"NONE\" not kept; type its %1 first").arg(decode->Columns()[1].Caption()));
        decode->PasteText("NO"); // no item of the list
        QVERIFY(twoTone().StatusLabel->text().startsWith(
                QString("Row 4, %1: \"NO\" is not one of ").arg(decode->Columns()[2].Caption())));
    }
};

LUMORA_WINDOW_TEST_MAIN(SignallingWindowsTest)
#include "SignallingWindowsTest.moc"
