#include "serial/PortList.h"

// The ports Qt's serial port module finds, and the devices linked into the
// linked-ports folder (a virtual radio's).

#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <algorithm>
#include <sys/stat.h>
#include <unistd.h>

namespace lumora {

namespace {

bool isCharacterDevice(const QString &path)
{
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISCHR(st.st_mode);
}

QString describe(const QSerialPortInfo &port)
{
    QString text = port.description();
    const QString maker = port.manufacturer();
    if (!maker.isEmpty() && !text.contains(maker, Qt::CaseInsensitive))
        text = text.isEmpty() ? maker : QStringLiteral("%1 (%2)").arg(text, maker);
    return text;
}

bool nameBefore(const QString &a, const QString &b) { return QString::compare(a, b, Qt::CaseInsensitive) < 0; }

} // namespace

QString LinkedPortsFolder()
{
    const QString set = qEnvironmentVariable("LUMORA_PORTS_DIR");
    if (!set.isEmpty())
        return set;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty())
        return runtime + QStringLiteral("/lumora-ports");
    return QStringLiteral("/tmp/lumora-ports-%1").arg(::getuid());
}

QVector<SerialPortEntry> ListSerialPortEntries()
{
    QVector<SerialPortEntry> entries;
    for (const QSerialPortInfo &port : QSerialPortInfo::availablePorts()) {
        SerialPortEntry &entry = entries.emplace_back(port.systemLocation(), describe(port));
        entry.manufacturer = port.manufacturer();
        entry.serialNumber = port.serialNumber();
        entry.vendorId = port.hasVendorIdentifier() ? port.vendorIdentifier() : -1;
        entry.productId = port.hasProductIdentifier() ? port.productIdentifier() : -1;
    }
    // Links whose device is there (a link left by a radio that was killed
    // points at nothing and is skipped).
    const QDir linked(LinkedPortsFolder());
    for (const QFileInfo &link : linked.entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot)) {
        if (!link.isSymLink() || !isCharacterDevice(link.absoluteFilePath()))
            continue;
        const bool radio = link.fileName().startsWith(QLatin1String("lumora-radio"));
        entries.push_back({link.absoluteFilePath(),
                           radio ? QStringLiteral("LUMORA virtual radio") : QStringLiteral("Linked device")});
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const SerialPortEntry &a, const SerialPortEntry &b) { return nameBefore(a.name, b.name); });
    return entries;
}

} // namespace lumora
