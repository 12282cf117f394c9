#include "backup/RadioBackupRun.h"

#include "memory/ChannelColumns.h"
#include "memory/Errors.h"
#include "memory/MemoryComparison.h"
#include "ui/TForm1.h"
#include "ui/TForm3.h"
#include "ui/TXStringGrid.h"
#include "ui/ToolTexts.h"

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

namespace {

// What a write from texts alone cannot give back, area by area.
const QHash<QString, QString> kTextsCannotCarry = {
        {QStringLiteral("main memory"),
         QStringLiteral("channel bytes 24 to 27 and option bytes 2 to 7 and 16 to 27 are written as 0 or as the frame "
                        "before left them, and a channel whose receive frequency is 0 as an empty channel")},
        {QStringLiteral("DTMF"), QStringLiteral("block 0 bytes 6 to 9, bytes 24 to 27 of blocks 1 to 3 and block 3 "
                                                "bytes 16 to 23 are not kept, nor digit counts that differ from the "
                                                "digits, nor leading D digits of memories 9 to 16")},
        {QStringLiteral("2TONE"), QStringLiteral("block 0 bytes 16 to 19 and bytes 24 to 27 of the decode blocks are "
                                                 "not kept, nor decode rows with a pair byte of 0 or a pair nibble "
                                                 "outside A to D")},
        {QStringLiteral("5TONE"), QStringLiteral("block 0 bytes 15 to 19 and 24 to 27 and bytes 13 and 27 of the "
                                                 "encode blocks are not kept")},
        {QStringLiteral("FleetSync"), QStringLiteral("block 0 bytes 9 to 19 are not kept, nor a side-tone byte other "
                                                     "than 0 or 0xFF")},
};

} // namespace

QString RadioBackupRun::editedAreasText() const
{
    if (edited_.isEmpty())
        return {};
    if (!edited_.filter(QStringLiteral("the file keeps none of its bytes")).isEmpty())
        return QStringLiteral("\nNot every area was restored byte for byte:");
    return QStringLiteral("\nThe file's texts were changed in some areas: there, what changed is written from the "
                          "texts and everything else byte for byte. Of the radio's values, the texts cannot carry "
                          "these (the changed ones are written as the texts say):");
}

namespace {

// What makes a radio this radio in a fleet: its FleetSync own fleet and ID,
// and the DTMF ID code by which the others call it.
const std::pair<QString, const char *> kIdentityKeys[] = {
        {area::FleetSync, "Fleet[Own]"}, {area::FleetSync, "ID[Own]"}, {area::Dtmf, "ID Code"}};

SettingsValue *valueOf(SettingsValues &values, const QString &key)
{
    for (SettingsValue &v : values)
        if (v.key == key)
            return &v;
    return nullptr;
}

} // namespace

// Where the identity lives in block 0 of its areas: the DTMF ID code's word
// and digit count, the FleetSync own fleet's and ID's words.
const std::pair<QString, std::vector<int>> kIdentityBytes[] = {{area::Dtmf, {10, 11, 12, 13, 19}},
                                                               {area::FleetSync, {0, 1, 2, 3}}};

const QStringList &RadioBackupRun::IdentityKeys()
{
    static const QStringList keys = [] {
        QStringList k;
        for (const auto &identity : kIdentityKeys)
            k << QLatin1String(identity.second);
        return k;
    }();
    return keys;
}

std::vector<RadioBackupRun::Identity> RadioBackupRun::readIdentity() const
{
    std::vector<Identity> identity;
    for (const auto &[area, key] : kIdentityKeys)
        if (TSignallingForm *window = windowOf(area)) {
            SettingsValues values = window->Settings();
            if (const SettingsValue *v = valueOf(values, QLatin1String(key)))
                identity.push_back({area, QLatin1String(key), v->text});
        }
    return identity;
}

void RadioBackupRun::putIdentity()
{
    for (const Identity &id : identity_)
        if (TSignallingForm *window = windowOf(id.area)) {
            SettingsValues values = window->Settings();
            if (SettingsValue *v = valueOf(values, id.key))
                v->text = id.text;
            window->setSettings(values);
        }
}

TSignallingForm *RadioBackupRun::WindowOf(const QString &area) const
{
    for (const auto &[name, window] : areas_)
        if (name == area)
            return window;
    return nullptr;
}

