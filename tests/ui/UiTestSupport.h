#pragma once
// What the window tests share: boxes captured instead of shown, and a
// main that runs the tests under the tool's own application object.

#include "KeyboardSupport.h"

#include "memory/ChannelColumns.h"
#include "ui/TApplication.h"
#include "ui/TForm1.h"
#include "ui/TForm3.h"
#include "ui/TXStringGrid.h"
#include "ui/UserDialogs.h"

#include <QStringList>
#include <QtTest>

namespace lumora::test {

class CapturedDialogs : public IUserDialogs {
public:
    QStringList messages;
    QStringList errors;
    QString nextFileName;
    QStringList questions;
    bool nextAnswer = false;
    CapturedDialogs() { SetUserDialogs(this); }
    ~CapturedDialogs() override { SetUserDialogs(nullptr); }
    void ShowMessage(const QString &text) override { messages << text; }
    void ShowError(const QString &text, const QString &detail) override
    {
        errors << (detail.isEmpty() ? text : text + " | " + detail);
    }
    bool AskYesNo(const QString &text) override
    {
        questions << text;
        return nextAnswer;
    }
    SaveAnswer nextSaveAnswer = SaveAnswer::Discard;
    QStringList saveQuestions;
    SaveAnswer AskSaveChanges(const QString &text, const QString &) override
    {
        saveQuestions << text;
        return nextSaveAnswer;
    }
    QString AskOpenFileName(QWidget *, const QString &, const QString &) override { return nextFileName; }
    QString AskSaveFileName(QWidget *, const QString &, const QString &) override { return nextFileName; }
};

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

// The main window with its progress dialog, on a large screen, its boxes
// captured.
struct MainWindowUnderTest {
    CapturedDialogs dialogs;
    TForm1 form{QSize(1920, 1080)};
    TForm3 progress{form};
    MainWindowUnderTest() { form.setProgressDialog(&progress); }
};

} // namespace lumora::test

#define LUMORA_WINDOW_TEST_MAIN(TestClass)                                                        \
    int main(int argc, char **argv)                                                              \
    {                                                                                            \
        lumora::TApplication app(argc, argv);                                                    \
        TestClass test;                                                                          \
        return QTest::qExec(&test, argc, argv);                                                  \
    }
