#include "serial/PortAccess.h"

#include "serial/ECommsError.h"

namespace lumora {

QString CommsErrorText(const ECommsError &error)
{
    // Every text the component throws, for the translators.
    [[maybe_unused]] static const char *const texts[] = {
            QT_TRANSLATE_NOOP("PortTexts", "Error opening serial port"),
            QT_TRANSLATE_NOOP("PortTexts", "File handle is not a comm handle "),
            QT_TRANSLATE_NOOP("PortTexts", "Cannot setup comm buffer"),
            QT_TRANSLATE_NOOP("PortTexts", "Unable to create event"),
            QT_TRANSLATE_NOOP("PortTexts", "Unable to create read thread"),
            QT_TRANSLATE_NOOP("PortTexts", "Unable to create write thread"),
            QT_TRANSLATE_NOOP("PortTexts", "This serial port already opened")};
    return PortTexts::tr(error.text().c_str());
}

// The paragraphs a user reads, on every system.

QString MissingText(const QString &device)
{
    if (device.startsWith(QLatin1String("/dev/pts/")) || device.startsWith(QLatin1String("/dev/rfcomm")))
        return PortTexts::tr("%1: missing. This kind of port is made by a program (socat, rfcomm, the virtual "
                             "radio) and lasts only while that program runs: start it again, then choose the port "
                             "it names (it may have another number now).")
                .arg(device);
    return PortTexts::tr("%1: missing. There is no such device. Plug the cable in (a USB cable makes "
                          "its device only while it is plugged in), or choose another port.")
            .arg(device);
}

QString PermissionDeniedText(const QString &device, const GroupFacts &f)
{
    QString text = PortTexts::tr("%1: permission denied. ").arg(device);
    if (!f.groupMayUse)
        return text + PortTexts::tr("The device does not let even its group \"%1\" read and write it; "
                                     "ask whoever set up this machine to give that group access.")
                              .arg(f.group);
    if (!f.member)
        return text + PortTexts::tr("The device belongs to the group \"%1\", and you (%2) are not in it. "
                                     "Add yourself with\n    sudo usermod -aG %1 %2\nthen log out and log in "
                                     "again: the group counts only from your next login. For a USB cable, "
                                     "LUMORA's udev rule (60-lumora-cables.rules, which its package installs) "
                                     "lets whoever is logged in open it: plug the cable in again once it is there.")
                              .arg(f.group, f.user);
    if (!f.effective)
        return text + PortTexts::tr("You (%2) are in the group \"%1\" that owns the device, but this login "
                                     "began before you were added. Log out and log in again.")
                              .arg(f.group, f.user);
    return text + PortTexts::tr("You (%2) are in its group \"%1\", yet the system refused: a security "
                                 "policy may keep this program from serial devices.")
                          .arg(f.group, f.user);
}

QString BusyText(const QString &device, const QStringList &holders)
{
    QString text = PortTexts::tr("%1: busy. ").arg(device);
    if (holders.isEmpty())
        return text + PortTexts::tr("Another program has it open; which one could not be found (it may "
                                     "belong to another user). Close the other program and try again.");
    text += (holders.size() == 1
                     ? PortTexts::tr("%1 has it open. Two programs on one cable garble each other: close it and try again.")
                     : PortTexts::tr("%1 have it open. Two programs on one cable garble each other: close them and "
                                     "try again."))
                    .arg(holders.join(QStringLiteral(", ")));
    if (holders.join(QString()).contains(QLatin1String("ModemManager")))
        text += PortTexts::tr(" ModemManager tries every new serial device as a modem; stop it with\n"
                               "    sudo systemctl stop ModemManager\nLUMORA's udev rule "
                               "(60-lumora-cables.rules) keeps it away from the usual cable chips for good.");
    if (holders.join(QString()).contains(QLatin1String("brltty")))
        text += PortTexts::tr(" brltty takes some USB serial chips for Braille displays; if you use "
                               "none, remove it with\n    sudo apt remove brltty");
    return text;
}

} // namespace lumora
