// The grid and its column editors, driven as a user drives them.

#include "GridTestWindow.h"

#include "memory/Errors.h"

using namespace lumora;
using namespace lumora::test;

namespace {

void typeText(const QString &text) { QTest::keyClicks(focused(), text); }

QPoint centreOf(TXStringGrid *g, int col, int row) { return g->cellRect(col, row).center(); }

void click(TXStringGrid *g, int col, int row)
{
    QTest::mouseClick(g->viewport(), Qt::LeftButton, Qt::NoModifier, centreOf(g, col, row));
}

} // namespace

class GridTest : public QObject {
    Q_OBJECT
    GridTestWindow *w = nullptr;

private slots:
    void init()
    {
        w = new GridTestWindow;
        QVERIFY(w->showWithGridFocused());
    }
    void cleanup()
    {
        delete w;
        w = nullptr;
    }

    void theDefaultTextIsCommittedIntoAnEmptyCell()
    {
        w->edit->DefaultText = "146.52";
        w->grid->setCurrentCell(1, 2);
        press(Qt::Key_F2);
        QCOMPARE(w->grid->ActiveEditor(), w->edit);
        QCOMPARE(w->edit->Edit()->text(), QString("146.52"));
        QVERIFY(w->edit->Edit()->hasFocus());
        press(Qt::Key_Return);
        QVERIFY(!w->grid->ActiveEditor());
        QVERIFY(w->grid->hasFocus());
        QCOMPARE(w->grid->Cells(1, 2), QString("146.52"));
        QCOMPARE(w->commits.size(), size_t(1));
        QCOMPARE(w->commits[0].text, QString("146.52"));

        w->edit->DefaultText.clear();
        w->grid->setCurrentCell(1, 3);
        press(Qt::Key_F2);
        press(Qt::Key_Return);
        QCOMPARE(w->grid->Cells(1, 3), QString());
        QCOMPARE(w->commits.size(), size_t(2));
        QCOMPARE(w->commits[1].text, QString());
    }

    void anUnchangedTextFiresTheEventAgainWithTheCellStillCurrent()
    {
        w->grid->setCells(1, 1, "abc");
        w->grid->setCurrentCell(1, 1);
        for (int i = 0; i < 2; ++i) {
            press(Qt::Key_Return); // Enter starts, Enter commits
            QVERIFY(w->grid->ActiveEditor());
            press(Qt::Key_Return);
        }
        QCOMPARE(w->commits.size(), size_t(2));
        for (const Commit &c : w->commits) {
            QCOMPARE(c.text, QString("abc"));
            QCOMPARE(c.col, 1);
            QCOMPARE(c.row, 1);
            QCOMPARE(c.currentCol, 1);
            QCOMPARE(c.currentRow, 1);
        }
    }

    void aDropDownListOpensOnItsDefaultForAnUnknownText()
    {
        for (const QString &cellText : {QString(), QString("MEDIUM")}) {
            w->grid->setCells(2, 1, cellText);
            w->grid->setCurrentCell(2, 1);
            press(Qt::Key_F2);
            QCOMPARE(w->list->Combo()->currentText(), QString("HIGH"));
            press(Qt::Key_Return);
            QCOMPARE(w->grid->Cells(2, 1), QString("HIGH"));
        }
        w->grid->setCells(2, 1, "LOW");
        press(Qt::Key_F2);
        QCOMPARE(w->list->Combo()->currentText(), QString("LOW"));
        press(Qt::Key_Down); // moves in the list, does not leave
        QCOMPARE(w->grid->ActiveEditor(), w->list);
        QCOMPARE(w->grid->Row(), 1);
        press(Qt::Key_Up);
        QCOMPARE(w->list->Combo()->currentText(), QString("HIGH"));
        QCOMPARE(w->grid->ActiveEditor(), w->list);
        press(Qt::Key_Right); // a list always leaves sideways
        QVERIFY(!w->grid->ActiveEditor());
        QCOMPARE(w->grid->Col(), 3);
        QCOMPARE(w->grid->Cells(2, 1), QString("HIGH"));
    }

