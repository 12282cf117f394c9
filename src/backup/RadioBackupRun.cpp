#include "backup/RadioBackupRun.h"

#include "backup/HistoryKeeper.h"
#include "memory/ChannelColumns.h"
#include "memory/Errors.h"
#include "memory/MemoryComparison.h"
#include "ui/TForm1.h"
#include "ui/TForm3.h"
#include "ui/TXStringGrid.h"
#include "ui/ToolTexts.h"

#include <QFile>
#include <QHash>
#include <QProgressDialog>
#include <QTimer>
#include <algorithm>

namespace lumora {

RadioBackupRun::RadioBackupRun(TForm1 &form1, const SignallingAreas &areas, Kind kind, const QString &fileName)
    : form1_(form1), areas_(areas), kind_(kind), fileName_(fileName)
{
    Outer = &UserDialogs();
}

RadioBackupRun::~RadioBackupRun()
{
    for (const auto &c : connections_)
        disconnect(c);
    if (running_)
        SetUserDialogs(Outer);
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
    someRestoredFromTexts_ = false;
    auto edited = [this](const QString &area, const QStringList &lost) {
        edited_ << shownArea(area) + QStringLiteral(": ")
                           + (lost.isEmpty() ? tr("the texts carry every value")
                                             : QLatin1Char('\n') + lost.join(QLatin1Char('\n')));
    };
    if (holds(0)) {
        form1_.TakeBaseline(bytes.value(0));
        if (!bytes.value(0).empty() && !form1_.ShowsBaseline())
            edited(QStringLiteral("main memory"), form1_.ValuesNotWrittenBack());
    }
    for (size_t i = 0; i < areas_.size(); ++i) {
        if (!holds(static_cast<int>(i) + 1))
            continue; // not in the file: its window stays as it is
        TSignallingForm &window = *areas_[i].second;
        const std::vector<Payload> blocks = bytes.value(static_cast<int>(i) + 1);
        window.TakeBaseline(blocks);
        if (!blocks.empty() && !window.ShowsBaseline())
            edited(window.AreaName(), window.ValuesNotWrittenBack());
    }
}

namespace {

// What a write from texts alone cannot give back, area by area (translated
// when said).
const QHash<QString, const char *> kTextsCannotCarry = {
        {QStringLiteral("main memory"),
         QT_TRANSLATE_NOOP("lumora::RadioBackupRun",
                           "channel bytes 24 to 27 and option bytes 2 to 7 and 16 to 27 are written as 0 or as the "
                           "frame before left them, and a channel whose receive frequency is 0 as an empty channel")},
        {QStringLiteral("DTMF"), QT_TRANSLATE_NOOP("lumora::RadioBackupRun",
                                                   "block 0 bytes 6 to 9, bytes 24 to 27 of blocks 1 to 3 and block 3 "
                                                   "bytes 16 to 23 are not kept, nor digit counts that differ from the "
                                                   "digits, nor leading D digits of memories 9 to 16")},
        {QStringLiteral("2TONE"), QT_TRANSLATE_NOOP("lumora::RadioBackupRun",
                                                    "block 0 bytes 16 to 19 and bytes 24 to 27 of the decode blocks "
                                                    "are not kept, nor decode rows with a pair byte of 0 or a pair "
                                                    "nibble outside A to D")},
        {QStringLiteral("5TONE"), QT_TRANSLATE_NOOP("lumora::RadioBackupRun",
                                                    "block 0 bytes 15 to 19 and 24 to 27 and bytes 13 and 27 of the "
                                                    "encode blocks are not kept")},
        {QStringLiteral("FleetSync"), QT_TRANSLATE_NOOP("lumora::RadioBackupRun",
                                                        "block 0 bytes 9 to 19 are not kept, nor a side-tone byte "
                                                        "other than 0 or 0xFF")},
};

} // namespace

QString RadioBackupRun::shownArea(const QString &area)
{
    return area == QLatin1String("main memory") ? tr("main memory") : area;
}

QString RadioBackupRun::editedAreasText() const
{
    if (edited_.isEmpty())
        return {};
    if (someRestoredFromTexts_)
        return tr("\nNot every area was restored byte for byte:");
    return tr("\nThe file's texts were changed in some areas: there, what changed is written from the "
              "texts and everything else byte for byte. Of the radio's values, the texts cannot carry "
              "these (the changed ones are written as the texts say):");
}

TSignallingForm *RadioBackupRun::WindowOf(const QString &area) const
{
    for (const auto &[name, window] : areas_)
        if (name == area)
            return window;
    return nullptr;
}

bool RadioBackupRun::holds(int index) const
{
    if (fileAreas_.isEmpty() || kind_ != Kind::Restore)
        return true;
    return fileAreas_.contains(index == 0 ? area::Main : areas_[static_cast<size_t>(index - 1)].first);
}

QString RadioBackupRun::someAreasText() const
{
    QStringList held, left;
    for (int i = 0; i <= static_cast<int>(areas_.size()); ++i)
        (holds(i) ? held : left) << shownArea(i == 0 ? QStringLiteral("main memory") : areas_[static_cast<size_t>(i - 1)].second->AreaName());
    if (left.isEmpty())
        return {};
    return (left.size() == 1 ? tr("\nThe file holds %1 only: %2 was not written.")
                             : tr("\nThe file holds %1 only: %2 were not written."))
            .arg(held.join(QStringLiteral(", ")), left.join(QStringLiteral(", ")));
}

bool RadioBackupRun::holdsArea(const QString &area) const
{
    for (size_t i = 0; i < areas_.size(); ++i)
        if (areas_[i].first == area)
            return holds(static_cast<int>(i) + 1);
    return false;
}

void RadioBackupRun::takeFile()
{
    // The whole file checked and every block of every area encoded before
    // the first byte goes out.
    const AreaSettings before = allSettings();
    const AreaBytes beforeBytes = baselines();
    AreaBytes bytes;
    int format = 0;
    if (somePermitted_ && fileAreas_.isEmpty()) {
        QFile f(fileName_);
        QStringList names;
        for (const auto &area : before)
            names << area.first;
        fileAreas_ = f.open(QIODevice::ReadOnly) ? AreasInRadioBackup(f.read(2 * 1024 * 1024), names) : names;
    }
    // Only the areas the file holds are read from it (a snapshot may hold
    // some only); the others stay as they are, and are not written.
    AreaSettings shapes;
    QVector<int> counts;
    for (int i = 0; i < before.size(); ++i)
        if (holds(i)) {
            shapes << before[i];
            counts << blockCounts().value(i);
        }
    const AreaSettings held = LoadRadioBackup(fileName_, shapes, &bytes, counts, &format);
    AreaSettings file;
    AreaBytes allBytes;
    for (int i = 0, at = 0; i < before.size(); ++i) {
        file << (holds(i) ? held[at] : before[i]);
        allBytes << (holds(i) ? bytes[at++] : std::vector<Payload>{});
    }
    bytes = allBytes;
    auto apply = [this](const AreaSettings &all) {
        if (holds(0)) {
            OptionTexts options = form1_.Options();
            ApplyMainMemorySettings(all[0].second, *form1_.xg, options);
            form1_.setOptions(options);
        }
        for (size_t i = 0; i < areas_.size(); ++i)
            if (holds(static_cast<int>(i) + 1))
                areas_[i].second->setSettings(all[static_cast<int>(i) + 1].second);
    };
    apply(file);
    try {
        QStringList textsOnly; // areas of a file of format 2 whose bytes were taken out
        for (int i = 0; format >= 2 && i < bytes.size(); ++i)
            if (bytes[i].empty() && holds(i))
                textsOnly << (i == 0 ? QStringLiteral("main memory") : areas_[static_cast<size_t>(i - 1)].second->AreaName());
        keepIdentityBytes(bytes);
        takeBytes(bytes);
        someRestoredFromTexts_ = !textsOnly.isEmpty();
        for (const QString &area : textsOnly)
            edited_ << tr("%1: restored from its texts (the file keeps none of its bytes), so %2")
                               .arg(shownArea(area), tr(kTextsCannotCarry.value(area, "")));
        putIdentity(); // its blocks are written from the texts, the rest byte for byte
        if (holds(0))
            form1_.WriteBlocks();
        for (size_t i = 0; i < areas_.size(); ++i)
            if (holds(static_cast<int>(i) + 1))
                areas_[i].second->EncodeArea();
        checkIdentityBytes();
    } catch (...) {
        apply(before); // a refused restore leaves the windows as they were
        takeBytes(beforeBytes);
        edited_.clear();
        throw;
    }
}

void RadioBackupRun::Start()
{
    if (form1_.AnyTransferUnderWay())
        throw ELumoraError(AnotherTransferText());
    if (kind_ == Kind::Restore)
        takeFile();
    // A restore that keeps history (or checks the radio) reads the whole
    // radio first (steps -areas-1 to -1); else, keeping the identity, the
    // areas that hold it (-2 and -1). The file is then taken again.
    readFirst_ = kind_ == Kind::Restore && (history_ || checkRadio_); // a check needs the radio read
    if (kind_ == Kind::Restore && (keepIdentity_ || readFirst_))
        step_ = readFirst_ ? -static_cast<int>(areas_.size()) - 2 : -3;
    if (history_)
        history_->Group(kind_ == Kind::Backup ? origin_ : QStringLiteral("before ") + origin_);
    connections_.push_back(connect(&form1_, &TForm1::MainTransferEnded, this,
                                   [this](TransferEnd end) { mainTransferEnded(end); }));
    for (const auto &area : areas_)
        connections_.push_back(connect(area.second, &TSignallingForm::TransferEnded, this, [this](bool ok) {
            if (!running_)
                return;
            if (ok)
                QTimer::singleShot(0, this, &RadioBackupRun::next);
            else // the window says why just after; its message then says what the radio holds
                QTimer::singleShot(0, this, [this] { finish(false, QString()); });
        }));
    progress_ = new QProgressDialog(kind_ == Kind::Backup ? tr("Backing up the radio...") : tr("Restoring the radio..."),
                                    tr("Cancel"), step_ + 1, lastStep() + 1);
    progress_->setWindowTitle(ToolTitle());
    progress_->setMinimumDuration(0);
    progress_->setAutoClose(false);
    progress_->setAutoReset(false);
    progress_->setWindowFlag(Qt::WindowStaysOnTopHint);
    connect(progress_, &QProgressDialog::canceled, this, &RadioBackupRun::Cancel);
    running_ = true;
    Outer = &UserDialogs();
    SetUserDialogs(this);
    progress_->show();
    next();
}

int RadioBackupRun::lastStep() const
{
    const int areas = static_cast<int>(areas_.size());
    return kind_ == Kind::Restore && verify_ ? 2 * areas + 1 : areas;
}

void RadioBackupRun::next()
{
    if (!running_)
        return;
    ++step_;
    progress_->setValue(step_);
    emit StepStarted();
    const int areas = static_cast<int>(areas_.size());
    try {
        if (readFirst_ && step_ < 0) { // the radio as it is, before anything is written
            if (step_ == -areas - 1) {
                form1_.ReadIntoGrid();
                form1_.Form3->hide();
            } else {
                form1_.OpenPortForSignalling();
                areas_[static_cast<size_t>(areas + step_)].second->ReadFromRadio();
            }
            return;
        }
        if (step_ < 0) { // the identity: DTMF, then FleetSync
            if (TSignallingForm *window = windowOf(step_ == -2 ? area::Dtmf : area::FleetSync)) {
                form1_.OpenPortForSignalling();
                window->ReadFromRadio();
            } else {
                QTimer::singleShot(0, this, &RadioBackupRun::next); // no such area here
            }
            return;
        }
        if (step_ == 0 && kind_ == Kind::Restore && readFirst_) {
            if (history_)
                history_->Group(origin_); // the radio as it was is kept before the first byte is written
            if (checkRadio_)
                if (const QString why = checkRadio_(); !why.isEmpty())
                    throw ELumoraError(tr("Nothing was written: %1.").arg(why));
        }
        if (step_ == 0 && (keepIdentity_ || readFirst_) && kind_ == Kind::Restore) {
            if (keepIdentity_)
                takeRadioIdentity();
            takeFile(); // the reads replaced those windows: the file again (with the identity)
        }
        if (step_ == 0 && kind_ == Kind::Restore && verify_) {
            expectedAreas_.clear();
            for (size_t i = 0; i < areas_.size(); ++i)
                expectedAreas_.push_back(holds(static_cast<int>(i) + 1) ? areas_[i].second->WhatAWriteAssigns()
                                                                        : TSignallingForm::WrittenArea{});
        }
        if (kind_ == Kind::Restore && step_ <= lastStep()
            && !holds(step_ > areas ? step_ - areas - 1 : step_)) { // not in the file: not written, not read back
            QTimer::singleShot(0, this, &RadioBackupRun::next);
            return;
        }
        if (step_ == 0 || step_ == areas + 1) {
            if (kind_ == Kind::Backup || step_ > 0)
                form1_.ReadIntoGrid(); // unsaved changes were asked about before the run
            else
                form1_.wbtnClick();
            form1_.Form3->hide(); // this run's dialog stands for it
            return;
        }
        if (step_ > areas + 1 && step_ <= lastStep()) { // read back
            form1_.OpenPortForSignalling();
            areas_[static_cast<size_t>(step_ - areas - 2)].second->ReadFromRadio();
            return;
        }
        if (step_ <= areas) {
            TSignallingForm *window = areas_[static_cast<size_t>(step_ - 1)].second;
            form1_.OpenPortForSignalling();
            if (kind_ == Kind::Backup)
                window->ReadFromRadio(); // edits were asked about before the run
            else
                window->wbtnClick();
            return;
        }
        if (kind_ == Kind::Backup)
            SaveRadioBackup(fileName_, allSettings(), allBytes());
        if (kind_ == Kind::Restore && verify_) {
            differences_.clear();
            if (holds(0))
                differences_ = CompareMainMemoryBytes(form1_.LastWrittenBlocks(), form1_.LastReadBlocks());
            for (size_t i = 0; i < areas_.size(); ++i)
                if (holds(static_cast<int>(i) + 1))
                    differences_ += areas_[i].second->DifferencesFromRead(expectedAreas_[i]);
        }
        finish(true, kind_ == Kind::Backup
                             ? tr("The radio is backed up in \"%1\".").arg(fileName_)
                             : tr("The radio is restored from \"%1\".").arg(fileName_)
                                       + someAreasText() + keptIdentityText() + editedAreasText(),
               edited_.join(QLatin1Char('\n')));
    } catch (const std::exception &e) {
        finish(false, QString());
        ShowException(e);
    }
}

void RadioBackupRun::mainTransferEnded(TransferEnd end)
{
    const int areas = static_cast<int>(areas_.size());
    if (!running_ || (step_ != 0 && step_ != areas + 1 && !(readFirst_ && step_ == -areas - 1)))
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
    Outer->ShowMessage(text);
}

void RadioBackupRun::ShowError(const QString &text, const QString &detail)
{
    QString holds = running_ ? WrittenSoFarText() : QString();
    const bool readingFirst = running_ && readFirst_ && step_ < 0;
    finish(false, QString());
    if (readingFirst)
        return Outer->ShowError(text, (detail.isEmpty() ? detail : detail + QLatin1Char('\n'))
                                              + tr("Nothing was written: the radio was being read before the restore."));
    Outer->ShowError(text, holds.isEmpty() ? detail
                                           : (detail.isEmpty() ? detail : detail + QLatin1Char('\n'))
                                                     + tr("The radio now holds: %1.").arg(holds));
}

QString RadioBackupRun::WrittenSoFarText() const
{
    const int areas = static_cast<int>(areas_.size());
    if (kind_ != Kind::Restore || step_ < 0)
        return {};
    if (step_ > areas)
        return tr("every area written, the read-back not finished");
    auto nameOf = [this](int step) {
        return shownArea(step == 0 ? QStringLiteral("main memory") : areas_[static_cast<size_t>(step - 1)].second->AreaName());
    };
    auto listed = [](const QStringList &names) {
        return names.size() < 2 ? names.join(QString())
                                : tr("%1 and %2").arg(names.mid(0, names.size() - 1).join(QStringLiteral(", ")), names.last());
    };
    QStringList written, notWritten;
    for (int step = 0; step <= areas; ++step)
        if (holds(step) || step == step_)
            (step < step_ ? written : notWritten) << nameOf(step);
    notWritten.removeFirst(); // the area under way
    QStringList parts;
    if (!written.isEmpty())
        parts << tr("%1 written").arg(listed(written));
    parts << (step_ == 0 ? form1_.MainWriteProgressText()
                         : areas_[static_cast<size_t>(step_ - 1)].second->WriteProgressText());
    if (!notWritten.isEmpty())
        parts << tr("%1 not written").arg(listed(notWritten));
    return parts.join(QStringLiteral("; "));
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
    const QString holds = WrittenSoFarText();
    finish(false, kind_ == Kind::Backup ? tr("The backup was cancelled; the radio is unchanged.")
                  : holds.isEmpty()     ? tr("The restore was cancelled before anything was written.")
                                        : tr("The restore was cancelled; the radio now holds: %1.").arg(holds));
}

void RadioBackupRun::finish(bool completed, const QString &text, const QString &list)
{
    if (!running_)
        return;
    running_ = false;
    if (history_)
        history_->Flush(); // what was read, whole, is kept whatever the end
    SetUserDialogs(Outer);
    if (progress_)
        progress_->hide();
    form1_.CancelMainTransfer(); // the port the run opened is closed again
    if (!text.isEmpty())
        Outer->ShowList(text, list);
    emit Finished(completed);
}

} // namespace lumora
