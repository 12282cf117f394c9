// The 2TONE and 5TONE windows: their row rules as a keyboard user meets
// them, the tone table, and their transfers against the virtual radio.

#include "support/DataAnswer.h"
#include "support/JsonFiles.h"
#include "support/WindowsOnRadio.h"

#include "memory/Errors.h"
#include "serial/TComm.h"
#include "ui/TComboCellEditor.h"

#include <QComboBox>
#include <QJsonArray>
#include <QLineEdit>
#include <QTemporaryDir>

using namespace lumora;
using namespace lumora::test;

namespace {

constexpr int kWait = 30000;

QStringList cellsOf(const TXStringGrid *g, int row) { return g->Rows(row).mid(1); }

} // namespace

class ToneWindowsTest : public QObject, WindowsOnRadio {
    Q_OBJECT
    // Opens the editor on a cell and commits what it shows, as F2 and Enter do.
    void commitAsShown(TXStringGrid *g, int col, int row)
    {
        g->setFocus();
        g->setCurrentCell(col, row);
        press(Qt::Key_F2);
        QVERIFY(g->ActiveEditor());
        press(Qt::Key_Return);
    }
    // Fills both 5TONE grids partly, as a user might.
    void fillFiveTone()
    {
        TForm5 &w = fiveTone();
        w.xg2->setCells(1, 2, "12345");
        w.xg2->setCells(2, 2, "abcde");
        w.xg2->setCells(3, 2, "0");
        w.xg2->setCells(4, 2, "F0F0F");
        w.xg2->setCells(5, 2, "ZVEI1");
        w.xg3->setCells(1, 16, "EIA");
        const QStringList decode{"EIA", "00001", "REMOTE", "00002", "AWAKEN", "00003", "CALL", "FFFFF"};
        for (int c = 1; c <= 8; ++c)
            w.xg3->setCells(c, 16, decode[c - 1]);
        w.xg1->setCells(2, 3, "7");
        w.cb[2]->setEditText("1000");
    }

private slots:
    void init() { open(); }
    void cleanup() { close(); }