QString RadioBackupRun::keptIdentityText() const
{
    QStringList kept;
    for (const Identity &id : identity_)
        kept << QStringLiteral("%1 %2").arg(id.key, id.text);
    if (kept.isEmpty())
        return QString();
    return (keepIdentity_ ? QStringLiteral("\nThe radio kept its identity: %1.")
                          : QStringLiteral("\nThe radio was given the identity %1."))
            .arg(kept.join(", "));
}

void RadioBackupRun::takeFile()
{
    // The whole file checked and every block of every area encoded before
    // the first byte goes out.
    const AreaSettings before = allSettings();
    const AreaBytes beforeBytes = baselines();
    AreaBytes bytes;
    int format = 0;
    const AreaSettings file = LoadRadioBackup(fileName_, before, &bytes, blockCounts(), &format);
    auto apply = [this](const AreaSettings &all) {
        OptionTexts options = form1_.Options();
        ApplyMainMemorySettings(all[0].second, *form1_.xg, options);
        form1_.setOptions(options);
        for (size_t i = 0; i < areas_.size(); ++i)
            areas_[i].second->setSettings(all[static_cast<int>(i) + 1].second);
    };
    apply(file);
    try {
        QStringList textsOnly; // areas of a file of format 2 whose bytes were taken out
        for (int i = 0; format >= 2 && i < bytes.size(); ++i)
            if (bytes[i].empty())
                textsOnly << (i == 0 ? QStringLiteral("main memory") : areas_[static_cast<size_t>(i - 1)].second->AreaName());
        keepIdentityBytes(bytes);
        takeBytes(bytes);
        for (const QString &area : textsOnly)
            edited_ << area + QStringLiteral(": restored from its texts (the file keeps none of its bytes), so ")
                               + kTextsCannotCarry.value(area);
        putIdentity(); // its blocks are written from the texts, the rest byte for byte
        form1_.WriteBlocks();
        for (const auto &area : areas_)
            area.second->EncodeArea();
        checkIdentityBytes();
    } catch (...) {
        apply(before); // a refused restore leaves the windows as they were
        takeBytes(beforeBytes);
        edited_.clear();
        throw;
    }
}

void RadioBackupRun::keepIdentityBytes(AreaBytes &bytes)
{
    // The radio's own bytes of its identity go into the file's blocks (or,
    // for a file of texts only, into the blocks its texts make): with the
    // texts they show, they go out byte for byte, whatever text can say.
    for (const auto &identityBytes : kIdentityBytes) {
        const QString &name = identityBytes.first;
        const std::vector<int> &offsets = identityBytes.second;
        const auto radio = radioIdentity_.find(name);
        TSignallingForm *window = windowOf(name);
        if (radio == radioIdentity_.end() || !window)
            continue;
        const int at = static_cast<int>(std::find_if(areas_.begin(), areas_.end(),
                                                     [&name](const auto &a) { return a.first == name; })
                                        - areas_.begin()) + 1;
        while (bytes.size() <= at)
            bytes.push_back({});
        std::vector<Payload> &blocks = bytes[at];
        if (blocks.empty()) {
            window->TakeBaseline({});
            blocks = window->EncodeArea();
        }
        for (int offset : offsets)
            blocks[0][static_cast<size_t>(offset)] = radio->second[static_cast<size_t>(offset)];
    }
}

void RadioBackupRun::checkIdentityBytes() const
{
    for (const auto &[name, offsets] : kIdentityBytes) {
        const auto radio = radioIdentity_.find(name);
        TSignallingForm *window = windowOf(name);
        if (radio == radioIdentity_.end() || !window)
            continue;
        const Payload written = window->EncodeArea().at(0);
        for (int offset : offsets)
            if (written[static_cast<size_t>(offset)] != radio->second[static_cast<size_t>(offset)])
                throw ELumoraError(QStringLiteral("The radio's identity cannot be kept byte for byte: its %1 block 0, "
                                                  "d%2, holds 0x%3 and the restore would write 0x%4. Nothing was "
                                                  "written.")
                                           .arg(window->AreaName())
                                           .arg(offset)
                                           .arg(radio->second[static_cast<size_t>(offset)], 2, 16, QLatin1Char('0'))
                                           .arg(written[static_cast<size_t>(offset)], 2, 16, QLatin1Char('0')));
    }
}

