// lumora-cli fleet: radios programmed one after another on one link, as a
// dealer runs it, against radios that restart, are swapped fast or go
// quiet, and a disk that fills.

#include "support/CliRuns.h"
#include "support/JsonFiles.h"
#include "support/VirtualRadio.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>
#include <memory>

using namespace lumora::test;

namespace {

class Fleet : public ::testing::Test {
protected:
    // A template that differs from the radios it programs in every area
    // the identity lives in, and beside the identity.
    void SetUp() override
    {
        VirtualRadio templateRadio({"--memory", path("template-radio.json")});
        ASSERT_TRUE(templateRadio.ok());
        setArea(templateRadio.device(), "fsk", path("t-fsk.json"), {{"Message Mode Timer [s]", "9"}});
        setArea(templateRadio.device(), "dtmf", path("t-dtmf.json"), {{"Auto Reset Timer [s]", "15"}});
        templateFsk = readArea(templateRadio.device(), "fsk", path("t-fsk.json"));
        templateDtmf = readArea(templateRadio.device(), "dtmf", path("t-dtmf.json"));
        ASSERT_EQ(cli({"backup", "-p", templateRadio.device(), "-o", path("template.json")}).status, 0);
    }

    QString path(const QString &name) const { return dir.filePath(name); }
    QStringList fleetArgs(const QStringList &more) const
    {
        return QStringList{"fleet", "-p", link, path("template.json"), "--log", log} + more;
    }
    void start(QProcess &run, const QStringList &more)
    {
        run.start(LUMORA_CLI_PATH, fleetArgs(more));
        ASSERT_TRUE(run.waitForStarted());
    }
    int rowsLogged() const { return QFile::exists(log) ? QString::fromUtf8(contents(log)).count('\n') - 1 : 0; }
    bool waitForRows(int rows) const
    {
        QElapsedTimer waited;
        waited.start();
        while (rowsLogged() < rows && waited.elapsed() < 60000)
            QThread::msleep(100);
        return rowsLogged() >= rows;
    }
    // The radio on the link until its row is logged; stopped when it goes.
    std::unique_ptr<VirtualRadio> plugIn(const QString &memory, int rows, const QStringList &faults = {})
    {
        auto r = std::make_unique<VirtualRadio>(QStringList{"--memory", path(memory), "--link", link} + faults);
        EXPECT_TRUE(r->ok());
        EXPECT_TRUE(waitForRows(rows)) << memory.toStdString();
        return r;
    }
    QStringList logRows() const { return QString::fromUtf8(contents(log)).split('\n', Qt::SkipEmptyParts); }
    // What the radio whose memory is in FILE holds in a signalling area.
    QJsonObject areaOf(const QString &memory, const char *area)
    {
        VirtualRadio done({"--memory", path(memory)});
        return readArea(done.device(), area, path(QStringLiteral("done-%1.json").arg(area)));
    }

    QTemporaryDir dir;
    QJsonObject templateFsk, templateDtmf;
    const QString link = path("cable"), log = path("log.csv");
};

} // namespace

// Each radio takes the template and the next FleetSync ID; one that goes
// quiet mid-write fails and passes its ID on; a run started again with the
// log gives no ID twice.
TEST_F(Fleet, ProgramsOneRadioAfterAnother)
{
    QProcess run;
    start(run, {"--first-id", "500", "--wait", "5"});
    for (const auto &[memory, rows, faults] : {std::tuple{"r1.json", 1, QStringList()},
                                               std::tuple{"r2.json", 2, QStringList{"--quiet-after", "30"}},
                                               std::tuple{"r3.json", 3, QStringList()}}) {
        QThread::msleep(2000); // the cable unplugged a while, as between two radios
        plugIn(memory, rows, faults);
    }
    ASSERT_TRUE(run.waitForFinished(60000));
    EXPECT_EQ(run.exitCode(), 1); // one radio failed
    QStringList lines = logRows();
    ASSERT_EQ(lines.size(), 4) << contents(log).toStdString();
    EXPECT_EQ(lines[0], "Time,Port,Radio,Fleet,ID,DTMF ID,Result,Differences");
    EXPECT_TRUE(lines[1].contains(",1,") && lines[1].contains(",500,") && lines[1].contains(",ok,")) << lines[1].toStdString();
    EXPECT_TRUE(lines[2].contains(",2,") && lines[2].contains(",501,") && lines[2].contains("failed: ")) << lines[2].toStdString();
    EXPECT_TRUE(lines[3].contains(",3,") && lines[3].contains(",501,") && lines[3].contains(",ok,")) << lines[3].toStdString();
    const QString out = QString::fromUtf8(run.readAllStandardOutput());
    EXPECT_TRUE(out.contains("Radio 3 on " + link + ": Fleet ")) << out.toStdString();
    EXPECT_TRUE(out.contains("Connect radio 2 to " + link + ": it is programmed as soon as it answers.")) << out.toStdString();
    // The template's bytes, apart from the identity the log names, which
    // each radio holds.
    const QJsonObject want = jsonOf(path("template-radio.json"));
    for (const auto &[name, id] : {std::pair{"r1.json", "500"}, std::pair{"r3.json", "501"}}) {
        const QJsonObject got = jsonOf(path(name));
        for (const char *area : {"channel", "settings", "2tone", "5tone"})
            EXPECT_EQ(got[area], want[area]) << name << " " << area;
        QJsonObject fsk = areaOf(name, "fsk");
        EXPECT_EQ(fsk["ID[Own]"].toString(), id) << name;
        QJsonObject wantFsk = templateFsk;
        for (const char *key : {"ID[Own]", "bytes"}) // the ID's bytes differ
            wantFsk.remove(key), fsk.remove(key);
        EXPECT_EQ(QJsonDocument(fsk).toJson().toStdString(), QJsonDocument(wantFsk).toJson().toStdString()) << name;
        EXPECT_EQ(QJsonDocument(areaOf(name, "dtmf")).toJson().toStdString(),
                  QJsonDocument(templateDtmf).toJson().toStdString())
                << name;
    }

    QProcess again; // the same log: the next ID, the next number
    start(again, {"--first-id", "500", "--wait", "5"});
    plugIn("r4.json", 4);
    ASSERT_TRUE(again.waitForFinished(60000));
    EXPECT_EQ(again.exitCode(), 0);
    lines = logRows();
    ASSERT_EQ(lines.size(), 5);
    EXPECT_TRUE(lines[4].contains(",4,") && lines[4].contains(",502,") && lines[4].contains(",ok,")) << lines[4].toStdString();
}

