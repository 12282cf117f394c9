// The cable found and explained from the command line: the trace of a
// transfer, the diagnostic report, ports --find, and a line where
// something other than the radio answers.

#include "support/CliRuns.h"
#include "serial/PtyPair.h"
#include "support/VirtualRadio.h"

#include <QDir>
#include <QJsonArray>
#include <QRegularExpression>
#include <QThread>
#include <atomic>
#include <thread>

using namespace lumora::test;

namespace {

// A trace's messages: each run of lines in one direction joined, remarks
// left out, the directions as the radio sees them when swapped.
QStringList messages(const QByteArray &trace, bool swapped)
{
    QStringList out;
    QChar last;
    for (const QByteArray &line : trace.split('\n')) {
        const QList<QByteArray> parts = line.split(' ');
        if (parts.size() < 3 || parts[1] == "#")
            continue;
        QChar direction = QChar(parts[1][0]);
        if (swapped)
            direction = direction == '>' ? QChar('<') : QChar('>');
        const QString bytes = QString::fromLatin1(line.mid(parts[0].size() + 3));
        if (direction == last)
            out.last() += ' ' + bytes;
        else
            out << QString(direction) + ' ' + bytes;
        last = direction;
    }
    return out;
}

// The far end of a pseudo-terminal answering what it is sent with answer(bytes).
class OtherEnd {
public:
    explicit OtherEnd(std::function<QByteArray(const QByteArray &)> answer)
        : thread_([this, answer] {
              while (!stop_) {
                  const QByteArray got = line.receive(64, 20);
                  if (!got.isEmpty())
                      line.send(answer(got));
              }
          })
    {
    }
    ~OtherEnd()
    {
        stop_ = true;
        thread_.join();
    }
    PtyPair line;

private:
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

} // namespace

TEST(CliCable, TheTraceOfAReadIsTheRadiosOwn)
{
    QTemporaryDir dir;
    VirtualRadio radio({"--trace", dir.filePath("radio.trace")});
    ASSERT_TRUE(radio.ok());
    const CliRun r = cli({"read", "-p", radio.device(), "-o", dir.filePath("read.wh"), "--trace", dir.filePath("cli.trace")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    radio.stop();
    const QStringList ours = messages(contents(dir.filePath("cli.trace")), true);
    EXPECT_EQ(ours.size(), 2 * 18); // greeting, 16 channels, options: each asked and answered
    EXPECT_EQ(ours, messages(contents(dir.filePath("radio.trace")), false));
    EXPECT_TRUE(contents(dir.filePath("cli.trace")).contains(" # opened " + radio.device().toUtf8()));

    EXPECT_EQ(cli({"ports", "--trace", dir.filePath("no/such/folder/t")}).status, 1);
}

TEST(CliCable, TheReportHoldsTheFactsAndNothingPrivate)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("report.txt");
    CliRun r = cli({"doctor", "-p", "/dev/lumora-missing", "--report", file});
    EXPECT_EQ(r.status, 1);
    QString report = QString::fromUtf8(contents(file));
    for (const char *heading : {"LUMORA diagnostic report", "\nProgram: lumora-cli ", "\nQt: ", "\nSystem: ",
                                "\nPorts\n", "\nConnection check\n  /dev/lumora-missing: missing.", "\nSettings\n",
                                "\nTrace of the last transfer"})
        EXPECT_TRUE(report.contains(heading)) << heading << report.toStdString();

    VirtualRadio radio({});
    r = cli({"doctor", "-p", radio.device(), "--report", file});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    report = QString::fromUtf8(contents(file));
    EXPECT_TRUE(report.contains("> 50 52 4f 47 52 41 4d\n")) << report.toStdString();
    EXPECT_TRUE(report.contains("< 06\n"));
    EXPECT_FALSE(report.contains(QDir::homePath() + '/'));
    const QString user = qEnvironmentVariable("USER");
    if (user.size() > 1)
        EXPECT_FALSE(QRegularExpression("\\b" + user + "\\b").match(report).hasMatch()) << report.toStdString();

    EXPECT_EQ(cli({"doctor", "-p", radio.device(), "--report", dir.filePath("no/such/folder/r.txt")}).status, 1);
}

TEST(CliCable, FindNamesTheLinkThatComesBack)
{
    QTemporaryDir dir;
    const QString link = dir.filePath("lumora-radio-find");
    VirtualRadio radio({"--link", link});
    ASSERT_TRUE(radio.ok());
    QProcess find;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LUMORA_PORTS_DIR", dir.path());
    find.setProcessEnvironment(env);
    find.start(LUMORA_CLI_PATH, {"ports", "--find"});
    find.setReadChannel(QProcess::StandardError);
    ASSERT_TRUE(find.waitForReadyRead(10000)); // asked to unplug
    QThread::msleep(800);
    QFile::remove(link); // the cable out ...
    QThread::msleep(800);
    ASSERT_TRUE(QFile::link(radio.device(), link)); // ... and in again
    ASSERT_TRUE(find.waitForFinished(20000));
    EXPECT_EQ(find.exitCode(), 0);
    EXPECT_EQ(QString::fromLocal8Bit(find.readAllStandardOutput()), link + "\n");
    const QString seen = QString::fromLocal8Bit(find.readAllStandardError());
    EXPECT_TRUE(seen.contains(link + " went away\n" + link + " came back\n")) << seen.toStdString();
}

TEST(CliCable, SomethingElseAnsweringIsSaid)
{
    {
        OtherEnd echo([](const QByteArray &got) { return got; });
        const CliRun r = cli({"doctor", "-p", echo.line.slavePath()});
        EXPECT_EQ(r.status, 1);
        EXPECT_TRUE(r.out.contains(": opens, but it only echoes what LUMORA sends")) << r.out.toStdString();
        EXPECT_TRUE(r.out.contains("It is a pseudo-terminal that "));
    }
    OtherEnd stranger([](const QByteArray &) { return QByteArray("\x15\x15"); });
    const CliRun r = cli({"doctor", "-p", stranger.line.slavePath(), "--json"});
    EXPECT_EQ(r.status, 1);
    const QJsonObject port = QJsonDocument::fromJson(r.out.toUtf8()).object()["ports"].toArray()[0].toObject();
    EXPECT_EQ(port["state"].toString(), "other answer");
    EXPECT_TRUE(port["text"].toString().contains("it sent 15 15")) << r.out.toStdString();
}
