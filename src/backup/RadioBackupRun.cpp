#include "backup/RadioBackupRun.h"

#include "memory/ChannelColumns.h"
#include "memory/Errors.h"
#include "memory/MemoryComparison.h"
#include "ui/TForm1.h"
#include "ui/TForm3.h"
#include "ui/TXStringGrid.h"
#include "ui/ToolTexts.h"

#include <QProgressDialog>
#include <QTimer>

namespace lumora {

RadioBackupRun::RadioBackupRun(TForm1 &form1, const SignallingAreas &areas, Kind kind, const QString &fileName)
    : form1_(form1), areas_(areas), kind_(kind), fileName_(fileName), outer_(&UserDialogs())
{
}

RadioBackupRun::~RadioBackupRun()
{
    for (const auto &c : connections_)
        disconnect(c);
    if (running_)
        SetUserDialogs(outer_);
    delete progress_;
}

AreaSettings RadioBackupRun::allSettings() const
{
    AreaSettings all{{area::Main, MainMemorySettings(*form1_.xg, form1_.Options())}};
    for (const auto &[name, window] : areas_)
        all << qMakePair(name, window->Settings());
    return all;
}

AreaBytes RadioBackupRun::allBytes() const
{
    AreaBytes all{form1_.LastReadBlocks()};
    for (const auto &area : areas_)
        all << area.second->LastReadBlocks();
    return all;
}

AreaBytes RadioBackupRun::baselines() const
{
    AreaBytes all{form1_.Baseline().blocks};
    for (const auto &area : areas_)
        all << area.second->Baseline();
    return all;
}

QVector<int> RadioBackupRun::blockCounts() const
{
    QVector<int> counts{kMainBlockCount};
    for (const auto &area : areas_)
        counts << area.second->BlockCount();
    return counts;
}

void RadioBackupRun::takeBytes(const AreaBytes &bytes)
{
    // A file without bytes (format 1) is written from its texts.
    edited_.clear();
    auto edited = [this](const QString &area, const QStringList &lost) {
        edited_ << area + QStringLiteral(": ")
                           + (lost.isEmpty() ? QStringLiteral("the texts carry every value")
                                             : QLatin1Char('\n') + lost.join(QLatin1Char('\n')));
    };
    form1_.TakeBaseline(bytes.value(0));
    if (!bytes.value(0).empty() && !form1_.ShowsBaseline())
        edited(QStringLiteral("main memory"), form1_.ValuesNotWrittenBack());
    for (size_t i = 0; i < areas_.size(); ++i) {
        TSignallingForm &window = *areas_[i].second;
        const std::vector<Payload> blocks = bytes.value(static_cast<int>(i) + 1);
        window.TakeBaseline(blocks);
        if (!blocks.empty() && !window.ShowsBaseline())
            edited(window.AreaName(), window.ValuesNotWrittenBack());
    }
}

QString RadioBackupRun::editedAreasText() const
{
    if (edited_.isEmpty())
        return {};
    return QStringLiteral("\nThe file's texts were changed in some areas: there, what changed is written from the "
                          "texts and everything else byte for byte. Of the radio's values, the texts cannot carry "
                          "these (the changed ones are written as the texts say):");
}

void RadioBackupRun::Start()
{
    if (form1_.AnyTransferUnderWay())
        throw ELumoraError(AnotherTransferText());
    if (kind_ == Kind::Restore) {
        // The whole file checked and every block of every area encoded
        // before the first byte goes out.
        const AreaSettings before = allSettings();
        const AreaBytes beforeBytes = baselines();
        AreaBytes bytes;
        const AreaSettings file = LoadRadioBackup(fileName_, before, &bytes, blockCounts());
        auto apply = [this](const AreaSettings &all) {
            OptionTexts options = form1_.Options();
            ApplyMainMemorySettings(all[0].second, *form1_.xg, options);
            form1_.setOptions(options);
            for (size_t i = 0; i < areas_.size(); ++i)
                areas_[i].second->setSettings(all[static_cast<int>(i) + 1].second);
        };
        apply(file);
        try {
            takeBytes(bytes);
            form1_.WriteBlocks();
            for (const auto &area : areas_)
                area.second->EncodeArea();
        } catch (...) {
            apply(before); // a refused restore leaves the windows as they were
            takeBytes(beforeBytes);
            edited_.clear();
            throw;
        }
    }
    connections_.push_back(connect(&form1_, &TForm1::MainTransferEnded, this,
                                   [this](TransferEnd end) { mainTransferEnded(end); }));
    for (const auto &area : areas_)
        connections_.push_back(connect(area.second, &TSignallingForm::TransferEnded, this, [this](bool ok) {
            if (!running_)
                return;
            if (ok)
                QTimer::singleShot(0, this, &RadioBackupRun::next);
            else
                finish(false, QString()); // the window said why
        }));
    progress_ = new QProgressDialog(kind_ == Kind::Backup ? QStringLiteral("Backing up the radio...")
                                                          : QStringLiteral("Restoring the radio..."),
                                    QStringLiteral("Cancel"), 0, 1 + static_cast<int>(areas_.size()));
    progress_->setWindowTitle(ToolTitle());
    progress_->setMinimumDuration(0);
    progress_->setAutoClose(false);
    progress_->setAutoReset(false);
    progress_->setWindowFlag(Qt::WindowStaysOnTopHint);
    connect(progress_, &QProgressDialog::canceled, this, &RadioBackupRun::Cancel);
    running_ = true;
    outer_ = &UserDialogs();
    SetUserDialogs(this);
    progress_->show();
    next();
}

void RadioBackupRun::next()
{
    if (!running_)
        return;
    ++step_;
    progress_->setValue(step_);
    try {
        if (step_ == 0) {
            if (kind_ == Kind::Backup)
                form1_.ReadIntoGrid(); // unsaved changes were asked about before the run
            else
                form1_.wbtnClick();
            form1_.Form3->hide(); // this run's dialog stands for it
            return;
        }
        if (step_ <= static_cast<int>(areas_.size())) {
            TSignallingForm *window = areas_[static_cast<size_t>(step_ - 1)].second;
            form1_.OpenPortForSignalling();
            if (kind_ == Kind::Backup)
                window->rbtnClick();
            else
                window->wbtnClick();
            return;
        }
        if (kind_ == Kind::Backup)
            SaveRadioBackup(fileName_, allSettings(), allBytes());
        finish(true, kind_ == Kind::Backup
                             ? QStringLiteral("The radio is backed up in \"%1\".").arg(fileName_)
                             : QStringLiteral("The radio is restored from \"%1\".").arg(fileName_) + editedAreasText(),
               edited_.join(QLatin1Char('\n')));
    } catch (const std::exception &e) {
        finish(false, QString());
        ShowException(e);
    }
}

void RadioBackupRun::mainTransferEnded(TransferEnd end)
{
    if (!running_ || step_ != 0)
        return;
    if (end == TransferEnd::Completed)
        QTimer::singleShot(0, this, &RadioBackupRun::next); // the main memory is done
    else
        finish(false, QString()); // a failure has said why
}

void RadioBackupRun::ShowMessage(const QString &text)
{
    if (running_)
        return; // a transfer's success: the run reports once, at its end
    outer_->ShowMessage(text);
}

void RadioBackupRun::ShowError(const QString &text, const QString &detail)
{
    finish(false, QString());
    outer_->ShowError(text, detail);
}

void RadioBackupRun::Cancel()
{
    if (!running_)
        return;
    // Whatever is under way stops as its own Cancel or Close stops it,
    // without this run hearing of it as an end.
    running_ = false;
    if (form1_.MainReadUnderWay() || form1_.MainWriteUnderWay())
        form1_.CancelMainTransfer();
    for (const auto &area : areas_)
        if (area.second->ReadUnderWay() || area.second->WriteUnderWay())
            area.second->StopTransfer();
    running_ = true;
    finish(false, QStringLiteral("The %1 was cancelled; the radio %2")
                          .arg(kind_ == Kind::Backup ? "backup" : "restore",
                               kind_ == Kind::Backup ? "is unchanged." : "may be left half-written."));
}

void RadioBackupRun::finish(bool completed, const QString &text, const QString &list)
{
    if (!running_)
        return;
    running_ = false;
    SetUserDialogs(outer_);
    if (progress_)
        progress_->hide();
    form1_.CancelMainTransfer(); // the port the run opened is closed again
    if (!text.isEmpty())
        outer_->ShowList(text, list);
    emit Finished(completed);
}

} // namespace lumora
