#include "backup/FleetIdentities.h"

#include "memory/Errors.h"
#include "signalling/BlockFields.h"
#include "signalling/DigitCoding.h"

#include <QCoreApplication>

namespace lumora {

namespace {
// The context these messages are translated in.
struct FleetTexts {
    Q_DECLARE_TR_FUNCTIONS(FleetTexts)
};
} // namespace

namespace {

constexpr int kLargestId = kWordMax; // what the radio's word for the ID holds
constexpr int kIdDigits = 8;         // what the DTMF ID word holds

// A log written by hand, or by an older run, may hold a value the radio
// cannot: then it stands for itself.
FleetIdentity storedOrAsWritten(const FleetIdentity &identity)
{
    try {
        return StoredIdentity(identity);
    } catch (const ELumoraError &) {
        return identity;
    }
}

// A planned identity was given when a written one matches every value it
// names (those it leaves to the template are whatever the template has),
// both as the radio stores them.
bool givenAs(const FleetIdentity &plannedText, const FleetIdentity &writtenText)
{
    const FleetIdentity planned = storedOrAsWritten(plannedText), written = storedOrAsWritten(writtenText);
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

FleetIdentity StoredIdentity(const FleetIdentity &identity)
{
    FleetIdentity stored;
    auto number = [](const QString &text, const char *name) {
        if (text.isEmpty())
            return QString();
        bool ok = false;
        const int value = text.toInt(&ok);
        if (!ok || value < 0 || value > kWordMax)
            throw ERangeError(FleetTexts::tr("the radio cannot hold %1 \"%2\": it takes a whole number from 0 to %3")
                                      .arg(QLatin1String(name), text)
                                      .arg(kWordMax));
        return QString::number(value);
    };
    stored.fleet = number(identity.fleet, "Fleet");
    stored.id = number(identity.id, "ID");
    // The DTMF window keeps a to d as capitals; the word keeps the digits,
    // the count their number, and a word of 0 reads back as no code.
    QString dtmf = identity.dtmfId;
    for (QChar &c : dtmf)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('d'))
            c = c.toUpper();
    const QString clean = CleanDigitText(dtmf, DigitCoding::Id);
    const uint32_t word = EncodeIdDigits(clean);
    const QString back = word == 0 ? QString() : UnpackDigits(word, static_cast<int>(clean.size()), DigitCoding::Id);
    if (clean != dtmf || clean.size() > kIdDigits || back != clean)
        throw ERangeError(FleetTexts::tr("the radio cannot hold DTMF ID \"%1\": it takes up to %2 of %3, "
                                         "not all D")
                                  .arg(identity.dtmfId)
                                  .arg(kIdDigits)
                                  .arg(DigitCharacters(DigitCoding::Id)));
    stored.dtmfId = back;
    return stored;
}

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
        throw EFOpenError(FleetTexts::tr("The list of identities cannot be read: line 1: it needs the columns "
                                         "Fleet, ID and DTMF ID"));
    for (int n = 1; n < lines.size(); ++n) {
        const QString line = lines[n].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList cells = line.split(QLatin1Char(','));
        const FleetIdentity written{cells.value(fleet).trimmed(), cells.value(id).trimmed(),
                                    cells.value(dtmf).trimmed()};
        FleetIdentity identity;
        try {
            identity = StoredIdentity(written);
        } catch (const ELumoraError &e) {
            throw EFOpenError(FleetTexts::tr("The list of identities cannot be read: line %1: %2").arg(n + 1).arg(e.text()));
        }
        // Two rows the radio would store alike would give one identity twice.
        const qsizetype twin = plan.list_.indexOf(identity);
        if (twin >= 0)
            throw EFOpenError(FleetTexts::tr("The list of identities cannot be read: line %1: the radio stores it as "
                                             "line %2 (Fleet %3, ID %4, DTMF ID %5)")
                                      .arg(n + 1)
                                      .arg(plan.lines_.at(twin))
                                      .arg(identity.fleet, identity.id, identity.dtmfId));
        plan.list_ << identity;
        plan.lines_ << n + 1;
    }
    return plan;
}

FleetIdentities FleetIdentities::Counting(int first, int step, bool dtmfFollows)
{
    if (first < 0 || first > kLargestId)
        throw ERangeError(FleetTexts::tr("The first ID %1 is not one the radio holds: it takes 0 to %2")
                                  .arg(first)
                                  .arg(kLargestId));
    if (step < 1)
        throw ERangeError(FleetTexts::tr("The step %1 does not count upwards: it takes 1 or more").arg(step));
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
