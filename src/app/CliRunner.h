#pragma once
// lumora-cli's work: drives the main window, unseen, through the very
// handlers its buttons call, and reports on the standard streams.

#include "backup/RadioBackupRun.h"
#include "backup/RadioHistory.h"
#include "protocol/AreaNames.h"
#include "ui/UserDialogs.h"

#include <QElapsedTimer>
#include <QMetaObject>
#include <QString>
#include <QStringList>
#include <QPair>
#include <QVector>
#include <functional>

class QEventLoop;
class QTextStream;
class QTimer;

namespace lumora {

// Standard output and standard error, one stream each for the whole program.
QTextStream &CliOut();
QTextStream &CliErr();

class TForm1;
class TSignallingForm;
struct ToolWindows;

class CliRunner : public IUserDialogs {
public:
    struct Request {
        QString verb;           // ports, doctor, read, write, ...
        QString area = area::Main; // main, dtmf, 2tone, 5tone, fsk
        QString port;
        QString file;           // read: --output, write: the file to write (.wh or .json);
                                // import-csv, export-csv: the file to convert
        QString output;         // import-csv, export-csv: --output
        int timeoutSeconds = 60;
        bool verify = false;    // write: read the area back and compare
        bool strict = false;    // import-csv: a skipped row fails the import
        bool json = false;      // ports, doctor, diff: JSON on standard output
        bool keepIdentity = false; // restore, fleet: the radio keeps its fleet, ID and DTMF ID code
        // fleet: the identities (--ids FILE.csv; --first-id N, --step S,
        // --dtmf-id-follows), how long to wait for a radio, the log.
        QString idsFile;
        int firstId = -1;
        int idStep = 1;
        bool dtmfIdFollows = false;
        int waitSeconds = 60;
        int radios = 0; // fleet --count: stop after so many radios (0: no limit)
        QString log;
        bool reportTime = false;
        // write: the frequency plan (a built-in plan's name or a plan
        // file) the channels are checked against, and whether a channel
        // that does not fit it stops the write
        QString plan;
        bool planStrict = false;
        // The radio history: kept unless noHistory (or the user's setting
        // says so); keepDays and keepCount (0: the user's setting) bound it.
        bool noHistory = false;
        int keepDays = 0, keepCount = 0;
        QString radio;        // history list --radio
        QStringList history;  // history: its words ("diff", SNAPSHOT, ...)
        QString page;         // print --page: A4 or Letter (empty: the locale's)
        bool find = false;    // ports --find: the port of the cable plugged in again
        QString report;       // doctor --report: the diagnostic report's file
    };

    // Files named "-" are standard input and output; an output that is a
    // pipe or a device is written straight through once the command is done.
    int run(const Request &request);

    // IUserDialogs: boxes become lines on stdout and stderr.
    void ShowMessage(const QString &text) override;
    void ShowError(const QString &text, const QString &detail) override;
    bool AskYesNo(const QString &) override { return false; } // nothing is asked unseen
    SaveAnswer AskSaveChanges(const QString &, const QString &) override { return SaveAnswer::Discard; }
    QString AskOpenFileName(QWidget *, const QString &, const QString &) override { return {}; }
    QString AskSaveFileName(QWidget *, const QString &, const QString &) override { return {}; }

    // What the commands run on (each command in src/app/cli).
    static constexpr int kFailed = -1; // an error, whatever the command calls it
    bool Failed() const { return failed_; }
    // One transfer, run to its end; false when it failed or timed out.
    bool RunMain(TForm1 &form, bool reading, const Request &request);
    bool RunArea(TForm1 &form, TSignallingForm &window, bool reading, const Request &request);
    // A settings file into the window, with the radio's bytes it keeps.
    void LoadSettings(TSignallingForm &window, const Request &request);
    // Lists the differences; 0 when there are none, else 1.
    int Report(const Request &request, const QStringList &differences);
    // What a read saved cannot write back, on standard error.
    static void WarnNotWrittenBack(const QStringList &lines);
    int BackupOrRestore(ToolWindows &windows, const Request &request);
    // A snapshot of the radio history into the radio (history restore).
    int RestoreSnapshot(ToolWindows &windows, const Request &request, const QString &file, const QString &origin);
    // The user's history settings with the request's bounds over them.
    static HistorySettings HistoryOf(const Request &request);
    // One radio after another on the port (CliFleet.cpp).
    int Fleet(ToolWindows &windows, const Request &request);

private:
    int runRequest(const Request &request);
    // A settings file whose texts no longer show the bytes it keeps.
    static void warnEdited(const QString &area, const QStringList &lines);
    // The run to its end (and with verify the read-back): 0, or kFailed.
    int runBackupOrRestore(TForm1 &form, ToolWindows &windows, const Request &request,
                           const std::function<void(RadioBackupRun &)> &setUp, QStringList *differences);
    // Calls start, then waits until completed holds (set through the end
    // signal's connection ended, which is let go at the end).
    bool runUntilEnd(const Request &request, const QMetaObject::Connection &ended, const bool &completed,
                     const std::function<void()> &start);
    void reportTime(const Request &request, const char *what, const QElapsedTimer &clock);
    // Runs the events until ended() holds, an error was shown, or the
    // request's timeout (reported); the transfers' end signals and the
    // error boxes wake it. True when ended.
    bool waitForEnd(const Request &request, const std::function<bool()> &ended);

    void wakeUp(); // the wait for a transfer's end looks again at once
    void stillGoing(); // a run's next transfer began: its timeout starts again
    QEventLoop *loop_ = nullptr;
    QTimer *timeout_ = nullptr;
    bool failed_ = false;
    bool dataOnStdout_ = false; // messages then go to standard error
    Request request_;           // the one running, for its errors' subject
    // Scratch files stand for standard input and output, pipes and devices:
    // messages name what the user named.
    QVector<QPair<QString, QString>> scratchNames_;
    QString asTheUserNamedIt(QString text) const;
    // Success messages held until what they say is proven (a verify's
    // comparison, a streamed output given out), then said or dropped.
    // What the write under way has put into the radio, for a timeout's message.
    std::function<QString()> holds_;
    bool holding_ = false;
    QStringList held_;
    void releaseHeld();
    // The scratch file made in place of a pipe or device, given out: 0, or 1.
    int giveOutput(const QString &target, const QString &made);
    // False (and said) when standard output could not take what was printed.
    bool outputWritten(const Request &request);
};

} // namespace lumora
