// The Win32 backend: the port opened for overlapped input and output, a
// reader thread that always keeps a 2048-byte read pending (the driver's
// read interval timeout cuts the chunks) beside a wait for comm events,
// and a writer thread that sends queued blocks with overlapped writes.

#include "serial/SerialLink.h"

#include "serial/ECommsError.h"
#include "serial/LinkState.h"

#include <atomic>
#include <windows.h>

namespace lumora {

namespace {

constexpr DWORD kReadSize = 2048;
constexpr DWORD kQueueSize = 4096;
constexpr DWORD kWatchedEvents = EV_RLSD | EV_ERR | EV_RING;
constexpr DWORD kStopWaitMs = 10000;  // how long ClosePort waits for a thread
constexpr DWORD kSettleWaitMs = 1000; // for an aborted call to complete

std::string systemReason(DWORD error)
{
    char *text = nullptr;
    const DWORD n = ::FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM
                                         | FORMAT_MESSAGE_IGNORE_INSERTS,
                                     nullptr, error, 0, reinterpret_cast<char *>(&text), 0, nullptr);
    std::string reason = n && text ? std::string(text, n) : "error " + std::to_string(error);
    ::LocalFree(text);
    while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r' || reason.back() == ' '))
        reason.pop_back();
    return reason;
}

bool isComName(const std::string &name)
{
    if (name.size() < 4 || (name[0] | 0x20) != 'c' || (name[1] | 0x20) != 'o' || (name[2] | 0x20) != 'm')
        return false;
    for (size_t i = 3; i < name.size(); ++i)
        if (name[i] < '0' || name[i] > '9')
            return false;
    return true;
}

// An overlapped record with its own manual-reset event, kept on the heap
// with the link so that a call completing late never writes to a stack
// that is gone.
struct Overlapped {
    OVERLAPPED record{};
    bool pending = false;

    bool create()
    {
        record.hEvent = ::CreateEventW(nullptr, TRUE, TRUE, nullptr);
        return record.hEvent != nullptr;
    }
    // Lets a call that the close aborted finish before its record is
    // dropped. Some drivers (Wine's) do not abort a pending read on a
    // purge: cancelling it does.
    void settle(HANDLE port)
    {
        if (pending && ::WaitForSingleObject(record.hEvent, 0) != WAIT_OBJECT_0) {
            ::CancelIoEx(port, &record);
            ::WaitForSingleObject(record.hEvent, kSettleWaitMs);
        }
        pending = false;
    }
    void release()
    {
        if (record.hEvent)
            ::CloseHandle(record.hEvent);
        record.hEvent = nullptr;
    }
};

} // namespace

struct SerialLink::Backend {
    Backend(HANDLE port, ILinkListener &listener) : port(port), state(listener) {}

    static DWORD WINAPI readerEntry(void *self);
    static DWORD WINAPI writerEntry(void *self);
    void readerLoop();
    bool startRead();
    bool finishRead();
    bool startEventWait();
    bool handleEvents(DWORD mask);
    bool deliver(DWORD count);
    bool sendBlock(const LinkState::Block &block);
    void stopThread(HANDLE &thread);

    HANDLE port;
    LinkState state;
    HANDLE reader = nullptr;
    HANDLE writer = nullptr;
    // Set from the user-interface thread, read by the reader.
    std::atomic<bool> emptyReadsExpected{false};

    Overlapped readCall;
    Overlapped eventCall;
    Overlapped writeCall;
    uint8_t buffer[kReadSize];
    DWORD eventMask = 0;
};

std::string SerialLink::devicePath(const std::string &commName)
{
    return isComName(commName) ? "\\\\.\\" + commName : commName;
}

