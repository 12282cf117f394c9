#pragma once
// The one seam through which the tool talks to the user in boxes and file
// dialogs. The windows call the free functions; tests and the command-line
// tool install their own IUserDialogs to capture instead of blocking.

#include "serial/PortList.h"

#include <QString>
#include <QStringList>
#include <exception>
#include <functional>
#include <optional>
#include <utility>

class QWidget;

namespace lumora {

class IUserDialogs {
public:
    virtual ~IUserDialogs() = default;
    virtual void ShowMessage(const QString &text) = 0;
    // A message with a list too long for a box: the list behind "Show
    // Details...". Elsewhere (tests, lumora-cli) the one text with the list.
    virtual void ShowList(const QString &text, const QString &list)
    {
        ShowMessage(list.isEmpty() ? text : text + QLatin1Char('\n') + list);
    }
    // "About LUMORA": the text, and a way to the third-party licences.
    virtual void ShowAbout(const QString &text) { ShowMessage(text); }
    // An error box: the text (already with its period) and a detail text.
    virtual void ShowError(const QString &text, const QString &detail) = 0;
    // A question with Yes and No; true for Yes. No is the default answer.
    virtual bool AskYesNo(const QString &text) = 0;
    // A step the user takes before going on (connecting a radio): OK, the
    // default answer (Enter), or Cancel; true for OK.
    virtual bool AskToGoOn(const QString &text) { return AskYesNo(text); }
    // "Save changes?" over unsaved edits: Save, Discard or Cancel (the
    // default answer is Save; Escape is Cancel).
    enum class SaveAnswer { Save, Discard, Cancel };
    virtual SaveAnswer AskSaveChanges(const QString &text, const QString &detail) = 0;
    // The same for edits that only the radio keeps: Write, Discard or
    // Cancel, Save standing for Write.
    virtual SaveAnswer AskWriteChanges(const QString &text) { return AskSaveChanges(text, QString()); }
    // A write over what a window started with, never read from the radio:
    // Read first (the default answer), Write or Cancel (Escape).
    enum class UnreadAnswer { ReadFirst, Write, Cancel };
    virtual UnreadAnswer AskWriteUnread(const QString &) { return UnreadAnswer::Cancel; }
    // Two channels (1 to count) to swap, a and b proposed; none when cancelled.
    virtual std::optional<std::pair<int, int>> AskChannelsToSwap(QWidget *parent, int a, int b, int count)
    {
        (void)parent;
        (void)count;
        return std::make_pair(a, b);
    }
    // A document shown as it will print, with the printer's settings and
    // a way to print it (the tests note it instead).
    virtual void PreviewAndPrint(QWidget *parent, const QString &html, bool landscape)
    {
        (void)parent;
        (void)html;
        (void)landscape;
    }
    // "Find cable...": the port of the cable the user plugs in again, from
    // the ports lister lists (traps: what to say when none comes back);
    // empty when none was found or the user cancelled.
    using PortLister = std::function<QVector<SerialPortEntry>()>;
    virtual QString FindCablePort(QWidget *parent, const PortLister &lister, const std::function<QStringList()> &traps)
    {
        (void)parent;
        (void)lister;
        (void)traps;
        return QString();
    }
    // Empty when cancelled.
    virtual QString AskOpenFileName(QWidget *parent, const QString &filter, const QString &suffix) = 0;
    virtual QString AskSaveFileName(QWidget *parent, const QString &filter, const QString &suffix) = 0;
    // The same with a check box under the file list, showing and giving
    // back *checked.
    virtual QString AskOpenFileNameWithOption(QWidget *parent, const QString &filter, const QString &suffix,
                                              const QString &option, bool *checked)
    {
        (void)option;
        (void)checked;
        return AskOpenFileName(parent, filter, suffix);
    }
};

// A seam put in front of another for a while (a run that holds back the
// boxes of its transfers): whatever it does not override goes on to Outer.
class PassingDialogs : public IUserDialogs {
public:
    void ShowMessage(const QString &text) override { Outer->ShowMessage(text); }
    void ShowAbout(const QString &text) override { Outer->ShowAbout(text); }
    void ShowError(const QString &text, const QString &detail) override { Outer->ShowError(text, detail); }
    bool AskYesNo(const QString &text) override { return Outer->AskYesNo(text); }
    bool AskToGoOn(const QString &text) override { return Outer->AskToGoOn(text); }
    SaveAnswer AskSaveChanges(const QString &t, const QString &d) override { return Outer->AskSaveChanges(t, d); }
    SaveAnswer AskWriteChanges(const QString &text) override { return Outer->AskWriteChanges(text); }
    UnreadAnswer AskWriteUnread(const QString &text) override { return Outer->AskWriteUnread(text); }
    std::optional<std::pair<int, int>> AskChannelsToSwap(QWidget *p, int a, int b, int count) override
    {
        return Outer->AskChannelsToSwap(p, a, b, count);
    }
    void PreviewAndPrint(QWidget *p, const QString &html, bool landscape) override
    {
        Outer->PreviewAndPrint(p, html, landscape);
    }
    QString FindCablePort(QWidget *p, const PortLister &lister, const std::function<QStringList()> &traps) override
    {
        return Outer->FindCablePort(p, lister, traps);
    }
    QString AskOpenFileName(QWidget *p, const QString &f, const QString &s) override
    {
        return Outer->AskOpenFileName(p, f, s);
    }
    QString AskSaveFileName(QWidget *p, const QString &f, const QString &s) override
    {
        return Outer->AskSaveFileName(p, f, s);
    }
    QString AskOpenFileNameWithOption(QWidget *p, const QString &f, const QString &s, const QString &option,
                                      bool *checked) override
    {
        return Outer->AskOpenFileNameWithOption(p, f, s, option, checked);
    }

protected:
    IUserDialogs *Outer = nullptr;
};

// Installs a seam (null: the real boxes and dialogs again).
void SetUserDialogs(IUserDialogs *dialogs);
IUserDialogs &UserDialogs();

// The window a box belongs to: a shown window that stays on top (the
// progress dialog) if there is one, so that the box comes up in front of
// it where the user sees it; else the active window.
QWidget *MessageBoxParent();

void ShowMessage(const QString &text);
void ShowList(const QString &text, const QString &list);
// The error of an exception: its text, with a period appended when it ends
// in a character above "." (a Chinese full stop after Chinese text that
// its own punctuation does not end); the serial port's system reason as detail.
void ShowException(const std::exception &error);
QString ErrorBoxText(const QString &text);

} // namespace lumora
