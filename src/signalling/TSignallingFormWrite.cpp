// The write of a signalling window: the area encoded whole before
// anything is sent, a block per acknowledgement, and the read-back that
// settles whether a write the answers leave in doubt took every byte.

#include "signalling/TSignallingForm.h"

#include "memory/Errors.h"
#include "signalling/SettingsFile.h"
#include "ui/UserDialogs.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

namespace lumora {

void TSignallingForm::WriteClick()
{
    if (!fromRadio_ && !WriteUnderWay()) {
        switch (UserDialogs().AskWriteUnread(
                tr("The %1 window has not been read from the radio. Writing replaces the radio's %1 "
                               "settings with what it shows.")
                        .arg(AreaName()))) {
        case IUserDialogs::UnreadAnswer::ReadFirst:
            rbtnClick();
            return;
        case IUserDialogs::UnreadAnswer::Cancel:
            return;
        case IUserDialogs::UnreadAnswer::Write:
            break;
        }
    }
    wbtnClick();
}

void TSignallingForm::wbtnClick()
{
    refuseWhileOtherTransfer();
    // The whole area is encoded before anything is sent: a text that does
    // not convert stops the write with nothing sent.
    written_ = {assignedBlocks(), {}}; // its texts only if a read-back needs them
    pending_ = pending(written_.blocks);
    host_.PreparePort();
    answers_.WriteStarts(host_.ResendCount());
    if (writeResends())
        host_.StartTim1();
    Timer1->start();
    answers_.MovedOn();
    stalledAfter_ = -1;
    clearTx();
    counter() = 0;
    wbtn->setEnabled(false);
    writing_ = SettingsToJson(Settings());
    clearStatus();
    showBar(writeBarMaximum());
    sendBlock(0);
}

std::vector<Payload> TSignallingForm::EncodeArea() const { return pending(assignedBlocks()); }

std::vector<AssignedBlock> TSignallingForm::assignedBlocks() const
{
    std::vector<AssignedBlock> blocks;
    const SettingsValues now = baseline_.empty() ? SettingsValues() : Settings();
    Payload previous{}; // block 0 follows the cleared buffer
    for (int i = 0; i < blockCount_; ++i)
        previous = blocks.emplace_back(blockToWrite(i, previous, now)).bytes;
    return blocks;
}

TSignallingForm::WrittenArea TSignallingForm::WhatAWriteAssigns() const
{
    WrittenArea written{assignedBlocks(), {}};
    written.texts = settingsOf(pending(written.blocks));
    return written;
}

std::vector<Payload> TSignallingForm::pending(const std::vector<AssignedBlock> &blocks)
{
    std::vector<Payload> bytes;
    for (const AssignedBlock &block : blocks)
        bytes.push_back(block.bytes);
    return bytes;
}

QStringList TSignallingForm::DifferencesFromRead(const WrittenArea &written) const
{
    if (lastRead_.size() != written.blocks.size())
        return {tr("%1: the area has not been read whole.").arg(AreaName())};
    bool same = true;
    for (size_t b = 0; b < written.blocks.size(); ++b)
        same = same && written.blocks[b].bytes == lastRead_[b];
    if (same)
        return {};
    const SettingsValues read = settingsOf(lastRead_);
    QStringList lines = CompareSettings(AreaName(), written.texts, read);
    // Every byte the write sends counts: those whose difference no text
    // shows are named by their place.
    for (size_t b = 0; b < written.blocks.size(); ++b) {
        const Payload &w = written.blocks[b].bytes, &r = lastRead_[b];
        if (w == r)
            continue;
        const int block = static_cast<int>(b);
        const SettingsValues shown = blockShows(block, r, read);
        for (size_t k = 0; k < r.size(); ++k) {
            Payload one = r;
            one[k] = w[k];
            if (w[k] != r[k] && DifferingCells(blockShows(block, one, read), shown).empty())
                lines << tr("%1 block %2, d%3: written 0x%4, read 0x%5")
                                 .arg(AreaName())
                                 .arg(b)
                                 .arg(k)
                                 .arg(w[k], 2, 16, QLatin1Char('0'))
                                 .arg(r[k], 2, 16, QLatin1Char('0'));
        }
    }
    return lines;
}

void TSignallingForm::sendBlock(int index)
{
    FrameBuffer &tx = host_.Tx();
    const Payload &payload = pending_.at(static_cast<size_t>(index));
    const auto i = static_cast<uint8_t>(index);
    if (writesHeaderThenPayload()) {
        BuildDataFrameHeader(tx, type_, i);
        host_.SendTx(kFleetSyncHeaderLength);
        clearTx();
        std::copy(payload.begin(), payload.end(), tx.begin());
        host_.SendTx(kPayloadLength);
        return;
    }
    clearTx();
    BuildDataFrameHeader(tx, type_, i);
    std::copy(payload.begin(), payload.end(), tx.begin() + kPayloadOffset);
    host_.FillTxCrc();
    host_.SendTx(kFrameLength);
    host_.StartTim1(); // resent only when unanswered for 300 ms
}

void TSignallingForm::BlockAcknowledged()
{
    Timer1->start(); // the radio answers: the guard measures silence only
    answers_.MovedOn();
    if (readingBack())
        return; // a late copy's acknowledgement: every frame has gone
    const int count = ++counter();
    // Success only once the radio has taken the last block.
    if (count == blockCount_) {
        if (answers_.WriteNeedsReadBack(host_.ResendCount())) {
            // The count may have run ahead of the blocks stored (FleetSync:
            // answers that came twice).
            startReadBack(tr("The radio answered late or twice, so the area was read back after the "
                                         "write."));
            return;
        }
        writeSucceeded();
        return;
    }
    sendBlock(count);
    stepBar();
}

void TSignallingForm::startReadBack(const QString &why)
{
    readBack_.Start(pending_, why);
    Timer1->start(); // the read-back has the guard's whole time
    answers_.MovedOn();
    rbtn->setEnabled(false); // Write stays disabled: this is still the write
    received_.assign(static_cast<size_t>(blockCount_), Payload{});
    counter() = 0;
    showBar(readBarMaximum());
    request(0);
}

void TSignallingForm::endReadBack()
{
    written_.texts = settingsOf(pending_);
    const QStringList differences = DifferencesFromRead(written_);
    if (differences.isEmpty()) {
        writeSucceeded();
        return;
    }
    const QStringList blocks = readBack_.BlocksNotAsSent(lastRead_);
    endTransfer(false);
    UserDialogs().ShowError(
            tr("The %1 write did not complete: the radio holds other values than were written.")
                    .arg(AreaName()),
            (blocks.size() == 1 ? tr("%1 Not as written: block %2 (of 0 to %3). It differs in:\n")
                                : tr("%1 Not as written: blocks %2 (of 0 to %3). It differs in:\n"))
                            .arg(readBack_.Why(), blocks.join(QStringLiteral(", ")))
                            .arg(blockCount_ - 1)
                    + differences.join(QLatin1Char('\n')));
}

void TSignallingForm::writeSucceeded()
{
    inRadio_ = writing_;
    fromRadio_ = true;
    emit RadioWritten();
    const std::function<void()> then = std::move(afterWrite_);
    endTransfer(true);
    showCompleted(tr("Written to the radio"));
    ShowMessage(tr("WRITE SUCCEED!"));
    if (then)
        then();
}

QString TSignallingForm::WriteProgressText() const
{
    const int after = WriteUnderWay() ? (ReadUnderWay() ? -1 : const_cast<TSignallingForm *>(this)->counter())
                                      : writeStoppedAfter_;
    if (after < 0 && stalledAfter_ >= 0)
        return tr("%1 stopped after %2 of %3 blocks, and its read-back was not answered")
                .arg(AreaName())
                .arg(stalledAfter_)
                .arg(blockCount_);
    if (after < 0)
        return tr("%1 written, its read-back not finished").arg(AreaName());
    if (after == 0)
        return tr("%1 not written").arg(AreaName());
    return tr("%1 stopped after %2 of %3 blocks").arg(AreaName()).arg(after).arg(blockCount_);
}

} // namespace lumora
