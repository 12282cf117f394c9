// A plan file of the user's own (a licence): CSV with a header line, or
// JSON. Every fault is named with its line, and nothing of a faulty file
// is used.

#include "memory/CsvRecords.h"
#include "memory/Errors.h"
#include "memory/FrequencyPlan.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <map>

namespace lumora {

namespace {
// The context these messages are translated in.
struct PlanTexts {
    Q_DECLARE_TR_FUNCTIONS(PlanTexts)
};
} // namespace

namespace {

const QStringList &rangeKeys()
{
    static const QStringList keys = {"from", "to", "bandwidth", "power", "use", "note"};
    return keys;
}

[[noreturn]] void refuse(const QString &fileName, int line, const QString &why)
{
    throw ELumoraError(PlanTexts::tr("The frequency plan \"%1\" cannot be used: line %2: %3")
                               .arg(QFileInfo(fileName).fileName())
                               .arg(line)
                               .arg(why));
}

// One range from its values by key; why it cannot be one, or nothing.
QString takeRange(const std::map<QString, QString> &values, PlanRange &range)
{
    auto value = [&](const char *key) {
        const auto it = values.find(QLatin1String(key));
        return it == values.end() ? QString() : it->second.trimmed();
    };
    const QString from = value("from"), to = value("to");
    const std::optional<qint64> low = TenHzOf(from);
    if (!low)
        return PlanTexts::tr("from \"%1\" is not a frequency in MHz with up to five decimals").arg(from);
    const std::optional<qint64> high = to.isEmpty() ? low : TenHzOf(to);
    if (!high)
        return PlanTexts::tr("to \"%1\" is not a frequency in MHz with up to five decimals").arg(to);
    if (*high < *low)
        return PlanTexts::tr("the range %1 to %2 MHz ends below its start").arg(from, to);
    range.from = *low;
    range.to = *high;
    const QString bandwidth = value("bandwidth").toUpper();
    if (bandwidth == QLatin1String("12.5") || bandwidth == QLatin1String("NARROW"))
        range.bandwidth = QStringLiteral("NARROW");
    else if (bandwidth == QLatin1String("25") || bandwidth == QLatin1String("WIDE"))
        range.bandwidth = QStringLiteral("WIDE");
    else if (!bandwidth.isEmpty())
        return PlanTexts::tr("bandwidth \"%1\" is none of NARROW (12.5), WIDE (25) or empty").arg(value("bandwidth"));
    const QString power = value("power").toUpper();
    if (power != QLatin1String("LOW") && power != QLatin1String("HIGH") && !power.isEmpty())
        return PlanTexts::tr("power \"%1\" is none of LOW, HIGH or empty").arg(value("power"));
    range.power = power;
    const QString use = value("use").toLower();
    if (use != QLatin1String("allowed") && use != QLatin1String("forbidden") && !use.isEmpty())
        return PlanTexts::tr("use \"%1\" is none of allowed, forbidden or empty").arg(value("use"));
    range.forbidden = use == QLatin1String("forbidden");
    range.note = value("note");
    return QString();
}

QString unknownKeyText(const QString &key)
{
    return PlanTexts::tr("unknown key \"%1\"; a range has %2").arg(key, rangeKeys().join(QStringLiteral(", ")));
}

FrequencyPlan parseCsv(const QString &text, const QString &fileName)
{
    QString body = text;
    // Comment lines become empty lines, so that every record keeps its line.
    QStringList lines = body.split(QLatin1Char('\n'));
    for (QString &line : lines)
        if (line.trimmed().startsWith(QLatin1Char('#')))
            line.clear();
    const QVector<CsvRecord> records =
            ParseCsvRecords(lines.join(QLatin1Char('\n')), [&](int line, const QString &why) { refuse(fileName, line, why); });
    if (records.isEmpty())
        refuse(fileName, 1, PlanTexts::tr("no header line (from,to,bandwidth,power,use,note)"));
    QStringList header;
    for (const QString &name : records.first().fields) {
        const QString key = name.trimmed().toLower();
        if (!rangeKeys().contains(key))
            refuse(fileName, records.first().line,
                   PlanTexts::tr("unknown column \"%1\"; the columns are %2")
                           .arg(name.trimmed(), rangeKeys().join(QStringLiteral(", "))));
        if (header.contains(key))
            refuse(fileName, records.first().line, PlanTexts::tr("the column \"%1\" twice").arg(key));
        header << key;
    }
    if (!header.contains(QLatin1String("from")))
        refuse(fileName, records.first().line, PlanTexts::tr("no column \"from\""));
    FrequencyPlan plan;
    for (int i = 1; i < records.size(); ++i) {
        const CsvRecord &record = records[i];
        if (record.fields.size() > header.size())
            refuse(fileName, record.line,
                   PlanTexts::tr("%1 fields, the header has %2").arg(record.fields.size()).arg(header.size()));
        std::map<QString, QString> values;
        for (int c = 0; c < record.fields.size(); ++c)
            values[header[c]] = record.fields[c];
        PlanRange range;
        const QString why = takeRange(values, range);
        if (!why.isEmpty())
            refuse(fileName, record.line, why);
        plan.ranges.push_back(range);
    }
    return plan;
}

// The line of each object that opens inside the top object's array, in
// order: QJsonDocument keeps no places.
std::vector<int> objectLines(const QByteArray &bytes)
{
    std::vector<int> lines;
    int line = 1, depth = 0;
    bool inString = false, escaped = false;
    for (const char c : bytes) {
        if (c == '\n')
            ++line;
        if (inString) {
            escaped = !escaped && c == '\\';
            if (c == '"' && !escaped)
                inString = false;
            continue;
        }
        if (c == '"')
            inString = true, escaped = false;
        else if (c == '{' || c == '[') {
            if (c == '{' && depth == 2)
                lines.push_back(line);
            ++depth;
        } else if (c == '}' || c == ']')
            --depth;
    }
    return lines;
}

int lineAt(const QByteArray &bytes, int offset)
{
    return static_cast<int>(bytes.left(offset).count('\n')) + 1;
}

FrequencyPlan parseJson(const QByteArray &bytes, const QString &fileName)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        refuse(fileName, lineAt(bytes, error.offset), PlanTexts::tr("no JSON: %1").arg(error.errorString()));
    if (!document.isObject())
        refuse(fileName, 1, PlanTexts::tr("not one JSON object with \"ranges\""));
    const QJsonObject top = document.object();
    for (const QString &key : top.keys())
        if (key != QLatin1String("name") && key != QLatin1String("ranges"))
            refuse(fileName, lineAt(bytes, static_cast<int>(bytes.indexOf('"' + key.toUtf8() + '"'))),
                   PlanTexts::tr("unknown key \"%1\"; a plan has name and ranges").arg(key));
    if (!top.value(QLatin1String("ranges")).isArray())
        refuse(fileName, 1, PlanTexts::tr("no array \"ranges\""));
    FrequencyPlan plan;
    plan.name = top.value(QLatin1String("name")).toString();
    const QJsonArray ranges = top.value(QLatin1String("ranges")).toArray();
    const std::vector<int> lines = objectLines(bytes);
    for (int i = 0; i < ranges.size(); ++i) {
        const int line = i < static_cast<int>(lines.size()) ? lines[static_cast<size_t>(i)] : 1;
        if (!ranges[i].isObject())
            refuse(fileName, line, PlanTexts::tr("range %1 is not an object").arg(i + 1));
        std::map<QString, QString> values;
        const QJsonObject object = ranges[i].toObject();
        for (auto it = object.begin(); it != object.end(); ++it) {
            if (!rangeKeys().contains(it.key()))
                refuse(fileName, line, unknownKeyText(it.key()));
            // A frequency may be a number or a text; a number keeps its
            // decimals as written only up to what a double holds.
            values[it.key()] = it.value().isDouble() ? QString::number(it.value().toDouble(), 'f', 5)
                                                     : it.value().toString();
        }
        PlanRange range;
        const QString why = takeRange(values, range);
        if (!why.isEmpty())
            refuse(fileName, line, why);
        plan.ranges.push_back(range);
    }
    return plan;
}

} // namespace

FrequencyPlan ParseFrequencyPlan(const QByteArray &bytes, bool json, const QString &fileName)
{
    FrequencyPlan plan = json ? parseJson(bytes, fileName) : parseCsv(QString::fromUtf8(bytes), fileName);
    if (plan.ranges.empty())
        refuse(fileName, 1, PlanTexts::tr("no frequency or range"));
    plan.id = fileName;
    if (plan.name.isEmpty())
        plan.name = QFileInfo(fileName).completeBaseName();
    return plan;
}

FrequencyPlan ReadFrequencyPlanFile(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EFOpenError(PlanTexts::tr("Cannot open file \"%1\". %2").arg(fileName, file.errorString()));
    const QByteArray bytes = file.read(1 << 20); // a licence is a few lines
    const bool json = fileName.endsWith(QLatin1String(".json"), Qt::CaseInsensitive)
                      || bytes.trimmed().startsWith('{');
    return ParseFrequencyPlan(bytes, json, fileName);
}

} // namespace lumora
