// lumora-cli against radios (or lines) that answer twice, answer the wrong
// block or lose an answer: success is said only when the radio was seen
// to hold what was written.

#include "support/CliRuns.h"
#include "support/JsonFiles.h"
#include "support/VirtualRadio.h"

#include <QJsonArray>
#include <QTemporaryDir>

using namespace lumora::test;

namespace {

class HostileRadio : public ::testing::Test {
protected:
    QString path(const QString &name) const { return dir.filePath(name); }
    // FILE read from a plain radio: what the writes below send.
    void readPlain(const char *area, const QString &file)
    {
        VirtualRadio plain({});
        ASSERT_EQ(cli({"read", area, "-p", plain.device(), "-o", path(file)}).status, 0) << area;
    }
    QTemporaryDir dir;
};

} // namespace

// Two acknowledgements in one chunk are counted as one, so the write reads
// the radio back: a byte it stored wrong is found, in every area's write.
TEST_F(HostileRadio, AnsweringTwiceIsCheckedByReadingBack)
{
    readPlain("main", "main.wh");
    readPlain("dtmf", "dtmf.json");
    readPlain("fsk", "fsk.json");
    {
        VirtualRadio twice({"--double-ack"});
        const CliRun r = cli({"write", "-p", twice.device(), path("main.wh")});
        EXPECT_EQ(r.status, 0) << r.err.toStdString();
        EXPECT_EQ(r.out, "Write Succeed!\n");
    }
    for (const auto &[area, file, bad] : {std::tuple{"main", "main.wh", "0:3:1:0x01"},
                                          std::tuple{"dtmf", "dtmf.json", "1:0:0:0x01"},
                                          std::tuple{"fsk", "fsk.json", "2:0:7:0x01"}}) {
        VirtualRadio twice({"--double-ack", "--bad-byte", bad});
        const CliRun r = cli({"write", area, "-p", twice.device(), path(file)});
        EXPECT_EQ(r.status, 1) << area << r.out.toStdString();
        EXPECT_FALSE(r.out.contains("Succeed") || r.out.contains("SUCCEED")) << area << r.out.toStdString();
        EXPECT_TRUE(r.err.contains("did not complete: the radio holds other values than were written"))
                << area << r.err.toStdString();
    }
}

// A radio that answers only with blocks not asked for is no sign of life:
// the read ends at the guard's 10 s (not at --timeout) and says so.
TEST_F(HostileRadio, AnswersToOtherBlocksAreNoProgress)
{
    VirtualRadio wrong({"--wrong-block"});
    const CliRun r = cli({"read", "dtmf", "-p", wrong.device(), "-o", path("d.json"), "--timeout", "100"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains("The DTMF read did not complete because the radio stopped answering."))
            << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("answered only with blocks that were not asked for")) << r.err.toStdString();
    EXPECT_FALSE(r.err.contains("did not finish within")) << r.err.toStdString();
}

// A FleetSync write is never resent: when an acknowledgement is lost, the
// area is read back, and the write succeeds when the radio holds it all,
// else names the blocks it does not hold.
TEST_F(HostileRadio, AStalledFleetSyncWriteAsksTheRadio)
{
    readPlain("fsk", "fsk.json");
    {
        VirtualRadio lost({"--lose-answer", "3"}); // the last block's
        const CliRun r = cli({"write", "fsk", "-p", lost.device(), path("fsk.json")});
        EXPECT_EQ(r.status, 0) << r.err.toStdString();
        EXPECT_EQ(r.out, "WRITE SUCCEED!\n");
    }
    QJsonObject edited = jsonOf(path("fsk.json"));
    QJsonArray entries = edited["Fleet and ID"].toArray();
    entries[15] = QJsonArray{"345", "4321"}; // entry 16, in block 2
    edited["Fleet and ID"] = entries;
    QFile f(path("edited.json"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QJsonDocument(edited).toJson());
    f.close();
    VirtualRadio lost({"--lose-answer", "2"}); // block 1's: block 2 never goes
    const CliRun r = cli({"write", "fsk", "-p", lost.device(), path("edited.json")});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains("The radio stopped acknowledging, so the area was read back. Not as written: block 2 "
                               "(of 0 to 2)."))
            << r.err.toStdString();
}

