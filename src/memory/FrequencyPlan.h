#pragma once
// A frequency plan: where, how wide and how strong a channel may transmit
// (an amateur band plan, a licence, PMR446). It warns and never blocks: a
// channel outside it is marked and a write asks once before going on.

#include "memory/CellTable.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace lumora {

// One frequency or range of a plan, in units of 10 Hz (the five decimals
// of MHz a channel holds), both ends included.
struct PlanRange {
    qint64 from = 0;
    qint64 to = 0;
    bool forbidden = false; // a range no channel may transmit in (the marine band)
    QString bandwidth;      // the widest it allows: "NARROW", "WIDE", or empty for any
    QString power;          // the most it allows: "LOW", "HIGH", or empty for any
    QString note;           // what the range is ("2 m", "the marine VHF band")
};

struct FrequencyPlan {
    QString id;   // a built-in plan's short name, or the plan file's path; empty: no plan
    QString name; // as the menu and the marks name it
    std::vector<PlanRange> ranges;
    bool IsNone() const { return ranges.empty(); }
};

// IARU Regions 1 to 3, US amateur, PMR446, FRS/GMRS and the marine band,
// in the order the menu lists them.
const std::vector<FrequencyPlan> &BuiltInFrequencyPlans();
const FrequencyPlan *FindBuiltInPlan(const QString &id);

// A plan file: CSV with a header line, or JSON (see the README). Throws
// ELumoraError naming the file and the line of the first fault.
FrequencyPlan ReadFrequencyPlanFile(const QString &fileName);
FrequencyPlan ParseFrequencyPlan(const QByteArray &bytes, bool json, const QString &fileName);
// A built-in plan's short name, or a plan file.
FrequencyPlan FrequencyPlanNamed(const QString &idOrFile);

// A text of MHz with up to five decimals in units of 10 Hz; none for a
// text that is no such frequency.
std::optional<qint64> TenHzOf(const QString &mhz);
QString MhzText(qint64 tenHz);

// What the plan says of one channel's cells, where it says something: why
// its TX Freq, TX Power or W/N is marked. A channel that transmits on
// nothing (no TX Freq) is never marked.
struct PlanMarks {
    QString txFreq, txPower, wideNarrow;
    bool Any() const { return !txFreq.isEmpty() || !txPower.isEmpty() || !wideNarrow.isEmpty(); }
    QString OfColumn(int col) const;
    QStringList All() const;
};
PlanMarks JudgeChannelByPlan(const FrequencyPlan &plan, const QString &txFreq, const QString &txPower,
                             const QString &wideNarrow);
PlanMarks JudgeTableRow(const FrequencyPlan &plan, const ICellTable &table, int row);
// Every channel in use the plan marks, one line each ("Channel 3: ...").
QStringList ChannelsOutsidePlan(const FrequencyPlan &plan, const ICellTable &table);
// "2 channels do not fit the frequency plan "PMR446"", as messages start.
QString ChannelsNotFittingText(int count, const FrequencyPlan &plan);

} // namespace lumora
