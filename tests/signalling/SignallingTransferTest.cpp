// The DTMF and FleetSync windows against the virtual radio on a
// pseudo-terminal: reads, writes, lost messages, stalls and refusals, all
// through the windows and the main window's receive handler.

#include "support/DataAnswer.h"
#include "support/JsonFiles.h"
#include "support/WindowsOnRadio.h"

#include "memory/Errors.h"
#include "memory/TextTable.h"
#include "serial/TComm.h"
#include "memory/ChannelColumns.h"
#include "signalling/SignallingGrids.h"
#include "ui/TEditCellEditor.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QMenu>
#include <QComboBox>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

using namespace lumora;
using namespace lumora::test;

namespace {

constexpr int kWait = 30000;

// Boxes captured, and what had arrived when a success was reported.
class RecordingDialogs : public CapturedDialogs {
public:
    std::function<int()> acknowledgementsSoFar;
    QList<int> acknowledgementsAtSuccess;
    void ShowMessage(const QString &text) override
    {
        CapturedDialogs::ShowMessage(text);
        if (acknowledgementsSoFar)
            acknowledgementsAtSuccess << acknowledgementsSoFar();
    }
};

} // namespace

class SignallingTransferTest : public QObject, WindowsOnRadio {
    Q_OBJECT
    RecordingDialogs *recording = nullptr;

private slots:
    void init()
    {
        auto boxes = std::make_unique<RecordingDialogs>();
        recording = boxes.get();
        open(std::move(boxes));
    }
    void cleanup() { close(); }

