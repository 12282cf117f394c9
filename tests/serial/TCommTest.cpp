// The serial component against pseudo-terminals.

#include "PtyPair.h"

#include "serial/ECommsError.h"
#include "serial/TComm.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryFile>
#include <QtTest>

#include <atomic>
#include <random>
#include <termios.h>
#include <thread>

using namespace lumora;
using namespace lumora::test;

namespace {

struct Received {
    std::vector<QByteArray> chunks;
    std::vector<bool> zeroAfter;
    int hangups = 0;

    void attach(TComm &comm)
    {
        comm.OnReceiveData = [this](TComm *, const uint8_t *b, uint16_t n) {
            chunks.emplace_back(reinterpret_cast<const char *>(b), n);
            zeroAfter.push_back(b[n] == 0);
        };
        comm.OnRequestHangup = [this](TComm *) { ++hangups; };
    }
    QByteArray all() const
    {
        QByteArray a;
        for (const QByteArray &c : chunks)
            a += c;
        return a;
    }
};

void configureLikeComm1(TComm &comm, const QString &path)
{
    comm.CommName = path;
    comm.setReadIntervalTimeout(20);
    comm.setOutx_XonXoffFlow(false);
    comm.setInx_XonXoffFlow(false);
}

QString openError(TComm &comm, std::string *reason = nullptr)
{
    try {
        comm.OpenPort();
    } catch (const ECommsError &e) {
        if (reason)
            *reason = e.reason();
        return QString::fromStdString(e.text());
    }
    return QStringLiteral("opened");
}

int openDescriptors() { return static_cast<int>(QDir("/proc/self/fd").entryList(QDir::NoDotAndDotDot | QDir::System | QDir::Files | QDir::Dirs).size()); }

// A component open on a fresh pty, configured as the tool's port.
struct OpenLink {
    PtyPair pty;
    TComm comm;
    Received got;
    OpenLink()
    {
        got.attach(comm);
        configureLikeComm1(comm, pty.slavePath());
        comm.OpenPort();
    }
};

} // namespace

class TCommTest : public QObject {
    Q_OBJECT
private slots:
    void defaultsAreThoseOfTheComponent();
    void writesOnAClosedPortOrOfNothingAreRefused();
    void openFailuresCarryTheirTexts();
    void lineSettingsReachTheDevice();
    void aBurstArrivesAsOneChunkWithAZeroAfterIt();
    void aQuietGapSplitsTheStream();
    void singleByteWritesLeaveInOrder();
    void randomMessagesBothWaysArriveIntact();
    void hangupWhileIdle();
    void hangupMidRead();
    void hangupMidWrite();
    void openCloseCyclesLeakNoDescriptor();
    void destroyingAnOpenComponentStopsItsThreads();
};

void TCommTest::defaultsAreThoseOfTheComponent()
{
    TComm comm;
    QCOMPARE(comm.CommName, QStringLiteral("COM2"));
    QCOMPARE(comm.BaudRate(), 9600u);
    QCOMPARE(comm.ByteSize(), TByteSize::_8);
    QCOMPARE(comm.Parity(), TParity::None);
    QCOMPARE(comm.StopBits(), TStopBits::_1);
    QCOMPARE(comm.DtrControl(), TDtrControl::DtrEnable);
    QCOMPARE(comm.RtsControl(), TRtsControl::RtsEnable);
    QVERIFY(comm.TxContinueOnXoff());
    QVERIFY(comm.Outx_XonXoffFlow());
    QVERIFY(comm.Inx_XonXoffFlow());
    QCOMPARE(comm.XonLimit(), uint16_t(500));
    QCOMPARE(comm.XonChar(), char(0x11));
    QCOMPARE(comm.XoffChar(), char(0x13));
    QCOMPARE(comm.ReadIntervalTimeout(), 100u);
    QCOMPARE(comm.ReadTotalTimeoutConstant(), 0u);
    QVERIFY(!comm.IsOpen());
    QVERIFY(comm.SendDataEmpty());
}

void TCommTest::writesOnAClosedPortOrOfNothingAreRefused()
{
    PtyPair pty;
    QVERIFY(pty.ok());
    TComm comm;
    const uint8_t b = 0x06;
    QVERIFY(!comm.WriteBytes(&b, 1));
    comm.ClosePort(); // nothing to close: nothing happens
    configureLikeComm1(comm, pty.slavePath());
    comm.OpenPort();
    QVERIFY(!comm.WriteBytes(&b, 0));
    QCOMPARE(openError(comm), QStringLiteral("This serial port already opened"));
    QVERIFY(comm.IsOpen());
    QVERIFY(comm.WriteBytes(&b, 1));
    QCOMPARE(pty.receive(1), QByteArray(1, 0x06));
    QTest::qWait(100);
    QCOMPARE(pty.receive(1, 50), QByteArray()); // the refused write of 0 queued nothing
    comm.ClosePort();
    QVERIFY(!comm.WriteBytes(&b, 1));
}

