#pragma once
// The signalling windows, created after the main window in their order
// (DTMF, 2TONE, 5TONE, FleetSync) and handed to it: its "Signa" entries
// show them and its receive handler routes their answers.

#include "signalling/RadioBackupRun.h"
#include "signalling/TForm2.h"
#include "signalling/TForm4.h"
#include "signalling/TForm5.h"
#include "signalling/TForm6.h"

#include <memory>
#include <vector>

class QAction;

namespace lumora {

class TForm1;

struct SignallingWindows {
    explicit SignallingWindows(TForm1 &form1);
    ~SignallingWindows();
    std::unique_ptr<TForm2> Form2; // DTMF
    std::unique_ptr<TForm4> Form4; // 2TONE
    std::unique_ptr<TForm5> Form5; // 5TONE
    std::unique_ptr<TForm6> Form6; // FleetSync
    // The areas by the names their files and lumora-cli use, in order.
    std::vector<std::pair<QString, TSignallingForm *>> Areas() const;
    TSignallingForm *Area(const QString &name) const; // or null
    // "Back up radio..." and "Restore radio..." of the main window's "File" menu.
    void BackupClick();
    void RestoreClick();
    std::unique_ptr<RadioBackupRun> Run; // the one under way, if any

private:
    void startRun(RadioBackupRun::Kind kind, const QString &fileName);
    TForm1 &form1_;
    std::vector<QAction *> menuActions_;
};

} // namespace lumora
