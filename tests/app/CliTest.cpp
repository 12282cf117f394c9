// lumora-cli as a script runs it.

#include "support/VirtualRadio.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace lumora::test;

namespace {

struct CliRun {
    int status;
    QString out, err;
};

CliRun cli(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(LUMORA_CLI_PATH), args);
    p.waitForFinished(120000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromLocal8Bit(p.readAllStandardOutput()),
            QString::fromLocal8Bit(p.readAllStandardError())};
}

QByteArray contents(const QString &file)
{
    QFile f(file);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

} // namespace

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

TEST(Cli, ReportsFailuresOnStandardErrorWithAFailingStatus)
{
    QTemporaryDir dir;
    CliRun r = cli({"read", "--port", "/dev/lumora-missing", "--output", dir.filePath("x.wh")});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains("Error opening serial port.\nNo such file or directory"))
        << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_FALSE(QFile::exists(dir.filePath("x.wh")));

    VirtualRadio silent({"--drop", "1"});
    r = cli({"read", "--port", silent.device(), "--output", dir.filePath("x.wh"), "--timeout", "1"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains("did not finish within 1 seconds")) << r.err.toStdString();

    r = cli({"write", "--port", silent.device(), dir.filePath("missing.wh")});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains("Cannot open file")) << r.err.toStdString();
}

TEST(Cli, ExplainsItself)
{
    CliRun r = cli({"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.out.contains("lumora-cli read  [AREA] --port DEV --output FILE.wh"));
    r = cli({"read"});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.err.contains("read needs --port DEV and --output FILE.wh"));
    r = cli({"read", "dtmf", "--port", "/dev/null", "--output", "x.wh"});
    EXPECT_EQ(r.status, 2);
    r = cli({"ports"});
    EXPECT_EQ(r.status, 0);
    for (const QString &line : r.out.split('\n', Qt::SkipEmptyParts))
        EXPECT_TRUE(line.startsWith("/dev/")) << line.toStdString();
}
