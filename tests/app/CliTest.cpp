// lumora-cli as a script runs it.

#include "support/CliRuns.h"
#include "support/VirtualRadio.h"

#include <QDir>
#include <QFile>
#include <QElapsedTimer>
#include <QMap>
#include <QThread>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <functional>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

using namespace lumora::test;

TEST(Cli, ReadsAndWritesTheRadio)
{
    QTemporaryDir dir;
    VirtualRadio radio({"--memory", dir.filePath("radio.json")});
    ASSERT_TRUE(radio.ok());
    CliRun r = cli({"read", "--port", radio.device(), "--output", dir.filePath("a.wh")});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "   Read Succeed!\n");
    QByteArray wh = contents(dir.filePath("a.wh"));
    EXPECT_TRUE(wh.contains("\r\n1,146.52000,146.52000,NONE,NONE,HIGH,WIDE,YES,25000,"));

    // Change channel 9 in the file, write it, read it back.
    wh.replace("\r\n9,,,,,,,,,,,,,,,\r\n",
               "\r\n9,147.00000,147.60000,100.0,100.0,LOW,NARROW,YES,12500,1,2,BOTH,3,FSK,7,YES\r\n");
    QFile f(dir.filePath("b.wh"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(wh);
    f.close();
    r = cli({"write", "main", "--port", radio.device(), dir.filePath("b.wh")});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "Write Succeed!\n");
    r = cli({"read", "--port", radio.device(), "--output", dir.filePath("c.wh")});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(contents(dir.filePath("c.wh")), wh);
}

// A pulled cable ends the run at once with the reason, never at --timeout.
TEST(Cli, APulledCableEndsTheRunAtOnce)
{
    QTemporaryDir dir;
    for (const QStringList &what : {QStringList{"read"}, QStringList{"read", "dtmf"}}) {
        VirtualRadio radio({"--memory", dir.filePath("radio.json"), "--hangup-after", "3"});
        const QString file = dir.filePath(what.size() == 1 ? "x.wh" : "x.json");
        CliRun r = cli(what + QStringList{"--port", radio.device(), "--output", file, "--timeout", "100"});
        EXPECT_EQ(r.status, 1);
        EXPECT_TRUE(r.err.contains("The cable was disconnected, so the ")) << r.err.toStdString();
        EXPECT_FALSE(r.err.contains("did not finish within")) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
        EXPECT_FALSE(QFile::exists(file));
    }
}

// A file that may not be read, and a folder that may not be written: the
// message says so, and the file already there stays as it was.
TEST(Cli, UnreadableFilesAndReadOnlyFoldersAreReported)
{
    QString program;
    QStringList prefix;
    const auto copy = unprivilegedCli(program, prefix);
    if (!copy)
        GTEST_SKIP() << "no setpriv to run as an unprivileged user";
    QTemporaryDir dir;
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    const QString csv = dir.filePath("list.csv");
    QFile f(csv);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("Location,Name,Frequency\n1,A,146.52\n");
    f.close();
    ASSERT_EQ(::chmod(QFile::encodeName(csv).constData(), 0), 0);
    CliRun r = runAs(program, prefix + QStringList{"import-csv", csv, "--output", dir.filePath("x.wh")});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains("Cannot open file \"" + csv + "\". Permission denied")) << r.err.toStdString();

    // The folder is the test's (mode 755): the unprivileged user may not write into it.
    ASSERT_EQ(::chmod(QFile::encodeName(csv).constData(), 0644), 0);
    const QString wh = dir.filePath("kept.wh");
    ASSERT_EQ(cli({"import-csv", csv, "--output", wh}).status, 0);
    const QByteArray before = contents(wh);
    ::chmod(QFile::encodeName(dir.path()).constData(), ::geteuid() == 0 ? 0755 : 0555);
    r = runAs(program, prefix + QStringList{"export-csv", wh, "--output", dir.filePath("list.csv")});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains("Cannot create file \"" + dir.filePath("list.csv") + "\".")) << r.err.toStdString();
    ::chmod(QFile::encodeName(dir.path()).constData(), 0755);
    EXPECT_EQ(contents(wh), before);
    EXPECT_TRUE(contents(csv).startsWith("Location,Name,Frequency\n1,A,146.52"));
}

