// The channels arranged in the main grid (menu, keys, drag, context
// menu): every field moves with its channel, the hidden columns and the
// radio's bytes no text shows too, and each arrangement is one undo step.

#include "UiTestSupport.h"

#include "memory/TextTable.h"
#include "protocol/MainMemoryFrames.h"

#include <QContextMenuEvent>
#include <QTemporaryDir>
#include <QMenu>
#include <QStatusBar>

using namespace lumora;
using namespace lumora::test;

namespace {

// Channels 1 to 5 in use, each with hidden fields of its own; channel n
// keeps n, n+1, n+2 in the bytes the radio leaves untouched (28 to 30).
const QVector<QStringList> kChannels = {
        {"146.52000", "146.52000", "NONE", "67.0", "HIGH", "WIDE", "YES", "25000", "1", "2", "BOT", "3", "2TONE", "4", "YES"},
        {"145.50000", "145.00000", "023N", "NONE", "LOW", "NARROW", "NONE", "12500", "NONE", "NONE", "NONE", "NONE", "DTMF", "1", "NONE"},
        {"440.00000", "445.00000", "NONE", "NONE", "HIGH", "WIDE", "YES", "5000", "#", "*", "EOT", "10", "5TONE", "16", "YES"},
        {"147.00000", "", "88.5", "88.5", "LOW", "WIDE", "NONE", "6250", "NONE", "NONE", "BOTH", "1", "FSK", "2", "NONE"},
        {"144.80000", "144.80000", "NONE", "754I", "HIGH", "NARROW", "YES", "10000", "A", "D", "NONE", "NONE", "DTMF", "8", "NONE"},
};

} // namespace

class ChannelArrangementTest : public QObject, ShownMainWindow {
    Q_OBJECT

    std::vector<Payload> radio; // the blocks the table was "read" from
    QVector<QStringList> rows;  // the fifteen fields of channels 1 to 16 as read

    // What channel n holds: the fields and the bytes a write sends.
    void expectChannel(int n, int from)
    {
        const std::vector<Payload> sent = form->WriteBlocks();
        QCOMPARE(rowOf(form->xg, n), rows[from - 1]);
        QCOMPARE(sent[static_cast<size_t>(n - 1)], radio[static_cast<size_t>(from - 1)]);
    }
    void expectOrder(const std::vector<int> &from)
    {
        for (size_t i = 0; i < from.size(); ++i)
            expectChannel(static_cast<int>(i) + 1, from[i]);
    }
    void expectAsRead()
    {
        QCOMPARE(form->WriteBlocks(), radio);
        for (int n = 1; n <= kChannelCount; ++n)
            QCOMPARE(rowOf(form->xg, n), rows[n - 1]);
    }
    // Undone, redone, and undone again.
    void undoRedo(const std::function<void()> &arranged)
    {
        press(Qt::Key_Z, Qt::ControlModifier);
        expectAsRead();
        press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        arranged();
        press(Qt::Key_Z, Qt::ControlModifier);
    }
    void pressOnRow(QEvent::Type type, int row, double where, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        const QRect r = form->xg->cellRect(0, row);
        const QPoint at(r.center().x(), r.top() + static_cast<int>(r.height() * where));
        if (type == QEvent::MouseButtonPress)
            QTest::mousePress(form->xg->viewport(), Qt::LeftButton, mods, at);
        else if (type == QEvent::MouseMove)
            QTest::mouseMove(form->xg->viewport(), at);
        else
            QTest::mouseRelease(form->xg->viewport(), Qt::LeftButton, mods, at);
    }

private slots:
    void init()
    {
        QVERIFY(showWindow());
        TextTable table(kChannelColumns, kChannelRows);
        for (int n = 1; n <= kChannels.size(); ++n)
            for (int c = 1; c < kChannelColumns; ++c)
                table.setCellText(c, n, kChannels[n - 1][c - 1]);
        radio = MainWriteImage(FrameBuffer{}, table, DefaultOptionTexts());
        for (int n = 1; n <= kChannelCount; ++n)
            for (int i = 0; i < 3; ++i)
                radio[static_cast<size_t>(n - 1)][static_cast<size_t>(24 + i)] = static_cast<uint8_t>(n + i);
        form->TakeBaseline(radio);
        CopyCells(form->Baseline().channels, *form->xg);
        form->setOptions(form->Baseline().options);
        rows.clear();
        for (int n = 1; n <= kChannelCount; ++n)
            rows << rowOf(form->xg, n);
        QCOMPARE(rows.mid(0, 5), kChannels);
        expectAsRead();
        form->xg->setFocus();
    }
    void cleanup() { window.reset(); }

    void movedByKeysWithTheSelection()
    {
        form->xg->SelectRows(3, 4);
        press(Qt::Key_Up, Qt::AltModifier);
        auto upOnce = [this] { expectOrder({1, 3, 4, 2, 5, 6}); };
        upOnce();
        QCOMPARE(form->xg->Selection().top(), 2);
        QCOMPARE(form->xg->Selection().bottom(), 3);
        QVERIFY(form->windowTitle().startsWith('*'));
        undoRedo(upOnce);
        form->xg->SelectRows(1, 1);
        press(Qt::Key_Up, Qt::AltModifier); // at the top: nothing moves
        press(Qt::Key_Down, Qt::AltModifier);
        press(Qt::Key_Down, Qt::AltModifier);
        expectOrder({2, 3, 1, 4});
        QCOMPARE(form->xg->Row(), 3);
        // While a cell is being edited the keys stay the editor's.
        form->xg->setCurrentCell(ColTxPower, 5);
        press(Qt::Key_F2);
        QVERIFY(form->xg->ActiveEditor());
        press(Qt::Key_Down, Qt::AltModifier);
        press(Qt::Key_Escape);
        expectOrder({2, 3, 1, 4, 5});
    }

