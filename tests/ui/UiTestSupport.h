#pragma once
// What the window tests share: the tool's windows with their boxes
// captured, and a main that runs the tests under the tool's own
// application object.

#include "KeyboardSupport.h"
#include "support/CapturedDialogs.h"

#include "app/ToolWindows.h"
#include "memory/ChannelColumns.h"
#include "ui/TApplication.h"
#include "ui/TXStringGrid.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QtTest>
#include <functional>

namespace lumora::test {

// The fifteen fields of a channel row.
inline QStringList rowOf(const TXStringGrid *g, int row)
{
    QStringList l;
    for (int c = 1; c < kChannelColumns; ++c)
        l << g->Cells(c, row);
    return l;
}

inline bool showActive(QWidget *w)
{
    w->show();
    QApplication::setActiveWindow(w);
    return QTest::qWaitForWindowActive(w);
}

// Answers the next box of type Box that found() accepts (a real message
// box or dialog, shown modally by the code under test): act() runs once the
// box is the active window (keys sent before go nowhere) and again every
// 10 ms until the box closes. A box still open after 20 s is rejected, so
// that the test fails instead of hanging.
template <typename Box>
void answerNextBox(QObject *owner, std::function<bool(Box *)> found, std::function<void(Box *)> act)
{
    auto *poll = new QTimer(owner);
    QElapsedTimer since;
    since.start();
    // The box found so far lives in the connection's copy of the lambda.
    QObject::connect(poll, &QTimer::timeout, owner, [=, seen = false, box = QPointer<Box>()]() mutable {
        auto stop = [poll] {
            poll->stop();
            poll->deleteLater();
        };
        if (!seen) {
            for (QWidget *w : QApplication::topLevelWidgets())
                if (auto *b = qobject_cast<Box *>(w); b && b->isVisible() && found(b)) {
                    box = b;
                    seen = true;
                    break;
                }
            if (!seen && since.elapsed() > 20000)
                stop();
            return;
        }
        if (!box || !box->isVisible())
            return stop();
        if (since.elapsed() > 20000) {
            box->reject();
            return stop();
        }
        box->activateWindow();
        if (box->isActiveWindow())
            act(box);
    });
    poll->start(10);
}

// The tool's windows on a large screen, their boxes captured.
struct MainWindowUnderTest {
    CapturedDialogs dialogs;
    ToolWindows windows{QSize(1920, 1080)};
    TForm1 &form = *windows.Form1;
    TForm3 &progress = *windows.Form3;
};

// A test class's main window, made and shown anew for each test.
struct ShownMainWindow {
    std::unique_ptr<MainWindowUnderTest> window;
    TForm1 *form = nullptr;
    bool showWindow()
    {
        window = std::make_unique<MainWindowUnderTest>();
        form = &window->form;
        return showActive(form);
    }
    // Types into a cell of the main grid, leaving the edit open.
    void typeIntoCell(int col, int row, const QString &text)
    {
        form->xg->setFocus();
        form->xg->setCurrentCell(col, row);
        typeKeys(text);
    }
};

} // namespace lumora::test

#define LUMORA_WINDOW_TEST_MAIN(TestClass)                                                        \
    int main(int argc, char **argv)                                                              \
    {                                                                                            \
        lumora::TApplication app(argc, argv);                                                    \
        TestClass test;                                                                          \
        return QTest::qExec(&test, argc, argv);                                                  \
    }