// A settings file read from one radio and written to another leaves the
// second radio's area byte for byte the first's.
TEST(Cli, CopiesTheSignallingAreasFromRadioToRadio)
{
    QTemporaryDir dir;
    VirtualRadio first({"--memory", dir.filePath("first.json")});
    ASSERT_TRUE(first.ok());
    for (const char *area : {"dtmf", "fsk", "2tone", "5tone"}) {
        const QString file = dir.filePath(QString(area) + ".json");
        CliRun r = cli({"read", area, "--port", first.device(), "--output", file});
        ASSERT_EQ(r.status, 0) << r.err.toStdString();
        QJsonObject o = QJsonDocument::fromJson(contents(file)).object();
        EXPECT_EQ(o["area"].toString(), area);
        EXPECT_EQ(o["format"].toInt(), 2);
        // Change the file as a person would, and write it back.
        if (QString(area) == "dtmf") {
            EXPECT_EQ(o["ID Code"].toString(), "12345678");
            o["DTMF Spend [digit/s]"] = "10";
            QJsonArray memories = o["Autodial Memory"].toArray();
            memories[4] = QJsonArray{"*0#"};
            o["Autodial Memory"] = memories;
        } else if (QString(area) == "fsk") {
            EXPECT_EQ(o["FleetSync Baud Rate[bps]"].toString(), "2400");
            QJsonArray entries = o["Fleet and ID"].toArray();
            entries[9] = QJsonArray{"300", "2000"};
            o["Fleet and ID"] = entries;
        } else if (QString(area) == "2tone") {
            EXPECT_EQ(o["Atone(hz)"].toString(), "1981");
            QJsonArray rows = o["2TONE Decode"].toArray();
            rows[4] = QJsonArray{"CD", "REPLY", "3", "AB", "NONE", "1", "DB", "NONE", "1", "AB", "NONE", "16"};
            o["2TONE Decode"] = rows;
        } else {
            EXPECT_EQ(o["Standard Name"].toString(), "CCIR");
            EXPECT_EQ(o["Reset Time(ms)"].toString(), "6000");
            QJsonArray rows = o["Encode"].toArray();
            rows[0] = QJsonArray{"12345", "45678", "ABCDE", "0000F", "ZVEI2"};
            o["Encode"] = rows;
            o["Reset Time(ms)"] = "5000"; // in the file, in no block of the radio
        }
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QJsonDocument(o).toJson());
        f.close();
        r = cli({"write", area, "--port", first.device(), file});
        ASSERT_EQ(r.status, 0) << r.err.toStdString();
        EXPECT_EQ(r.out, "WRITE SUCCEED!\n");
        r = cli({"read", area, "--port", first.device(), "--output", file});
        ASSERT_EQ(r.status, 0);
        VirtualRadio second({"--memory", dir.filePath(QString("second-") + area + ".json")});
        r = cli({"write", area, "--port", second.device(), file});
        ASSERT_EQ(r.status, 0) << r.err.toStdString();
    }
    const QJsonObject a = QJsonDocument::fromJson(contents(dir.filePath("first.json"))).object();
    const QJsonObject d = QJsonDocument::fromJson(contents(dir.filePath("second-dtmf.json"))).object();
    const QJsonObject f = QJsonDocument::fromJson(contents(dir.filePath("second-fsk.json"))).object();
    const QJsonObject t2 = QJsonDocument::fromJson(contents(dir.filePath("second-2tone.json"))).object();
    const QJsonObject t5 = QJsonDocument::fromJson(contents(dir.filePath("second-5tone.json"))).object();
    EXPECT_EQ(a["dtmf"], d["dtmf"]);
    EXPECT_EQ(a["fleetsync"], f["fleetsync"]);
    EXPECT_EQ(a["2tone"], t2["2tone"]);
    EXPECT_EQ(a["5tone"], t5["5tone"]);
    EXPECT_TRUE(a["2tone"].toArray()[5].toString().startsWith("cd0203ab0001db0001ab0010")); // row 5
    EXPECT_TRUE(a["5tone"].toArray()[1].toString().startsWith("452301785604debc0a0f000005")); // entry 1
    EXPECT_EQ(QJsonDocument::fromJson(contents(dir.filePath("5tone.json"))).object()["Reset Time(ms)"].toString(),
              "6000"); // read back from the radio: the window's own
    EXPECT_TRUE(a["dtmf"].toArray()[0].toString().startsWith("0a")); // 10 digits a second
    EXPECT_TRUE(a["dtmf"].toArray()[1].toString().contains("ac0b0000")); // memory 5: "*0#" is 0xBAC
    EXPECT_TRUE(a["fleetsync"].toArray()[2].toString().startsWith("2c01d007")); // entry 10
}

