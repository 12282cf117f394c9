// Every window and dialog on a netbook's, a laptop's and a desktop's screen
// (the test runs at the scales 1, 1.5 and 2): it fits the screen's free
// area with its frame, and its buttons are in view. Every button and menu
// entry has an Alt key of its own, and no Tab stop shows nothing.

#include "ui/Languages.h"
#include "app/ToolWindows.h"
#include "backup/FleetDialog.h"
#include "memory/ChannelColumns.h"
#include "support/CapturedDialogs.h"
#include "ui/ScreenFit.h"
#include "ui/TComboCellEditor.h"
#include "ui/TXStringGrid.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

using namespace lumora;
using namespace lumora::test;

namespace {

bool insideScrollArea(const QWidget *w, const QWidget *window)
{
    for (const QWidget *p = w->parentWidget(); p && p != window; p = p->parentWidget())
        if (qobject_cast<const QScrollArea *>(p))
            return true;
    return false;
}

QChar altKeyOf(const QString &text)
{
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && text[i + 1] != QLatin1Char('&'))
            return text[i + 1].toUpper();
        if (text[i] == QLatin1Char('&'))
            ++i;
    }
    return QChar();
}

// Each text has an Alt key, and no two share one.
QString altKeyFault(const QStringList &texts)
{
    QMap<QChar, QString> taken;
    for (const QString &text : texts) {
        const QChar key = altKeyOf(text);
        if (key.isNull())
            return QString("\"%1\" has no Alt key").arg(text);
        if (taken.contains(key))
            return QString("\"%1\" and \"%2\" share Alt+%3").arg(taken[key], text, key);
        taken[key] = text;
    }
    return QString();
}

} // namespace

class WindowFitTest : public QObject {
    Q_OBJECT
    CapturedDialogs dialogs;

    std::vector<QWidget *> everyWindow(ToolWindows &windows, FleetDialog &fleet)
    {
        windows.HistoryClick();
        windows.HistoryWindow()->hide();
        std::vector<QWidget *> all{windows.Form1.get(), windows.Form3.get(), &fleet, windows.HistoryWindow()};
        for (const auto &w : windows.Signalling)
            all.push_back(w.get());
        return all;
    }

    void checkFits(QWidget *w, QScreen *screen, const QString &at)
    {
        const QString where = at + " " + w->metaObject()->className();
        const QRect frame = w->geometry().marginsAdded(WindowFrameOf(w));
        QVERIFY2(screen->availableGeometry().contains(frame), qPrintable(where));
        for (QPushButton *b : w->findChildren<QPushButton *>()) {
            if (!b->isVisibleTo(w) || insideScrollArea(b, w))
                continue;
            const QRect place(b->mapTo(w, QPoint(0, 0)), b->size());
            QVERIFY2(w->rect().contains(place), qPrintable(where + " " + b->text()));
        }
    }

private slots:
    void everyWindowFitsEveryScreen()
    {
        QCOMPARE(QGuiApplication::screens().size(), 3);
        for (QScreen *screen : QGuiApplication::screens()) {
            const QString at = QString("%1 at %2").arg(screen->name()).arg(qgetenv("QT_SCALE_FACTOR"));
            ToolWindows windows(screen->geometry().size());
            FleetDialog fleet(windows.Form1.get());
            for (QWidget *w : everyWindow(windows, fleet)) {
                w->setScreen(screen);
                w->move(screen->availableGeometry().topLeft() + QPoint(40, 40));
                w->show();
                QVERIFY(QTest::qWaitForWindowExposed(w));
                checkFits(w, screen, at);
                // All but the progress dialog and 5TONE (minimised, never maximised) offer to be maximised.
                QVERIFY(w == windows.Form3.get() || w == windows.Form5 || (w->windowFlags() & Qt::WindowMaximizeButtonHint));
                // Every item of a list column fits the column.
                for (TXStringGrid *g : w->findChildren<TXStringGrid *>())
                    for (int c = 0; c < g->ColCount(); ++c)
                        if (auto *list = dynamic_cast<TComboCellEditor *>(g->Columns()[c].Editor()))
                            for (const QString &item : list->Items)
                                QVERIFY2(g->ColWidths(c) < 0 || QFontMetrics(g->Columns()[c].Font()).horizontalAdvance(item) + 4 <= g->ColWidths(c),
                                         qPrintable(at + " " + g->objectName() + " " + item));
                w->hide();
            }
            // Every column shown is as wide as its caption and texts.
            TForm1 &form = *windows.Form1;
            form.show();
            QVERIFY(QTest::qWaitForWindowExposed(&form));
            const QSize before = form.size();
            for (bool all : {false, true}) {
                form.AllColumns1->setChecked(all);
                for (int c = 0; c < kChannelColumns; ++c) {
                    const int width = form.xg->ColWidths(c);
                    if (width < 0)
                        continue;
                    QStringList texts{ChannelCaptions()[c]};
                    if (ChannelColumnTable()[c].items)
                        texts += ChannelColumnTable()[c].items();
                    const QFontMetrics metrics(form.xg->Columns()[c].Font());
                    for (const QString &text : texts)
                        QVERIFY2(metrics.horizontalAdvance(text) + 4 <= width, qPrintable(at + " " + text));
                }
                checkFits(&form, screen, at + (all ? " all columns" : ""));
            }
            // All columns grows the window to show every row and column
            // where the screen has the room.
            if (screen->availableGeometry().width() >= 1800) {
                QCOMPARE(form.xg->horizontalScrollBar()->maximum(), 0);
                QCOMPARE(form.xg->verticalScrollBar()->maximum(), 0);
                QVERIFY(form.width() > before.width());
                if (qgetenv("QT_SCALE_FACTOR") == "1") // as large as it has always been: the options need no scrolling
                    QCOMPARE(form.findChild<QScrollArea *>("OptionScroll")->verticalScrollBar()->maximum(), 0);
            }
            form.AllColumns1->setChecked(false); // back to the size it had
            QCOMPARE(form.size(), before);
        }
    }

