#include "protocol/ConnectionCheck.h"

#include "protocol/Crc16.h"
#include "protocol/FrameSender.h"
#include "protocol/Frames.h"
#include "serial/CommTypes.h"
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
    void EndOfMessage() override { comm_.EndOfMessage(); }

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
        comm_.OnReceiveError = [this](TComm *, uint32_t errors) { lineErrors_ |= errors; };
        comm_.OpenPort();
    }
    ~Exchange()
    {
        comm_.OnReceiveData = nullptr;
        comm_.OnRequestHangup = nullptr;
        comm_.OnReceiveError = nullptr;
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
    const QByteArray &Received() const { return received_; }
    uint32_t LineErrors() const { return lineErrors_; }

private:
    TComm comm_;
    CommSink sink_;
    QEventLoop loop_;
    QByteArray received_;
    std::function<bool()> answered_ = [] { return false; };
    bool gone_ = false;
    uint32_t lineErrors_ = 0;
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

GreetingAnswer GreetRadio(const QString &port, int waitMs)
{
    Exchange line(port);
    FrameBuffer tx{};
    const int count = BuildGreeting(tx);
    GreetingAnswer answer;
    answer.acknowledged = line.Ask(tx, count, waitMs, [](const QByteArray &r) { return r.contains(char(kAck)); });
    answer.received = line.Received().left(64);
    answer.echoed = line.Received().contains(QByteArray(reinterpret_cast<const char *>(tx.data()), count));
    answer.lineErrors = line.LineErrors();
    return answer;
}

bool RadioAnswersGreeting(const QString &port, int waitMs) { return GreetRadio(port, waitMs).acknowledged; }

QString GreetingParagraph(const QString &described, const GreetingAnswer &answer)
{
    QString text;
    if (answer.acknowledged)
        text = PortTexts::tr("%1: opens, and a radio answered.").arg(described);
    else if (answer.echoed)
        text = PortTexts::tr("%1: opens, but it only echoes what LUMORA sends, and no radio answered. The cable "
                             "joins its send and receive lines, as cables for radios with one data wire do: check "
                             "that the radio is switched on and the cable pushed fully into its socket, and that "
                             "the cable is the one made for this radio.")
                       .arg(described);
    else if (!answer.received.isEmpty())
        text = PortTexts::tr("%1: opens, but what answered is not this radio (it sent %2 where this radio sends "
                             "06). The cable may be wired for another radio, or the radio is another model: use the "
                             "cable made for this radio.")
                       .arg(described, QString::fromLatin1(answer.received.left(16).toHex(' ')));
    else
        text = PortTexts::tr("%1: opens, but no radio answered. Check that the radio is switched on and the cable "
                             "is pushed fully into its socket.")
                       .arg(described);
    if (answer.lineErrors & (CE_FRAME | CE_RXPARITY | CE_BREAK))
        text += PortTexts::tr(" The line had framing or parity errors: what came was sent at another speed than "
                              "9600 baud (another radio model, or another program's setting), or the cable is bad "
                              "or loose.");
    return text;
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
    return CheckConnections(ports, GatherSystemFacts());
}

ConnectionReport CheckConnections(const QVector<SerialPortEntry> &ports, const SystemFacts &facts)
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
            const GreetingAnswer answer = GreetRadio(port);
            QString text = GreetingParagraph(described, answer);
            if (const QString maker = answer.acknowledged ? QString() : PseudoTerminalMaker(port); !maker.isEmpty())
                text += PortTexts::tr(" It is a pseudo-terminal that %1 made: it lasts only while that program "
                                      "runs.")
                                .arg(maker);
            report.radioAnswered = report.radioAnswered || answer.acknowledged;
            found(answer.acknowledged ? "radio answered" : answer.received.isEmpty() ? "no answer" : "other answer",
                  text, answer.acknowledged);
        } catch (const ECommsError &e) {
            found("failed", QStringLiteral("%1: %2: %3.").arg(described, CommsErrorText(e),
                                                                 QString::fromStdString(e.reason())));
        }
    }
    report.findings = CableTraps(facts);
    for (const CableFinding &finding : report.findings)
        report.paragraphs << finding.text;
    return report;
}

} // namespace lumora