void RadioBackupRun::Start()
{
    if (form1_.AnyTransferUnderWay())
        throw ELumoraError(AnotherTransferText());
    if (kind_ == Kind::Restore)
        takeFile();
    // Keeping the identity, the areas that hold it are read first (step -2
    // and -1); the file is then taken again with the identity in it.
    if (kind_ == Kind::Restore && keepIdentity_)
        step_ = -3;
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
    progress_ = new QProgressDialog(kind_ == Kind::Backup ? QStringLiteral("Backing up the radio...")
                                                          : QStringLiteral("Restoring the radio..."),
                                    QStringLiteral("Cancel"), step_ + 1, lastStep() + 1);
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
        if (step_ < 0) { // the identity: DTMF, then FleetSync
            if (TSignallingForm *window = windowOf(step_ == -2 ? area::Dtmf : area::FleetSync)) {
                form1_.OpenPortForSignalling();
                window->ReadFromRadio();
            } else {
                QTimer::singleShot(0, this, &RadioBackupRun::next); // no such area here
            }
            return;
        }
        if (step_ == 0 && keepIdentity_ && kind_ == Kind::Restore) {
            identity_ = readIdentity();
            for (const auto &[name, offsets] : kIdentityBytes)
                if (TSignallingForm *window = windowOf(name); window && !window->LastReadBlocks().empty())
                    radioIdentity_[name] = window->LastReadBlocks()[0];
            takeFile(); // the reads replaced those windows: the file again, with the identity
        }
        if (step_ == 0 && kind_ == Kind::Restore && verify_) {
            expectedAreas_.clear();
            for (const auto &area : areas_)
                expectedAreas_.push_back(area.second->WhatAWriteAssigns());
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
            differences_ = CompareMainMemoryBytes(form1_.LastWrittenBlocks(), form1_.LastReadBlocks());
            for (size_t i = 0; i < areas_.size(); ++i)
                differences_ += areas_[i].second->DifferencesFromRead(expectedAreas_[i]);
        }
        finish(true, kind_ == Kind::Backup
                             ? QStringLiteral("The radio is backed up in \"%1\".").arg(fileName_)
                             : QStringLiteral("The radio is restored from \"%1\".").arg(fileName_)
                                       + keptIdentityText() + editedAreasText(),
               edited_.join(QLatin1Char('\n')));
    } catch (const std::exception &e) {
        finish(false, QString());
        ShowException(e);
    }
}

void RadioBackupRun::mainTransferEnded(TransferEnd end)
{
    if (!running_ || (step_ != 0 && step_ != static_cast<int>(areas_.size()) + 1))
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
    const QString holds = running_ ? WrittenSoFarText() : QString();
    finish(false, QString());
    Outer->ShowError(text, holds.isEmpty() ? detail
                                           : (detail.isEmpty() ? detail : detail + QLatin1Char('\n'))
                                                     + QStringLiteral("The radio now holds: %1.").arg(holds));
}

QString RadioBackupRun::WrittenSoFarText() const
{
    const int areas = static_cast<int>(areas_.size());
    if (kind_ != Kind::Restore || step_ < 0)
        return {};
    if (step_ > areas)
        return QStringLiteral("every area written, the read-back not finished");
    auto nameOf = [this](int step) {
        return step == 0 ? QStringLiteral("main memory") : areas_[static_cast<size_t>(step - 1)].second->AreaName();
    };
    auto listed = [](const QStringList &names) {
        return names.size() < 2 ? names.join(QString())
                                : names.mid(0, names.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" and ")
                                          + names.last();
    };
    QStringList written, notWritten;
    for (int step = 0; step <= areas; ++step)
        (step < step_ ? written : notWritten) << nameOf(step);
    notWritten.removeFirst(); // the area under way
    QStringList parts;
    if (!written.isEmpty())
        parts << listed(written) + QStringLiteral(" written");
    parts << (step_ == 0 ? form1_.MainWriteProgressText()
                         : areas_[static_cast<size_t>(step_ - 1)].second->WriteProgressText());
    if (!notWritten.isEmpty())
        parts << listed(notWritten) + QStringLiteral(" not written");
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
    finish(false, kind_ == Kind::Backup ? QStringLiteral("The backup was cancelled; the radio is unchanged.")
                  : holds.isEmpty()     ? QStringLiteral("The restore was cancelled before anything was written.")
                                        : QStringLiteral("The restore was cancelled; the radio now holds: %1.").arg(holds));
}

void RadioBackupRun::finish(bool completed, const QString &text, const QString &list)
{
    if (!running_)
        return;
    running_ = false;
    SetUserDialogs(Outer);
    if (progress_)
        progress_->hide();
    form1_.CancelMainTransfer(); // the port the run opened is closed again
    if (!text.isEmpty())
        Outer->ShowList(text, list);
    emit Finished(completed);
}

} // namespace lumora
