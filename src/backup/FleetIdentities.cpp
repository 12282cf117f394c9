#include "backup/FleetIdentities.h"

#include "memory/Errors.h"

namespace lumora {

namespace {

constexpr int kLargestId = 65535; // what the radio's word for the ID holds

// A planned identity was given when a written one matches every value it
// names (those it leaves to the template are whatever the template has).
bool givenAs(const FleetIdentity &planned, const FleetIdentity &written)
{
    return (planned.fleet.isEmpty() || planned.fleet == written.fleet)
           && (planned.id.isEmpty() || planned.id == written.id)
           && (planned.dtmfId.isEmpty() || planned.dtmfId == written.dtmfId);
}

bool given(const FleetIdentity &planned, const QVector<FleetIdentity> &written)
{
    for (const FleetIdentity &w : written)
        if (givenAs(planned, w))
            return true;
    return false;
}

} // namespace

FleetIdentities FleetIdentities::KeepOwn() { return {}; }

FleetIdentities FleetIdentities::FromCsv(const QByteArray &csv)
{
    FleetIdentities plan;
    plan.kind_ = Kind::List;
    const QStringList lines = QString::fromUtf8(csv).split(QLatin1Char('\n'));
    const QStringList header = lines.value(0).trimmed().split(QLatin1Char(','));
    const int fleet = header.indexOf(QStringLiteral("Fleet")), id = header.indexOf(QStringLiteral("ID")),
              dtmf = header.indexOf(QStringLiteral("DTMF ID"));
    if (fleet < 0 || id < 0 || dtmf < 0)
        throw EFOpenError(QStringLiteral("The list of identities cannot be read: line 1: it needs the columns "
                                         "Fleet, ID and DTMF ID"));
    for (int n = 1; n < lines.size(); ++n) {
        const QString line = lines[n].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList cells = line.split(QLatin1Char(','));
        const FleetIdentity identity{cells.value(fleet).trimmed(), cells.value(id).trimmed(),
                                     cells.value(dtmf).trimmed()};
        if (plan.list_.contains(identity))
            throw EFOpenError(QStringLiteral("The list of identities cannot be read: line %1: the identity is "
                                             "listed twice")
                                      .arg(n + 1));
        plan.list_ << identity;
    }
    return plan;
}

FleetIdentities FleetIdentities::Counting(int first, int step, bool dtmfFollows)
{
    FleetIdentities plan;
    plan.kind_ = Kind::Counting;
    plan.first_ = first;
    plan.step_ = step;
    plan.dtmfFollows_ = dtmfFollows;
    return plan;
}

std::optional<FleetIdentity> FleetIdentities::Next(const QVector<FleetIdentity> &given) const
{
    switch (kind_) {
    case Kind::Own:
        return FleetIdentity{};
    case Kind::List:
        for (const FleetIdentity &identity : list_)
            if (!lumora::given(identity, given))
                return identity;
        return std::nullopt;
    case Kind::Counting:
        for (int id = first_; id <= kLargestId && id >= 0; id += step_) {
            const QString text = QString::number(id);
            const FleetIdentity identity{QString(), text, dtmfFollows_ ? text : QString()};
            if (!lumora::given(FleetIdentity{QString(), text, QString()}, given))
                return identity;
        }
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace lumora
