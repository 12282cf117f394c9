// The main window's grid as a keyboard user meets it: whatever ends an
// edit, the cell rules run on the edited row and on no other.

#include "LeavingKeys.h"
#include "UiTestSupport.h"

#include "memory/ChannelColumns.h"
#include "memory/ToneText.h"
#include "ui/TXStringGrid.h"

#include <QComboBox>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

using namespace lumora;
using namespace lumora::test;

namespace {

const QStringList kNewChannel = {"146.52000", "146.52000", "NONE", "NONE", "HIGH", "WIDE", "YES", "25000",
                                 "NONE",      "NONE",      "NONE", "NONE", "DTMF", "1",    "NONE"};

} // namespace

class MainGridEditTest : public QObject, ShownMainWindow {
    Q_OBJECT

    void typeIntoCell(int col, int row, const QString &text)
    {
        form->xg->setFocus();
        form->xg->setCurrentCell(col, row);
        typeKeys(text);
    }
    // Rows other than the edited one stay empty.
    void checkOtherRowsEmpty(int edited)
    {
        for (int r = 1; r <= 16; ++r)
            if (r != edited)
                QCOMPARE(rowOf(form->xg, r), QStringList(15, QString()));
    }

private slots:
    void init() { QVERIFY(showWindow()); }
    void cleanup() { window.reset(); }