    void anEditableDropDownCommitsTypedText()
    {
        w->grid->setCurrentCell(3, 2);
        press(Qt::Key_F2);
        QCOMPARE(w->dropDown->Combo()->currentText(), QString("NONE"));
        typeText("88.5");
        press(Qt::Key_Return);
        QCOMPARE(w->grid->Cells(3, 2), QString("88.5"));
        QCOMPARE(w->commits.back().text, QString("88.5"));
    }

    void aColumnWithoutEditorCannotBeEdited()
    {
        w->grid->ImmediateEditMode = true;
        w->grid->setCells(4, 1, "fixed");
        w->grid->setCurrentCell(4, 1);
        press(Qt::Key_F2);
        press(Qt::Key_Return);
        typeText("x");
        press(Qt::Key_Backspace);
        click(w->grid, 4, 1);
        click(w->grid, 4, 1);
        QVERIFY(!w->grid->ActiveEditor());
        QCOMPARE(w->grid->Cells(4, 1), QString("fixed"));
        QVERIFY(w->commits.empty());
        // Fixed cells neither.
        click(w->grid, 0, 2);
        click(w->grid, 1, 0);
        QVERIFY(!w->grid->ActiveEditor());
        QCOMPARE(w->grid->Col(), 4);
    }

    void codeWritesFireNothingAndTheCaptionIsTheHeaderCell()
    {
        w->grid->setCells(1, 1, "from the radio");
        w->grid->setCells(2, 3, "LOW");
        QVERIFY(w->commits.empty());
        w->grid->Columns()[1].setCaption("RX Freq");
        QCOMPARE(w->grid->Cells(1, 0), QString("RX Freq"));
        w->grid->setCells(2, 0, "TX Power");
        QCOMPARE(w->grid->Columns()[2].Caption(), QString("TX Power"));
        QCOMPARE(w->grid->cellText(1, 1), QString("from the radio"));
    }

    void immediateEditModeInsertsTheTypedCharacter()
    {
        w->grid->ImmediateEditMode = true;
        w->grid->setCells(1, 1, "old");
        w->grid->setCurrentCell(1, 1);
        typeText("4");
        QCOMPARE(w->edit->Edit()->text(), QString("4"));
        QVERIFY(!w->edit->Edit()->hasSelectedText());
        typeText("46");
        press(Qt::Key_Return);
        QCOMPARE(w->grid->Cells(1, 1), QString("446"));

        w->grid->setCurrentCell(3, 1);
        typeText("n");
        QCOMPARE(w->dropDown->Combo()->currentText(), QString("N"));
        typeText("ONE");
        press(Qt::Key_Return);
        QCOMPARE(w->grid->Cells(3, 1), QString("NONE"));

        w->grid->setCurrentCell(2, 2);
        typeText("l"); // a list picks the item the upper-cased key starts
        QCOMPARE(w->list->Combo()->currentText(), QString("LOW"));
        press(Qt::Key_Return);
        QCOMPARE(w->grid->Cells(2, 2), QString("LOW"));
    }

    void withoutImmediateEditModeTheTypedCharacterIsNotInserted()
    {
        w->grid->setCells(1, 1, "old");
        w->grid->setCurrentCell(1, 1);
        typeText("4");
        QCOMPARE(w->grid->ActiveEditor(), w->edit);
        QCOMPARE(w->edit->Edit()->text(), QString("old"));
        QCOMPARE(w->edit->Edit()->selectedText(), QString("old"));
    }

    void upAndDownLeaveAFreeTextEditor()
    {
        w->grid->setCurrentCell(1, 2);
        press(Qt::Key_F2);
        typeText("x");
        press(Qt::Key_Down);
        QVERIFY(!w->grid->ActiveEditor());
        QCOMPARE(w->grid->Cells(1, 2), QString("x"));
        QCOMPARE(w->grid->Row(), 3);
        QVERIFY(w->grid->hasFocus());
        press(Qt::Key_F2);
        press(Qt::Key_Up);
        QCOMPARE(w->grid->Row(), 2);
    }

