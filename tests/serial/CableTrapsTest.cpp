// The known cable traps, from a system stood in by a folder (Linux) or by
// the facts Windows gives, and the watch of "Find cable...".

#include "protocol/ConnectionCheck.h"
#include "serial/CableFinder.h"
#include "serial/CableTraps.h"
#include "serial/CommTypes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace lumora;

namespace {

// A system's folders below a temporary one.
class SystemTree {
public:
    QString root() const { return dir_.path(); }
    void write(const QString &path, const QByteArray &text)
    {
        QDir().mkpath(QFileInfo(root() + path).path());
        QFile f(root() + path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    void link(const QString &path, const QString &target)
    {
        QDir().mkpath(QFileInfo(root() + path).path());
        QDir().mkpath(root() + target);
        ASSERT_TRUE(QFile::link(root() + target, root() + path));
    }
    // A USB device with one interface, its driver and (or not) its tty.
    void usb(const QString &name, const char *vendor, const char *product, const QString &driver, const QString &tty)
    {
        const QString device = "/sys/bus/usb/devices/" + name;
        write(device + "/idVendor", QByteArray(vendor) + "\n");
        write(device + "/idProduct", QByteArray(product) + "\n");
        write(device + "/product", "USB Serial\n");
        link(device + "/" + name + ":1.0/driver", "/sys/bus/usb/drivers/" + driver);
        if (!tty.isEmpty())
            QDir().mkpath(root() + device + "/" + name + ":1.0/" + tty);
    }

private:
    QTemporaryDir dir_;
};

bool has(const QVector<CableFinding> &found, const char *trap, const char *words)
{
    for (const CableFinding &f : found)
        if (f.trap == trap && f.text.contains(words))
            return true;
    return false;
}

} // namespace

TEST(CableTraps, LinuxTrapsComeFromSysfsProcAndUdev)
{
    SystemTree sys;
    sys.usb("1-2", "1a86", "7523", "usbfs", QString()); // a CH340 held by brltty: no tty
    sys.usb("1-3", "10c4", "ea60", "cp210x", "ttyUSB0");
    sys.usb("1-4", "046d", "c52b", "usbhid", QString()); // a mouse: no cable
    sys.write("/sys/class/tty/ttyUSB0/dev", "188:0\n");
    sys.link("/sys/class/tty/ttyUSB0/device/driver", "/sys/bus/usb-serial/drivers/cp210x");
    sys.write("/proc/412/comm", "brltty\n");
    sys.write("/proc/812/comm", "ModemManager\n");
    sys.write("/run/udev/data/c188:0", "E:ID_VENDOR=Silicon_Labs\n");

    SystemFacts facts = GatherSystemFacts(sys.root());
    ASSERT_EQ(facts.devices.size(), 2);
    EXPECT_EQ(facts.programs, (QStringList{"brltty", "ModemManager"}));
    EXPECT_EQ(facts.serialPorts, QStringList{"/dev/ttyUSB0"});
    EXPECT_EQ(PortDriver("/dev/ttyUSB0", sys.root()), "cp210x");
    QVector<CableFinding> found = CableTraps(facts);
    EXPECT_TRUE(has(found, "brltty", "sudo apt remove brltty")) << found.value(0).text.toStdString();
    EXPECT_TRUE(has(found, "modemmanager", "may probe /dev/ttyUSB0"));

    // udev told ModemManager to leave the port alone; brltty gone, its rule
    // still there, and the CH340 has its port again: nothing to say.
    sys.write("/run/udev/data/c188:0", "E:ID_MM_DEVICE_IGNORE=1\n");
    QFile::remove(sys.root() + "/proc/412/comm");
    sys.write("/usr/lib/udev/rules.d/85-brltty.rules", "ENV{PRODUCT}==\"1a86/7523/*\", ENV{BRLTTY_BRAILLE_DRIVER}=\"bm\"\n");
    QDir(sys.root() + "/sys/bus/usb/devices/1-2/1-2:1.0").mkdir("ttyUSB1");
    sys.write("/sys/class/tty/ttyUSB1/dev", "188:1\n");
    sys.write("/run/udev/data/c188:1", "E:ID_MM_DEVICE_IGNORE=1\n");
    facts = GatherSystemFacts(sys.root());
    EXPECT_TRUE(facts.brlttyTakesCh340);
    EXPECT_EQ(facts.modemManagerLeaves, (QStringList{"/dev/ttyUSB1", "/dev/ttyUSB0"}));
    EXPECT_TRUE(CableTraps(facts).isEmpty());

    // The rule alone speaks when no port is there at all.
    facts.devices.clear();
    facts.serialPorts.clear();
    facts.cableRuleInstalled = true;
    found = CableTraps(facts);
    ASSERT_EQ(found.size(), 1);
    EXPECT_EQ(found[0].trap, "brltty");

    // A pseudo-terminal names the program holding its master.
    sys.write("/proc/901/comm", "socat\n");
    sys.write("/proc/901/fdinfo/5", "pos:\t0\nflags:\t02\ntty-index:\t57\n");
    EXPECT_EQ(PseudoTerminalMaker("/dev/pts/57", sys.root()), "socat (process 901)");
    EXPECT_EQ(PseudoTerminalMaker("/dev/ttyUSB0", sys.root()), "");
}

TEST(CableTraps, WindowsTrapsSayWhatToInstall)
{
    SystemFacts facts;
    facts.windows = true;
    facts.devices = {{0x067b, 0x2303, "PL2303HXA PHASED OUT SINCE 2012. PLEASE CONTACT YOUR SUPPLIER.", "COM5", "Ser2pl", 0},
                     {0x067b, 0x2303, "Prolific USB-to-Serial Comm Port", "COM6", "Ser2pl", 10},
                     {0x1a86, 0x7523, "USB2.0-Serial", "", "", 28},
                     {0x10c4, 0xea60, "CP2102 USB to UART Bridge Controller", "", "", 0},
                     {0x0403, 0x6001, "USB Serial Port (COM7)", "COM7", "FTSER2K", 0}};
    const QVector<CableFinding> found = CableTraps(facts);
    ASSERT_EQ(found.size(), 4);
    EXPECT_TRUE(has(found, "counterfeit pl2303", "3.3.2.102"));
    EXPECT_TRUE(found[1].text.startsWith("Prolific USB-to-Serial Comm Port (USB 067b:2303)"));
    EXPECT_TRUE(has(found, "no driver", "CH341SER.EXE"));
    EXPECT_TRUE(has(found, "no driver", "CP210x Universal Windows Driver"));
}

TEST(CableTraps, WhatAnsweredTheGreetingIsExplained)
{
    GreetingAnswer answer;
    answer.acknowledged = true;
    answer.lineErrors = CE_OVERRUN; // lost bytes, not a wrong speed: nothing to add
    EXPECT_EQ(GreetingParagraph("COM3", answer), "COM3: opens, and a radio answered.");
    answer.acknowledged = false;
    answer.received = QByteArray("\xf8\x00\xfe", 3);
    answer.lineErrors = CE_FRAME;
    const QString garbled = GreetingParagraph("COM3", answer);
    EXPECT_TRUE(garbled.startsWith("COM3: opens, but what answered is not this radio (it sent f8 00 fe where"));
    EXPECT_TRUE(garbled.endsWith("another speed than 9600 baud (another radio model, or another program's "
                                 "setting), or the cable is bad or loose."))
        << garbled.toStdString();
}

TEST(CableFinder, NamesThePortThatComesBackToStay)
{
    const SerialPortEntry usb0("/dev/ttyUSB0", "CH340"), s0("/dev/ttyS0");
    CableWatch watch({s0, usb0});
    EXPECT_FALSE(watch.Look({s0}));         // unplugged
    EXPECT_FALSE(watch.Look({s0, usb0}));   // back, not yet steady
    watch.Look({s0});                       // taken away again at once
    EXPECT_TRUE(watch.SawFlicker());
    for (int i = 1; i < CableWatch::kSteadyLooks; ++i)
        EXPECT_FALSE(watch.Look({s0, usb0}));
    const std::optional<SerialPortEntry> found = watch.Look({s0, usb0});
    ASSERT_TRUE(found);
    EXPECT_EQ(found->description, "CH340");
    EXPECT_EQ(watch.Seen(), (QStringList{"/dev/ttyUSB0 went away", "/dev/ttyUSB0 came back",
                                          "/dev/ttyUSB0 appeared and vanished again at once",
                                          "/dev/ttyUSB0 came back"}));

    // A cable that was out at the start: the port that appears.
    CableWatch fresh({s0});
    std::optional<SerialPortEntry> appeared;
    for (int i = 0; i < CableWatch::kSteadyLooks && !appeared; ++i)
        appeared = fresh.Look({s0, SerialPortEntry("/dev/ttyACM0")});
    ASSERT_TRUE(appeared);
    EXPECT_EQ(appeared->name, "/dev/ttyACM0");
    EXPECT_EQ(fresh.Seen(), QStringList{"/dev/ttyACM0 appeared"});
}
