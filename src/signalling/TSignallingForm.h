#pragma once
// What the four signalling windows share: Read, Write, Close, the progress
// bar, the 10 s guard timer Timer1, the block counter, and the transfer
// itself, one request or frame per answer through the main window's
// buffers. A window is reading while rbtn is disabled and writing while
// wbtn is. Each window adds its layout, its codec and the places where it
// differs (which timers a write starts, Close, the guard timer).

#include "protocol/AnswerWatch.h"
#include "protocol/AreaNames.h"
#include "protocol/ReadBack.h"
#include "protocol/AreaTable.h"
#include "protocol/Frames.h"
#include "protocol/SignallingHost.h"
#include "protocol/TransferRoutes.h"
#include "signalling/BlockFields.h"
#include "signalling/SettingsCells.h"
#include "signalling/SettingsControls.h"
#include "ui/EditHistory.h"

#include <QDialog>
#include <QJsonObject>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;
class QVBoxLayout;

namespace lumora {
class TXStringGrid;
}

namespace lumora {

class TSignallingForm : public QDialog, public ISignallingTransfer {
    Q_OBJECT
public:
    // The window of the area of this block type: its blocks and its title
    // are the area table's.
    TSignallingForm(ISignallingHost &host, BlockType type);
    ~TSignallingForm() override;

    QPushButton *rbtn;    // "Read"
    QPushButton *wbtn;    // "Write"
    QPushButton *Button3; // "Close"
    QProgressBar *ProgressBar1;
    // After a read: how many of the radio's values the window cannot write
    // back as read, as a link to the list.
    QLabel *NotWrittenBackLabel;
    // Beside the buttons: when the last read or write completed.
    QLabel *StatusLabel;
    QTimer *Timer1; // 10 s guard
    int BlockCounter = 0;

    // Says beside the buttons, for a while, what became of a text typed
    // into one of its controls that it did not take as typed.
    void SayAboutInput(const QString &text);
    // The rows of the 2TONE and 5TONE grids start at their first column:
    // a cell typed into a row that has none is not kept, and said so.
    void SayRowNeedsFirstColumn(const TXStringGrid &grid, int col, int row, const QString &typed);

    // The window keeps its progress bar's room while the bar is hidden: the
    // window never grows or shrinks by it and its buttons stay put.
    void KeepProgressBarSpace();

    // Read: over edits not written to the radio, asks first.
    void rbtnClick();
    // The read itself, replacing whatever the window shows once it completes.
    void ReadFromRadio();
    // Write as the button gives it: a window that shows only what it
    // started with (never read, restored or written) asks first, as its
    // write would replace the radio's settings with those.
    void WriteClick();
    void wbtnClick(); // the write itself, as runs and lumora-cli start it
    // Ends a transfer under way at once (as a cancel): Tim1 and Timer1 stopped.
    void StopTransfer() override;
    // Close: the window hidden, Timer1 and Tim1 stopped, the buttons back;
    // a transfer under way ends with a message.
    void Button3Click();
    virtual void Timer1Timer();

    // ISignallingTransfer
    bool ReadUnderWay() const override;
    bool WriteUnderWay() const override;
    void BlockReceived() override;
    void BlockAcknowledged() override;
    bool AskToWriteChanges(const std::function<void()> &then) override;
    // The window shows other settings than the radio was last known to
    // hold: as the window opened, or as its last completed read or write
    // left them.
    bool HasUnwrittenChanges() const;

