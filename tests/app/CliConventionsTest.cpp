// lumora-cli as a command line: its help, its usage errors, doctor and
// ports, failures on standard error, and the conventions of a program in
// a shell.

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

TEST(Cli, ReportsFailuresOnStandardErrorWithAFailingStatus)
{
    QTemporaryDir dir;
    CliRun r = cli({"read", "--port", "/dev/lumora-missing", "--output", dir.filePath("x.wh")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "lumora-cli: /dev/lumora-missing: Error opening serial port: No such file or directory\n");
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_FALSE(QFile::exists(dir.filePath("x.wh")));

    VirtualRadio silent({"--drop", "1"});
    r = cli({"read", "--port", silent.device(), "--output", dir.filePath("x.wh"), "--timeout", "1"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains("did not finish within 1 second:")) << r.err.toStdString();

    r = cli({"write", "--port", silent.device(), dir.filePath("missing.wh")});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains("Cannot open file")) << r.err.toStdString();
    for (const QString &line : r.err.split('\n', Qt::SkipEmptyParts))
        EXPECT_TRUE(line.startsWith("lumora-cli: ")) << line.toStdString();
}

// doctor: each kind of failure in words, and status 0 only for a radio.
TEST(Cli, DoctorSaysWhyAPortCannotBeUsed)
{
    CliRun r = cli({"doctor", "--port", "/dev/lumora-missing"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out.startsWith("/dev/lumora-missing: missing. There is no such device.")) << r.out.toStdString();

    VirtualRadio radio({});
    r = cli({"doctor", "--port", radio.device()});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, radio.device() + ": opens, and a radio answered.\n");

    VirtualRadio silent({"--drop", "1"});
    r = cli({"doctor", "--port", silent.device()});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out.contains(": opens, but no radio answered.")) << r.out.toStdString();

    // Held open (exclusively) by another program.
    QProcess holder;
    holder.setStandardInputFile(silent.device());
    holder.start("sh", {"-c", "stty -F /dev/stdin raw 2>/dev/null; exec sleep 30"});
    ASSERT_TRUE(holder.waitForStarted());
    QTest::qWait(200);
    r = cli({"doctor", "--port", silent.device()});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out.contains(silent.device() + ": busy. ")) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("(process " + QString::number(holder.processId()) + ") has it open"))
        << r.out.toStdString();
    holder.kill();
    holder.waitForFinished();
}

// A device whose group the user is not in: as an unprivileged user where
// the test runs as root (who may open anything), else by the device's mode.
TEST(Cli, DoctorExplainsPermissionDenied)
{
    VirtualRadio radio({});
    const QByteArray device = QFile::encodeName(radio.device());
    QString program;
    QStringList prefix;
    const auto copy = unprivilegedCli(program, prefix);
    if (!copy)
        GTEST_SKIP() << "no setpriv to run as an unprivileged user";
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(device.constData(), 0, 20), 0); // root:dialout
    }
    ASSERT_EQ(::chmod(device.constData(), ::geteuid() == 0 ? 0660 : 0), 0);
    const CliRun r = runAs(program, prefix + QStringList{"doctor", "--port", radio.device()});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out.startsWith(radio.device() + ": permission denied. ")) << r.out.toStdString();
    if (::geteuid() == 0) {
        EXPECT_TRUE(r.out.contains("belongs to the group \"dialout\", and you (nobody) are not in it"))
            << r.out.toStdString();
        EXPECT_TRUE(r.out.contains("sudo usermod -aG dialout nobody"));
    }
}

TEST(Cli, ExplainsItself)
{
    CliRun r = cli({"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.out.contains("lumora-cli read  [AREA] --port DEV --output FILE.wh"));
    r = cli({"read"});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.err.startsWith("lumora-cli: read needs --port DEV and --output FILE.wh\nUsage:\n  lumora-cli read "))
            << r.err.toStdString();
    EXPECT_TRUE(r.err.endsWith("See lumora-cli help read.\n") && !r.err.contains("lumora-cli write"))
            << r.err.toStdString(); // the one line that matters stays in sight
    r = cli({"raed", "-p", "/dev/null"});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.err.startsWith("lumora-cli: unknown command 'raed'; did you mean 'read'?\n")) << r.err.toStdString();
    r = cli({"read", "7tone", "--port", "/dev/null", "--output", "x.json"});
    EXPECT_EQ(r.status, 2);
    r = cli({"read", "dtmf", "--port", "/dev/null"});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.err.contains("read needs --port DEV and --output FILE.json"));
    r = cli({"ports"});
    EXPECT_EQ(r.status, 0);
    for (const QString &line : r.out.split('\n', Qt::SkipEmptyParts)) // devices, and virtual radios' links
        EXPECT_TRUE(line.startsWith("/dev/") || line.startsWith(QStringLiteral("/tmp/lumora-ports-%1/").arg(::getuid())))
                << line.toStdString();
}

