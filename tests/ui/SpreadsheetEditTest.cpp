// The main window's grid edited as a spreadsheet (copy, paste, clear,
// undo, redo), and the window keeping track of what is not saved.

#include "UiTestSupport.h"

#include "memory/ChannelColumns.h"
#include "ui/TXStringGrid.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMenu>
#include <QSignalSpy>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

using namespace lumora;
using namespace lumora::test;

namespace {

using Answer = IUserDialogs::SaveAnswer;

// The seven shown fields of a channel row (RX Freq to Scan Add).
QStringList shownRow(const TXStringGrid *g, int row) { return rowOf(g, row).mid(0, 7); }

} // namespace

class SpreadsheetEditTest : public QObject {
    Q_OBJECT
    std::unique_ptr<MainWindowUnderTest> window;
    std::unique_ptr<QTemporaryDir> dir;
    TForm1 *form = nullptr;
    TXStringGrid *xg = nullptr;

    void onGrid(int col, int row)
    {
        xg->setFocus();
        xg->setCurrentCell(col, row);
    }
    void typeIntoCell(int col, int row, const QString &text)
    {
        onGrid(col, row);
        typeKeys(text);
        QTest::keyClick(focused(), Qt::Key_Return);
    }
    void paste(const QString &text)
    {
        QGuiApplication::clipboard()->setText(text);
        press(Qt::Key_V, Qt::ControlModifier);
    }
    QString savedFile(const QString &name)
    {
        const QString file = dir->filePath(name);
        form->SaveChannelFileAs(file);
        return file;
    }

private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        window = std::make_unique<MainWindowUnderTest>();
        form = &window->form;
        xg = form->xg;
        QVERIFY(showActive(form));
    }
    void cleanup()
    {
        window.reset();
        dir.reset();
    }

    void aThreeRowPasteFromASpreadsheetIsTakenAsTyped()
    {
        onGrid(ColRxFreq, 3);
        // As a spreadsheet puts it on the clipboard: tabs, CRLF, its own case.
        paste("146.52\t\tnone\t67\tlow\tnarrow\tno\r\n"
              "446.00625\t446.1\t\"d023n\"\t\thigh\twide\tyes\r\n"
              "145.5\ta146.5b\r\n");
        // Each cell as if typed: an empty TX Freq stays empty, tones and
        // list items take their canonical text, "no" is no item of Scan Add.
        QCOMPARE(shownRow(xg, 3), QStringList({"146.52000", "", "NONE", "67.0", "LOW", "NARROW", "YES"}));
        // A cell with letters the window keeps out of typed text is refused
        // (the last refusal is said), never taken without them.
        QCOMPARE(shownRow(xg, 4), QStringList({"446.00625", "446.10000", "NONE", "NONE", "HIGH", "WIDE", "YES"}));
        QCOMPARE(shownRow(xg, 5), QStringList({"145.50000", "145.50000", "NONE", "NONE", "HIGH", "WIDE", "YES"}));
        QVERIFY(window->dialogs.errors.isEmpty());
        QCOMPARE(rowOf(xg, 2), QStringList(15, QString())); // nothing above the current cell
        QCOMPARE(rowOf(xg, 6), QStringList(15, QString()));
    }

    void aPasteEndingInAnEmptyRxFreqEmptiesThatRow()
    {
        typeIntoCell(ColRxFreq, 7, "146.52");
        typeIntoCell(ColRxFreq, 8, "147.52");
        onGrid(ColRxFreq, 6);
        paste("145.5,145.5\n446.1,446.1\n,");
        QCOMPARE(xg->Cells(ColRxFreq, 6), QString("145.50000"));
        QCOMPARE(xg->Cells(ColRxFreq, 7), QString("446.10000"));
        QCOMPARE(rowOf(xg, 8), QStringList(15, QString()));
    }

    void copyGivesTheSelectedShownCellsTabSeparated()
    {
        typeIntoCell(ColRxFreq, 2, "146.52");
        typeIntoCell(ColRxFreq, 3, "446.1");
        onGrid(ColTxFreq, 2);
        press(Qt::Key_Down, Qt::ShiftModifier);
        press(Qt::Key_Right, Qt::ShiftModifier);
        press(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("146.52000\tNONE\n446.10000\tNONE\n"));

        // And what was copied pastes back as it was.
        onGrid(ColTxFreq, 10);
        typeIntoCell(ColRxFreq, 10, "100");
        typeIntoCell(ColRxFreq, 11, "100");
        onGrid(ColTxFreq, 10);
        press(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(xg->Cells(ColTxFreq, 11), QString("446.10000"));
        QCOMPARE(xg->Cells(ColToneDec, 10), QString("NONE"));
    }

    void oneValueFillsTheWholeSelection()
    {
        typeIntoCell(ColRxFreq, 2, "146.52");
        typeIntoCell(ColRxFreq, 3, "446.1");
        onGrid(ColTxPower, 2);
        press(Qt::Key_Down, Qt::ShiftModifier);
        paste("low\n");
        QCOMPARE(xg->Cells(ColTxPower, 2), QString("LOW"));
        QCOMPARE(xg->Cells(ColTxPower, 3), QString("LOW"));
        paste("purple"); // not an item of the list: the cells stay
        QCOMPARE(xg->Cells(ColTxPower, 3), QString("LOW"));
    }

    void deleteClearsTheSelectionAsTypingWould()
    {
        typeIntoCell(ColRxFreq, 2, "146.52");
        typeIntoCell(ColRxFreq, 3, "446.1");
        typeIntoCell(ColRxFreq, 4, "446.2");
        typeIntoCell(ColToneEnc, 3, "67");
        // A list cell cleared takes its editor's default; a tone empties.
        onGrid(ColToneEnc, 3);
        press(Qt::Key_Right, Qt::ShiftModifier);
        press(Qt::Key_Delete);
        QCOMPARE(xg->Cells(ColToneEnc, 3), QString("NONE"));
        QCOMPARE(xg->Cells(ColTxPower, 3), QString("HIGH"));
        // Clearing RX Freq empties the row.
        onGrid(ColRxFreq, 2);
        press(Qt::Key_Down, Qt::ShiftModifier);
        press(Qt::Key_Delete);
        QCOMPARE(rowOf(xg, 2), QStringList(15, QString()));
        QCOMPARE(rowOf(xg, 3), QStringList(15, QString()));
        QCOMPARE(xg->Cells(ColRxFreq, 4), QString("446.20000"));
    }

    void insideAnOpenEditorTheKeysKeepTheirTextMeaning()
    {
        typeIntoCell(ColRxFreq, 2, "146.52");
        onGrid(ColTxFreq, 2);
        press(Qt::Key_F2);
        auto *edit = qobject_cast<QLineEdit *>(focused());
        QVERIFY(edit);
        edit->selectAll();
        QGuiApplication::clipboard()->setText("14x7.5");
        press(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit->text(), QString("147.5")); // pasted into the editor, through the rule
        press(Qt::Key_Delete);                      // deletes text, clears no cells
        QCOMPARE(xg->Cells(ColRxFreq, 2), QString("146.52000"));
        press(Qt::Key_Return);
        QCOMPARE(xg->Cells(ColTxFreq, 2), QString("147.50000"));
    }

    void undoAndRedoStepThroughEditsPastesClearsAndOpens()
    {
        typeIntoCell(ColRxFreq, 2, "146.52");
        const QStringList afterEdit = rowOf(xg, 2);
        onGrid(ColRxFreq, 3);
        paste("446.1\n446.2\n");
        onGrid(ColRxFreq, 2);
        press(Qt::Key_Delete);
        const QString file = savedFile("a.wh");
        typeIntoCell(ColRxFreq, 9, "145.5");
        form->OpenChannelFile(file);

        press(Qt::Key_Z, Qt::ControlModifier); // the open
        QCOMPARE(xg->Cells(ColRxFreq, 9), QString("145.50000"));
        press(Qt::Key_Z, Qt::ControlModifier); // the edit of row 9
        QCOMPARE(xg->Cells(ColRxFreq, 9), QString());
        press(Qt::Key_Z, Qt::ControlModifier); // the clear
        QCOMPARE(rowOf(xg, 2), afterEdit);
        press(Qt::Key_Z, Qt::ControlModifier); // the paste
        QCOMPARE(xg->Cells(ColRxFreq, 3), QString());
        QCOMPARE(xg->Cells(ColRxFreq, 4), QString());
        press(Qt::Key_Z, Qt::ControlModifier); // the edit
        QCOMPARE(rowOf(xg, 2), QStringList(15, QString()));
        press(Qt::Key_Z, Qt::ControlModifier); // nothing before it
        QCOMPARE(rowOf(xg, 2), QStringList(15, QString()));

        press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(rowOf(xg, 2), afterEdit);
        press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(xg->Cells(ColRxFreq, 4), QString("446.20000"));
        // A new edit drops what could have been redone.
        typeIntoCell(ColRxFreq, 12, "147");
        onGrid(ColRxFreq, 12);
        press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(rowOf(xg, 2), afterEdit);
        QCOMPARE(xg->Cells(ColRxFreq, 12), QString("147.00000"));
    }

    void undoCoversTheOptionsAndImports()
    {
        form->OptionBoxes[OptTot]->setEditText("180");
        QVERIFY(form->HasUnsavedChanges());
        const QString csv = dir->filePath("in.csv");
        QFile f(csv);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,Mode,TStep,Skip,Comment\n"
                "1,A,146.520000,,0.000000,,88.5,88.5,023,NN,FM,5.00,,\n");
        f.close();
        form->ImportCsvFile(csv);
        QCOMPARE(xg->Cells(ColRxFreq, 1), QString("146.52000"));
        onGrid(ColRxFreq, 5);
        press(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(xg->Cells(ColRxFreq, 1), QString());
        QCOMPARE(form->OptionBoxes[OptTot]->currentText(), QString("180"));
        press(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(form->OptionBoxes[OptTot]->currentText(), DefaultOptionTexts()[OptTot]);
        QVERIFY(!form->HasUnsavedChanges());
    }

    // The title names the file and shows unsaved changes; Save goes to
    // that file, Save As asks, and the files are listed as recent.
    void theTitleShowsTheFileAndUnsavedChanges()
    {
        QCOMPARE(form->windowTitle(), QString("Untitled - LUMORA  V1.0"));
        typeIntoCell(ColRxFreq, 2, "146.52");
        QCOMPARE(form->windowTitle(), QString("*Untitled - LUMORA  V1.0"));
        auto &dialogs = window->dialogs;
        dialogs.nextFileName = dir->filePath("t.wh");
        form->Save1->trigger(); // no file yet: Save As
        QCOMPARE(form->windowTitle(), QString("t.wh - LUMORA  V1.0"));
        form->OptionBoxes[OptSqLev]->setEditText("9");
        QCOMPARE(form->windowTitle(), QString("*t.wh - LUMORA  V1.0"));
        onGrid(ColRxFreq, 2);
        press(Qt::Key_Z, Qt::ControlModifier); // back to what was saved
        QCOMPARE(form->windowTitle(), QString("t.wh - LUMORA  V1.0"));
        typeIntoCell(ColRxFreq, 3, "145.5");
        dialogs.nextFileName.clear(); // Save asks nothing now
        QSignalSpy recent(form, &TForm1::RecentFilesChanged);
        form->Save1->trigger();
        QCOMPARE(form->windowTitle(), QString("t.wh - LUMORA  V1.0"));
        TForm1 other(QSize(1920, 1080));
        other.OpenChannelFile(dir->filePath("t.wh"));
        QCOMPARE(other.xg->Cells(ColRxFreq, 3), QString("145.50000"));
        dialogs.nextFileName = dir->filePath("u.wh");
        form->SaveAs1->trigger();
        QCOMPARE(form->windowTitle(), QString("u.wh - LUMORA  V1.0"));
        QCOMPARE(recent.size(), 2);
        QCOMPARE(form->RecentFiles(), QStringList({QFileInfo(dir->filePath("u.wh")).absoluteFilePath(),
                                                   QFileInfo(dir->filePath("t.wh")).absoluteFilePath()}));
        QCOMPARE(form->RecentMenu->actions().size(), 2);
        QVERIFY(form->RecentMenu->actions()[1]->text().startsWith("&2 "));
        form->RecentMenu->actions()[1]->trigger(); // opens t.wh again
        QCOMPARE(form->windowTitle(), QString("t.wh - LUMORA  V1.0"));
        QCOMPARE(form->RecentFiles().first(), QFileInfo(dir->filePath("t.wh")).absoluteFilePath());
    }

    // The Edit menu shows the keys and acts on the grid, or on the open edit.
    void theEditMenuActsOnTheGridOrTheEdit()
    {
        QCOMPARE(form->Copy1->shortcut(), QKeySequence(QKeySequence::Copy));
        QCOMPARE(form->SelectAll1->shortcut(), QKeySequence(QKeySequence::SelectAll));
        onGrid(ColRxFreq, 3);
        typeKeys("145.5"); // an open edit: the menu acts on its text
        QVERIFY(form->xg->ActiveEditor());
        form->SelectAll1->trigger();
        form->Copy1->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("145.5"));
        press(Qt::Key_Escape);
        typeIntoCell(ColRxFreq, 1, "146.52");
        onGrid(ColRxFreq, 1);
        form->Copy1->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("146.52000\n")); // one row, as spreadsheets copy
        onGrid(ColRxFreq, 2);
        form->Paste1->trigger();
        QCOMPARE(form->xg->Cells(ColRxFreq, 2), QString("146.52000"));
        form->Cut1->trigger();
        QCOMPARE(form->xg->Cells(ColRxFreq, 2), QString());
        form->Undo1->trigger();
        QCOMPARE(form->xg->Cells(ColRxFreq, 2), QString("146.52000"));
        form->SelectAll1->trigger();
        QCOMPARE(form->xg->Selection().top(), 1);
        QCOMPARE(form->xg->Selection().bottom(), kChannelRows - 1);
        QCOMPARE(form->xg->Row(), 1);
        form->Delete1->trigger(); // every channel
        QCOMPARE(form->xg->Cells(ColRxFreq, 1), QString());
        form->Redo1->trigger(); // nothing to redo after a new step
        form->Undo1->trigger();
        QCOMPARE(form->xg->Cells(ColRxFreq, 1), QString("146.52000"));
    }

    void closingOverUnsavedChangesAsks_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<bool>("closes");
        QTest::newRow("Save") << int(Answer::Save) << "kept.wh" << true;
        QTest::newRow("Save, then the file dialog cancelled") << int(Answer::Save) << "" << false;
        QTest::newRow("Discard") << int(Answer::Discard) << "" << true;
        QTest::newRow("Cancel") << int(Answer::Cancel) << "" << false;
    }
    void closingOverUnsavedChangesAsks()
    {
        QFETCH(int, answer);
        QFETCH(QString, fileName);
        QFETCH(bool, closes);
        CapturedDialogs &dialogs = window->dialogs;
        form->close(); // nothing to save: nothing asked
        QVERIFY(dialogs.saveQuestions.isEmpty());
        QVERIFY(showActive(form));
        typeIntoCell(ColRxFreq, 2, "146.52");
        dialogs.nextSaveAnswer = Answer(answer);
        dialogs.nextFileName = fileName.isEmpty() ? QString() : dir->filePath(fileName);
        QCOMPARE(form->close(), closes);
        QCOMPARE(dialogs.saveQuestions, QStringList{"Save changes?"});
        QCOMPARE(QFile::exists(dir->filePath("kept.wh")), !fileName.isEmpty());
        QCOMPARE(form->isVisible(), !closes);
    }

    void openingOrReadingOverUnsavedChangesAsks_data()
    {
        QTest::addColumn<bool>("reading");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("goesOn");
        for (bool reading : {false, true}) {
            const char *what = reading ? "read" : "open";
            QTest::newRow(qPrintable(QString("%1, Save").arg(what))) << reading << int(Answer::Save) << true;
            QTest::newRow(qPrintable(QString("%1, Discard").arg(what))) << reading << int(Answer::Discard) << true;
            QTest::newRow(qPrintable(QString("%1, Cancel").arg(what))) << reading << int(Answer::Cancel) << false;
        }
    }
    void openingOrReadingOverUnsavedChangesAsks()
    {
        QFETCH(bool, reading);
        QFETCH(int, answer);
        QFETCH(bool, goesOn);
        CapturedDialogs &dialogs = window->dialogs;
        typeIntoCell(ColRxFreq, 2, "446.1");
        const QString other = savedFile("other.wh");
        typeIntoCell(ColRxFreq, 2, "146.52");
        dialogs.nextSaveAnswer = Answer(answer);
        const QString kept = dir->filePath("kept.wh");
        // The save dialog and then the open dialog are both answered with it.
        dialogs.nextFileName = answer == int(Answer::Save) ? kept : other;
        form->SelectPort("/dev/lumora-no-port"); // a read stops at the port
        bool opened = false;
        try {
            if (reading)
                form->rbtnClick();
            else
                form->OpenClick(false);
            opened = true;
        } catch (const std::exception &) {
            opened = reading; // the read went on as far as the port
        }
        QCOMPARE(dialogs.saveQuestions, QStringList{"Save changes?"});
        QCOMPARE(QFile::exists(kept), answer == int(Answer::Save));
        if (reading)
            QCOMPARE(opened && window->progress.isVisible(), goesOn);
        else
            QCOMPARE(xg->Cells(ColRxFreq, 2), goesOn ? (answer == int(Answer::Save) ? "146.52000" : "446.10000")
                                                     : "146.52000");
        window->progress.Button2Click();
    }
};

LUMORA_WINDOW_TEST_MAIN(SpreadsheetEditTest)
#include "SpreadsheetEditTest.moc"
