// What a screen reader and a Chinese-speaking user get: every control of
// the main and signalling windows named, the grids as tables that say
// "Channel 3, RX Freq, 145.62500" and follow the keys, and the windows in
// Simplified Chinese.

#include "UiTestSupport.h"

#include "backup/RadioHistory.h"
#include "ui/Languages.h"
#include "ui/TCellEditor.h"

#include <QAccessible>
#include <QMenuBar>
#include <QPushButton>

using namespace lumora;
using namespace lumora::test;

namespace {

QAccessibleTableInterface *tableOf(TXStringGrid *grid)
{
    QAccessibleInterface *a = QAccessible::queryAccessibleInterface(grid);
    return a ? a->tableInterface() : nullptr;
}

// (The events a reader hears need a platform with an accessibility bridge:
// the AT-SPI test reads them under X.)

// The controls of a window a screen reader would stop at, without a name.
QStringList unnamed(QAccessibleInterface *a)
{
    static const QList<QAccessible::Role> controls{QAccessible::ComboBox, QAccessible::EditableText,
                                                    QAccessible::CheckBox, QAccessible::PushButton,
                                                    QAccessible::SpinBox, QAccessible::Table,
                                                    QAccessible::PageTab, QAccessible::Slider};
    QStringList found;
    if (!a || a->state().invisible)
        return found;
    if (controls.contains(a->role()) && a->text(QAccessible::Name).trimmed().isEmpty())
        found << (a->object() ? a->object()->objectName() + " " + a->object()->metaObject()->className() + " in "
                                        + a->parent()->object()->metaObject()->className()
                              : QString::number(a->role()));
    if (a->role() == QAccessible::Table || a->role() == QAccessible::ComboBox || a->role() == QAccessible::SpinBox)
        return found; // a table's cells are checked by name below; a box's parts are the box
    for (int i = 0; i < a->childCount(); ++i)
        found << unnamed(a->child(i));
    return found;
}

} // namespace

class AccessibilityTest : public QObject, ShownMainWindow {
    Q_OBJECT

private slots:
    void init() { QVERIFY(showWindow()); }
    void cleanup() { window.reset(); }

    void everyControlOfTheWindowsHasAName()
    {
        QStringList found = unnamed(QAccessible::queryAccessibleInterface(form));
        for (const auto &w : window->windows.Signalling) {
            w->show();
            for (QTabWidget *tabs : w->findChildren<QTabWidget *>())
                for (int page = 0; page < tabs->count(); ++page) {
                    tabs->setCurrentIndex(page); // a page's controls are shown while it is
                    found << unnamed(QAccessible::queryAccessibleInterface(w.get()));
                }
            found << unnamed(QAccessible::queryAccessibleInterface(w.get()));
            w->hide();
        }
        found.removeDuplicates();
        QVERIFY2(found.isEmpty(), qPrintable(found.join(", ")));
    }

    void theChannelGridIsATableOfNamedCells()
    {
        TXStringGrid *xg = form->xg;
        xg->setCells(1, 3, "145.62500");
        QAccessibleTableInterface *table = tableOf(xg);
        QVERIFY(table);
        QCOMPARE(table->rowCount(), kChannelCount);
        // The columns shown: the hidden ones are not read out.
        int shown = 0;
        for (int c = 1; c < xg->ColCount(); ++c)
            shown += xg->ColWidths(c) > 0;
        QCOMPARE(table->columnCount(), shown);
        QCOMPARE(table->columnDescription(0), QString("RX Freq"));
        QCOMPARE(table->rowDescription(2), QString("Channel 3"));
        QAccessibleInterface *cell = table->cellAt(2, 0);
        QCOMPARE(cell->role(), QAccessible::Cell);
        QCOMPARE(cell->text(QAccessible::Name), QString("Channel 3, RX Freq, 145.62500"));
        QCOMPARE(cell->text(QAccessible::Value), QString("145.62500"));
        QCOMPARE(table->cellAt(3, 0)->text(QAccessible::Name), QString("Channel 4, RX Freq"));
        QAccessibleTableCellInterface *place = cell->tableCellInterface();
        QCOMPARE(place->rowIndex(), 2);
        QCOMPARE(place->columnIndex(), 0);
        QCOMPARE(place->columnHeaderCells().value(0)->text(QAccessible::Name), QString("RX Freq"));
        QCOMPARE(place->rowHeaderCells().value(0)->text(QAccessible::Name), QString("Channel 3"));
        QCOMPARE(place->table(), QAccessible::queryAccessibleInterface(xg));
        // Children are the cells, row by row, and find their way back.
        QAccessibleInterface *grid = QAccessible::queryAccessibleInterface(xg);
        QCOMPARE(grid->childCount(), kChannelCount * shown);
        QCOMPARE(grid->child(2 * shown), cell);
        QCOMPARE(grid->indexOfChild(cell), 2 * shown);
        QCOMPARE(grid->childAt(cell->rect().center().x(), cell->rect().center().y()), cell);
        QVERIFY(!grid->text(QAccessible::Name).isEmpty());
    }

