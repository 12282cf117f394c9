// Why a port does not open, in a radio user's words.

#include "PtyPair.h"
#include "serial/PortAccess.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace lumora;
using namespace lumora::test;

TEST(PortAccess, PermissionDeniedSaysWhatToDo)
{
    GroupFacts f;
    f.group = "dialout";
    f.user = "ann";
    f.groupMayUse = true;
    const QString outside = PermissionDeniedText("/dev/ttyUSB0", f);
    EXPECT_TRUE(outside.startsWith("/dev/ttyUSB0: permission denied. The device belongs to the group \"dialout\", "
                                   "and you (ann) are not in it."))
        << outside.toStdString();
    EXPECT_TRUE(outside.contains("\n    sudo usermod -aG dialout ann\n"));
    EXPECT_TRUE(outside.contains("log in again"));

    f.member = true; // added, but this login is older
    const QString stale = PermissionDeniedText("/dev/ttyUSB0", f);
    EXPECT_TRUE(stale.contains("this login began before you were added. Log out and log in again."));
    EXPECT_FALSE(stale.contains("usermod"));

    f.groupMayUse = false;
    EXPECT_TRUE(PermissionDeniedText("/dev/ttyUSB0", f).contains("does not let even its group \"dialout\""));
}

TEST(PortAccess, BusyNamesTheProgramsAndHelpsWithModemManager)
{
    EXPECT_EQ(BusyText("/dev/ttyACM0", {"minicom (process 40)"}),
              "/dev/ttyACM0: busy. minicom (process 40) has it open. Two programs on one cable garble each "
              "other: close it and try again.");
    const QString modem = BusyText("/dev/ttyACM0", {"ModemManager (process 812)", "cu (process 9)"});
    EXPECT_TRUE(modem.contains("ModemManager (process 812), cu (process 9) have it open")) << modem.toStdString();
    EXPECT_TRUE(modem.contains("sudo systemctl stop ModemManager"));
    EXPECT_TRUE(BusyText("/dev/ttyACM0", {}).contains("which one could not be found"));
}

TEST(PortAccess, TellsMissingBusyAndOpenPortsApart)
{
    EXPECT_EQ(CheckPortAccess("/dev/lumora-no-such-port").kind, PortAccess::Missing);
    EXPECT_EQ(CheckPortAccess("/dev/lumora-no-such-port").explanation,
              MissingText("/dev/lumora-no-such-port"));

    PtyPair pty;
    ASSERT_TRUE(pty.ok());
    EXPECT_EQ(CheckPortAccess(pty.slavePath()).kind, PortAccess::Opens);

    // Another program holding the device, through a link to it.
    QProcess holder;
    holder.setStandardInputFile(pty.slavePath());
    holder.start("sleep", {"30"});
    ASSERT_TRUE(holder.waitForStarted());
    QTemporaryDir dir;
    const QString link = dir.filePath("radio");
    ASSERT_TRUE(QFile::link(pty.slavePath(), link));
    const PortAccess busy = CheckPortAccess(link);
    EXPECT_EQ(busy.kind, PortAccess::Busy);
    EXPECT_TRUE(busy.explanation.contains(QString("sleep (process %1) has it open").arg(holder.processId())))
        << busy.explanation.toStdString();
    holder.kill();
    holder.waitForFinished();

    EXPECT_EQ(CheckPortAccess(dir.path()).kind, PortAccess::Failed); // a folder is no port
}
