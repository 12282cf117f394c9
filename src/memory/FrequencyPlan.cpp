#include "memory/FrequencyPlan.h"

#include "memory/ChannelColumns.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace lumora {

namespace {
// The context these messages are translated in.
struct PlanTexts {
    Q_DECLARE_TR_FUNCTIONS(PlanTexts)
};
} // namespace

std::optional<qint64> TenHzOf(const QString &mhz)
{
    static const QRegularExpression number(QStringLiteral("^(\\d{1,3})(?:\\.(\\d*))?$"));
    const QRegularExpressionMatch m = number.match(mhz.trimmed());
    if (!m.hasMatch())
        return std::nullopt;
    QString decimals = m.captured(2);
    while (decimals.size() > 5 && decimals.endsWith(QLatin1Char('0')))
        decimals.chop(1);
    if (decimals.size() > 5)
        return std::nullopt; // finer than the 10 Hz a channel holds
    const qint64 value = m.captured(1).toLongLong() * 100000 + decimals.leftJustified(5, QLatin1Char('0')).toLongLong();
    if (value <= 0)
        return std::nullopt;
    return value;
}

QString MhzText(qint64 tenHz)
{
    return QStringLiteral("%1.%2").arg(tenHz / 100000).arg(tenHz % 100000, 5, 10, QLatin1Char('0'));
}

namespace {

PlanRange band(const char *from, const char *to, const char *note, const char *bandwidth = "",
               const char *power = "")
{
    return {*TenHzOf(QLatin1String(from)), *TenHzOf(QLatin1String(to)), false, QLatin1String(bandwidth),
            QLatin1String(power), QLatin1String(note)};
}

// Channels every step from first, count of them, as single frequencies.
void channels(std::vector<PlanRange> &ranges, const char *first, int step, int count, const char *note,
              const char *bandwidth = "", const char *power = "")
{
    const qint64 start = *TenHzOf(QLatin1String(first));
    for (int i = 0; i < count; ++i) {
        const qint64 f = start + qint64(i) * step;
        ranges.push_back({f, f, false, QLatin1String(bandwidth), QLatin1String(power), QLatin1String(note)});
    }
}

std::vector<FrequencyPlan> builtIns()
{
    std::vector<FrequencyPlan> plans = {
            {"iaru-r1", "IARU Region 1 amateur", {band("144", "146", "2 m"), band("430", "440", "70 cm")}},
            {"iaru-r2", "IARU Region 2 amateur", {band("144", "148", "2 m"), band("420", "450", "70 cm")}},
            {"iaru-r3", "IARU Region 3 amateur", {band("144", "148", "2 m"), band("430", "440", "70 cm")}},
            {"us-amateur",
             "US amateur",
             {band("144", "148", "2 m"), band("222", "225", "1.25 m"), band("420", "450", "70 cm")}},
            {"pmr446", "PMR446", {}},
            {"frs-gmrs", "FRS/GMRS", {}},
            {"marine", "Marine VHF (not for this radio)", {}},
    };
    // PMR446: 16 channels 12.5 kHz apart, narrow, 0.5 W.
    channels(plans[4].ranges, "446.00625", 1250, 16, "PMR446", "NARROW", "LOW");
    // GMRS 462 MHz channels (FRS 1 to 7 and 15 to 22 among them), the
    // repeater inputs, and FRS 8 to 14: narrow and low power.
    channels(plans[5].ranges, "462.55", 1250, 15, "GMRS and FRS");
    channels(plans[5].ranges, "467.55", 2500, 8, "GMRS repeater input");
    channels(plans[5].ranges, "467.5625", 2500, 7, "FRS 8 to 14", "NARROW", "LOW");
    PlanRange marine = band("156", "162.025", "the marine VHF band, not for this radio");
    marine.forbidden = true;
    plans[6].ranges.push_back(marine);
    return plans;
}

// What the plan allows, as a mark says it.
QString allowedText(const FrequencyPlan &plan)
{
    QStringList ranges;
    qint64 low = 0, high = 0;
    int count = 0;
    for (const PlanRange &r : plan.ranges) {
        if (r.forbidden)
            continue;
        ranges << (r.from == r.to ? PlanTexts::tr("%1 MHz").arg(MhzText(r.from))
                                  : PlanTexts::tr("%1 to %2 MHz").arg(MhzText(r.from), MhzText(r.to)));
        low = count == 0 ? r.from : std::min(low, r.from);
        high = count == 0 ? r.to : std::max(high, r.to);
        ++count;
    }
    if (count <= 4)
        return ranges.join(QStringLiteral(", "));
    return PlanTexts::tr("%1 frequencies and ranges between %2 and %3 MHz").arg(count).arg(MhzText(low), MhzText(high));
}

bool hasAllowedRanges(const FrequencyPlan &plan)
{
    for (const PlanRange &r : plan.ranges)
        if (!r.forbidden)
            return true;
    return false;
}

} // namespace

