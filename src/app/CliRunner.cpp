#include "app/CliRunner.h"
#include "app/cli/CliCommand.h"

#include "app/CliTexts.h"
#include "app/ToolWindows.h"
#include "backup/FleetRun.h"
#include "memory/Errors.h"
#include "protocol/AreaNames.h"
#include "serial/ECommsError.h"
#include "serial/PortAccess.h"
#include "signalling/SettingsFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTextStream>
#include <QThread>
#include <QTimer>
#include <cstdio>
#include <utility>

namespace lumora {

QTextStream &CliOut()
{
    static QTextStream s(stdout);
    return s;
}

QTextStream &CliErr()
{
    static QTextStream s(stderr);
    return s;
}

namespace {

QTextStream &out() { return CliOut(); }
QTextStream &err() { return CliErr(); }

} // namespace

QString CliRunner::asTheUserNamedIt(QString text) const
{
    for (const auto &[scratch, named] : scratchNames_)
        text.replace(scratch, named);
    return text;
}

void CliRunner::ShowMessage(const QString &text)
{
    if (holding_) { // said once what it says is proven
        held_ << text;
        return;
    }
    (dataOnStdout_ ? err() : out()) << asTheUserNamedIt(text) << Qt::endl; // standard output may be the data
}

void CliRunner::releaseHeld()
{
    holding_ = false;
    for (const QString &text : std::exchange(held_, QStringList()))
        ShowMessage(text);
}

void CliRunner::wakeUp()
{
    if (loop_)
        QMetaObject::invokeMethod(loop_, [l = loop_] { l->quit(); }, Qt::QueuedConnection);
}

void CliRunner::stillGoing()
{
    if (timeout_) // each transfer of a run has the whole timeout
        timeout_->start();
}

void CliRunner::ShowError(const QString &text, const QString &detail)
{
    // Every line says whose it is and, where the text does not, which
    // device it concerns.
    QString subject;
    const QString named = text + detail;
    if (!request_.port.isEmpty() && !named.contains(request_.port)
        && (request_.file.isEmpty() || !named.contains(request_.file))
        && (request_.output.isEmpty() || !named.contains(request_.output)))
        subject = request_.port + QStringLiteral(": ");
    const QStringList lines = asTheUserNamedIt(text + (detail.isEmpty() ? QString() : QLatin1Char('\n') + detail))
                                      .split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i)
        err() << "lumora-cli: " << (i == 0 ? subject : QString()) << lines[i] << Qt::endl;
    failed_ = true;
    wakeUp();
}


int CliRunner::runRequest(const Request &request)
{
    const CliCommand &command = *FindCliCommand(request.verb);
    if (!command.NeedsWindows())
        return command.Run(*this, request);
    if (!area::All().contains(request.area)) {
        err() << "lumora-cli: " << Cli::tr("there is no %1 area").arg(request.area) << Qt::endl;
        return 2;
    }
    SetUserDialogs(this);
    int status = 1;
    {
        ToolWindows windows(QSize(1920, 1080)); // unseen
        TForm1 &form = *windows.Form1;
        form.SelectPort(request.port);
        const HistorySettings history = HistoryOf(request);
        windows.KeepHistory(RadioHistory::DefaultFolder(), history.keep);
        RadioHistory(windows.HistoryFolder).PruneIfDue(history.bounds, QDateTime::currentDateTimeUtc());
        if (windows.History) {
            QObject::connect(windows.History.get(), &HistoryKeeper::NotKept, windows.History.get(),
                             [](const QString &why) {
                                 err() << "lumora-cli: " << Cli::tr("history is not being kept: %1").arg(why) << Qt::endl;
                             });
            if (request.verb == QLatin1String("diff"))
                windows.History->SetOrigin(QStringLiteral("diff"));
            else if (request.verify)
                windows.History->SetOrigin(QStringLiteral("verify"));
        }
        try {
            status = command.RunOn(*this, windows, request);
            if (windows.History && request.reportTime) // for the benchmark
                err() << "history time: " << windows.History->LongestKeepMs() << " ms" << Qt::endl;
        } catch (const ECommsError &e) {
            // One line, as shells print them: the device, what failed, why.
            QString line = CommsErrorText(e);
            if (!e.reason().empty())
                line += QStringLiteral(": ") + QString::fromStdString(e.reason());
            err() << "lumora-cli: " << request.port << ": " << line << Qt::endl;
            status = kFailed;
        } catch (const std::exception &e) {
            ShowException(e);
            status = kFailed;
        }
        form.CancelMainTransfer(); // whatever happened, the port is closed
    }
    SetUserDialogs(nullptr);
    if (status == kFailed)
        return command.FailureStatus();
    return status;
}

