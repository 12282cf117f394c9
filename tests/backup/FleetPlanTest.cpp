// Which identity a fleet run gives next, and what its log keeps.

#include "backup/FleetIdentities.h"
#include "backup/FleetLog.h"
#include "memory/Errors.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace lumora;

TEST(FleetPlan, EachSourceGivesNoIdentityTwice)
{
    const FleetIdentities list = FleetIdentities::FromCsv("Fleet,ID,DTMF ID\n100,1001,501\n# spare\n100,1002,\n");
    EXPECT_EQ(*list.Next({}), (FleetIdentity{"100", "1001", "501"}));
    // A row that leaves the DTMF ID code to the template was given as
    // whatever the template has.
    EXPECT_EQ(*list.Next({{"100", "1001", "501"}}), (FleetIdentity{"100", "1002", ""}));
    EXPECT_FALSE(list.Next({{"100", "1001", "501"}, {"100", "1002", "12345678"}}));
    EXPECT_THROW(FleetIdentities::FromCsv("Fleet,ID\n1,2\n"), EFOpenError);
    EXPECT_THROW(FleetIdentities::FromCsv("Fleet,ID,DTMF ID\n1,2,3\n1,2,3\n"), EFOpenError);

    const FleetIdentities counting = FleetIdentities::Counting(500, 10, true);
    EXPECT_EQ(*counting.Next({{"100", "500", "500"}, {"7", "520", "9"}}), (FleetIdentity{"", "510", "510"}));
    EXPECT_TRUE(FleetIdentities::KeepOwn().keepsOwn());
}

TEST(FleetPlan, ALogKeepsEveryRadioAndARunGoesOnFromIt)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("log.csv");
    {
        FleetLog log(file);
        log.Append({QDateTime::currentDateTime(), "/dev/ttyUSB0", 1, {"100", "500", "500"}, true, "ok", {}});
        log.Append({QDateTime::currentDateTime(), "/dev/ttyUSB0", 2, {"100", "501", "501"}, false,
                    "failed: the radio said \"no\", then stopped", {"a, b", "c"}});
    }
    const FleetLog again(file);
    EXPECT_EQ(again.LastRadio(), 2);
    EXPECT_EQ(again.Given(), QVector<FleetIdentity>({{"100", "500", "500"}}));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().contains(",\"failed: the radio said \"\"no\"\", then stopped\",\"a, b; c\"\n"));
    QFile other(dir.filePath("other.csv"));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write("Name,Frequency\n");
    other.close();
    EXPECT_THROW(FleetLog(other.fileName()), EFOpenError); // never appended to
}
