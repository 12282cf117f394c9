// Finding the cable from the window: the port list read afresh on every
// drop-down, with descriptions, "Check connection", "Find cable..." and
// the diagnostic report.

#include "UiTestSupport.h"
#include "support/VirtualRadio.h"

#include "serial/PortList.h"
#include "serial/TComm.h"
#include "ui/FindCableDialog.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace lumora;
using namespace lumora::test;

class PortsTest : public QObject {
    Q_OBJECT
    QTemporaryDir linked;

private slots:
    void initTestCase() { qputenv("LUMORA_PORTS_DIR", QFile::encodeName(linked.path())); }

    void aPortMadeAfterStartUpIsListedOnTheNextDropDown()
    {
        MainWindowUnderTest window;
        QComboBox *box = window.form.comcbb;
        QVERIFY(showActive(&window.form));
        const QString link = linked.filePath("lumora-radio");
        QCOMPARE(box->findText(link), -1);
        box->setEditText("/dev/ttyUSB7"); // typed by the user; stays

        VirtualRadio radio({"--link", link});
        QVERIFY(radio.ok());
        box->showPopup();
        const int i = box->findText(link);
        QVERIFY(i >= 0);
        QCOMPARE(box->itemData(i, Qt::ToolTipRole).toString(), QString("LUMORA virtual radio"));
        QCOMPARE(box->currentText(), QString("/dev/ttyUSB7"));
        box->hidePopup();
        // Chosen from the list, the box holds the device name alone.
        box->setCurrentIndex(i);
        QCOMPARE(box->currentText(), link);

        // Gone when the radio (its cable) is gone.
        radio.process().terminate();
        radio.process().waitForFinished();
        box->showPopup();
        QCOMPARE(box->findText(link), -1);
        box->hidePopup();
    }

    void checkConnectionReportsTheChosenPortFirst()
    {
        MainWindowUnderTest window;
        VirtualRadio radio({});
        QVERIFY(radio.ok());
        window.form.SelectPort(radio.device());
        window.form.OpenPortForSignalling(); // an idle signalling window's port is checked as well
        window.form.CheckConnection1->trigger();
        QCOMPARE(window.dialogs.messages.size(), 1);
        QVERIFY2(window.dialogs.messages[0].startsWith(radio.device() + ": opens, and a radio answered."),
                 qPrintable(window.dialogs.messages[0]));
        QVERIFY(!window.form.Comm1->IsOpen());
        QVERIFY(window.form.comcbb->isEnabled());
        QVERIFY(window.dialogs.errors.isEmpty());
    }

    void findCableNamesTheLinkThatComesBackAndTheWindowRemembersIt()
    {
        const QString link = linked.filePath("lumora-radio-find");
        VirtualRadio radio({"--link", link});
        QVERIFY(radio.ok());
        FindCableDialog dialog(ListSerialPortEntries, [] { return QStringList{"a trap"}; }, nullptr, 10000, 50);
        QVERIFY(QFile::remove(link));
        QTRY_VERIFY(dialog.Seen->text().contains(link + " went away"));
        QVERIFY(QFile::link(radio.device(), link));
        QTRY_VERIFY(dialog.UsePort->isEnabled());
        QCOMPARE(dialog.Found().name, link);
        QVERIFY2(dialog.Result->text().contains("LUMORA virtual radio"), qPrintable(dialog.Result->text()));
        FindCableDialog nothing([] { return QVector<SerialPortEntry>(); }, [] { return QStringList{"a trap"}; },
                                nullptr, 200, 50);
        QTRY_VERIFY(nothing.Result->text().startsWith("No port went away or appeared in 60 seconds.\n\na trap"));
        QVERIFY(!nothing.UsePort->isEnabled());

        MainWindowUnderTest window;
        window.form.OfferFindCable("/dev/ttyUSB7");
        QVERIFY(window.form.MissingPortPanel->text().contains("/dev/ttyUSB7 is not here."));
        QSignalSpy found(&window.form, &TForm1::CableFound);
        window.dialogs.nextCablePort = link;
        window.form.FindCable1->trigger();
        QCOMPARE(window.form.comcbb->currentText(), link);
        QCOMPARE(found.value(0).value(0).toString(), link);
        QVERIFY(window.form.MissingPortPanel->isHidden());

        // The report holds the last read's trace, not the check it makes.
        QTemporaryDir dir;
        window.form.ReadIntoGrid();
        QTRY_VERIFY(window.form.rbtn->isEnabled());
        window.dialogs.nextFileName = dir.filePath("report.txt");
        window.form.SaveReport1->trigger();
        QVERIFY(window.dialogs.errors.isEmpty());
        QFile report(dir.filePath("report.txt"));
        QVERIFY(report.open(QIODevice::ReadOnly));
        const QByteArray text = report.readAll();
        QVERIFY(text.contains("\nProgram: lumora "));
        QVERIFY2(text.contains("> 52 05 00 20\n"), text.constData()); // the read's last request
        QVERIFY(window.dialogs.messages.last().startsWith("The diagnostic report is saved in "));
    }
};

LUMORA_WINDOW_TEST_MAIN(PortsTest)
#include "PortsTest.moc"
