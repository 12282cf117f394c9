// "Back up radio..." and "Restore radio..." in the windows: one dialog for
// the whole run, every byte of every area into a blank radio, the radio's
// own identity kept when asked, a refused file, and Cancel.

#include "support/WindowsOnRadio.h"

#include "backup/RadioBackupFile.h"
#include "memory/Errors.h"

#include <QAction>
#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

using namespace lumora;
using namespace lumora::test;

namespace {

constexpr int kWait = 30000;

} // namespace

class BackupWindowTest : public QObject, WindowsOnRadio {
    Q_OBJECT

private slots:
    void init() { open(); }
    void cleanup() { close(); }

    void theWholeRadioIsBackedUpAndRestoredUnderOneDialog()
    {
        QAction *backup = nullptr, *restore = nullptr;
        for (QAction *a : form->FileMenu->actions()) {
            if (a->text().remove(QLatin1Char('&')) == "Back up radio...")
                backup = a;
            if (a->text().remove(QLatin1Char('&')) == "Restore radio...")
                restore = a;
        }
        QVERIFY(backup && restore);
        writeJson(memory(), CustomSignallingImage(dir->path()));
        {
            VirtualRadio radio({"--memory", memory()});
            QVERIFY(radio.ok());
            form->SelectPort(radio.device());
            dialogs->nextFileName = dir->filePath("full.json");
            backup->trigger();
            QVERIFY(windows->Run && windows->Run->Progress()->isVisible());
            QVERIFY(!progress->isVisible()); // one dialog for the whole run
            QTRY_VERIFY2_WITH_TIMEOUT(!dialogs->messages.isEmpty(), qPrintable(dialogs->errors.join(" / ")), kWait);
            QCOMPARE(dialogs->messages, QStringList({QString("The radio is backed up in \"%1\".").arg(dialogs->nextFileName)}));
        }
        // Restored at once, before the finished backup has been let go.
        const QJsonObject file = readJson(dir->filePath("full.json"));
        QCOMPARE(file["dtmf"]["ID Code"].toString(), QString("0*#"));
        QCOMPARE(file["fsk"]["Fleet and ID"][9][1].toString(), QString("2000"));

        // Into a blank radio.
        QJsonObject blank = readJson(memory());
        for (const QString &area : blank.keys())
            if (blank[area].isArray())
                blank[area] = QJsonArray::fromStringList(QStringList(blank[area].toArray().size(), QString(56, '0')));
        writeJson(dir->filePath("blank.json"), blank);
        VirtualRadio second({"--memory", dir->filePath("blank.json")});
        QVERIFY(second.ok());
        form->SelectPort(second.device());
        dialogs->messages.clear();
        restore->trigger();
        QTRY_VERIFY2_WITH_TIMEOUT(!dialogs->messages.isEmpty(), qPrintable(dialogs->errors.join(" / ")), kWait);
        QCOMPARE(dialogs->messages, QStringList({QString("The radio is restored from \"%1\".").arg(dialogs->nextFileName)}));
        QTRY_VERIFY(!windows->Run);
        second.stop();
        // Every byte of every area, even those the windows cannot show (a
        // FleetSync side tone of 0x01).
        const QJsonObject a = readJson(memory()), b = readJson(dir->filePath("blank.json"));
        for (const QString &area : a.keys())
            if (a[area].isArray())
                QCOMPARE(b[area], a[area]);

        // Ticked, the radio keeps its own identity (the blank radio's zeros).
        QCOMPARE(dialogs->options, QStringList{"&Keep this radio's identity (FleetSync own fleet and ID, DTMF ID code)"});
        writeJson(dir->filePath("blank.json"), blank);
        VirtualRadio third({"--memory", dir->filePath("blank.json")});
        form->SelectPort(third.device());
        dialogs->messages.clear();
        dialogs->nextOption = true;
        restore->trigger();
        QTRY_VERIFY2_WITH_TIMEOUT(!dialogs->messages.isEmpty(), qPrintable(dialogs->errors.join(" / ")), kWait);
        QVERIFY2(dialogs->messages[0].contains("The radio kept its identity: Fleet[Own] 0, ID[Own] 0, ID Code"),
                 qPrintable(dialogs->messages[0]));
        QCOMPARE(fsk().ed1->text(), QString("0"));
        QTRY_VERIFY(!windows->Run);
    }

    void aRefusedRestoreLeavesTheWindowsAsTheyWere()
    {
        QJsonObject file = QJsonDocument::fromJson(WriteRadioBackup(
                {{"main", MainMemorySettings(*form->xg, form->Options())}, {"dtmf", dtmf().Settings()},
                 {"2tone", windows->Form4->Settings()}, {"5tone", windows->Form5->Settings()},
                 {"fsk", fsk().Settings()}})).object();
        QJsonObject area = file["dtmf"].toObject();
        area["First Digit Delay [ms]"] = "105"; // reads, but does not encode
        file["dtmf"] = area;
        QJsonArray channels = file["main"].toObject()["Channels"].toArray();
        channels[0] = QJsonArray::fromStringList({"146.52000", "146.52000", "NONE", "NONE", "HIGH", "WIDE", "YES",
                                                  "25000", "NONE", "NONE", "NONE", "NONE", "DTMF", "1", "NONE"});
        QJsonObject main = file["main"].toObject();
        main["Channels"] = channels;
        file["main"] = main;
        writeJson(dir->filePath("bad.json"), file);
        form->xg->setCells(ColRxFreq, 1, "439.00000");
        dialogs->nextFileName = dir->filePath("bad.json");
        for (QAction *a : form->FileMenu->actions())
            if (a->text().remove(QLatin1Char('&')) == "Restore radio...")
                QVERIFY_THROWS_EXCEPTION(EConvertError, a->trigger()); // shown by the application's handler
        QCOMPARE(form->xg->Cells(ColRxFreq, 1), QString("439.00000"));
        QCOMPARE(dtmf().cb[3]->currentText(), QString("100"));
        QVERIFY(!windows->Run);
    }

    void aBackupCanBeCancelled()
    {
        VirtualRadio silent({"--drop", "1"});
        QVERIFY(silent.ok());
        form->SelectPort(silent.device());
        dialogs->nextFileName = dir->filePath("never.json");
        for (QAction *a : form->FileMenu->actions())
            if (a->text().remove(QLatin1Char('&')) == "Back up radio...")
                a->trigger();
        QVERIFY(windows->Run);
        QVERIFY(form->MainReadUnderWay());
        windows->Run->Progress()->findChild<QPushButton *>()->click(); // "Cancel"
        QCOMPARE(dialogs->messages, QStringList({"The backup was cancelled; the radio is unchanged."}));
        QVERIFY(!form->MainReadUnderWay());
        QVERIFY(!form->Tim1->isActive());
        QVERIFY(!form->Comm1->IsOpen());
        QVERIFY(!QFile::exists(dialogs->nextFileName));
        QTRY_VERIFY(!windows->Run);
    }
};

LUMORA_WINDOW_TEST_MAIN(BackupWindowTest)
#include "BackupWindowTest.moc"
