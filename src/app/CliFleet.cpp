// lumora-cli fleet: one radio after another on one port, each recognised by
// what it holds, programmed by the window's own fleet run, and counted.

#include "app/CliRunner.h"

#include "app/ToolWindows.h"
#include "backup/FleetRun.h"
#include "app/CliTexts.h"
#include "memory/Counted.h"
#include "serial/PortAccess.h"
#include "ui/TForm1.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <QThread>

#include <memory>

namespace lumora {

namespace {

FleetSetup setupOf(const CliRunner::Request &request)
{
    FleetSetup setup;
    setup.templateFile = request.file;
    setup.logFile = request.log;
    if (!request.idsFile.isEmpty()) {
        setup.identities = FleetSetup::Identities::List;
        setup.idsFile = request.idsFile;
    } else if (request.firstId >= 0) {
        setup.identities = FleetSetup::Identities::Counting;
        setup.firstId = request.firstId;
        setup.step = request.idStep;
        setup.dtmfIdFollows = request.dtmfIdFollows;
    }
    return setup;
}

// Waits for a radio other than the one just programmed: silence proves
// nothing (a radio restarts after programming), what it holds does. The
// wait runs out seconds after the last radio was last heard.
bool nextRadioArrives(const FleetRun &run, int seconds, bool lastFailed)
{
    QElapsedTimer sinceHeard;
    sinceHeard.start();
    // A radio that failed holds nothing known: it is taken as gone once
    // the line has been quiet.
    bool failedStillThere = lastFailed;
    while (sinceHeard.elapsed() < seconds * 1000) {
        const FleetRun::OnTheCable who = run.LookAtCable();
        if (who == FleetRun::OnTheCable::Nobody)
            failedStillThere = false;
        else if (who == FleetRun::OnTheCable::NewRadio && !failedStillThere)
            return true;
        else
            sinceHeard.restart(); // the last radio, or answers too broken to tell
        QThread::msleep(200);
    }
    return false;
}

} // namespace

int CliRunner::Fleet(ToolWindows &windows, const Request &request)
{
    TForm1 &form = *windows.Form1;
    std::unique_ptr<FleetRun> run;
    try { // the list, the template and the log, before any radio
        run = std::make_unique<FleetRun>(form, windows.Areas(), setupOf(request));
    } catch (const std::exception &e) {
        ShowException(e);
        return 2;
    }
    run->KeepHistory(windows.History.get());
    if (!run->LogNotice().isEmpty())
        CliErr() << "lumora-cli: " << run->LogNotice() << Qt::endl;
    bool done = false;
    FleetLogRow row;
    QObject::connect(run.get(), &FleetRun::RadioDone, run.get(), [&](const FleetLogRow &r) {
        row = r;
        done = true;
        wakeUp();
    });
    QObject::connect(run.get(), &FleetRun::StillGoing, run.get(), [this] { stillGoing(); });
    int verified = 0;
    bool lastFailed = false;
    for (int programmed = 0; request.radios == 0 || programmed < request.radios; ++programmed) {
        if (!run->NextIdentity()) {
            CliErr() << "lumora-cli: " << Cli::tr("the list of identities has run out: the run ends") << Qt::endl;
            break;
        }
        QElapsedTimer waited;
        waited.start();
        if (!nextRadioArrives(*run, request.waitSeconds, lastFailed)) {
            const PortAccess access = CheckPortAccess(request.port);
            if (access.kind != PortAccess::Opens && !access.explanation.isEmpty())
                CliErr() << "lumora-cli: " << access.explanation << Qt::endl;
            CliOut() << (programmed == 0 ? Cli::tr("No radio answered on %1 within %2: the run ends.")
                                         : Cli::tr("No further radio answered on %1 within %2: the run ends."))
                                .arg(request.port, Cli::Seconds(request.waitSeconds))
                     << Qt::endl;
            break;
        }
        done = false;
        run->ProgramNext();
        if (!waitForEnd(request, [&] { return done; })) {
            run->Cancel(QStringLiteral("not finished within %1").arg(Counted(request.timeoutSeconds, "second", "seconds")));
            while (!done)
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        CliOut() << FleetRun::LineOf(row) << Qt::endl;
        for (const QString &difference : row.differences)
            CliOut() << "  " << difference << Qt::endl;
        if (request.reportTime) // for the benchmark: the radio's whole time, from its greeting
            CliErr() << "fleet time: " << waited.nsecsElapsed() / 1e6 << " ms" << Qt::endl;
        verified += row.ok ? 1 : 0;
        lastFailed = !row.ok;
        if (run->LogFailed()) {
            CliErr() << "lumora-cli: "
                     << Cli::tr("the run stops: the log \"%1\" no longer keeps what was given, so a further radio "
                                "could get an identity twice")
                                .arg(request.log)
                     << Qt::endl;
            break;
        }
        if (request.radios > 0 && programmed + 1 == request.radios)
            break; // the last one: no need to see it go
        CliOut() << Cli::tr("Connect radio %1 to %2: it is programmed as soon as it answers.")
                            .arg(run->NextRadio())
                            .arg(request.port)
                 << Qt::endl;
    }
    // Every radio asked for, written and verified: with no --count, at
    // least one and no failure.
    const bool all = run->Failures() == 0 && !run->LogFailed()
                     && (request.radios > 0 ? verified >= request.radios : verified > 0);
    if (!all && request.radios > 0 && verified < request.radios)
        CliErr() << "lumora-cli: "
                 << (request.radios == 1 ? Cli::tr("%1 of 1 radio written and verified").arg(verified)
                                         : Cli::tr("%1 of %2 radios written and verified").arg(verified).arg(request.radios))
                 << Qt::endl;
    return all ? 0 : 1;
}

} // namespace lumora