    void everyButtonAndEntryHasAnAltKeyOfItsOwn()
    {
        ToolWindows windows(QSize(1920, 1080));
        FleetDialog fleet(windows.Form1.get());
        for (QWidget *w : everyWindow(windows, fleet)) {
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w));
            const QString name = w->metaObject()->className();
            // What shows at once: each page of a window's tabs in turn.
            QTabWidget *tabs = w->findChild<QTabWidget *>();
            for (int page = 0; page < (tabs ? tabs->count() : 1); ++page) {
                if (tabs)
                    tabs->setCurrentIndex(page);
                QStringList texts;
                for (QAbstractButton *b : w->findChildren<QAbstractButton *>())
                    if (b->window() == w && b->isVisibleTo(w) && !qobject_cast<QToolButton *>(b)) // tool buttons: icons with keys of their own
                        texts << b->text();
                for (QLabel *l : w->findChildren<QLabel *>())
                    if (l->window() == w && l->buddy() && l->isVisibleTo(w))
                        texts << l->text();
                QVERIFY2(altKeyFault(texts).isEmpty(), qPrintable(name + ": " + altKeyFault(texts)));
            }
            if (auto *main = qobject_cast<QMainWindow *>(w)) {
                QStringList menus;
                for (QAction *menu : main->menuBar()->actions()) {
                    menus << menu->text();
                    QStringList entries;
                    for (QAction *entry : menu->menu()->actions())
                        if (!entry->isSeparator())
                            entries << entry->text();
                    QVERIFY2(altKeyFault(entries).isEmpty(), qPrintable(menu->text() + ": " + altKeyFault(entries)));
                }
                for (QPushButton *b : main->findChildren<QPushButton *>()) // the buttons share the menu bar's Alt keys
                    if (b->window() == main)
                        menus << b->text();
                QVERIFY2(altKeyFault(menus).isEmpty(), qPrintable(name + ": " + altKeyFault(menus)));
            }
            // Each Tab stop is a control, never an area that shows nothing.
            for (QWidget *stop = w->nextInFocusChain(); stop != w; stop = stop->nextInFocusChain())
                if (stop->isVisibleTo(w) && stop->isEnabled() && (stop->focusPolicy() & Qt::TabFocus))
                    QVERIFY2(!qobject_cast<QScrollArea *>(stop) && !qobject_cast<QGroupBox *>(stop)
                                     && QByteArray(stop->metaObject()->className()) != "QWidget",
                             qPrintable(name + ": " + stop->metaObject()->className()));
            w->hide();
        }
    }
};

// LUMORA_TEST_LANGUAGE=zh_CN: the same windows in that language.
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString language = qEnvironmentVariable("LUMORA_TEST_LANGUAGE");
    if (!language.isEmpty() && InstallTranslations(language) != language)
        return 2;
    WindowFitTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "WindowFitTest.moc"
