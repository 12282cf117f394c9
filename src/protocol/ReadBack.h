#pragma once
// The read-back that settles a write whose answers leave it in doubt: an
// acknowledgement names no block, so after a frame went out again (or two
// answers came at once) the count may have run ahead of what the radio
// stored. What the write sent, why it is read back, and which blocks the
// radio then holds otherwise; the main window and the signalling windows
// each keep one.

#include "memory/AssignedBytes.h"

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace lumora {

class ReadBack {
public:
    // sent: every block as the write sent it, in the area's order.
    void Start(std::vector<Payload> sent, QString why)
    {
        sent_ = std::move(sent);
        why_ = std::move(why);
    }
    const std::vector<Payload> &Sent() const { return sent_; }
    const QString &Why() const { return why_; } // the sentence a failure gives for reading back
    // The numbers of the blocks the radio holds otherwise than sent: every
    // byte counts. A block the read did not bring counts as differing.
    QStringList BlocksNotAsSent(const std::vector<Payload> &read) const
    {
        QStringList blocks;
        for (size_t b = 0; b < sent_.size(); ++b)
            if (b >= read.size() || read[b] != sent_[b])
                blocks << QString::number(b);
        return blocks;
    }

private:
    std::vector<Payload> sent_;
    QString why_;
};

} // namespace lumora
