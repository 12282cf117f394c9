#pragma once
// The tool's windows, created in their order: the main window, then a
// window for each signalling area (DTMF, 2TONE, 5TONE, FleetSync), then
// the progress dialog. The
// signalling windows are handed to the main window (its "Signa" entries
// show them, its receive handler routes their answers), and "Back up
// radio...", "Restore radio..." and "Program several radios..." join its
// "File" menu. The tool,
// lumora-cli, the soak, the fuzz targets and the tests all build them here.

#include "backup/ChannelCard.h"
#include "backup/FleetRun.h"
#include "backup/HistoryKeeper.h"
#include "backup/RadioBackupRun.h"
#include "signalling/TForm2.h"
#include "signalling/TForm4.h"
#include "signalling/TForm5.h"
#include "signalling/TForm6.h"
#include "signalling/TSignallingForm.h"
#include "ui/TForm1.h"

#include <QCoreApplication>
#include "ui/TForm3.h"

#include <QSize>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class QMenu;

namespace lumora {

struct ToolWindows {
    Q_DECLARE_TR_FUNCTIONS(ToolWindows)

public:
    // screen: the screen the main window adapts to (default: the primary one).
    explicit ToolWindows(QSize screen = QSize());
    ~ToolWindows();
    ToolWindows(const ToolWindows &) = delete;
    ToolWindows &operator=(const ToolWindows &) = delete;

    std::unique_ptr<TForm1> Form1;
    // The signalling windows, one for each area in the areas' order.
    std::vector<std::unique_ptr<TSignallingForm>> Signalling;
    TForm2 *Form2 = nullptr; // DTMF
    TForm4 *Form4 = nullptr; // 2TONE
    TForm5 *Form5 = nullptr; // 5TONE
    TForm6 *Form6 = nullptr; // FleetSync
    std::unique_ptr<TForm3> Form3; // the main transfers' progress

    // The areas by the names their files and lumora-cli use, in order.
    SignallingAreas Areas() const;
    TSignallingForm *Area(const QString &name) const; // or null
    // "Back up radio..." and "Restore radio..." of the main window's "File" menu.
    void BackupClick();
    void RestoreClick();
    std::unique_ptr<RadioBackupRun> Run; // the one under way, if any
    // "Program several radios...": the setup asked for, then StartFleet.
    void FleetClick();
    // Asks for the first radio; after each radio its line and a question
    // for the next, until the user cancels or the identities run out.
    void StartFleet(const FleetSetup &setup);
    std::unique_ptr<FleetRun> Fleet; // the one under way, if any

    // The radio history (ToolWindowsHistory.cpp): every image the windows
    // read kept in folder while keep holds; "Radio history..." and "Undo
    // last write" of the "File" menu look into it either way.
    void KeepHistory(const QString &folder, bool keep);
    std::unique_ptr<HistoryKeeper> History; // null: no history is being kept
    QString HistoryFolder;
    void HistoryClick();
    QWidget *HistoryWindow() const { return historyWindow_.get(); } // once opened
    void UndoLastWriteClick();
    // A snapshot (or any backup file, also of some areas only) into the
    // radio through the restore's run: the radio read and kept first, then
    // check asked (nothing is written unless it answers empty).
    void RestoreSnapshot(const QString &file, const QString &origin, std::function<QString()> check = {});
    // Every area's settings (the main memory's first) and block count, in order.
    AreaSettings AllSettings() const;
    QVector<int> BlockCounts() const;
    QAction *RadioHistory1 = nullptr;
    QAction *UndoLastWrite1 = nullptr;

    // The channel card (ToolWindowsPrint.cpp): of the windows as they
    // stand, or of a backup file (throws EFOpenError); "Print..." shows it
    // in a preview, "Export PDF..." saves it.
    ChannelCard Card() const;
    ChannelCard CardOfBackup(const QString &fileName) const;
    void ExportPdfClick();
    QAction *Print1 = nullptr;
    QAction *ExportPdf1 = nullptr;

private:
    template <class Window>
    Window *windowOf() const
    {
        for (const auto &w : Signalling)
            if (auto *window = dynamic_cast<Window *>(w.get()))
                return window;
        return nullptr;
    }
    void addBackupCommands();
    // Each signalling window with edits not written asks about them; then
    // runs after a write they asked for.
    bool askAboutSignallingEdits(const std::function<void()> &then) const;
    void startRun(RadioBackupRun::Kind kind, const QString &fileName, bool keepIdentity = false,
                  const std::function<void(RadioBackupRun &)> &setUp = {});
    void addHistoryCommands(QMenu *menu, QAction *before);
    void addPrintCommands();
    void showUndoLastWrite(); // its entry names what it goes back to
    std::unique_ptr<QWidget> historyWindow_;
    void refuseIfARunIsUnderWay() const; // a backup, restore or fleet run
    void askForNextRadio(const QString &previous);
    void endFleet(const QString &previous, const QString &why);
    std::vector<QAction *> menuActions_;
};

} // namespace lumora