TEST(Cli, RefusesAMalformedSettingsFileWithNothingSent)
{
    QTemporaryDir dir;
    VirtualRadio radio({"--memory", dir.filePath("radio.json"), "--trace", dir.filePath("trace.txt")});
    ASSERT_TRUE(radio.ok());
    const QString file = dir.filePath("bad.json");
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(R"({"format": 1, "area": "fsk", "Fleet[Own]": "100"})");
    f.close();
    CliRun r = cli({"write", "fsk", "--port", radio.device(), file});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains("the key \"ID[Own]\" is missing")) << r.err.toStdString();
    r = cli({"write", "dtmf", "--port", radio.device(), file});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains("the key \"area\" must be \"dtmf\"")) << r.err.toStdString();
    QTest::qWait(200);
    EXPECT_FALSE(contents(dir.filePath("trace.txt")).contains(" < ")) << "the tool sent something";
}

TEST(Cli, VerifyNamesWhatTheRadioDidNotTake)
{
    QTemporaryDir dir;
    // Channel 3 stores its TX Freq's low byte wrong, the DTMF block 0 its speed.
    VirtualRadio radio({"--memory", dir.filePath("radio.json"), "--bad-byte", "0:3:4"});
    ASSERT_TRUE(radio.ok());
    CliRun r = cli({"read", "--port", radio.device(), "--output", dir.filePath("a.wh")});
    ASSERT_EQ(r.status, 0);
    r = cli({"write", "--port", radio.device(), dir.filePath("a.wh"), "--verify"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out.contains("Channel 3, TX Freq: written 145.02500, read ")) << r.out.toStdString();
    EXPECT_EQ(r.out.count("Channel "), 1);
    EXPECT_TRUE(r.err.contains("1 field differ")) << r.err.toStdString();

    VirtualRadio dtmf({"--memory", dir.filePath("dtmf.json"), "--bad-byte", "1:0:0"});
    r = cli({"read", "dtmf", "--port", dtmf.device(), "--output", dir.filePath("d.json")});
    ASSERT_EQ(r.status, 0);
    r = cli({"write", "dtmf", "--port", dtmf.device(), dir.filePath("d.json"), "--verify"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out.contains("DTMF, DTMF Spend [digit/s]: written 6, read 249")) << r.out.toStdString();

    // One bit off: the texts look the same, the stored values do not.
    VirtualRadio bit({"--memory", dir.filePath("bit.json"), "--bad-byte", "0:1:0:0x01"});
    r = cli({"write", "--port", bit.device(), dir.filePath("a.wh"), "--verify"});
    EXPECT_EQ(r.status, 1);
    const QRegularExpressionMatch m = QRegularExpression(R"(Channel 1, RX Freq: written (\S+) \((\d+) Hz\), read \1 \((\d+) Hz\))")
                                              .match(r.out);
    ASSERT_TRUE(m.hasMatch()) << r.out.toStdString();
    EXPECT_EQ(std::abs(m.captured(2).toInt() - m.captured(3).toInt()), 1);

    VirtualRadio good({"--memory", dir.filePath("good.json")});
    r = cli({"write", "fsk", "--port", good.device(), dir.filePath("d.json"), "--verify"});
    EXPECT_EQ(r.status, 1); // a DTMF file is no FleetSync file: nothing sent
    r = cli({"read", "fsk", "--port", good.device(), "--output", dir.filePath("f.json")});
    r = cli({"write", "fsk", "--port", good.device(), dir.filePath("f.json"), "--verify"});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.endsWith("Verified: the radio holds what was written.\n"));
}

TEST(Cli, DiffListsWhatAWriteWouldChange)
{
    QTemporaryDir dir;
    VirtualRadio radio({"--memory", dir.filePath("radio.json")});
    ASSERT_TRUE(radio.ok());
    CliRun r = cli({"read", "--port", radio.device(), "--output", dir.filePath("a.wh")});
    ASSERT_EQ(r.status, 0);
    r = cli({"diff", "--port", radio.device(), dir.filePath("a.wh")});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.endsWith("Nothing would change.\n"));
    QByteArray wh = contents(dir.filePath("a.wh"));
    wh.replace("\r\n2,145.50000,145.50000,", "\r\n2,145.50000,144.90000,");
    QFile f(dir.filePath("b.wh"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(wh);
    f.close();
    r = cli({"diff", "main", "--port", radio.device(), dir.filePath("b.wh")});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out.contains("Channel 2, TX Freq: written 144.90000, read 145.50000")) << r.out.toStdString();
    r = cli({"read", "2tone", "--port", radio.device(), "--output", dir.filePath("t.json")});
    r = cli({"diff", "2tone", "--port", radio.device(), dir.filePath("t.json")});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    r = cli({"diff", "--port", radio.device(), dir.filePath("missing.wh")});
    EXPECT_EQ(r.status, 2);
    r = cli({"diff", "--port", "/dev/lumora-missing", dir.filePath("a.wh")});
    EXPECT_EQ(r.status, 2);
}

// A radio's six areas into one file, and that file into a blank radio.
// A radio image with every block of every area filled by fill(block).
QJsonObject imageOf(const QString &file, const std::function<QString()> &fill)
{
    QJsonObject image = QJsonDocument::fromJson(contents(file)).object();
    for (const QString &area : image.keys())
        if (image[area].isArray()) {
            QStringList blocks;
            for (int i = 0; i < image[area].toArray().size(); ++i)
                blocks << fill();
            image[area] = QJsonArray::fromStringList(blocks);
        }
    return image;
}

void save(const QString &file, const QJsonObject &o)
{
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(QJsonDocument(o).toJson());
}

TEST(Cli, BacksUpAndRestoresEveryByteOfTheRadio)
{
    QTemporaryDir dir;
    { VirtualRadio fresh({"--memory", dir.filePath("first.json")}); } // the radio's own image, for its shape
    // Any radio, every byte value allowed: most of it no window can show.
    QRandomGenerator random(21);
    save(dir.filePath("first.json"), imageOf(dir.filePath("first.json"), [&] {
             QByteArray b(28, 0);
             for (char &c : b)
                 c = static_cast<char>(random.bounded(256));
             return QString::fromLatin1(b.toHex());
         }));
    // Among them: a 2TONE pair byte 0x11 and a response mode of 5, a 5TONE
    // decode record of standard 7, a channel whose receive frequency is 0.
    QJsonObject image = QJsonDocument::fromJson(contents(dir.filePath("first.json"))).object();
    auto patch = [&](const char *area, int block, int offset, const char *hex) {
        QJsonArray blocks = image[area].toArray();
        blocks[block] = blocks[block].toString().replace(2 * offset, static_cast<int>(qstrlen(hex)), hex);
        image[area] = blocks;
    };
    patch("2tone", 3, 0, "11");
    patch("2tone", 4, 0, "ab05");
    patch("5tone", 10, 0, "07");
    patch("channel", 2, 0, "00000000");
    save(dir.filePath("first.json"), image);
    save(dir.filePath("blank.json"), imageOf(dir.filePath("first.json"), [] { return QString(56, '0'); }));
    VirtualRadio first({"--memory", dir.filePath("first.json")});
    ASSERT_TRUE(first.ok());
    CliRun r = cli({"backup", "--port", first.device(), "--output", dir.filePath("full.json")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    QJsonObject backup = QJsonDocument::fromJson(contents(dir.filePath("full.json"))).object();
    EXPECT_EQ(backup["format"].toInt(), 2);
    EXPECT_EQ(backup["area"].toString(), "radio");
    EXPECT_EQ(backup.value("main").toObject().value("bytes").toArray().size(), 17);

    // A read lists what its file cannot write back, and succeeds.
    r = cli({"read", "2tone", "--port", first.device(), "--output", dir.filePath("2tone.json")});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.err.contains(QRegularExpression("the radio holds \\d+ values the saved texts cannot write back")))
            << r.err.toStdString();

    // Into a blank radio: every block of every area as the first radio's.
    VirtualRadio second({"--memory", dir.filePath("blank.json")});
    r = cli({"restore", "--port", second.device(), dir.filePath("full.json"), "--verify"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.endsWith("Verified: the radio holds what was written.\n")) << r.out.toStdString();
    const QJsonObject a = QJsonDocument::fromJson(contents(dir.filePath("first.json"))).object();
    const QJsonObject b = QJsonDocument::fromJson(contents(dir.filePath("blank.json"))).object();
    for (const QString &area : a.keys())
        EXPECT_EQ(a[area], b[area]) << area.toStdString();

    // An edited area is written from what changed and said so; a file of
    // the first format (texts only) still restores.
    QJsonObject fsk = backup["fsk"].toObject();
    fsk["ID[Own]"] = "1234";
    backup["fsk"] = fsk;
    save(dir.filePath("edited.json"), backup);
    r = cli({"restore", "--port", second.device(), dir.filePath("edited.json")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("The file's texts were changed in some areas")) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("FleetSync:")) << r.out.toStdString();
    VirtualRadio third({"--memory", dir.filePath("third.json")}); // as the radio comes
    ASSERT_EQ(cli({"backup", "--port", third.device(), "--output", dir.filePath("texts.json")}).status, 0);
    backup = QJsonDocument::fromJson(contents(dir.filePath("texts.json"))).object();
    for (const QString &area : backup.keys())
        if (backup[area].isObject()) {
            QJsonObject texts = backup[area].toObject();
            texts.remove("bytes");
            backup[area] = texts;
        }
    backup["format"] = 1;
    save(dir.filePath("texts.json"), backup);
    r = cli({"restore", "--port", third.device(), dir.filePath("texts.json")});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
}

TEST(Cli, RefusesARestoreWithOneBadAreaBeforeSendingAnything)
{
    QTemporaryDir dir;
    VirtualRadio radio({"--memory", dir.filePath("radio.json"), "--trace", dir.filePath("trace.txt")});
    ASSERT_TRUE(radio.ok());
    CliRun r = cli({"backup", "--port", radio.device(), "--output", dir.filePath("full.json")});
    ASSERT_EQ(r.status, 0);
    QJsonObject o = QJsonDocument::fromJson(contents(dir.filePath("full.json"))).object();
    auto save = [&](const char *name) {
        QFile f(dir.filePath(name));
        f.open(QIODevice::WriteOnly);
        f.write(QJsonDocument(o).toJson());
    };
    QJsonObject fsk = o["fsk"].toObject();
    fsk.remove("ID[Own]");
    o["fsk"] = fsk;
    save("missing.json");
    QFile::remove(dir.filePath("trace.txt"));
    VirtualRadio watched({"--memory", dir.filePath("radio.json"), "--trace", dir.filePath("trace2.txt")});
    r = cli({"restore", "--port", watched.device(), dir.filePath("missing.json")});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains("in \"fsk\", the key \"ID[Own]\" is missing")) << r.err.toStdString();
    o = QJsonDocument::fromJson(contents(dir.filePath("full.json"))).object();
    QJsonObject dtmf = o["dtmf"].toObject();
    dtmf["First Digit Delay [ms]"] = "105"; // reads, but does not encode
    o["dtmf"] = dtmf;
    save("unencodable.json");
    r = cli({"restore", "--port", watched.device(), dir.filePath("unencodable.json")});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains("'10.5' is not a valid integer value")) << r.err.toStdString();
    QTest::qWait(200);
    EXPECT_FALSE(contents(dir.filePath("trace2.txt")).contains(" < ")) << "the tool sent something";
}

TEST(Cli, ConvertsChirpChannelListsBothWays)
{
    QTemporaryDir dir;
    auto write = [&](const char *name, const QByteArray &data) {
        QFile f(dir.filePath(name));
        f.open(QIODevice::WriteOnly);
        f.write(data);
    };
    write("list.csv", "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
                      "Mode,TStep,Skip,Comment,URCALL,RPT1CALL,RPT2CALL\n"
                      "0,R1,145.600000,-,0.600000,Tone,88.5,88.5,023,NN,FM,12.50,,,,,\n"
                      "20,X,146.0,,0,,88.5,88.5,023,NN,FM,5.00,,,,,\n");
    CliRun r = cli({"import-csv", dir.filePath("list.csv"), "--output", dir.filePath("list.wh")});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, ""); // the summary is no data
    EXPECT_TRUE(r.err.endsWith("1 channel imported.\nNot imported:\nLocation 20 (line 3): the radio has channels 1 "
                               "to 16 only\nNames and comments are not imported: the radio has no place for them.\n"))
            << r.err.toStdString();
    EXPECT_TRUE(contents(dir.filePath("list.wh")).contains("\r\n1,145.60000,145.00000,NONE,88.5,HIGH,WIDE,YES,12500,"));
    r = cli({"export-csv", dir.filePath("list.wh"), "--output", dir.filePath("back.csv")});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(contents(dir.filePath("back.csv"))
                        .contains("\r\n1,,145.600000,-,0.600000,Tone,88.5,88.5,023,NN,023,Tone->Tone,FM,12.50,,5.0W,"));
    EXPECT_TRUE(r.err.endsWith("1 channel exported.\n")) << r.err.toStdString();

    write("none.csv", "Location,Frequency\n30,146.52\n");
    r = cli({"import-csv", dir.filePath("none.csv"), "--output", dir.filePath("none.wh")});
    EXPECT_EQ(r.status, 1);
    EXPECT_FALSE(QFile::exists(dir.filePath("none.wh")));
    // A row skipped for a reason is no failure, unless --strict.
    write("bad.csv", "# a comment\nLocation,Frequency\n1,146.52\n2,abc\n");
    r = cli({"import-csv", dir.filePath("bad.csv"), "--output", dir.filePath("bad.wh"), "--strict"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains("Location 2 (line 4): Frequency \"abc\" is not a number")) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath("bad.wh")));
    r = cli({"import-csv", dir.filePath("bad.csv"), "--output", dir.filePath("bad.wh")});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(QFile::exists(dir.filePath("bad.wh")));
    write("quotes.csv", "Location,Frequency\n1,\"146.52\n");
    r = cli({"import-csv", dir.filePath("quotes.csv"), "--output", dir.filePath("quotes.wh")});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains("line 2: a quoted field is not closed")) << r.err.toStdString();
}