    // What the radio acknowledged of the write under way, or of the last
    // write that stopped: "2TONE stopped after 4 of 11 blocks".
    QString WriteProgressText() const;
    // The area's name in messages ("DTMF", "FleetSync").
    QString AreaName() const override { return QString::fromLatin1(FindArea(type_)->title); }
    // Every block as a write sends it; throws the conversion error of the
    // first field that does not convert.
    std::vector<Payload> EncodeArea() const;
    // What a write of the area sends, as bytes and as the texts a read of
    // them shows. Throws the first conversion error.
    struct WrittenArea {
        std::vector<AssignedBlock> blocks;
        SettingsValues texts;
    };
    WrittenArea WhatAWriteAssigns() const;
    // The blocks the last completed read or read-back gave; empty before.
    const std::vector<Payload> &LastReadBlocks() const { return lastRead_; }
    // How the last read differs from what a write sends, every byte of it:
    // one line per text that differs, and one per byte whose difference no
    // text shows. Empty when every byte matches.
    QStringList DifferencesFromRead(const WrittenArea &written) const;
    // The blocks a read gave (or a restore puts back) and the texts they
    // show: a write sends the radio's own bytes for every block whose
    // values are unchanged since, and keeps the radio's byte for a value
    // the window cannot write back while its row or box is unchanged.
    // No blocks: no baseline, a write sends the texts.
    void TakeBaseline(const std::vector<Payload> &blocks);
    const std::vector<Payload> &Baseline() const { return baseline_; }
    int BlockCount() const { return blockCount_; }
    bool HasBaseline() const { return !baseline_.empty(); }
    // The controls show exactly what the baseline's bytes give.
    bool ShowsBaseline() const;
    // One line per value of the baseline the window cannot write back as
    // the radio holds it: where it is shown, the byte, what a write sends.
    QStringList ValuesNotWrittenBack() const;
    // The settings a read of these blocks shows (what no block carries as
    // the window has it now).
    SettingsValues SettingsOfBlocks(const std::vector<Payload> &area) const { return settingsOf(area); }
    // Its settings file: the area's name there ("dtmf", "fsk"), and the
    // controls' values; setSettings takes them as if they had been typed.
    QString SettingsArea() const { return QString::fromLatin1(FindArea(type_)->key); }
    BlockType Type() const { return type_; } // the block type of its area
    SettingsValues Settings() const { return ReadSettings(settingsControls()); }
    virtual void setSettings(const SettingsValues &values) { WriteSettings(settingsControls(), values); }

    // Undo and redo of the window's edits (its grids' cells, pastes and
    // clears, its boxes) and reads, as snapshots of its settings. Starts
    // with the window as it is now.
    void TrackEdits();
    void Undo();
    void Redo();

signals:
    // A read or write ended: completed, or stopped before its end.
    void TransferEnded(bool completed);
    // A read of the whole area completed (LastReadBlocks holds it): how:
    // "read", or "read back after write".
    void RadioImageRead(const QString &how);
    // A write of the area completed.
    void RadioWritten();

protected:
    // The controls its settings file keeps, in the file's order.
    virtual SettingsControls settingsControls() const = 0;
    // The layout above the progress bar and the buttons.
    QVBoxLayout *contentLayout() const { return content_; }
    virtual void decodeBlock(const uint8_t *frame) = 0;
    // A window of the same kind, never shown, to decode into.
    virtual std::unique_ptr<TSignallingForm> makeScratch() const = 0;
    // What a completed read decoded into such a window becomes this
    // window's: its settings (and whatever else a window keeps of a read).
    virtual void takeRead(const TSignallingForm &read);
    // Throws EConvertError, with the control or cell in its detail.
    // previous: the payload the frame before left in the transmit buffer
    // (zeros for block 0), for bytes a block does not write.
    virtual Payload encodeBlock(int index, const Payload &previous) const = 0;
    virtual int readBarMaximum() const = 0;
    virtual int writeBarMaximum() const = 0;
    // A write resends an unanswered frame through Tim1.
    virtual bool writeResends() const { return true; }
    // Frames go out as the 4-byte header and then the 28 payload bytes,
    // without a check value.
    virtual bool writesHeaderThenPayload() const { return false; }
    // The block counter is the main window's ReadIndex.
    virtual bool countsInReadIndex() const { return false; }
    // Escape and the window manager's close act as Close.
    void reject() override { Button3Click(); }
    // Shown again, the window stands where it was hidden: the window
    // manager would otherwise take its position for that of its client
    // area and move it down by the title bar.
    void setVisible(bool visible) override;

