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

    // As the radio stores them: a to d as capitals, numbers without their
    // zeros; what it cannot hold is refused.
    EXPECT_EQ(StoredIdentity({"0100", "0501", "abc1"}), (FleetIdentity{"100", "501", "ABC1"}));
    for (const FleetIdentity &cannot : {FleetIdentity{"", "", "D"}, FleetIdentity{"", "", "1 2"},
                                        FleetIdentity{"", "", "123456789"}, FleetIdentity{"-1", "", ""},
                                        FleetIdentity{"", "65536", ""}, FleetIdentity{"", "5e2", ""}})
        EXPECT_THROW(StoredIdentity(cannot), ERangeError) << cannot.fleet.toStdString() << cannot.id.toStdString()
                                                          << cannot.dtmfId.toStdString();
    EXPECT_EQ(*list.Next({{"100", "01001", "501"}}), (FleetIdentity{"100", "1002", ""}));
    EXPECT_EQ(*FleetIdentities::FromCsv("Fleet,ID,DTMF ID\n1,2,ab\n1,3,ab\n").Next({{"1", "2", "AB"}}),
              (FleetIdentity{"1", "3", "AB"}));
    EXPECT_THROW(FleetIdentities::Counting(65536, 1, false), ERangeError);

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

    // A last row cut short (a full disk) proves nothing: read as far as the
    // rows are whole, said so, and the next row starts a line of its own.
    f.close();
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write("2026-01-01T00:00:00,/dev/ttyUSB0,3,100,502,502,ok");
    f.close();
    FleetLog cut(file);
    EXPECT_EQ(cut.LastRadio(), 2);
    EXPECT_EQ(cut.Given().size(), 1);
    EXPECT_TRUE(cut.Notice().contains("line 4 is cut short")) << cut.Notice().toStdString();
    cut.Append({QDateTime::currentDateTime(), "/dev/ttyUSB0", 3, {"100", "502", "502"}, true, "ok", {}, {}});
    const FleetLog after(file);
    EXPECT_EQ(after.Given().size(), 2);
    EXPECT_TRUE(after.Notice().contains("line 4 is cut short")) << after.Notice().toStdString();
}