    void theCurrentCellAndEditsAreReadOut()
    {
        TXStringGrid *xg = form->xg;
        QAccessibleInterface *grid = QAccessible::queryAccessibleInterface(xg);
        xg->setFocus();
        xg->setCurrentCell(1, 1);
        press(Qt::Key_Down);
        press(Qt::Key_Down);
        press(Qt::Key_Right);
        QCOMPARE(grid->focusChild()->text(QAccessible::Name), QString("Channel 3, TX Freq"));
        QVERIFY(grid->focusChild()->state().focused);
        const int shown = tableOf(xg)->columnCount();
        // A value typed in: the open edit is named after its cell, and the
        // cell's name then holds the value.
        press(Qt::Key_Left);
        typeKeys("146.52");
        QCOMPARE(xg->ActiveEditor()->Control()->accessibleName(), QString("Channel 3, RX Freq"));
        press(Qt::Key_Return);
        QCOMPARE(grid->child(2 * shown)->text(QAccessible::Name), QString("Channel 3, RX Freq, 146.52000"));
        // A selection of rows by their numbers.
        xg->SelectRows(2, 4);
        QCOMPARE(tableOf(xg)->selectedRows(), QList<int>({1, 2, 3}));
        QCOMPARE(tableOf(xg)->selectedCellCount(), 3 * shown);
    }

    void theSignallingGridsSayTheirRows()
    {
        TForm6 &fsk = *window->windows.Form6;
        fsk.xg1->setCells(1, 2, "100");
        QAccessibleTableInterface *table = tableOf(fsk.xg1);
        QCOMPARE(table->columnDescription(0), QString("Fleet"));
        QCOMPARE(table->cellAt(1, 0)->text(QAccessible::Name), QString("NO. 2, Fleet, 100"));
        QCOMPARE(QAccessible::queryAccessibleInterface(fsk.xg1)->text(QAccessible::Name), QString("Fleet, ID"));
    }

    void theWindowsSpeakSimplifiedChinese()
    {
        window.reset();
        QCOMPARE(InstallTranslations("zh_CN"), QString("zh_CN"));
        QVERIFY(showWindow());
        auto titles = [this] {
            QStringList t;
            for (QAction *menu : form->menuBar()->actions())
                t << menu->text();
            return t;
        };
        QCOMPARE(titles(), QStringList({"文件(&F)", "编辑(&E)", "信道(&C)", "信令(&S)", "视图(&V)", "帮助(&H)"}));
        QCOMPARE(form->rbtn->text(), QString("读取(&R)(F11)"));
        QCOMPARE(window->windows.Form5->rbtn->text(), QString("读取(&R)"));
        QCOMPARE(QAccessible::queryAccessibleInterface(form->xg)->text(QAccessible::Name), QString("信道"));
        QCOMPARE(form->xg->RowTitle(3), QString("信道 3"));
        // Qt's own texts (the edit menu of a text box) come along.
        QCOMPARE(QCoreApplication::translate("QLineEdit", "&Undo"), QString("撤消(&U)"));
        // A snapshot's origin, kept in English, shown in Chinese.
        QCOMPARE(ShownOrigin("before restore of a.json"), QString("恢复 a.json 之前"));
        QCOMPARE(ShownOrigin("fleet run, radio 7"), QString("批量写频，第 7 台"));
        QCOMPARE(ShownOrigin("an origin of a later version"), QString("an origin of a later version"));
        // The data stays as it is: captions and values are the radio's.
        QCOMPARE(form->xg->Cells(1, 0), QString("RX Freq"));
        window.reset();
        QCOMPARE(InstallTranslations("en"), QString("en"));
        QVERIFY(showWindow());
        QCOMPARE(form->FileMenu->title(), QString("&File"));
        QCOMPARE(ShownOrigin("before restore of the snapshot 20261211-100000-000"),
                 QString("before restore of the snapshot 20261211-100000-000"));
    }
};

LUMORA_WINDOW_TEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
