// Every way of leaving a cell edit: the edit lands in its own cell, with
// that cell still current when the commit event fires, before anything
// moves. Real key, mouse, focus and close events.

#include "GridTestWindow.h"
#include "LeavingKeys.h"

using namespace lumora;
using namespace lumora::test;

namespace {

// Every cell of the data rows, row after row.
QStringList allCells(const TXStringGrid &g)
{
    QStringList cells;
    for (int r = 1; r < g.RowCount(); ++r)
        cells << g.Rows(r);
    return cells;
}

void checkOneCommitInItsOwnCell(const GridTestWindow &w, int col, int row)
{
    QCOMPARE(w.commits.size(), size_t(1));
    const Commit &c = w.commits[0];
    QCOMPARE(c.col, col);
    QCOMPARE(c.row, row);
    QCOMPARE(c.currentCol, col);
    QCOMPARE(c.currentRow, row);
    QCOMPARE(w.grid->Cells(col, row), c.text);
}

} // namespace

class GridLeavingTest : public QObject {
    Q_OBJECT
    GridTestWindow *w = nullptr;

    void startEdit(int col, int row)
    {
        w->grid->setFocus();
        w->grid->setCurrentCell(col, row);
        QTest::keyClick(w->grid, Qt::Key_F2);
        QVERIFY(w->grid->ActiveEditor());
    }

private slots:
    void init()
    {
        w = new GridTestWindow(9);
        w->grid->Columns()[4].setEditor(w->edit);
        QVERIFY(w->showWithGridFocused());
    }
    void cleanup()
    {
        delete w;
        w = nullptr;
    }

    void aKeyLeavesOnlyAfterTheEditHasLanded_data()
    {
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("mods");
        const std::pair<const char *, int> editors[] = {{"text", 1}, {"list", 2}, {"drop-down", 3}};
        for (const auto &[editor, col] : editors) {
            ForEachLeavingKey([&, editor = editor, col = col](const char *name, int key, int mods) {
                QTest::addRow("%s %s", editor, name) << col << key << mods;
            });
            QTest::addRow("%s Escape", editor) << col << int(Qt::Key_Escape) << 0;
            QTest::addRow("%s Ctrl+B", editor) << col << int(Qt::Key_B) << int(Qt::ControlModifier);
        }
    }
    // Whatever the key does (the editor may use it, or it may leave), the
    // commit fires on the edited cell while it is current, and no other
    // cell changes. Escape alone commits nothing.
    void aKeyLeavesOnlyAfterTheEditHasLanded()
    {
        QFETCH(int, col);
        QFETCH(int, key);
        QFETCH(int, mods);
        const int row = 4;
        w->grid->setCells(col, row, col == 2 ? "LOW" : "x");
        const QStringList before = allCells(*w->grid);
        startEdit(col, row);
        if (col != 2)
            QTest::keyClicks(focused(), "78");
        PressKey(focused(), key, mods);
        if (key == Qt::Key_Escape) { // takes the edit back: nothing lands
            QVERIFY(!w->grid->ActiveEditor());
            QVERIFY(w->commits.empty());
            QCOMPARE(allCells(*w->grid), before);
            return;
        }
        if (w->grid->ActiveEditor()) { // the editor used the key: still its cell
            QVERIFY(w->commits.empty());
            QCOMPARE(w->grid->Col(), col);
            QCOMPARE(w->grid->Row(), row);
            QTest::keyClick(focused(), Qt::Key_Return);
        }
        QTRY_VERIFY(!w->grid->ActiveEditor());
        checkOneCommitInItsOwnCell(*w, col, row);
        if (col == 1) // the edit opened with all selected; a drop-down may have moved in its list
            QCOMPARE(w->grid->Cells(col, row), QString("78"));
        QStringList after = allCells(*w->grid);
        QStringList expected = before;
        expected[(row - 1) * 5 + col] = w->grid->Cells(col, row);
        QCOMPARE(after, expected);
    }