const std::vector<FrequencyPlan> &BuiltInFrequencyPlans()
{
    static const std::vector<FrequencyPlan> plans = builtIns();
    return plans;
}

const FrequencyPlan *FindBuiltInPlan(const QString &id)
{
    for (const FrequencyPlan &plan : BuiltInFrequencyPlans())
        if (plan.id.compare(id, Qt::CaseInsensitive) == 0)
            return &plan;
    return nullptr;
}

FrequencyPlan FrequencyPlanNamed(const QString &idOrFile)
{
    if (const FrequencyPlan *plan = FindBuiltInPlan(idOrFile))
        return *plan;
    return ReadFrequencyPlanFile(idOrFile);
}

QString PlanMarks::OfColumn(int col) const
{
    switch (col) {
    case ColTxFreq: return txFreq;
    case ColTxPower: return txPower;
    case ColWideNarrow: return wideNarrow;
    default: return QString();
    }
}

QStringList PlanMarks::All() const
{
    QStringList all;
    for (const QString &mark : {txFreq, txPower, wideNarrow})
        if (!mark.isEmpty())
            all << mark;
    return all;
}

PlanMarks JudgeChannelByPlan(const FrequencyPlan &plan, const QString &txFreq, const QString &txPower,
                             const QString &wideNarrow)
{
    PlanMarks marks;
    const std::optional<qint64> f = IsEmptyField(txFreq) ? std::nullopt : TenHzOf(txFreq);
    if (plan.IsNone() || !f)
        return marks;
    const QString where = QStringLiteral("TX Freq %1 MHz").arg(MhzText(*f));
    std::vector<const PlanRange *> inside;
    for (const PlanRange &r : plan.ranges) {
        if (*f < r.from || *f > r.to)
            continue;
        if (r.forbidden) {
            marks.txFreq = PlanTexts::tr("%1 is in %2 (plan \"%3\")")
                                   .arg(where, r.note.isEmpty() ? PlanTexts::tr("a range the plan forbids") : r.note,
                                        plan.name);
            return marks;
        }
        inside.push_back(&r);
    }
    if (inside.empty()) {
        if (hasAllowedRanges(plan))
            marks.txFreq = PlanTexts::tr("%1 is outside the plan \"%2\", which allows %3")
                                   .arg(where, plan.name, allowedText(plan));
        return marks;
    }
    // Overlapping ranges: the most any of them allows.
    bool narrowOnly = true, lowOnly = true;
    for (const PlanRange *r : inside) {
        narrowOnly = narrowOnly && r->bandwidth == QLatin1String("NARROW");
        lowOnly = lowOnly && r->power == QLatin1String("LOW");
    }
    if (narrowOnly && wideNarrow == QLatin1String("WIDE"))
        marks.wideNarrow = PlanTexts::tr("W/N WIDE is wider than the plan \"%1\" allows at %2 MHz (NARROW)")
                                   .arg(plan.name, MhzText(*f));
    if (lowOnly && txPower == QLatin1String("HIGH"))
        marks.txPower = PlanTexts::tr("TX Power HIGH is more than the plan \"%1\" allows at %2 MHz (LOW)")
                                .arg(plan.name, MhzText(*f));
    return marks;
}

PlanMarks JudgeTableRow(const FrequencyPlan &plan, const ICellTable &table, int row)
{
    if (plan.IsNone() || IsEmptyField(table.cellText(ColRxFreq, row)))
        return {};
    return JudgeChannelByPlan(plan, table.cellText(ColTxFreq, row), table.cellText(ColTxPower, row),
                              table.cellText(ColWideNarrow, row));
}

QStringList ChannelsOutsidePlan(const FrequencyPlan &plan, const ICellTable &table)
{
    QStringList lines;
    for (int row = 1; row < std::min(table.rowCount(), kChannelRows); ++row) {
        const PlanMarks marks = JudgeTableRow(plan, table, row);
        if (marks.Any())
            lines << PlanTexts::tr("Channel %1: %2").arg(row).arg(marks.All().join(QStringLiteral("; ")));
    }
    return lines;
}

QString ChannelsNotFittingText(int count, const FrequencyPlan &plan)
{
    return count == 1 ? PlanTexts::tr("1 channel does not fit the frequency plan \"%1\"").arg(plan.name)
                      : PlanTexts::tr("%1 channels do not fit the frequency plan \"%2\"").arg(count).arg(plan.name);
}

} // namespace lumora
