#include "protocol/ConnectionCheck.h"

#include "protocol/FrameSender.h"
#include "protocol/Frames.h"
#include "serial/ECommsError.h"
#include "serial/PortAccess.h"
#include "serial/TComm.h"

#include <QEventLoop>
#include <QTimer>

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

} // namespace

bool RadioAnswersGreeting(const QString &port, int waitMs)
{
    TComm comm; // the main window's line settings
    comm.CommName = port;
    comm.setOutx_XonXoffFlow(false);
    comm.setInx_XonXoffFlow(false);
    comm.setReadIntervalTimeout(20);
    QEventLoop loop;
    bool answered = false;
    comm.OnReceiveData = [&](TComm *, const uint8_t *data, uint16_t length) {
        if (length > 0 && data[0] == kAck) {
            answered = true;
            loop.quit();
        }
    };
    comm.OnRequestHangup = [&](TComm *) { loop.quit(); };
    comm.OpenPort();
    CommSink sink(comm);
    FrameBuffer tx{};
    SendData(sink, tx, BuildGreeting(tx));
    QTimer resend;
    QObject::connect(&resend, &QTimer::timeout, &loop, [&] { Tim1Timer(sink, tx); });
    resend.start(kRetransmitIntervalMs);
    QTimer::singleShot(waitMs, &loop, &QEventLoop::quit);
    loop.exec();
    comm.OnReceiveData = nullptr;
    comm.OnRequestHangup = nullptr;
    comm.ClosePort();
    return answered;
}

ConnectionReport CheckConnections(const QVector<SerialPortEntry> &ports)
{
    ConnectionReport report;
    if (ports.isEmpty())
        report.paragraphs << QStringLiteral("No serial port was found. Plug the programming cable in; a USB "
                                            "cable shows up as /dev/ttyUSB0 or /dev/ttyACM0.");
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
                found("radio answered", QStringLiteral("%1: opens, and a radio answered.").arg(described), true);
            } else {
                found("no answer", QStringLiteral("%1: opens, but no radio answered. Check that the radio is "
                                                  "switched on and the cable is pushed fully into its socket.")
                                           .arg(described));
            }
        } catch (const ECommsError &e) {
            found("failed", QStringLiteral("%1: %2: %3.").arg(described, QString::fromStdString(e.text()),
                                                                 QString::fromStdString(e.reason())));
        }
    }
    return report;
}

} // namespace lumora