// A radio that sends its check value low byte first reads as any other,
// each answer taken once it has come twice alike.
TEST(Cli, ReadsARadioWhoseCheckValueIsInTheOtherByteOrder)
{
    QTemporaryDir dir;
    VirtualRadio plain({}); // both hold the factory memory
    VirtualRadio swapped({"--crc-swapped"});
    ASSERT_TRUE(plain.ok() && swapped.ok());
    for (const QString area : {"main", "dtmf", "fsk", "2tone", "5tone"}) {
        const QString suffix = area == "main" ? ".wh" : ".json";
        for (const VirtualRadio *radio : {&plain, &swapped}) {
            const QString file = dir.filePath(area + (radio == &plain ? "-plain" : "-swapped") + suffix);
            CliRun r = cli({"read", area, "--port", radio->device(), "--output", file});
            ASSERT_EQ(r.status, 0) << area.toStdString() << ": " << r.err.toStdString();
        }
        EXPECT_EQ(contents(dir.filePath(area + "-swapped" + suffix)), contents(dir.filePath(area + "-plain" + suffix)))
                << area.toStdString();
    }
}

// A template restored into a radio of a fleet: every area as the template
// has it, except the radio's own FleetSync fleet and ID and DTMF ID code.
TEST(Cli, RestoresATemplateKeepingTheRadiosIdentity)
{
    QTemporaryDir dir;
    VirtualRadio templateRadio({"--memory", dir.filePath("template.json")});
    ASSERT_TRUE(templateRadio.ok());
    ASSERT_EQ(cli({"backup", "-p", templateRadio.device(), "-o", dir.filePath("template-backup.json")}).status, 0);

    VirtualRadio radio({"--memory", dir.filePath("radio.json")});
    ASSERT_TRUE(radio.ok());
    // This radio's identity, and a setting the template will give back.
    setArea(radio.device(), "fsk", dir.filePath("fsk.json"),
            {{"Fleet[Own]", "123"}, {"ID[Own]", "4567"}, {"Message Mode Timer [s]", "9"}});
    setArea(radio.device(), "dtmf", dir.filePath("dtmf.json"), {{"ID Code", "9876"}});

    CliRun r = cli({"restore", "-p", radio.device(), dir.filePath("template-backup.json"), "--keep-identity", "--verify"});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("The radio kept its identity: Fleet[Own] 123, ID[Own] 4567, ID Code 9876.")) << r.out.toStdString();
    ASSERT_EQ(cli({"read", "fsk", "-p", radio.device(), "-o", dir.filePath("after.json")}).status, 0);
    const QJsonObject after = QJsonDocument::fromJson(contents(dir.filePath("after.json"))).object();
    EXPECT_EQ(after["Fleet[Own]"].toString(), "123");
    EXPECT_EQ(after["ID[Own]"].toString(), "4567");
    ASSERT_EQ(cli({"read", "fsk", "-p", templateRadio.device(), "-o", dir.filePath("template-fsk.json")}).status, 0);
    const QJsonObject fromTemplate = QJsonDocument::fromJson(contents(dir.filePath("template-fsk.json"))).object();
    EXPECT_EQ(after["Message Mode Timer [s]"], fromTemplate["Message Mode Timer [s]"]);
    EXPECT_NE(fromTemplate["Fleet[Own]"].toString(), "123");
    EXPECT_NE(fromTemplate["Message Mode Timer [s]"].toString(), "9"); // the radio had its own
    ASSERT_EQ(cli({"read", "dtmf", "-p", radio.device(), "-o", dir.filePath("after-dtmf.json")}).status, 0);
    EXPECT_EQ(QJsonDocument::fromJson(contents(dir.filePath("after-dtmf.json"))).object()["ID Code"].toString(), "9876");
}

