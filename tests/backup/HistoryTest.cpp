// The radio history: each kind of transfer kept once, Undo last write,
// the history window's restore, lumora-cli history, and the bounds and
// faults of the folder it lives in.

#include "support/WindowsOnRadio.h"

#include "backup/RadioHistoryWindow.h"
#include "memory/Errors.h"

#include <QAction>
#include <QCheckBox>
#include <QJsonArray>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <csignal>
#include <sys/resource.h>

using namespace lumora;
using namespace lumora::test;

namespace {

constexpr int kWait = 30000;

QJsonObject blankOf(QJsonObject image)
{
    for (const QString &area : image.keys())
        if (image[area].isArray())
            image[area] = QJsonArray::fromStringList(QStringList(image[area].toArray().size(), QString(56, '0')));
    return image;
}

QStringList originsOf(const RadioHistory &history)
{
    QStringList origins;
    for (const SnapshotInfo &info : history.List())
        origins << info.origin + " (" + info.areas.join(',') + ")";
    return origins;
}

} // namespace

class HistoryTest : public QObject, WindowsOnRadio {
    Q_OBJECT

    QString folder() const { return dir->filePath("history"); }
    RadioHistory history() const { return RadioHistory(folder()); }
    bool idle() { return !form->MainReadUnderWay() && !form->MainWriteUnderWay() && (!windows->Run || !windows->Run->Running()); }
    void waitForRun()
    {
        QTRY_VERIFY_WITH_TIMEOUT(!windows->Run, kWait); // let go once finished
    }
    QProcess *cliRun(const QStringList &args)
    {
        auto *p = new QProcess(this);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_DATA_HOME", dir->filePath("data"));
        env.insert("XDG_CONFIG_HOME", dir->filePath("config"));
        p->setProcessEnvironment(env);
        p->start(LUMORA_CLI_PATH, args);
        p->waitForFinished(120000);
        return p;
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true); // the settings the window saves
        QSettings().clear();
    }
    void init()
    {
        open();
        windows->KeepHistory(folder(), true);
    }
    void cleanup() { close(); }

    void everyKindOfTransferIsKeptOnceAndAWriteIsUndone()
    {
        writeJson(memory(), CustomSignallingImage(dir->path()));
        const QJsonObject before = readJson(memory());
        VirtualRadio radio({"--memory", memory()});
        form->SelectPort(radio.device());
        for (int i = 0; i < 2; ++i) { // the same image twice: one snapshot
            form->rbtnClick();
            QTRY_VERIFY_WITH_TIMEOUT(idle(), kWait);
        }
        form->VerifyClick();
        QTRY_VERIFY_WITH_TIMEOUT(idle(), kWait);
        QCOMPARE(originsOf(history()), QStringList{"read (main)"});
        form->OpenPortForSignalling();
        fsk().ReadFromRadio();
        QTRY_VERIFY_WITH_TIMEOUT(done(fsk()), kWait);
        QVERIFY(!windows->UndoLastWrite1->isEnabled()); // nothing written yet
        dialogs->nextFileName = dir->filePath("backup.json");
        windows->BackupClick();
        waitForRun();
        QCOMPARE(originsOf(history()), QStringList({"backup (main,dtmf,2tone,5tone,fsk)", "read (fsk)", "read (main)"}));
        QCOMPARE(history().List().first().RadioText(), QString("Fleet 300, ID 2000, DTMF ID 0*#"));

        // A write, then Undo last write: the radio read and kept first, then the backup's image back.
        form->xg->setCells(ColRxFreq, 1, "147.00000");
        form->wbtnClick();
        QTRY_VERIFY_WITH_TIMEOUT(idle(), kWait);
        QVERIFY(windows->UndoLastWrite1->isEnabled());
        QVERIFY2(windows->UndoLastWrite1->text().startsWith("&Undo last write (back to the backup of ")
                         && windows->UndoLastWrite1->statusTip().contains("Fleet 300, ID 2000, DTMF ID 0*#"),
                 qPrintable(windows->UndoLastWrite1->text()));
        dialogs->messages.clear();
        windows->UndoLastWriteClick();
        waitForRun();
        QVERIFY2(dialogs->errors.isEmpty(), qPrintable(dialogs->errors.join(" / ")));
        QCOMPARE(history().List().value(1).origin, QString("before undo of the last write"));
        QCOMPARE(history().List().value(0).origin, QString("undo of the last write"));
        // A write that gives the radio another identity is undone on the radio that now has it.
        fsk().ed1->setText("301");
        fsk().wbtnClick();
        QTRY_VERIFY_WITH_TIMEOUT(done(fsk()), kWait);
        QVERIFY(windows->UndoLastWrite1->statusTip().contains("Fleet 300, ID 2000"));
        windows->UndoLastWriteClick();
        waitForRun();
        QVERIFY2(dialogs->errors.isEmpty(), qPrintable(dialogs->errors.join(" / ")));
        QCOMPARE(fsk().ed1->text(), QString("300"));
        radio.stop();
        QCOMPARE(readJson(memory()), before); // every byte as it was

        // Undo on another radio writes nothing.
        writeJson(dir->filePath("other.json"), blankOf(before));
        VirtualRadio other({"--memory", dir->filePath("other.json")});
        form->SelectPort(other.device());
        form->xg->setCells(ColRxFreq, 2, "147.50000");
        windows->UndoLastWriteClick();
        waitForRun();
        QVERIFY2(dialogs->errors.join(" ").contains("Nothing was written: the radio on"), qPrintable(dialogs->errors.join(" / ")));
        other.stop();
        QCOMPARE(readJson(dir->filePath("other.json")), blankOf(before));
    }

    void theWindowListsDifferencesAndRestoresASnapshot()
    {
        writeJson(memory(), CustomSignallingImage(dir->path()));
        VirtualRadio radio({"--memory", memory()});
        form->SelectPort(radio.device());
        form->rbtnClick();
        QTRY_VERIFY_WITH_TIMEOUT(idle(), kWait);
        form->xg->setCells(ColRxFreq, 3, "146.00000");
        windows->HistoryClick();
        auto *window = findChild<RadioHistoryWindow *>();
        window = window ? window : form->findChild<RadioHistoryWindow *>();
        QVERIFY(window);
        QCOMPARE(window->Snapshots->count(), 1);
        QCOMPARE(window->Differences->item(0)->text(), QString("Channel 3, RX Freq: now 146.00000, snapshot 145.62500"));
        dialogs->nextSaveAnswer = IUserDialogs::SaveAnswer::Discard;
        window->RestoreButton->click();
        waitForRun();
        QVERIFY2(dialogs->errors.isEmpty(), qPrintable(dialogs->errors.join(" / ")));
        QVERIFY2(dialogs->messages.last().contains("The file holds main memory only: DTMF, 2TONE, 5TONE, FleetSync were not written."),
                 qPrintable(dialogs->messages.last()));
        QCOMPARE(form->xg->Cells(ColRxFreq, 3), QString("145.62500"));
        // The restore's read-back is the newest snapshot; the window shows it.
        QCOMPARE(window->Snapshots->count(), 1); // it holds what the read held: kept once
        QVERIFY(window->KeepBox->isChecked());
        window->KeepBox->setChecked(false);
        QVERIFY(!windows->History);
    }

    void boundsAndFaultsOfTheFolder()
    {
        // Pruned: older than the days and beyond the count, never the last ones.
        RadioHistory store(folder());
        const QDateTime now = QDateTime::currentDateTimeUtc();
        for (int age : {400, 300, 200, 2, 1}) {
            Snapshot s;
            s.info.time = now.addDays(-age);
            s.info.identity = {"1", "2", ""};
            s.info.origin = QString::number(age);
            s.areas = {{"dtmf", dtmf().Settings()}};
            s.bytes = {std::vector<Payload>(4, Payload{})};
            s.bytes[0][0][0] = static_cast<uint8_t>(age); // each unlike the one before
            QCOMPARE(store.Keep(s), QString());
        }
        QCOMPARE(store.Prune({250, 2}, now), 2); // 400 and 300 days old
        QCOMPARE(store.PruneIfDue({1, 1}, now), 2);
        QCOMPARE(store.PruneIfDue({1, 1}, now.addSecs(3600)), 0); // once a day
        QCOMPARE(store.List().size(), 1);

        // A damaged snapshot is listed as such and never loaded in part.
        const SnapshotInfo damaged = store.List().first();
        QFile f(damaged.file);
        QVERIFY(f.open(QIODevice::ReadWrite));
        f.resize(f.size() / 2);
        f.close();
        QVERIFY(store.List().first().damaged);
        QVERIFY_THROWS_EXCEPTION(EFOpenError, store.Load(damaged.id, windows->AllSettings(), windows->BlockCounts()));

        // A full disk: no file at all, one notice, the read still succeeds.
        writeJson(memory(), CustomSignallingImage(dir->path()));
        VirtualRadio radio({"--memory", memory()});
        form->SelectPort(radio.device());
        QStringList notices;
        connect(windows->History.get(), &HistoryKeeper::NotKept, this, [&](const QString &why) { notices << why; });
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit small = old;
        small.rlim_cur = 1000;
        setrlimit(RLIMIT_FSIZE, &small);
        const int kept = store.List().size();
        for (int i = 0; i < 2; ++i) { // nothing kept the first time: the second is no copy of it
            dialogs->messages.clear();
            form->rbtnClick();
            QTRY_VERIFY_WITH_TIMEOUT(idle(), kWait);
            QCOMPARE(dialogs->messages, QStringList{"   Read Succeed!"});
        }
        setrlimit(RLIMIT_FSIZE, &old);
        QCOMPARE(notices.size(), 1);
        QVERIFY2(notices[0].contains("disk may be full") || notices[0].contains("too large"), qPrintable(notices[0]));
        QVERIFY(form->StatusBar1->currentMessage().startsWith("History is not being kept: "));
        QCOMPARE(store.List().size(), kept); // no snapshot, not even in part

        // A folder that cannot be made (a file stands in its way).
        QFile blocker(dir->filePath("blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        Snapshot s;
        s.areas = {{"dtmf", dtmf().Settings()}};
        QVERIFY(RadioHistory(dir->filePath("blocker/history")).Keep(s).contains("cannot be made"));
    }

    void lumoraCliRestoresASnapshotByteForByte()
    {
        writeJson(memory(), CustomSignallingImage(dir->path()));
        VirtualRadio radio({"--memory", memory()});
        QProcess *p = cliRun({"backup", "-p", radio.device(), "-o", dir->filePath("b.json")});
        QCOMPARE(p->exitCode(), 0);
        p = cliRun({"read", "-p", radio.device(), "-o", dir->filePath("c.wh"), "--no-history"});
        QCOMPARE(p->exitCode(), 0);
        p = cliRun({"history", "list", "--json", "--radio", "2000"});
        const QJsonArray list = QJsonDocument::fromJson(p->readAllStandardOutput()).array();
        QCOMPARE(list.size(), 1); // --no-history kept nothing
        const QString id = list[0]["snapshot"].toString();
        QCOMPARE(list[0]["origin"].toString(), QString("backup"));
        radio.stop();

        writeJson(dir->filePath("blank.json"), blankOf(readJson(memory())));
        VirtualRadio blank({"--memory", dir->filePath("blank.json")});
        p = cliRun({"history", "restore", id, "-p", blank.device(), "--verify"});
        QVERIFY2(p->exitCode() == 0, p->readAllStandardError().constData());
        QVERIFY(p->readAllStandardOutput().contains("Verified: the radio holds what was written."));
        p = cliRun({"history", "diff", id, "-p", blank.device()});
        QCOMPARE(p->exitCode(), 0);
        blank.stop();
        const QJsonObject a = readJson(memory()), b = readJson(dir->filePath("blank.json"));
        for (const QString &area : a.keys())
            if (a[area].isArray())
                QCOMPARE(b[area], a[area]);
        p = cliRun({"history", "list"});
        const QString listed = p->readAllStandardOutput();
        QVERIFY2(listed.contains("before restore of the snapshot " + id), qPrintable(listed));
        // The read-back and the diff found the snapshot's image again: kept once.
        p = cliRun({"history", "list", "--radio", "2000"});
        QCOMPARE(p->readAllStandardOutput().count('\n'), 1);

        // A fleet radio: read and kept before it is written, and after.
        VirtualRadio fleet({"--memory", dir->filePath("blank.json")});
        p = cliRun({"fleet", "-p", fleet.device(), dir->filePath("b.json"), "--first-id", "500", "--count", "1"});
        QVERIFY2(p->exitCode() == 0, p->readAllStandardError().constData());
        p = cliRun({"history", "list", "--radio", "500"});
        QVERIFY(p->readAllStandardOutput().contains("fleet run, radio 1"));
    }
};

QTEST_MAIN(HistoryTest)
#include "HistoryTest.moc"
