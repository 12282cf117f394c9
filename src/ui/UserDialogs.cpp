#include "ui/UserDialogs.h"

#include "ui/FindCableDialog.h"

#include "memory/Errors.h"
#include "serial/ECommsError.h"
#include "serial/PortAccess.h"
#include "ui/DocumentPrinter.h"
#include "ui/FindCableDialog.h"
#include "ui/LicencesDialog.h"
#include "ui/SwapChannelsDialog.h"
#include "ui/ToolTexts.h"

#include <QCoreApplication>
#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>
#include <cerrno>
#include <cstring>

namespace lumora {

namespace {
struct DialogTexts {
    Q_DECLARE_TR_FUNCTIONS(DialogTexts)
};
} // namespace

namespace {

// The application's title; not Qt's display name, which the window
// system would append to every window's caption ("DTMF" stays "DTMF").
QString title() { return ToolTitle(); }


// Wide enough that the window manager shows the whole title, not "LU...0".
void widenForTitle(QMessageBox &box)
{
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout()))
        grid->addItem(new QSpacerItem(260, 0, QSizePolicy::Minimum, QSizePolicy::Expanding), grid->rowCount(), 0,
                      1, grid->columnCount());
}

class RealDialogs : public IUserDialogs {
public:
    void ShowMessage(const QString &text) override
    {
        QMessageBox box(QMessageBox::NoIcon, title(), text, QMessageBox::Ok, MessageBoxParent());
        widenForTitle(box);
        box.exec();
    }
    void ShowAbout(const QString &text) override
    {
        QMessageBox box(QMessageBox::NoIcon, title(), text, QMessageBox::Ok, MessageBoxParent());
        QPushButton *licences = box.addButton(DialogTexts::tr("&Licences..."), QMessageBox::ActionRole);
        box.setDefaultButton(QMessageBox::Ok);
        widenForTitle(box);
        // Every button closes a message box: the licences' button opens them
        // and the box comes back, as if it had stayed.
        for (;;) {
            box.exec();
            if (box.clickedButton() != licences)
                return;
            ShowLicences(&box);
        }
    }
    void ShowList(const QString &text, const QString &list) override
    {
        QMessageBox box(QMessageBox::Information, title(), text, QMessageBox::Ok, MessageBoxParent());
        box.setDetailedText(list);
        widenForTitle(box);
        box.exec();
    }
    void ShowError(const QString &text, const QString &detail) override
    {
        QMessageBox box(QMessageBox::Critical, title(), text, QMessageBox::Ok, MessageBoxParent());
        if (!detail.isEmpty())
            box.setInformativeText(detail);
        widenForTitle(box);
        box.exec();
    }
    bool AskYesNo(const QString &text) override
    {
        QMessageBox box(QMessageBox::Warning, title(), text, QMessageBox::Yes | QMessageBox::No,
                        MessageBoxParent());
        box.setDefaultButton(QMessageBox::No);
        widenForTitle(box);
        return box.exec() == QMessageBox::Yes;
    }
    bool AskToGoOn(const QString &text) override
    {
        QMessageBox box(QMessageBox::Information, title(), text, QMessageBox::Ok | QMessageBox::Cancel,
                        MessageBoxParent());
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Cancel);
        widenForTitle(box);
        return box.exec() == QMessageBox::Ok;
    }
    SaveAnswer AskSaveChanges(const QString &text, const QString &detail) override
    {
        return askKeepChanges(text, detail, DialogTexts::tr("&Save"));
    }
    SaveAnswer AskWriteChanges(const QString &text) override
    {
        return askKeepChanges(text, QString(), DialogTexts::tr("&Write"));
    }
    UnreadAnswer AskWriteUnread(const QString &text) override
    {
        QMessageBox box(QMessageBox::Warning, title(), text, QMessageBox::NoButton, MessageBoxParent());
        QPushButton *readFirst = box.addButton(DialogTexts::tr("&Read first"), QMessageBox::AcceptRole);
        QPushButton *write = box.addButton(DialogTexts::tr("&Write"), QMessageBox::DestructiveRole);
        QPushButton *cancel = box.addButton(DialogTexts::tr("&Cancel"), QMessageBox::RejectRole);
        box.setDefaultButton(readFirst);
        box.setEscapeButton(cancel);
        widenForTitle(box);
        box.exec();
        return box.clickedButton() == readFirst ? UnreadAnswer::ReadFirst
               : box.clickedButton() == write   ? UnreadAnswer::Write
                                                : UnreadAnswer::Cancel;
    }
    void PreviewAndPrint(QWidget *parent, const QString &html, bool landscape) override
    {
        PreviewAndPrintDocument(dialogParent(parent), html, landscape);
    }
    std::optional<std::pair<int, int>> AskChannelsToSwap(QWidget *parent, int a, int b, int count) override
    {
        return AskChannelsToSwapInDialog(dialogParent(parent), a, b, count);
    }
    QString FindCablePort(QWidget *parent, const PortLister &lister, const std::function<QStringList()> &traps) override
    {
        FindCableDialog dialog(lister, traps, dialogParent(parent));
        return dialog.exec() == QDialog::Accepted ? dialog.Found().name : QString();
    }
    QString AskOpenFileName(QWidget *parent, const QString &filter, const QString &suffix) override
    {
        return ask(parent, filter, suffix, QFileDialog::AcceptOpen);
    }
    QString AskSaveFileName(QWidget *parent, const QString &filter, const QString &suffix) override
    {
        return ask(parent, filter, suffix, QFileDialog::AcceptSave);
    }
    QString AskOpenFileNameWithOption(QWidget *parent, const QString &filter, const QString &suffix,
                                      const QString &option, bool *checked) override
    {
        QFileDialog dialog(dialogParent(parent), QString(), QString(), filter);
        dialog.setOption(QFileDialog::DontUseNativeDialog); // a native one takes no check box
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setDefaultSuffix(suffix);
        dialog.setFileMode(QFileDialog::ExistingFile);
        auto *box = new QCheckBox(option, &dialog);
        box->setChecked(*checked);
        if (auto *grid = qobject_cast<QGridLayout *>(dialog.layout()))
            grid->addWidget(box, grid->rowCount(), 0, 1, grid->columnCount());
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        *checked = box->isChecked();
        return dialog.selectedFiles().first();
    }