SerialLink::SerialLink(const std::string &commName, const LineSettings &line,
                       const CommTimeouts &timeouts, ILinkListener &listener)
{
    const HANDLE port = ::CreateFileA(devicePath(commName).c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                      nullptr, OPEN_EXISTING,
                                      FILE_FLAG_OVERLAPPED | FILE_ATTRIBUTE_NORMAL, nullptr);
    if (port == INVALID_HANDLE_VALUE)
        throw ECommsError("Error opening serial port", systemReason(::GetLastError()));
    auto fail = [this, port](const std::string &text, std::string reason) {
        backend_.reset();
        ::CloseHandle(port);
        throw ECommsError(text, std::move(reason));
    };
    if (::GetFileType(port) != FILE_TYPE_CHAR)
        fail("File handle is not a comm handle ", {});
    if (!::SetupComm(port, kQueueSize, kQueueSize))
        fail("Cannot setup comm buffer", systemReason(::GetLastError()));
    ::PurgeComm(port, PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR);
    try {
        backend_ = std::make_unique<Backend>(port, listener);
    } catch (const std::exception &e) {
        fail("Unable to create event", e.what());
    }
    applyTimeouts(timeouts);
    try {
        applyLineSettings(line);
    } catch (const ECommsError &e) {
        fail(e.text(), e.reason());
    }
    Backend &b = *backend_;
    b.reader = ::CreateThread(nullptr, 0, &Backend::readerEntry, &b, CREATE_SUSPENDED, nullptr);
    if (!b.reader)
        fail("Unable to create read thread", systemReason(::GetLastError()));
    ::SetThreadPriority(b.reader, THREAD_PRIORITY_HIGHEST);
    b.writer = ::CreateThread(nullptr, 0, &Backend::writerEntry, &b, CREATE_SUSPENDED, nullptr);
    if (!b.writer) {
        const DWORD error = ::GetLastError();
        b.state.beginClosing();
        ::ResumeThread(b.reader); // it sees the close signal and ends
        b.stopThread(b.reader);
        fail("Unable to create write thread", systemReason(error));
    }
    ::SetThreadPriority(b.writer, THREAD_PRIORITY_ABOVE_NORMAL);
    ::ResumeThread(b.reader);
    ::ResumeThread(b.writer);
}

SerialLink::~SerialLink()
{
    Backend &b = *backend_;
    b.state.beginClosing();
    ::SetCommMask(b.port, 0); // completes a pending comm-event wait
    ::PurgeComm(b.port, PURGE_RXABORT | PURGE_RXCLEAR);
    b.stopThread(b.reader);
    ::PurgeComm(b.port, PURGE_TXABORT | PURGE_TXCLEAR);
    b.stopThread(b.writer);
    ::CloseHandle(b.port);
    backend_.reset();
}

void SerialLink::Backend::stopThread(HANDLE &thread)
{
    if (::WaitForSingleObject(thread, kStopWaitMs) == WAIT_TIMEOUT) {
        // Not killed: a thread ended in the middle of a report could hold
        // the mailbox's lock for good. Aborting its calls lets it finish.
        ::CancelIoEx(port, nullptr);
        ::WaitForSingleObject(thread, INFINITE);
    }
    ::CloseHandle(thread);
    thread = nullptr;
}

bool SerialLink::sendEmpty() const { return backend_->state.sendEmpty(); }

void SerialLink::queueWrite(const uint8_t *data, size_t count) { backend_->state.queueWrite(data, count); }

void SerialLink::applyTimeouts(const CommTimeouts &t)
{
    COMMTIMEOUTS c{};
    ::GetCommTimeouts(backend_->port, &c);
    c.ReadIntervalTimeout = t.ReadIntervalTimeout;
    c.ReadTotalTimeoutMultiplier = t.ReadTotalTimeoutMultiplier;
    c.ReadTotalTimeoutConstant = t.ReadTotalTimeoutConstant;
    c.WriteTotalTimeoutMultiplier = t.WriteTotalTimeoutMultiplier;
    c.WriteTotalTimeoutConstant = t.WriteTotalTimeoutConstant;
    ::SetCommTimeouts(backend_->port, &c);
    // With only an interval timeout a read ends only after a byte: one that
    // ends empty means the port is gone. With a total timeout it is a pause.
    backend_->emptyReadsExpected = c.ReadTotalTimeoutConstant != 0 || c.ReadTotalTimeoutMultiplier != 0
                                   || c.ReadIntervalTimeout == MAXDWORD;
}