    void insertedAndDeleted()
    {
        form->xg->SelectRows(2, 2);
        press(Qt::Key_Insert, Qt::AltModifier); // channel 16, empty, comes to 2
        auto inserted = [this] { expectOrder({1, 16, 2, 3, 4, 5, 6}); };
        inserted();
        undoRedo(inserted);
        form->xg->SelectRows(2, 3);
        press(Qt::Key_Delete, Qt::AltModifier);
        expectOrder({1, 4, 5, 6});
        const std::vector<Payload> sent = form->WriteBlocks();
        for (int n : {15, 16}) { // deleted: empty channels, not the radio's bytes
            QCOMPARE(rowOf(form->xg, n), QStringList(15, QString()));
            QVERIFY(std::all_of(sent[n - 1].begin(), sent[n - 1].begin() + 24, [](uint8_t b) { return b == 0; }));
        }
        press(Qt::Key_Z, Qt::ControlModifier);
        expectAsRead();
        // With channel 16 in use nothing is inserted, and the user is told.
        form->xg->setCells(ColRxFreq, 16, "146.00000");
        form->xg->SelectRows(1, 1);
        window->dialogs.errors.clear();
        form->xg->setFocus();
        press(Qt::Key_Insert, Qt::AltModifier);
        QCOMPARE(window->dialogs.errors.size(), 1);
        QVERIFY(window->dialogs.errors[0].startsWith("No channel was inserted: channel 16 is in use"));
        QCOMPARE(rowOf(form->xg, 1), rows[0]);
    }

    void swappedAndSorted()
    {
        form->xg->SelectRows(1, 4);
        form->SwapChannels1->trigger(); // the selection's ends proposed, and taken
        auto swapped = [this] { expectOrder({4, 2, 3, 1, 5}); };
        swapped();
        undoRedo(swapped);
        form->SortChannels(ColPttIdType); // a hidden column, in its list's order, stable
        expectOrder({2, 5, 1, 3, 4, 6});
        form->SortChannels(ColRxFreq);
        expectOrder({5, 2, 1, 4, 3, 6, 7});
        form->SortChannels(ColTxFreq); // the channel without one last of those in use
        expectOrder({5, 2, 1, 3, 4, 6});
        form->SortChannels(ColToneEnc); // NONE, the tones by value, then the codes
        expectOrder({2, 3, 1, 4, 5, 6});
        for (int i = 0; i < 4; ++i)
            press(Qt::Key_Z, Qt::ControlModifier);
        expectAsRead();
    }

    void draggedByTheirNumbers()
    {
        pressOnRow(QEvent::MouseButtonPress, 1, 0.5);
        pressOnRow(QEvent::MouseButtonRelease, 1, 0.5);
        pressOnRow(QEvent::MouseButtonPress, 2, 0.5, Qt::ShiftModifier);
        pressOnRow(QEvent::MouseButtonRelease, 2, 0.5, Qt::ShiftModifier);
        QCOMPARE(form->xg->Selection().top(), 1);
        QCOMPARE(form->xg->Selection().bottom(), 2);
        pressOnRow(QEvent::MouseButtonPress, 2, 0.5);
        pressOnRow(QEvent::MouseMove, 3, 0.5);
        pressOnRow(QEvent::MouseMove, 4, 0.8); // under channel 4: in front of 5
        pressOnRow(QEvent::MouseButtonRelease, 4, 0.8);
        auto dragged = [this] { expectOrder({3, 4, 1, 2, 5}); };
        dragged();
        QCOMPARE(form->xg->Selection().top(), 3);
        undoRedo(dragged);
    }

    // Printed and exported as arranged: the card lists the channels in use
    // in their new places, with every field.
    void theCardShowsTheTableAsArranged()
    {
        form->SortChannels(ColRxFreq);
        QTemporaryDir dir;
        window->dialogs.nextFileName = dir.filePath("card.pdf");
        window->windows.ExportPdf1->trigger();
        QVERIFY(QFileInfo(dir.filePath("card.pdf")).size() > 1000);
        window->windows.Print1->trigger();
        QCOMPARE(window->dialogs.printed.size(), 1);
        const QString html = window->dialogs.printed[0];
        QVERIFY(html.contains("<td>1</td><td>144.80000</td>") && html.contains("<td>5</td><td>440.00000</td>"));
        QVERIFY(html.contains("Channels in use: 5") && html.contains("<td>754I</td>"));
        QVERIFY(!html.contains("Radio:")); // no signalling window was read
    }

    void contextMenuOnANumber()
    {
        QStringList offered;
        QTimer::singleShot(100, this, [&offered] {
            if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
                for (QAction *a : menu->actions())
                    if (!a->isSeparator())
                        offered << a->text();
                menu->close();
            }
        });
        const QPoint at = form->xg->cellRect(0, 4).center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, form->xg->viewport()->mapToGlobal(at));
        QApplication::sendEvent(form->xg->viewport(), &event);
        QCOMPARE(form->xg->Selection().top(), 4); // the row under the mouse, whole
        QCOMPARE(form->xg->Selection().bottom(), 4);
        QVERIFY(offered.contains("Move &up") && offered.contains("De&lete channels"));
        QVERIFY(offered.contains("&Sort channels in use by"));
    }
};

LUMORA_WINDOW_TEST_MAIN(ChannelArrangementTest)
#include "ChannelArrangementTest.moc"
