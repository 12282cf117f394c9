#pragma once
// "Unplug the cable, then plug it in again": the port that goes away and
// comes back (or appears, if the cable was out at the start) and then
// stays a moment is the cable's. A port that appears and vanishes again at
// once is said too: something takes the cable from its driver (brltty).

#include "serial/PortList.h"

#include <QElapsedTimer>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <map>
#include <optional>

namespace lumora {

// The watching itself, one look at a time, without a clock.
class CableWatch {
public:
    explicit CableWatch(const QVector<SerialPortEntry> &atStart);
    // The ports as they are now; the cable's port once found.
    std::optional<SerialPortEntry> Look(const QVector<SerialPortEntry> &now);
    // What was seen, a line each: "/dev/ttyUSB0 went away".
    QStringList Seen() const { return seen_; }
    bool SawFlicker() const { return flicker_; }
    // Looks a port must stay to be the cable's (four looks: one second).
    static constexpr int kSteadyLooks = 4;

private:
    QStringList before_;              // the ports at the start
    std::map<QString, int> arriving_; // back or new, and for how many looks
    QStringList gone_;
    QStringList seen_;
    bool flicker_ = false;
};

class CableFinder : public QObject {
    Q_OBJECT
public:
    using Lister = std::function<QVector<SerialPortEntry>()>;
    explicit CableFinder(Lister lister, QObject *parent = nullptr);
    void Start(int limitMs = 60000, int everyMs = 250);
    void Stop();
    bool Running() const { return timer_.isActive(); }
    int SecondsLeft() const;
    // What to say when the time is over, from what was seen.
    static QString GaveUpText(const QStringList &seen);

signals:
    void Saw(const QString &line); // each change, as it is seen
    void Found(const lumora::SerialPortEntry &port);
    void GaveUp(const QStringList &seen, bool sawFlicker); // the time is over

private:
    void look();

    Lister lister_;
    QTimer timer_;
    QElapsedTimer clock_;
    int limitMs_ = 60000;
    std::optional<CableWatch> watch_;
};

} // namespace lumora
