#include "backup/RadioHistory.h"

#include "memory/Errors.h"
#include "memory/WholeFile.h"
#include "memory/MemoryComparison.h"
#include "protocol/AreaNames.h"
#include "protocol/AreaTable.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <algorithm>

namespace lumora {

namespace {
// The context these messages are translated in.
struct HistoryTexts {
    Q_DECLARE_TR_FUNCTIONS(HistoryTexts)
};
} // namespace

namespace {

const char *const kStampFormat = "yyyyMMdd-HHmmss-zzz";
const char *const kPrunedStamp = ".last-prune";
constexpr qint64 kMaxSnapshotBytes = 1024 * 1024;

// A value as a file name may carry it.
QString plain(const QString &text)
{
    QString s = text;
    s.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]")), QStringLiteral("_"));
    return s;
}

QByteArray contentHash(const QByteArray &content)
{
    return QCryptographicHash::hash(content, QCryptographicHash::Sha256).toHex();
}

QJsonObject historyOf(const QByteArray &json)
{
    return QJsonDocument::fromJson(json).object().value(QLatin1String(kHistoryKey)).toObject();
}

// The files of a radio's folder, newest first (their names are their times).
QStringList snapshotFiles(const QDir &dir)
{
    QStringList names = dir.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name | QDir::Reversed);
    for (QString &name : names)
        name = dir.filePath(name);
    return names;
}

} // namespace

QString SnapshotInfo::RadioTextOf(const FleetIdentity &identity, const QString &port)
{
    QStringList parts;
    if (!identity.fleet.isEmpty())
        parts << QStringLiteral("Fleet %1").arg(identity.fleet);
    if (!identity.id.isEmpty())
        parts << QStringLiteral("ID %1").arg(identity.id);
    if (!identity.dtmfId.isEmpty())
        parts << QStringLiteral("DTMF ID %1").arg(identity.dtmfId);
    if (!parts.isEmpty())
        return parts.join(QStringLiteral(", "));
    return port.isEmpty() ? HistoryTexts::tr("a radio never identified")
                          : HistoryTexts::tr("a radio on %1 never identified").arg(port);
}

HistorySettings HistorySettings::Load()
{
    const QSettings settings;
    HistorySettings h;
    h.keep = settings.value(QStringLiteral("history/keep"), true).toBool();
    h.bounds.days = std::max(1, settings.value(QStringLiteral("history/days"), h.bounds.days).toInt());
    h.bounds.count = std::max(1, settings.value(QStringLiteral("history/count"), h.bounds.count).toInt());
    return h;
}

void HistorySettings::Save() const
{
    QSettings settings;
    settings.setValue(QStringLiteral("history/keep"), keep);
    settings.setValue(QStringLiteral("history/days"), bounds.days);
    settings.setValue(QStringLiteral("history/count"), bounds.count);
}

QVector<QPair<QString, QString>> SnapshotFields(const QString &area, const SettingsValues &values)
{
    const QString title = area::Title(area);
    QVector<QPair<QString, QString>> fields;
    for (const SettingsValue &v : values) {
        // The main memory's rows are its channels, its keys its options.
        const QString name = area == area::Main ? v.key : title + QStringLiteral(", ") + v.key;
        if (v.kind == SettingsValue::Rows) {
            for (int r = 0; r < v.rows.size(); ++r) {
                const bool empty = std::all_of(v.rows[r].begin(), v.rows[r].end(), [](const QString &t) { return t.isEmpty(); });
                fields << qMakePair(area == area::Main ? HistoryTexts::tr("Channel %1").arg(r + 1)
                                                       : HistoryTexts::tr("%1 row %2").arg(name).arg(r + 1),
                                    empty ? HistoryTexts::tr("(empty)") : v.rows[r].join(QStringLiteral(" / ")));
            }
        } else if (v.kind == SettingsValue::Check) {
            fields << qMakePair(name, v.checked ? HistoryTexts::tr("checked") : HistoryTexts::tr("unchecked"));
        } else {
            fields << qMakePair(name, v.text);
        }
    }
    return fields;
}

