#pragma once
// Whether a serial device can be opened, and if not why, in the words of
// a radio user rather than of the system: missing, permission denied
// (with the group and the command that helps), busy (with the programs
// that hold it). Plain POSIX below Qt Core's strings.

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace lumora {

class ECommsError;

// The context the port's paragraphs are translated in.
struct PortTexts {
    Q_DECLARE_TR_FUNCTIONS(PortTexts)
};

// The serial component's fixed message (it is plain C++, in English) in
// the user's language.
QString CommsErrorText(const ECommsError &error);

struct PortAccess {
    enum Kind { Opens, Missing, PermissionDenied, Busy, Failed } kind = Failed;
    QString explanation; // one paragraph; empty when the port opens and nobody else holds it
};

PortAccess CheckPortAccess(const QString &device);

// The programs other than this one that have the device open, as
// "ModemManager (process 812)"; those of other users may not be seen.
QStringList ProgramsHolding(const QString &device);

// POSIX: the device a path names, links followed (the path itself when
// it names nothing); and a process as "socat (process 901)", as the
// proc folder (/proc, or a test's stand-in) shows it.
QString CanonicalDevice(const QString &path);
QString ProgramOfProcess(const QString &procFolder, const QString &pid);

// The paragraphs themselves, from the facts found.
struct GroupFacts {
    QString group;       // the device's group
    QString user;        // who runs this program
    bool member = false; // in the group's member list (or its primary group)
    bool effective = false; // ... and this login already has it
    bool groupMayUse = false; // the device's mode lets its group read and write
};
QString PermissionDeniedText(const QString &device, const GroupFacts &facts);
QString BusyText(const QString &device, const QStringList &holders);
QString MissingText(const QString &device);

} // namespace lumora
