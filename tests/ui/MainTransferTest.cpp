// Main reads and writes end to end: the window, the port and the virtual
// radio on a pseudo-terminal.

#include "UiTestSupport.h"
#include "support/JsonFiles.h"
#include "support/VirtualRadio.h"

#include "memory/ChannelBlock.h"
#include "memory/ChannelColumns.h"
#include "memory/TextTable.h"
#include "protocol/MainMemoryFrames.h"
#include "serial/TComm.h"
#include "ui/TForm1.h"
#include "ui/TForm3.h"
#include "ui/TXStringGrid.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>

using namespace lumora;
using namespace lumora::test;

namespace {

constexpr int kWait = 30000; // wide: the sanitizer builds are slow

using Bytes = QByteArray;

struct Write {
    qint64 at; // ns since the test's clock started
    Bytes bytes;
};

FrameBuffer frameOf(const QJsonObject &image, const char *area, int i, int type, int index)
{
    FrameBuffer f{};
    f[0] = 0x57;
    f[1] = static_cast<uint8_t>(type);
    f[2] = static_cast<uint8_t>(index);
    const Bytes payload = Bytes::fromHex(image[area].toArray()[i].toString().toLatin1());
    std::copy(payload.begin(), payload.end(), f.begin() + 4);
    return f;
}

// What the radio's image means, decoded by the codecs.
TextTable tableOf(const QJsonObject &image, OptionTexts &options)
{
    TextTable t(kChannelColumns, kChannelRows);
    FillChannelLabels(t);
    for (int n = 1; n <= 16; ++n)
        DecodeChannelBlock(frameOf(image, "channel", n - 1, 0, n).data(), t);
    options = DefaultOptionTexts();
    DecodeSettingsBlock(frameOf(image, "settings", 0, 5, 0).data(), options);
    return t;
}

// An image with a channel whose answer has 0x30 at byte 5 (146.48544 MHz).
QJsonObject testImage()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("m.json");
    {
        VirtualRadio radio({"--memory", file, "--exit-after", "1"});
    }
    QJsonObject image = readJson(file);
    QJsonArray channels = image["channel"].toArray();
    Bytes ch7 = Bytes::fromHex(channels[0].toString().toLatin1());
    ch7[0] = char(0xC0);
    ch7[1] = char(0x30); // frame byte 5
    channels[6] = QString::fromLatin1(ch7.toHex());
    image["channel"] = channels;
    return image;
}

} // namespace

class MainTransferTest : public QObject {
    Q_OBJECT
    QTemporaryDir *dir = nullptr;
    std::unique_ptr<MainWindowUnderTest> window;
    CapturedDialogs *dialogs = nullptr;
    TForm1 *form = nullptr;
    TForm3 *progress = nullptr;
    QElapsedTimer clock;
    std::vector<Write> writes;
    std::vector<std::pair<qint64, Bytes>> received;

    QString memory() const { return dir->filePath("radio.json"); }

    void attach(const QString &device)
    {
        form->SelectPort(device);
        writes.clear();
        received.clear();
        form->WriteTap = [this](const uint8_t *d, int n) {
            writes.push_back({clock.nsecsElapsed(), Bytes(reinterpret_cast<const char *>(d), n)});
        };
        form->Comm1->OnReceiveData = [this](TComm *, const uint8_t *b, uint16_t n) {
            received.emplace_back(clock.nsecsElapsed(), Bytes(reinterpret_cast<const char *>(b), n));
            form->Comm1ReceiveData(b, n);
        };
    }

    bool readSucceeded() { return dialogs->messages.contains("   Read Succeed!"); }
    bool writeSucceeded() { return dialogs->messages.contains("Write Succeed!"); }

    // The table the window shows, as text.
    QStringList cells(const ICellTable &t) const
    {
        QStringList l;
        for (int r = 0; r < kChannelRows; ++r)
            for (int c = 0; c < kChannelColumns; ++c)
                l << t.cellText(c, r);
        return l;
    }

    void fillTable()
    {
        const QStringList rows[] = {
            {"146.52000", "146.52000", "NONE", "67.0", "HIGH", "WIDE", "YES", "25000", "1", "#",
             "BOTH", "3", "FSK", "7", "YES"},
            {"446.00625", "", "023I", "754N", "LOW", "NARROW", "NONE", "6250", "NONE", "NONE",
             "NONE", "NONE", "DTMF", "1", "NONE"},
        };
        for (int c = 0; c < 15; ++c) {
            form->xg->setCells(c + 1, 2, rows[0][c]);
            form->xg->setCells(c + 1, 16, rows[1][c]);
        }
        form->OptionBoxes[OptTot]->setEditText("180");
        form->OptionBoxes[OptPf1]->setEditText("Monitor");
    }