private:
    // Keep (Save or Write), Discard or Cancel, each with its Alt key; Enter
    // keeps, Escape cancels.
    static SaveAnswer askKeepChanges(const QString &text, const QString &detail, const QString &keep)
    {
        QMessageBox box(QMessageBox::Warning, title(), text,
                        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, MessageBoxParent());
        if (!detail.isEmpty())
            box.setInformativeText(detail);
        box.button(QMessageBox::Save)->setText(keep);
        box.button(QMessageBox::Discard)->setText(DialogTexts::tr("&Discard"));
        box.button(QMessageBox::Cancel)->setText(DialogTexts::tr("&Cancel"));
        box.setDefaultButton(QMessageBox::Save);
        box.setEscapeButton(QMessageBox::Cancel);
        widenForTitle(box);
        switch (box.exec()) {
        case QMessageBox::Save: return SaveAnswer::Save;
        case QMessageBox::Discard: return SaveAnswer::Discard;
        default: return SaveAnswer::Cancel;
        }
    }
    // A window that stays on top (a signalling window whose question led
    // here) would hide a dialog of the window below it: it is the parent.
    static QWidget *dialogParent(QWidget *parent)
    {
        QWidget *active = QApplication::activeWindow();
        if (active && active != parent && active->isVisible() && (active->windowFlags() & Qt::WindowStaysOnTopHint))
            return active;
        return parent;
    }
    static QString ask(QWidget *parent, const QString &filter, const QString &suffix,
                       QFileDialog::AcceptMode mode)
    {
        QFileDialog dialog(dialogParent(parent), QString(), QString(), filter);
        dialog.setAcceptMode(mode);
        dialog.setDefaultSuffix(suffix);
        dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                           : QFileDialog::AnyFile);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        return dialog.selectedFiles().first();
    }
};

IUserDialogs *installed = nullptr;

QString hintFor(const std::string &reason)
{
    // The system's words, in the language it speaks them in.
    if (reason == std::strerror(EACCES))
        return DialogTexts::tr("\nYour user may not use this serial port: it must be in the group "
                              "that owns the device, usually \"dialout\" (then log in again).");
    if (reason == std::strerror(EBUSY))
        return DialogTexts::tr("\nAnother program has the port open.");
    return QString();
}

} // namespace

QWidget *MessageBoxParent()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && (w->windowFlags() & Qt::WindowStaysOnTopHint) && !qobject_cast<QMessageBox *>(w))
            return w;
    return QApplication::activeWindow();
}

void SetUserDialogs(IUserDialogs *dialogs) { installed = dialogs; }

IUserDialogs &UserDialogs()
{
    static RealDialogs real;
    return installed ? *installed : real;
}

void ShowMessage(const QString &text) { UserDialogs().ShowMessage(text); }

void ShowList(const QString &text, const QString &list) { UserDialogs().ShowList(text, list); }

QString ErrorBoxText(const QString &text)
{
    if (text.isEmpty())
        return text;
    // A Chinese sentence ends in a Chinese full stop, unless its own
    // punctuation ends it already.
    if (std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x2E80; })) {
        static const QString closing = QString::fromUtf16(u"\u3002\uff01\uff1f\uff09\uff1a\uff1b\uff0c\u3001\u2026");
        return closing.contains(text.back()) || text.back().unicode() <= '.' ? text : text + QChar(0x3002);
    }
    if (text.back().unicode() > '.')
        return text + QLatin1Char('.');
    return text;
}

void ShowException(const std::exception &error)
{
    QString text = QString::fromStdString(error.what());
    QString detail;
    if (const auto *e = dynamic_cast<const ECommsError *>(&error))
        text = CommsErrorText(*e);
    if (const auto *e = dynamic_cast<const ELumoraError *>(&error)) {
        text = e->text();
        detail = e->detail();
    }
    if (const auto *e = dynamic_cast<const ECommsError *>(&error); e && !e->reason().empty())
        detail = QString::fromStdString(e->reason()) + hintFor(e->reason());
    UserDialogs().ShowError(ErrorBoxText(text), detail);
}

} // namespace lumora
