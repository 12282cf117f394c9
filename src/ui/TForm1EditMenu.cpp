// The Edit menu and the files of the main window: its entries act on the
// open edit or box that has the focus, else on the grid; the title names
// the file, and "Recent files" lists the last eight opened or saved.

#include "ui/TForm1.h"

#include "ui/TXStringGrid.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

namespace lumora {

namespace {
constexpr int kRecentFiles = 8;
}

void TForm1::buildEditMenu()
{
    EditMenu = menuBar()->addMenu(tr("&Edit"));
    // The keys are the grid's and the edit boxes' own: the menu shows them
    // and answers them only while it is open, so nothing takes them away.
    using EditCall = void (*)(QLineEdit *);
    auto entry = [this](const QString &text, const QKeySequence &key, EditCall inEdit, std::function<void()> inGrid) {
        QAction *a = EditMenu->addAction(text);
        a->setShortcut(key);
        a->setShortcutContext(Qt::WidgetShortcut);
        connect(a, &QAction::triggered, this, [this, inEdit, inGrid] {
            auto *edit = qobject_cast<QLineEdit *>(QApplication::focusWidget());
            if (edit && edit->window() == this)
                inEdit(edit);
            else
                inGrid();
        });
        return a;
    };
    Undo1 = entry(tr("&Undo"), QKeySequence::Undo, [](QLineEdit *e) { e->undo(); }, [this] { Undo(); });
    Redo1 = entry(tr("&Redo"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), [](QLineEdit *e) { e->redo(); },
                  [this] { Redo(); });
    EditMenu->addSeparator();
    Cut1 = entry(QStringLiteral("Cu&t"), QKeySequence::Cut, [](QLineEdit *e) { e->cut(); }, [this] { xg->CutSelection(); });
    Copy1 = entry(tr("&Copy"), QKeySequence::Copy, [](QLineEdit *e) { e->copy(); }, [this] { xg->CopySelection(); });
    Paste1 = entry(tr("&Paste"), QKeySequence::Paste, [](QLineEdit *e) { e->paste(); },
                   [this] { xg->PasteText(QGuiApplication::clipboard()->text()); });
    Delete1 = entry(tr("&Delete"), QKeySequence(Qt::Key_Delete), [](QLineEdit *e) { e->del(); },
                    [this] { xg->ClearSelection(); });
    EditMenu->addSeparator();
    SelectAll1 = entry(tr("Select &All"), QKeySequence::SelectAll, [](QLineEdit *e) { e->selectAll(); },
                       [this] { xg->SelectAll(); });
}

void TForm1::rememberFile(const QString &fileName)
{
    fileName_ = fileName;
    showModified();
    const QString path = QFileInfo(fileName).absoluteFilePath();
    recentFiles_.removeAll(path);
    recentFiles_.prepend(path);
    while (recentFiles_.size() > kRecentFiles)
        recentFiles_.removeLast();
    fillRecentMenu();
    emit RecentFilesChanged(recentFiles_);
}

void TForm1::setRecentFiles(const QStringList &files)
{
    recentFiles_ = files.mid(0, kRecentFiles);
    fillRecentMenu();
}

void TForm1::fillRecentMenu()
{
    RecentMenu->clear();
    for (int i = 0; i < recentFiles_.size(); ++i) {
        const QString file = recentFiles_[i];
        // &1 to &8: each entry its own key.
        RecentMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(file)), this,
                              [this, file] {
                                  MoveFocusOn();
                                  if (AskToSaveChanges())
                                      OpenChannelFile(file);
                              });
    }
    RecentMenu->setEnabled(!recentFiles_.isEmpty());
}

} // namespace lumora
