// "Program several radios..." in the window: three radios in turn on one
// port, the second going quiet mid-write; the setup dialog.

#include "support/CapturedDialogs.h"
#include "support/JsonFiles.h"
#include "support/VirtualRadio.h"

#include "app/ToolWindows.h"
#include "backup/FleetDialog.h"
#include "serial/TComm.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSet>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>

using namespace lumora;
using namespace lumora::test;

namespace {

constexpr int kWait = 60000;

} // namespace

class FleetWindowTest : public QObject {
    Q_OBJECT

private slots:
    void eachRadioIsAskedForProgrammedAndLogged()
    {
        QTemporaryDir dir;
        CapturedDialogs dialogs;
        ToolWindows windows(QSize(1920, 1080));
        TForm1 &form = *windows.Form1;
        const QString templateFile = dir.filePath("template.json"), log = dir.filePath("log.csv");
        {
            VirtualRadio templateRadio({"--memory", dir.filePath("template-radio.json")});
            form.SelectPort(templateRadio.device());
            dialogs.nextFileName = templateFile;
            windows.BackupClick();
            QTRY_VERIFY_WITH_TIMEOUT(!dialogs.messages.isEmpty(), kWait);
        }
        QJsonObject blank = readJson(dir.filePath("template-radio.json"));
        for (const QString &area : blank.keys())
            if (blank[area].isArray())
                blank[area] = QJsonArray::fromStringList(QStringList(blank[area].toArray().size(), QString(56, '0')));
        for (const char *name : {"r1.json", "r2.json", "r3.json"})
            writeJson(dir.filePath(name), blank);

        // One radio on the cable at a time; each question swaps it for the next.
        std::unique_ptr<VirtualRadio> radio;
        const QStringList radios[] = {{"--memory", dir.filePath("r1.json")},
                                      {"--memory", dir.filePath("r2.json"), "--quiet-after", "30"},
                                      {"--memory", dir.filePath("r3.json")}};
        int asked = 0;
        bool pressedTooSoon = false;
        dialogs.GoOn = [&](const QString &) {
            if (asked == 1 && !pressedTooSoon)
                return pressedTooSoon = true; // Enter with radio 1 still on the cable
            radio.reset();
            if (asked == 3)
                return false;
            radio = std::make_unique<VirtualRadio>(radios[asked++]);
            form.SelectPort(radio->device());
            return true;
        };
        dialogs.messages.clear();
        FleetSetup setup;
        setup.templateFile = templateFile;
        setup.logFile = log;
        setup.identities = FleetSetup::Identities::Counting;
        setup.firstId = 700;
        windows.StartFleet(setup);
        QTRY_VERIFY_WITH_TIMEOUT(!windows.Fleet, 3 * kWait);

        QCOMPARE(dialogs.questions.size(), 5);
        QVERIFY2(dialogs.questions[2].startsWith("The radio on ")
                         && dialogs.questions[2].contains(" still holds what was just written to radio 1.\n\nConnect "
                                                          "radio 2 "),
                 qPrintable(dialogs.questions[2]));
        dialogs.questions.removeAt(2);
        QVERIFY2(dialogs.questions[0].startsWith("Connect radio 1 to "), qPrintable(dialogs.questions[0]));
        QVERIFY(dialogs.questions[0].endsWith(" and press Enter to program it as ID 700 (the rest as the template "
                                              "has it). Cancel ends the run."));
        QVERIFY2(dialogs.questions[1].contains(": Fleet 100, ID 700, DTMF ID 12345678: written") &&
                         dialogs.questions[1].contains(" and verified.\n\nConnect radio 2 "),
                 qPrintable(dialogs.questions[1]));
        QVERIFY2(dialogs.questions[2].contains(", ID 701, ") && dialogs.questions[2].contains(": failed: "),
                 qPrintable(dialogs.questions[2]));
        QVERIFY(dialogs.questions[2].contains("program it as ID 701 (")); // passed on
        QCOMPARE(dialogs.messages.size(), 1); // no box during a radio, one at the end
        QVERIFY2(dialogs.messages[0].endsWith(QString("The fleet run programmed 3 radios, 2 written and verified. "
                                                      "The log is in \"%1\".").arg(log)),
                 qPrintable(dialogs.messages[0]));
        QVERIFY(form.StatusBar1->currentMessage().startsWith("Radio 3 on "));
        QVERIFY(!form.Comm1->IsOpen());
        QVERIFY(dialogs.errors.isEmpty());

        QFile f(log);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QStringList rows = QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(rows.size(), 4);
        QVERIFY(rows[1].contains(",1,100,700,") && rows[1].contains(",ok,"));
        QVERIFY(rows[2].contains(",2,100,701,") && rows[2].contains(",failed: "));
        QVERIFY(rows[3].contains(",3,100,701,") && rows[3].contains(",ok,"));
        // The template's bytes, the identity apart.
        const QJsonObject want = readJson(dir.filePath("template-radio.json")), got = readJson(dir.filePath("r3.json"));
        for (const char *area : {"channel", "settings", "2tone", "5tone"})
            QCOMPARE(got[area], want[area]);
        QCOMPARE(blockOf(got, "fleetsync", 0)[2] | blockOf(got, "fleetsync", 0)[3] << 8, 701);
    }

    void theDialogGivesWhatItShows()
    {
        CapturedDialogs dialogs;
        FleetDialog dialog;
        QPushButton *start = dialog.Buttons->button(QDialogButtonBox::Ok);
        QVERIFY(!start->isEnabled()); // no template yet
        dialog.TemplateEdit->setText("t.json");
        QVERIFY(start->isEnabled());
        QCOMPARE(dialog.Setup().identities, FleetSetup::Identities::KeepOwn);
        dialog.FromList->setChecked(true);
        QVERIFY(!start->isEnabled()); // a list needs its file
        dialog.IdsEdit->setText("ids.csv");
        QVERIFY(start->isEnabled());
        dialog.Counting->setChecked(true);
        QVERIFY(!dialog.IdsEdit->isEnabled());
        dialog.FirstId->setValue(500);
        dialog.Step->setValue(2);
        dialog.DtmfFollows->setChecked(true);
        dialog.LogEdit->setText("log.csv");
        const FleetSetup setup = dialog.Setup();
        QCOMPARE(setup.identities, FleetSetup::Identities::Counting);
        QCOMPARE(setup.templateFile, QString("t.json"));
        QCOMPARE(setup.logFile, QString("log.csv"));
        QCOMPARE(setup.firstId, 500);
        QCOMPARE(setup.step, 2);
        QVERIFY(setup.dtmfIdFollows);
        // Every Alt key of the dialog is its own (Alt+S was Start and Step).
        QStringList keys;
        for (const QObject *o : dialog.findChildren<QObject *>()) {
            QString text;
            if (const auto *b = qobject_cast<const QAbstractButton *>(o))
                text = b->text();
            else if (const auto *l = qobject_cast<const QLabel *>(o); l && l->buddy())
                text = l->text();
            const int amp = text.remove(QStringLiteral("&&")).indexOf(QLatin1Char('&'));
            if (amp >= 0 && amp + 1 < text.size())
                keys << text.mid(amp + 1, 1).toLower();
        }
        QVERIFY(keys.size() >= 9);
        QCOMPARE(QSet<QString>(keys.begin(), keys.end()).size(), keys.size());
    }
};

QTEST_MAIN(FleetWindowTest)
#include "FleetWindowTest.moc"
