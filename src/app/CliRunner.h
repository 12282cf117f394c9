#pragma once
// lumora-cli's work: drives the main window, unseen, through the very
// handlers its buttons call, and reports on the standard streams.

#include "protocol/AreaNames.h"
#include "ui/UserDialogs.h"

#include <QElapsedTimer>
#include <QMetaObject>
#include <QString>
#include <QStringList>
#include <functional>

class QEventLoop;

namespace lumora {

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
        bool reportTime = false;
    };

    int run(const Request &request);

    // IUserDialogs: boxes become lines on stdout and stderr.
    void ShowMessage(const QString &text) override;
    void ShowError(const QString &text, const QString &detail) override;
    bool AskYesNo(const QString &) override { return false; } // nothing is asked unseen
    SaveAnswer AskSaveChanges(const QString &, const QString &) override { return SaveAnswer::Discard; }
    QString AskOpenFileName(QWidget *, const QString &, const QString &) override { return {}; }
    QString AskSaveFileName(QWidget *, const QString &, const QString &) override { return {}; }

private:
    static void warnNotWrittenBack(const QStringList &lines);
    int transfer(TForm1 &form, const Request &request);
    int convertCsv(TForm1 &form, const Request &request);
    int backupOrRestore(TForm1 &form, ToolWindows &windows, const Request &request);
    // One transfer, run to its end; false when it failed or timed out.
    bool runMain(TForm1 &form, bool reading, const Request &request);
    bool runArea(TForm1 &form, TSignallingForm &window, bool reading, const Request &request);
    // Calls start, then waits until completed holds (set through the end
    // signal's connection ended, which is let go at the end).
    bool runUntilEnd(const Request &request, const QMetaObject::Connection &ended, const bool &completed,
                     const std::function<void()> &start);
    void reportTime(const Request &request, const char *what, const QElapsedTimer &clock);
    // Lists the differences; 0 when there are none, else 1.
    int report(const Request &request, const QStringList &differences);
    static constexpr int kFailed = -1; // an error, whatever the verb calls it
    int transferSignalling(TForm1 &form, TSignallingForm &window, const Request &request);
    // Runs the events until ended() holds, an error was shown, or the
    // request's timeout (reported); the transfers' end signals and the
    // error boxes wake it. True when ended.
    bool waitForEnd(const Request &request, const std::function<bool()> &ended);

    void wakeUp(); // the wait for a transfer's end looks again at once
    QEventLoop *loop_ = nullptr;
    bool failed_ = false;
};

} // namespace lumora
