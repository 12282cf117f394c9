// A cable pulled in the middle of a transfer: the transfer ends at once,
// says why, and gives the window back with the port closed, for the main
// memory and for a signalling area alike.

#include "support/WindowsOnRadio.h"

#include "serial/TComm.h"

#include <QComboBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

using namespace lumora;
using namespace lumora::test;

namespace {

constexpr int kWait = 30000; // wide: the sanitizer builds are slow

} // namespace

class CableDisconnectTest : public QObject, WindowsOnRadio {
    Q_OBJECT
    int writesAfterError = 0;

    void attach(const QString &device)
    {
        form->SelectPort(device);
        form->WriteTap = [this](const uint8_t *, int) {
            if (!dialogs->errors.isEmpty())
                ++writesAfterError;
        };
    }
    void expectWindowBack()
    {
        QVERIFY(!form->Tim1->isActive());
        QVERIFY(!form->Comm1->IsOpen());
        QVERIFY(form->comcbb->isEnabled());
        QVERIFY(form->rbtn->isEnabled() && form->wbtn->isEnabled());
        QVERIFY(form->centralWidget()->isEnabled());
        QVERIFY(!progress->isVisible());
        QVERIFY(dialogs->messages.isEmpty()); // nothing reported as a success
        QTest::qWait(700);                     // two resend periods: nothing more goes out
        QCOMPARE(writesAfterError, 0);
        QCOMPARE(dialogs->errors.size(), 1);
    }

private slots:
    void init()
    {
        open();
        writesAfterError = 0;
    }
    void cleanup() { close(); }

    void aMainTransferEndsWhenTheCableIsPulled_data()
    {
        QTest::addColumn<bool>("reading");
        QTest::addColumn<QString>("message");
        QTest::newRow("read") << true << "The cable was disconnected, so the read from the radio did not complete.";
        QTest::newRow("write") << false << "The cable was disconnected, so the write to the radio did not complete.";
    }
    void aMainTransferEndsWhenTheCableIsPulled()
    {
        QFETCH(bool, reading);
        QFETCH(QString, message);
        VirtualRadio radio({"--hangup-after", "6"});
        QVERIFY(radio.ok());
        attach(radio.device());
        QStringList ends; // what those who wait for the end hear
        QObject listener; // hears nothing after this test
        connect(form, &TForm1::MainTransferEnded, &listener, [&](TransferEnd end, const QString &reason) {
            ends << (end == TransferEnd::Failed ? reason : QStringLiteral("not a failure"));
        });
        reading ? form->rbtnClick() : form->wbtnClick();
        QTRY_VERIFY_WITH_TIMEOUT(!dialogs->errors.isEmpty(), kWait);
        QVERIFY2(dialogs->errors[0].startsWith(message + " | The serial port " + radio.device() + " went away."),
                 qPrintable(dialogs->errors[0]));
        QCOMPARE(ends, QStringList{message});
        QCOMPARE(dialogs->errors[0].contains("half-written"), !reading);
        expectWindowBack();
    }

    void aSignallingTransferEndsWhenTheCableIsPulled_data()
    {
        QTest::addColumn<QString>("area");
        QTest::addColumn<bool>("reading");
        QTest::newRow("DTMF read") << "dtmf" << true;
        QTest::newRow("2TONE write") << "2tone" << false;
        QTest::newRow("FleetSync write (never resends)") << "fsk" << false;
    }
    void aSignallingTransferEndsWhenTheCableIsPulled()
    {
        QFETCH(QString, area);
        QFETCH(bool, reading);
        VirtualRadio radio({"--hangup-after", "2"});
        QVERIFY(radio.ok());
        attach(radio.device());
        TSignallingForm &w = *windows->Area(area);
        bool ended = false, completed = true;
        connect(&w, &TSignallingForm::TransferEnded, this, [&](bool ok) {
            ended = true;
            completed = ok;
        });
        reading ? w.rbtnClick() : w.wbtnClick(); // opens the port itself
        QVERIFY(form->Comm1->IsOpen());
        QTRY_VERIFY_WITH_TIMEOUT(!dialogs->errors.isEmpty(), kWait);
        QVERIFY(ended && !completed);
        QVERIFY(w.Timer1->isActive() == false);
        QVERIFY(w.rbtn->isEnabled() && w.wbtn->isEnabled() && !w.ProgressBar1->isVisible());
        QVERIFY2(dialogs->errors[0].startsWith(QString("The cable was disconnected, so the %1 %2 did not complete.")
                                                       .arg(w.AreaName(), reading ? "read" : "write")),
                 qPrintable(dialogs->errors[0]));
        expectWindowBack();

        // Plugged in again: the next read opens the port by itself.
        VirtualRadio again({});
        form->SelectPort(again.device());
        dialogs->errors.clear();
        w.rbtnClick();
        QTRY_VERIFY_WITH_TIMEOUT(!w.ReadUnderWay(), kWait);
        QVERIFY2(dialogs->errors.isEmpty(), qPrintable(dialogs->errors.join('\n')));
    }

    void aHangupWithNothingUnderWayOnlyClosesThePort()
    {
        VirtualRadio radio({});
        attach(radio.device());
        form->OpenPortForSignalling();
        radio.process().terminate(); // the radio goes, and its line with it
        QTRY_VERIFY_WITH_TIMEOUT(!form->Comm1->IsOpen(), kWait);
        QVERIFY(form->comcbb->isEnabled());
        QVERIFY(dialogs->errors.isEmpty() && dialogs->messages.isEmpty());
    }
};

LUMORA_WINDOW_TEST_MAIN(CableDisconnectTest)
#include "CableDisconnectTest.moc"
