// The main window's grid as a keyboard user meets it: whatever ends an
// edit, the cell rules run on the edited row and on no other; what it
// takes of a typed or pasted text.

#include "LeavingKeys.h"
#include "UiTestSupport.h"

#include "memory/ChannelColumns.h"
#include "memory/ToneText.h"
#include "ui/TXStringGrid.h"

#include <QComboBox>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
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

    // A receive frequency that is none is refused, the channel kept;
    // clearing it deletes the channel, and Ctrl+Z brings it back.
    void aChannelGoesOnlyWhenItsRxFreqIsCleared()
    {
        typeIntoCell(ColRxFreq, 3, "146.52");
        press(Qt::Key_Return);
        typeIntoCell(ColRxFreq, 3, "1475");
        press(Qt::Key_Return);
        QCOMPARE(rowOf(form->xg, 3), kNewChannel);
        QVERIFY(form->StatusBar1->currentMessage().startsWith("RX Freq of channel 3: \"1475\" is not a frequency"));
        form->xg->setCurrentCell(ColRxFreq, 3);
        for (int i = 0; i < 4; ++i) // RX Freq to TX Power: a channel deleted says nothing
            press(Qt::Key_Right, Qt::ShiftModifier);
        form->StatusBar1->clearMessage();
        press(Qt::Key_Delete);
        QCOMPARE(rowOf(form->xg, 3), QStringList(15, QString()));
        QCOMPARE(form->StatusBar1->currentMessage(), QString());
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

    void anInvalidFrequencyIsRefusedInItsOwnRowBeforeTheGridMoves()
    {
        typeIntoCell(ColRxFreq, 1, "146.52");
        QTest::keyClick(focused(), Qt::Key_Return);
        typeIntoCell(ColRxFreq, 1, "1000");
        QTest::keyClick(focused(), Qt::Key_PageDown);
        QTest::keyClick(focused(), Qt::Key_Return);
        QCOMPARE(rowOf(form->xg, 1), kNewChannel); // nothing of 1000 MHz is left to write
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

// What the grid makes of what the user types or pastes: a typo is refused
// and said, never costing a channel; only the form of a value changes in
// silence.
class TypingRulesTest : public QObject, ShownMainWindow {
    Q_OBJECT

    // Types text into a cell and ends the edit with Enter.
    void type(int col, int row, const QString &text)
    {
        typeIntoCell(col, row, text);
        press(Qt::Key_Return);
    }
    QString cell(int col, int row = 1) const { return form->xg->Cells(col, row); }
    QString said() const { return form->StatusBar1->currentMessage(); }

private slots:
    void init()
    {
        QVERIFY(showWindow());
        type(ColRxFreq, 1, "146.52");
    }
    void cleanup() { window.reset(); }

    void aFrequencyTypoIsRefusedAndTheChannelKept()
    {
        const QStringList before = rowOf(form->xg, 1);
        type(ColRxFreq, 1, "146..52");
        QCOMPARE(rowOf(form->xg, 1), before);
        QCOMPARE(said(), QString("RX Freq of channel 1: \"146..52\" is not a frequency; type MHz with up to "
                                 "five decimals, for example 146.52"));
        type(ColTxFreq, 1, "145.123456"); // a sixth decimal would be rounded away
        QCOMPARE(cell(ColTxFreq), QString("146.52000"));
        QVERIFY(said().startsWith("TX Freq of channel 1: \"145.123456\" is not a frequency"));
        // A decimal comma is a point; only the form changes, in silence.
        form->StatusBar1->clearMessage();
        type(ColRxFreq, 1, "145,525");
        QCOMPARE(cell(ColRxFreq), QString("145.52500"));
        QCOMPARE(said(), QString());
        // Clearing RX Freq still deletes the channel; a channel must have one.
        form->xg->setCurrentCell(ColTxPower, 2);
        form->xg->PasteText("LOW");
        QCOMPARE(rowOf(form->xg, 2), QStringList(15, QString()));
        QCOMPARE(said(), QString("TX Power of channel 2: type its RX Freq first; a channel exists only while it "
                                 "has one"));
        // The refusal is no step: Ctrl+Z takes back the last edit taken.
        press(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(cell(ColRxFreq), QString("146.52000"));
    }

    void aToneIsTakenAsTypedOrRefusedNeverReplaced()
    {
        type(ColToneDec, 1, "1000");
        QCOMPARE(cell(ColToneDec), QString("NONE"));
        QCOMPARE(said(), QString("QT/DQT Dec of channel 1: \"1000\" is not a tone the radio can send; type a tone "
                                 "from 62.5 to 254.1 Hz such as 88.5, a DCS code such as 023N or 023I, or NONE"));
        type(ColToneDec, 1, "023");
        QCOMPARE(cell(ColToneDec), QString("NONE"));
        QCOMPARE(said(), QString("QT/DQT Dec of channel 1: \"023\" is no tone the radio has; a DCS code is "
                                 "written 023N or 023I"));
        type(ColToneDec, 1, "88,5");
        QCOMPARE(cell(ColToneDec), QString("88.5"));
        type(ColToneEnc, 1, "23n");
        QCOMPARE(cell(ColToneEnc), QString("023N"));
        type(ColToneEnc, 1, "101.3"); // between the standard tones: kept, and said
        QCOMPARE(cell(ColToneEnc), QString("101.3"));
        QCOMPARE(said(), QString("QT/DQTEnc of channel 1: 101.3 Hz is not one of the radio's standard tones; it is "
                                 "kept"));
        QCOMPARE(form->xg->CellNote(ColToneEnc, 1), QString("101.3 Hz is not one of the radio's standard tones; it is kept"));
        QCOMPARE(form->xg->CellNote(ColToneDec, 1), QString()); // 88.5 is one
    }

    void whatACellDoesNotTakeIsSaidWhetherTypedOrPasted()
    {
        form->xg->setCurrentCell(ColScanAdd, 1);
        form->xg->PasteText("NO");
        QCOMPARE(cell(ColScanAdd), QString("YES"));
        QCOMPARE(said(), QString("Scan Add. of channel 1: \"NO\" is not one of NONE, YES"));
        form->xg->setCurrentCell(ColRxFreq, 1);
        form->xg->PasteText("a145.5b");
        QCOMPARE(cell(ColRxFreq), QString("146.52000"));
        QVERIFY(said().startsWith("RX Freq of channel 1: \"a145.5b\" has characters the cell does not take"));
        form->xg->setCurrentCell(ColScanAdd, 1);
        form->xg->PasteText("none"); // an item in another case is that item
        QCOMPARE(cell(ColScanAdd), QString("NONE"));
        form->xg->setCurrentCell(ColTxFreq, 1);
        form->xg->PasteText("145,525"); // one number: its comma is a decimal one
        QCOMPARE(cell(ColTxFreq), QString("145.52500"));
        // A key the window keeps out of a cell says what the cell takes.
        form->xg->setFocus();
        form->xg->setCurrentCell(ColRxFreq, 3);
        typeKeys("1x");
        QCOMPARE(said(), QString("RX Freq of channel 3: \"x\" left out; type MHz with up to five decimals, for "
                                 "example 146.52"));
        press(Qt::Key_Escape);
    }

    void aChannelOutsideTheFrequencyPlanIsMarkedAndWriteAsksOnce()
    {
        QSignalSpy chosen(form, &TForm1::FrequencyPlanChosen);
        const QList<QAction *> entries = form->PlanMenu->actions();
        const auto entry = std::find_if(entries.begin(), entries.end(),
                                        [](QAction *a) { return a->text() == "IARU Region 1 amateur"; });
        QVERIFY(entry != entries.end());
        (*entry)->trigger();
        QCOMPARE(chosen.value(0).value(0).toString(), QString("iaru-r1"));
        QVERIFY((*entry)->isChecked());
        // 146.52 lies above Region 1's 2 m band.
        QCOMPARE(said(), QString("Frequency plan \"IARU Region 1 amateur\": 1 channel marked (their tooltips say why)"));
        QVERIFY(form->xg->CellWarning(ColTxFreq, 1).startsWith("TX Freq 146.52000 MHz is outside the plan"));
        QCOMPARE(form->xg->CellWarning(ColRxFreq, 1), QString());
        type(ColTxFreq, 1, "145.5");
        QCOMPARE(form->xg->CellWarning(ColTxFreq, 1), QString());
        type(ColTxFreq, 1, "147");

        // Write asks once, listing the channel; No sends nothing.
        auto &dialogs = window->dialogs;
        int written = 0;
        form->WriteTap = [&](const uint8_t *, int) { ++written; };
        dialogs.nextAnswer = false;
        form->WriteClick();
        QCOMPARE(dialogs.questions.size(), 1);
        QVERIFY(dialogs.questions[0].startsWith("1 channel does not fit the frequency plan \"IARU Region 1 amateur\":\n"
                                                "Channel 1: TX Freq 147.00000 MHz"));
        QCOMPARE(written, 0);
        QVERIFY(form->wbtn->isEnabled());
        // Yes goes on to the write (no port here, so it stops there).
        dialogs.nextAnswer = true;
        try {
            form->WriteClick();
        } catch (const std::exception &) {
        }
        QCOMPARE(dialogs.questions.size(), 2);
        form->CancelMainTransfer();

        // The CSV import lists what it brought in that the plan marks.
        QTemporaryDir dir;
        const QString csv = dir.filePath("list.csv");
        QFile file(csv);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,Mode,"
                   "TStep,Skip\n2,,156.800000,,0.000000,,88.5,88.5,023,NN,FM,12.50,\n");
        file.close();
        dialogs.nextSaveAnswer = IUserDialogs::SaveAnswer::Discard;
        dialogs.nextFileName = csv;
        form->ImportCsvClick();
        QVERIFY(dialogs.messages.last().startsWith("1 channel imported.\n2 channels do not fit the frequency plan "
                                                   "\"IARU Region 1 amateur\" and are marked:\nChannel 1: "));
        QVERIFY(dialogs.messages.last().contains("\nChannel 2: TX Freq 156.80000 MHz"));

        // A plan file that cannot be used changes nothing; None ends the marks.
        QFile bad(dir.filePath("bad.csv"));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("from,to\n146,140\n");
        bad.close();
        dialogs.nextFileName = bad.fileName();
        QVERIFY_THROWS_EXCEPTION(ELumoraError, form->ChoosePlanFileClick());
        QCOMPARE(form->Plan().id, QString("iaru-r1"));
        entries.first()->trigger();
        QVERIFY(form->Plan().IsNone());
        QCOMPARE(form->xg->CellWarning(ColTxFreq, 2), QString());
    }
};

// Whether every test function named on the command line is one of test's
// (the values of -platform, -o and the like are no names).
bool namesOnly(const QObject &test, int argc, char **argv)
{
    const QList<QByteArray> withValue{"-platform", "-o", "-maxwarnings", "-eventdelay", "-keydelay", "-mousedelay"};
    for (int i = 1; i < argc; ++i) {
        if (withValue.contains(QByteArray(argv[i]))) {
            ++i;
            continue;
        }
        const QByteArray name = QByteArray(argv[i]).split(':').first();
        if (!name.startsWith('-') && test.metaObject()->indexOfMethod(name + "()") < 0)
            return false;
    }
    return true;
}

// The arguments for the index-th test object: a log file named with -o
// (FILE,FORMAT) becomes FILE.index for the second and later objects, whose
// logs would otherwise replace the first's.
QStringList argumentsFor(int index, int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        QString argument = QString::fromLocal8Bit(argv[i]);
        if (index > 0 && i > 0 && qstrcmp(argv[i - 1], "-o") == 0 && !argument.startsWith(QLatin1Char('-'))) {
            const int format = argument.lastIndexOf(QLatin1Char(','));
            argument.insert(format < 0 ? argument.size() : format, QStringLiteral(".%1").arg(index));
        }
        arguments << argument;
    }
    return arguments;
}

int main(int argc, char **argv)
{
    lumora::TApplication app(argc, argv);
    MainGridEditTest edits;
    TypingRulesTest typing;
    int failed = 0, index = 0;
    for (QObject *test : {static_cast<QObject *>(&edits), static_cast<QObject *>(&typing)})
        if (namesOnly(*test, argc, argv))
            failed |= QTest::qExec(test, argumentsFor(index++, argc, argv));
    return failed;
}
#include "MainGridEditTest.moc"