    void leftAndRightLeaveOnlyAtTheEndsOfTheText()
    {
        w->grid->setCells(1, 1, "abc");
        w->grid->setCurrentCell(1, 1);
        press(Qt::Key_F2); // all selected: Right only moves the caret
        press(Qt::Key_Right);
        QVERIFY(w->grid->ActiveEditor());
        QCOMPARE(w->edit->Edit()->cursorPosition(), 3);
        press(Qt::Key_Left);
        press(Qt::Key_Left);
        press(Qt::Key_Left);
        QVERIFY(w->grid->ActiveEditor());
        press(Qt::Key_Left); // caret at the start: leaves, but column 1 is the first
        QVERIFY(!w->grid->ActiveEditor());
        QCOMPARE(w->grid->Col(), 1);
        press(Qt::Key_F2);
        press(Qt::Key_End);
        press(Qt::Key_Right);
        QVERIFY(!w->grid->ActiveEditor());
        QCOMPARE(w->grid->Col(), 2);

        w->grid->setCells(3, 1, "67.0");
        w->grid->setCurrentCell(3, 1);
        press(Qt::Key_F2);
        press(Qt::Key_Home);
        press(Qt::Key_Right);
        QVERIFY(w->grid->ActiveEditor());
        press(Qt::Key_Left);
        press(Qt::Key_Left);
        QVERIFY(!w->grid->ActiveEditor());
        QCOMPARE(w->grid->Col(), 2);
    }

    void clicksStartCommitAndMoveEdits()
    {
        w->grid->setCurrentCell(1, 1);
        click(w->grid, 1, 3); // another cell: only selects it
        QVERIFY(!w->grid->ActiveEditor());
        QCOMPARE(w->grid->Row(), 3);
        click(w->grid, 1, 3); // the current cell: edits
        QCOMPARE(w->grid->ActiveEditor(), w->edit);
        typeText("a");
        click(w->grid, 1, 4); // commits, then edits the clicked cell
        QCOMPARE(w->grid->Cells(1, 3), QString("a"));
        QCOMPARE(w->commits.back().currentRow, 3);
        QCOMPARE(w->grid->ActiveEditor(), w->edit);
        QCOMPARE(w->grid->EditRow(), 4);
        typeText("b");
        QTest::mouseClick(w->other, Qt::LeftButton); // focus elsewhere commits
        QTRY_VERIFY(!w->grid->ActiveEditor());
        QCOMPARE(w->grid->Cells(1, 4), QString("b"));
        QCOMPARE(w->commits.size(), size_t(2));
    }