// --plan lists the channels that do not fit and writes; --plan-strict
// sends nothing then; a plan that cannot be used stops before the radio.
TEST(Cli, WriteChecksTheChannelsAgainstAFrequencyPlan)
{
    QTemporaryDir dir;
    VirtualRadio radio({"--memory", dir.filePath("radio.json")});
    ASSERT_TRUE(radio.ok());
    const QString read = dir.filePath("a.wh"), changed = dir.filePath("b.wh");
    ASSERT_EQ(cli({"read", "--port", radio.device(), "--output", read}).status, 0);
    QByteArray wh = contents(read);
    wh.replace("\r\n9,,,,,,,,,,,,,,,\r\n", "\r\n9,156.80000,156.80000,NONE,NONE,LOW,NARROW,YES,12500,NONE,NONE,"
                                           "NONE,NONE,DTMF,1,NONE\r\n");
    QFile f(changed);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(wh);
    f.close();

    CliRun r = cli({"write", "--port", radio.device(), changed, "--plan", "marine", "--plan-strict"});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
    EXPECT_TRUE(r.err.contains("b.wh: 1 channel does not fit the frequency plan \"Marine VHF (not for this radio)\"; "
                               "nothing was written (--plan-strict)\n  Channel 9: TX Freq 156.80000 MHz is in the "
                               "marine VHF band"))
            << r.err.toStdString();
    ASSERT_EQ(cli({"read", "--port", radio.device(), "--output", dir.filePath("c.wh")}).status, 0);
    EXPECT_EQ(contents(dir.filePath("c.wh")), contents(read)); // the radio as it was

    r = cli({"write", "--port", radio.device(), changed, "--plan", "MARINE"});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "Write Succeed!\n");
    EXPECT_TRUE(r.err.contains("  Channel 9: TX Freq 156.80000 MHz")) << r.err.toStdString();

    QFile plan(dir.filePath("licence.csv"));
    ASSERT_TRUE(plan.open(QIODevice::WriteOnly));
    plan.write("from,to,power\n146.52,,LOW\n");
    plan.close();
    r = cli({"write", "--port", radio.device(), read, "--plan", plan.fileName()});
    EXPECT_TRUE(r.err.contains("Channel 1: TX Power HIGH is more than the plan \"licence\" allows at 146.52000 MHz"))
            << r.err.toStdString();
    ASSERT_TRUE(plan.open(QIODevice::WriteOnly | QIODevice::Truncate));
    plan.write("from,to,power\n146.52,,5W\n");
    plan.close();
    r = cli({"write", "--port", radio.device(), read, "--plan", plan.fileName()});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.err.contains("The frequency plan \"licence.csv\" cannot be used: line 2: power \"5W\""))
            << r.err.toStdString();
    EXPECT_EQ(cli({"write", "--port", radio.device(), read, "--plan-strict"}).status, 2);
    r = cli({"write", "dtmf", "--port", radio.device(), dir.filePath("d.json"), "--plan", "marine"});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.err.contains("--plan goes with a channel file")) << r.err.toStdString();
    // The help names every built-in plan.
    const QString help = cli({"write", "--help"}).out;
    for (const char *id : {"iaru-r1", "iaru-r2", "iaru-r3", "us-amateur", "pmr446", "frs-gmrs", "marine"})
        EXPECT_TRUE(help.contains(QLatin1String(id))) << id;
}