bool CliRunner::waitForEnd(const Request &request, const std::function<bool()> &ended)
{
    // The protocol never gives up by itself; this tool does.
    const std::function<QString()> holds = std::exchange(holds_, {}); // its objects live only as long as this wait
    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    timeout.start(request.timeoutSeconds * 1000);
    loop_ = &loop;
    timeout_ = &timeout;
    struct Clear {
        QEventLoop *&loop;
        QTimer *&timeout;
        ~Clear() { loop = nullptr; timeout = nullptr; }
    } clear{loop_, timeout_};
    while (!failed_ && !ended() && timeout.isActive())
        loop.exec();
    if (failed_)
        return false;
    if (!ended()) {
        err() << "lumora-cli: "
              << Cli::tr("the transfer did not finish within %1: no complete answer from the radio on %2")
                         .arg(Cli::Seconds(request.timeoutSeconds), request.port)
              << Qt::endl;
        if (const QString held = holds ? holds() : QString(); !held.isEmpty())
            err() << "lumora-cli: " << Cli::tr("the radio now holds: %1").arg(held) << Qt::endl;
        return false;
    }
    return true;
}

void CliRunner::reportTime(const Request &request, const char *what, const QElapsedTimer &clock)
{
    if (request.reportTime) // for the benchmark
        err() << what << " time: " << clock.nsecsElapsed() / 1e6 << " ms" << Qt::endl;
}

bool CliRunner::runUntilEnd(const Request &request, const QMetaObject::Connection &ended, const bool &completed,
                            const std::function<void()> &start)
{
    struct Disconnect {
        const QMetaObject::Connection &c;
        ~Disconnect() { QObject::disconnect(c); } // nothing here hears of the window after this
    } disconnectAtEnd{ended};
    QElapsedTimer clock;
    clock.start();
    start();
    const bool done = !failed_ && waitForEnd(request, [&] { return completed; });
    if (done)
        reportTime(request, "transfer", clock);
    return done;
}

bool CliRunner::RunMain(TForm1 &form, bool reading, const Request &request)
{
    bool completed = false;
    const auto ended = QObject::connect(&form, &TForm1::MainTransferEnded, &form, [&](TransferEnd end) {
        completed = end == TransferEnd::Completed;
        wakeUp();
    });
    holds_ = reading ? std::function<QString()>() : [&form] { return form.MainWriteProgressText(); };
    return runUntilEnd(request, ended, completed, [&] { reading ? form.rbtnClick() : form.wbtnClick(); });
}

bool CliRunner::RunArea(TForm1 &form, TSignallingForm &window, bool reading, const Request &request)
{
    form.OpenPortForSignalling(); // as the "Signa" menu does, unseen
    bool completed = false;
    const auto ended = QObject::connect(&window, &TSignallingForm::TransferEnded, &window, [&](bool ok) {
        completed = ok;
        wakeUp();
    });
    holds_ = reading ? std::function<QString()>() : [&window] { return window.WriteProgressText(); };
    return runUntilEnd(request, ended, completed, [&] { reading ? window.ReadFromRadio() : window.wbtnClick(); });
}

int CliRunner::BackupOrRestore(ToolWindows &windows, const Request &request)
{
    QStringList differences;
    const int status = runBackupOrRestore(*windows.Form1, windows, request, [&](RadioBackupRun &run) {
        run.KeepIdentity(request.keepIdentity);
        run.PermitSomeAreas(true); // a snapshot saved as a backup file
        if (windows.History)
            run.KeepHistory(windows.History.get(), request.verb == QLatin1String("backup")
                                                           ? QStringLiteral("backup")
                                                           : QStringLiteral("restore of %1").arg(QFileInfo(request.file).fileName()));
    }, &differences);
    return status != 0 || !request.verify ? status : Report(request, differences);
}

int CliRunner::RestoreSnapshot(ToolWindows &windows, const Request &request, const QString &file, const QString &origin)
{
    Request restore = request;
    restore.verb = QStringLiteral("restore");
    restore.file = file;
    QStringList differences;
    const int status = runBackupOrRestore(*windows.Form1, windows, restore, [&](RadioBackupRun &run) {
        run.PermitSomeAreas(true);
        if (windows.History)
            run.KeepHistory(windows.History.get(), origin);
    }, &differences);
    return status != 0 || !request.verify ? status : Report(restore, differences);
}

