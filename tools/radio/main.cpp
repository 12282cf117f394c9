// lumora-radio: a stand-in for the radio on a pseudo-terminal, for tests,
// benchmarks and trying the tool without a radio.

#include "RadioImage.h"
#include "RadioResponder.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <cerrno>
#include <algorithm>
#include <csignal>
#include <deque>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

using namespace lumora;
using namespace lumora::radio;

namespace {

volatile std::sig_atomic_t stopRequested = 0;
void onSignal(int) { stopRequested = 1; }

using Clock = std::chrono::steady_clock;

// 10 bits per byte at 9600 baud.
std::chrono::microseconds wireTime(size_t bytes) { return std::chrono::microseconds(bytes * 10000000 / 9600); }

class Trace {
public:
    explicit Trace(const QString &fileName) : start_(Clock::now())
    {
        if (fileName.isEmpty())
            return;
        file_.setFileName(fileName);
        if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
            throw std::runtime_error("cannot write the trace file " + fileName.toStdString());
    }
    // One line per message: milliseconds since start, direction, hex bytes.
    void log(char direction, const uint8_t *data, size_t count)
    {
        if (!file_.isOpen())
            return;
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start_).count();
        const QByteArray hex = QByteArray(reinterpret_cast<const char *>(data), static_cast<int>(count)).toHex(' ');
        file_.write(QByteArray::number(ms, 'f', 3) + ' ' + direction + ' ' + hex + '\n');
        file_.flush();
    }

private:
    QFile file_;
    Clock::time_point start_;
};

bool writeAll(int fd, const std::vector<uint8_t> &bytes)
{
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && (errno == EINTR || errno == EAGAIN)) {
            pollfd p{fd, POLLOUT, 0};
            ::poll(&p, 1, 100);
            continue;
        }
        if (n <= 0)
            return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

