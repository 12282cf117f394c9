#include "app/ToolWindows.h"

#include "memory/Errors.h"
#include "ui/UserDialogs.h"

#include <QAction>
#include <QMenu>
#include <QPointer>
#include <QTimer>

namespace lumora {

namespace {

const QString kBackupFilter = QStringLiteral("Radio backup (*.json)");

} // namespace

ToolWindows::ToolWindows(QSize screen)
{
    Form1 = std::make_unique<TForm1>(screen);
    Form2 = std::make_unique<TForm2>(*Form1);
    Form4 = std::make_unique<TForm4>(*Form1);
    Form5 = std::make_unique<TForm5>(*Form1);
    Form6 = std::make_unique<TForm6>(*Form1);
    SignallingRoutes routes;
    routes.Dtmf = Form2.get();
    routes.TwoTone = Form4.get();
    routes.FiveTone = Form5.get();
    routes.FleetSync = Form6.get();
    Form1->setSignallingWindows({Form2.get(), Form4.get(), Form5.get(), Form6.get()}, routes);
    for (const auto &area : Areas())
        area.second->TrackEdits();
    addBackupCommands();
    Form3 = std::make_unique<TForm3>();
    Form1->setProgressDialog(Form3.get());
}

ToolWindows::~ToolWindows()
{
    Run.reset();
    for (QAction *a : menuActions_)
        delete a;
    Form3.reset();
    Form1->setSignallingWindows({}, SignallingRoutes{}); // nothing routes to them any more
    Form6.reset();
    Form5.reset();
    Form4.reset();
    Form2.reset();
    Form1.reset(); // closes the port and joins its threads
}

void ToolWindows::addBackupCommands()
{
    QMenu *menu = Form1->FileMenu;
    QAction *before = menu->actions().value(menu->actions().indexOf(Form1->Exit1));
    auto *backup = new QAction(QStringLiteral("&Back up radio..."), menu);
    auto *restore = new QAction(QStringLiteral("&Restore radio..."), menu);
    QObject::connect(backup, &QAction::triggered, Form1.get(), [this] { BackupClick(); });
    QObject::connect(restore, &QAction::triggered, Form1.get(), [this] { RestoreClick(); });
    menu->insertActions(before, {backup, restore});
    menu->insertSeparator(before);
    menuActions_ = {backup, restore};
}

SignallingAreas ToolWindows::Areas() const
{
    SignallingAreas areas;
    for (TSignallingForm *w : {static_cast<TSignallingForm *>(Form2.get()), static_cast<TSignallingForm *>(Form4.get()),
                               static_cast<TSignallingForm *>(Form5.get()), static_cast<TSignallingForm *>(Form6.get())})
        areas.emplace_back(w->SettingsArea(), w);
    return areas;
}

TSignallingForm *ToolWindows::Area(const QString &name) const
{
    for (const auto &[area, window] : Areas())
        if (area == name)
            return window;
    return nullptr;
}

void ToolWindows::BackupClick()
{
    if (!Form1->AskToSaveChanges())
        return; // the backup reads the radio into the table
    const QString name = UserDialogs().AskSaveFileName(Form1.get(), kBackupFilter, QStringLiteral("json"));
    if (!name.isEmpty())
        startRun(RadioBackupRun::Kind::Backup, name);
}

void ToolWindows::RestoreClick()
{
    if (!Form1->AskToSaveChanges())
        return; // the restore puts the file into the table
    const QString name = UserDialogs().AskOpenFileName(Form1.get(), kBackupFilter, QStringLiteral("json"));
    if (!name.isEmpty())
        startRun(RadioBackupRun::Kind::Restore, name);
}

void ToolWindows::startRun(RadioBackupRun::Kind kind, const QString &fileName)
{
    if (Run && Run->Running())
        throw ELumoraError(QStringLiteral("A backup or restore of the radio is under way. "
                                          "Wait until it has finished, then try again"));
    Run.reset(); // one that has finished and not yet been let go
    auto run = std::make_unique<RadioBackupRun>(*Form1, Areas(), kind, fileName);
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

} // namespace lumora