void SerialLink::applyLineSettings(const LineSettings &line)
{
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    if (!::GetCommState(backend_->port, &dcb))
        throw ECommsError("Error opening serial port", systemReason(::GetLastError()));
    static const DWORD dtr[] = {DTR_CONTROL_ENABLE, DTR_CONTROL_DISABLE, DTR_CONTROL_HANDSHAKE};
    static const DWORD rts[] = {RTS_CONTROL_ENABLE, RTS_CONTROL_DISABLE, RTS_CONTROL_HANDSHAKE,
                                RTS_CONTROL_TOGGLE};
    dcb.BaudRate = line.BaudRate;
    // The flag word is rebuilt from the properties alone.
    dcb.fBinary = TRUE;
    dcb.fParity = line.ParityCheck;
    dcb.fOutxCtsFlow = line.Outx_CtsFlow;
    dcb.fOutxDsrFlow = line.Outx_DsrFlow;
    dcb.fDtrControl = dtr[static_cast<int>(line.DtrControl)];
    dcb.fDsrSensitivity = line.DsrSensitivity;
    dcb.fTXContinueOnXoff = line.TxContinueOnXoff;
    dcb.fOutX = line.Outx_XonXoffFlow;
    dcb.fInX = line.Inx_XonXoffFlow;
    dcb.fErrorChar = line.ReplaceWhenParityError;
    dcb.fNull = line.IgnoreNullChar;
    dcb.fRtsControl = rts[static_cast<int>(line.RtsControl)];
    dcb.fAbortOnError = FALSE;
    dcb.fDummy2 = 0;
    dcb.XonLim = line.XonLimit;
    dcb.XoffLim = line.XoffLimit;
    dcb.ByteSize = static_cast<BYTE>(static_cast<int>(line.ByteSize) + 5);
    dcb.Parity = static_cast<BYTE>(line.Parity);
    dcb.StopBits = static_cast<BYTE>(line.StopBits);
    dcb.XonChar = line.XonChar;
    dcb.XoffChar = line.XoffChar;
    dcb.ErrorChar = line.ReplacedChar;
    if (!::SetCommState(backend_->port, &dcb))
        throw ECommsError("Error opening serial port", systemReason(::GetLastError()));
}

DWORD WINAPI SerialLink::Backend::readerEntry(void *self)
{
    static_cast<Backend *>(self)->readerLoop();
    return 0;
}

DWORD WINAPI SerialLink::Backend::writerEntry(void *self)
{
    auto &b = *static_cast<Backend *>(self);
    if (!b.writeCall.create()) {
        b.state.reportHangup();
        return 0;
    }
    b.state.runWriter([&b](const LinkState::Block &block) { return b.sendBlock(block); });
    b.writeCall.settle(b.port);
    ::PurgeComm(b.port, PURGE_TXABORT | PURGE_TXCLEAR);
    b.writeCall.release();
    return 0;
}

void SerialLink::Backend::readerLoop()
{
    if (!readCall.create() || !eventCall.create() || !::SetCommMask(port, kWatchedEvents)) {
        state.reportHangup();
        readCall.release();
        eventCall.release();
        return;
    }
    // Some drivers (Wine's among them) refuse comm-event waits: the port is
    // then read without comm events rather than not at all.
    bool watching = startEventWait();
    bool reading = startRead();
    while (reading) {
        HANDLE waits[3] = {state.closeSignal.native(), readCall.record.hEvent, eventCall.record.hEvent};
        const DWORD r = ::WaitForMultipleObjects(watching ? 3 : 2, waits, FALSE, INFINITE);
        if (r == WAIT_OBJECT_0)
            break;
        if (r == WAIT_OBJECT_0 + 1) {
            reading = finishRead() && startRead();
        } else if (r == WAIT_OBJECT_0 + 2) {
            DWORD unused = 0;
            eventCall.pending = false;
            watching = ::GetOverlappedResult(port, &eventCall.record, &unused, FALSE)
                       && handleEvents(eventMask) && startEventWait();
        } else {
            state.reportHangup();
            break;
        }
    }
    ::SetCommMask(port, 0);
    ::PurgeComm(port, PURGE_RXABORT | PURGE_RXCLEAR);
    readCall.settle(port);
    eventCall.settle(port);
    readCall.release();
    eventCall.release();
}