int fail(const QString &text)
{
    QTextStream(stderr) << "lumora-radio: " << text << '\n';
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lumora-radio"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LUMORA_VERSION));
    QCommandLineParser cli;
    cli.setApplicationDescription(QStringLiteral(
        "A virtual radio on a pseudo-terminal. Prints the device path on its first line,\n"
        "then answers the programming protocol until killed."));
    cli.addHelpOption();
    cli.addVersionOption();
    const QCommandLineOption link(QStringLiteral("link"), "Also make a symbolic link PATH to the device.", "PATH");
    const QCommandLineOption memory(QStringLiteral("memory"), "Memory image (JSON); loaded at start, saved after every block written.", "FILE");
    const QCommandLineOption exitAfter(QStringLiteral("exit-after"), "Exit after N completed transfers.", "N");
    const QCommandLineOption pace(QStringLiteral("pace"), "Take the time a 9600 baud 8N1 line takes.");
    const QCommandLineOption seed(QStringLiteral("seed"), "Seed of the fault injection.", "N", "1");
    const QCommandLineOption drop(QStringLiteral("drop"), "Ignore a message with probability P.", "P", "0");
    const QCommandLineOption corrupt(QStringLiteral("corrupt"), "Flip one bit of an answer with probability P.", "P", "0");
    const QCommandLineOption dropFirst(QStringLiteral("drop-first"), "Ignore the first N messages.", "N", "0");
    const QCommandLineOption delay(QStringLiteral("delay"), "Answer MS milliseconds late.", "MS", "0");
    const QCommandLineOption hangupAfter(QStringLiteral("hangup-after"), "Close the line after N messages, like a pulled cable.", "N");
    const QCommandLineOption quietAfter(QStringLiteral("quiet-after"), "Stop answering (and storing) after N messages, keeping the line open.", "N");
    const QCommandLineOption trace(QStringLiteral("trace"), "Log every byte both ways, one message a line, in hex.", "FILE");
    const QCommandLineOption badByte(QStringLiteral("bad-byte"),
                                     "Store payload byte OFFSET of block INDEX of block type TYPE inverted\n"
                                     "(only the bits of MASK, a number such as 0x01, when given).",
                                     "TYPE:INDEX:OFFSET[:MASK]");
    const QCommandLineOption crcSwapped(QStringLiteral("crc-swapped"),
                                        "Send the check value of data answers low byte first.");
    const QCommandLineOption doubleAck(QStringLiteral("double-ack"), "Send every 0x06 twice.");
    const QCommandLineOption wrongBlock(QStringLiteral("wrong-block"),
                                        "Answer every read with another block than the one asked for.");
    const QCommandLineOption deafAfter(QStringLiteral("deaf-after"),
                                       "After answering a message that begins with the bytes HEX (such as\n"
                                       "52020220), ignore the line for SECONDS, as a radio that restarts.",
                                       "HEX:SECONDS");
    const QCommandLineOption loseAnswer(QStringLiteral("lose-answer"),
                                        "Take message N (from 1) as usual but lose its answer on the line.", "N");
    cli.addOptions({link, memory, exitAfter, pace, seed, drop, dropFirst, corrupt, delay, hangupAfter, quietAfter, trace,
                    badByte, crcSwapped, doubleAck, wrongBlock, deafAfter, loseAnswer});
    cli.process(app);

    Faults faults;
    faults.drop = cli.value(drop).toDouble();
    faults.corrupt = cli.value(corrupt).toDouble();
    faults.seed = cli.value(seed).toUInt();
    faults.dropFirst = cli.value(dropFirst).toInt();
    faults.quietAfter = cli.isSet(quietAfter) ? cli.value(quietAfter).toInt() : -1;
    faults.crcSwapped = cli.isSet(crcSwapped);
    faults.doubleAck = cli.isSet(doubleAck);
    faults.wrongBlock = cli.isSet(wrongBlock);
    faults.loseAnswer = cli.value(loseAnswer).toInt();
    if (cli.isSet(deafAfter)) {
        const QStringList parts = cli.value(deafAfter).split(QLatin1Char(':'));
        const QByteArray bytes = QByteArray::fromHex(parts.value(0).toLatin1());
        bool ok = false;
        faults.deafSeconds = parts.value(1).toDouble(&ok);
        if (parts.size() != 2 || bytes.isEmpty() || !ok || faults.deafSeconds <= 0)
            return fail(QStringLiteral("--deaf-after wants HEX:SECONDS"));
        faults.deafAfter.assign(bytes.begin(), bytes.end());
    }
    if (cli.isSet(badByte)) {
        const QStringList parts = cli.value(badByte).split(QLatin1Char(':'));
        bool maskOk = true;
        if (parts.size() == 4)
            faults.badMask = static_cast<uint8_t>(parts[3].toUInt(&maskOk, 0));
        if ((parts.size() != 3 && parts.size() != 4) || !maskOk)
            return fail(QStringLiteral("--bad-byte wants TYPE:INDEX:OFFSET[:MASK]"));
        faults.badType = parts[0].toInt();
        faults.badIndex = parts[1].toInt();
        faults.badOffset = parts[2].toInt();
    }
    const int delayMs = cli.value(delay).toInt();
    const int exitAfterTransfers = cli.isSet(exitAfter) ? cli.value(exitAfter).toInt() : -1;
    const int hangupAfterMessages = cli.isSet(hangupAfter) ? cli.value(hangupAfter).toInt() : -1;
    const QString memoryFile = cli.value(memory);

    RadioImage image = RadioImage::BuiltIn();
    try {
        if (!memoryFile.isEmpty()) {
            if (QFile::exists(memoryFile))
                image = RadioImage::Load(memoryFile);
            else
                image.save(memoryFile);
        }
    } catch (const std::exception &e) {
        return fail(QString::fromStdString(e.what()));
    }

    const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0)
        return fail(QStringLiteral("cannot open a pseudo-terminal: %1").arg(std::strerror(errno)));
    termios t{};
    if (::tcgetattr(master, &t) == 0) {
        ::cfmakeraw(&t);
        ::tcsetattr(master, TCSANOW, &t);
    }
    const QString device = QString::fromLocal8Bit(::ptsname(master));
    const QString linkPath = cli.value(link);
    if (!linkPath.isEmpty()) {
        QFile::remove(linkPath);
        if (!QFile::link(device, linkPath))
            return fail(QStringLiteral("cannot make the link %1").arg(linkPath));
    }
    std::printf("%s\n", device.toLocal8Bit().constData());
    std::fflush(stdout);

    std::signal(SIGTERM, onSignal);
    std::signal(SIGINT, onSignal);
    Trace log(cli.value(trace));
    RadioResponder radio(image, faults);
    int messages = 0;
    int transfers = 0;
    int dropped = 0, corrupted = 0, delayed = 0; // the faults made, reported at the end
    bool done = false;
    bool hangupDue = false;
    // Answers wait their delay each from its own message, so that a radio
    // answering late answers every copy late, not later and later.
    struct Due {
        Clock::time_point at;
        Outcome outcome;
    };
    std::deque<Due> answers;
    uint8_t buffer[4096];
    auto answerDue = [&](Outcome &out) {
        if (cli.isSet(pace))
            std::this_thread::sleep_for(wireTime(out.message.size()));
        if (!out.answer.empty()) {
            if (cli.isSet(pace))
                std::this_thread::sleep_for(wireTime(out.answer.size()));
            log.log('>', out.answer.data(), out.answer.size());
            writeAll(master, out.answer);
        }
        // The file is kept while the host waits out the quiet line after
        // the answer, so that keeping it costs the host nothing.
        if (out.stored && !memoryFile.isEmpty())
            image.save(memoryFile);
        if (!out.answer.empty() && out.transferDone && exitAfterTransfers > 0 && ++transfers >= exitAfterTransfers)
            done = true;
    };
    try {
        while (!stopRequested && !done) {
            while (!answers.empty() && answers.front().at <= Clock::now() && !done) {
                answerDue(answers.front().outcome);
                answers.pop_front();
            }
            if (hangupDue && answers.empty())
                done = true;
            if (done)
                break;
            int waitMs = 500;
            if (!answers.empty())
                waitMs = static_cast<int>(std::max<int64_t>(
                        0, std::chrono::duration_cast<std::chrono::milliseconds>(answers.front().at - Clock::now()).count()));
            pollfd p{master, POLLIN, 0};
            if (::poll(&p, 1, waitMs) < 0)
                continue; // a signal: the loop test sees it
            if (p.revents & POLLHUP && !(p.revents & POLLIN)) {
                // Nobody has the device open (the tool closes it between transfers).
                std::this_thread::sleep_for(std::chrono::milliseconds(answers.empty() ? 10 : 1));
                continue;
            }
            if (!(p.revents & POLLIN))
                continue;
            const ssize_t n = ::read(master, buffer, sizeof buffer);
            if (n <= 0) {
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
                continue;
            }
            log.log('<', buffer, static_cast<size_t>(n));
            const Clock::time_point now = Clock::now();
            for (Outcome &out : radio.receive(buffer, static_cast<size_t>(n), now)) {
                ++messages;
                const bool quiet = faults.quietAfter >= 0 && messages > faults.quietAfter;
                dropped += out.dropped && !quiet ? 1 : 0;
                corrupted += out.corrupted ? 1 : 0;
                if (hangupAfterMessages >= 0 && messages >= hangupAfterMessages)
                    hangupDue = true;
                if (!out.answer.empty() && delayMs > 0)
                    ++delayed;
                answers.push_back({now + std::chrono::milliseconds(out.answer.empty() ? 0 : delayMs), std::move(out)});
                if (hangupDue)
                    break; // the line goes after this message's answer
            }
        }
    } catch (const std::exception &e) {
        return fail(QStringLiteral("cannot save %1: %2").arg(memoryFile, e.what()));
    }
    if (done) // let the host read the last answer before the line goes
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    ::close(master);
    if (!linkPath.isEmpty())
        QFile::remove(linkPath);
    std::fprintf(stderr, "faults: %d dropped, %d corrupted, %d delayed\n", dropped, corrupted, delayed);
    return 0;
}
