#include "signalling/TSignallingForm.h"

#include "memory/Errors.h"
#include "signalling/SettingsFile.h"
#include "signalling/SignallingGrids.h"
#include "ui/LocalTimeText.h"
#include "ui/ScreenFit.h"
#include "ui/TComboCellEditor.h"
#include "ui/TXStringGrid.h"
#include "ui/ToolTexts.h"
#include "ui/UserDialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QShortcut>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace lumora {

namespace {

constexpr int kGuardMs = 10000;
constexpr int kClearedBytes = 51; // indexes 0 to 50

} // namespace

TSignallingForm::TSignallingForm(ISignallingHost &host, BlockType type)
    : QDialog(nullptr), host_(host), type_(type), blockCount_(FindArea(type)->blockCount())
{
    setWindowTitle(AreaName());
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint
                   | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    QFont small = font(); // 8 pt, as the main window
    small.setPointSize(8);
    setFont(small);

    // What the window edits scrolls where the screen is too small for it;
    // the notes, the bar and the buttons below it stay in view.
    auto *layout = new QVBoxLayout(this);
    auto *content = new QWidget;
    content_ = new QVBoxLayout(content);
    content_->setContentsMargins(0, 0, 0, 0);
    auto *scroll = new TFittingScrollArea(content, this);
    scroll->setObjectName(QStringLiteral("ContentScroll"));
    layout->addWidget(scroll, 1);
    NotWrittenBackLabel = new QLabel(this);
    NotWrittenBackLabel->setTextFormat(Qt::RichText);
    NotWrittenBackLabel->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    NotWrittenBackLabel->setWordWrap(true);
    NotWrittenBackLabel->hide();
    connect(NotWrittenBackLabel, &QLabel::linkActivated, this, [this] {
        ShowList(tr("The radio holds %1 values this window cannot write back as they are. A write "
                                "keeps the radio's bytes for every block left unchanged, and for such a value "
                                "while its row or box is unchanged.")
                         .arg(ValuesNotWrittenBack().size()),
                 ValuesNotWrittenBack().join(QLatin1Char('\n')));
    });
    layout->addWidget(NotWrittenBackLabel);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->hide();
    KeepProgressBarSpace();
    layout->addWidget(ProgressBar1);
    auto *buttons = new QHBoxLayout;
    StatusLabel = new QLabel(this);
    StatusLabel->setWordWrap(true); // a note on typing takes two lines rather than widen the window
    StatusLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    inputNote_ = new QTimer(this);
    inputNote_->setSingleShot(true);
    inputNote_->setInterval(15000);
    connect(inputNote_, &QTimer::timeout, this, [this] {
        StatusLabel->setText(completed_);
        StatusLabel->setToolTip(QString());
    });
    // As wide as its longest text from the start: the window keeps its size.
    StatusLabel->setMinimumWidth(StatusLabel->fontMetrics().horizontalAdvance(
            tr("Written to the radio at %1.").arg(LocalTimeText(QLocale(), QTime(22, 59, 59)))));
    buttons->addWidget(StatusLabel, 1);
    rbtn = new QPushButton(tr("&Read"), this);
    wbtn = new QPushButton(tr("&Write"), this);
    Button3 = new QPushButton(tr("&Close"), this);
    for (QPushButton *b : {rbtn, wbtn, Button3}) {
        b->setAutoDefault(false); // Enter in a box is no click
        b->setMinimumWidth(90);
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);
    // A note on typing never makes the window taller: what the buttons' row
    // has no room for is in its tooltip.
    StatusLabel->setMaximumHeight(rbtn->sizeHint().height());
    connect(rbtn, &QPushButton::clicked, this, &TSignallingForm::rbtnClick);
    connect(wbtn, &QPushButton::clicked, this, &TSignallingForm::WriteClick);
    connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    // F11 reads and F12 writes, as in the main window; not during a transfer.
    auto key = [this](Qt::Key k, void (TSignallingForm::*click)()) {
        auto *shortcut = new QShortcut(QKeySequence(k), this);
        connect(shortcut, &QShortcut::activated, this, [this, click] {
            if (rbtn->isEnabled() && wbtn->isEnabled())
                (this->*click)();
        });
    };
    key(Qt::Key_F11, &TSignallingForm::rbtnClick);
    key(Qt::Key_F12, &TSignallingForm::WriteClick);

    FitToScreenOnShow(this);
    Timer1 = new QTimer(this);
    Timer1->setInterval(kGuardMs);
    connect(Timer1, &QTimer::timeout, this, &TSignallingForm::Timer1Timer);
}

