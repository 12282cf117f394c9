#pragma once
// A fleet run: one template (a backup file) into one radio after another on
// one port, each with its identity: written, read back and compared byte for
// byte, one log row a radio. The window and lumora-cli drive it alike: they
// say when the next radio is on the cable (ProgramNext), it says when that
// radio is done (RadioDone). A radio that fails passes its identity on.

#include "backup/FleetIdentities.h"
#include "backup/FleetLog.h"
#include "backup/RadioBackupRun.h"

#include <QObject>
#include <QPointer>
#include <memory>
#include <optional>

namespace lumora {

class TForm1;

struct FleetSetup {
    QString templateFile; // a backup file
    QString logFile;      // empty: no log
    enum class Identities { KeepOwn, List, Counting } identities = Identities::KeepOwn;
    QString idsFile;      // List: columns Fleet, ID, DTMF ID
    int firstId = 1;      // Counting: FleetSync IDs first, first + step, ...
    int step = 1;
    bool dtmfIdFollows = false;
};

class FleetRun : public QObject, private PassingDialogs {
    Q_OBJECT
public:
    // Checks the list, the template (whole, every block encoded: the windows
    // then hold it) and the log, before any radio; throws what is wrong.
    FleetRun(TForm1 &form1, const SignallingAreas &areas, const FleetSetup &setup);
    ~FleetRun() override;

    // The identity the next radio gets (empty values: its own, or the
    // template's); none when the list has run out.
    std::optional<FleetIdentity> NextIdentity() const;
    int NextRadio() const { return log_.LastRadio() + 1; }
    // Programs the radio on the port now; RadioDone follows, also for a
    // radio refused before anything was sent.
    void ProgramNext();
    bool Programming() const { return run_ != nullptr; }
    // Who answers on the port now, told by what it holds (the blocks of the
    // identity and the options): nobody, the radio just written and
    // verified (while it holds just that, restarted or not), another radio,
    // or a radio whose answers were incomplete. Nothing is written.
    enum class OnTheCable { Nobody, LastRadio, NewRadio, Unclear };
    OnTheCable LookAtCable() const;
    // The radio under way fails for this reason (the user stopped it, or it
    // took too long).
    void Cancel(const QString &reason);
    int Radios() const { return radios_; }
    // The last radio's row could not be logged: the run goes no further.
    bool LogFailed() const { return logFailed_; }
    // What reading the log found to say (a row cut short), or empty.
    QString LogNotice() const { return log_.Notice(); }
    int Failures() const { return failures_; }
    const FleetSetup &Setup() const { return setup_; }
    // Each radio read first and kept in the radio history, and kept again
    // once written and read back (null: neither).
    void KeepHistory(HistoryKeeper *keeper) { history_ = keeper; }
    // "Radio 3 on PORT: Fleet 100, ID 501, DTMF ID 77: written and verified"
    static QString LineOf(const FleetLogRow &row);
    // "as Fleet 100, ID 501, DTMF ID 77", "as ID 501 (the rest as the
    // template has it)", or "keeping its own identity"
    static QString IdentityText(const FleetIdentity &identity);

signals:
    void RadioDone(const lumora::FleetLogRow &row);
    void StillGoing(); // a radio's next area begins

private:
    // IUserDialogs while a radio is programmed: its line says what
    // happened, so no box stops the run.
    void ShowMessage(const QString &) override {}
    void ShowError(const QString &text, const QString &detail) override;

    void radioEnded(bool completed);

    TForm1 &form1_;
    SignallingAreas areas_;
    FleetSetup setup_;
    FleetLog log_;
    FleetIdentities plan_ = FleetIdentities::KeepOwn();
    std::unique_ptr<RadioBackupRun> run_;
    QPointer<HistoryKeeper> history_;
    FleetIdentity planned_; // the identity of the radio under way
    std::vector<Payload> lastHeld_; // what the last verified radio holds in the telling blocks
    QString error_;         // the first error of the radio under way
    bool started_ = false; // the radio under way got past the template's check
    bool ending_ = false;
    bool logFailed_ = false;
    int radios_ = 0, failures_ = 0;
};

} // namespace lumora