QStringList CompareImages(const Snapshot &a, const Snapshot &b, const QString &aWord, const QString &bWord)
{
    QStringList lines;
    for (int i = 0; i < a.areas.size(); ++i)
        for (int j = 0; j < b.areas.size(); ++j) {
            const QString &area = a.areas[i].first;
            if (b.areas[j].first != area)
                continue;
            const std::vector<Payload> &aBytes = a.bytes.value(i), &bBytes = b.bytes.value(j);
            if (area == area::Main && !aBytes.empty() && !bBytes.empty()) {
                lines += CompareMainMemoryBytes(aBytes, bBytes, aWord, bWord);
                continue;
            }
            const QString title = area::Title(area);
            const QStringList texts = CompareSettings(title, a.areas[i].second, b.areas[j].second, aWord, bWord);
            lines += texts;
            if (!texts.isEmpty() || aBytes.size() != bBytes.size())
                continue;
            for (size_t block = 0; block < aBytes.size(); ++block)
                for (size_t at = 0; at < aBytes[block].size(); ++at)
                    if (aBytes[block][at] != bBytes[block][at])
                        lines << HistoryTexts::tr("%1, block %2, byte d%3: %4 0x%5, %6 0x%7")
                                         .arg(title)
                                         .arg(block)
                                         .arg(at)
                                         .arg(aWord)
                                         .arg(aBytes[block][at], 2, 16, QLatin1Char('0'))
                                         .arg(bWord)
                                         .arg(bBytes[block][at], 2, 16, QLatin1Char('0'));
        }
    return lines;
}

RadioHistory::RadioHistory(QString folder) : folder_(std::move(folder)) {}

QString RadioHistory::DefaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/history");
}

QString RadioHistory::RadioKey(const FleetIdentity &identity, const QString &port)
{
    QStringList parts;
    if (!identity.fleet.isEmpty())
        parts << QStringLiteral("fleet") + plain(identity.fleet);
    if (!identity.id.isEmpty())
        parts << QStringLiteral("id") + plain(identity.id);
    if (!identity.dtmfId.isEmpty())
        parts << QStringLiteral("dtmf") + plain(identity.dtmfId);
    if (!parts.isEmpty())
        return parts.join(QLatin1Char('-'));
    return QStringLiteral("port-") + plain(QFileInfo(port).fileName());
}

QString RadioHistory::Keep(Snapshot &snapshot)
{
    SnapshotInfo &info = snapshot.info;
    if (!info.time.isValid())
        info.time = QDateTime::currentDateTimeUtc();
    CompleteIdentity(info.identity);
    info.radio = RadioKey(info.identity, info.port);
    info.areas.clear();
    for (const auto &area : snapshot.areas)
        info.areas << area.first;
    const QByteArray content = WriteRadioBackup(snapshot.areas, snapshot.bytes);
    const QByteArray hash = contentHash(content);
    QDir dir(folder_ + QLatin1Char('/') + info.radio);
    if (!dir.mkpath(QStringLiteral(".")))
        return HistoryTexts::tr("the folder \"%1\" cannot be made").arg(dir.path());
    // Consecutive snapshots holding the same are kept once.
    const QStringList files = snapshotFiles(dir);
    if (!files.isEmpty()) {
        QFile newest(files.first());
        if (newest.open(QIODevice::ReadOnly) && newest.size() <= kMaxSnapshotBytes
            && historyOf(newest.readAll()).value(QStringLiteral("content")).toString().toLatin1() == hash) {
            info.file = files.first();
            info.id = info.radio + QLatin1Char('/') + QFileInfo(info.file).completeBaseName();
            return QString();
        }
    }
    QString stamp = info.time.toUTC().toString(QLatin1String(kStampFormat));
    for (int n = 2; QFile::exists(dir.filePath(stamp + QStringLiteral(".json"))); ++n)
        stamp = info.time.toUTC().toString(QLatin1String(kStampFormat)) + QStringLiteral("-%1").arg(n);
    QJsonObject o = QJsonDocument::fromJson(content).object();
    o.insert(QLatin1String(kHistoryKey),
             QJsonObject{{"time", info.time.toUTC().toString(Qt::ISODateWithMs)},
                         {"port", info.port},
                         {"radio", info.radio},
                         {"fleet", info.identity.fleet},
                         {"id", info.identity.id},
                         {"dtmfId", info.identity.dtmfId},
                         {"origin", info.origin},
                         {"content", QString::fromLatin1(hash)}});
    info.file = dir.filePath(stamp + QStringLiteral(".json"));
    info.id = info.radio + QLatin1Char('/') + stamp;
    try {
        SaveWholeFile(info.file, QJsonDocument(o).toJson(QJsonDocument::Indented));
    } catch (const std::exception &e) {
        info.file.clear();
        info.id.clear();
        return QString::fromUtf8(e.what());
    }
    return QString();
}

