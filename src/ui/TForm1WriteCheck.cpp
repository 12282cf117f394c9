// What a main write stores and how it is checked: the blocks it assigns
// (the radio's own where the table still shows them), what the radio holds
// of a write that stopped, the read-back that settles an ambiguous write,
// and "Verify with radio".

#include "ui/TForm1.h"

#include "memory/ChannelColumns.h"
#include "protocol/MainMemoryFrames.h"
#include "ui/TForm3.h"
#include "ui/TXStringGrid.h"
#include "ui/UserDialogs.h"

#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <memory>

namespace lumora {

std::vector<Payload> TForm1::WriteBlocks() const { return MainWriteImage(TxBuffer, *xg, Options(), &baseline_); }

void TForm1::recordSent(int block)
{
    std::copy_n(TxBuffer.begin() + kPayloadOffset, kPayloadLength, sent_.at(static_cast<size_t>(block)).begin());
}

void TForm1::TakeBaseline(const std::vector<Payload> &blocks)
{
    baseline_ = blocks.empty() ? MainBaseline() : MainBaselineOf(blocks);
    ++baselineTaken_;
    showValuesNotWrittenBack();
}

bool TForm1::ShowsBaseline() const
{
    for (int b = 0; b < kMainBlockCount; ++b)
        if (!baseline_.kept(b, *xg, Options()))
            return false;
    return true;
}

void TForm1::showValuesNotWrittenBack()
{
    const int n = static_cast<int>(ValuesNotWrittenBack().size());
    NotWrittenBackPanel->setText(n == 0 ? QString()
                                        : n == 1 ? tr("<a href=\"list\">1 value the table cannot write back as read</a>")
                                        : tr("<a href=\"list\">%1 values the table cannot write back as read</a>").arg(n));
}

// --- main write --------------------------------------------------------

QString TForm1::MainWriteProgressText() const
{
    if (read_ && read_->readingBack)
        return tr("main memory written, its read-back not finished");
    const int frames = WriteAckCount - 1; // the first acknowledgement is the greeting's
    if (frames <= 0)
        return tr("main memory not written");
    if (frames >= kChannelCount)
        return tr("main memory: channels written, the options not acknowledged");
    return tr("main memory: channels 1 to %1 acknowledged, channels %2 to 16 and the options not written")
            .arg(frames)
            .arg(frames + 1);
}

void TForm1::endReadBack(const std::vector<Payload> &read)
{
    const QStringList differences = CompareMainMemoryBytes(readBack_.Sent(), read);
    wbtn->setEnabled(true);
    endMainTransferQuietly();
    if (differences.isEmpty()) {
        emit RadioWritten();
        ShowMessage(tr("Write Succeed!"));
        emit MainTransferEnded(TransferEnd::Completed, QString());
        return;
    }
    const QString text = tr("The write to the radio did not complete: the radio holds other values "
                                        "than were written.");
    UserDialogs().ShowError(text, (differences.size() == 1
                                         ? tr("%1 It differs in 1 field:\n").arg(readBack_.Why())
                                         : tr("%1 It differs in %2 fields:\n").arg(readBack_.Why()).arg(differences.size()))
                                          + differences.join(QLatin1Char('\n')));
    emit MainTransferEnded(TransferEnd::Failed, text);
}

void TForm1::VerifyClick()
{
    MoveFocusOn();
    // Every byte a write of the table sends; a field that does not convert
    // is reported before anything is sent.
    auto v = std::make_unique<MainRead>();
    v->verifying = true;
    v->written = WriteBlocks();
    FillChannelLabels(v->read);
    v->readOptions = DefaultOptionTexts();
    refuseIfOtherTransfer();
    read_ = std::move(v);
    startMainRead(); // a port that does not open leaves Retry to go on verifying
}

} // namespace lumora
