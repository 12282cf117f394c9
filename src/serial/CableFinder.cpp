#include "serial/CableFinder.h"

#include "serial/PortAccess.h"

namespace lumora {

namespace {

QStringList names(const QVector<SerialPortEntry> &ports)
{
    QStringList list;
    for (const SerialPortEntry &p : ports)
        list << p.name;
    return list;
}

} // namespace

CableWatch::CableWatch(const QVector<SerialPortEntry> &atStart) : before_(names(atStart)) {}

std::optional<SerialPortEntry> CableWatch::Look(const QVector<SerialPortEntry> &now)
{
    const QStringList present = names(now);
    for (const QString &name : before_)
        if (!present.contains(name) && !gone_.contains(name)) {
            gone_ << name;
            seen_ << PortTexts::tr("%1 went away").arg(name);
        }
    // A port arriving that leaves again before it has stayed: taken away.
    for (auto it = arriving_.begin(); it != arriving_.end();) {
        if (present.contains(it->first)) {
            ++it;
            continue;
        }
        seen_ << PortTexts::tr("%1 appeared and vanished again at once").arg(it->first);
        flicker_ = true;
        if (!gone_.contains(it->first))
            gone_ << it->first;
        it = arriving_.erase(it);
    }
    for (const SerialPortEntry &port : now) {
        const bool back = gone_.contains(port.name);
        if (before_.contains(port.name) && !back)
            continue; // there all along
        int &looks = arriving_[port.name];
        if (looks == 0)
            seen_ << (back ? PortTexts::tr("%1 came back") : PortTexts::tr("%1 appeared")).arg(port.name);
        if (++looks >= kSteadyLooks)
            return port;
    }
    return std::nullopt;
}

CableFinder::CableFinder(Lister lister, QObject *parent) : QObject(parent), lister_(std::move(lister))
{
    connect(&timer_, &QTimer::timeout, this, &CableFinder::look);
}

void CableFinder::Start(int limitMs, int everyMs)
{
    limitMs_ = limitMs;
    watch_.emplace(lister_());
    clock_.start();
    timer_.start(everyMs);
}

void CableFinder::Stop() { timer_.stop(); }

QString CableFinder::GaveUpText(const QStringList &seen)
{
    return seen.isEmpty() ? PortTexts::tr("No port went away or appeared in 60 seconds.")
                          : PortTexts::tr("No port came back to stay in 60 seconds.");
}

int CableFinder::SecondsLeft() const
{
    return clock_.isValid() ? static_cast<int>(std::max<qint64>(0, limitMs_ - clock_.elapsed()) + 999) / 1000 : 0;
}

void CableFinder::look()
{
    const qsizetype before = watch_->Seen().size();
    const std::optional<SerialPortEntry> found = watch_->Look(lister_());
    for (qsizetype i = before; i < watch_->Seen().size(); ++i)
        emit Saw(watch_->Seen()[i]);
    if (found) {
        timer_.stop();
        emit Found(*found);
    } else if (clock_.elapsed() >= limitMs_) {
        timer_.stop();
        emit GaveUp(watch_->Seen(), watch_->SawFlicker());
    }
}

} // namespace lumora
