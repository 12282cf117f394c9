// lumora-cli history: the radio history listed, shown, compared, restored
// and pruned.

#include "app/ToolWindows.h"
#include "app/cli/CliCommand.h"
#include "memory/MemoryComparison.h"
#include "protocol/MainMemoryFrames.h"
#include "ui/Languages.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace lumora {

namespace {

QString timeText(const QDateTime &time) { return time.toUTC().toString(Qt::ISODateWithMs); }

class HistoryCommand : public CliCommand {
public:
    HistoryCommand()
        : CliCommand("history",
                     {"  lumora-cli history list [--radio ID] [--json]",
                      "  lumora-cli history show SNAPSHOT",
                      "  lumora-cli history diff SNAPSHOT [SNAPSHOT | --port DEV]",
                      "  lumora-cli history restore SNAPSHOT --port DEV [--verify]",
                      "  lumora-cli history prune [--keep-days DAYS] [--keep-count N]"},
                     QT_TRANSLATE_NOOP("CliHelp", R"(  history             the radio history: every image of a radio read, verified,
                      backed up, read back after a write, or read before a
                      restore or a fleet radio is written, one snapshot each
                      (SNAPSHOT: its id as "list" gives it, or its file).
                      list: newest first (--radio ID: one radio, by its
                      key or a value of its identity); show: every value;
                      diff: field by field against another snapshot or
                      the radio on DEV (0 when the same, 1 when not);
                      restore: written back, the radio read and kept first;
                      prune: what the bounds no longer keep, removed.
                      Errors exit with 2.
  --no-history        keep no snapshot of this run
  --keep-days DAYS, --keep-count N
                      keep every snapshot newer than DAYS (default 365)
                      and the last N of each radio (default 100), or as
                      set in the tool's "Radio history..." window
)"),
                     {"json", "radio", "verify"})
    {
    }
    int FailureStatus() const override { return 2; }
    QString Take(const CliArgs &, const QStringList &words, CliRunner::Request &request) const override
    {
        request.history = words;
        const QString what = words.value(0);
        const int n = static_cast<int>(words.size());
        const bool fits = (what == QLatin1String("list") && n == 1) || (what == QLatin1String("prune") && n == 1)
                          || (what == QLatin1String("show") && n == 2)
                          || (what == QLatin1String("diff") && ((n == 2 && !request.port.isEmpty()) || (n == 3 && request.port.isEmpty())))
                          || (what == QLatin1String("restore") && n == 2 && !request.port.isEmpty());
        if (!fits)
            return Cli::tr("history needs list, show SNAPSHOT, diff SNAPSHOT [SNAPSHOT|--port DEV], "
                           "restore SNAPSHOT --port DEV or prune");
        if (!request.radio.isEmpty() && what != QLatin1String("list"))
            return Cli::tr("--radio goes with history list");
        return QString();
    }
    int RunOn(CliRunner &runner, ToolWindows &windows, const CliRunner::Request &request) const override
    {
        const RadioHistory history(windows.HistoryFolder);
        const QString what = request.history.value(0);
        if (what == QLatin1String("list"))
            return list(history, request);
        if (what == QLatin1String("prune")) {
            const int removed = history.Prune(CliRunner::HistoryOf(request).bounds, QDateTime::currentDateTimeUtc());
            CliOut() << (removed == 1 ? Cli::tr("Removed 1 snapshot from %1.").arg(history.Folder())
                                      : Cli::tr("Removed %1 snapshots from %2.").arg(removed).arg(history.Folder()))
                     << Qt::endl;
            return 0;
        }
        const Snapshot snapshot = history.Load(request.history.value(1), windows.AllSettings(), windows.BlockCounts());
        if (what == QLatin1String("show")) {
            show(snapshot);
            return 0;
        }
        if (what == QLatin1String("restore"))
            return runner.RestoreSnapshot(windows, request, snapshot.info.file,
                                          QStringLiteral("restore of the snapshot %1").arg(snapshot.info.id));
        // diff: against another snapshot, or the radio as a read finds it
        Snapshot other;
        QString word = SideWord("radio");
        if (request.port.isEmpty()) {
            other = history.Load(request.history.value(2), windows.AllSettings(), windows.BlockCounts());
            word = SideWord("other");
        } else if (!readRadio(runner, windows, request, snapshot, other)) {
            return CliRunner::kFailed;
        }
        const QStringList lines = CompareImages(snapshot, other, SideWord("snapshot"), word);
        for (const QString &line : lines)
            CliOut() << line << Qt::endl;
        if (lines.isEmpty())
            CliOut() << Cli::tr("No difference.") << Qt::endl;
        return lines.isEmpty() ? 0 : 1;
    }

private:
    static int list(const RadioHistory &history, const CliRunner::Request &request)
    {
        const SourceTextsOnly english(request.json); // the JSON's texts are the same in every language
        QJsonArray all;
        for (const SnapshotInfo &info : history.List(request.radio)) {
            if (request.json) {
                all.append(QJsonObject{{"snapshot", info.id},
                                       {"radio", info.radio},
                                       {"fleet", info.identity.fleet},
                                       {"id", info.identity.id},
                                       {"dtmfId", info.identity.dtmfId},
                                       {"time", timeText(info.time)},
                                       {"port", info.port},
                                       {"origin", info.origin},
                                       {"areas", QJsonArray::fromStringList(info.areas)},
                                       {"damaged", info.damaged},
                                       {"damage", info.damage},
                                       {"file", info.file}});
                continue;
            }
            CliOut() << info.id << "  "
                     << (info.damaged ? Cli::tr("damaged: %1").arg(info.damage)
                                      : QStringLiteral("%1  %2  %3  (%4)  %5")
                                                .arg(timeText(info.time), info.port, ShownOrigin(info.origin),
                                                     info.areas.join(QLatin1Char(',')), info.RadioText()))
                     << Qt::endl;
        }
        if (request.json)
            CliOut() << QJsonDocument(all).toJson();
        return 0;
    }

