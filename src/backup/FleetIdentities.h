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

// The identity as the radio gives it back once written: Fleet and ID as the
// numbers their words hold ("0501" is 501), the DTMF ID code as its digits
// and count store it ("abc1" is ABC1). Throws ELumoraError saying why when
// the radio cannot hold a value as written ("x1", nine digits, 70000).
FleetIdentity StoredIdentity(const FleetIdentity &identity);

class FleetIdentities {
public:
    static FleetIdentities KeepOwn();
    // A list with the columns Fleet, ID and DTMF ID, one radio per row, kept
    // as the radio stores each; throws EFOpenError naming the line when it
    // cannot be read, when the radio cannot hold a row or when two rows
    // store alike.
    static FleetIdentities FromCsv(const QByteArray &csv);
    // FleetSync IDs first, first + step, ...; the DTMF ID code following the
    // ID when dtmfFollows. Throws ERangeError for a first ID or a step the
    // radio's word cannot count with.
    static FleetIdentities Counting(int first, int step, bool dtmfFollows);

    bool keepsOwn() const { return kind_ == Kind::Own; }
    bool empty() const { return kind_ == Kind::List && list_.isEmpty(); }
    // The next identity not among those given; none when a list has run out
    // (or counting has passed the largest FleetSync ID).
    std::optional<FleetIdentity> Next(const QVector<FleetIdentity> &given) const;

private:
    enum class Kind { Own, List, Counting } kind_ = Kind::Own;
    QVector<FleetIdentity> list_;
    QVector<int> lines_; // each row's line in the file
    int first_ = 0, step_ = 1;
    bool dtmfFollows_ = false;
};

} // namespace lumora
