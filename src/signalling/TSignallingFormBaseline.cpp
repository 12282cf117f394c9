// What a signalling window keeps of the radio it was read from, so that a
// write gives back every byte the user has not changed.

#include "signalling/TSignallingForm.h"

#include "memory/Errors.h"
#include "ui/TXStringGrid.h"

#include <QLabel>
#include <algorithm>

namespace lumora {

namespace {

QString hex(uint8_t b) { return QStringLiteral("0x%1").arg(b, 2, 16, QLatin1Char('0')); }

QString errorText(const ELumoraError &e)
{
    const QString what = QString::fromUtf8(e.what());
    return e.detail().isEmpty() ? what : QStringLiteral("%1 (%2)").arg(what, e.detail());
}

} // namespace

void TSignallingForm::TakeBaseline(const std::vector<Payload> &blocks)
{
    baseline_ = blocks;
    fromRadio_ = true; // a backup, a restore or a file: what the user chose
    if (blocks.empty()) {
        baselineTexts_.clear();
        lost_.clear();
        lostLines_.clear();
        showValuesNotWrittenBack();
        return;
    }
    baseline_.resize(static_cast<size_t>(blockCount_));
    baselineTexts_ = settingsOf(baseline_);
    findLostValues();
}

bool TSignallingForm::ShowsBaseline() const
{
    return HasBaseline() && DifferingCells(Settings(), baselineTexts_).empty();
}

SettingsValues TSignallingForm::settingsOf(const std::vector<Payload> &area, const SettingsValues &seed) const
{
    TSignallingForm *scratch = &offScreen();
    scratch->setSettings(seed); // what no block carries stays as it is
    FrameBuffer frame{};
    for (int i = 0; i < blockCount_; ++i) {
        BuildDataFrameHeader(frame, type_, static_cast<uint8_t>(i));
        std::copy(area[static_cast<size_t>(i)].begin(), area[static_cast<size_t>(i)].end(), frame.begin() + kPayloadOffset);
        scratch->decodeBlock(frame.data());
    }
    return scratch->Settings();
}

std::vector<SettingsCell> TSignallingForm::cellsShowing(int block, const std::function<void(Payload &)> &change) const
{
    // The cells whose text changes when the block's bytes change so.
    Payload changed = baseline_[static_cast<size_t>(block)];
    change(changed);
    return DifferingCells(baselineTexts_, blockShows(block, changed, baselineTexts_));
}

void TSignallingForm::findLostValues()
{
    lost_.clear();
    lostLines_.clear();
    const auto n = static_cast<size_t>(blockCount_);
    baselineEncoded_.assign(n, Payload{});
    baselineConverts_.assign(n, false);
    TSignallingForm *read = &offScreen(); // the window as the read left it
    read->setSettings(baselineTexts_);
    Payload previous{};
    for (int b = 0; b < blockCount_; ++b) {
        const Payload &radio = baseline_[static_cast<size_t>(b)];
        AssignedBlock encoded;
        try {
            const Payload sent = read->encodeBlock(b, previous);
            encoded = AssignedBy([&](Payload &p) { p = read->encodeBlock(b, p); }, sent);
        } catch (const ELumoraError &e) {
            lost_.push_back({b, -1, 0, 0, errorText(e), {}});
            previous = radio;
            continue;
        }
        baselineEncoded_[static_cast<size_t>(b)] = encoded.bytes;
        baselineConverts_[static_cast<size_t>(b)] = true;
        previous = encoded.bytes;
        for (size_t k = 0; k < radio.size(); ++k)
            if (encoded.assigned[k] && encoded.bytes[k] != radio[k])
                lost_.push_back({b, static_cast<int>(k), radio[k], encoded.bytes[k], {}, {}});
    }
    lostCellsKnown_ = false;
    showValuesNotWrittenBack();
}

void TSignallingForm::findCellsOf(LostValue &v) const
{
    if (v.cellsKnown)
        return;
    v.cellsKnown = true;
    auto add = [&](const std::function<void(Payload &)> &change) {
        for (const SettingsCell &c : cellsShowing(v.block, change))
            if (std::find(v.cells.begin(), v.cells.end(), c) == v.cells.end())
                v.cells.push_back(c);
    };
    if (v.offset < 0) {
        // Every cell the block shows, whatever its bytes.
        add([](Payload &p) {
            for (uint8_t &x : p)
                x = static_cast<uint8_t>(~x);
        });
        for (uint8_t fill : {0x00, 0x01, 0x11, 0x55, 0xAA, 0xFF})
            add([fill](Payload &p) { p.fill(fill); });
        return;
    }
    const auto k = static_cast<size_t>(v.offset);
    for (int bit = -1; bit < 8; ++bit) // each bit flipped, and all of them
        add([k, bit](Payload &p) { p[k] = static_cast<uint8_t>(p[k] ^ (bit < 0 ? 0xFF : 1 << bit)); });
    for (uint8_t value : {0x00, 0xFF}) // a flag that knows only these
        add([k, value](Payload &p) { p[k] = value; });
}

QStringList TSignallingForm::ValuesNotWrittenBack() const
{
    findLostCells();
    return lostLines_;
}

void TSignallingForm::findLostCells() const
{
    if (lostCellsKnown_)
        return;
    lostCellsKnown_ = true;
    for (LostValue &v : lost_)
        findCellsOf(v);
    for (const LostValue &v : lost_) {
        QStringList places;
        for (const SettingsCell &c : v.cells)
            places << cellName(c);
        const bool inRow = std::any_of(v.cells.begin(), v.cells.end(), [](const SettingsCell &c) { return c.row > 0; });
        if (v.offset < 0)
            lostLines_ << tr("%1 block %2 (%3): %4; a write keeps the radio's bytes while the block is "
                                         "unchanged")
                                  .arg(AreaName())
                                  .arg(v.block)
                                  .arg(places.isEmpty() ? tr("nothing shown") : places.join(QStringLiteral(", ")),
                                       v.why);
        else if (places.isEmpty())
            lostLines_ << tr("%1 block %2, byte d%3: the radio's %4 is not shown; a write keeps it while "
                                         "the block is unchanged, and sends %5 once it has changed")
                                  .arg(AreaName())
                                  .arg(v.block)
                                  .arg(v.offset)
                                  .arg(hex(v.radio), hex(v.written));
        else
            lostLines_ << tr("%1, %2: the radio's %3 (block %4, byte d%5) would be written as %6; a write "
                                         "keeps the radio's byte while the %7 is unchanged")
                                  .arg(AreaName(), places.join(QStringLiteral(", ")), hex(v.radio))
                                  .arg(v.block)
                                  .arg(v.offset)
                                  .arg(hex(v.written), inRow ? QStringLiteral("row") : QStringLiteral("box"));
    }
}

void TSignallingForm::showValuesNotWrittenBack()
{
    const int n = static_cast<int>(lost_.size());
    NotWrittenBackLabel->setText(n == 1 ? tr("<a href=\"list\">1 value this window cannot write back as read</a>")
                                        : tr("<a href=\"list\">%1 values this window cannot write back as read</a>").arg(n));
    NotWrittenBackLabel->setVisible(n > 0);
}

QString TSignallingForm::cellName(const SettingsCell &cell) const
{
    if (cell.row == 0)
        return cell.key;
    for (const SettingsControl &c : settingsControls())
        if (c.key == cell.key)
            if (auto *grid = qobject_cast<TXStringGrid *>(c.control)) {
                const QString caption = grid->Cells(cell.col, 0).trimmed();
                return CellPlace(cell.key, cell.row, caption.isEmpty() ? QString::number(cell.col) : caption);
            }
    return CellPlace(cell.key, cell.row, QString::number(cell.col));
}

AssignedBlock TSignallingForm::blockToWrite(int b, const Payload &previous, const SettingsValues &now) const
{
    auto encode = [&] {
        const Payload sent = encodeBlock(b, previous);
        return AssignedBy([&](Payload &p) { p = encodeBlock(b, p); }, sent);
    };
    if (baseline_.empty())
        return encode();
    const auto i = static_cast<size_t>(b);
    AssignedBlock radio{baseline_[i], {}};
    radio.assigned.fill(true);
    auto changed = [&](const SettingsCell &c) { return CellDiffers(c, now, baselineTexts_); };
    if (!baselineConverts_[i]) {
        // As read, the block does not convert: while it shows what the
        // radio's bytes show, it is the radio's; changed, it converts or
        // says where it does not.
        if (DifferingCells(blockShows(b, baseline_[i], now), now).empty())
            return radio;
        return encode();
    }
    AssignedBlock e = encode();
    bool same = true;
    for (size_t k = 0; k < e.bytes.size(); ++k)
        same = same && (!e.assigned[k] || e.bytes[k] == baselineEncoded_[i][k]);
    if (same)
        return radio; // nothing the block shows has changed
    for (LostValue &v : lost_)
        if (v.block == b)
            findCellsOf(v);
    for (const LostValue &v : lost_) {
        if (v.block != b || v.offset < 0 || v.cells.empty() || std::any_of(v.cells.begin(), v.cells.end(), changed))
            continue; // not shown, or given a new value
        if (std::none_of(v.cells.begin(), v.cells.end(),
                         [&](const SettingsCell &c) { return UnitDiffers(c, now, baselineTexts_); })) {
            e.bytes[static_cast<size_t>(v.offset)] = v.radio; // its row or box is as read
            continue;
        }
        ELumoraError refusal(tr("The %1 write was refused: %2 shows the radio's %3, which the window "
                                            "cannot write back, and its row has changed. Choose a value for it, or "
                                            "undo the changes to its row.")
                                     .arg(AreaName(), cellName(v.cells.front()), hex(v.radio)));
        refusal.setDetail(cellName(v.cells.front()));
        throw refusal;
    }
    // The radio's bytes that nothing shows are kept where keeping them
    // leaves what the block shows as the window has it.
    std::vector<const LostValue *> hidden;
    for (const LostValue &v : lost_)
        if (v.block == b && v.offset >= 0 && v.cells.empty())
            hidden.push_back(&v);
    if (hidden.empty())
        return e;
    const SettingsValues shown = blockShows(b, e.bytes, now);
    auto keep = [&](const std::vector<const LostValue *> &values) {
        Payload kept = e.bytes;
        for (const LostValue *v : values)
            kept[static_cast<size_t>(v->offset)] = v->radio;
        const bool keeps = DifferingCells(blockShows(b, kept, now), shown).empty();
        if (keeps)
            e.bytes = kept;
        return keeps;
    };
    if (!keep(hidden)) // all at once, or one by one
        for (const LostValue *v : hidden)
            keep({v});
    return e;
}

SettingsValues TSignallingForm::blockShows(int b, const Payload &bytes, const SettingsValues &seed) const
{
    TSignallingForm &scratch = offScreen();
    scratch.setSettings(seed);
    FrameBuffer frame{};
    BuildDataFrameHeader(frame, type_, static_cast<uint8_t>(b));
    std::copy(bytes.begin(), bytes.end(), frame.begin() + kPayloadOffset);
    scratch.decodeBlock(frame.data());
    return scratch.Settings();
}

TSignallingForm &TSignallingForm::offScreen() const
{
    if (!scratch_)
        scratch_ = makeScratch();
    return *scratch_;
}

} // namespace lumora