HistorySettings CliRunner::HistoryOf(const Request &request)
{
    HistorySettings history = HistorySettings::Load();
    history.keep = history.keep && !request.noHistory;
    if (request.keepDays > 0)
        history.bounds.days = request.keepDays;
    if (request.keepCount > 0)
        history.bounds.count = request.keepCount;
    return history;
}

int CliRunner::runBackupOrRestore(TForm1 &form, ToolWindows &windows, const Request &request,
                                  const std::function<void(RadioBackupRun &)> &setUp, QStringList *differences)
{
    // The window's own run, unseen: its transfers, its checks before the
    // first byte, its read-back, its one report at the end.
    const bool backup = request.verb == QLatin1String("backup");
    RadioBackupRun run(form, windows.Areas(), backup ? RadioBackupRun::Kind::Backup : RadioBackupRun::Kind::Restore,
                       backup ? request.output : request.file);
    setUp(run);
    run.Verify(request.verify && !backup);
    bool ended = false, completed = false;
    QObject::connect(&run, &RadioBackupRun::Finished, &run, [&](bool ok) {
        ended = true;
        completed = ok;
        wakeUp();
    });
    QObject::connect(&run, &RadioBackupRun::StepStarted, &run, [this] { stillGoing(); });
    holds_ = [&run] { return run.WrittenSoFarText(); };
    QElapsedTimer clock;
    clock.start();
    run.Start();
    if (!waitForEnd(request, [&] { return ended; }) || !completed)
        return kFailed;
    reportTime(request, backup ? "backup" : "restore", clock);
    *differences = run.Differences();
    return failed_ ? kFailed : 0;
}

int CliRunner::Report(const Request &request, const QStringList &differences)
{
    const bool verifying = request.verb != QLatin1String("diff");
    if (request.json) { // diff: the same lines, one object each
        QJsonArray list;
        for (const QString &line : differences)
            list.append(QJsonObject{{"area", request.area}, {"text", line}});
        out() << QJsonDocument(list).toJson();
        return differences.isEmpty() ? 0 : 1;
    }
    for (const QString &line : differences)
        out() << line << Qt::endl;
    if (differences.isEmpty()) {
        releaseHeld(); // the write's own success, now proven
        out() << (verifying ? Cli::tr("Verified: the radio holds what was written.") : Cli::tr("Nothing would change."))
              << Qt::endl;
        return 0;
    }
    held_.clear(); // a success the comparison disproved is not said
    const int n = static_cast<int>(differences.size());
    QString line;
    if (verifying)
        line = n == 1 ? Cli::tr("1 field differs from what was written") : Cli::tr("%1 fields differ from what was written").arg(n);
    else
        line = n == 1 ? Cli::tr("1 field would change") : Cli::tr("%1 fields would change").arg(n);
    err() << "lumora-cli: " << line << Qt::endl;
    return 1;
}

void CliRunner::warnEdited(const QString &area, const QStringList &lines)
{
    err() << "lumora-cli: "
          << (lines.isEmpty() ? Cli::tr("the file's %1 texts were changed: what changed is written from the texts, "
                                        "everything else byte for byte")
                              : Cli::tr("the file's %1 texts were changed: what changed is written from the texts, "
                                        "everything else byte for byte; of the radio's values the texts cannot carry:"))
                     .arg(area)
          << Qt::endl;
    for (const QString &line : lines)
        err() << "  " << line << Qt::endl;
}

void CliRunner::WarnNotWrittenBack(const QStringList &lines)
{
    // The file holds the texts; a write of it cannot give these back (a
    // backup keeps them all).
    if (lines.isEmpty())
        return;
    err() << "lumora-cli: "
          << (lines.size() == 1 ? Cli::tr("the radio holds 1 value the saved texts cannot write back as read "
                                          "(a backup keeps every byte):")
                                : Cli::tr("the radio holds %1 values the saved texts cannot write back as read "
                                          "(a backup keeps every byte):")
                                          .arg(lines.size()))
          << Qt::endl;
    for (const QString &line : lines)
        err() << "  " << line << Qt::endl;
}

void CliRunner::LoadSettings(TSignallingForm &window, const Request &request)
{
    // A file is checked whole, and encoded, before the radio hears of it.
    // The radio's bytes the file keeps go out as they are wherever its
    // texts still show them (as a backup's do).
    std::vector<Payload> bytes;
    window.setSettings(
            LoadSettingsFile(request.file, window.SettingsArea(), window.Settings(), &bytes, window.BlockCount()));
    window.TakeBaseline(bytes);
    if (!bytes.empty() && !window.ShowsBaseline())
        warnEdited(window.AreaName(), window.ValuesNotWrittenBack());
}

} // namespace lumora