    // The image blocks a write of the window's table must leave: a channel
    // left as read goes back as the radio gave it.
    void expectWritten(const QJsonObject &image)
    {
        FrameBuffer tx{};
        BuildGreeting(tx);
        for (int n = 1; n <= 16; ++n) {
            BuildChannelFrame(tx, *form->xg, n, &form->Baseline());
            const Bytes block(reinterpret_cast<const char *>(tx.data()) + 4, 28);
            QCOMPARE(image["channel"].toArray()[n - 1].toString(), QString::fromLatin1(block.toHex()));
        }
        BuildSettingsFrame(tx, form->Options(), &form->Baseline(), form->xg);
        const Bytes settings(reinterpret_cast<const char *>(tx.data()) + 4, 28);
        QCOMPARE(image["settings"].toArray()[0].toString(), QString::fromLatin1(settings.toHex()));
        // And by hand, the bytes the radio needs for channel 2.
        QVERIFY(image["channel"].toArray()[1].toString().startsWith("c0b7bb08c0b7bb08ffff9e02"));
    }

private slots:
    void init()
    {
        clock.start();
        dir = new QTemporaryDir;
        writeJson(memory(), testImage());
        window = std::make_unique<MainWindowUnderTest>();
        dialogs = &window->dialogs;
        form = &window->form;
        progress = &window->progress;
    }
    void cleanup()
    {
        window.reset();
        delete dir;
    }

    void verifyComparesTheRadioWithTheGridWithoutTouchingIt()
    {
        VirtualRadio radio({"--memory", memory()});
        QVERIFY(radio.ok());
        attach(radio.device());
        form->rbtnClick();
        QTRY_VERIFY_WITH_TIMEOUT(readSucceeded(), kWait);
        dialogs->messages.clear();
        form->Verify1->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(dialogs->messages.size(), 1, kWait);
        QCOMPARE(dialogs->messages[0], QString("The radio holds what the table holds."));
        form->xg->setCells(ColTxFreq, 2, "144.90000");
        form->OptionBoxes[OptTot]->setEditText("120");
        form->Verify1->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(dialogs->messages.size(), 2, kWait);
        QCOMPARE(dialogs->messages[1], QString("The radio differs from the table in 2 fields:\n"
                                               "Channel 2, TX Freq: written 144.90000, read 145.50000\n"
                                               "Option TOT: written 120, read 60"));
        QCOMPARE(form->xg->Cells(ColTxFreq, 2), QString("144.90000")); // the grid stays the user's
        QCOMPARE(form->OptionBoxes[OptTot]->currentText(), QString("120"));
        QVERIFY(form->rbtn->isEnabled());
        QVERIFY(!form->Comm1->IsOpen());
        form->rbtnClick(); // an ordinary read fills the grid again
        QTRY_COMPARE_WITH_TIMEOUT(dialogs->messages.size(), 3, kWait);
        QCOMPARE(dialogs->messages[2], QString("   Read Succeed!"));
        QCOMPARE(form->xg->Cells(ColTxFreq, 2), QString("145.50000"));
    }

