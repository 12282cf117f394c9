// Every main transfer keeps a way out: Escape and the window manager's
// close on the progress dialog cancel it, and closing the main window stops
// everything and ends the application. Against a radio that never answers.

#include "UiTestSupport.h"
#include "support/VirtualRadio.h"

#include "serial/TComm.h"

#include <QCloseEvent>
#include <QLabel>
#include <QComboBox>
#include <QPushButton>

using namespace lumora;
using namespace lumora::test;

namespace {

// What the application waits for before it quits: a shown window that
// counts for quitting.
bool aWindowKeepsTheApplicationAlive()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->testAttribute(Qt::WA_QuitOnClose))
            return true;
    return false;
}

} // namespace

class TransferWayOutTest : public QObject {
    Q_OBJECT
    std::unique_ptr<VirtualRadio> radio;
    std::unique_ptr<MainWindowUnderTest> window;
    TForm1 *form = nullptr;
    TForm3 *progress = nullptr;

    void start(bool reading)
    {
        if (reading)
            form->rbtnClick();
        else
            form->wbtnClick();
        QVERIFY(form->Tim1->isActive());
        QVERIFY(form->Comm1->IsOpen());
        QVERIFY(progress->isVisible());
        QVERIFY(!form->centralWidget()->isEnabled());
        QCOMPARE(MessageBoxParent(), progress); // a box comes up in front of the dialog
    }
    // Nothing is left running and the window takes input again.
    void checkStopped(bool windowUsable = true)
    {
        QVERIFY(!form->Tim1->isActive());
        QVERIFY(!form->Comm1->IsOpen());
        QVERIFY(!progress->isVisible());
        QVERIFY(form->rbtn->isEnabled());
        QVERIFY(form->wbtn->isEnabled());
        QVERIFY(form->comcbb->isEnabled());
        if (windowUsable)
            QVERIFY(form->centralWidget()->isEnabled());
    }

private slots:
    void init()
    {
        radio = std::make_unique<VirtualRadio>(QStringList{"--drop", "1"});
        QVERIFY(radio->ok());
        window = std::make_unique<MainWindowUnderTest>();
        form = &window->form;
        progress = &window->progress;
        form->SelectPort(radio->device());
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
    }
    void cleanup()
    {
        window.reset();
        radio.reset();
    }

    void escapeOnTheProgressDialogCancels_data()
    {
        QTest::addColumn<bool>("reading");
        QTest::newRow("read") << true;
        QTest::newRow("write") << false;
    }
    void escapeOnTheProgressDialogCancels()
    {
        QFETCH(bool, reading);
        int cancels = 0;
        QObject listener; // hears nothing after this test
        connect(form, &TForm1::MainTransferEnded, &listener, [&](TransferEnd end) { cancels += end == TransferEnd::Cancelled; });
        start(reading);
        QApplication::setActiveWindow(progress);
        QTest::keyClick(progress, Qt::Key_Escape);
        checkStopped();
        QCOMPARE(cancels, 1); // heard once, as a cancel
        progress->Button2Click(); // with nothing under way: no end to tell
        QCOMPARE(cancels, 1);
    }

    // The radio silent: the dialog says for how long (after a wait
    // shortened here), and Enter restarts nothing.
    void theDialogSaysHowLongTheRadioHasBeenSilent_data() { escapeOnTheProgressDialogCancels_data(); }
    void theDialogSaysHowLongTheRadioHasBeenSilent()
    {
        QFETCH(bool, reading);
        form->SilenceNoticeMs = 600;
        int retries = 0;
        QObject listener; // hears nothing after this test
        connect(progress, &TForm3::RetryClicked, &listener, [&] { ++retries; });
        start(reading);
        QCOMPARE(progress->Label1->text(), QString("Greeting the radio"));
        QTRY_VERIFY_WITH_TIMEOUT(progress->Label1->text().startsWith("The radio has not answered for "), 5000);
        QVERIFY(progress->Label1->text().endsWith(reading ? " s. Cancel stops the read." : " s. Cancel stops the write."));
        QApplication::setActiveWindow(progress);
        QTest::keyClick(progress, Qt::Key_Return);
        QCOMPARE(retries, 0);
        QVERIFY(progress->isVisible());
        progress->Button2Click();
    }

    void theWindowManagersCloseOnTheProgressDialogCancels_data() { escapeOnTheProgressDialogCancels_data(); }
    void theWindowManagersCloseOnTheProgressDialogCancels()
    {
        QFETCH(bool, reading);
        start(reading);
        QCloseEvent close;
        QApplication::sendEvent(progress, &close);
        checkStopped();
    }

    void closingTheMainWindowDuringAReadStopsItAndEndsTheApplication()
    {
        start(true);
        QVERIFY(form->close());
        checkStopped(false);
        QVERIFY(window->dialogs.questions.isEmpty()); // a read is not worth a question
        QVERIFY(!form->isVisible());
        QVERIFY(!aWindowKeepsTheApplicationAlive());
    }

    void closingTheMainWindowDuringAWriteAsksFirst()
    {
        start(false);
        window->dialogs.nextAnswer = false; // keep writing
        QVERIFY(!form->close());
        QCOMPARE(window->dialogs.questions.size(), 1);
        QVERIFY(window->dialogs.questions[0].contains("half-written"));
        QVERIFY(form->isVisible());
        QVERIFY(form->Tim1->isActive());
        QVERIFY(form->Comm1->IsOpen());
        QVERIFY(progress->isVisible());
        QVERIFY(!form->wbtn->isEnabled());

        window->dialogs.nextAnswer = true; // stop it
        QVERIFY(form->close());
        checkStopped(false);
        QVERIFY(!aWindowKeepsTheApplicationAlive());
    }
};

LUMORA_WINDOW_TEST_MAIN(TransferWayOutTest)
#include "TransferWayOutTest.moc"
