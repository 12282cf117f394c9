#include "serial/TComm.h"

#include "serial/ECommsError.h"
#include "serial/LineTrace.h"

#ifdef Q_OS_WIN
#include <QWinEventNotifier>
#else
#include <QSocketNotifier>
#endif

namespace lumora {

TComm::TComm(QObject *parent) : QObject(parent)
{
    // The event loop watches the mailbox's wake signal: the worker threads
    // never call Qt, and the reports arrive on this object's thread.
#ifdef Q_OS_WIN
    auto *notifier = new QWinEventNotifier(mailbox_.signal().native(), this);
    connect(notifier, &QWinEventNotifier::activated, this, &TComm::dispatchReports);
#else
    auto *notifier = new QSocketNotifier(mailbox_.signal().native(), QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &TComm::dispatchReports);
#endif
}

TComm::~TComm() { ClosePort(); }

void TComm::OpenPort()
{
    if (link_)
        throw ECommsError("This serial port already opened");
    try {
        link_ = std::make_unique<SerialLink>(CommName.toStdString(), line_, timeouts_, mailbox_);
    } catch (const ECommsError &e) {
        LineTrace::Run().Remark(QStringLiteral("cannot open %1: %2: %3")
                                        .arg(CommName, QString::fromStdString(e.text()), QString::fromStdString(e.reason())));
        throw;
    }
    LineTrace::Run().PortOpened(CommName);
}

void TComm::ClosePort()
{
    if (!link_)
        return;
    link_.reset();
    LineTrace::Run().Remark(QStringLiteral("closed ") + CommName);
}

bool TComm::WriteBytes(const uint8_t *bytes, uint16_t count)
{
    if (!link_ || count == 0)
        return false;
    link_->queueWrite(bytes, count);
    LineTrace::Run().Sending(bytes, count);
    return true;
}

void TComm::EndOfMessage() { LineTrace::Run().EndOfMessage(); }

namespace {

QString lineErrorWords(uint32_t mask)
{
    QStringList words;
    for (const auto &[flag, word] : {std::pair<uint32_t, const char *>{CE_FRAME, "framing"},
                                     {CE_RXPARITY, "parity"}, {CE_OVERRUN, "overrun"}, {CE_BREAK, "break"}})
        if (mask & flag)
            words << QLatin1String(word);
    return words.isEmpty() ? QStringLiteral("0x%1").arg(mask, 0, 16) : words.join(QStringLiteral(", "));
}

} // namespace

void TComm::dispatchReports()
{
    // One report at a time: a handler may open a modal box whose event loop
    // comes back here, and the order must hold across that.
    while (auto report = mailbox_.take()) {
        switch (report->kind) {
        case LinkReport::Received:
            LineTrace::Run().Received(report->bytes.data(), static_cast<int>(report->bytes.size() - 1));
            if (OnReceiveData)
                OnReceiveData(this, report->bytes.data(),
                              static_cast<uint16_t>(report->bytes.size() - 1));
            break;
        case LinkReport::LineError:
            LineTrace::Run().Remark(QStringLiteral("line error: ") + lineErrorWords(report->value));
            if (OnReceiveError)
                OnReceiveError(this, report->value);
            break;
        case LinkReport::ModemState:
            if (OnModemStateChange)
                OnModemStateChange(this, report->value);
            break;
        case LinkReport::Hangup:
            LineTrace::Run().Remark(QStringLiteral("the line hung up"));
            if (OnRequestHangup)
                OnRequestHangup(this);
            break;
        case LinkReport::SendEmpty:
            if (OnSendDataEmpty)
                OnSendDataEmpty(this);
            break;
        }
    }
}

} // namespace lumora
