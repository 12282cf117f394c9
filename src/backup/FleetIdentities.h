#pragma once
// The identities a fleet run gives its radios, one after another: each
// radio keeps its own, or takes the next of a list, or the next FleetSync ID
// counted up. No identity is given twice, in a run or across the runs of
// one log.

#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

namespace lumora {

// A radio's identity; an empty value stays as the template has it.
struct FleetIdentity {
    QString fleet;  // FleetSync "Fleet[Own]"
    QString id;     // FleetSync "ID[Own]"
    QString dtmfId; // DTMF "ID Code"
    bool operator==(const FleetIdentity &o) const { return fleet == o.fleet && id == o.id && dtmfId == o.dtmfId; }
};

class FleetIdentities {
public:
    static FleetIdentities KeepOwn();
    // A list with the columns Fleet, ID and DTMF ID, one radio per row;
    // throws EFOpenError naming the line when it cannot be read.
    static FleetIdentities FromCsv(const QByteArray &csv);
    // FleetSync IDs first, first + step, ...; the DTMF ID code following the
    // ID when dtmfFollows.
    static FleetIdentities Counting(int first, int step, bool dtmfFollows);

    bool keepsOwn() const { return kind_ == Kind::Own; }
    // The next identity not among those given; none when a list has run out
    // (or counting has passed the largest FleetSync ID).
    std::optional<FleetIdentity> Next(const QVector<FleetIdentity> &given) const;

private:
    enum class Kind { Own, List, Counting } kind_ = Kind::Own;
    QVector<FleetIdentity> list_;
    int first_ = 0, step_ = 1;
    bool dtmfFollows_ = false;
};

} // namespace lumora
