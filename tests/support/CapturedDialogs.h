#pragma once
// The message boxes and file dialogs captured instead of shown, for the
// tests, the soak and the fuzz targets: what the user would be told is
// noted, what would be asked is answered as set, nothing waits for a click.

#include "ui/UserDialogs.h"

#include <QStringList>
#include <functional>

namespace lumora::test {

class CapturedDialogs : public IUserDialogs {
public:
    QStringList messages;
    QStringList errors; // "text | detail" where there is a detail
    QString nextFileName;
    QStringList questions;
    bool nextAnswer = false;
    SaveAnswer nextSaveAnswer = SaveAnswer::Discard;
    QStringList saveQuestions;
    std::function<void()> ErrorShown; // called after an error is noted

    CapturedDialogs() { SetUserDialogs(this); }
    ~CapturedDialogs() override { SetUserDialogs(nullptr); }
    CapturedDialogs(const CapturedDialogs &) = delete;
    CapturedDialogs &operator=(const CapturedDialogs &) = delete;

    void ShowMessage(const QString &text) override { messages << text; }
    void ShowError(const QString &text, const QString &detail) override
    {
        errors << (detail.isEmpty() ? text : text + " | " + detail);
        if (ErrorShown)
            ErrorShown();
    }
    bool AskYesNo(const QString &text) override
    {
        questions << text;
        return nextAnswer;
    }
    std::function<bool(const QString &)> GoOn; // answers "connect the next radio", else nextAnswer
    bool AskToGoOn(const QString &text) override
    {
        questions << text;
        return GoOn ? GoOn(text) : nextAnswer;
    }
    SaveAnswer AskSaveChanges(const QString &text, const QString &) override
    {
        saveQuestions << text;
        return nextSaveAnswer;
    }
    // A write over a window never read: Write unless a test says otherwise.
    UnreadAnswer nextUnreadAnswer = UnreadAnswer::Write;
    QStringList unreadQuestions;
    UnreadAnswer AskWriteUnread(const QString &text) override
    {
        unreadQuestions << text;
        return nextUnreadAnswer;
    }
    QString AskOpenFileName(QWidget *, const QString &, const QString &) override { return nextFileName; }
    QString nextCablePort; // what "Find cable..." finds
    QString FindCablePort(QWidget *, const PortLister &, const std::function<QStringList()> &) override
    {
        return nextCablePort;
    }
    bool nextOption = false;
    QStringList options; // the check boxes offered with a file
    QString AskOpenFileNameWithOption(QWidget *, const QString &, const QString &, const QString &option,
                                      bool *checked) override
    {
        options << option;
        *checked = nextOption;
        return nextFileName;
    }
    QString AskSaveFileName(QWidget *, const QString &, const QString &) override { return nextFileName; }
    QStringList printed; // the documents shown for printing
    void PreviewAndPrint(QWidget *, const QString &html, bool) override { printed << html; }
};

} // namespace lumora::test