    void aReadFillsTheTableFromTheRadio()
    {
        VirtualRadio radio({"--memory", memory()});
        QVERIFY(radio.ok());
        attach(radio.device());
        form->rbtnClick();
        QVERIFY(!form->rbtn->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(readSucceeded(), kWait);
        OptionTexts options;
        const TextTable expected = tableOf(readJson(memory()), options);
        QCOMPARE(cells(*form->xg), cells(expected));
        QCOMPARE(form->Options(), options);
        QCOMPARE(form->xg->Cells(ColRxFreq, 7), QString("146.48544"));
        QVERIFY(form->rbtn->isEnabled());
        QVERIFY(form->comcbb->isEnabled());
        QVERIFY(!form->Comm1->IsOpen());
        QVERIFY(!progress->isVisible());
        QCOMPARE(form->ReadIndex, 21);
        QVERIFY(dialogs->errors.isEmpty());

        // What went on the wire.
        QCOMPARE(writes[0].bytes, Bytes("P"));
        QCOMPARE(writes[6].bytes, Bytes("M"));
        QCOMPARE(writes[7].bytes, Bytes("R"));  // channel 1: four single bytes
        QCOMPARE(writes[10].bytes, Bytes(" "));
        int next = 2;
        bool acknowledged = false;
        for (size_t i = 11; i < writes.size(); ++i) {
            const Bytes &w = writes[i].bytes;
            if (w == Bytes("R\x00", 2) + char(next) + ' ')
                ++next;
            if (w == Bytes(1, 0x06) && writes[i - 1].bytes == Bytes("R\x00\x08 ", 4))
                acknowledged = true; // after the answer for channel 7
        }
        QCOMPARE(next, 17); // channels 2 to 16, each one write of four bytes
        QVERIFY(acknowledged);
        // The settings request, byte by byte, a pause after channel 16's answer.
        const size_t s = writes.size() - 4;
        QCOMPARE(writes[s].bytes + writes[s + 1].bytes + writes[s + 2].bytes + writes[s + 3].bytes,
                 Bytes("R\x05\x00 ", 4));
        qint64 answer16 = 0;
        for (const auto &r : received)
            if (r.second.size() >= 3 && r.second[0] == 'W' && r.second[1] == 0 && r.second[2] == 16)
                answer16 = r.first;
        QVERIFY(answer16 > 0);
        QVERIFY(writes[s].at - answer16 >= 2000000);
    }

    void aWriteLeavesTheCodecsBytesInTheRadio()
    {
        VirtualRadio radio({"--memory", memory()});
        QVERIFY(radio.ok());
        attach(radio.device());
        fillTable();
        form->wbtnClick();
        QTRY_VERIFY_WITH_TIMEOUT(writeSucceeded(), kWait);
        radio.stop(); // its memory file is kept just after its last answer
        expectWritten(readJson(memory()));
        QVERIFY(form->wbtn->isEnabled());
        QVERIFY(!form->Comm1->IsOpen());
        QCOMPARE(form->WriteAckCount, 0);
        QCOMPARE(writes[7].bytes.size(), 1); // frames go out a byte at a time
        QVERIFY(dialogs->errors.isEmpty());
    }

    // A radio slower than the resend answers every copy, so the write's
    // acknowledgements run ahead of its frames: the write reads the radio
    // back, says success only when it holds every byte, names what it does
    // not hold, and never claims a write the radio fell silent during.
    void aWriteThatResentIsReadBackBeforeItSucceeds()
    {
        fillTable();
        auto writeTo = [&](const QStringList &args) {
            dialogs->messages.clear();
            dialogs->errors.clear();
            VirtualRadio radio(args);
            attach(radio.device());
            form->SilenceNoticeMs = 3000; // late copies are no progress: room for a slow machine
            form->wbtnClick();
            QTRY_VERIFY_WITH_TIMEOUT(form->wbtn->isEnabled() || progress->Label1->text().contains("has not answered"),
                                     3 * kWait);
            form->CancelMainTransfer(); // a silent radio: the user stops
        };
        writeTo({"--memory", memory(), "--delay", "350"});
        QCOMPARE(dialogs->messages, QStringList{"Write Succeed!"});
        expectWritten(readJson(memory()));
        bool readBack = false;
        for (const Write &w : writes)
            readBack = readBack || w.bytes.startsWith("R\x00\x10 ");
        QVERIFY(readBack);

        writeTo({"--memory", memory(), "--delay", "350", "--bad-byte", "0:2:0:0x01"});
        QVERIFY(dialogs->messages.isEmpty());
        QCOMPARE(dialogs->errors.size(), 1);
        QVERIFY2(dialogs->errors[0].contains("Channel 2, RX Freq: written 146.52000 (146520000 Hz), read 146.52000 "
                                             "(146520001 Hz)"),
                 qPrintable(dialogs->errors[0]));

        for (int quiet : {16, 17, 18}) { // the greeting, then 17 frames
            const QString file = dir->filePath(QString("quiet%1.json").arg(quiet));
            writeTo({"--memory", file, "--delay", "350", "--quiet-after", QString::number(quiet)});
            QVERIFY2(dialogs->messages.isEmpty(), qPrintable(QString::number(quiet)));
        }
        QVERIFY(form->wbtn->isEnabled() && form->rbtn->isEnabled());
    }

    void lostMessagesAreSentAgainUntilBothComplete()
    {
        {
            VirtualRadio radio({"--memory", memory(), "--drop", "0.3", "--seed", "5"});
            attach(radio.device());
            form->rbtnClick();
            QTRY_VERIFY_WITH_TIMEOUT(readSucceeded(), kWait);
            OptionTexts options;
            QCOMPARE(cells(*form->xg), cells(tableOf(readJson(memory()), options)));
            bool retransmitted = false;
            for (const Write &w : writes)
                retransmitted = retransmitted || w.bytes.size() == 34;
            QVERIFY(retransmitted);
        }
        {
            VirtualRadio radio({"--memory", memory(), "--drop", "0.3", "--seed", "6"});
            attach(radio.device());
            fillTable();
            form->wbtnClick();
            QTRY_VERIFY_WITH_TIMEOUT(writeSucceeded(), kWait);
            radio.stop();
            expectWritten(readJson(memory()));
        }
    }

    void retryStartsAgainFromTheGreeting()
    {
        // The first greeting and its first retransmission are lost.
        VirtualRadio radio({"--memory", memory(), "--drop-first", "2"});
        attach(radio.device());
        form->rbtnClick();
        QTRY_VERIFY_WITH_TIMEOUT(writes.size() >= 8, kWait);
        QCOMPARE(writes[7].bytes.size(), 34); // the greeting sent again whole
        QVERIFY(writes[7].bytes.startsWith("PROGRAM"));
        QCOMPARE(writes[7].bytes.mid(32), Bytes("\x81\x20", 2));
        QTest::qWait(200);
        progress->Button1->click();
        QTRY_VERIFY_WITH_TIMEOUT(readSucceeded(), kWait);
        int greetings = 0;
        for (size_t i = 0; i + 6 < writes.size(); ++i)
            if (writes[i].bytes == Bytes("P") && writes[i + 6].bytes == Bytes("M"))
                ++greetings;
        QCOMPARE(greetings, 2);
    }

    void cancelGivesTheWindowBackWithThePortClosed()
    {
        {
            VirtualRadio silent({"--drop", "1"});
            attach(silent.device());
            form->wbtnClick();
            QTest::qWait(400);
            QVERIFY(form->Comm1->IsOpen());
            // The window takes no keys while it writes: F11 starts nothing.
            const size_t before = writes.size();
            QTest::keyClick(form, Qt::Key_F11);
            QTest::keyClick(form, Qt::Key_F12);
            QVERIFY(writes.size() <= before + 1); // at most a retransmission
            QVERIFY(dialogs->errors.isEmpty());
            QVERIFY(!form->MainReadUnderWay());
            progress->Button2->click();
            QVERIFY(!form->Comm1->IsOpen());
            QVERIFY(form->wbtn->isEnabled());
            QVERIFY(form->rbtn->isEnabled());
            QVERIFY(form->comcbb->isEnabled());
            QVERIFY(form->centralWidget()->isEnabled());
            QVERIFY(!progress->isVisible());
            const size_t sent = writes.size();
            QTest::qWait(700);
            QCOMPARE(writes.size(), sent); // nothing is sent again
        }
        VirtualRadio radio({"--memory", memory()});
        attach(radio.device());
        form->rbtnClick();
        QTRY_VERIFY_WITH_TIMEOUT(readSucceeded(), kWait);
    }

    void theDialogStaysUpUntilTheSettingsHaveCome()
    {
        // Channels answer, then the radio goes quiet: the settings request
        // is never answered (greeting + 16 requests = 17 messages).
        VirtualRadio radio({"--memory", memory(), "--quiet-after", "17"});
        attach(radio.device());
        form->rbtnClick();
        QTRY_VERIFY_WITH_TIMEOUT(progress->ProgressBar1->value() == 15 && form->ReadIndex == 0, kWait);
        QTest::qWait(400);
        QVERIFY(progress->isVisible());
        QVERIFY(!readSucceeded());
        QCOMPARE(form->xg->Cells(ColRxFreq, 1), QString()); // only a complete read fills the grid
        QCOMPARE(progress->Label1->text(), QString("Reading the options"));
        progress->Button2->click();
        QVERIFY(form->rbtn->isEnabled());
        QCOMPARE(form->xg->Cells(ColRxFreq, 1), QString());
        QCOMPARE(dialogs->messages.last(),
                 QString("The read from the radio was cancelled; the table and the options are as they were."));
    }
};

LUMORA_WINDOW_TEST_MAIN(MainTransferTest)
#include "MainTransferTest.moc"