TSignallingForm::~TSignallingForm()
{
    // What the controls report while they go is no step of the history.
    for (QObject *child : findChildren<QObject *>())
        child->disconnect(this);
    for (TXStringGrid *grid : findChildren<TXStringGrid *>())
        grid->OnCheckEditText = nullptr; // nothing of this window is left to say what it refused
}

bool TSignallingForm::ReadUnderWay() const { return !rbtn->isEnabled(); }

bool TSignallingForm::WriteUnderWay() const { return !wbtn->isEnabled(); }

void TSignallingForm::refuseWhileOtherTransfer() const
{
    // The transfers share the transmit buffer and Tim1: a second one would
    // corrupt the first.
    if (ReadUnderWay() || WriteUnderWay() || host_.OtherTransferUnderWay(this))
        throw ELumoraError(AnotherTransferText());
}

void TSignallingForm::clearTx() { std::fill_n(host_.Tx().begin(), kClearedBytes, uint8_t(0)); }

void TSignallingForm::KeepProgressBarSpace()
{
    QSizePolicy policy = ProgressBar1->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    ProgressBar1->setSizePolicy(policy);
}

void TSignallingForm::showBar(int maximum)
{
    ProgressBar1->setRange(0, maximum);
    ProgressBar1->setValue(1);
    ProgressBar1->show();
}

void TSignallingForm::stepBar()
{
    ProgressBar1->setValue(std::min(ProgressBar1->value() + 1, ProgressBar1->maximum()));
}

void TSignallingForm::request(int index)
{
    host_.SendTx(BuildReadRequest(host_.Tx(), type_, static_cast<uint8_t>(index)));
    answers_.Ask(static_cast<int>(type_), index);
    host_.StartTim1(); // resent only when unanswered for 300 ms
}

int &TSignallingForm::counter() { return countsInReadIndex() ? host_.SharedReadIndex() : BlockCounter; }

void TSignallingForm::rbtnClick()
{
    refuseWhileOtherTransfer();
    if (AskToWriteChanges([this] { rbtnClick(); }))
        ReadFromRadio();
}

void TSignallingForm::ReadFromRadio()
{
    refuseWhileOtherTransfer();
    host_.PreparePort();
    // The answers go into a window of the same kind, never shown: only a
    // complete read replaces what this one shows.
    incoming_ = makeScratch();
    incoming_->setSettings(Settings());
    received_.assign(static_cast<size_t>(blockCount_), Payload{});
    host_.StartTim1();
    Timer1->start();
    answers_.MovedOn();
    rbtn->setEnabled(false);
    clearStatus();
    counter() = 0;
    showBar(readBarMaximum());
    request(0);
}

void TSignallingForm::BlockReceived()
{
    // An answer for another block than the one asked for is a late copy
    // (the radio answered a resent request too): it changes nothing, the
    // request stays pending, and the guard runs on: it measures the time
    // since the transfer last moved on.
    const uint8_t answered = host_.Rx()[2];
    if (!answers_.Answers(static_cast<int>(type_), answered)) {
        host_.StartTim1();
        return;
    }
    Timer1->start();
    std::copy_n(host_.Rx().begin() + kPayloadOffset, kPayloadLength, received_.at(answered).begin());
    if (incoming_)
        incoming_->decodeBlock(host_.Rx().data());
    stepBar();
    int &count = counter();
    count = countsInReadIndex() ? answered + 1 : count + 1;
    if (count == blockCount_) {
        lastRead_ = received_;
        emit RadioImageRead(readingBack() ? QStringLiteral("read back after write") : QStringLiteral("read"));
        if (readingBack()) {
            endReadBack();
            return;
        }
        takeRead(*incoming_);
        baseline_ = received_;
        baselineTexts_ = Settings();
        findLostValues();
        inRadio_ = SettingsToJson(Settings());
        fromRadio_ = true;
        endTransfer(true);
        showCompleted(tr("Read from the radio"));
    } else {
        request(count);
    }
}

