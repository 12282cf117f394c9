#pragma once
// The known ways a programming cable fails before the radio is reached,
// each named with its cure: brltty taking CH340 cables, ModemManager
// probing new ports, a pseudo-terminal that lasts only while its program
// runs (Linux); a counterfeit PL2303 refused by Prolific's driver, a CH340
// or CP210x with no driver (Windows). The facts come from the system
// through GatherSystemFacts; the findings are a pure function of them.

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QVector>

namespace lumora {

// A cable chip seen on the USB bus.
struct UsbSerialDevice {
    int vendorId = -1, productId = -1;
    QString product; // what the device calls itself (Windows: the name Device Manager shows)
    QString port;    // its port (/dev/ttyUSB0, COM3); empty when it has none
    QString driver;  // the driver that has it (ch341, usbfs; Windows: its service); empty: none
    int problemCode = 0; // Windows' device problem: 10 cannot start, 28 no driver
};

struct SystemFacts {
    bool windows = false;
    QVector<UsbSerialDevice> devices; // the known cable chips plugged in
    QStringList programs;             // brltty, ModemManager: those running
    bool brlttyTakesCh340 = false;    // brltty's udev rule lists 1a86:7523
    QStringList modemManagerLeaves;   // ports udev tells ModemManager to leave alone
    bool cableRuleInstalled = false;  // LUMORA's udev rule, which keeps ModemManager away
    QStringList serialPorts;          // every port the system lists
};

struct CableFinding {
    QString trap; // "brltty", "modemmanager", "counterfeit pl2303", "no driver"
    QString text; // what happens and what helps, in the user's words
};

// The chip of a known cable ("CH340", "PL2303", "CP210x", "FT232"), or empty.
QString CableChipName(int vendorId, int productId);

QVector<CableFinding> CableTraps(const SystemFacts &facts);

// The facts of this machine. root: where the system's folders are found
// (the real root when empty; a folder of stand-ins in tests).
SystemFacts GatherSystemFacts(const QString &root = QString());

// The driver the system gave the port ("ch341-uart", "cdc_acm"; Windows:
// its service), "pseudo-terminal" for one, or empty. root as above.
QString PortDriver(const QString &port, const QString &root = QString());

// A port that is a pseudo-terminal lasts only while the program that made
// it runs: that program ("socat (process 812)"), or empty. root as above.
QString PseudoTerminalMaker(const QString &device, const QString &root = QString());

} // namespace lumora
