#pragma once
// A backup or a restore of the whole radio from the window: the main
// memory and the four signalling areas one after another, under one
// progress dialog with Cancel. The transfers are the windows' own; their
// own success boxes are held back, and the run reports once at its end.

#include "backup/HistoryKeeper.h"
#include "backup/RadioBackupFile.h"
#include "signalling/TSignallingForm.h"
#include "ui/UserDialogs.h"

#include <QObject>
#include <QPointer>
#include <QProgressDialog>
#include <functional>
#include <map>
#include <vector>

namespace lumora {

class TForm1;
enum class TransferEnd;

class RadioBackupRun : public QObject, private PassingDialogs {
    Q_OBJECT
public:
    enum class Kind { Backup, Restore };
    RadioBackupRun(TForm1 &form1, const SignallingAreas &areas, Kind kind, const QString &fileName);
    ~RadioBackupRun() override;

    // A restore that keeps the target radio's identity: its FleetSync own
    // fleet and ID and its DTMF ID code are read first and written in place
    // of the file's.
    void KeepIdentity(bool keep) { keepIdentity_ = keep; }
    // One value of a radio's identity: its area, its settings key
    // ("Fleet[Own]", "ID[Own]", "ID Code") and its text.
    struct Identity {
        QString area, key, text;
    };
    // A restore that gives the radio this identity in place of the file's
    // (values not named stay as the file has them).
    void SetIdentity(const std::vector<Identity> &identity) { identity_ = identity; }
    // The identity the windows hold now: after a restore, the one written.
    std::vector<Identity> IdentityNow() const { return readIdentity(); }
    // Keeping the identity, the windows hold the radio's own only once it is read.
    bool IdentityKnown() const { return !keepIdentity_ || step_ >= 0; }
    static const QStringList &IdentityKeys(); // Fleet[Own], ID[Own], ID Code
    // A restore that reads all six areas back once written and lists, byte
    // for byte, what the radio does not hold as written (empty: all of it).
    void Verify(bool verify) { verify_ = verify; }
    // Keeps what the run reads in the radio history under origin ("backup",
    // "restore of FILE"); a restore then reads the whole radio first and
    // keeps it ("before restore of FILE") before the first byte is written.
    void KeepHistory(HistoryKeeper *keeper, const QString &origin)
    {
        history_ = keeper;
        origin_ = origin;
    }
    // A restore that reads first asks this once the radio is read: empty
    // when the restore may go on, else why it may not (nothing is written).
    void CheckRadio(std::function<QString()> check) { checkRadio_ = std::move(check); }
    // A restore of a file that holds some areas only (a snapshot): those
    // are written, the others left as the radio holds them.
    void PermitSomeAreas(bool permit) { somePermitted_ = permit; }
    const QStringList &Differences() const { return differences_; }
    // Checks (for a restore: the whole file, every block encoded) and
    // starts; throws what the check finds, with nothing sent.
    void Start();
    // A restore's check alone, nothing sent: the windows take the file
    // (and the identity), or throw what is wrong and stay as they were.
    void CheckFile() { takeFile(); }
    void Cancel();
    bool Running() const { return running_; }
    // A restore under way or stopped: what the radio holds of it ("main
    // memory and DTMF written; 2TONE stopped after 4 of 11 blocks; 5TONE and
    // FleetSync not written"); empty for a backup or before the first write.
    QString WrittenSoFarText() const;
    QProgressDialog *Progress() const { return progress_; }
    TSignallingForm *WindowOf(const QString &area) const; // null where this run has no such area

signals:
    void Finished(bool completed);
    void StepStarted(); // an area's transfer begins: the run is still going

private:
    // The transfers' own boxes during the run; their success boxes are
    // held back.
    void ShowMessage(const QString &text) override;
    void ShowError(const QString &text, const QString &detail) override;

    void mainTransferEnded(TransferEnd end);
    void next();
    // list: what stands behind the text (an edited area's values).
    void finish(bool completed, const QString &text, const QString &list = QString());
    AreaSettings allSettings() const;
    AreaBytes allBytes() const;        // what the last reads gave
    AreaBytes baselines() const;       // what the windows keep of the radio
    QVector<int> blockCounts() const;  // each area's
    // Takes each area's blocks from the file as read from the radio, and
    // says which areas the file's texts change.
    void takeBytes(const AreaBytes &bytes);
    QString editedAreasText() const;
    // "main memory" in the user's language; the signalling areas by their names.
    static QString shownArea(const QString &area);
    // The file into the windows, checked and encoded whole; throws, and
    // leaves the windows as they were, when it does not go.
    void takeFile();
    // The identity the windows hold, and the text that says it was kept.
    std::vector<Identity> readIdentity() const;
    void putIdentity();
    QString keptIdentityText() const;
    bool keepIdentity_ = false;
    bool verify_ = false;
    std::vector<TSignallingForm::WrittenArea> expectedAreas_;
    QStringList differences_;
    int lastStep() const; // the run's last step: the last area written, or read back
    std::vector<Identity> identity_; // read from the radio before the restore
    std::map<QString, Payload> radioIdentity_; // block 0 of DTMF and FleetSync as read, keeping the identity
    void keepIdentityBytes(AreaBytes &bytes); // into the file's blocks
    void checkIdentityBytes() const;          // throws when the blocks to write would not keep them
    TSignallingForm *windowOf(const QString &area) const { return WindowOf(area); }
    // Whether the file holds the area (0 the main memory, 1 to 4 the areas),
    // by name; a backup's run holds every area.
    bool holds(int index) const;
    bool holdsArea(const QString &area) const;
    QString someAreasText() const; // a file of some areas: which were not written
    void takeRadioIdentity(); // from the windows' reads of DTMF and FleetSync
    QPointer<HistoryKeeper> history_; // null again once history is turned off
    QString origin_;
    bool readFirst_ = false;
    std::function<QString()> checkRadio_;
    bool somePermitted_ = false;
    QStringList fileAreas_; // a restore's: the areas its file holds; empty: all

    TForm1 &form1_;
    SignallingAreas areas_;
    Kind kind_;
    QString fileName_;
    QStringList edited_; // a restore's areas whose texts the file changes
    bool someRestoredFromTexts_ = false; // an area of the file keeps none of its bytes
    int step_ = -1; // -1 before the start (-3 keeping the identity: -2 and -1 read it); 0 the main memory; 1 to 4 the areas;
                    // verifying, 5 the main memory and 6 to 9 the areas read back
    bool running_ = false;
    QPointer<QProgressDialog> progress_;
    std::vector<QMetaObject::Connection> connections_;
};

} // namespace lumora
