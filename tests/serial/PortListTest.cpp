#include "serial/PortList.h"

#include <gtest/gtest.h>

using namespace lumora;

TEST(PortList, SortedAsTextIgnoringCase)
{
    EXPECT_EQ(SortPortNames({"/dev/ttyUSB1", "/dev/ttyACM0", "/dev/ttyS0", "/dev/ttyusb0", "COM10",
                             "com2"}),
              QStringList({"/dev/ttyACM0", "/dev/ttyS0", "/dev/ttyusb0", "/dev/ttyUSB1", "COM10",
                           "com2"}));
}

TEST(PortList, TenComesBeforeTwo)
{
    EXPECT_EQ(SortPortNames({"COM2", "COM10", "COM1"}), QStringList({"COM1", "COM10", "COM2"}));
}

TEST(PortList, ListsDevicePathsInOrder)
{
    const QStringList ports = ListSerialPorts();
    EXPECT_EQ(SortPortNames(ports), ports);
    // Devices, and the links a virtual radio (another test's, perhaps) puts
    // into the linked-ports folder.
    for (const QString &p : ports)
        EXPECT_TRUE(p.startsWith("/dev/") || p.startsWith(LinkedPortsFolder() + "/")) << p.toStdString();
}