// Keeps one read pending; reads that complete at once are delivered here.
bool SerialLink::Backend::startRead()
{
    while (!state.closing()) {
        DWORD got = 0;
        readCall.pending = true;
        if (::ReadFile(port, buffer, kReadSize, &got, &readCall.record)) {
            readCall.pending = false;
            if (!deliver(got))
                return false;
            continue;
        }
        if (::GetLastError() == ERROR_IO_PENDING)
            return true;
        readCall.pending = false;
        state.reportHangup(); // not reported while the port is closing
        return false;
    }
    return false;
}

bool SerialLink::Backend::finishRead()
{
    DWORD got = 0;
    readCall.pending = false;
    if (!::GetOverlappedResult(port, &readCall.record, &got, FALSE)) {
        // Wine ends a pending read with ERROR_TIMEOUT now and then, though
        // no total timeout is set: what it read is good, and reading goes on.
        if (::GetLastError() == ERROR_TIMEOUT)
            return got == 0 || deliver(got);
        state.reportHangup(); // 109: the line hung up
        return false;
    }
    return deliver(got);
}

bool SerialLink::Backend::deliver(DWORD count)
{
    if (count == 0) {
        if (emptyReadsExpected)
            return true;
        state.reportHangup();
        return false;
    }
    state.listener.linkReceived(std::vector<uint8_t>(buffer, buffer + count));
    return true;
}

bool SerialLink::Backend::startEventWait()
{
    while (!state.closing()) {
        eventMask = 0;
        eventCall.pending = true;
        if (::WaitCommEvent(port, &eventMask, &eventCall.record)) {
            eventCall.pending = false;
            if (!handleEvents(eventMask))
                return false;
            continue;
        }
        if (::GetLastError() == ERROR_IO_PENDING)
            return true;
        eventCall.pending = false;
        return false;
    }
    return false;
}

// A wait that ends with none of the watched events set is what clearing
// the mask gives: the events are no longer watched.
bool SerialLink::Backend::handleEvents(DWORD mask)
{
    if (mask & EV_ERR) {
        DWORD errors = 0;
        if (!::ClearCommError(port, &errors, nullptr))
            return false;
        state.listener.linkLineError(errors);
    }
    if (mask & (EV_RLSD | EV_RING))
        state.listener.linkModemState(((mask & EV_RLSD) ? MS_RLSD : 0) | ((mask & EV_RING) ? MS_RING : 0));
    return (mask & kWatchedEvents) != 0;
}

bool SerialLink::Backend::sendBlock(const LinkState::Block &block)
{
    size_t done = 0;
    while (done < block.size()) {
        DWORD wrote = 0;
        const DWORD asked = static_cast<DWORD>(block.size() - done);
        writeCall.pending = true;
        if (!::WriteFile(port, block.data() + done, asked, &wrote, &writeCall.record)) {
            if (::GetLastError() != ERROR_IO_PENDING) {
                writeCall.pending = false;
                state.reportHangup();
                return false;
            }
            HANDLE waits[2] = {state.closeSignal.native(), writeCall.record.hEvent};
            const DWORD r = ::WaitForMultipleObjects(2, waits, FALSE, INFINITE);
            if (r == WAIT_OBJECT_0)
                return false; // closing: the purge aborts the write, settled on the way out
            if (r != WAIT_OBJECT_0 + 1) {
                state.reportHangup();
                return false;
            }
            if (!::GetOverlappedResult(port, &writeCall.record, &wrote, TRUE)) {
                writeCall.pending = false;
                state.reportHangup();
                return false;
            }
        }
        writeCall.pending = false;
        done += wrote;
    }
    return true;
}

} // namespace lumora
