#include "serial/LineTrace.h"

#include <QMutexLocker>

namespace lumora {

LineTrace &LineTrace::Run()
{
    static LineTrace trace;
    return trace;
}

LineTrace::LineTrace() { clock_.start(); }

bool LineTrace::WriteTo(const QString &fileName, QString *reason)
{
    QMutexLocker lock(&mutex_);
    file_.close();
    file_.setFileName(fileName);
    if (file_.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return true;
    if (reason)
        *reason = file_.errorString();
    return false;
}

void LineTrace::line(const QByteArray &text)
{
    const double ms = static_cast<double>(clock_.nsecsElapsed()) / 1e6;
    const QByteArray whole = QByteArray::number(ms, 'f', 3) + ' ' + text + '\n';
    if (file_.isOpen()) {
        file_.write(whole);
        file_.flush(); // a trace is read after a crash too
    }
    kept_ += whole;
    if (kept_.size() > kKeptBytes) {
        const qsizetype cut = kept_.indexOf('\n', kept_.size() - kKeptBytes - 1);
        kept_.remove(0, cut < 0 ? kept_.size() : cut + 1);
    }
}

void LineTrace::flushSending()
{
    if (sending_.isEmpty())
        return;
    line("> " + sending_.toHex(' '));
    sending_.clear();
}

void LineTrace::Sending(const uint8_t *data, int count)
{
    QMutexLocker lock(&mutex_);
    sending_.append(reinterpret_cast<const char *>(data), count);
}

void LineTrace::EndOfMessage()
{
    QMutexLocker lock(&mutex_);
    flushSending();
}

void LineTrace::Received(const uint8_t *data, int count)
{
    QMutexLocker lock(&mutex_);
    flushSending();
    line("< " + QByteArray(reinterpret_cast<const char *>(data), count).toHex(' '));
}

void LineTrace::Remark(const QString &text)
{
    QMutexLocker lock(&mutex_);
    flushSending();
    line("# " + text.toUtf8());
}

void LineTrace::PortOpened(const QString &port)
{
    QMutexLocker lock(&mutex_);
    flushSending();
    kept_.clear();
    line("# opened " + port.toUtf8());
}

QByteArray LineTrace::LastTransfer() const
{
    QMutexLocker lock(&mutex_);
    return kept_;
}

} // namespace lumora
