#include "serial/CableTraps.h"

#include "serial/PortAccess.h"

namespace lumora {

namespace {

struct Chip {
    int vendorId, productId;
    const char *name;
};

// The chips of the usual programming cables.
constexpr Chip kChips[] = {
        {0x1a86, 0x7523, "CH340"},  {0x1a86, 0x7522, "CH340"},  {0x1a86, 0x5523, "CH341"},
        {0x1a86, 0x55d4, "CH9102"}, {0x067b, 0x2303, "PL2303"}, {0x067b, 0x23a3, "PL2303"},
        {0x067b, 0x23c3, "PL2303"}, {0x10c4, 0xea60, "CP210x"}, {0x10c4, 0xea70, "CP210x"},
        {0x0403, 0x6001, "FT232"},  {0x0403, 0x6015, "FT231X"}, {0x0403, 0x6010, "FT2232"},
};

bool isCh340(const UsbSerialDevice &d) { return d.vendorId == 0x1a86 && d.productId == 0x7523; }

QString ids(const UsbSerialDevice &d)
{
    return QStringLiteral("%1:%2").arg(d.vendorId, 4, 16, QLatin1Char('0')).arg(d.productId, 4, 16, QLatin1Char('0'));
}

void linuxTraps(const SystemFacts &facts, QVector<CableFinding> &found)
{
    const bool brlttyRuns = facts.programs.contains(QStringLiteral("brltty"));
    bool ch340WithoutPort = false;
    for (const UsbSerialDevice &d : facts.devices)
        ch340WithoutPort = ch340WithoutPort || (isCh340(d) && d.port.isEmpty());
    if (ch340WithoutPort && (brlttyRuns || facts.brlttyTakesCh340))
        found.push_back({QStringLiteral("brltty"),
                         PortTexts::tr("A CH340 cable (USB 1a86:7523) is plugged in but has no port: brltty, the "
                                       "driver for Braille displays, takes this chip for one and keeps it, so its "
                                       "port vanishes a moment after it appears. If you use no Braille display, "
                                       "remove it with\n    sudo apt remove brltty\nelse keep it from this cable "
                                       "with\n    sudo systemctl mask brltty-udev.service\nthen plug the cable in again.")});
    else if (facts.brlttyTakesCh340 && facts.serialPorts.isEmpty())
        found.push_back({QStringLiteral("brltty"),
                         PortTexts::tr("brltty, the driver for Braille displays, is installed with a rule that takes "
                                       "CH340 chips (USB 1a86:7523), the chip of most programming cables: such a "
                                       "cable's port vanishes a moment after it appears. If you use no Braille "
                                       "display, remove it with\n    sudo apt remove brltty")});
    if (facts.programs.contains(QStringLiteral("ModemManager"))) {
        QStringList probed;
        for (const UsbSerialDevice &d : facts.devices)
            if (!d.port.isEmpty() && !facts.modemManagerLeaves.contains(d.port))
                probed << d.port;
        if (!probed.isEmpty() || (facts.devices.isEmpty() && !facts.cableRuleInstalled))
            found.push_back({QStringLiteral("modemmanager"),
                             (probed.isEmpty() ? PortTexts::tr("ModemManager is running. ")
                                               : PortTexts::tr("ModemManager is running and may probe %1. ")
                                                         .arg(probed.join(QStringLiteral(", "))))
                                     + PortTexts::tr("It tries every new serial port as a modem, sending it AT "
                                                     "commands for some seconds after the cable is plugged in: the "
                                                     "port is busy meanwhile, and a radio may take the commands for "
                                                     "garbage. LUMORA's udev rule (60-lumora-cables.rules, which its "
                                                     "package installs) keeps it away from the usual cable chips; "
                                                     "without it, stop ModemManager with\n    sudo systemctl stop "
                                                     "ModemManager\nor, if this machine has no mobile modem, for good "
                                                     "with\n    sudo systemctl disable --now ModemManager")});
    }
}

void windowsTraps(const SystemFacts &facts, QVector<CableFinding> &found)
{
    for (const UsbSerialDevice &d : facts.devices) {
        const QString chip = CableChipName(d.vendorId, d.productId);
        const QString named = QStringLiteral("%1 (USB %2)").arg(d.product.isEmpty() ? chip : d.product, ids(d));
        const bool refused = d.product.contains(QLatin1String("PHASED OUT"), Qt::CaseInsensitive)
                             || d.product.contains(QLatin1String("CONTACT YOUR SUPPLIER"), Qt::CaseInsensitive);
        if (d.vendorId == 0x067b && (refused || d.problemCode == 10)) {
            found.push_back({QStringLiteral("counterfeit pl2303"),
                             PortTexts::tr("%1: Prolific's driver refuses this PL2303 chip (a copy, or a model it no "
                                           "longer supports), and Windows shows a yellow mark on it. Install "
                                           "Prolific's older driver 3.3.2.102, then in Device Manager choose it under "
                                           "\"Update driver\" > \"Browse my computer\" > \"Let me pick\", and keep "
                                           "Windows Update from replacing it; or use a cable with an FTDI, CP210x "
                                           "or CH340 chip.")
                                     .arg(named)});
            continue;
        }
        const bool noDriver = d.driver.isEmpty() || d.problemCode == 28;
        if (noDriver && d.vendorId == 0x1a86)
            found.push_back({QStringLiteral("no driver"),
                             PortTexts::tr("%1: a CH340 cable with no driver, so it has no COM port. Install the "
                                           "CH340 driver (CH341SER.EXE from the chip's maker, WCH), then plug the "
                                           "cable in again.")
                                     .arg(named)});
        else if (noDriver && d.vendorId == 0x10c4)
            found.push_back({QStringLiteral("no driver"),
                             PortTexts::tr("%1: a CP210x cable with no driver, so it has no COM port. Install "
                                           "Silicon Labs' \"CP210x Universal Windows Driver\", then plug the cable "
                                           "in again.")
                                     .arg(named)});
    }
}

} // namespace

QString CableChipName(int vendorId, int productId)
{
    for (const Chip &chip : kChips)
        if (chip.vendorId == vendorId && chip.productId == productId)
            return QLatin1String(chip.name);
    return QString();
}

QVector<CableFinding> CableTraps(const SystemFacts &facts)
{
    QVector<CableFinding> found;
    if (facts.windows)
        windowsTraps(facts, found);
    else
        linuxTraps(facts, found);
    return found;
}

} // namespace lumora
