// The radio history in the windows: the keeper listening to every
// transfer, "Radio history..." and "Undo last write".

#include "app/ToolWindows.h"

#include "backup/RadioHistoryWindow.h"
#include "memory/Errors.h"
#include "memory/MemoryComparison.h"
#include "protocol/MainMemoryFrames.h"
#include "ui/TXStringGrid.h"
#include "ui/UserDialogs.h"

#include <QAction>
#include <QFileInfo>
#include <QLocale>
#include <QMenu>
#include <QStatusBar>

namespace lumora {

void ToolWindows::addHistoryCommands(QMenu *menu, QAction *before)
{
    RadioHistory1 = new QAction(tr("Radio &history..."), menu);
    UndoLastWrite1 = new QAction(tr("&Undo last write"), menu);
    UndoLastWrite1->setEnabled(false); // nothing written yet
    QObject::connect(RadioHistory1, &QAction::triggered, Form1.get(), [this] { HistoryClick(); });
    QObject::connect(UndoLastWrite1, &QAction::triggered, Form1.get(), [this] { UndoLastWriteClick(); });
    menu->insertActions(before, {RadioHistory1, UndoLastWrite1});
    menuActions_.push_back(RadioHistory1);
    menuActions_.push_back(UndoLastWrite1);
    HistoryFolder = RadioHistory::DefaultFolder();
}

void ToolWindows::KeepHistory(const QString &folder, bool keep)
{
    HistoryFolder = folder;
    History.reset();
    if (!keep)
        return;
    History = std::make_unique<HistoryKeeper>(*Form1, Areas(), folder);
    QObject::connect(History.get(), &HistoryKeeper::NotKept, Form1.get(), [this](const QString &why) {
        Form1->StatusBar1->showMessage(tr("History is not being kept: %1").arg(why));
    });
    QObject::connect(History.get(), &HistoryKeeper::Kept, Form1.get(), [this] {
        showUndoLastWrite();
        if (auto *window = dynamic_cast<RadioHistoryWindow *>(historyWindow_.get()))
            window->Refresh();
    });
    QObject::connect(History.get(), &HistoryKeeper::WriteNoted, Form1.get(), [this] { showUndoLastWrite(); });
}

void ToolWindows::showUndoLastWrite()
{
    const std::optional<SnapshotInfo> target = History ? History->UndoTarget() : std::nullopt;
    UndoLastWrite1->setEnabled(target.has_value());
    // The snapshot by what it came from and when; the radio in the status tip.
    UndoLastWrite1->setText(target ? tr("&Undo last write (back to the %1 of %2)")
                                             .arg(ShownOrigin(target->origin), QLocale().toString(target->time.toLocalTime().time(),
                                                                                     QStringLiteral("HH:mm:ss")))
                                   : tr("&Undo last write"));
    UndoLastWrite1->setStatusTip(target ? tr("Writes back %1 as it was then.").arg(target->RadioText()) : QString());
}

AreaSettings ToolWindows::AllSettings() const
{
    AreaSettings all{{area::Main, MainMemorySettings(*Form1->xg, Form1->Options())}};
    for (const auto &[name, window] : Areas())
        all << qMakePair(name, window->Settings());
    return all;
}

QVector<int> ToolWindows::BlockCounts() const
{
    QVector<int> counts{kMainBlockCount};
    for (const auto &area : Areas())
        counts << area.second->BlockCount();
    return counts;
}

void ToolWindows::HistoryClick()
{
    if (!historyWindow_) {
        RadioHistoryWindow::Hooks hooks;
        hooks.shapes = [this] { return AllSettings(); };
        hooks.blockCounts = [this] { return BlockCounts(); };
        hooks.now = [this] { // as a write of the table and the windows would send them
            Snapshot now;
            now.areas << qMakePair(area::Main, MainMemorySettings(*Form1->xg, Form1->Options()));
            now.bytes << Form1->WriteBlocks();
            for (const auto &[name, window] : Areas()) {
                now.areas << qMakePair(name, window->Settings());
                now.bytes << window->EncodeArea();
            }
            return now;
        };
        hooks.restore = [this](const QString &file, const QString &label) {
            try {
                RestoreSnapshot(file, QStringLiteral("restore of the snapshot %1").arg(label.section(QLatin1Char(' '), 0, 1)));
            } catch (const std::exception &e) {
                ShowException(e);
            }
        };
        auto *window = new RadioHistoryWindow(HistoryFolder, hooks, HistorySettings::Load(), Form1.get());
        QObject::connect(window, &RadioHistoryWindow::SettingsChanged, Form1.get(),
                         [this](const HistorySettings &settings) {
                             settings.Save();
                             if (settings.keep != (History != nullptr))
                                 KeepHistory(HistoryFolder, settings.keep);
                         });
        historyWindow_.reset(window);
    }
    static_cast<RadioHistoryWindow *>(historyWindow_.get())->Refresh();
    historyWindow_->show();
    historyWindow_->raise();
    historyWindow_->activateWindow();
}

void ToolWindows::RestoreSnapshot(const QString &file, const QString &origin, std::function<QString()> check)
{
    if (!askAboutSignallingEdits([this, file, origin, check] { RestoreSnapshot(file, origin, check); })
        || !Form1->AskToSaveChanges())
        return; // the restore puts the snapshot into the table and the windows
    startRun(RadioBackupRun::Kind::Restore, file, false, [&](RadioBackupRun &run) {
        run.PermitSomeAreas(true);
        run.Verify(true); // read back, every area written
        if (History)
            run.KeepHistory(History.get(), origin);
        if (check)
            run.CheckRadio(check);
    });
}

void ToolWindows::UndoLastWriteClick()
{
    const std::optional<SnapshotInfo> target = History ? History->UndoTarget() : std::nullopt;
    if (!target)
        throw ELumoraError(tr("There is no write of this run to undo, or no snapshot from before it."));
    const QPointer<HistoryKeeper> keeper = History.get();
    RestoreSnapshot(target->file, QStringLiteral("undo of the last write"), [keeper] {
        return keeper ? keeper->NotTheRadioWritten() : tr("the radio history was turned off");
    });
}

} // namespace lumora
