#pragma once
// The serial port component. Lives on the user-interface thread; every
// event is raised there, once per report, in the order the port made them.
// Line properties store a new value only if it differs, and an open port
// takes the changed settings at once.

#include "serial/CommTypes.h"
#include "serial/LinkMailbox.h"
#include "serial/SerialLink.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>


namespace lumora {

class TComm : public QObject {
    Q_OBJECT
public:
    using TReceiveDataEvent = std::function<void(TComm *Sender, const uint8_t *Buffer, uint16_t BufferLength)>;
    using TReceiveErrorEvent = std::function<void(TComm *Sender, uint32_t EventMask)>;
    using TModemStateChangeEvent = std::function<void(TComm *Sender, uint32_t ModemEvent)>;
    using TNotifyEvent = std::function<void(TComm *Sender)>;

    explicit TComm(QObject *parent = nullptr);
    ~TComm() override; // closes an open port: no thread outlives the component

    void OpenPort();  // throws ECommsError
    void ClosePort(); // nothing on a closed port
    bool WriteBytes(const uint8_t *bytes, uint16_t count);
    // The bytes written since the last call were one message (for the trace).
    void EndOfMessage();
    bool IsOpen() const { return link_ != nullptr; }
    bool SendDataEmpty() const { return !link_ || link_->sendEmpty(); }

    QString CommName = QStringLiteral("COM2"); // read when the port opens

    TReceiveDataEvent OnReceiveData;
    TReceiveErrorEvent OnReceiveError;
    TModemStateChangeEvent OnModemStateChange; // carrier and ring, where the port reports them
    TNotifyEvent OnRequestHangup;
    TNotifyEvent OnSendDataEmpty;

#define LUMORA_COMM_PROPERTY(Type, Name, group, apply)                                           \
    Type Name() const { return group.Name; }                                                     \
    void set##Name(Type value)                                                                   \
    {                                                                                            \
        if (group.Name == value)                                                                 \
            return;                                                                              \
        group.Name = value;                                                                      \
        if (link_)                                                                               \
            link_->apply(group);                                                                 \
    }
#define LUMORA_LINE(Type, Name) LUMORA_COMM_PROPERTY(Type, Name, line_, applyLineSettings)
#define LUMORA_TIMEOUT(Name) LUMORA_COMM_PROPERTY(uint32_t, Name, timeouts_, applyTimeouts)
    LUMORA_LINE(uint32_t, BaudRate)
    LUMORA_LINE(bool, ParityCheck)
    LUMORA_LINE(bool, Outx_CtsFlow)
    LUMORA_LINE(bool, Outx_DsrFlow)
    LUMORA_LINE(TDtrControl, DtrControl)
    LUMORA_LINE(bool, DsrSensitivity)
    LUMORA_LINE(bool, TxContinueOnXoff)
    LUMORA_LINE(bool, Outx_XonXoffFlow)
    LUMORA_LINE(bool, Inx_XonXoffFlow)
    LUMORA_LINE(bool, ReplaceWhenParityError)
    LUMORA_LINE(bool, IgnoreNullChar)
    LUMORA_LINE(TRtsControl, RtsControl)
    LUMORA_LINE(uint16_t, XonLimit)
    LUMORA_LINE(uint16_t, XoffLimit)
    LUMORA_LINE(TByteSize, ByteSize)
    LUMORA_LINE(TParity, Parity)
    LUMORA_LINE(TStopBits, StopBits)
    LUMORA_LINE(char, XonChar)
    LUMORA_LINE(char, XoffChar)
    LUMORA_LINE(char, ReplacedChar)
    LUMORA_TIMEOUT(ReadIntervalTimeout)
    LUMORA_TIMEOUT(ReadTotalTimeoutMultiplier)
    LUMORA_TIMEOUT(ReadTotalTimeoutConstant)
    LUMORA_TIMEOUT(WriteTotalTimeoutMultiplier)
    LUMORA_TIMEOUT(WriteTotalTimeoutConstant)
#undef LUMORA_TIMEOUT
#undef LUMORA_LINE
#undef LUMORA_COMM_PROPERTY

private:
    void dispatchReports();

    LineSettings line_;
    CommTimeouts timeouts_;
    LinkMailbox mailbox_;
    std::unique_ptr<SerialLink> link_;
};

} // namespace lumora