void TSignallingForm::showCompleted(const QString &what)
{
    completed_ = tr("%1 at %2.").arg(what, LocalTimeText(QLocale(), QTime::currentTime()));
    inputNote_->stop();
    StatusLabel->setText(completed_);
    StatusLabel->setToolTip(QString());
}

void TSignallingForm::clearStatus()
{
    completed_.clear();
    inputNote_->stop();
    StatusLabel->clear();
    StatusLabel->setToolTip(QString());
}

void TSignallingForm::SayAboutInput(const QString &text)
{
    StatusLabel->setText(text);
    StatusLabel->setToolTip(text); // the whole of it, where the label cuts it
    inputNote_->start();
}

void TSignallingForm::SayRowNeedsFirstColumn(const TXStringGrid &grid, int col, int row, const QString &typed)
{
    if (col > 1 && grid.Cells(1, row).isEmpty() && !typed.isEmpty())
        SayAboutInput(tr("Row %1: \"%2\" not kept; type its %3 first")
                              .arg(row)
                              .arg(typed, grid.Columns()[1].Caption()));
}

bool TSignallingForm::HasUnwrittenChanges() const
{
    return !inRadio_.isEmpty() && SettingsToJson(Settings()) != inRadio_;
}

bool TSignallingForm::AskToWriteChanges(const std::function<void()> &then)
{
    for (TXStringGrid *grid : findChildren<TXStringGrid *>())
        grid->commitEdit();
    if (!HasUnwrittenChanges())
        return true;
    switch (UserDialogs().AskWriteChanges(
            tr("The %1 settings have changes that are not written to the radio.").arg(AreaName()))) {
    case IUserDialogs::SaveAnswer::Save:
        wbtnClick();
        show(); // the write shows its progress here
        raise();
        afterWrite_ = then;
        return false;
    case IUserDialogs::SaveAnswer::Discard:
        return true;
    case IUserDialogs::SaveAnswer::Cancel:
        break;
    }
    return false;
}

void TSignallingForm::TrackEdits()
{
    history_ = std::make_unique<EditHistory<QJsonObject>>(
            [this] { return SettingsToJson(Settings()); },
            [this](const QJsonObject &json) {
                const QScopedValueRollback<bool> restoring(restoring_, true);
                setSettings(SettingsFromJson(json, Settings(), {}, [](const QString &why) {
                    throw ELumoraError(why); // a snapshot of this very window always fits
                }));
            });
    history_->Checkpoint();
    inRadio_ = SettingsToJson(Settings()); // as the window opened
    // A box or check box changed by the user is a step; what a read or an
    // undo puts into them is part of that one step.
    auto changed = [this] {
        if (!restoring_ && !ReadUnderWay())
            history_->Checkpoint();
    };
    for (QComboBox *box : findChildren<QComboBox *>())
        connect(box, &QComboBox::currentTextChanged, this, changed);
    for (QLineEdit *edit : findChildren<QLineEdit *>())
        if (!qobject_cast<QComboBox *>(edit->parent()))
            connect(edit, &QLineEdit::editingFinished, this, changed);
    for (QCheckBox *check : findChildren<QCheckBox *>())
        connect(check, &QCheckBox::toggled, this, changed);
    for (TXStringGrid *grid : findChildren<TXStringGrid *>()) {
        connect(grid, &TXStringGrid::Edited, this, [this] { history_->Checkpoint(); });
        connect(grid, &TXStringGrid::UndoRequested, this, &TSignallingForm::Undo);
        connect(grid, &TXStringGrid::RedoRequested, this, &TSignallingForm::Redo);
        // A text a list cell lacks is refused; the window says so.
        grid->OnCheckEditText = [this, grid](int col, int row, const QString &typed,
                                             const std::optional<QString> &taken) {
            if (!taken && !typed.trimmed().isEmpty()) {
                const auto *list = dynamic_cast<const TComboCellEditor *>(grid->Columns()[col].Editor());
                SayAboutInput(tr("Row %1, %2: \"%3\" is not one of %4")
                                      .arg(row)
                                      .arg(grid->Columns()[col].Caption(), typed.trimmed(),
                                           list && list->Items.size() <= 12
                                                   ? list->Items.join(QStringLiteral(", "))
                                                   : tr("the texts its list offers")));
            }
            return taken;
        };
    }
}