    static void show(const Snapshot &snapshot)
    {
        const SnapshotInfo &info = snapshot.info;
        CliOut() << Cli::tr("Snapshot: %1\nRadio: %2\nTime: %3\nPort: %4\nFrom: %5\nAreas: %6\nFile: %7")
                            .arg(info.id, info.RadioText(), timeText(info.time), info.port, ShownOrigin(info.origin),
                                 info.areas.join(QStringLiteral(", ")), info.file)
                 << Qt::endl;
        for (const auto &area : snapshot.areas)
            for (const auto &[field, value] : SnapshotFields(area.first, area.second))
                CliOut() << field << ": " << value << Qt::endl;
    }

    // The areas the snapshot holds, read from the radio (and kept, as every read is).
    static bool readRadio(CliRunner &runner, ToolWindows &windows, const CliRunner::Request &request,
                          const Snapshot &snapshot, Snapshot &radio)
    {
        TForm1 &form = *windows.Form1;
        if (windows.History) // one snapshot of what the reads found
            windows.History->Group(QStringLiteral("diff with %1").arg(snapshot.info.id));
        for (const auto &area : snapshot.areas) {
            if (area.first == area::Main) {
                if (!runner.RunMain(form, true, request))
                    return false;
                const MainBaseline read = MainBaselineOf(form.LastReadBlocks());
                radio.areas << qMakePair(area.first, MainMemorySettings(read.channels, read.options));
                radio.bytes << form.LastReadBlocks();
                continue;
            }
            TSignallingForm *window = windows.Area(area.first);
            if (!runner.RunArea(form, *window, true, request))
                return false;
            radio.areas << qMakePair(area.first, window->SettingsOfBlocks(window->LastReadBlocks()));
            radio.bytes << window->LastReadBlocks();
        }
        if (windows.History)
            windows.History->Flush();
        return true;
    }
};

} // namespace

LUMORA_CLI_COMMAND(HistoryCommand)

} // namespace lumora