void RadioHistory::CompleteIdentity(FleetIdentity &identity) const
{
    // A read of one identity area (FleetSync alone, say) names the radio
    // whose other values agree: the one radio seen with them all, newest first.
    const QStringList ours = RadioKey(identity, QString()).split(QLatin1Char('-'));
    if (ours.first() == QLatin1String("port") || (!identity.fleet.isEmpty() && !identity.id.isEmpty() && !identity.dtmfId.isEmpty()))
        return;
    QString best, bestNewest;
    const QDir root(folder_);
    for (const QString &name : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QStringList theirs = name.split(QLatin1Char('-'));
        if (theirs.size() <= ours.size() || !std::all_of(ours.begin(), ours.end(), [&](const QString &p) { return theirs.contains(p); }))
            continue;
        const QStringList files = snapshotFiles(QDir(root.filePath(name)));
        if (!files.isEmpty() && QFileInfo(files.first()).fileName() > bestNewest) {
            bestNewest = QFileInfo(files.first()).fileName();
            best = files.first();
        }
    }
    if (best.isEmpty())
        return;
    const SnapshotInfo known = infoOf(best);
    if (known.damaged)
        return;
    for (auto [value, theirs] : {std::pair<QString *, QString>{&identity.fleet, known.identity.fleet},
                                 {&identity.id, known.identity.id}, {&identity.dtmfId, known.identity.dtmfId}})
        if (value->isEmpty())
            *value = theirs;
}

SnapshotInfo RadioHistory::infoOf(const QString &file) const
{
    SnapshotInfo info;
    const QFileInfo where(file);
    info.file = file;
    info.radio = where.dir().dirName();
    info.id = info.radio + QLatin1Char('/') + where.completeBaseName();
    info.time = QDateTime::fromString(where.completeBaseName().left(19), QLatin1String(kStampFormat));
    info.time.setTimeSpec(Qt::UTC);
    QFile f(file);
    auto damaged = [&info](const QString &why) {
        info.damaged = true;
        info.damage = why;
        return info;
    };
    if (!f.open(QIODevice::ReadOnly))
        return damaged(f.errorString());
    if (f.size() > kMaxSnapshotBytes)
        return damaged(HistoryTexts::tr("it is larger than 1 MiB"));
    QJsonParseError error{};
    const QJsonObject o = QJsonDocument::fromJson(f.readAll(), &error).object();
    const QJsonObject h = o.value(QLatin1String(kHistoryKey)).toObject();
    if (error.error != QJsonParseError::NoError)
        return damaged(HistoryTexts::tr("it is not JSON (%1 at byte %2)").arg(error.errorString()).arg(error.offset));
    if (h.isEmpty() || o.value(QStringLiteral("area")).toString() != QLatin1String("radio"))
        return damaged(HistoryTexts::tr("it is no snapshot of a radio"));
    info.time = QDateTime::fromString(h.value(QStringLiteral("time")).toString(), Qt::ISODateWithMs);
    info.port = h.value(QStringLiteral("port")).toString();
    info.identity = {h.value(QStringLiteral("fleet")).toString(), h.value(QStringLiteral("id")).toString(),
                     h.value(QStringLiteral("dtmfId")).toString()};
    info.origin = h.value(QStringLiteral("origin")).toString();
    for (const QString &area : area::All())
        if (o.value(area).isObject())
            info.areas << area;
    if (!info.time.isValid() || info.areas.isEmpty())
        return damaged(HistoryTexts::tr("it says no time or holds no area"));
    return info;
}