void TCommTest::openFailuresCarryTheirTexts()
{
    TComm comm;
    std::string reason;
    comm.CommName = QStringLiteral("/dev/lumora-no-such-port");
    QCOMPARE(openError(comm, &reason), QStringLiteral("Error opening serial port"));
    QCOMPARE(QString::fromStdString(reason), QStringLiteral("No such file or directory"));
    QTemporaryFile file;
    QVERIFY(file.open());
    comm.CommName = file.fileName();
    QCOMPARE(openError(comm, &reason), QStringLiteral("File handle is not a comm handle "));
    QVERIFY(!comm.IsOpen());
    comm.CommName = QDir::tempPath();
    QCOMPARE(openError(comm), QStringLiteral("Error opening serial port"));
}

void TCommTest::lineSettingsReachTheDevice()
{
    PtyPair pty;
    TComm comm;
    configureLikeComm1(comm, pty.slavePath());
    comm.OpenPort();
    termios t{};
    QCOMPARE(::tcgetattr(pty.master(), &t), 0); // a pty shares one termios
    QCOMPARE(::cfgetospeed(&t), speed_t(B9600));
    QCOMPARE(t.c_cflag & CSIZE, tcflag_t(CS8));
    QCOMPARE(t.c_cflag & (PARENB | CSTOPB | CRTSCTS), tcflag_t(0));
    QCOMPARE(t.c_iflag & (IXON | IXOFF), tcflag_t(0));
    QCOMPARE(t.c_lflag & (ICANON | ECHO), tcflag_t(0));
    // A changed line property reaches the open device at once. (A pty
    // refuses parity, so that one is left out here.)
    comm.setBaudRate(19200);
    comm.setStopBits(TStopBits::_2);
    QCOMPARE(::tcgetattr(pty.master(), &t), 0);
    QCOMPARE(::cfgetospeed(&t), speed_t(B19200));
    QCOMPARE(t.c_cflag & CSTOPB, tcflag_t(CSTOPB));
    QVERIFY_THROWS_EXCEPTION(ECommsError, comm.setParity(TParity::Even));
}

void TCommTest::aBurstArrivesAsOneChunkWithAZeroAfterIt()
{
    OpenLink link;
    auto &[pty, comm, got] = link;
    QByteArray burst;
    for (int i = 0; i < 38; ++i)
        burst += char(0x41 + i % 26);
    QVERIFY(pty.send(burst));
    QTRY_COMPARE_WITH_TIMEOUT(got.chunks.size(), size_t(1), 5000);
    QTest::qWait(100);
    QCOMPARE(got.chunks.size(), size_t(1));
    QCOMPARE(got.chunks[0], burst);
    QVERIFY(got.zeroAfter[0]);
}

void TCommTest::aQuietGapSplitsTheStream()
{
    OpenLink link;
    auto &[pty, comm, got] = link;
    QVERIFY(pty.send(QByteArray(19, 'a')));
    std::this_thread::sleep_for(std::chrono::milliseconds(150)); // far above 20 ms
    QVERIFY(pty.send(QByteArray(19, 'b')));
    QTRY_COMPARE_WITH_TIMEOUT(got.chunks.size(), size_t(2), 5000);
    QCOMPARE(got.chunks[0], QByteArray(19, 'a'));
    QCOMPARE(got.chunks[1], QByteArray(19, 'b'));
}

void TCommTest::singleByteWritesLeaveInOrder()
{
    PtyPair pty;
    TComm comm;
    configureLikeComm1(comm, pty.slavePath());
    comm.OpenPort();
    QByteArray expected;
    for (int i = 0; i < 34; ++i) {
        const uint8_t b = static_cast<uint8_t>(i * 7);
        QVERIFY(comm.WriteBytes(&b, 1));
        expected += char(b);
    }
    QCOMPARE(pty.receive(34), expected);
    QTRY_VERIFY_WITH_TIMEOUT(comm.SendDataEmpty(), 5000);
}