void TSignallingForm::Undo()
{
    if (history_)
        history_->Undo();
}

void TSignallingForm::Redo()
{
    if (history_)
        history_->Redo();
}

void TSignallingForm::endTransfer(bool completed)
{
    const bool wasUnderWay = ReadUnderWay() || WriteUnderWay();
    const bool wasReading = ReadUnderWay() && !WriteUnderWay(); // not a write's read-back
    host_.StopTim1();
    if (WriteUnderWay() && !completed)
        writeStoppedAfter_ = readingBack() ? -1 : counter();
    rbtn->setEnabled(true);
    wbtn->setEnabled(true);
    ProgressBar1->hide();
    counter() = 0;
    pending_.clear();
    written_ = {};
    received_.clear();
    writing_ = {};
    if (!completed)
        afterWrite_ = nullptr; // it waited for a write that did not complete
    incoming_.reset(); // a read that did not complete leaves the window as it was
    if (wasReading && history_)
        history_->Checkpoint(); // a read, whole or stopped, is one step
    if (wasUnderWay)
        emit TransferEnded(completed);
}

void TSignallingForm::StopTransfer()
{
    Timer1->stop();
    endTransfer(false);
}

void TSignallingForm::Button3Click()
{
    // A transfer left behind would keep the port and refuse every other
    // transfer until its guard ran out: it ends here, and says so.
    hide();
    Timer1->stop();
    const bool writing = WriteUnderWay();
    const bool reading = ReadUnderWay() && !writing;
    endTransfer(false);
    host_.ReleasePort();
    if (!reading && !writing)
        return;
    UserDialogs().ShowError(tr("The %1 %2 was stopped because its window was closed.")
                                    .arg(AreaName(), reading ? QStringLiteral("read") : QStringLiteral("write")),
                            writing ? tr("The radio may hold part of what was written until you "
                                                     "write the area again.")
                                    : UnchangedByReadText());
}

void TSignallingForm::setVisible(bool visible)
{
    if (visible == isVisible()) {
        QDialog::setVisible(visible);
        return;
    }
    if (visible && !testAttribute(Qt::WA_WState_Created)) // the first show: the lists' columns as wide as their items
        for (TXStringGrid *grid : findChildren<TXStringGrid *>())
            FitListColumns(grid);
    if (!visible)
        hiddenAt_ = pos();
    else if (hiddenAt_)
        move(*hiddenAt_);
    QDialog::setVisible(visible);
}

void TSignallingForm::Timer1Timer()
{
    Timer1->stop();
    if (!ReadUnderWay() && !WriteUnderWay()) {
        rbtn->setEnabled(true);
        wbtn->setEnabled(true);
        return;
    }
    // A FleetSync write is never resent: one lost acknowledgement stalls it
    // though the radio may hold every byte. The radio is asked.
    if (WriteUnderWay() && !readingBack() && !writeResends()) {
        stalledAfter_ = counter();
        startReadBack(tr("The radio stopped acknowledging, so the area was read back."));
        return;
    }
    // The radio stopped answering: the transfer ends, and says so.
    const bool reading = ReadUnderWay() && !WriteUnderWay();
    const QString otherBlocks =
            answers_.Strays() > 0 ? tr("The radio answered only with blocks that were not asked for (%1 "
                                               "answers): check that it is the radio this tool is for.")
                                        .arg(answers_.Strays())
                              : QString();
    // A write says how far it got: the blocks before are in the radio.
    const QString what = reading ? UnchangedByReadText() : tr("It got this far: %1.").arg(WriteProgressText());
    endTransfer(false);
    UserDialogs().ShowError(tr("The %1 %2 did not complete because the radio stopped answering.")
                                    .arg(AreaName(), reading ? QStringLiteral("read") : QStringLiteral("write")),
                            what.isEmpty() || otherBlocks.isEmpty() ? what + otherBlocks
                                                                    : what + QLatin1Char('\n') + otherBlocks);
}

void TSignallingForm::takeRead(const TSignallingForm &read) { setSettings(read.Settings()); }

} // namespace lumora