// A radio that restarts once programmed (silent 1.5 s, then answering as
// itself) is not taken for the next; a radio swapped in at once is. Rows
// that differ only as typed are one identity each as the radio stores them.
TEST_F(Fleet, TellsRadiosApartByWhatTheyHold)
{
    QFile ids(path("ids.csv"));
    ASSERT_TRUE(ids.open(QIODevice::WriteOnly));
    ids.write("Fleet,ID,DTMF ID\n100,501,abc1\n100,502,abc2\n100,503,abc3\n");
    ids.close();
    QProcess run;
    start(run, {"--ids", path("ids.csv"), "--wait", "20", "--count", "2"});
    {
        auto restarting = plugIn("a.json", 1, {"--deaf-after", "52020220:1.5"});
        QThread::msleep(4000); // restarted, and answering again as itself
        EXPECT_EQ(rowsLogged(), 1) << contents(log).toStdString();
    } // swapped for the next at once
    plugIn("b.json", 2);
    ASSERT_TRUE(run.waitForFinished(60000));
    EXPECT_EQ(run.exitCode(), 0) << run.readAllStandardError().toStdString();
    const QStringList lines = logRows();
    ASSERT_EQ(lines.size(), 3) << contents(log).toStdString();
    EXPECT_TRUE(lines[1].contains(",1,100,501,ABC1,ok,")) << lines[1].toStdString();
    EXPECT_TRUE(lines[2].contains(",2,100,502,ABC2,ok,")) << lines[2].toStdString();
    EXPECT_EQ(areaOf("a.json", "dtmf")["ID Code"].toString(), "ABC1");
    EXPECT_EQ(areaOf("b.json", "dtmf")["ID Code"].toString(), "ABC2");
    EXPECT_EQ(areaOf("b.json", "fsk")["ID[Own]"].toString(), "502");
}

// What can be known before a radio is refused before one is waited for
// (status 2); a run that programs fewer radios than asked fails, and a
// missing port is named as missing.
TEST_F(Fleet, RefusesWhatItCannotDoBeforeAnyRadio)
{
    auto refused = [&](const QByteArray &list, const QStringList &more, const char *says) {
        QFile::remove(log);
        QFile ids(path("ids.csv"));
        ids.open(QIODevice::WriteOnly);
        ids.write(list);
        ids.close();
        const CliRun r = cli(fleetArgs(more + QStringList{"--wait", "600"}));
        EXPECT_EQ(r.status, 2) << says;
        EXPECT_TRUE(r.err.contains(says)) << r.err.toStdString();
        EXPECT_FALSE(QFile::exists(log)) << says;
    };
    const QStringList list{"--ids", path("ids.csv")};
    refused("Fleet,ID,DTMF ID\n100,501,abc1\n100,0501,ABC1\n", list, "line 3: the radio stores it as line 2");
    refused("Fleet,ID,DTMF ID\n100,501,12x\n", list, "line 2: the radio cannot hold DTMF ID \"12x\"");
    refused("Fleet,ID,DTMF ID\n100,501,123456789\n", list, "line 2: the radio cannot hold DTMF ID");
    refused("Fleet,ID,DTMF ID\n100,70000,1\n", list, "line 2: the radio cannot hold ID \"70000\"");
    refused("Fleet,ID,DTMF ID\n# none yet\n", list, "holds no radio");
    refused("", {"--first-id", "65536"}, "The first ID 65536 is not one the radio holds");
    QFile channels(path("template.json"));
    ASSERT_TRUE(channels.open(QIODevice::WriteOnly));
    channels.write("No.,RX Freq,TX Freq\r\n1,146.52000,146.52000\r\n");
    channels.close();
    refused("", {"--first-id", "1"}, "template.json");

    SetUp(); // the template again
    const CliRun r = cli({"fleet", "-p", "/dev/lumora-missing", path("template.json"), "--first-id", "1", "--wait",
                          "1", "--count", "2"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out.contains("No radio answered on /dev/lumora-missing within 1 second:")) << r.out.toStdString();
    EXPECT_TRUE(r.err.contains("/dev/lumora-missing: missing. There is no such device.")) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("0 of 2 radios written and verified")) << r.err.toStdString();
}

