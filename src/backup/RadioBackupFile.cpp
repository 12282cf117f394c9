#include "backup/RadioBackupFile.h"

#include "memory/ChannelColumns.h"
#include "memory/Errors.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include "memory/WholeFile.h"

namespace lumora {

namespace {
// The context these messages are translated in.
struct BackupTexts {
    Q_DECLARE_TR_FUNCTIONS(BackupTexts)
};
} // namespace

namespace {

const char *const kChannelsKey = "Channels";
constexpr qint64 kMaxBackupBytes = 1024 * 1024;

QString optionKey(int i) { return QString(Option(static_cast<OptionId>(i)).label).remove(QLatin1Char(':')); }

} // namespace

SettingsValues MainMemorySettings(const ICellTable &channels, const OptionTexts &options)
{
    SettingsValues values{SettingsValue::ofRows(QLatin1String(kChannelsKey), TableRows(channels, kChannelCount))};
    for (int i = 0; i < kOptionCount; ++i)
        values << SettingsValue::ofText(optionKey(i), options[static_cast<size_t>(i)]);
    return values;
}

void ApplyMainMemorySettings(const SettingsValues &values, ICellTable &channels, OptionTexts &options)
{
    for (const SettingsValue &v : values) {
        if (v.key == QLatin1String(kChannelsKey))
            SetTableRows(channels, v.rows.mid(0, kChannelCount));
        for (int i = 0; i < kOptionCount; ++i)
            if (v.key == optionKey(i))
                options[static_cast<size_t>(i)] = v.text;
    }
}

QByteArray WriteRadioBackup(const AreaSettings &areas, const AreaBytes &bytes)
{
    QJsonObject o;
    o.insert(QStringLiteral("format"), kBackupFormat);
    o.insert(QStringLiteral("area"), QStringLiteral("radio"));
    for (int i = 0; i < areas.size(); ++i) {
        QJsonObject area = SettingsToJson(areas[i].second);
        if (!bytes.value(i).empty())
            area.insert(QLatin1String(kBytesKey), BlocksToJson(bytes.value(i)));
        o.insert(areas[i].first, area);
    }
    return QJsonDocument(o).toJson(QJsonDocument::Indented);
}

AreaSettings ReadRadioBackup(const QByteArray &json, const AreaSettings &shapes, const QString &fileName,
                             AreaBytes *bytes, const QVector<int> &blockCounts, int *formatRead)
{
    QString where;
    auto refuse = [&](const QString &why) {
        throw EFOpenError(BackupTexts::tr("\"%1\" is not a radio backup: %2%3").arg(fileName, where, why));
    };
    const QJsonObject o = ParseJsonObject(json, refuse);
    const int format = o.value(QStringLiteral("format")).toInt(-1);
    if (format != 1 && format != kBackupFormat)
        refuse(BackupTexts::tr("the key \"format\" must be 1 or %1").arg(kBackupFormat));
    if (formatRead)
        *formatRead = format;
    if (o.value(QStringLiteral("area")).toString() != QLatin1String("radio"))
        refuse(BackupTexts::tr("the key \"area\" must be \"radio\""));
    // "history": what a snapshot of the radio history says of itself.
    QStringList keys{QStringLiteral("format"), QStringLiteral("area"), QLatin1String(kHistoryKey)};
    for (const auto &shape : shapes)
        keys << shape.first;
    for (auto it = o.begin(); it != o.end(); ++it)
        if (!keys.contains(it.key()))
            refuse(BackupTexts::tr("the key \"%1\" is unknown").arg(it.key()));
    AreaSettings areas;
    if (bytes)
        bytes->clear();
    for (int i = 0; i < shapes.size(); ++i) {
        const QString &area = shapes[i].first;
        if (!o.value(area).isObject())
            refuse(BackupTexts::tr("the key \"%1\" must hold the %1 area").arg(area));
        where = BackupTexts::tr("in \"%1\", ").arg(area);
        QJsonObject values = o.value(area).toObject();
        std::vector<Payload> blocks;
        if (format >= 2 && values.contains(QLatin1String(kBytesKey)))
            blocks = BlocksFromJson(values.take(QLatin1String(kBytesKey)), blockCounts.value(i, -1), refuse);
        areas << qMakePair(area, SettingsFromJson(values, shapes[i].second, {}, refuse));
        if (bytes)
            *bytes << blocks;
        where.clear();
    }
    return areas;
}

QStringList AreasInRadioBackup(const QByteArray &json, const QStringList &areas)
{
    const QJsonObject o = QJsonDocument::fromJson(json).object();
    QStringList present;
    for (const QString &area : areas)
        if (o.value(area).isObject())
            present << area;
    return present.isEmpty() ? areas : present; // none: the file is refused naming the first
}

void SaveRadioBackup(const QString &fileName, const AreaSettings &areas, const AreaBytes &bytes)
{
    SaveWholeFile(fileName, WriteRadioBackup(areas, bytes));
}

AreaSettings LoadRadioBackup(const QString &fileName, const AreaSettings &shapes, AreaBytes *bytes,
                             const QVector<int> &blockCounts, int *format)
{
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly))
        throw EFOpenError(BackupTexts::tr("Cannot open file \"%1\". %2").arg(fileName, f.errorString()));
    if (f.size() > kMaxBackupBytes)
        throw EFOpenError(BackupTexts::tr("\"%1\" is not a radio backup: it is larger than 1 MiB").arg(fileName));
    return ReadRadioBackup(f.readAll(), shapes, fileName, bytes, blockCounts, format);
}

} // namespace lumora
