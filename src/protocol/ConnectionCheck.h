#pragma once
// "Check connection": for each port, whether it opens and, if it does,
// whether a radio answers the greeting. The same report in the window and
// from lumora-cli doctor.

#include "memory/AssignedBytes.h"
#include "protocol/Frames.h"
#include "serial/CableTraps.h"
#include "serial/PortList.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <vector>

namespace lumora {

// Sends the greeting as a read begins it (resent every 300 ms) and waits
// up to waitMs for the radio's 0x06. The port is closed again after.
// Throws ECommsError when the port does not open.
bool RadioAnswersGreeting(const QString &port, int waitMs = 1000);

// What came back to the greeting, for a paragraph that says why no radio
// answered as this radio does.
struct GreetingAnswer {
    bool acknowledged = false; // the radio's 0x06
    QByteArray received;       // everything that came (at most the first 64 bytes)
    bool echoed = false;       // the greeting itself came back
    uint32_t lineErrors = 0;   // framing, parity, overrun, break (CE_ flags) met
};
GreetingAnswer GreetRadio(const QString &port, int waitMs = 1000);
// "/dev/ttyUSB0 (CH340): opens, and a radio answered." and its kin.
QString GreetingParagraph(const QString &described, const GreetingAnswer &answer);

// What a radio on the port holds in the blocks asked for, read as a read
// begins it (the greeting, then a request per block, each resent every
// 300 ms, up to waitMs each). Empty when nothing answered the greeting; a
// block it did not give is missing from a shorter list. Nothing is written.
// Throws ECommsError when the port does not open.
struct BlockAddress {
    BlockType type;
    uint8_t index;
};
std::vector<Payload> ReadRadioBlocks(const QString &port, const std::vector<BlockAddress> &blocks, int waitMs = 1000);

struct ConnectionReport {
    QStringList paragraphs; // one per port
    // Each port's finding: "missing", "permission denied", "busy",
    // "failed", "no answer", "other answer" or "radio answered".
    struct Port {
        QString name, description, state;
        bool radioAnswered = false;
        QString text; // its paragraph
    };
    QVector<Port> ports;
    QVector<CableFinding> findings; // the known traps met, after the ports' paragraphs
    bool radioAnswered = false;
    QString text() const { return paragraphs.join(QStringLiteral("\n\n")); }
};
// Each port in the order given, named with its description where it has one.
// The system's facts are this machine's unless given.
ConnectionReport CheckConnections(const QVector<SerialPortEntry> &ports);
ConnectionReport CheckConnections(const QVector<SerialPortEntry> &ports, const SystemFacts &facts);

} // namespace lumora
