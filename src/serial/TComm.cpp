#include "serial/TComm.h"

#include "serial/ECommsError.h"

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
    link_ = std::make_unique<SerialLink>(CommName.toStdString(), line_, timeouts_, mailbox_);
}

void TComm::ClosePort()
{
    link_.reset();
}

bool TComm::WriteBytes(const uint8_t *bytes, uint16_t count)
{
    if (!link_ || count == 0)
        return false;
    link_->queueWrite(bytes, count);
    return true;
}

void TComm::dispatchReports()
{
    // One report at a time: a handler may open a modal box whose event loop
    // comes back here, and the order must hold across that.
    while (auto report = mailbox_.take()) {
        switch (report->kind) {
        case LinkReport::Received:
            if (OnReceiveData)
                OnReceiveData(this, report->bytes.data(),
                              static_cast<uint16_t>(report->bytes.size() - 1));
            break;
        case LinkReport::LineError:
            if (OnReceiveError)
                OnReceiveError(this, report->value);
            break;
        case LinkReport::ModemState:
            if (OnModemStateChange)
                OnModemStateChange(this, report->value);
            break;
        case LinkReport::Hangup:
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
