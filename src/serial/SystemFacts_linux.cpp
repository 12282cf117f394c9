#include "serial/CableTraps.h"

#include "serial/PortAccess.h"

// The facts as Linux shows them: the USB devices in sysfs, the running
// programs in /proc, udev's database and rules. Every path is read below
// root, so that a test can stand a folder in for the system.

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace lumora {

namespace {

QString below(const QString &root, const QString &path) { return root.isEmpty() ? path : root + path; }

QString firstLine(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readLine()).trimmed() : QString();
}

QByteArray whole(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The tty an interface of a USB device made: ttyUSB0 in the interface's
// folder, or tty/ttyACM0 below it.
QString ttyOf(const QDir &iface)
{
    for (const QString &name : iface.entryList({QStringLiteral("tty*")}, QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (name != QLatin1String("tty"))
            return name;
        const QStringList inner = QDir(iface.filePath(name)).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        if (!inner.isEmpty())
            return inner.first();
    }
    return QString();
}

QVector<UsbSerialDevice> usbCableChips(const QString &root)
{
    QVector<UsbSerialDevice> devices;
    const QDir bus(below(root, QStringLiteral("/sys/bus/usb/devices")));
    for (const QFileInfo &entry : bus.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QDir device(entry.absoluteFilePath());
        bool ok1 = false, ok2 = false;
        UsbSerialDevice d;
        d.vendorId = firstLine(device.filePath(QStringLiteral("idVendor"))).toInt(&ok1, 16);
        d.productId = firstLine(device.filePath(QStringLiteral("idProduct"))).toInt(&ok2, 16);
        if (!ok1 || !ok2 || CableChipName(d.vendorId, d.productId).isEmpty())
            continue;
        d.product = firstLine(device.filePath(QStringLiteral("product")));
        // Its interfaces: "1-2:1.0" for the device "1-2".
        for (const QString &name : device.entryList({entry.fileName() + QStringLiteral(":*")}, QDir::Dirs)) {
            const QDir iface(device.filePath(name));
            const QString driver = QFileInfo(QFile::symLinkTarget(iface.filePath(QStringLiteral("driver")))).fileName();
            if (d.driver.isEmpty())
                d.driver = driver;
            const QString tty = ttyOf(iface);
            if (!tty.isEmpty() && d.port.isEmpty())
                d.port = QStringLiteral("/dev/") + tty;
        }
        devices.push_back(d);
    }
    return devices;
}

QStringList runningPrograms(const QString &root, const QStringList &wanted)
{
    QStringList running;
    const QDir proc(below(root, QStringLiteral("/proc")));
    for (const QString &pid : proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (pid.toInt() <= 0)
            continue;
        const QString name = firstLine(proc.filePath(pid + QStringLiteral("/comm")));
        if (wanted.contains(name) && !running.contains(name))
            running << name;
    }
    return running;
}

bool anyRuleSays(const QString &root, const QString &fileName, const QList<QByteArray> &words)
{
    for (const char *folder : {"/etc/udev/rules.d/", "/usr/lib/udev/rules.d/", "/lib/udev/rules.d/"}) {
        const QByteArray text = whole(below(root, QLatin1String(folder) + fileName)).toLower();
        bool all = !text.isEmpty();
        for (const QByteArray &w : words)
            all = all && text.contains(w);
        if (all)
            return true;
    }
    return false;
}

// udev's word on a tty: its database entry holds ID_MM_DEVICE_IGNORE=1
// when ModemManager is to leave it alone.
bool modemManagerLeaves(const QString &root, const QString &port)
{
    const QString tty = QFileInfo(port).fileName();
    const QString numbers = firstLine(below(root, QStringLiteral("/sys/class/tty/%1/dev").arg(tty)));
    if (numbers.isEmpty())
        return false;
    const QByteArray entry = whole(below(root, QStringLiteral("/run/udev/data/c") + numbers));
    return entry.contains("E:ID_MM_DEVICE_IGNORE=1") || entry.contains("E:ID_MM_PORT_IGNORE=1");
}

} // namespace

SystemFacts GatherSystemFacts(const QString &root)
{
    SystemFacts facts;
    facts.devices = usbCableChips(root);
    facts.programs = runningPrograms(root, {QStringLiteral("brltty"), QStringLiteral("ModemManager")});
    facts.brlttyTakesCh340 = anyRuleSays(root, QStringLiteral("85-brltty.rules"), {"1a86", "7523"});
    facts.cableRuleInstalled = anyRuleSays(root, QStringLiteral("60-lumora-cables.rules"), {"id_mm_device_ignore"});
    for (const UsbSerialDevice &d : facts.devices)
        if (!d.port.isEmpty() && modemManagerLeaves(root, d.port))
            facts.modemManagerLeaves << d.port;
    const QDir ttys(below(root, QStringLiteral("/sys/class/tty")));
    for (const QString &tty : ttys.entryList({QStringLiteral("ttyUSB*"), QStringLiteral("ttyACM*")},
                                             QDir::Dirs | QDir::System | QDir::NoDotAndDotDot))
        facts.serialPorts << QStringLiteral("/dev/") + tty;
    return facts;
}

QString PortDriver(const QString &port, const QString &root)
{
    const QString path = CanonicalDevice(port);
    if (path.startsWith(QLatin1String("/dev/pts/")))
        return QStringLiteral("pseudo-terminal");
    const QString device = below(root, QStringLiteral("/sys/class/tty/%1/device").arg(QFileInfo(path).fileName()));
    return QFileInfo(QFile::symLinkTarget(device + QStringLiteral("/driver"))).fileName();
}

QString PseudoTerminalMaker(const QString &device, const QString &root)
{
    const QString path = CanonicalDevice(device);
    if (!path.startsWith(QLatin1String("/dev/pts/")))
        return QString();
    const QString index = path.mid(9);
    // The program that holds the master side: /dev/ptmx open, with this tty-index.
    const QDir proc(below(root, QStringLiteral("/proc")));
    for (const QString &pid : proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (pid.toInt() <= 0)
            continue;
        const QDir fdinfo(proc.filePath(pid + QStringLiteral("/fdinfo")));
        for (const QString &fd : fdinfo.entryList(QDir::Files)) {
            const QByteArray info = whole(fdinfo.filePath(fd));
            if (!info.contains("tty-index:\t" + index.toLatin1() + '\n'))
                continue;
            return ProgramOfProcess(proc.path(), pid);
        }
    }
    return PortTexts::tr("a program");
}

} // namespace lumora
