#pragma once
// Every message on the line, one per line of text: the milliseconds since
// the program started, '>' for what this program sent and '<' for what it
// received, then the bytes in hex, as the virtual radio writes its own.
// Remarks (a port opened or closed, a line error, a hangup) begin with '#'.
// The whole run goes to a file when one is given (--trace FILE); the last
// transfer stays in memory for a diagnostic report.

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QMutex>
#include <QString>
#include <cstdint>

namespace lumora {

class LineTrace {
public:
    // The one trace of this program.
    static LineTrace &Run();

    // Writes every line from now on to the file as well; false (with the
    // system's reason) when it cannot be created.
    bool WriteTo(const QString &fileName, QString *reason = nullptr);

    // Bytes handed to the port; they make one line when the message ends
    // (or before anything else is traced).
    void Sending(const uint8_t *data, int count);
    void EndOfMessage();
    void Received(const uint8_t *data, int count);
    void Remark(const QString &text);
    // A port opened: the transfer kept in memory starts again.
    void PortOpened(const QString &port);

    // The last transfer's lines, at most kKeptBytes (cut at a line's start).
    QByteArray LastTransfer() const;
    static constexpr int kKeptBytes = 64 * 1024;

private:
    LineTrace();
    void line(const QByteArray &text); // with the mutex held
    void flushSending();               // likewise

    mutable QMutex mutex_;
    QElapsedTimer clock_;
    QFile file_;
    QByteArray sending_;
    QByteArray kept_;
};

} // namespace lumora