    // Ends the transfer under way: Tim1 stopped, the buttons back, the bar
    // hidden, the counter at 0.
    void endTransfer(bool completed);
    ISignallingHost &host() const { return host_; }

private:
    void clearStatus(); // a transfer starts: no completion and no note shown
    QString completed_;  // when the last read or write completed, as StatusLabel shows it
    QTimer *inputNote_;  // how long a note on typing stays before it
    void refuseWhileOtherTransfer() const;
    void request(int index);
    void sendBlock(int index);
    void clearTx();
    void showBar(int maximum);
    void stepBar();
    int &counter(); // BlockCounter, or ReadIndex
    // The settings a read of these blocks shows (what no block carries as
    // in seed, or as now).
    SettingsValues settingsOf(const std::vector<Payload> &area) const { return settingsOf(area, Settings()); }
    SettingsValues settingsOf(const std::vector<Payload> &area, const SettingsValues &seed) const;
    // The baseline's values a write cannot give back, found by encoding
    // what the read shows and by which cells show each byte.
    struct LostValue {
        int block;
        int offset;     // -1: the block's texts do not convert
        uint8_t radio;  // the radio's byte
        uint8_t written; // what a write of the texts sends
        QString why;    // offset -1: the conversion error
        std::vector<SettingsCell> cells; // the cells that show the byte (or, offset -1, the block)
        bool cellsKnown = false;
    };
    void findLostValues();
    // The cells of each lost value, and the lines that name them: worked
    // out when first asked for, as they take a decode per changed bit.
    void findLostCells() const;
    void findCellsOf(LostValue &value) const;
    void showValuesNotWrittenBack();
    std::vector<SettingsCell> cellsShowing(int block, const std::function<void(Payload &)> &change) const;
    QString cellName(const SettingsCell &cell) const;
    // Block b as a write sends it: the radio's bytes while nothing it
    // shows has changed, else the texts' with the radio's bytes kept for
    // values left as read. Throws a conversion error or a refusal.
    AssignedBlock blockToWrite(int b, const Payload &previous, const SettingsValues &now) const;
    // What the window shows with block b decoded from these bytes into seed.
    SettingsValues blockShows(int b, const Payload &bytes, const SettingsValues &seed) const;
    std::vector<AssignedBlock> assignedBlocks() const; // throws as EncodeArea
    static std::vector<Payload> pending(const std::vector<AssignedBlock> &blocks); // their bytes
    // A write that resent a frame reads the area back before it says
    // anything: an acknowledgement names no frame. Read and Write are both
    // disabled while it does.
    bool readingBack() const { return ReadUnderWay() && WriteUnderWay(); }
    // why: the sentence the message gives for reading back.
    void startReadBack(const QString &why);
    void endReadBack();
    ReadBack readBack_; // what the write sent and why it is read back
    int writeStoppedAfter_ = -1; // blocks acknowledged when the last write stopped; -1: it read back
    int stalledAfter_ = -1;      // a FleetSync write's blocks acknowledged before it stalled and read back
    AnswerWatch answers_; // the block asked for, stray answers, the resends a write must confirm
    // Says so, then does what waited for the write.
    void writeSucceeded();
    void showCompleted(const QString &what);

    ISignallingHost &host_;
    BlockType type_;
    int blockCount_;
    std::vector<Payload> pending_; // the area as the write started
    WrittenArea written_;          // the same, with what its bytes show
    std::vector<Payload> received_; // the blocks the read under way has read
    std::vector<Payload> lastRead_;
    std::vector<Payload> baseline_;
    SettingsValues baselineTexts_;
    std::vector<Payload> baselineEncoded_; // the baseline's texts encoded (a block that does not convert: empty)
    std::vector<bool> baselineConverts_;
    mutable std::vector<LostValue> lost_;
    mutable QStringList lostLines_;
    mutable bool lostCellsKnown_ = true;
    mutable std::unique_ptr<TSignallingForm> scratch_; // decodes and encodes off screen
    TSignallingForm &offScreen() const;               // scratch_, made when first needed
    std::unique_ptr<TSignallingForm> incoming_; // what the read under way has read
    std::unique_ptr<EditHistory<QJsonObject>> history_;
    bool restoring_ = false; // an undo or redo is filling the controls
    std::optional<QPoint> hiddenAt_; // where the window stood when last hidden
    QJsonObject inRadio_;   // the settings the radio was last known to hold
    bool fromRadio_ = false; // shows what a read, a file, a restore or a write gave
    QJsonObject writing_;   // the settings the write under way sends
    std::function<void()> afterWrite_; // what waits for the write under way
    QVBoxLayout *content_;
};

// The signalling windows by the names of their areas, in the order DTMF,
// 2TONE, 5TONE, FleetSync.
using SignallingAreas = std::vector<std::pair<QString, TSignallingForm *>>;

} // namespace lumora