    void leavingKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("mods");
        ForEachLeavingKey([](const char *name, int key, int mods) { QTest::newRow(name) << key << mods; });
    }

    // Escape closes the editor and keeps the cell as it was: the next key
    // starts a new edit instead of adding to the taken-back text.
    void escapeTakesBackTheEdit()
    {
        typeIntoCell(ColRxFreq, 8, "146");
        press(Qt::Key_Escape);
        QVERIFY(!form->xg->ActiveEditor());
        QCOMPARE(form->xg->Cells(ColRxFreq, 8), QString());
        typeKeys("146.52");
        press(Qt::Key_Return);
        QCOMPARE(rowOf(form->xg, 8), kNewChannel);
    }

    // A receive frequency the rules refuse empties its channel, says so in
    // the status bar, and Ctrl+Z brings the channel back.
    void anEmptiedChannelIsSaidAndComesBack()
    {
        typeIntoCell(ColRxFreq, 3, "146.52");
        press(Qt::Key_Return);
        typeIntoCell(ColRxFreq, 3, "1475");
        press(Qt::Key_Return);
        QCOMPARE(rowOf(form->xg, 3), QStringList(15, QString()));
        QCOMPARE(form->StatusBar1->currentMessage(),
                 QString("Channel 3 emptied: 1475 is not a frequency. Ctrl+Z brings it back."));
        press(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(rowOf(form->xg, 3), kNewChannel);
    }

    // The keyboard reaches the menus (F10) and Ctrl+Y redoes.
    void theMenusAndRedoAnswerTheKeyboard()
    {
        typeIntoCell(ColRxFreq, 3, "146.52");
        press(Qt::Key_Return);
        press(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(form->xg->Cells(ColRxFreq, 3), QString());
        press(Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(rowOf(form->xg, 3), kNewChannel);
        press(Qt::Key_F10);
        QCOMPARE(form->menuBar()->activeAction(), form->FileMenu->menuAction());
    }

    // 146.52 typed into RX Freq of an empty channel, then the key, then
    // Enter: the channel is made with its defaults, whatever the key did.
    void aNewChannelGetsItsDefaultsWhateverKeyEndsTheEdit_data() { leavingKeys_data(); }
    void aNewChannelGetsItsDefaultsWhateverKeyEndsTheEdit()
    {
        QFETCH(int, key);
        QFETCH(int, mods);
        typeIntoCell(ColRxFreq, 8, "146.52");
        PressKey(focused(), key, mods);
        QTest::keyClick(focused(), Qt::Key_Return);
        QCOMPARE(rowOf(form->xg, 8), kNewChannel);
        checkOtherRowsEmpty(8);
    }

    // 67 typed into a tone cell, then the key, then Enter: a canonical tone.
    void aToneIsMadeCanonicalWhateverKeyEndsTheEdit_data() { leavingKeys_data(); }
    void aToneIsMadeCanonicalWhateverKeyEndsTheEdit()
    {
        QFETCH(int, key);
        QFETCH(int, mods);
        typeIntoCell(ColRxFreq, 8, "146.52");
        QTest::keyClick(focused(), Qt::Key_Return);
        typeIntoCell(ColToneEnc, 8, "67");
        PressKey(focused(), key, mods);
        QTest::keyClick(focused(), Qt::Key_Return);
        const QString tone = form->xg->Cells(ColToneEnc, 8);
        // Up, Down and the page keys move in the drop-down's list instead.
        const bool movesInTheList = key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp
                                    || key == Qt::Key_PageDown;
        if (movesInTheList)
            QCOMPARE(NormalizeToneText(tone), tone);
        else
            QCOMPARE(tone, QString("67.0"));
        checkOtherRowsEmpty(8);
    }

    // A drop-down list cell of a channel keeps one of its items.
    void aListCellKeepsItsItemWhateverKeyEndsTheEdit_data() { leavingKeys_data(); }
    void aListCellKeepsItsItemWhateverKeyEndsTheEdit()
    {
        QFETCH(int, key);
        QFETCH(int, mods);
        typeIntoCell(ColRxFreq, 8, "146.52");
        QTest::keyClick(focused(), Qt::Key_Return);
        typeIntoCell(ColTxPower, 8, "");
        QTest::keyClick(focused(), Qt::Key_F2);
        PressKey(focused(), key, mods);
        QTest::keyClick(focused(), Qt::Key_Return);
        QVERIFY(TxPowerTexts().contains(form->xg->Cells(ColTxPower, 8)));
        QCOMPARE(form->xg->Cells(ColRxFreq, 8), QString("146.52000"));
        checkOtherRowsEmpty(8);
    }

    void anInvalidFrequencyEmptiesItsOwnRowBeforeTheGridMoves()
    {
        typeIntoCell(ColRxFreq, 1, "146.52");
        QTest::keyClick(focused(), Qt::Key_Return);
        typeIntoCell(ColRxFreq, 1, "1000");
        QTest::keyClick(focused(), Qt::Key_PageDown);
        QTest::keyClick(focused(), Qt::Key_Return);
        QCOMPARE(rowOf(form->xg, 1), QStringList(15, QString())); // nothing of 1000 MHz is left to write
        checkOtherRowsEmpty(1);
    }

    void aClickElsewhereOrClosingTheWindowRunsTheRulesOnTheEditedRow()
    {
        typeIntoCell(ColRxFreq, 3, "146.52");
        QTest::mouseClick(form->xg->viewport(), Qt::LeftButton, {}, form->xg->cellRect(ColRxFreq, 9).center());
        QCOMPARE(rowOf(form->xg, 3), kNewChannel);
        checkOtherRowsEmpty(3);

        typeIntoCell(ColToneDec, 3, "23n");
        QTest::mouseClick(form->GroupBox1, Qt::LeftButton); // takes no focus
        QCOMPARE(form->xg->Cells(ColToneDec, 3), QString("023N"));
        QVERIFY(!form->xg->ActiveEditor());

        // A click on another box whose list opens, or on the toolbar.
        typeIntoCell(ColRxFreq, 5, "146.52");
        QTest::mouseClick(static_cast<QWidget *>(form->OptionBoxes[OptTot]), Qt::LeftButton);
        if (QWidget *list = QApplication::activePopupWidget())
            list->close();
        QCOMPARE(rowOf(form->xg, 5), kNewChannel);
        QVERIFY(!form->xg->ActiveEditor());
        typeIntoCell(ColRxFreq, 6, "146.52");
        QTest::mouseClick(form->ToolBar1->widgetForAction(form->ToolBar1->actions().at(2)), Qt::LeftButton);
        QCOMPARE(rowOf(form->xg, 6), kNewChannel);

        typeIntoCell(ColToneEnc, 3, "88");
        form->close();
        QCOMPARE(form->xg->Cells(ColToneEnc, 3), QString("88.0"));
    }
};

LUMORA_WINDOW_TEST_MAIN(MainGridEditTest)
#include "MainGridEditTest.moc"