// A row that cannot be written (the disk full) is taken back whole, the
// radio's line says it was not logged, and no further radio is programmed.
TEST_F(Fleet, StopsWhenItsLogCannotBeKept)
{
    QByteArray before = "Time,Port,Radio,Fleet,ID,DTMF ID,Result,Differences\n";
    for (int radio = 1; before.size() < 950; ++radio) // the next row crosses 1 KiB
        before += "2026-01-01T00:00:00,/dev/ttyUSB0," + QByteArray::number(radio) + ",100,900,,failed: cancelled,\n";
    ASSERT_LT(before.size(), 1024);
    QFile f(log);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(before);
    f.close();
    QProcess run; // files of at most 1 KiB, as on a disk that is full there
    run.start("/bin/bash", QStringList{"-c", "trap '' XFSZ; ulimit -f 1; exec \"$0\" \"$@\"", LUMORA_CLI_PATH}
                                   + fleetArgs({"--first-id", "500", "--wait", "20", "--count", "2"}));
    ASSERT_TRUE(run.waitForStarted());
    auto radio = std::make_unique<VirtualRadio>(QStringList{"--memory", path("r1.json"), "--link", link});
    ASSERT_TRUE(run.waitForFinished(60000));
    EXPECT_EQ(run.exitCode(), 1);
    const QString out = QString::fromUtf8(run.readAllStandardOutput());
    EXPECT_TRUE(out.contains(": Fleet 100, ID 500, DTMF ID 12345678: written and verified, but not logged: Cannot write file"))
            << out.toStdString();
    EXPECT_FALSE(out.contains("Connect radio")) << out.toStdString();
    EXPECT_TRUE(run.readAllStandardError().contains("the run stops"));
    EXPECT_EQ(contents(log).toStdString(), before.toStdString()); // whole, as it was
}

// A kept identity is kept byte for byte, whatever its texts can say: a
// DTMF ID word with no digits counted, or with nine.
TEST_F(Fleet, AKeptIdentityIsKeptByteForByte)
{
    for (const uint8_t count : {uint8_t(0), uint8_t(9)}) {
        const QString memory = path(QStringLiteral("odd%1.json").arg(count));
        { VirtualRadio made({"--memory", memory}); } // the factory image, saved
        QJsonObject image = readJson(memory);
        std::array<uint8_t, 28> dtmf = blockOf(image, "dtmf", 0), fsk = blockOf(image, "fleetsync", 0);
        dtmf[10] = 0x87, dtmf[11] = 0x09, dtmf[12] = 0, dtmf[13] = 0, dtmf[19] = count;
        fsk[0] = 0x34, fsk[1] = 0x12, fsk[2] = 0x78, fsk[3] = 0x56;
        setBlock(image, "dtmf", 0, dtmf);
        setBlock(image, "fleetsync", 0, fsk);
        writeJson(memory, image);
        {
            VirtualRadio radio({"--memory", memory});
            const CliRun r = cli({"restore", "-p", radio.device(), path("template.json"), "--keep-identity", "--verify"});
            EXPECT_EQ(r.status, 0) << r.err.toStdString();
        }
        const QJsonObject after = readJson(memory), want = jsonOf(path("template-radio.json"));
        EXPECT_EQ(after["channel"], want["channel"]); // the template went in
        const std::array<uint8_t, 28> keptDtmf = blockOf(after, "dtmf", 0), keptFsk = blockOf(after, "fleetsync", 0);
        for (int offset : {10, 11, 12, 13, 19})
            EXPECT_EQ(keptDtmf[offset], dtmf[offset]) << "count " << int(count) << ", d" << offset;
        for (int offset : {0, 1, 2, 3})
            EXPECT_EQ(keptFsk[offset], fsk[offset]) << "count " << int(count) << ", d" << offset;
        EXPECT_EQ(keptDtmf[15], blockOf(want, "dtmf", 0)[15]) << "the template's auto reset timer";
    }
}
