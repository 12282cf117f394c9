#pragma once
// "Check connection": for each port, whether it opens and, if it does,
// whether a radio answers the greeting. The same report in the window and
// from lumora-cli doctor.

#include <QString>
#include <QStringList>

namespace lumora {

// Sends the greeting as a read begins it (resent every 300 ms) and waits
// up to waitMs for the radio's 0x06. The port is closed again after.
// Throws ECommsError when the port does not open.
bool RadioAnswersGreeting(const QString &port, int waitMs = 1000);

struct ConnectionReport {
    QStringList paragraphs; // one per port
    bool radioAnswered = false;
    QString text() const { return paragraphs.join(QStringLiteral("\n\n")); }
};
// descriptions: what the system says each port is (may be shorter).
ConnectionReport CheckConnections(const QStringList &ports, const QStringList &descriptions = {});

} // namespace lumora
