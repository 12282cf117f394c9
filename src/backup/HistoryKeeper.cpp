#include "backup/HistoryKeeper.h"

#include "backup/RadioBackupRun.h"
#include "protocol/AreaNames.h"
#include "protocol/MainMemoryFrames.h"
#include "ui/TForm1.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>

namespace lumora {

namespace {
// The context these messages are translated in.
struct HistoryTexts {
    Q_DECLARE_TR_FUNCTIONS(HistoryTexts)
};
} // namespace

namespace {

QString valueOf(const SettingsValues &values, const QString &key)
{
    const SettingsValue *v = FindSetting(values, key);
    return v ? v->text : QString();
}

} // namespace

HistoryKeeper::HistoryKeeper(TForm1 &form1, const SignallingAreas &areas, const QString &folder)
    : form1_(form1), areas_(areas), history_(folder)
{
    connections_.push_back(connect(&form1_, &TForm1::RadioImageRead, this,
                                   [this](const QString &how) { imageRead(area::Main, how); }));
    connections_.push_back(connect(&form1_, &TForm1::RadioWritten, this, [this] { written(area::Main); }));
    for (const auto &[name, window] : areas_) {
        const QString area = name;
        connections_.push_back(connect(window, &TSignallingForm::RadioImageRead, this,
                                       [this, area](const QString &how) { imageRead(area, how); }));
        connections_.push_back(connect(window, &TSignallingForm::RadioWritten, this, [this, area] { written(area); }));
    }
}

HistoryKeeper::~HistoryKeeper()
{
    for (const auto &c : connections_)
        disconnect(c);
}

QString HistoryKeeper::port() const { return form1_.comcbb->currentText(); }

TSignallingForm *HistoryKeeper::windowOf(const QString &area) const
{
    for (const auto &[name, window] : areas_)
        if (name == area)
            return window;
    return nullptr;
}

FleetIdentity HistoryKeeper::IdentityOn(const QString &port) const
{
    const auto it = identities_.find(port);
    return it == identities_.end() ? FleetIdentity{} : it->second;
}

FleetIdentity HistoryKeeper::IdentityRead() const
{
    FleetIdentity identity;
    if (TSignallingForm *fsk = windowOf(area::FleetSync); fsk && !fsk->LastReadBlocks().empty()) {
        const SettingsValues values = fsk->SettingsOfBlocks(fsk->LastReadBlocks());
        identity.fleet = valueOf(values, QStringLiteral("Fleet[Own]"));
        identity.id = valueOf(values, QStringLiteral("ID[Own]"));
    }
    if (TSignallingForm *dtmf = windowOf(area::Dtmf); dtmf && !dtmf->LastReadBlocks().empty())
        identity.dtmfId = valueOf(dtmf->SettingsOfBlocks(dtmf->LastReadBlocks()), QStringLiteral("ID Code"));
    return identity;
}

void HistoryKeeper::imageRead(const QString &area, const QString &how)
{
    // The identity is what the radio on this port said last.
    FleetIdentity &identity = identities_[port()];
    const FleetIdentity read = IdentityRead();
    if (area == area::FleetSync) {
        identity.fleet = read.fleet;
        identity.id = read.id;
    } else if (area == area::Dtmf) {
        identity.dtmfId = read.dtmfId;
    }
    const std::vector<Payload> &blocks =
            area == area::Main ? form1_.LastReadBlocks() : windowOf(area)->LastReadBlocks();
    pending_[area] = blocks;
    pendingHow_ = how;
    if (!grouping_)
        keep(origin_.isEmpty() ? how : origin_);
}

void HistoryKeeper::written(const QString &area)
{
    // The radio as it was known before the write (before the first write of
    // a run: a restore writes one area after another).
    FleetIdentity before = IdentityOn(port());
    history_.CompleteIdentity(before);
    LastWrite write{port(), RadioHistory::RadioKey(before, port()), {}, QDateTime::currentDateTimeUtc(), area, {}};
    if (grouping_ && writtenInGroup_ && written_) {
        write.radio = written_->radio;
        write.time = written_->time;
    }
    writtenInGroup_ = grouping_;
    try {
        write.blocks = area == area::Main ? form1_.LastWrittenBlocks() : windowOf(area)->EncodeArea();
    } catch (const std::exception &) {
        // an area that no longer encodes as written: its identity must tell
    }
    // A write of an identity area gives the radio the identity written.
    if (area == area::FleetSync || area == area::Dtmf) {
        const SettingsValues values = windowOf(area)->Settings();
        FleetIdentity &now = identities_[port()];
        if (area == area::FleetSync) {
            now.fleet = valueOf(values, QStringLiteral("Fleet[Own]"));
            now.id = valueOf(values, QStringLiteral("ID[Own]"));
        } else {
            now.dtmfId = valueOf(values, QStringLiteral("ID Code"));
        }
    }
    FleetIdentity after = IdentityOn(port());
    history_.CompleteIdentity(after);
    write.radioAfter = RadioHistory::RadioKey(after, port());
    written_ = write;
    emit WriteNoted();
}

void HistoryKeeper::Group(const QString &origin)
{
    Flush();
    grouping_ = true;
    group_ = origin;
    writtenInGroup_ = false;
}

void HistoryKeeper::Flush()
{
    if (!pending_.empty())
        keep(grouping_ ? group_ : pendingHow_);
    grouping_ = false;
    group_.clear();
}

void HistoryKeeper::keep(const QString &origin)
{
    QElapsedTimer clock;
    clock.start();
    Snapshot snapshot;
    snapshot.info.port = port();
    snapshot.info.identity = IdentityOn(port());
    snapshot.info.origin = origin;
    // In the areas' order, each as a backup keeps it.
    for (const QString &area : area::All()) {
        const auto it = pending_.find(area);
        if (it == pending_.end() || it->second.empty())
            continue;
        if (area == area::Main) {
            const MainBaseline read = MainBaselineOf(it->second);
            snapshot.areas << qMakePair(area, MainMemorySettings(read.channels, read.options));
        } else {
            snapshot.areas << qMakePair(area, windowOf(area)->SettingsOfBlocks(it->second));
        }
        snapshot.bytes << it->second;
    }
    pending_.clear();
    if (snapshot.areas.isEmpty())
        return;
    const QString why = history_.Keep(snapshot);
    longestMs_ = std::max(longestMs_, clock.nsecsElapsed() / 1e6);
    if (why.isEmpty()) {
        notKeptSaid_ = false;
        emit Kept(snapshot.info);
        return;
    }
    if (!notKeptSaid_) {
        notKeptSaid_ = true;
        emit NotKept(why);
    }
}

std::optional<SnapshotInfo> HistoryKeeper::UndoTarget() const
{
    if (!written_)
        return std::nullopt;
    for (const SnapshotInfo &info : history_.List(written_->radio))
        if (!info.damaged && info.radio == written_->radio && info.time < written_->time)
            return info;
    return std::nullopt;
}

QString HistoryKeeper::NotTheRadioWritten() const
{
    if (!written_)
        return HistoryTexts::tr("nothing was written in this run");
    const FleetIdentity now = IdentityRead();
    const QString answers = RadioHistory::RadioKey(now, port());
    if (!written_->radio.startsWith(QLatin1String("port-"))) {
        if (answers != written_->radio && answers != written_->radioAfter)
            return HistoryTexts::tr("the radio on %1 is %2, and the write went to %3")
                    .arg(port(), SnapshotInfo::RadioTextOf(now, port()),
                         UndoTarget() ? UndoTarget()->RadioText() : written_->radio);
        return {};
    }
    // A radio never identified is the one written while it holds what was written.
    const std::vector<Payload> &holds =
            written_->area == area::Main ? form1_.LastReadBlocks() : windowOf(written_->area)->LastReadBlocks();
    if (holds != written_->blocks)
        return HistoryTexts::tr("the radio on %1 does not hold what the last write sent to it").arg(port());
    return {};
}

} // namespace lumora
