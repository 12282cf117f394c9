#include "app/CliRunner.h"

#include "memory/ChannelColumns.h"
#include "memory/ChannelFile.h"
#include "memory/MemoryComparison.h"
#include "app/ToolWindows.h"
#include "protocol/AreaNames.h"
#include "protocol/ConnectionCheck.h"
#include "protocol/MainMemoryFrames.h"
#include "serial/PortList.h"
#include "signalling/SettingsFile.h"
#include "ui/TXStringGrid.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTextStream>
#include <QTimer>

namespace lumora {

namespace {

QTextStream &out()
{
    static QTextStream s(stdout);
    return s;
}

QTextStream &err()
{
    static QTextStream s(stderr);
    return s;
}

} // namespace

void CliRunner::ShowMessage(const QString &text)
{
    out() << text << Qt::endl;
}

void CliRunner::wakeUp()
{
    if (loop_)
        QMetaObject::invokeMethod(loop_, [l = loop_] { l->quit(); }, Qt::QueuedConnection);
}

void CliRunner::ShowError(const QString &text, const QString &detail)
{
    err() << text << Qt::endl;
    if (!detail.isEmpty())
        err() << detail << Qt::endl;
    failed_ = true;
    wakeUp();
}

int CliRunner::run(const Request &request)
{
    if (request.verb == QLatin1String("ports")) {
        for (const QString &port : ListSerialPorts())
            out() << port << Qt::endl;
        return 0;
    }
    if (request.verb == QLatin1String("doctor")) {
        const ConnectionReport report = CheckConnections(
                request.port.isEmpty() ? ListSerialPortEntries() : QVector<SerialPortEntry>{{request.port, QString()}});
        out() << report.text() << Qt::endl;
        return report.radioAnswered ? 0 : 1;
    }
    if (!area::All().contains(request.area)) {
        err() << "lumora-cli: there is no " << request.area << " area" << Qt::endl;
        return 2;
    }
    SetUserDialogs(this);
    int status = 1;
    {
        ToolWindows windows(QSize(1920, 1080)); // unseen
        TForm1 &form = *windows.Form1;
        form.SelectPort(request.port);
        try {
            if (request.verb.endsWith(QLatin1String("-csv")))
                status = convertCsv(form, request);
            else if (request.verb == QLatin1String("backup") || request.verb == QLatin1String("restore"))
                status = backupOrRestore(form, windows, request);
            else if (TSignallingForm *window = windows.Area(request.area))
                status = transferSignalling(form, *window, request);
            else
                status = transfer(form, request);
        } catch (const std::exception &e) {
            ShowException(e);
            status = kFailed;
        }
        form.CancelMainTransfer(); // whatever happened, the port is closed
    }
    SetUserDialogs(nullptr);
    // diff says 1 when something would change, so its failures are 2.
    if (status == kFailed)
        return request.verb == QLatin1String("diff") ? 2 : 1;
    return status;
}

int CliRunner::convertCsv(TForm1 &form, const Request &request)
{
    // Through the window's own import and export, unseen.
    if (request.verb == QLatin1String("import-csv")) {
        if (form.ImportCsvFile(request.file) == 0)
            return kFailed; // nothing taken: no channel file either
        form.SaveChannelFileAs(request.output);
    } else {
        form.OpenChannelFile(request.file);
        form.ExportCsvFile(request.output);
    }
    return failed_ ? kFailed : 0;
}

bool CliRunner::waitForEnd(const Request &request, const std::function<bool()> &ended)
{
    // The protocol never gives up by itself; this tool does.
    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    timeout.start(request.timeoutSeconds * 1000);
    loop_ = &loop;
    struct Clear {
        QEventLoop *&loop;
        ~Clear() { loop = nullptr; }
    } clear{loop_};
    while (!failed_ && !ended() && timeout.isActive())
        loop.exec();
    if (failed_)
        return false;
    if (!ended()) {
        err() << "lumora-cli: the transfer did not finish within " << request.timeoutSeconds
              << " seconds: no complete answer from the radio on " << request.port << Qt::endl;
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

bool CliRunner::runMain(TForm1 &form, bool reading, const Request &request)
{
    bool completed = false;
    const auto ended = QObject::connect(&form, &TForm1::MainTransferEnded, &form, [&](TransferEnd end) {
        completed = end == TransferEnd::Completed;
        wakeUp();
    });
    return runUntilEnd(request, ended, completed, [&] { reading ? form.rbtnClick() : form.wbtnClick(); });
}

bool CliRunner::runArea(TForm1 &form, TSignallingForm &window, bool reading, const Request &request)
{
    form.OpenPortForSignalling(); // as the "Signa" menu does, unseen
    bool completed = false;
    const auto ended = QObject::connect(&window, &TSignallingForm::TransferEnded, &window, [&](bool ok) {
        completed = ok;
        wakeUp();
    });
    return runUntilEnd(request, ended, completed, [&] { reading ? window.rbtnClick() : window.wbtnClick(); });
}

int CliRunner::backupOrRestore(TForm1 &form, ToolWindows &windows, const Request &request)
{
    // The window's own run, unseen: its transfers, its checks before the
    // first byte, its one report at the end.
    const bool backup = request.verb == QLatin1String("backup");
    RadioBackupRun run(form, windows.Areas(), backup ? RadioBackupRun::Kind::Backup : RadioBackupRun::Kind::Restore,
                       backup ? request.output : request.file);
    bool ended = false, completed = false;
    QObject::connect(&run, &RadioBackupRun::Finished, &run, [&](bool ok) {
        ended = true;
        completed = ok;
        wakeUp();
    });
    QElapsedTimer clock;
    clock.start();
    run.Start();
    // The bytes the restore assigns, from the texts the run has just
    // taken from the file.
    const auto areas = windows.Areas();
    std::vector<AssignedBlock> expected;
    std::vector<TSignallingForm::WrittenArea> expectedAreas;
    if (request.verify) {
        expected = form.WriteBlocks();
        for (const auto &area : areas)
            expectedAreas.push_back(area.second->WhatAWriteAssigns());
    }
    if (!waitForEnd(request, [&] { return ended; }) || !completed)
        return kFailed;
    reportTime(request, backup ? "backup" : "restore", clock);
    if (!request.verify)
        return failed_ ? kFailed : 0;
    if (!runMain(form, true, request))
        return kFailed;
    QStringList differences = CompareMainMemoryBytes(expected, form.LastReadBlocks());
    for (size_t i = 0; i < areas.size(); ++i) {
        TSignallingForm &window = *areas[i].second;
        if (!runArea(form, window, true, request))
            return kFailed;
        differences += window.DifferencesFromRead(expectedAreas[i]);
    }
    return report(request, differences);
}

int CliRunner::report(const Request &request, const QStringList &differences)
{
    for (const QString &line : differences)
        out() << line << Qt::endl;
    const bool verifying = request.verb != QLatin1String("diff");
    if (differences.isEmpty()) {
        out() << (verifying ? "Verified: the radio holds what was written." : "Nothing would change.") << Qt::endl;
        return 0;
    }
    err() << "lumora-cli: " << differences.size() << (differences.size() == 1 ? " field " : " fields ")
          << (verifying ? "differ from what was written" : "would change") << Qt::endl;
    return 1;
}

void CliRunner::warnNotWrittenBack(const QStringList &lines)
{
    // The file holds the texts; a write of it cannot give these back (a
    // backup keeps them all).
    if (lines.isEmpty())
        return;
    err() << "lumora-cli: the radio holds " << lines.size() << (lines.size() == 1 ? " value" : " values")
          << " the saved texts cannot write back as read (a backup keeps every byte):" << Qt::endl;
    for (const QString &line : lines)
        err() << "  " << line << Qt::endl;
}

int CliRunner::transferSignalling(TForm1 &form, TSignallingForm &window, const Request &request)
{
    const QString &verb = request.verb;
    const bool compares = verb == QLatin1String("diff") || request.verify;
    SettingsValues expected;
    TSignallingForm::WrittenArea written;
    if (verb != QLatin1String("read")) {
        // A file is checked whole, and encoded, before the radio hears of it.
        window.setSettings(LoadSettingsFile(request.file, window.SettingsArea(), window.Settings()));
        if (request.verify)
            written = window.WhatAWriteAssigns(); // a verify compares the bytes
        else if (compares)
            expected = window.SettingsAfterWriting();
    }
    auto run = [&](bool reading) { return runArea(form, window, reading, request); };
    if (verb == QLatin1String("write") && !run(false))
        return kFailed;
    if ((verb != QLatin1String("write") || compares) && !run(true))
        return kFailed;
    if (verb == QLatin1String("read")) {
        SaveSettingsFile(request.file, window.SettingsArea(), window.Settings());
        warnNotWrittenBack(window.ValuesNotWrittenBack());
        return failed_ ? kFailed : 0;
    }
    if (!compares)
        return failed_ ? kFailed : 0;
    if (request.verify)
        return report(request, window.DifferencesFromRead(written));
    return report(request, CompareSettings(window.AreaName(), expected, window.Settings()));
}

int CliRunner::transfer(TForm1 &form, const Request &request)
{
    const QString &verb = request.verb;
    const bool compares = verb == QLatin1String("diff") || request.verify;
    TextTable expected(kChannelColumns, kChannelRows);
    OptionTexts expectedOptions;
    std::vector<AssignedBlock> written; // a verify compares the bytes
    if (verb == QLatin1String("write")) {
        form.OpenChannelFile(request.file);
        if (compares)
            written = form.WriteBlocks();
    } else if (verb == QLatin1String("diff")) {
        TextTable file(kChannelColumns, kChannelRows);
        FillChannelLabels(file);
        OptionTexts fileOptions = DefaultOptionTexts();
        LoadChannelFile(file, fileOptions, request.file);
        TextsAfterWriting(file, fileOptions, expected, expectedOptions);
    }
    auto run = [&](bool reading) { return runMain(form, reading, request); };
    if (verb == QLatin1String("write") && !run(false))
        return kFailed;
    if ((verb != QLatin1String("write") || compares) && !run(true))
        return kFailed;
    if (verb == QLatin1String("read")) {
        form.SaveChannelFileAs(request.file);
        warnNotWrittenBack(form.ValuesNotWrittenBack());
        return failed_ ? kFailed : 0;
    }
    if (!compares)
        return failed_ ? kFailed : 0;
    if (request.verify)
        return report(request, CompareMainMemoryBytes(written, form.LastReadBlocks()));
    return report(request, CompareMainMemory(expected, expectedOptions, *form.xg, form.Options()));
}

} // namespace lumora