// Success is said only once proven, a failure says what the radio now
// holds, and an output that cannot be written is an error.
TEST_F(HostileRadio, SuccessIsSaidOnlyOnceProven)
{
    readPlain("main", "main.wh");
    {
        VirtualRadio plain({});
        ASSERT_EQ(cli({"backup", "-p", plain.device(), "-o", path("backup.json")}).status, 0);
        CliRun r = cli({"backup", "-p", plain.device(), "-o", "/dev/full"});
        EXPECT_EQ(r.status, 1);
        EXPECT_FALSE(r.out.contains("backed up")) << r.out.toStdString();
        for (const auto &[command, status] : {std::pair{QString("diff -p %1 %2 --json").arg(plain.device(), path("main.wh")), 2},
                                              std::pair{QString("ports --json"), 1}}) {
            r = runAs("/bin/sh", {"-c", QString("exec \"%1\" %2 > /dev/full").arg(LUMORA_CLI_PATH, command)});
            EXPECT_EQ(r.status, status) << command.toStdString();
            EXPECT_TRUE(r.err.contains("standard output: cannot be written")) << r.err.toStdString();
        }
    }
    {
        VirtualRadio bad({"--bad-byte", "0:3:1:0x01"});
        CliRun r = cli({"write", "-p", bad.device(), path("main.wh"), "--verify"});
        EXPECT_EQ(r.status, 1);
        EXPECT_FALSE(r.out.contains("Write Succeed!")) << r.out.toStdString();
        EXPECT_TRUE(r.err.contains("lumora-cli: 1 field differs from what was written")) << r.err.toStdString();
        r = cli({"restore", "-p", bad.device(), path("backup.json"), "--verify"});
        EXPECT_EQ(r.status, 1);
        EXPECT_FALSE(r.out.contains("The radio is restored")) << r.out.toStdString();
    }
    {
        VirtualRadio radio({"--trace", path("trace.txt")});
        const CliRun r = cli({"read", "-p", radio.device(), "-o", "/lumora-missing/x.wh"});
        EXPECT_EQ(r.status, 1);
        EXPECT_TRUE(r.err.contains("Cannot create file \"/lumora-missing/x.wh\". No such folder")) << r.err.toStdString();
        EXPECT_TRUE(contents(path("trace.txt")).isEmpty()); // not a byte read for nothing
    }
    {
        VirtualRadio quiet({"--quiet-after", "6"}); // the greeting and channels 1 to 5
        const CliRun r = cli({"write", "-p", quiet.device(), path("main.wh"), "--timeout", "2"});
        EXPECT_EQ(r.status, 1);
        EXPECT_TRUE(r.err.contains("the radio now holds: main memory: channels 1 to 5 acknowledged, channels 6 to 16 "
                                   "and the options not written"))
                << r.err.toStdString();
    }
    {
        VirtualRadio quiet({"--quiet-after", "26"}); // the main memory, DTMF, 2TONE blocks 0 to 3
        const CliRun r = cli({"restore", "-p", quiet.device(), path("backup.json"), "--no-history"});
        EXPECT_EQ(r.status, 1);
        EXPECT_TRUE(r.err.contains("The radio now holds: main memory and DTMF written; 2TONE stopped after 4 of 11 "
                                   "blocks; 5TONE and FleetSync not written."))
                << r.err.toStdString();
    }
    // Keeping history, a restore reads the radio first: quiet then, nothing is written.
    VirtualRadio quiet({"--quiet-after", "26"});
    const CliRun r = cli({"restore", "-p", quiet.device(), path("backup.json")});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains("Nothing was written: the radio was being read before the restore.")) << r.err.toStdString();
}

// Bytes no text shows count as much as any: a read lists those its texts
// cannot write back, diff lists every byte a write would change, and a
// verify compares every byte the write sent.
TEST_F(HostileRadio, EveryByteOfTheRadioCounts)
{
    const QString memory = path("radio.json");
    { VirtualRadio factory({"--memory", memory}); }
    QJsonObject image = readJson(memory);
    auto channel3 = blockOf(image, "channel", 2);
    channel3[24] = 0x11;
    channel3[25] = 0x22;
    channel3[26] = 0x33;
    setBlock(image, "channel", 2, channel3);
    auto dtmf = blockOf(image, "dtmf", 0);
    dtmf[27] = 0x5A; // no field of the DTMF window
    setBlock(image, "dtmf", 0, dtmf);
    writeJson(memory, image);

    VirtualRadio radio({"--memory", memory});
    CliRun r = cli({"read", "-p", radio.device(), "-o", path("a.wh")});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("the radio holds 3 values the saved texts cannot write back")) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("Channel 3, byte d26: a write of the table sends 0x00, the radio holds 0x33"));
    r = cli({"diff", "-p", radio.device(), path("a.wh")});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out.endsWith("Channel 3, byte d24: written 0x00, read 0x11\nChannel 3, byte d25: written 0x00, "
                               "read 0x22\nChannel 3, byte d26: written 0x00, read 0x33\n"))
            << r.out.toStdString();
    EXPECT_TRUE(r.err.contains("3 fields would change")) << r.err.toStdString();
    r = cli({"read", "dtmf", "-p", radio.device(), "-o", path("d.json")});
    r = cli({"diff", "dtmf", "-p", radio.device(), path("d.json")});
    EXPECT_EQ(r.status, 0) << "the file keeps the radio's bytes" << r.out.toStdString();
    QJsonObject texts = readJson(path("d.json"));
    texts.remove("bytes");
    writeJson(path("d1.json"), texts);
    r = cli({"diff", "dtmf", "-p", radio.device(), path("d1.json")});
    EXPECT_EQ(r.out, "DTMF block 0, d27: written 0x00, read 0x5a\n");

    r = cli({"write", "-p", radio.device(), path("a.wh"), "--verify"});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(cli({"diff", "-p", radio.device(), path("a.wh")}).out.endsWith("Succeed!\nNothing would change.\n"));
    VirtualRadio tailless({"--bad-byte", "0:3:25"}); // keeps no byte 25 of channel 3 as sent
    r = cli({"write", "-p", tailless.device(), path("a.wh"), "--verify"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "Channel 3, byte d25: written 0x00, read 0xff\n");
}
