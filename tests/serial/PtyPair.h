#pragma once
// PtyLine with Qt's byte arrays and strings, for the tests of the Qt
// side of the serial component.

#include "PtyLine.h"

#include <QByteArray>
#include <QString>

namespace lumora::test {

class PtyPair : public PtyLine {
public:
    QString slavePath() const { return QString::fromStdString(PtyLine::slavePath()); }

    bool send(const QByteArray &bytes) const
    {
        return PtyLine::send(reinterpret_cast<const uint8_t *>(bytes.constData()),
                             static_cast<size_t>(bytes.size()));
    }
    QByteArray receive(qsizetype count, int timeoutMs = 5000) const
    {
        const auto got = PtyLine::receive(static_cast<size_t>(count), timeoutMs);
        return QByteArray(reinterpret_cast<const char *>(got.data()), static_cast<qsizetype>(got.size()));
    }
};

} // namespace lumora::test
