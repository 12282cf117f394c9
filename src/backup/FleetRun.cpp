#include "backup/FleetRun.h"

#include "memory/Errors.h"
#include "protocol/AreaNames.h"
#include "memory/MemoryComparison.h"
#include "protocol/ConnectionCheck.h"
#include "ui/TForm1.h"

#include <QComboBox>
#include <QFile>
#include <QProgressDialog>
#include <QTimer>

namespace lumora {

namespace {

FleetIdentity fleetIdentityOf(const std::vector<RadioBackupRun::Identity> &values)
{
    FleetIdentity identity;
    const QStringList &keys = RadioBackupRun::IdentityKeys(); // Fleet[Own], ID[Own], ID Code
    for (const RadioBackupRun::Identity &v : values)
        (v.key == keys[0] ? identity.fleet : v.key == keys[1] ? identity.id : identity.dtmfId) = v.text;
    return identity;
}

std::vector<RadioBackupRun::Identity> runIdentityOf(const FleetIdentity &identity)
{
    std::vector<RadioBackupRun::Identity> values;
    const QString texts[] = {identity.fleet, identity.id, identity.dtmfId};
    const QString areas[] = {area::FleetSync, area::FleetSync, area::Dtmf};
    for (int i = 0; i < 3; ++i)
        if (!texts[i].isEmpty())
            values.push_back({areas[i], RadioBackupRun::IdentityKeys()[i], texts[i]});
    return values;
}

// A radio's result as the log keeps it.
const char kDiffers[] = QT_TRANSLATE_NOOP("lumora::FleetRun", "differs from the template");
const char kFailed[] = "failed: ";

// The blocks that tell one programmed radio from another: the DTMF ID
// code's, the own fleet and ID's, and the options.
const std::vector<BlockAddress> kTellingBlocks = {
        {BlockType::Dtmf, 0}, {BlockType::FleetSync, 0}, {BlockType::Settings, 0}};

FleetIdentities planOf(const FleetSetup &setup)
{
    switch (setup.identities) {
    case FleetSetup::Identities::List: {
        QFile list(setup.idsFile);
        if (!list.open(QIODevice::ReadOnly))
            throw EFOpenError(FleetRun::tr("Cannot open file \"%1\". %2").arg(setup.idsFile, list.errorString()));
        return FleetIdentities::FromCsv(list.readAll());
    }
    case FleetSetup::Identities::Counting:
        return FleetIdentities::Counting(setup.firstId, setup.step, setup.dtmfIdFollows);
    case FleetSetup::Identities::KeepOwn:
        break;
    }
    return FleetIdentities::KeepOwn();
}

} // namespace

FleetRun::FleetRun(TForm1 &form1, const SignallingAreas &areas, const FleetSetup &setup)
    : form1_(form1), areas_(areas), setup_(setup), log_(QString()), plan_(planOf(setup))
{
    // Everything that can be checked is, before any radio is waited for:
    // the identities, then the template whole, then the log.
    if (plan_.empty())
        throw EFOpenError(tr("The list of identities \"%1\" holds no radio").arg(setup.idsFile));
    RadioBackupRun check(form1_, areas_, RadioBackupRun::Kind::Restore, setup_.templateFile);
    if (const std::optional<FleetIdentity> first = plan_.Next({}))
        check.SetIdentity(runIdentityOf(*first));
    check.CheckFile();
    log_ = FleetLog(setup.logFile);
}

FleetRun::~FleetRun()
{
    if (run_) {
        ending_ = true;
        run_->Cancel();
        run_.reset();
        SetUserDialogs(Outer);
    }
}

std::optional<FleetIdentity> FleetRun::NextIdentity() const
{
    return plan_.Next(log_.Given());
}

QString FleetRun::IdentityText(const FleetIdentity &identity)
{
    QStringList given;
    const std::pair<const char *, QString> values[] = {
            {"Fleet", identity.fleet}, {"ID", identity.id}, {"DTMF ID", identity.dtmfId}};
    for (const auto &[name, value] : values)
        if (!value.isEmpty())
            given << QStringLiteral("%1 %2").arg(QLatin1String(name), value);
    if (given.isEmpty())
        return tr("keeping its own identity");
    return (given.size() < 3 ? tr("as %1 (the rest as the template has it)") : tr("as %1"))
            .arg(given.join(QStringLiteral(", ")));
}

QString FleetRun::LineOf(const FleetLogRow &row)
{
    // The log keeps the result in English; the line says it in the user's language.
    QString result = row.ok ? tr("written and verified")
                     : row.result == QLatin1String(kDiffers) ? tr(kDiffers)
                     : row.result.startsWith(QLatin1String(kFailed)) ? tr("failed: %1").arg(row.result.mid(int(qstrlen(kFailed))))
                                                                      : row.result;
    if (!row.notLogged.isEmpty())
        result = tr("%1, but not logged: %2").arg(result, row.notLogged);
    return tr("Radio %1 on %2: Fleet %3, ID %4, DTMF ID %5: %6")
            .arg(row.radio)
            .arg(row.port, row.identity.fleet, row.identity.id, row.identity.dtmfId, result);
}

void FleetRun::ProgramNext()
{
    if (run_)
        throw ELumoraError(tr("A radio of this fleet run is being programmed. "
                                          "Wait until it has finished, then try again"));
    if (logFailed_)
        throw ELumoraError(tr("The fleet log \"%1\" could not be written: no further radio is "
                                          "programmed without it")
                                   .arg(setup_.logFile));
    const std::optional<FleetIdentity> identity = NextIdentity();
    if (!identity)
        throw ELumoraError(tr("The list of identities has run out"));
    planned_ = *identity;
    error_.clear();
    started_ = false;
    run_ = std::make_unique<RadioBackupRun>(form1_, areas_, RadioBackupRun::Kind::Restore, setup_.templateFile);
    run_->Verify(true);
    if (history_)
        run_->KeepHistory(history_, QStringLiteral("fleet run, radio %1").arg(NextRadio()));
    run_->KeepIdentity(plan_.keepsOwn());
    if (!plan_.keepsOwn())
        run_->SetIdentity(runIdentityOf(planned_));
    connect(run_.get(), &RadioBackupRun::Finished, this, [this](bool completed) {
        // Deferred: an error box the run passes on comes after its end.
        QTimer::singleShot(0, this, [this, completed] { radioEnded(completed); });
    });
    connect(run_.get(), &RadioBackupRun::StepStarted, this, &FleetRun::StillGoing);
    Outer = &UserDialogs();
    SetUserDialogs(this); // the run's own boxes come here
    try {
        run_->Start(); // checks the template whole before anything is sent
        started_ = true;
        if (QProgressDialog *progress = run_->Progress())
            progress->setLabelText(tr("Programming radio %1...").arg(NextRadio()));
    } catch (const std::exception &e) {
        ShowException(e); // here, as this radio's error
        QTimer::singleShot(0, this, [this] { radioEnded(false); });
    }
}

FleetRun::OnTheCable FleetRun::LookAtCable() const
{
    std::vector<Payload> held;
    try {
        held = ReadRadioBlocks(form1_.comcbb->currentText(), kTellingBlocks, 700);
    } catch (const std::exception &) {
        return OnTheCable::Nobody; // no port: no radio
    }
    if (held.empty())
        return OnTheCable::Nobody;
    if (held.size() < kTellingBlocks.size())
        return OnTheCable::Unclear;
    return held == lastHeld_ ? OnTheCable::LastRadio : OnTheCable::NewRadio;
}

void FleetRun::Cancel(const QString &reason)
{
    if (!run_ || ending_)
        return;
    if (error_.isEmpty())
        error_ = reason;
    run_->Cancel(); // its Finished ends the radio
}

void FleetRun::ShowError(const QString &text, const QString &detail)
{
    if (error_.isEmpty()) // one line: the radio's line and its log row
        error_ = QString(detail.isEmpty() ? text : text + QLatin1Char(' ') + detail).replace(QLatin1Char('\n'), QLatin1Char(' '));
}

void FleetRun::radioEnded(bool completed)
{
    if (!run_ || ending_)
        return;
    ending_ = true;
    FleetLogRow row;
    row.time = QDateTime::currentDateTime();
    row.port = form1_.comcbb->currentText();
    row.radio = NextRadio();
    // What the windows hold once the run has taken the template (a refused
    // one leaves them as they were: then the identity it was to get).
    row.identity = started_ && run_->IdentityKnown() ? fleetIdentityOf(run_->IdentityNow()) : planned_;
    row.differences = completed ? run_->Differences() : QStringList();
    row.ok = completed && row.differences.isEmpty();
    row.result = row.ok ? QStringLiteral("ok")
                        : completed ? QLatin1String(kDiffers)
                                    : QLatin1String(kFailed) + (error_.isEmpty() ? QStringLiteral("cancelled") : error_);
    // A verified radio's read-back is what it holds: while a radio on the
    // cable holds that, it is this one.
    lastHeld_.clear();
    if (row.ok && areas_.size() > 0) {
        if (TSignallingForm *dtmf = run_->WindowOf(area::Dtmf))
            if (TSignallingForm *fsk = run_->WindowOf(area::FleetSync))
                if (!dtmf->LastReadBlocks().empty() && !fsk->LastReadBlocks().empty()
                    && form1_.LastReadBlocks().size() == kMainBlockCount)
                    lastHeld_ = {dtmf->LastReadBlocks()[0], fsk->LastReadBlocks()[0], form1_.LastReadBlocks().back()};
    }
    run_.reset();
    SetUserDialogs(Outer);
    form1_.CancelMainTransfer(); // the port is closed between radios
    ++radios_;
    failures_ += row.ok ? 0 : 1;
    ending_ = false;
    try {
        log_.Append(row);
    } catch (const ELumoraError &e) {
        // The log is what keeps the next run from giving this identity
        // again: no radio goes on without it.
        row.notLogged = e.text();
        logFailed_ = true;
    }
    emit RadioDone(row);
}

} // namespace lumora
