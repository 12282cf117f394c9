// The lumora-radio program itself, over its pseudo-terminal.

#include "support/VirtualRadio.h"

#include "protocol/Crc16.h"
#include "protocol/Frames.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

using namespace lumora;

namespace {

using Bytes = QByteArray;

// The radio with a raw line to it.
class RadioProcess {
public:
    explicit RadioProcess(const QStringList &args) : radio_(args)
    {
        if (!radio_.ok())
            return;
        fd_ = ::open(radio_.device().toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
        termios t{};
        if (fd_ >= 0 && ::tcgetattr(fd_, &t) == 0) {
            ::cfmakeraw(&t);
            ::tcsetattr(fd_, TCSANOW, &t);
        }
    }
    ~RadioProcess()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    bool ok() const { return fd_ >= 0; }
    QProcess &process() { return radio_.process(); }

    // Sends a message and collects what comes back within `waitMs`.
    Bytes exchange(const Bytes &message, int waitMs = 300)
    {
        if (::write(fd_, message.constData(), message.size()) != message.size())
            return "write failed";
        Bytes got;
        pollfd p{fd_, POLLIN, 0};
        while (::poll(&p, 1, waitMs) > 0 && (p.revents & POLLIN)) {
            char buf[256];
            const ssize_t n = ::read(fd_, buf, sizeof buf);
            if (n <= 0)
                break;
            got.append(buf, n);
            waitMs = 50;
        }
        return got;
    }
    bool hungUp()
    {
        pollfd p{fd_, POLLIN, 0};
        if (::poll(&p, 1, 3000) <= 0)
            return false;
        char c;
        return (p.revents & POLLHUP) || ::read(fd_, &c, 1) <= 0;
    }

private:
    test::VirtualRadio radio_;
    int fd_ = -1;
};

Bytes request(int type, int index) { return Bytes("R") + char(type) + char(index) + char(0x20); }

Bytes frame(int type, int index, char fill, bool goodCrc = true)
{
    FrameBuffer f{};
    BuildDataFrameHeader(f, static_cast<BlockType>(type), static_cast<uint8_t>(index));
    for (int i = 4; i < 32; ++i)
        f[i] = static_cast<uint8_t>(fill);
    FinishDataFrame(f);
    if (!goodCrc)
        f[32] ^= 0x80;
    return Bytes(reinterpret_cast<const char *>(f.data()), 34);
}

QJsonObject memory(const QString &file)
{
    QFile f(file);
    f.open(QIODevice::ReadOnly);
    return QJsonDocument::fromJson(f.readAll()).object();
}

} // namespace

TEST(RadioProcess, AScriptedExchangeUpdatesTheImageFile)
{
    QTemporaryDir dir;
    const QString image = dir.filePath("radio.json");
    RadioProcess radio({"--memory", image, "--trace", dir.filePath("trace.txt")});
    ASSERT_TRUE(radio.ok());
    EXPECT_EQ(radio.exchange("PROGRAM"), Bytes(1, 0x06));
    for (int type = 0; type <= 5; ++type) {
        const int index = type == 0 ? 16 : 0;
        const Bytes a = radio.exchange(request(type, index));
        ASSERT_EQ(a.size(), 34) << type;
        EXPECT_EQ(a[1], char(type));
        EXPECT_TRUE(FrameCrcMatches(reinterpret_cast<const uint8_t *>(a.constData())));
    }
    EXPECT_EQ(radio.exchange(frame(0, 7, 0x33)), Bytes(1, 0x06));
    EXPECT_EQ(radio.exchange(frame(0, 8, 0x44, false)), Bytes());
    EXPECT_EQ(radio.exchange(Bytes("W\x02\x01\x20", 4) + Bytes(28, 0x55)), Bytes(1, 0x06));
    const QJsonObject m = memory(image);
    EXPECT_EQ(m["format"].toString(), "lumora-radio-memory 1");
    EXPECT_EQ(m["channel"].toArray()[6].toString(), QString(56, '3'));
    EXPECT_NE(m["channel"].toArray()[7].toString(), QString(56, '4'));
    EXPECT_EQ(m["fleetsync"].toArray()[1].toString(), QString(56, '5'));
    EXPECT_EQ(m["5tone"].toArray().size(), 17);
    // What was written is what a read then gives.
    EXPECT_EQ(radio.exchange(request(0, 7)).mid(4, 28), Bytes(28, 0x33));

    QFile trace(dir.filePath("trace.txt"));
    ASSERT_TRUE(trace.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = trace.readAll().split('\n');
    EXPECT_TRUE(lines[0].endsWith(" < 50 52 4f 47 52 41 4d")) << lines[0].toStdString();
    EXPECT_TRUE(lines[1].endsWith(" > 06")) << lines[1].toStdString();
}

TEST(RadioProcess, AnExistingImageFileIsLoaded)
{
    QTemporaryDir dir;
    const QString image = dir.filePath("radio.json");
    {
        RadioProcess first({"--memory", image});
        ASSERT_TRUE(first.ok());
        EXPECT_EQ(first.exchange(frame(4, 16, 0x66)), Bytes(1, 0x06));
    }
    RadioProcess second({"--memory", image});
    ASSERT_TRUE(second.ok());
    EXPECT_EQ(second.exchange(request(4, 16)).mid(4, 28), Bytes(28, 0x66));
}

TEST(RadioProcess, HangsUpAfterNMessagesAndExitsAfterNTransfers)
{
    {
        RadioProcess radio({"--hangup-after", "2"});
        ASSERT_TRUE(radio.ok());
        EXPECT_EQ(radio.exchange("PROGRAM"), Bytes(1, 0x06));
        EXPECT_EQ(radio.exchange(request(0, 1)).size(), 34);
        EXPECT_TRUE(radio.hungUp());
        EXPECT_TRUE(radio.process().waitForFinished(5000));
    }
    RadioProcess radio({"--exit-after", "1"});
    ASSERT_TRUE(radio.ok());
    EXPECT_EQ(radio.exchange(request(1, 0)).size(), 34);
    EXPECT_EQ(radio.process().state(), QProcess::Running);
    EXPECT_EQ(radio.exchange(request(1, 3)).size(), 34);
    EXPECT_TRUE(radio.process().waitForFinished(5000));
    EXPECT_EQ(radio.process().exitCode(), 0);
}

TEST(RadioProcess, TheSameSeedDropsTheSameMessages)
{
    auto run = [] {
        RadioProcess radio({"--drop", "0.5", "--seed", "9"});
        QList<bool> answered;
        for (int i = 1; i <= 16; ++i)
            answered << !radio.exchange(request(0, i), 150).isEmpty();
        return answered;
    };
    const QList<bool> a = run();
    EXPECT_EQ(run(), a);
    EXPECT_TRUE(a.contains(true));
    EXPECT_TRUE(a.contains(false));
}

TEST(RadioProcess, LinksItsDeviceWhileItRuns)
{
    QTemporaryDir dir;
    const QString link = dir.filePath("radio");
    test::VirtualRadio radio({"--link", link});
    ASSERT_TRUE(radio.ok());
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), radio.device());
    radio.process().terminate();
    EXPECT_TRUE(radio.process().waitForFinished(5000));
    EXPECT_FALSE(QFileInfo::exists(link)) << "the link goes with the radio";
}
