// The main window's transfers of the main memory, and the receive handler
// through which every answer of every window passes.

#include "ui/TForm1.h"

#include "memory/ChannelBlock.h"
#include "memory/ChannelColumns.h"
#include "memory/Errors.h"
#include "protocol/Crc16.h"
#include "protocol/FrameSender.h"
#include "protocol/MainMemoryFrames.h"
#include "protocol/ReceiveDispatcher.h"
#include "serial/TComm.h"
#include "ui/TForm3.h"
#include "ui/TXStringGrid.h"
#include "ui/UserDialogs.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QTimer>

namespace lumora {

namespace {
constexpr int kMainReadSteps = 16;
constexpr int kMainWriteSteps = 17;
} // namespace

bool TForm1::WriteBytes(const uint8_t *data, int count)
{
    if (WriteTap)
        WriteTap(data, count);
    return count > 0 && count <= 0xFFFF && Comm1->WriteBytes(data, static_cast<uint16_t>(count));
}

void TForm1::SendData(const FrameBuffer &buffer, int count) { lumora::SendData(*this, buffer, count); }

void TForm1::FillFrameCrc() { lumora::FillFrameCrc(TxBuffer.data()); }

void TForm1::Tim1Timer()
{
    lumora::Tim1Timer(*this, TxBuffer);
    ++Resends;
    // The main transfers never give up by themselves: the dialog says how
    // long the radio has been silent, so that the user knows to stop. (A
    // write's read-back is part of the write.)
    const bool writing = MainWriteUnderWay();
    if (Form3 && (writing || MainReadUnderWay()) && lastAnswer_.isValid() && lastAnswer_.elapsed() >= SilenceNoticeMs)
        Form3->ShowSilence(static_cast<int>(lastAnswer_.elapsed() / 1000),
                           writing ? QStringLiteral("write") : QStringLiteral("read"), answers_.Strays() > 0);
}

void TForm1::mainAnswerHeard(const QString &nextStep)
{
    lastAnswer_.start();
    answers_.MovedOn();
    if (Form3)
        Form3->ShowStep(nextStep);
}

namespace {

enum class Step { Reading, Checking, Writing };

QString channelStep(Step doing, int channel)
{
    const QString text = doing == Step::Reading    ? TForm1::tr("Reading channel %1 of %2")
                         : doing == Step::Checking ? TForm1::tr("Checking the write: channel %1 of %2")
                                                   : TForm1::tr("Writing channel %1 of %2");
    return text.arg(channel).arg(kChannelCount);
}

} // namespace

bool TForm1::MainReadUnderWay() const { return !rbtn->isEnabledTo(client_); }

bool TForm1::MainWriteUnderWay() const { return !wbtn->isEnabledTo(client_); }

bool TForm1::readIntoGridUnderWay() const { return MainReadUnderWay() && read_ && !read_->verifying; }

bool TForm1::AnyTransferUnderWay() const
{
    return MainReadUnderWay() || MainWriteUnderWay() || signallingTransferUnderWay();
}

ISignallingTransfer *TForm1::signallingWindowWhere(const std::function<bool(const ISignallingTransfer &)> &test) const
{
    for (const auto &[type, w] : routes_.InTestOrder())
        if (test(*w))
            return w;
    return nullptr;
}

bool TForm1::signallingTransferUnderWay() const
{
    return signallingWindowWhere([](const ISignallingTransfer &w) { return w.ReadUnderWay() || w.WriteUnderWay(); });
}

void TForm1::StartTim1() { Tim1->start(); }

void TForm1::StopTim1() { Tim1->stop(); }

bool TForm1::OtherTransferUnderWay(const ISignallingTransfer *asking) const
{
    return MainReadUnderWay() || MainWriteUnderWay() || signallingWindowWhere([asking](const ISignallingTransfer &w) {
               return &w != asking && (w.ReadUnderWay() || w.WriteUnderWay());
           });
}

bool TForm1::writeUnderWay() const
{
    return MainWriteUnderWay() || signallingWindowWhere([](const ISignallingTransfer &w) { return w.WriteUnderWay(); });
}

void TForm1::closeEvent(QCloseEvent *event)
{
    bool mayClose = false;
    try {
        // The signalling areas first: a write they ask for closes again when done.
        mayClose = true;
        for (ISignallingTransfer *w : routes_.InAreaOrder())
            mayClose = mayClose && w->AskToWriteChanges([this] { close(); });
        mayClose = mayClose && AskToSaveChanges();
    } catch (const std::exception &e) {
        ShowException(e); // the save failed: the window and its table stay
    }
    if (!mayClose) {
        event->ignore();
        return;
    }
    if (writeUnderWay()
        && !UserDialogs().AskYesNo(tr(
                "A write to the radio is under way. If it stops now, the radio is left "
                "half-written until you write it again.\n\nStop the write and close LUMORA?"))) {
        event->ignore();
        return;
    }
    stopAllTransfers();
    QMainWindow::closeEvent(event);
}

void TForm1::stopAllTransfers()
{
    Tim1->stop();
    if (Form3 && (MainReadUnderWay() || MainWriteUnderWay()))
        CancelMainTransfer(); // buttons back, port closed
    if (Form3)
        Form3->hide();
    for (QWidget *w : signalling_)
        if (w)
            w->hide();
    Comm1->ClosePort(); // also a port a signalling window opened; joins the serial threads
    comcbb->setEnabled(true);
}

void TForm1::refuseIfOtherTransfer() const
{
    // The transfers share the transmit buffer, ReadIndex and Tim1: a second
    // one would corrupt the first. (Retry restarts the main transfer that
    // is under way, so the main window's own flags do not count.)
    if (signallingTransferUnderWay())
        throw ELumoraError(tr(
                "Another transfer is under way in a signalling window. Wait until it has "
                "finished, or close that window, then try again"));
}

void TForm1::Comm1ReceiveData(const uint8_t *buffer, uint16_t length)
{
    DispatchReceivedChunk(buffer, length, RxBuffer, *this, routes_, unchecked_);
}

void TForm1::Comm1RequestHangup()
{
    // Without this the transfer would resend into a dead line for ever.
    QString what;
    QString unchanged; // what a read that did not complete left as it was
    bool writing = false;
    const bool mainTransfer = MainReadUnderWay() || MainWriteUnderWay();
    const bool readingIntoGrid = readIntoGridUnderWay();
    if (mainTransfer) {
        writing = MainWriteUnderWay();
        what = writing ? tr("write to the radio")
                       : read_ && read_->verifying ? tr("verify") : tr("read from the radio");
        endMainTransferQuietly(); // buttons back, window usable
    } else if (ISignallingTransfer *w = signallingWindowWhere(
                       [](const ISignallingTransfer &t) { return t.ReadUnderWay() || t.WriteUnderWay(); })) {
        writing = w->WriteUnderWay();
        what = QStringLiteral("%1 %2").arg(w->AreaName(), writing ? QStringLiteral("write") : QStringLiteral("read"));
        if (!writing)
            unchanged = QLatin1Char(' ') + w->UnchangedByReadText();
        w->StopTransfer();
    }
    Tim1->stop();
    const QString port = Comm1->CommName;
    Comm1->ClosePort(); // the next transfer opens it again
    comcbb->setEnabled(true);
    if (what.isEmpty())
        return; // nothing was under way: nothing was lost
    QString detail = tr("The serial port %1 went away. Check that the cable is plugged in "
                                    "and the radio is on, then try again.")
                             .arg(port);
    if (writing)
        detail += tr(" The radio is left half-written until you write it again.");
    else if (readingIntoGrid)
        detail += tr(" The table and the options are as they were before the read.");
    detail += unchanged;
    const QString text = tr("The cable was disconnected, so the %1 did not complete.").arg(what);
    UserDialogs().ShowError(text, detail);
    if (mainTransfer)
        emit MainTransferEnded(TransferEnd::Failed, text);
}

void TForm1::SendAcknowledgement() { SendData(TxBuffer, BuildAcknowledgement(TxBuffer)); }

// The first steps of both main transfers: the dialog up, the port
// reopened (a failure ends the click there, with the dialog still up),
// the port selector off and the signalling windows reachable.
void TForm1::beginMainTransfer(int steps)
{
    Form3->move(x() + 150, y() + 200);
    Form3->ProgressBar1->setRange(0, steps);
    Form3->ProgressBar1->setValue(0);
    Form3->ShowStep(tr("Greeting the radio"));
    lastAnswer_.start();
    Form3->show();
    Comm1->CommName = comcbb->currentText();
    Comm1->ClosePort();
    Comm1->OpenPort();
    comcbb->setEnabled(false);
    for (QAction *entry : SignaEntries)
        entry->setEnabled(true);
}

// --- main read ---------------------------------------------------------

void TForm1::rbtnClick()
{
    if (!AnyTransferUnderWay() && !AskToSaveChanges())
        return; // the read would replace unsaved changes
    ReadIntoGrid();
}

void TForm1::ReadIntoGrid()
{
    read_ = std::make_unique<MainRead>(); // into the grid, once it has all come
    startMainRead();
}

void TForm1::startMainRead()
{
    refuseIfOtherTransfer();
    if (!MainReadUnderWay() && MainWriteUnderWay())
        throw ELumoraError(tr("A write to the radio is under way. Wait until it has finished, or cancel it"));
    beginMainTransfer(kMainReadSteps);
    if (!read_)
        read_ = std::make_unique<MainRead>();
    if (!read_->verifying) { // the grid as it is: what no block carries stays
        CopyCells(*xg, read_->read);
        read_->readOptions = Options();
    }
    sendGreetingForRead();
    EnableWindow(false);
}

void TForm1::sendGreetingForRead()
{
    ReadIndex = 0;
    answers_.Forget();
    rbtn->setEnabled(false);
    SendData(TxBuffer, BuildGreeting(TxBuffer));
    Tim1->start();
}

void TForm1::MainReadGreetingAnswered()
{
    // Once a channel has come, an acknowledgement is a late copy of the
    // greeting's (the radio answered a resent greeting too).
    if (answers_.HasAsked() && !answers_.Answers(static_cast<int>(BlockType::Channel), 1))
        return;
    // Also a second acknowledgement: channel 1 is asked for again.
    SendData(TxBuffer, BuildReadRequest(TxBuffer, BlockType::Channel, 1));
    answers_.Ask(static_cast<int>(BlockType::Channel), 1);
    mainAnswerHeard(channelStep(read_ && read_->readingBack ? Step::Checking : Step::Reading, 1));
}

void TForm1::MainReadDataAnswer()
{
    // An answer for another block than the one asked for is a late copy
    // (the radio answered a resent request too): it changes nothing, and
    // the request stays pending.
    if (!answers_.Answers(RxBuffer[1], RxBuffer[2])) {
        Tim1->start();
        return;
    }
    Tim1->stop();
    bool ended = false;
    const bool options = RxBuffer[1] == static_cast<uint8_t>(BlockType::Settings);
    const int block = options ? kChannelCount : RxBuffer[2] - 1;
    if (block >= 0 && block < kMainBlockCount) // the bytes as they came, for comparing
        std::copy_n(RxBuffer.begin() + kPayloadOffset, kPayloadLength, read_->blocks[static_cast<size_t>(block)].begin());
    const bool readingBack = read_->readingBack;
    // Into a table of its own: the grid only once the read is complete.
    if (options) {
        DecodeSettingsBlock(RxBuffer.data(), read_->readOptions);
        Tim1->stop();
        std::unique_ptr<MainRead> done = std::move(read_);
        lastRead_ = done->blocks;
        emit RadioImageRead(readingBack     ? QStringLiteral("read back after write")
                            : done->verifying ? QStringLiteral("verify")
                                              : QStringLiteral("read"));
        if (readingBack) {
            endReadBack(done->blocks);
            return;
        }
        rbtn->setEnabled(true);
        RxBuffer[2] = 20;
        Form3->hide();
        endOfMainTransfer();
        ended = true;
        if (done->verifying) {
            const QStringList differences = CompareMainMemoryBytes(done->written, done->blocks);
            ShowMessage(differences.isEmpty()
                                ? tr("The radio holds what the table holds.")
                                : (differences.size() == 1
                                                   ? tr("The radio differs from the table in 1 field:\n")
                                                   : tr("The radio differs from the table in %1 fields:\n")
                                                             .arg(differences.size()))
                                          + differences.join(QLatin1Char('\n')));
        } else {
            CopyCells(done->read, *xg);
            setOptions(done->readOptions);
            baseline_.blocks = done->blocks;
            CopyCells(*xg, baseline_.channels);
            baseline_.options = Options();
            baseline_.rows = UnchangedOrder();
            ++baselineTaken_;
            showValuesNotWrittenBack();
            fileName_.clear(); // another radio's table: Save asks where, never overwrites the file
            markSaved();
            ShowMessage(tr("   Read Succeed!"));
        }
        EnableWindow(true);
    } else {
        DecodeChannelBlock(RxBuffer.data(), read_->read);
    }
    ReadIndex = RxBuffer[2] + 1;
    if (ReadIndex < 17) {
        BuildReadRequest(TxBuffer, BlockType::Channel, static_cast<uint8_t>(ReadIndex));
        WriteBytes(TxBuffer.data(), kRequestLength); // one write of four bytes
        EndOfMessage();
        answers_.Ask(static_cast<int>(BlockType::Channel), ReadIndex);
        mainAnswerHeard(channelStep(readingBack ? Step::Checking : Step::Reading, ReadIndex));
        Form3->Step();
    }
    if (ReadIndex == 17) {
        QThread::msleep(2);
        ReadIndex = 0;
        SendData(TxBuffer, BuildReadRequest(TxBuffer, BlockType::Settings, 0));
        answers_.Ask(static_cast<int>(BlockType::Settings), 0);
        mainAnswerHeard(readingBack ? tr("Checking the write: the options")
                                    : tr("Reading the options"));
        // The dialog stays up with Cancel until the settings have come.
    }
    if (!ended)
        Tim1->start();
    else
        emit MainTransferEnded(TransferEnd::Completed, QString());
}

void TForm1::wbtnClick()
{
    MoveFocusOn(); // ends a cell edit in progress
    refuseIfOtherTransfer();
    if (!MainWriteUnderWay() && MainReadUnderWay())
        throw ELumoraError(tr("A read from the radio is under way. Wait until it has finished, or cancel it"));
    // Nothing goes out of a table that cannot be written whole.
    sent_ = WriteBlocks();
    answers_.WriteStarts(Resends);
    Tim1->start();
    beginMainTransfer(kMainWriteSteps);
    wbtn->setEnabled(false);
    WriteAckCount = 0;
    SendData(TxBuffer, BuildGreeting(TxBuffer));
    EnableWindow(false);
}

void TForm1::MainWriteAcknowledged()
{
    if (read_ && read_->readingBack)
        return; // a late copy's: every frame has gone
    Tim1->stop();
    ++WriteAckCount;
    Form3->Step();
    if (WriteAckCount >= 1 && WriteAckCount <= 16) {
        const int length = BuildChannelFrame(TxBuffer, *xg, WriteAckCount, &baseline_);
        recordSent(WriteAckCount - 1);
        SendData(TxBuffer, length);
        Tim1->start();
        mainAnswerHeard(channelStep(Step::Writing, WriteAckCount));
    } else if (WriteAckCount == 17) {
        const int length = BuildSettingsFrame(TxBuffer, Options(), &baseline_, xg);
        recordSent(kChannelCount);
        SendData(TxBuffer, length);
        Tim1->start();
        mainAnswerHeard(tr("Writing the options"));
    } else if (WriteAckCount == 18) {
        WriteAckCount = 0;
        if (answers_.WriteNeedsReadBack(Resends)) {
            startReadBack(); // the count may have run ahead of the frames stored
            return;
        }
        wbtn->setEnabled(true);
        endMainTransferQuietly();
        emit RadioWritten();
        ShowMessage(tr("Write Succeed!"));
        EnableWindow(true);
        emit MainTransferEnded(TransferEnd::Completed, QString());
    }
}

void TForm1::startReadBack()
{
    auto back = std::make_unique<MainRead>();
    back->verifying = true;
    back->readingBack = true;
    readBack_.Start(sent_, tr("The radio answered late, so it was read back after the write."));
    read_ = std::move(back);
    Form3->ProgressBar1->setRange(0, kMainReadSteps);
    Form3->ProgressBar1->setValue(0);
    mainAnswerHeard(tr("Reading the radio back to check the write"));
    sendGreetingForRead(); // the write stays under way until the radio is checked
}

void TForm1::endOfMainTransfer()
{
    read_.reset(); // a read that did not complete leaves the grid as it was
    wbtn->setEnabled(true);
    rbtn->setEnabled(true);
    comcbb->setEnabled(true);
    Comm1->ClosePort();
}

// --- the progress dialog's buttons ------------------------------------

void TForm1::setProgressDialog(TForm3 *form3)
{
    Form3 = form3;
    connect(Form3, &TForm3::RetryClicked, this, &TForm1::RetryMainTransfer);
    connect(Form3, &TForm3::CancelClicked, this, &TForm1::CancelClick);
}

void TForm1::RetryMainTransfer()
{
    EnableWindow(true);
    Tim1->stop();
    const bool reading = wbtn->isEnabledTo(client_);
    Comm1->ClosePort();
    Form3->hide();
    QThread::msleep(300);
    if (reading) {
        startMainRead(); // the same read again, a verify included
    } else {
        read_.reset(); // a write's read-back starts again with the write
        rbtn->setEnabled(true);
        wbtnClick();
    }
}

void TForm1::endMainTransferQuietly()
{
    Tim1->stop();
    endOfMainTransfer();
    if (Form3)
        Form3->hide();
    EnableWindow(true);
}

void TForm1::CancelClick()
{
    const bool readingIntoGrid = readIntoGridUnderWay();
    CancelMainTransfer();
    if (readingIntoGrid)
        ShowMessage(tr("The read from the radio was cancelled; the table and the options are as they were."));
}

void TForm1::CancelMainTransfer()
{
    const bool underWay = MainReadUnderWay() || MainWriteUnderWay();
    endMainTransferQuietly();
    if (underWay)
        emit MainTransferEnded(TransferEnd::Cancelled, QString());
}

} // namespace lumora
