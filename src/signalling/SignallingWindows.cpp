#include "signalling/SignallingWindows.h"

#include "memory/Errors.h"
#include "ui/TForm1.h"
#include "ui/UserDialogs.h"

#include <QAction>
#include <QMenu>
#include <QPointer>
#include <QTimer>

namespace lumora {

SignallingWindows::SignallingWindows(TForm1 &form1) : form1_(form1)
{
    Form2 = std::make_unique<TForm2>(form1);
    Form4 = std::make_unique<TForm4>(form1);
    Form5 = std::make_unique<TForm5>(form1);
    Form6 = std::make_unique<TForm6>(form1);
    SignallingRoutes routes;
    routes.Dtmf = Form2.get();
    routes.TwoTone = Form4.get();
    routes.FiveTone = Form5.get();
    routes.FleetSync = Form6.get();
    form1.setSignallingWindows({Form2.get(), Form4.get(), Form5.get(), Form6.get()}, routes);
    for (const auto &area : Areas())
        area.second->TrackEdits();
    QAction *before = form1.FileMenu->actions().value(form1.FileMenu->actions().indexOf(form1.Exit1));
    auto *backup = new QAction(QStringLiteral("Back up radio..."), form1.FileMenu);
    auto *restore = new QAction(QStringLiteral("Restore radio..."), form1.FileMenu);
    QObject::connect(backup, &QAction::triggered, &form1, [this] { BackupClick(); });
    QObject::connect(restore, &QAction::triggered, &form1, [this] { RestoreClick(); });
    form1.FileMenu->insertActions(before, {backup, restore});
    form1.FileMenu->insertSeparator(before);
    menuActions_ = {backup, restore};
}

std::vector<std::pair<QString, TSignallingForm *>> SignallingWindows::Areas() const
{
    return {{QStringLiteral("dtmf"), Form2.get()},
            {QStringLiteral("2tone"), Form4.get()},
            {QStringLiteral("5tone"), Form5.get()},
            {QStringLiteral("fsk"), Form6.get()}};
}

TSignallingForm *SignallingWindows::Area(const QString &name) const
{
    for (const auto &[area, window] : Areas())
        if (area == name)
            return window;
    return nullptr;
}

namespace {
const QString kBackupFilter = QStringLiteral("Radio backup (*.json)");
}

void SignallingWindows::BackupClick()
{
    if (!form1_.AskToSaveChanges())
        return; // the backup reads the radio into the table
    const QString name = UserDialogs().AskSaveFileName(&form1_, kBackupFilter, QStringLiteral("json"));
    if (!name.isEmpty())
        startRun(RadioBackupRun::Kind::Backup, name);
}

void SignallingWindows::RestoreClick()
{
    if (!form1_.AskToSaveChanges())
        return; // the restore puts the file into the table
    const QString name = UserDialogs().AskOpenFileName(&form1_, kBackupFilter, QStringLiteral("json"));
    if (!name.isEmpty())
        startRun(RadioBackupRun::Kind::Restore, name);
}

void SignallingWindows::startRun(RadioBackupRun::Kind kind, const QString &fileName)
{
    if (Run && Run->Running())
        throw ELumoraError(QStringLiteral("A backup or restore of the radio is under way. "
                                          "Wait until it has finished, then try again"));
    Run.reset(); // one that has finished and not yet been let go
    auto run = std::make_unique<RadioBackupRun>(form1_, *this, kind, fileName);
    const QPointer<RadioBackupRun> started(run.get()); // null once this run is gone
    QObject::connect(run.get(), &RadioBackupRun::Finished, &form1_, [this, started] {
        QTimer::singleShot(0, &form1_, [this, started] {
            if (started && Run.get() == started.data())
                Run.reset();
        });
    });
    run->Start(); // throws what it finds before anything is sent
    Run = std::move(run);
}

SignallingWindows::~SignallingWindows()
{
    Run.reset();
    for (QAction *a : menuActions_)
        delete a;
    form1_.setSignallingWindows({}, SignallingRoutes{}); // nothing routes to them any more
}

} // namespace lumora
