// Files people edit by hand or other programs write, at their worst: every
// loader of the tool refuses them with a message that names the file, and
// the windows stay exactly as they were. Saving that fails (a full disk)
// says so and leaves the old file as it was.

#include "support/JsonFiles.h"
#include "support/WindowsOnRadio.h"

#include "memory/Errors.h"
#include "signalling/SettingsFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <csignal>
#include <sys/resource.h>

using namespace lumora;
using namespace lumora::test;

namespace {

QByteArray contents(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeFile(const QString &file, const QByteArray &bytes)
{
    QFile f(file);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

QByteArray randomBytes(int size, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray b(size, '\0');
    for (char &c : b)
        c = static_cast<char>(random.bounded(256));
    return b;
}

// Writes that go beyond a few bytes fail, as on a full disk.
class FullDisk {
public:
    FullDisk()
    {
        ::getrlimit(RLIMIT_FSIZE, &was_);
        old_ = std::signal(SIGXFSZ, SIG_IGN); // the write fails instead of ending the process
        rlimit small = was_;
        small.rlim_cur = 64;
        ::setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FullDisk()
    {
        ::setrlimit(RLIMIT_FSIZE, &was_);
        std::signal(SIGXFSZ, old_);
    }

private:
    rlimit was_{};
    void (*old_)(int) = nullptr;
};

} // namespace

class HostileFilesTest : public QObject, WindowsOnRadio {
    Q_OBJECT
    QMap<QString, QByteArray> good; // a good file of each format, as the tool saves it
    QStringList report;             // format | file | message, for the record

    // Everything the windows hold, as one text.
    QByteArray state() const
    {
        QByteArray all;
        const TForm1::EditedMemory memory = form->Snapshot();
        for (const QStringList &row : memory.rows)
            all += row.join('\t').toUtf8() + '\n';
        for (const QString &o : memory.options)
            all += o.toUtf8() + '\n';
        for (const auto &area : windows->Areas())
            all += WriteSettingsJson(area.first, area.second->Settings());
        return all;
    }

    // Loads the file as the format's own command does; the message, or
    // empty when the file was taken.
    QString load(const QString &format, const QString &file)
    {
        try {
            if (format == "wh")
                form->OpenChannelFile(file);
            else if (format == "csv")
                form->ImportCsvFile(file);
            else if (format == "backup")
                RadioBackupRun(*form, windows->Areas(), RadioBackupRun::Kind::Restore, file).Start();
            else
                windows->Area(format)->setSettings(
                        LoadSettingsFile(file, windows->Area(format)->SettingsArea(), windows->Area(format)->Settings()));
        } catch (const ELumoraError &e) {
            return e.detail().isEmpty() ? e.text() : e.text() + " | " + e.detail();
        }
        return QString();
    }

    void addRow(const QString &format, const QString &kind, const QByteArray &bytes)
    {
        QTest::newRow(qPrintable(format + ", " + kind)) << format << bytes;
    }

private slots:
    void initTestCase()
    {
        open();
        // Good files: a table with channels, the windows' own settings.
        form->xg->setCells(1, 1, "146.52");
        form->xgSetEditText(1, 1);
        form->xg->setCells(1, 2, "446.00625");
        form->xgSetEditText(1, 2);
        form->SaveChannelFileAs(dir->filePath("good.wh"));
        form->ExportCsvFile(dir->filePath("good.csv"));
        for (const auto &area : windows->Areas())
            SaveSettingsFile(dir->filePath(area.first + ".json"), area.second->SettingsArea(), area.second->Settings());
        for (const auto &area : windows->Areas())
            good[area.first] = contents(dir->filePath(area.first + ".json"));
        good["wh"] = contents(dir->filePath("good.wh"));
        good["csv"] = contents(dir->filePath("good.csv"));
        // A backup as the tool writes one.
        AreaSettings all{{"main", MainMemorySettings(*form->xg, form->Options())}};
        for (const auto &area : windows->Areas())
            all << qMakePair(area.first, area.second->Settings());
        good["backup"] = WriteRadioBackup(all);
        for (const QString &f : good.keys())
            QVERIFY2(!good[f].isEmpty(), qPrintable(f));
    }
    void cleanupTestCase()
    {
        close();
        // The messages each kind of file gets, for the record.
        if (qEnvironmentVariableIsSet("LUMORA_HOSTILE_REPORT"))
            writeFile(qEnvironmentVariable("LUMORA_HOSTILE_REPORT"), report.join('\n').toUtf8() + '\n');
    }

    void hostileFilesAreRefusedAndChangeNothing_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QByteArray>("bytes");
        for (const QString &f : QStringList{"wh", "csv", "dtmf", "5tone", "backup"}) {
            const QByteArray g = good.value(f);
            addRow(f, "empty", QByteArray());
            addRow(f, "binary", randomBytes(3000, 7));
            addRow(f, "10 MB", QByteArray(10 * 1024 * 1024, 'A') + g);
            addRow(f, "invalid in its encoding", QByteArray(g).insert(g.size() / 2, "\x81\x7f\xc3\x28", 4));
            addRow(f, "unbalanced quote", QByteArray(g).insert(g.indexOf('\n') + 1, '"'));
            addRow(f, "1,000 fields on a line", QByteArray(g).insert(g.indexOf('\n') + 1, QByteArray(1000, ',')) );
            addRow(f, "too long", g + g);
            const QList<QByteArray> lines = g.split('\n');
            for (int n = 1; n < lines.size() - 1; n += f == "backup" ? 37 : 1)
                addRow(f, QString("truncated after line %1").arg(n), lines.mid(0, n).join('\n') + '\n');
        }
    }
    void hostileFilesAreRefusedAndChangeNothing()
    {
        QFETCH(QString, format);
        QFETCH(QByteArray, bytes);
        const QString file = dir->filePath("hostile." + format);
        QVERIFY(writeFile(file, bytes));
        const QByteArray before = state();
        dialogs->messages.clear();
        const QString message = load(format, file);
        if (message.isEmpty()) {
            // Taken: only where what is left is still a whole file of its
            // kind (a CSV list with fewer rows or names in another
            // encoding, a channel line whose extra fields are dropped).
            QVERIFY2(format == "csv" || QByteArray(QTest::currentDataTag()) == "wh, 1,000 fields on a line",
                     "a hostile file was taken");
            report << QString("%1 | %2 | taken: %3").arg(format, QTest::currentDataTag(),
                                                          dialogs->messages.value(0, "whole"));
            return;
        }
        QVERIFY2(message.contains(file), qPrintable(message)); // names the file
        QCOMPARE(state(), before);
        report << QString("%1 | %2 | %3").arg(format, QTest::currentDataTag(), message);
    }

    void placesAndNamesThatAreNoFile()
    {
        // A folder, a missing file, and a good file under a name with
        // blanks and letters beyond ASCII, which simply works.
        const QString folder = dir->filePath("a folder.wh");
        QVERIFY(QDir().mkpath(folder));
        const QByteArray before = state();
        for (const QString &f : QStringList{"wh", "csv", "dtmf", "backup"}) {
            const QString message = load(f, folder);
            QVERIFY2(message.startsWith("Cannot open file \"" + folder + "\"."), qPrintable(message));
            QVERIFY(load(f, dir->filePath("missing")).startsWith("Cannot open file"));
            report << QString("%1 | a directory | %2").arg(f, message);
        }
        QCOMPARE(state(), before);
        const QString named = dir->filePath("Kanäle für Åse – 频道 1.wh");
        QVERIFY(writeFile(named, good["wh"]));
        QCOMPARE(load("wh", named), QString());
        QCOMPARE(form->xg->Cells(1, 2), QString("446.00625"));
    }

    void aSaveThatFailsSaysSoAndKeepsTheOldFile()
    {
        QVERIFY(writeFile(dir->filePath("again.wh"), good["wh"]));
        QCOMPARE(load("wh", dir->filePath("again.wh")), QString());
        const QString file = dir->filePath("kept.wh");
        QVERIFY(writeFile(file, good["wh"]));
        const QString csv = dir->filePath("kept.csv");
        QVERIFY(writeFile(csv, good["csv"]));
        const QString json = dir->filePath("kept.json");
        QVERIFY(writeFile(json, good["dtmf"]));
        form->xg->setCells(1, 2, "145.5");
        form->xgSetEditText(1, 2);
        QStringList messages;
        {
            FullDisk full;
            for (const auto &save : std::vector<std::function<void()>>{
                         [&] { form->SaveChannelFileAs(file); }, [&] { form->ExportCsvFile(csv); },
                         [&] { SaveSettingsFile(json, "dtmf", windows->Area("dtmf")->Settings()); }}) {
                try {
                    save();
                    messages << QString();
                } catch (const EFCreateError &e) {
                    messages << e.text();
                }
            }
        }
        for (const QString &m : messages)
            QVERIFY2(m.startsWith("Cannot create file \""), qPrintable(messages.join(" / ")));
        QCOMPARE(contents(file), good["wh"]);
        QCOMPARE(contents(csv), good["csv"]);
        QCOMPARE(contents(json), good["dtmf"]);
        QCOMPARE(QDir(dir->path()).entryList({"*.tmp", ".*"}, QDir::Files | QDir::Hidden), QStringList());
        report << QString("wh | full disk | %1").arg(messages[0]);
        QVERIFY(form->HasUnsavedChanges()); // the table still counts as not saved
    }
};

LUMORA_WINDOW_TEST_MAIN(HostileFilesTest)
#include "HostileFilesTest.moc"