    void theGridsEditLikeASpreadsheetWithUndoOverReads()
    {
        TXStringGrid *g = dtmf().xg2;
        QVERIFY(showActive(&dtmf()));
        g->setFocus();
        g->setCurrentCell(1, 2);
        QGuiApplication::clipboard()->setText("12a3\r\n4x56\r\n*#d\r\n"); // a spreadsheet's column
        QTest::keyClick(g, Qt::Key_V, Qt::ControlModifier);
        // Each memory committed as a typed one is: the window's digit rule.
        QCOMPARE(TableRows(*g, 4), QVector<QStringList>({{""}, {"12A3"}, {"456"}, {"*#D"}}));
        g->setCurrentCell(1, 3);
        QTest::keyClick(g, Qt::Key_Delete);
        QCOMPARE(g->Cells(1, 3), QString());
        QTest::keyClick(g, Qt::Key_C, Qt::ControlModifier);
        g->setCurrentCell(1, 2);
        QTest::keyClick(g, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("12A3\n"));

        // A read is one step, undone as a whole; so are the paste and the clear.
        const QJsonObject image = CustomSignallingImage(dir->path());
        writeJson(memory(), image);
        VirtualRadio radio({"--memory", memory()});
        attach(radio.device());
        dtmf().rbtnClick();
        QTRY_VERIFY_WITH_TIMEOUT(done(dtmf()), kWait);
        QCOMPARE(g->Cells(1, 1), QString("DD1"));
        g->setFocus();
        QTest::keyClick(g, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(g->Cells(1, 1), QString());
        QCOMPARE(TableRows(*g, 4), QVector<QStringList>({{""}, {"12A3"}, {""}, {"*#D"}}));
        QCOMPARE(dtmf().cb[1]->currentText(), DtmfControls().cb1);
        QTest::keyClick(g, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(g->Cells(1, 3), QString("456"));
        QTest::keyClick(g, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(TableRows(*g, 4), QVector<QStringList>({{""}, {""}, {""}, {""}}));
        QTest::keyClick(g, Qt::Key_Y, Qt::ControlModifier);
        QTest::keyClick(g, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keyClick(g, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(g->Cells(1, 1), QString("DD1"));
        QCOMPARE(dtmf().cb[1]->currentText(), QString("10"));
    }

    void aReadFillsEveryControlFromTheRadio()
    {
        const QJsonObject image = CustomSignallingImage(dir->path());
        writeJson(memory(), image);
        VirtualRadio radio({"--memory", memory()});
        QVERIFY(radio.ok());
        attach(radio.device());
        dtmf().rbtnClick();
        QTRY_VERIFY_WITH_TIMEOUT(done(dtmf()), kWait);
        QCOMPARE(dtmf().cb[1]->currentText(), QString("10"));
        QCOMPARE(dtmf().cb[2]->currentText(), QString("500"));
        QCOMPARE(dtmf().cb[5]->currentText(), QString("3000"));
        QVERIFY(!dtmf().CheckB1->isChecked());
        QCOMPARE(dtmf().Edit1->text(), QString("0*#")); // 0xBAC, three digits
        QCOMPARE(dtmf().cb[6]->currentText(), QString("A"));
        QCOMPARE(dtmf().cb[7]->currentText(), QString("Off"));
        QCOMPARE(dtmf().cb[8]->currentText(), QString("Continuous"));
        QCOMPARE(dtmf().cb[9]->currentText(), QString("Alert"));
        QVERIFY(dtmf().CheckB2->isChecked());
        QCOMPARE(dtmf().xg2->Cells(1, 1), QString("DD1"));
        QCOMPARE(dtmf().xg2->Cells(1, 16), QString("911"));
        QVERIFY(dtmf().ProgressBar1->isHidden());
        QVERIFY(!form->Tim1->isActive());

        fsk().rbtnClick();
        QTRY_VERIFY_WITH_TIMEOUT(done(fsk()), kWait);
        QCOMPARE(fsk().ed1->text(), QString("300"));
        QCOMPARE(fsk().ed2->text(), QString("2000"));
        QCOMPARE(fsk().cb1->currentText(), QString("1200"));
        QCOMPARE(fsk().ed3->text(), QString("16"));
        QCOMPARE(fsk().ed4->text(), QString("5"));
        QVERIFY(!fsk().CheckBox1->isChecked()); // 0x01 is not 0xFF
        QCOMPARE(fsk().xg1->Cells(1, 1), QString("7"));
        QCOMPARE(fsk().xg1->Cells(2, 1), QString("8"));
        QCOMPARE(fsk().xg1->Cells(1, 10), QString("300"));
        QCOMPARE(fsk().xg1->Cells(2, 10), QString("2000"));
        QVERIFY(dialogs->messages.isEmpty() && dialogs->errors.isEmpty());
    }

    // A radio that answers 350 ms late answers the resent request as well:
    // the late copies change nothing, and the guard waits for silence, not
    // for the whole read, so every area reads as from a prompt radio.
    void aSlowRadioReadsEveryAreaWhole()
    {
        writeJson(memory(), CustomSignallingImage(dir->path()));
        QVector<QJsonObject> slowly;
        {
            VirtualRadio slow({"--memory", memory(), "--delay", "350"});
            QVERIFY(slow.ok());
            attach(slow.device());
            for (const auto &area : windows->Areas()) {
                area.second->rbtnClick();
                QTRY_VERIFY_WITH_TIMEOUT(done(*area.second), 2 * kWait);
                slowly << SettingsToJson(area.second->Settings());
            }
        }
        QVERIFY2(dialogs->errors.isEmpty(), qPrintable(dialogs->errors.join("; ")));
        VirtualRadio radio({"--memory", memory()});
        QVERIFY(radio.ok());
        form->Comm1->ClosePort();
        form->comcbb->setEnabled(true);
        attach(radio.device());
        for (const auto &area : windows->Areas()) {
            area.second->rbtnClick();
            QTRY_VERIFY_WITH_TIMEOUT(done(*area.second), kWait);
            QCOMPARE(SettingsToJson(area.second->Settings()), slowly.takeFirst());
        }
    }

    // A radio slower than the resend answers every copy, so a write's
    // acknowledgements run ahead of its blocks. Slow, and falling silent at
    // each of a write's last messages, every write of every area either
    // says success with the radio holding exactly its bytes, or fails.
    void aSlowRadioNeverGetsAFalseSuccess()
    {
        writeJson(memory(), CustomSignallingImage(dir->path()));
        {
            VirtualRadio radio({"--memory", memory()});
            attach(radio.device());
            for (const auto &area : windows->Areas()) {
                area.second->rbtnClick();
                QTRY_VERIFY_WITH_TIMEOUT(done(*area.second), kWait);
            }
            form->Comm1->ClosePort(); // before the line goes: no hang-up
        }
        const char *keys[] = {"dtmf", "2tone", "5tone", "fleetsync"};
        const int blocks[] = {4, 11, 17, 3};
        for (int a = 0; a < 4; ++a) {
            TSignallingForm &w = *windows->Areas()[static_cast<size_t>(a)].second;
            w.Timer1->setInterval(1500); // the silence that ends a transfer, shortened
            const TSignallingForm::WrittenArea expected = w.WhatAWriteAssigns();
            for (int quiet : {0, blocks[a] - 2, blocks[a] - 1, blocks[a]}) {
                const QString file = dir->filePath(QString("slow-%1-%2.json").arg(a).arg(quiet));
                QStringList args{"--memory", file, "--delay", "350"};
                if (quiet > 0)
                    args << "--quiet-after" << QString::number(quiet);
                dialogs->messages.clear();
                dialogs->errors.clear();
                {
                    VirtualRadio radio(args);
                    form->comcbb->setEnabled(true);
                    attach(radio.device());
                    w.wbtnClick();
                    QTRY_VERIFY_WITH_TIMEOUT(done(w), 2 * kWait);
                    form->Comm1->ClosePort();
                }
                const QString run = QString("%1, quiet after %2").arg(keys[a]).arg(quiet);
                if (dialogs->messages.contains("WRITE SUCCEED!")) {
                    const QJsonObject image = readJson(file);
                    for (int b = 0; b < blocks[a]; ++b)
                        QVERIFY2(expected.blocks[static_cast<size_t>(b)].differingOffsets(blockOf(image, keys[a], b)).empty(),
                                 qPrintable(run));
                } else {
                    QVERIFY2(quiet > 0 && !dialogs->errors.isEmpty(), qPrintable(run + ": " + dialogs->errors.join("; ")));
                }
            }
        }
    }

    void aWriteLeavesTheWindowsBytesInTheRadio()
    {
        VirtualRadio radio({"--memory", memory()});
        QVERIFY(radio.ok());
        attach(radio.device());
        dtmf().cb[5]->setEditText("3000");
        dtmf().xg2->setCells(1, 7, "0*#");
        dtmf().xg2->setCells(1, 12, "A1");
        dtmf().wbtnClick();
        QTRY_VERIFY_WITH_TIMEOUT(done(dtmf()), kWait);
        fsk().xg1->setCells(1, 10, "300");
        fsk().xg1->setCells(2, 10, "2000");
        fsk().wbtnClick();
        QTRY_VERIFY_WITH_TIMEOUT(done(fsk()), kWait);
        QCOMPARE(dialogs->messages, QStringList({"WRITE SUCCEED!", "WRITE SUCCEED!"}));
        radio.stop(); // its memory file is kept just after its last answer
        const QJsonObject image = readJson(memory());
        const Payload b0 = blockOf(image, "dtmf", 0);
        QCOMPARE(b0[4], uint8_t(30));
        QCOMPARE(b0[5], uint8_t(0xFF));
        QCOMPARE(Get32(&b0[10]), 0x12345678u);
        QCOMPARE(Get32(&blockOf(image, "dtmf", 2)[0]), 0xABCu); // memory 7
        QCOMPARE(Get32(&blockOf(image, "dtmf", 2)[20]), 0xD1u); // memory 12
        for (int k = 0; k < 4; ++k)
            QCOMPARE(blockOf(image, "dtmf", k), EncodeDtmfBlock(k, dtmf().Controls(), *dtmf().xg2));
        const Payload f2 = blockOf(image, "fleetsync", 2);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(f2.data()), 4), QByteArray("\x2C\x01\xD0\x07", 4));
        for (int k = 0; k < 3; ++k)
            QCOMPARE(blockOf(image, "fleetsync", k), EncodeFleetSyncBlock(k, fsk().Controls(), *fsk().xg1));
    }

    void transfersCompleteDespiteLostMessages()
    {
        writeJson(memory(), CustomSignallingImage(dir->path()));
        VirtualRadio radio({"--memory", memory(), "--drop", "0.3", "--seed", "11"});
        QVERIFY(radio.ok());
        attach(radio.device());
        dtmf().rbtnClick();
        QTRY_VERIFY_WITH_TIMEOUT(done(dtmf()), kWait);
        QCOMPARE(dtmf().xg2->Cells(1, 16), QString("911"));
        dtmf().xg2->setCells(1, 2, "4711");
        dtmf().wbtnClick();
        QTRY_VERIFY_WITH_TIMEOUT(done(dtmf()), kWait);
        fsk().rbtnClick();
        QTRY_VERIFY_WITH_TIMEOUT(done(fsk()), kWait);
        QCOMPARE(fsk().xg1->Cells(2, 10), QString("2000"));
        QVERIFY2(dialogs->errors.isEmpty(), qPrintable(dialogs->errors.join("; ")));
        QCOMPARE(dialogs->messages, QStringList({"WRITE SUCCEED!"}));
        radio.stop();
        QCOMPARE(Get32(&blockOf(readJson(memory()), "dtmf", 1)[4]), 0x4711u);
    }

    void aFleetSyncWriteSendsHeaderThenPayloadAndNeverResends()
    {
        VirtualRadio radio({"--memory", memory()});
        QVERIFY(radio.ok());
        attach(radio.device());
        fsk().wbtnClick();
        QTRY_VERIFY_WITH_TIMEOUT(done(fsk()), kWait);
        QTest::qWait(700); // a resend would come after 300 ms
        QCOMPARE(written.size(), 3 * (4 + 28));
        for (int k = 0; k < 3; ++k) {
            const QByteArray block = written.mid(32 * k, 32);
            QCOMPARE(block.left(4), QByteArray("\x57\x02", 2) + char(k) + char(0x20));
            const Payload p = EncodeFleetSyncBlock(k, fsk().Controls(), *fsk().xg1);
            QCOMPARE(block.mid(4), QByteArray(reinterpret_cast<const char *>(p.data()), 28));
        }
        QCOMPARE(writeSizes, QList<int>(96, 1)); // one byte per write
    }

    void successIsReportedOnlyOnceTheLastBlockIsAcknowledged()
    {
        VirtualRadio radio({"--memory", memory()});
        QVERIFY(radio.ok());
        attach(radio.device());
        recording->acknowledgementsSoFar = [this] { return static_cast<int>(received.count(char(0x06))); };
        dtmf().wbtnClick();
        QTRY_VERIFY_WITH_TIMEOUT(done(dtmf()), kWait);
        fsk().wbtnClick();
        QTRY_VERIFY_WITH_TIMEOUT(done(fsk()), kWait);
        QCOMPARE(recording->acknowledgementsAtSuccess, QList<int>({4, 4 + 3}));
    }

    void aStalledTransferEndsWithAMessage_data()
    {
        QTest::addColumn<bool>("dtmfWindow");
        QTest::addColumn<bool>("reading");
        QTest::newRow("DTMF read") << true << true;
        QTest::newRow("DTMF write") << true << false;
        QTest::newRow("FleetSync read") << false << true;
        QTest::newRow("FleetSync write") << false << false;
    }
    void aStalledTransferEndsWithAMessage()
    {
        QFETCH(bool, dtmfWindow);
        QFETCH(bool, reading);
        // The first block answered, then the radio goes quiet.
        writeJson(memory(), CustomSignallingImage(dir->path()));
        VirtualRadio quiet({"--memory", memory(), "--quiet-after", "1"});
        QVERIFY(quiet.ok());
        attach(quiet.device());
        TSignallingForm &w = dtmfWindow ? static_cast<TSignallingForm &>(dtmf()) : fsk();
        const QJsonObject before = SettingsToJson(w.Settings());
        w.Timer1->setInterval(300); // the 10 s guard, shortened
        reading ? w.rbtnClick() : w.wbtnClick();
        QVERIFY(!done(w));
        QTRY_VERIFY_WITH_TIMEOUT(done(w), kWait);
        QCOMPARE(dialogs->errors.size(), 1);
        // A write says how far it got (a FleetSync write asked the radio first).
        const QString gotThisFar = dtmfWindow ? "DTMF stopped after 1 of 4 blocks"
                                              : "FleetSync stopped after 1 of 3 blocks, and its read-back was not answered";
        QCOMPARE(dialogs->errors[0], QString("The %1 %2 did not complete because the radio stopped answering.")
                                                     .arg(w.AreaName(), reading ? "read" : "write")
                                             + " | "
                                             + (reading ? w.UnchangedByReadText()
                                                        : QString("It got this far: %1.").arg(gotThisFar)));
        QCOMPARE(SettingsToJson(w.Settings()), before); // nothing of the first block
        QVERIFY(!form->Tim1->isActive());
        QVERIFY(dialogs->messages.isEmpty());
    }

    void aWriteThatCannotBeEncodedSendsNothing()
    {
        VirtualRadio radio({"--memory", memory()});
        QVERIFY(radio.ok());
        attach(radio.device());
        dtmf().cb[3]->setEditText("105");
        try {
            dtmf().wbtnClick();
            QFAIL("written");
        } catch (const EConvertError &e) {
            QCOMPARE(e.text(), QString("'10.5' is not a valid integer value"));
            QCOMPARE(e.detail(), QString("First Digit Delay [ms]"));
        }
        fsk().xg1->setCells(2, 14, "1O");
        QVERIFY_THROWS_EXCEPTION(EConvertError, fsk().wbtnClick());
        QVERIFY(written.isEmpty());
        QVERIFY(done(dtmf()) && done(fsk()));
        QVERIFY(!form->Tim1->isActive());
    }

    void answersReachOnlyTheirOwnWindow()
    {
        attachSilent(); // answers come only from the test
        dtmf().rbtnClick();
        const auto fleet = DataAnswer(2, 0, EncodeFleetSyncBlock(0, FleetSyncControls(), TextTable(3, 17)));
        form->Comm1ReceiveData(fleet.data(), 34);
        QCOMPARE(dtmf().BlockCounter, 0);
        const auto main = DataAnswer(0, 1, Payload{});
        form->Comm1ReceiveData(main.data(), 34);
        QCOMPARE(dtmf().BlockCounter, 0);
        Payload b0 = EncodeDtmfBlock(0, DtmfControls(), TextTable(2, 17));
        b0[0] = 15;
        const auto own = DataAnswer(1, 0, b0);
        form->Comm1ReceiveData(own.data(), 34);
        QCOMPARE(dtmf().BlockCounter, 1);
        QCOMPARE(dtmf().cb[1]->currentText(), QString("6")); // only a complete read fills the window
        for (int k = 1; k < kDtmfBlocks; ++k)
            form->Comm1ReceiveData(DataAnswer(1, k, EncodeDtmfBlock(k, DtmfControls(), TextTable(2, 17))).data(), 34);
        QVERIFY(done(dtmf()));
        QCOMPARE(dtmf().cb[1]->currentText(), QString("15"));
        QCOMPARE(fsk().ed1->text(), QString("100"));
        const uint8_t ack = 0x06;
        form->Comm1ReceiveData(&ack, 1); // no write under way anywhere
        QCOMPARE(fsk().BlockCounter, 0);
        QCOMPARE(form->WriteAckCount, 0);
    }

    void aSignallingAndAMainTransferAreNeverUnderWayAtOnce()
    {
        attachSilent();
        dtmf().rbtnClick();
        QVERIFY_THROWS_EXCEPTION(ELumoraError, fsk().rbtnClick());
        QVERIFY_THROWS_EXCEPTION(ELumoraError, fsk().wbtnClick());
        QVERIFY_THROWS_EXCEPTION(ELumoraError, form->rbtnClick());
        QVERIFY_THROWS_EXCEPTION(ELumoraError, dtmf().wbtnClick());
        QVERIFY(done(fsk()));
        QVERIFY(form->rbtn->isEnabled());
        dtmf().Button3Click();
        QVERIFY(done(dtmf()));
        QVERIFY(!dtmf().Timer1->isActive());

        VirtualRadio silent({"--drop", "1"});
        form->SelectPort(silent.device());
        form->Comm1->ClosePort();
        form->comcbb->setEnabled(true);
        form->rbtnClick();
        try {
            dtmf().rbtnClick();
            QFAIL("started");
        } catch (const ELumoraError &e) {
            QVERIFY(e.text().contains("under way"));
        }
        QVERIFY(done(dtmf()));
        progress->Button2Click();
    }

    // Edits that only the radio keeps are asked about before a read
    // replaces them and before the program closes; Write writes them first
    // and then does what was asked.
    void editsNotWrittenToTheRadioAreAskedAbout()
    {
        writeJson(memory(), CustomSignallingImage(dir->path()));
        VirtualRadio radio({"--memory", memory()});
        attach(radio.device());
        const QString question = "The DTMF settings have changes that are not written to the radio.";
        dtmf().Edit1->setText("555");
        dialogs->nextSaveAnswer = IUserDialogs::SaveAnswer::Cancel;
        dtmf().rbtnClick();
        QCOMPARE(dialogs->saveQuestions, QStringList{question});
        QVERIFY(done(dtmf()) && written.isEmpty());

        dialogs->nextSaveAnswer = IUserDialogs::SaveAnswer::Save; // Write, then the read
        dtmf().rbtnClick();
        QTRY_VERIFY_WITH_TIMEOUT(dialogs->messages.contains("WRITE SUCCEED!") && done(dtmf()), kWait);
        QTRY_VERIFY_WITH_TIMEOUT(dtmf().StatusLabel->text().startsWith("Read from the radio at "), kWait);
        QCOMPARE(dtmf().Edit1->text(), QString("555")); // read back from the radio
        QVERIFY(!dtmf().HasUnwrittenChanges());
        dialogs->saveQuestions.clear();
        dtmf().rbtnClick(); // nothing to lose: no question, and no box on a read
        QTRY_VERIFY_WITH_TIMEOUT(done(dtmf()), kWait);
        QVERIFY(dialogs->saveQuestions.isEmpty());
        QCOMPARE(dialogs->messages, QStringList{"WRITE SUCCEED!"});

        // Closing the program: Cancel keeps it open, Write closes it once written.
        QVERIFY(showActive(form));
        fsk().ed3->setText("42");
        dialogs->nextSaveAnswer = IUserDialogs::SaveAnswer::Cancel;
        QVERIFY(!form->close());
        QCOMPARE(dialogs->saveQuestions.last(), QString("The FleetSync settings have changes that are not written to the radio."));
        dialogs->nextSaveAnswer = IUserDialogs::SaveAnswer::Save;
        QVERIFY(!form->close()); // the write runs first
        QTRY_VERIFY_WITH_TIMEOUT(!form->isVisible(), kWait);
        QVERIFY(fsk().StatusLabel->text().startsWith("Written to the radio at "));
        QCOMPARE(blockOf(readJson(memory()), "fleetsync", 0)[5], uint8_t(42)); // ed3, low byte
    }

};

LUMORA_WINDOW_TEST_MAIN(SignallingTransferTest)
#include "SignallingTransferTest.moc"
