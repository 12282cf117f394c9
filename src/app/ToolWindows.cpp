#include "app/ToolWindows.h"

#include "backup/FleetDialog.h"
#include "memory/Errors.h"
#include "signalling/SignallingWindows.h"
#include "ui/UserDialogs.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QStatusBar>
#include <QMenu>
#include <QPointer>
#include <QTimer>

namespace lumora {

namespace {

QString backupFilter() { return ToolWindows::tr("Radio backup (*.json)"); }

} // namespace

ToolWindows::ToolWindows(QSize screen)
{
    Form1 = std::make_unique<TForm1>(screen);
    Signalling = MakeSignallingWindows(*Form1);
    Form2 = windowOf<TForm2>();
    Form4 = windowOf<TForm4>();
    Form5 = windowOf<TForm5>();
    Form6 = windowOf<TForm6>();
    SignallingRoutes routes;
    std::vector<QWidget *> shown;
    for (const auto &w : Signalling) {
        routes.Set(w->Type(), w.get());
        shown.push_back(w.get());
    }
    Form1->setSignallingWindows(shown, routes);
    for (const auto &area : Areas())
        area.second->TrackEdits();
    addBackupCommands();
    Form3 = std::make_unique<TForm3>();
    Form1->setProgressDialog(Form3.get());
}

ToolWindows::~ToolWindows()
{
    Fleet.reset();
    Run.reset();
    historyWindow_.reset();
    History.reset();
    for (QAction *a : menuActions_)
        delete a;
    Form3.reset();
    Form1->setSignallingWindows({}, SignallingRoutes{}); // nothing routes to them any more
    while (!Signalling.empty())
        Signalling.pop_back(); // the last made goes first
    Form1.reset(); // closes the port and joins its threads
}

void ToolWindows::addBackupCommands()
{
    QMenu *menu = Form1->FileMenu;
    QAction *before = menu->actions().value(menu->actions().indexOf(Form1->Exit1));
    auto *backup = new QAction(tr("&Back up radio..."), menu);
    auto *restore = new QAction(tr("&Restore radio..."), menu);
    QObject::connect(backup, &QAction::triggered, Form1.get(), [this] { BackupClick(); });
    auto *fleet = new QAction(tr("&Program several radios..."), menu);
    QObject::connect(restore, &QAction::triggered, Form1.get(), [this] { RestoreClick(); });
    QObject::connect(fleet, &QAction::triggered, Form1.get(), [this] { FleetClick(); });
    menu->insertActions(before, {backup, restore, fleet});
    menuActions_ = {backup, restore, fleet};
    addHistoryCommands(menu, before);
    menu->insertSeparator(before);
    addPrintCommands();
}

SignallingAreas ToolWindows::Areas() const
{
    SignallingAreas areas;
    for (const auto &w : Signalling)
        areas.emplace_back(w->SettingsArea(), w.get());
    return areas;
}

TSignallingForm *ToolWindows::Area(const QString &name) const
{
    for (const auto &[area, window] : Areas())
        if (area == name)
            return window;
    return nullptr;
}

bool ToolWindows::askAboutSignallingEdits(const std::function<void()> &then) const
{
    for (const auto &area : Areas())
        if (!area.second->AskToWriteChanges(then))
            return false;
    return true;
}

void ToolWindows::BackupClick()
{
    if (!askAboutSignallingEdits([this] { BackupClick(); }) || !Form1->AskToSaveChanges())
        return; // the backup reads the radio into the table and the windows
    const QString name = UserDialogs().AskSaveFileName(Form1.get(), backupFilter(), QStringLiteral("json"));
    if (!name.isEmpty())
        startRun(RadioBackupRun::Kind::Backup, name);
}

void ToolWindows::RestoreClick()
{
    if (!askAboutSignallingEdits([this] { RestoreClick(); }) || !Form1->AskToSaveChanges())
        return; // the restore puts the file into the table and the windows
    bool keepIdentity = false;
    const QString name = UserDialogs().AskOpenFileNameWithOption(
            Form1.get(), backupFilter(), QStringLiteral("json"),
            tr("&Keep this radio's identity (FleetSync own fleet and ID, DTMF ID code)"), &keepIdentity);
    if (!name.isEmpty())
        startRun(RadioBackupRun::Kind::Restore, name, keepIdentity,
                 [](RadioBackupRun &run) { run.PermitSomeAreas(true); }); // a snapshot saved as a file
}

void ToolWindows::refuseIfARunIsUnderWay() const
{
    if ((Run && Run->Running()) || Fleet)
        throw ELumoraError(tr("A backup or restore of the radio is under way. "
                                          "Wait until it has finished, then try again"));
}

void ToolWindows::startRun(RadioBackupRun::Kind kind, const QString &fileName, bool keepIdentity,
                           const std::function<void(RadioBackupRun &)> &setUp)
{
    refuseIfARunIsUnderWay();
    Run.reset(); // one that has finished and not yet been let go
    auto run = std::make_unique<RadioBackupRun>(*Form1, Areas(), kind, fileName);
    run->KeepIdentity(keepIdentity);
    if (History)
        run->KeepHistory(History.get(), kind == RadioBackupRun::Kind::Backup
                                                ? QStringLiteral("backup")
                                                : QStringLiteral("restore of %1").arg(QFileInfo(fileName).fileName()));
    if (setUp)
        setUp(*run);
    const QPointer<RadioBackupRun> started(run.get()); // null once this run is gone
    QObject::connect(run.get(), &RadioBackupRun::Finished, Form1.get(), [this, started] {
        QTimer::singleShot(0, Form1.get(), [this, started] {
            if (started && Run.get() == started.data())
                Run.reset();
        });
    });
    run->Start(); // throws what it finds before anything is sent
    Run = std::move(run);
}

void ToolWindows::FleetClick()
{
    if (!askAboutSignallingEdits([this] { FleetClick(); }) || !Form1->AskToSaveChanges())
        return; // every radio goes through the table and the windows
    FleetDialog dialog(Form1.get());
    if (dialog.exec() == QDialog::Accepted)
        StartFleet(dialog.Setup());
}

void ToolWindows::StartFleet(const FleetSetup &setup)
{
    refuseIfARunIsUnderWay();
    Run.reset();
    Fleet = std::make_unique<FleetRun>(*Form1, Areas(), setup); // throws for a log or list it cannot read
    Fleet->KeepHistory(History.get());
    QObject::connect(Fleet.get(), &FleetRun::RadioDone, Form1.get(), [this](const FleetLogRow &row) {
        const QString line = FleetRun::LineOf(row);
        Form1->StatusBar1->showMessage(line);
        QTimer::singleShot(0, Form1.get(), [this, line] {
            if (Fleet && Fleet->LogFailed())
                endFleet(line, tr("The run stops: without its log a further radio could get an "
                                              "identity twice."));
            else
                askForNextRadio(line);
        });
    });
    askForNextRadio(Fleet->LogNotice());
}

void ToolWindows::askForNextRadio(const QString &previous)
{
    // Asked between radios, never during one: Enter goes on, Cancel ends.
    if (!Fleet)
        return;
    const std::optional<FleetIdentity> identity = Fleet->NextIdentity();
    if (!identity) {
        endFleet(previous, tr("The list of identities has run out: the run ends."));
        return;
    }
    QString text = previous.isEmpty() ? QString() : previous + QStringLiteral(".\n\n");
    text += tr("Connect radio %1 to %2 and press Enter to program it %3. Cancel ends the run.")
                    .arg(Fleet->NextRadio())
                    .arg(Form1->comcbb->currentText(), FleetRun::IdentityText(*identity));
    if (!UserDialogs().AskToGoOn(text)) {
        endFleet(previous, QString());
        return;
    }
    if (Fleet->LookAtCable() == FleetRun::OnTheCable::LastRadio) {
        // Enter pressed before the radios were swapped: this one keeps the
        // identity it was given.
        askForNextRadio(tr("The radio on %1 still holds what was just written to radio %2")
                                .arg(Form1->comcbb->currentText())
                                .arg(Fleet->NextRadio() - 1));
        return;
    }
    try {
        Fleet->ProgramNext();
    } catch (...) {
        Fleet.reset(); // the error box says why the run ends
        throw;
    }
}

void ToolWindows::endFleet(const QString &previous, const QString &why)
{
    const FleetSetup setup = Fleet->Setup();
    QString text = previous.isEmpty() ? QString() : previous + QStringLiteral(".\n\n");
    if (!why.isEmpty())
        text += why + QLatin1Char(' ');
    text += (Fleet->Radios() == 1 ? tr("The fleet run programmed 1 radio, %1 written and verified.")
                                  .arg(Fleet->Radios() - Fleet->Failures())
                            : tr("The fleet run programmed %1 radios, %2 written and verified.")
                                  .arg(Fleet->Radios())
                                  .arg(Fleet->Radios() - Fleet->Failures()));
    if (!setup.logFile.isEmpty())
        text += tr(" The log is in \"%1\".").arg(setup.logFile);
    Fleet.reset();
    UserDialogs().ShowMessage(text);
}

} // namespace lumora
