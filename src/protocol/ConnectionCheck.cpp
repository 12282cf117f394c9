#include "protocol/ConnectionCheck.h"

#include "protocol/Crc16.h"
#include "protocol/FrameSender.h"
#include "protocol/Frames.h"
#include "serial/ECommsError.h"
#include "serial/PortAccess.h"
#include "serial/TComm.h"

#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <optional>

namespace lumora {

namespace {

class CommSink : public IByteSink {
public:
    explicit CommSink(TComm &comm) : comm_(comm) {}
    bool WriteBytes(const uint8_t *data, int count) override
    {
        return count > 0 && comm_.WriteBytes(data, static_cast<uint16_t>(count));
    }

private:
    TComm &comm_;
};

// One message after another on a port opened with the main window's line
// settings: each sent (and resent every 300 ms) until the radio's answer
// to it has come or waitMs have passed.
class Exchange {
public:
    explicit Exchange(const QString &port) : sink_(comm_)
    {
        comm_.CommName = port;
        comm_.setOutx_XonXoffFlow(false);
        comm_.setInx_XonXoffFlow(false);
        comm_.setReadIntervalTimeout(20);
        comm_.OnReceiveData = [this](TComm *, const uint8_t *data, uint16_t length) {
            received_.append(reinterpret_cast<const char *>(data), length);
            if (answered_())
                loop_.quit();
        };
        comm_.OnRequestHangup = [this](TComm *) {
            gone_ = true;
            loop_.quit();
        };
        comm_.OpenPort();
    }
    ~Exchange()
    {
        comm_.OnReceiveData = nullptr;
        comm_.OnRequestHangup = nullptr;
        comm_.ClosePort();
    }
    // Sends count bytes of tx until answered (looking at all received so far) holds.
    bool Ask(FrameBuffer &tx, int count, int waitMs, std::function<bool(const QByteArray &)> answered)
    {
        if (gone_)
            return false;
        received_.clear();
        answered_ = [this, answered] { return answered(received_); };
        SendData(sink_, tx, count);
        QTimer resend, give;
        QObject::connect(&resend, &QTimer::timeout, &loop_, [&] { Tim1Timer(sink_, tx); });
        resend.start(kRetransmitIntervalMs);
        give.setSingleShot(true);
        QObject::connect(&give, &QTimer::timeout, &loop_, &QEventLoop::quit);
        give.start(waitMs);
        loop_.exec();
        return answered(received_);
    }

private:
    TComm comm_;
    CommSink sink_;
    QEventLoop loop_;
    QByteArray received_;
    std::function<bool()> answered_ = [] { return false; };
    bool gone_ = false;
};

// The data answer for type and index among the bytes received, its check
// value in either byte order (this only looks; nothing is stored from it).
std::optional<Payload> answerFor(const QByteArray &bytes, BlockAddress block)
{
    const auto *b = reinterpret_cast<const uint8_t *>(bytes.constData());
    for (qsizetype at = 0; at + kFrameLength <= bytes.size(); ++at) {
        const uint8_t *f = b + at;
        if (f[0] != kWriteMark || f[1] != static_cast<uint8_t>(block.type) || f[2] != block.index || f[3] != kHeaderEnd)
            continue;
        const uint16_t crc = Crc16Modbus(f, kCrcCoveredBytes);
        const uint16_t stored = static_cast<uint16_t>((f[32] << 8) | f[33]);
        if (stored != crc && stored != static_cast<uint16_t>((crc << 8) | (crc >> 8)))
            continue;
        Payload p;
        std::copy(f + kPayloadOffset, f + kPayloadOffset + kPayloadLength, p.begin());
        return p;
    }
    return std::nullopt;
}

} // namespace

bool RadioAnswersGreeting(const QString &port, int waitMs)
{
    Exchange line(port);
    FrameBuffer tx{};
    return line.Ask(tx, BuildGreeting(tx), waitMs, [](const QByteArray &r) { return r.contains(char(kAck)); });
}

std::vector<Payload> ReadRadioBlocks(const QString &port, const std::vector<BlockAddress> &blocks, int waitMs)
{
    Exchange line(port);
    FrameBuffer tx{};
    std::vector<Payload> held;
    if (!line.Ask(tx, BuildGreeting(tx), waitMs, [](const QByteArray &r) { return r.contains(char(kAck)); }))
        return held;
    for (const BlockAddress &block : blocks) {
        std::optional<Payload> answer;
        line.Ask(tx, BuildReadRequest(tx, block.type, block.index), waitMs, [&](const QByteArray &r) {
            answer = answerFor(r, block);
            return answer.has_value();
        });
        if (!answer)
            break;
        held.push_back(*answer);
    }
    return held;
}

ConnectionReport CheckConnections(const QVector<SerialPortEntry> &ports)
{
    ConnectionReport report;
    if (ports.isEmpty())
#ifdef _WIN32
        report.paragraphs << PortTexts::tr("No serial port was found. Plug the programming cable in; a USB "
                                           "cable shows up as a COM port (COM3, for example) in Device Manager.");
#else
        report.paragraphs << PortTexts::tr("No serial port was found. Plug the programming cable in; a USB "
                                           "cable shows up as /dev/ttyUSB0 or /dev/ttyACM0.");
#endif
    for (const SerialPortEntry &entry : ports) {
        const QString &port = entry.name;
        const QString described =
                entry.description.isEmpty() ? port : QStringLiteral("%1 (%2)").arg(port, entry.description);
        const PortAccess access = CheckPortAccess(port);
        auto found = [&](const char *state, const QString &text, bool answered = false) {
            report.paragraphs << text;
            report.ports.push_back({port, entry.description, QLatin1String(state), answered, text});
        };
        if (access.kind != PortAccess::Opens) {
            const char *states[] = {"opens", "missing", "permission denied", "busy", "failed"};
            found(states[access.kind], access.explanation);
            continue;
        }
        try {
            if (RadioAnswersGreeting(port)) {
                report.radioAnswered = true;
                found("radio answered", PortTexts::tr("%1: opens, and a radio answered.").arg(described), true);
            } else {
                found("no answer", PortTexts::tr("%1: opens, but no radio answered. Check that the radio is "
                                                 "switched on and the cable is pushed fully into its socket.")
                                           .arg(described));
            }
        } catch (const ECommsError &e) {
            found("failed", QStringLiteral("%1: %2: %3.").arg(described, CommsErrorText(e),
                                                                 QString::fromStdString(e.reason())));
        }
    }
    return report;
}

} // namespace lumora