void TCommTest::randomMessagesBothWaysArriveIntact()
{
    PtyPair pty;
    TComm comm;
    Received got;
    got.attach(comm);
    int emptyReports = 0;
    comm.OnSendDataEmpty = [&](TComm *) { ++emptyReports; };
    configureLikeComm1(comm, pty.slavePath());
    comm.OpenPort();

    std::mt19937 rng(1208);
    auto message = [&] {
        QByteArray m(1 + static_cast<int>(rng() % 64), Qt::Uninitialized);
        for (char &c : m)
            c = static_cast<char>(rng());
        return m;
    };
    QByteArray toFar, toHost;
    std::vector<QByteArray> farMessages;
    for (int i = 0; i < 10000; ++i) {
        toFar += message();
        farMessages.push_back(message());
        toHost += farMessages.back();
    }
    // The far end reads everything the host sends while it sends its own.
    QByteArray farGot;
    std::thread far([&] {
        for (const QByteArray &m : farMessages)
            pty.send(m);
    });
    std::thread farReader([&] { farGot = pty.receive(toFar.size(), 60000); });
    for (qsizetype at = 0, i = 0; at < toFar.size(); ++i) {
        const int n = std::min<qsizetype>(1 + (i * 37) % 64, toFar.size() - at);
        QVERIFY(comm.WriteBytes(reinterpret_cast<const uint8_t *>(toFar.constData() + at),
                                static_cast<uint16_t>(n)));
        at += n;
    }
    QTRY_COMPARE_WITH_TIMEOUT(got.all().size(), toHost.size(), 60000);
    far.join();
    farReader.join();
    QCOMPARE(got.all(), toHost);
    QCOMPARE(farGot, toFar);
    for (const QByteArray &c : got.chunks)
        QVERIFY(c.size() <= 2048);
    QTRY_VERIFY_WITH_TIMEOUT(emptyReports >= 1, 5000);
}

void TCommTest::hangupWhileIdle()
{
    OpenLink link;
    auto &[pty, comm, got] = link;
    QTest::qWait(50);
    pty.closeMaster();
    QTRY_COMPARE_WITH_TIMEOUT(got.hangups, 1, 5000);
    QTest::qWait(200); // the reader ended and does not spin or report again
    QCOMPARE(got.hangups, 1);
    comm.ClosePort();
    QVERIFY(!comm.IsOpen());

    PtyPair again;
    configureLikeComm1(comm, again.slavePath());
    comm.OpenPort();
    QVERIFY(again.send("ok"));
    QTRY_COMPARE_WITH_TIMEOUT(got.all(), QByteArray("ok"), 5000);
}

void TCommTest::hangupMidRead()
{
    OpenLink link;
    auto &[pty, comm, got] = link;
    QVERIFY(pty.send(QByteArray("W\x00\x01", 3)));
    pty.closeMaster(); // mid-message
    QTRY_COMPARE_WITH_TIMEOUT(got.hangups, 1, 5000);
    comm.ClosePort();
}

void TCommTest::hangupMidWrite()
{
    OpenLink link;
    auto &[pty, comm, got] = link;
    // Far more than the pty holds, with nobody reading: the writer waits.
    std::vector<uint8_t> big(60000, 0x55);
    for (int i = 0; i < 4; ++i)
        QVERIFY(comm.WriteBytes(big.data(), static_cast<uint16_t>(big.size())));
    QTest::qWait(100);
    QVERIFY(!comm.SendDataEmpty());
    pty.closeMaster();
    QTRY_COMPARE_WITH_TIMEOUT(got.hangups, 1, 5000);
    QTest::qWait(100);
    QCOMPARE(got.hangups, 1);
    comm.ClosePort();
}

void TCommTest::openCloseCyclesLeakNoDescriptor()
{
    PtyPair pty;
    TComm comm;
    configureLikeComm1(comm, pty.slavePath());
    comm.OpenPort();
    comm.ClosePort();
    const int before = openDescriptors();
    for (int i = 0; i < 1000; ++i) {
        comm.OpenPort();
        comm.ClosePort();
    }
    QCOMPARE(openDescriptors(), before);
}

void TCommTest::destroyingAnOpenComponentStopsItsThreads()
{
    PtyPair pty;
    const int before = openDescriptors();
    {
        TComm comm;
        configureLikeComm1(comm, pty.slavePath());
        comm.OpenPort();
        const uint8_t b[3] = {1, 2, 3};
        comm.WriteBytes(b, 3);
    }
    QCOMPARE(openDescriptors(), before);
}

QTEST_GUILESS_MAIN(TCommTest)
#include "TCommTest.moc"
