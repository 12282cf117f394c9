#include "signalling/SettingsFile.h"

#include "memory/Errors.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include "memory/WholeFile.h"
#include <algorithm>

namespace lumora {

namespace {
// The context these messages are translated in.
struct SettingsTexts {
    Q_DECLARE_TR_FUNCTIONS(SettingsTexts)
};
} // namespace

namespace {

constexpr qint64 kMaxSettingsBytes = 256 * 1024;

QJsonValue toJson(const SettingsValue &v)
{
    switch (v.kind) {
    case SettingsValue::Text:
        return v.text;
    case SettingsValue::Check:
        return v.checked;
    case SettingsValue::Rows: {
        QJsonArray rows;
        for (const QStringList &row : v.rows)
            rows.append(QJsonArray::fromStringList(row));
        return rows;
    }
    }
    return QJsonValue();
}

} // namespace

QByteArray WriteSettingsJson(const QString &area, const SettingsValues &values, const std::vector<Payload> &bytes)
{
    QJsonObject o = SettingsToJson(values);
    o.insert(QStringLiteral("format"), kSettingsFormat);
    o.insert(QStringLiteral("area"), area);
    if (!bytes.empty())
        o.insert(QLatin1String(kBytesKey), BlocksToJson(bytes));
    return QJsonDocument(o).toJson(QJsonDocument::Indented);
}

QJsonArray BlocksToJson(const std::vector<Payload> &blocks)
{
    QJsonArray list;
    for (const Payload &block : blocks)
        list.append(QString::fromLatin1(
                QByteArray(reinterpret_cast<const char *>(block.data()), static_cast<int>(block.size())).toHex()));
    return list;
}

std::vector<Payload> BlocksFromJson(const QJsonValue &list, int count,
                                    const std::function<void(const QString &)> &refuse)
{
    static const QRegularExpression hex(QStringLiteral("^[0-9a-fA-F]{56}$"));
    if (!list.isArray() || (count >= 0 && list.toArray().size() != count))
        refuse(SettingsTexts::tr("the key \"bytes\" must hold %1 blocks").arg(count));
    std::vector<Payload> blocks;
    for (const QJsonValue &v : list.toArray()) {
        if (!hex.match(v.toString()).hasMatch())
            refuse(SettingsTexts::tr("each block in \"bytes\" must be 56 hexadecimal digits"));
        const QByteArray raw = QByteArray::fromHex(v.toString().toLatin1());
        Payload p{};
        std::copy(raw.begin(), raw.end(), p.begin());
        blocks.push_back(p);
    }
    return blocks;
}

QJsonObject SettingsToJson(const SettingsValues &values)
{
    QJsonObject o;
    for (const SettingsValue &v : values)
        o.insert(v.key, toJson(v));
    return o;
}

SettingsValues SettingsFromJson(const QJsonObject &o, const SettingsValues &shape, const QStringList &otherKeys,
                                const std::function<void(const QString &)> &refuse)
{
    for (auto it = o.begin(); it != o.end(); ++it) {
        const bool known = otherKeys.contains(it.key())
                           || std::any_of(shape.begin(), shape.end(),
                                          [&](const SettingsValue &v) { return v.key == it.key(); });
        if (!known)
            refuse(SettingsTexts::tr("the key \"%1\" is unknown").arg(it.key()));
    }
    SettingsValues values;
    for (const SettingsValue &want : shape) {
        if (!o.contains(want.key))
            refuse(SettingsTexts::tr("the key \"%1\" is missing").arg(want.key));
        const QJsonValue j = o.value(want.key);
        SettingsValue v = want;
        switch (want.kind) {
        case SettingsValue::Text:
            if (!j.isString())
                refuse(SettingsTexts::tr("the key \"%1\" must be a text").arg(want.key));
            v.text = j.toString();
            break;
        case SettingsValue::Check:
            if (!j.isBool())
                refuse(SettingsTexts::tr("the key \"%1\" must be true or false").arg(want.key));
            v.checked = j.toBool();
            break;
        case SettingsValue::Rows: {
            const QJsonArray rows = j.toArray();
            const auto columns = want.rows.isEmpty() ? 0 : want.rows.first().size();
            if (!j.isArray() || rows.size() != want.rows.size())
                refuse(SettingsTexts::tr("the key \"%1\" must be %2 rows").arg(want.key).arg(want.rows.size()));
            for (int r = 0; r < rows.size(); ++r) {
                const QJsonArray row = rows.at(r).toArray();
                bool texts = rows.at(r).isArray() && row.size() == columns;
                for (const QJsonValue &cell : row)
                    texts = texts && cell.isString();
                if (!texts)
                    refuse(SettingsTexts::tr("row %1 of the key \"%2\" must be %3 texts").arg(r + 1).arg(want.key).arg(columns));
                QStringList cells;
                for (const QJsonValue &cell : row)
                    cells << cell.toString();
                v.rows[r] = cells;
            }
            break;
        }
        }
        values << v;
    }
    return values;
}

QJsonObject ParseJsonObject(const QByteArray &json, const std::function<void(const QString &)> &refuse)
{
    QJsonParseError parse{};
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parse);
    if (parse.error != QJsonParseError::NoError)
        refuse(SettingsTexts::tr("it is not JSON (%1 at byte %2)").arg(parse.errorString()).arg(parse.offset));
    if (!doc.isObject())
        refuse(SettingsTexts::tr("it holds no JSON object"));
    return doc.object();
}