    void theWindowsAreLaidOutAsTheRadiosToolHasThem()
    {
        QCOMPARE(twoTone().windowTitle(), QString("2TONE"));
        QCOMPARE(twoTone().PageControl1->tabText(twoTone().PageControl1->currentIndex()), QString("Encode"));
        QVERIFY(!twoTone().ed[1]->isEnabled());
        QCOMPARE(twoTone().ed[4]->text(), QString("1275"));
        QCOMPARE(twoTone().xg2->ColCount(), 13);
        QCOMPARE(twoTone().xg2->Columns()[10].Caption(), QString("Decode4"));
        QCOMPARE(twoTone().cb[3]->count(), 20);
        QCOMPARE(fiveTone().size(), QSize(934, 516));
        QVERIFY(!(fiveTone().windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(fiveTone().xg2->Columns()[5].Caption(), QString("Use  Standard"));
        QCOMPARE(fiveTone().xg3->Columns()[5].Editor(), fiveTone().ComboCellEditor4);
        QCOMPARE(fiveTone().xg1->Cells(0, 4), QString("ZVEI1"));
        QCOMPARE(fiveTone().xg1->Cells(3, 5), QString("E"));
        QCOMPARE(fiveTone().ed1->text(), QString("6000"));
        QCOMPARE(fiveTone().Edit[1]->text(), QString("1981.0"));
        QVERIFY(!fiveTone().Edit[1]->isEnabled());
    }

    void aNewDecode1ResetsItsTwoToneRow()
    {
        QVERIFY(showActive(&twoTone()));
        TXStringGrid *g = twoTone().xg2;
        g->setFocus();
        g->setCurrentCell(4, 5);
        press(Qt::Key_F2);
        press(Qt::Key_Return); // Decode2 of a row without Decode1: stays empty
        QCOMPARE(g->Cells(4, 5), QString());
        g->setCurrentCell(1, 5);
        press(Qt::Key_F2);
        for (int i = 0; i < 8; ++i) // "AB" down to "CD" in the list
            press(Qt::Key_Down);
        press(Qt::Key_Return);
        QCOMPARE(cellsOf(g, 5), QStringList({"CD", "NONE", "1", "AB", "NONE", "1", "AB", "NONE", "1", "AB", "NONE", "1"}));
        const Payload b5 = EncodeTwoToneBlock(5, twoTone().Controls(), *twoTone().xg1, *g);
        QCOMPARE(b5[0], uint8_t(0xCD));
        QCOMPARE(b5[12], uint8_t(0)); // row 6 is empty
    }

    void fiveToneRowsTakeTheirDefaults()
    {
        QVERIFY(showActive(&fiveTone()));
        fiveTone().PageControl1->setCurrentIndex(1);
        commitAsShown(fiveTone().xg2, 1, 3); // the editor's default "12345"
        QCOMPARE(cellsOf(fiveTone().xg2, 3), QStringList({"12345", "12345", "45678", "ABCDE", "CCIR"}));
        fiveTone().xg2->setCells(4, 3, "77777");
        commitAsShown(fiveTone().xg2, 1, 3); // re-editing column 1 resets the row
        QCOMPARE(fiveTone().xg2->Cells(4, 3), QString("ABCDE"));
        fiveTone().PageControl1->setCurrentIndex(2);
        commitAsShown(fiveTone().xg3, 3, 4); // nothing before column 1
        QCOMPARE(fiveTone().xg3->Cells(3, 4), QString());
        commitAsShown(fiveTone().xg3, 1, 4);
        QCOMPARE(cellsOf(fiveTone().xg3, 4),
                 QStringList({"CCIR", "12345", "CALL", "45678", "ASK", "ABCDE", "BE ASKED", "56789"}));
    }

    // The key that opens an editor is its first character; Escape takes
    // back an open edit and leaves the window open, a second one closes it.
    void everyKeyLandsAndEscapeTakesBackOnlyTheEdit()
    {
        QVERIFY(showActive(&fiveTone()));
        fiveTone().PageControl1->setCurrentIndex(1);
        TXStringGrid *g = fiveTone().xg2;
        g->setFocus();
        g->setCurrentCell(1, 2);
        typeKeys("ABCDE");
        press(Qt::Key_Return);
        QCOMPARE(g->Cells(1, 2), QString("ABCDE"));
        g->setCurrentCell(2, 2);
        typeKeys("555");
        press(Qt::Key_Escape);
        QVERIFY(!g->ActiveEditor());
        QVERIFY(fiveTone().isVisible());
        QCOMPARE(g->Cells(2, 2), QString("12345")); // the row's default, as it was
        press(Qt::Key_Escape);
        QVERIFY(!fiveTone().isVisible());
    }

    // Closing the last signalling window gives the port back.
    void theLastWindowClosedGivesThePortBack()
    {
        VirtualRadio radio({"--memory", memory()});
        QVERIFY(radio.ok());
        form->SelectPort(radio.device());
        form->SignaClick(1);
        form->SignaClick(2);
        QVERIFY(form->Comm1->IsOpen() && !form->comcbb->isEnabled());
        twoTone().Button3Click();
        QVERIFY(form->Comm1->IsOpen()); // 5TONE is still open
        fiveTone().Button3Click();
        QVERIFY(!form->Comm1->IsOpen());
        QVERIFY(form->comcbb->isEnabled());
    }

    void theToneTableFollowsTheStandardBox()
    {
        fiveTone().CCIR->setEditText("EEA");
        QCOMPARE(fiveTone().Edit[11]->text(), QString("1055.0"));
        QCOMPARE(fiveTone().Edit[16]->text(), QString("2247.0"));
        fiveTone().CCIR->setEditText("EE");
        QCOMPARE(fiveTone().Edit[16]->text(), QString("2247.0"));
        fiveTone().CCIR->setEditText("ZVEI2");
        QCOMPARE(fiveTone().Edit[11]->text(), QString("885.0"));
    }

    void aWriteLeavesTheWindowsBytesInTheRadioAndAReadBringsThemBack_data()
    {
        QTest::addColumn<QString>("faults");
        QTest::newRow("every answer") << QString();
        QTest::newRow("lost messages") << QString("0.3");
    }
    void aWriteLeavesTheWindowsBytesInTheRadioAndAReadBringsThemBack()
    {
        QFETCH(QString, faults);
        QStringList args{"--memory", memory()};
        if (!faults.isEmpty())
            args << "--drop" << faults << "--seed" << "7";
        VirtualRadio radio(args);
        QVERIFY(radio.ok());
        attach(radio.device());
        twoTone().xg1->setCells(1, 3, "1000");
        twoTone().xg1->setCells(2, 16, "65535");
        twoTone().xg2->setCells(1, 9, "DB");
        ApplyTwoToneDecodeRowRules(*twoTone().xg2, 1, 9);
        twoTone().xg2->setCells(11, 9, "REPLY");
        twoTone().ed[5]->setText("3000");
        fillFiveTone();
        twoTone().wbtnClick();
        QTRY_VERIFY_WITH_TIMEOUT(done(twoTone()), kWait);
        fiveTone().wbtnClick();
        QTRY_VERIFY_WITH_TIMEOUT(done(fiveTone()), kWait);
        QCOMPARE(dialogs->messages, QStringList({"WRITE SUCCEED!", "WRITE SUCCEED!"}));
        radio.stop(); // its memory file is kept just after its last answer
        const QJsonObject image = readJson(memory());
        Payload previous{};
        for (int k = 0; k < kTwoToneBlocks; ++k)
            QCOMPARE(blockOf(image, "2tone", k), EncodeTwoToneBlock(k, twoTone().Controls(), *twoTone().xg1, *twoTone().xg2));
        for (int k = 0; k < kFiveToneBlocks; ++k) {
            previous = EncodeFiveToneBlock(k, fiveTone().Controls(), *fiveTone().xg1, *fiveTone().xg2,
                                           *fiveTone().xg3, previous);
            QCOMPARE(blockOf(image, "5tone", k), previous);
        }
        QCOMPARE(blockOf(image, "5tone", 1)[13], uint8_t(0x0A)); // ZVEI2's group code, carried
        QCOMPARE(Get16(&blockOf(image, "2tone", 2)[26]), uint16_t(65535)); // the largest a word holds

        // Another pair of windows reads the same back, cell for cell.
        const auto xg2Before = GridRowsOf(*twoTone().xg2);
        const auto fiveBefore = GridRowsOf(*fiveTone().xg2) + GridRowsOf(*fiveTone().xg3) + GridRowsOf(*fiveTone().xg1);
        windows = std::make_unique<ToolWindows>(QSize(1920, 1080));
        form = windows->Form1.get();
        VirtualRadio again(args); // the same radio, switched on again
        QVERIFY(again.ok());
        attach(again.device());
        twoTone().rbtnClick();
        QTRY_VERIFY_WITH_TIMEOUT(done(twoTone()), kWait);
        fiveTone().rbtnClick();
        QTRY_VERIFY_WITH_TIMEOUT(done(fiveTone()), kWait);
        QCOMPARE(GridRowsOf(*twoTone().xg2), xg2Before);
        QCOMPARE(twoTone().xg1->Cells(1, 3), QString("1000"));
        QCOMPARE(twoTone().ed[5]->text(), QString("3000"));
        // Codes come back in five upper-case digits.
        QVector<QStringList> fiveAfter = fiveBefore;
        fiveAfter[1] = QStringList({"12345", "ABCDE", "00000", "F0F0F", "ZVEI1"});
        QCOMPARE(GridRowsOf(*fiveTone().xg2) + GridRowsOf(*fiveTone().xg3) + GridRowsOf(*fiveTone().xg1), fiveAfter);
        QCOMPARE(fiveTone().cb[2]->currentText(), QString("1000"));
        QVERIFY2(dialogs->errors.isEmpty(), qPrintable(dialogs->errors.join("; ")));
    }

    // At the line's own pace a read takes a second: a request is sent again
    // only when its answer is 300 ms late, never merely because time passed.
    void anAnsweredRequestIsNeverSentAgain()
    {
        VirtualRadio radio({"--memory", memory(), "--pace"});
        QVERIFY(radio.ok());
        attach(radio.device());
        fiveTone().rbtnClick();
        QTRY_VERIFY_WITH_TIMEOUT(done(fiveTone()), kWait);
        QCOMPARE(written.size(), kFiveToneBlocks * 4);
        written.clear();
        fiveTone().wbtnClick();
        QTRY_VERIFY_WITH_TIMEOUT(done(fiveTone()), kWait);
        QCOMPARE(written.size(), kFiveToneBlocks * 34);
    }

    // An answer for another block than the one asked for (a late copy)
    // changes nothing and ends nothing; the request stays pending.
    void aReadTakesOnlyTheBlockItAskedFor()
    {
        attachSilent();
        fiveTone().rbtnClick();
        written.clear();
        const QJsonObject before = SettingsToJson(fiveTone().Settings());
        form->Comm1ReceiveData(DataAnswer(4, 5, Payload{}).data(), 34);
        QVERIFY(written.isEmpty());
        QCOMPARE(form->ReadIndex, 0);
        QCOMPARE(SettingsToJson(fiveTone().Settings()), before);
        form->Comm1ReceiveData(DataAnswer(4, 0, Payload{}).data(), 34);
        QCOMPARE(written, QByteArray("\x52\x04\x01\x20", 4)); // block 1 next
        QCOMPARE(form->ReadIndex, 1);
        form->Comm1ReceiveData(DataAnswer(4, 16, Payload{}).data(), 34);
        QVERIFY(fiveTone().ReadUnderWay()); // the last block, but not the one asked for
        fiveTone().StopTransfer();

        twoTone().rbtnClick();
        form->Comm1ReceiveData(DataAnswer(3, 10, Payload{}).data(), 34);
        QVERIFY(twoTone().ReadUnderWay());
        twoTone().StopTransfer();
    }

    void aWriteThatCannotBeEncodedSendsNothingAndNamesTheCell()
    {
        attachSilent();
        fiveTone().xg3->setCells(1, 5, "EIA");
        ApplyFiveToneRowDefaults(*fiveTone().xg3, true, 1, 5);
        fiveTone().xg3->setCells(6, 5, "12G45");
        try {
            fiveTone().wbtnClick();
            QFAIL("written");
        } catch (const EConvertError &e) {
            QCOMPARE(e.text(), QString("'$12G45' is not a valid integer value"));
            QCOMPARE(e.detail(), QString("Decode, row 5, column \"Third Frame Decoding\""));
        }
        twoTone().xg2->setCells(1, 2, "AB");
        ApplyTwoToneDecodeRowRules(*twoTone().xg2, 1, 2);
        twoTone().xg2->setCells(6, 2, "x");
        QVERIFY_THROWS_EXCEPTION(EConvertError, twoTone().wbtnClick());
        QVERIFY(written.isEmpty());
        QVERIFY(done(fiveTone()) && done(twoTone()));
        QVERIFY(!form->Tim1->isActive());
    }

    void aStalledTransferEndsWithAMessage()
    {
        VirtualRadio silent({"--drop", "1"});
        QVERIFY(silent.ok());
        attach(silent.device());
        for (TSignallingForm *w : {static_cast<TSignallingForm *>(&twoTone()), static_cast<TSignallingForm *>(&fiveTone())}) {
            dialogs->errors.clear();
            w->Timer1->setInterval(300);
            w->wbtnClick(); // a write starts the guard timer too
            QTRY_VERIFY_WITH_TIMEOUT(done(*w), kWait);
            QCOMPARE(dialogs->errors,
                     QStringList({QString("The %1 write did not complete because the radio stopped answering. | It "
                                          "got this far: %1 not written.")
                                          .arg(w->AreaName())}));
            QVERIFY(!form->Tim1->isActive());
        }
    }

private:
    static QVector<QStringList> GridRowsOf(const TXStringGrid &g)
    {
        QVector<QStringList> rows;
        for (int r = 1; r < g.RowCount(); ++r)
            rows << g.Rows(r).mid(1);
        return rows;
    }
};

LUMORA_WINDOW_TEST_MAIN(ToneWindowsTest)
#include "ToneWindowsTest.moc"