QVector<SnapshotInfo> RadioHistory::List(const QString &radio) const
{
    QVector<SnapshotInfo> all;
    const QDir root(folder_);
    // A radio named by its key is its folder alone: Undo asks after every
    // transfer, and reading every radio's snapshots there would grow with them.
    QStringList folders = root.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    if (folders.contains(radio))
        folders = QStringList{radio};
    for (const QString &name : folders)
        for (const QString &file : snapshotFiles(QDir(root.filePath(name)))) {
            SnapshotInfo info = infoOf(file);
            const FleetIdentity &id = info.identity;
            if (radio.isEmpty() || info.radio == radio || id.fleet == radio || id.id == radio || id.dtmfId == radio)
                all << info;
        }
    std::stable_sort(all.begin(), all.end(),
                     [](const SnapshotInfo &a, const SnapshotInfo &b) { return a.time > b.time; });
    return all;
}

Snapshot RadioHistory::Load(const QString &idOrFile, const AreaSettings &shapes, const QVector<int> &blockCounts) const
{
    QString file = idOrFile;
    if (!QFileInfo(file).isFile())
        file = folder_ + QLatin1Char('/') + idOrFile + (idOrFile.endsWith(QLatin1String(".json")) ? "" : ".json");
    if (!QFileInfo(file).isFile())
        throw EFOpenError(HistoryTexts::tr("There is no snapshot \"%1\" in the radio history (%2).").arg(idOrFile, folder_));
    Snapshot snapshot;
    snapshot.info = infoOf(file);
    if (snapshot.info.damaged)
        throw EFOpenError(HistoryTexts::tr("The snapshot \"%1\" is damaged: %2. Nothing of it was taken.")
                                  .arg(snapshot.info.id, snapshot.info.damage));
    AreaSettings theirs;
    QVector<int> counts;
    for (int i = 0; i < shapes.size(); ++i)
        if (snapshot.info.areas.contains(shapes[i].first)) {
            theirs << shapes[i];
            counts << blockCounts.value(i, -1);
        }
    snapshot.areas = LoadRadioBackup(file, theirs, &snapshot.bytes, counts);
    return snapshot;
}

int RadioHistory::Prune(const HistoryBounds &bounds, const QDateTime &now) const
{
    int removed = 0;
    const QDateTime oldest = now.addDays(-bounds.days);
    const QDir root(folder_);
    for (const QString &name : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QStringList files = snapshotFiles(QDir(root.filePath(name)));
        for (int i = bounds.count; i < files.size(); ++i) { // the last count are kept whatever their age
            const SnapshotInfo info = infoOf(files[i]);
            if (info.time.isValid() && info.time < oldest && QFile::remove(files[i]))
                ++removed;
        }
    }
    return removed;
}

int RadioHistory::PruneIfDue(const HistoryBounds &bounds, const QDateTime &now) const
{
    QFile stamp(folder_ + QLatin1Char('/') + QLatin1String(kPrunedStamp));
    if (stamp.open(QIODevice::ReadOnly)) {
        const QDateTime last = QDateTime::fromString(QString::fromLatin1(stamp.readAll()).trimmed(), Qt::ISODate);
        stamp.close();
        if (last.isValid() && last <= now && last.secsTo(now) < 24 * 3600)
            return 0;
    }
    const int removed = Prune(bounds, now);
    if (QDir(folder_).exists() && stamp.open(QIODevice::WriteOnly | QIODevice::Truncate))
        stamp.write(now.toUTC().toString(Qt::ISODate).toLatin1());
    return removed;
}

} // namespace lumora