SettingsValues ReadSettingsJson(const QByteArray &json, const QString &area, const SettingsValues &shape,
                                const QString &fileName, std::vector<Payload> *bytes, int blockCount)
{
    auto refuse = [&](const QString &why) {
        throw EFOpenError(SettingsTexts::tr("\"%1\" is not a %2 settings file: %3").arg(fileName, area, why));
    };
    QJsonObject o = ParseJsonObject(json, refuse);
    const int format = o.value(QStringLiteral("format")).toInt(-1);
    if (format != 1 && format != kSettingsFormat)
        refuse(SettingsTexts::tr("the key \"format\" must be 1 or %1").arg(kSettingsFormat));
    if (o.value(QStringLiteral("area")).toString() != area)
        refuse(SettingsTexts::tr("the key \"area\" must be \"%1\"").arg(area));
    std::vector<Payload> blocks;
    if (format >= 2 && o.contains(QLatin1String(kBytesKey)))
        blocks = BlocksFromJson(o.take(QLatin1String(kBytesKey)), blockCount, refuse);
    const SettingsValues values = SettingsFromJson(o, shape, {QStringLiteral("format"), QStringLiteral("area")}, refuse);
    if (bytes)
        *bytes = blocks;
    return values;
}

namespace {
QString checkedWord(bool checked) { return checked ? SettingsTexts::tr("checked") : SettingsTexts::tr("unchecked"); }
} // namespace

QStringList CompareSettings(const QString &areaName, const SettingsValues &expected, const SettingsValues &read,
                            const QString &expectedWord, const QString &readWord)
{
    auto shown = [](const QString &t) { return t.isEmpty() ? SettingsTexts::tr("(empty)") : t; };
    QStringList differences;
    for (const SettingsValue &w : expected) {
        const auto r = std::find_if(read.begin(), read.end(), [&](const SettingsValue &v) { return v.key == w.key; });
        if (r == read.end())
            continue;
        if (w.kind == SettingsValue::Text && w.text != r->text)
            differences << SettingsTexts::tr("%1, %2: %5 %3, %6 %4")
                                   .arg(areaName, w.key, shown(w.text), shown(r->text), expectedWord, readWord);
        if (w.kind == SettingsValue::Check && w.checked != r->checked)
            differences << SettingsTexts::tr("%1, %2: %5 %3, %6 %4")
                                   .arg(areaName, w.key, checkedWord(w.checked), checkedWord(r->checked), expectedWord,
                                        readWord);
        if (w.kind == SettingsValue::Rows)
            for (int i = 0; i < w.rows.size() && i < r->rows.size(); ++i)
                if (w.rows[i] != r->rows[i])
                    differences << SettingsTexts::tr("%1, %2 row %3: %6 %4, %7 %5")
                                           .arg(areaName, w.key)
                                           .arg(i + 1)
                                           .arg(shown(w.rows[i].join(QStringLiteral(" / "))),
                                                shown(r->rows[i].join(QStringLiteral(" / "))), expectedWord, readWord);
    }
    return differences;
}

void SaveSettingsFile(const QString &fileName, const QString &area, const SettingsValues &values,
                      const std::vector<Payload> &bytes)
{
    SaveWholeFile(fileName, WriteSettingsJson(area, values, bytes));
}

SettingsValues LoadSettingsFile(const QString &fileName, const QString &area, const SettingsValues &shape,
                                std::vector<Payload> *bytes, int blockCount)
{
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly))
        throw EFOpenError(SettingsTexts::tr("Cannot open file \"%1\". %2").arg(fileName, f.errorString()));
    if (f.size() > kMaxSettingsBytes)
        throw EFOpenError(SettingsTexts::tr("\"%1\" is not a %2 settings file: it is larger than %3 KiB")
                                  .arg(fileName, area).arg(kMaxSettingsBytes / 1024));
    return ReadSettingsJson(f.readAll(), area, shape, fileName, bytes, blockCount);
}

const SettingsValue *FindSetting(const SettingsValues &values, const QString &key)
{
    const auto it = std::find_if(values.begin(), values.end(), [&](const SettingsValue &v) { return v.key == key; });
    return it == values.end() ? nullptr : &*it;
}

QVector<QStringList> TableRows(const ICellTable &table, int rows)
{
    QVector<QStringList> out;
    for (int r = 1; r <= rows; ++r) {
        QStringList row;
        for (int c = 1; c < table.colCount(); ++c)
            row << table.cellText(c, r);
        out << row;
    }
    return out;
}

void SetTableRows(ICellTable &table, const QVector<QStringList> &rows)
{
    for (int r = 1; r <= rows.size() && r < table.rowCount(); ++r)
        for (int c = 1; c < table.colCount(); ++c)
            table.setCellText(c, r, rows[r - 1].value(c - 1));
}

} // namespace lumora