    // Tab and Shift+Tab in an open edit commit it and go to the next or
    // previous cell, the grid keeping the focus, so the next keys land.
    void tabInAnEditCommitsAndMovesToTheNextCell()
    {
        w->grid->setCurrentCell(1, 1);
        press(Qt::Key_F2);
        typeText("t");
        press(Qt::Key_Tab);
        QTRY_VERIFY(!w->grid->ActiveEditor());
        QCOMPARE(w->grid->Cells(1, 1), QString("t"));
        QCOMPARE(w->grid->Col(), 2);
        QVERIFY(w->grid->hasFocus());
        press(Qt::Key_Right); // the drop-down cell
        press(Qt::Key_F2);
        typeText("67.0");
        press(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(w->grid->Cells(3, 1), QString("67.0"));
        QCOMPARE(w->grid->Col(), 2);
        QVERIFY(w->grid->hasFocus());
    }

    void oneEditorServesColumnsOfOneGridOnly()
    {
        w->grid->Columns()[4].setEditor(w->dropDown);
        w->grid->Columns()[2].setEditor(w->dropDown);
        QCOMPARE(w->dropDown->UseCount(), 3);
        QCOMPARE(w->list->UseCount(), 0);
        QVERIFY(!w->list->Grid());
        TXStringGrid second(nullptr, 3, 3);
        second.setObjectName("xg2");
        try {
            second.Columns()[1].setEditor(w->dropDown);
            QFAIL("a second grid was accepted");
        } catch (const ELumoraError &e) {
            QCOMPARE(e.text(), QString("ComboCellEditor1 is allready assigned to xg"));
        }
        QVERIFY(!second.Columns()[1].Editor());
        w->grid->setCurrentCell(4, 1);
        press(Qt::Key_F2);
        QCOMPARE(w->grid->ActiveEditor(), w->dropDown);
        press(Qt::Key_Return);
        QCOMPARE(w->grid->Cells(4, 1), QString("NONE"));
    }

    void aDestroyedEditorLeavesItsColumns()
    {
        delete w->list;
        w->list = nullptr;
        QVERIFY(!w->grid->Columns()[2].Editor());
        w->grid->setCurrentCell(2, 1);
        press(Qt::Key_F2);
        QVERIFY(!w->grid->ActiveEditor());
    }

    void anEditorWithoutControlIsRefused()
    {
        class Broken : public TMetaCellEditor {
        public:
            using TMetaCellEditor::TMetaCellEditor;
            void StartEdit() override {}
            void EndEdit() override {}

        protected:
            bool leavesOn(int) const override { return false; }
        } broken;
        QVERIFY_THROWS_EXCEPTION(ELumoraError, w->grid->Columns()[4].setEditor(&broken));
        QVERIFY(!broken.Grid());
        QVERIFY(!w->grid->Columns()[4].Editor());
        try {
            broken.Attach(w->grid);
            QFAIL("attached");
        } catch (const ELumoraError &e) {
            QCOMPARE(e.text(), QString("Cell Editor not of type TCellEditor"));
        }
    }

    void aThrowingHandlerLeavesTheTextInTheCellAndTheGridIdle()
    {
        w->grid->OnSetEditText = [](TXStringGrid *, int, int, const QString &) {
            throw ELumoraError("refused");
        };
        w->grid->setCurrentCell(1, 1);
        press(Qt::Key_F2);
        typeText("z");
        QVERIFY_THROWS_EXCEPTION(ELumoraError, w->grid->commitEdit());
        QCOMPARE(w->grid->Cells(1, 1), QString("z"));
        QVERIFY(!w->grid->ActiveEditor());
        QVERIFY(!w->edit->Edit()->isVisible());
    }

    void hiddenColumnsKeepTheirCellsAndAreSkipped()
    {
        w->grid->Columns()[2].setWidth(-1);
        w->grid->setCells(2, 1, "LOW");
        QCOMPARE(w->grid->Cells(2, 1), QString("LOW"));
        QVERIFY(w->grid->cellRect(2, 1).isEmpty());
        w->grid->setCurrentCell(1, 1);
        press(Qt::Key_Right);
        QCOMPARE(w->grid->Col(), 3);
    }

    void shiftExtendsTheSelection()
    {
        w->grid->setCurrentCell(1, 1);
        press(Qt::Key_Right, Qt::ShiftModifier);
        press(Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(w->grid->Selection(), QRect(QPoint(1, 1), QPoint(2, 2)));
        press(Qt::Key_Down);
        QCOMPARE(w->grid->Selection(), QRect(QPoint(2, 3), QPoint(2, 3)));
    }

    void theGridIsAnOrdinaryTable()
    {
        // A grab for looking at, and a check that it drew what it holds.
        w->grid->setCells(1, 0, "RX Freq");
        w->grid->setCells(1, 1, "146.52000");
        w->grid->Columns()[1].setAlignment(Qt::AlignCenter);
        const QImage image = w->grid->viewport()->grab().toImage();
        QVERIFY(!image.isNull());
        const QRect header = w->grid->cellRect(1, 0);
        QCOMPARE(image.pixelColor(header.left() + 1, header.top() + 1).rgb(), w->grid->ColorsOf(1, 0).background.rgb());
        QCOMPARE(image.pixelColor(header.right() + 1, header.center().y()).rgb(),
                 w->grid->Resolved(w->grid->FixedLineColor, QPalette::ButtonText).rgb());
        const QRect data = w->grid->cellRect(2, 2);
        QCOMPARE(image.pixelColor(data.right() + 1, data.center().y()).rgb(),
                 w->grid->Resolved(w->grid->GridLineColor, QPalette::Mid).rgb());
        QCOMPARE(image.pixelColor(data.left() + 1, data.top() + 1).rgb(), w->grid->palette().color(QPalette::Base).rgb());
        if (!qEnvironmentVariableIsEmpty("LUMORA_GRAB"))
            image.save(qEnvironmentVariable("LUMORA_GRAB"));
    }
};

QTEST_MAIN(GridTest)
#include "GridTest.moc"