// What people reach for in their first minutes: versions, help per command,
// short options, "-" both ways, JSON, and no noise without a session.
TEST(Cli, FollowsTheConventionsOfTheCommandLine)
{
    for (const char *program : {LUMORA_CLI_PATH, LUMORA_WINDOW_PATH, LUMORA_RADIO_PATH}) {
        const CliRun r = bare(program, {"--version"});
        EXPECT_EQ(r.status, 0) << program;
        EXPECT_TRUE(QRegularExpression("^lumora(-cli|-radio)? [0-9.]+\n$").match(r.out).hasMatch()) << r.out.toStdString();
        EXPECT_EQ(r.err, "") << program;
    }
    // With --verbose, the licences of what the program is built from.
    for (const char *program : {LUMORA_CLI_PATH, LUMORA_WINDOW_PATH}) {
        const CliRun r = bare(program, {"--version", "--verbose"});
        EXPECT_EQ(r.status, 0) << program;
        EXPECT_TRUE(r.out.contains(QStringLiteral("\nQt %1 ").arg(qVersion()))) << r.out.left(200).toStdString();
        EXPECT_TRUE(r.out.contains("LUMORA " LUMORA_VERSION ": third-party notices"));
        EXPECT_TRUE(r.out.contains("GNU LESSER GENERAL PUBLIC LICENSE"));
    }
    CliRun r = bare(LUMORA_WINDOW_PATH, {"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.out.startsWith("Usage: lumora [--port DEV] [--trace FILE] [FILE.wh]")) << r.out.toStdString();
    r = bare(LUMORA_CLI_PATH, {"help", "read"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_TRUE(r.out.startsWith("Usage:\n  lumora-cli read ") && !r.out.contains("lumora-cli write")) << r.out.toStdString();
    EXPECT_EQ(bare(LUMORA_CLI_PATH, {"read", "--help"}).out, r.out);

    QTemporaryDir dir;
    VirtualRadio radio({"--memory", dir.filePath("radio.json")});
    ASSERT_TRUE(radio.ok());
    r = bare(LUMORA_CLI_PATH, {"read", "-p", radio.device(), "-o", "-", "-t", "30"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "   Read Succeed!\n"); // standard output is the data
    const QByteArray channels = r.out.toLocal8Bit();
    EXPECT_TRUE(channels.contains("\r\n1,146.52000,146.52000,")) << r.out.toStdString();
    r = bare(LUMORA_CLI_PATH, {"write", "-p", radio.device(), "-"}, channels);
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "Write Succeed!\n");

    // JSON: ports, doctor, diff. Without a session the linked ports are
    // still those of the folder a session without one has.
    const QString linkedPorts = QStringLiteral("/tmp/lumora-ports-%1").arg(::getuid());
    QDir().mkpath(linkedPorts);
    const QString link = linkedPorts + QStringLiteral("/lumora-radio-cli-test-%1").arg(::getpid());
    VirtualRadio linked({"--memory", dir.filePath("linked.json"), "--link", link});
    ASSERT_TRUE(linked.ok());
    r = bare(LUMORA_CLI_PATH, {"ports", "--json"});
    EXPECT_EQ(r.status, 0);
    const QJsonDocument ports = QJsonDocument::fromJson(r.out.toUtf8());
    ASSERT_TRUE(ports.isArray()) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(link)) << r.out.toStdString();
    for (const QJsonValue &port : ports.array())
        for (const char *key : {"name", "description", "manufacturer", "vendorId", "productId", "serialNumber"})
            EXPECT_TRUE(port.toObject().contains(key)) << key;
    r = bare(LUMORA_CLI_PATH, {"doctor", "-p", radio.device(), "--json"});
    EXPECT_EQ(r.status, 0);
    const QJsonObject doctor = QJsonDocument::fromJson(r.out.toUtf8()).object();
    EXPECT_TRUE(doctor["radioAnswered"].toBool());
    EXPECT_EQ(doctor["ports"].toArray()[0].toObject()["state"].toString(), "radio answered");
    QFile changed(dir.filePath("changed.wh"));
    ASSERT_TRUE(changed.open(QIODevice::WriteOnly));
    changed.write(QByteArray(channels).replace("\r\n1,146.52000,146.52000,", "\r\n1,146.55000,146.55000,"));
    changed.close();
    r = bare(LUMORA_CLI_PATH, {"diff", "-p", radio.device(), changed.fileName(), "--json"});
    EXPECT_EQ(r.status, 1);
    const QJsonArray differences = QJsonDocument::fromJson(r.out.toUtf8()).array();
    ASSERT_FALSE(differences.isEmpty()) << r.out.toStdString();
    EXPECT_EQ(differences[0].toObject()["area"].toString(), "main");
    EXPECT_TRUE(differences[0].toObject()["text"].toString().contains("146.55")) << r.out.toStdString();
    EXPECT_FALSE(r.err.contains("QStandardPaths")) << r.err.toStdString();
}

// In Chinese the messages are Chinese; what a script reads (the channels,
// JSON, the exit status) is the same byte for byte.
TEST(Cli, OnlyTheMessagesFollowTheLanguage)
{
    QTemporaryDir dir;
    VirtualRadio radio({"--memory", dir.filePath("radio.json")});
    ASSERT_TRUE(radio.ok());
    auto run = [](const char *language, const QStringList &args) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
            env.remove(name);
        env.insert("LANG", language);
        p.setProcessEnvironment(env);
        p.start(LUMORA_CLI_PATH, args);
        p.waitForFinished(120000);
        return std::make_tuple(p.exitCode(), p.readAllStandardOutput(), QString::fromUtf8(p.readAllStandardError()));
    };
    const QStringList read{"read", "-p", radio.device(), "-o", "-", "-t", "30"};
    const auto [status, channels, said] = run("C.UTF-8", read);
    const auto [statusZh, channelsZh, saidZh] = run("zh_CN.UTF-8", read);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(statusZh, 0);
    EXPECT_EQ(channelsZh, channels);
    EXPECT_EQ(said, "   Read Succeed!\n");
    EXPECT_EQ(saidZh, QString::fromUtf8("   读取成功！\n"));
    QFile changed(dir.filePath("changed.wh"));
    ASSERT_TRUE(changed.open(QIODevice::WriteOnly));
    changed.write(QByteArray(channels).replace("\r\n1,146.52000,146.52000,", "\r\n1,146.55000,146.55000,"));
    changed.close();
    for (const QStringList &args : {QStringList{"diff", "-p", radio.device(), changed.fileName(), "--json"},
                                    QStringList{"doctor", "-p", radio.device(), "--json"}}) {
        const auto [english, json, e] = run("C.UTF-8", args);
        const auto [chinese, jsonZh, eZh] = run("zh_CN.UTF-8", args);
        EXPECT_EQ(chinese, english) << args.join(' ').toStdString();
        EXPECT_EQ(jsonZh, json) << args.join(' ').toStdString();
    }
    // The same differences said to a person: the radio's names stay, the sentence is translated.
    const auto [differs, lines, summary] = run("zh_CN.UTF-8", {"diff", "-p", radio.device(), changed.fileName()});
    EXPECT_EQ(differs, 1);
    EXPECT_TRUE(QString::fromUtf8(lines).contains(QString::fromUtf8("信道 1，RX Freq：写入 146.55000，读取 146.52000")))
            << lines.toStdString();
    EXPECT_TRUE(summary.contains(QString::fromUtf8("将有 2 个字段改变"))) << summary.toStdString();
    // A usage error: the same status, said in the user's language.
    const auto [usage, none, problem] = run("C.UTF-8", {"read"});
    const auto [usageZh, noneZh, problemZh] = run("zh_CN.UTF-8", {"read"});
    EXPECT_EQ(usage, 2);
    EXPECT_EQ(usageZh, 2);
    EXPECT_TRUE(problem.startsWith("lumora-cli: read needs --port DEV and --output FILE.wh\nUsage:\n")) << problem.toStdString();
    EXPECT_TRUE(problemZh.startsWith(QString::fromUtf8("lumora-cli: read 需要 --port DEV 和 --output FILE.wh\n用法：\n")))
            << problemZh.toStdString();
}