    void navigationKeysThatLeaveAFreeTextEditMoveTheGridOnAfterward()
    {
        const std::tuple<int, int, int, int> cases[] = {
            // key, modifiers, expected column, row (from column 1, row 4)
            {Qt::Key_PageDown, 0, 1, 8},
            {Qt::Key_PageUp, 0, 1, 1},
            {Qt::Key_End, Qt::ControlModifier, 4, 8},
            {Qt::Key_Home, Qt::ControlModifier, 1, 1},
            {Qt::Key_Down, 0, 1, 5},
        };
        for (const auto &[key, mods, col, row] : cases) {
            w->commits.clear();
            startEdit(1, 4);
            QTest::keyClicks(focused(), "5");
            PressKey(focused(), key, mods);
            QVERIFY(!w->grid->ActiveEditor());
            checkOneCommitInItsOwnCell(*w, 1, 4);
            QCOMPARE(w->grid->Col(), col);
            QCOMPARE(w->grid->Row(), row);
            QVERIFY(w->grid->hasFocus());
        }
    }

    void movingTheCurrentCellFromCodeCommitsFirst()
    {
        startEdit(3, 2);
        QTest::keyClicks(focused(), "88.5");
        w->grid->setCurrentCell(1, 7);
        checkOneCommitInItsOwnCell(*w, 3, 2);
        QCOMPARE(w->grid->Cells(3, 2), QString("88.5"));
        QCOMPARE(w->grid->Row(), 7);
    }

    void clicksAnywhereCommitTheEditedCell_data()
    {
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("where");
        for (int col : {1, 3})
            for (const char *where : {"cell", "label", "box", "window"})
                QTest::addRow("column %d, %s", col, where) << col << QString(where);
    }
    void clicksAnywhereCommitTheEditedCell()
    {
        QFETCH(int, col);
        QFETCH(QString, where);
        startEdit(col, 3);
        QTest::keyClicks(focused(), "12");
        if (where == "cell")
            QTest::mouseClick(w->grid->viewport(), Qt::LeftButton, {}, w->grid->cellRect(1, 6).center());
        else if (where == "label")
            QTest::mouseClick(w->label, Qt::LeftButton);
        else if (where == "box")
            QTest::mouseClick(w->other, Qt::LeftButton);
        else
            QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(w->width() - 2, w->height() - 2));
        QTRY_COMPARE(w->commits.size(), size_t(1));
        checkOneCommitInItsOwnCell(*w, col, 3);
        QVERIFY(w->grid->Cells(col, 3).endsWith("12"));
        if (where != "cell")
            QVERIFY(!w->grid->ActiveEditor());
    }

    void theFocusGoingToAnotherWindowCommits()
    {
        for (int col : {1, 3}) {
            w->commits.clear();
            startEdit(col, 5);
            QTest::keyClicks(focused(), "3");
            QWidget second;
            second.resize(100, 100);
            second.show();
            QApplication::setActiveWindow(&second);
            QVERIFY(QTest::qWaitForWindowActive(&second));
            QTRY_VERIFY(!w->grid->ActiveEditor());
            checkOneCommitInItsOwnCell(*w, col, 5);
            // Back in the window, the grid has the focus, not a hidden editor.
            second.close();
            QApplication::setActiveWindow(w);
            QVERIFY(QTest::qWaitForWindowActive(w));
            QTRY_VERIFY(w->grid->hasFocus());
        }
    }

    void closingTheWindowCommits()
    {
        for (int col : {1, 2, 3}) {
            w->commits.clear();
            w->show();
            QApplication::setActiveWindow(w);
            QVERIFY(QTest::qWaitForWindowActive(w));
            startEdit(col, 6);
            if (col != 2)
                QTest::keyClicks(focused(), "9");
            QVERIFY(w->close());
            QVERIFY(!w->grid->ActiveEditor());
            checkOneCommitInItsOwnCell(*w, col, 6);
        }
    }
};

QTEST_MAIN(GridLeavingTest)
#include "GridLeavingTest.moc"
