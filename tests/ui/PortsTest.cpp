// Finding the cable from the window: the port list read afresh on every
// drop-down, with descriptions, and "Check connection".

#include "UiTestSupport.h"
#include "support/VirtualRadio.h"

#include "serial/TComm.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
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
};

LUMORA_WINDOW_TEST_MAIN(PortsTest)
#include "PortsTest.moc"
