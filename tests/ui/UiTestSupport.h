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

#include <QStringList>
#include <QtTest>

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
