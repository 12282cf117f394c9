// Every block decoder on any answer: whatever the payload says, it writes
// only its own block's rows (those it fills for that block index with any
// payload), never a cell outside its tables, and a channel block nothing
// but its channel's row.

#include "FuzzSupport.h"

#include "memory/ChannelBlock.h"
#include "memory/ChannelColumns.h"
#include "memory/Errors.h"
#include "memory/OptionSettings.h"
#include "protocol/Frames.h"
#include "signalling/DtmfBlocks.h"
#include "signalling/FiveToneBlocks.h"
#include "signalling/FleetSyncBlocks.h"
#include "signalling/TwoToneBlocks.h"

#include <set>

using namespace lumora;
using namespace lumora::fuzz;

namespace {

// A table that notes the rows read and written.
class WatchedTable : public ICellTable {
public:
    WatchedTable(int cols, int rows) : table_(cols, rows) {}
    int colCount() const override { return table_.colCount(); }
    int rowCount() const override { return table_.rowCount(); }
    void setRowCount(int rows) override { table_.setRowCount(rows); }
    QString cellText(int col, int row) const override
    {
        LUMORA_FUZZ_CHECK(col >= 0 && col < colCount() && row >= 0 && row < rowCount(), QString());
        read.insert(row);
        return table_.cellText(col, row);
    }
    void setCellText(int col, int row, const QString &text) override
    {
        LUMORA_FUZZ_CHECK(col >= 0 && col < colCount() && row >= 0 && row < rowCount(),
                          QStringLiteral("cell %1,%2").arg(col).arg(row));
        written.insert(row);
        table_.setCellText(col, row, text);
    }
    mutable std::set<int> read;
    std::set<int> written;

private:
    TextTable table_;
};

bool within(const std::set<int> &part, const std::set<int> &whole)
{
    for (int r : part)
        if (!whole.count(r))
            return false;
    return true;
}

QString rowsText(const std::set<int> &rows)
{
    QStringList l;
    for (int r : rows)
        l << QString::number(r);
    return l.join(QLatin1Char(','));
}

using Rows = std::vector<std::set<int>>; // per table the decoder fills

// Decodes the frame into fresh tables; the rows written, per table.
Rows decodeRows(const FrameBuffer &frame)
{
    switch (static_cast<BlockType>(frame[1])) {
    case BlockType::Channel: {
        WatchedTable t(kChannelColumns, kChannelRows);
        DecodeChannelBlock(frame.data(), t);
        return {t.written};
    }
    case BlockType::Settings: {
        OptionTexts o = DefaultOptionTexts();
        DecodeSettingsBlock(frame.data(), o);
        return {};
    }
    case BlockType::Dtmf: {
        WatchedTable t(2, kDtmfMemories + 1);
        DtmfControls c;
        DtmfDigitCounts counts{};
        DecodeDtmfBlock(frame.data(), c, t, counts);
        return {t.written};
    }
    case BlockType::FleetSync: {
        WatchedTable t(3, kFleetSyncEntries + 1);
        FleetSyncControls c;
        DecodeFleetSyncBlock(frame.data(), c, t);
        return {t.written};
    }
    case BlockType::TwoTone: {
        WatchedTable enc(3, kTwoToneRows + 1), dec(kTwoToneDecodeColumns, kTwoToneRows + 1);
        TwoToneControls c;
        DecodeTwoToneBlock(frame.data(), c, enc, dec);
        return {enc.written, dec.written};
    }
    case BlockType::FiveTone: {
        WatchedTable std(4, kFiveToneStandards + 1), enc(6, kFiveToneRows + 1), dec(9, kFiveToneRows + 1);
        FiveToneControls c;
        DecodeFiveToneBlock(frame.data(), c, std, enc, dec);
        return {std.written, enc.written, dec.written};
    }
    }
    return {};
}

// The rows a block of this type and index fills with all-zero and all-one
// payloads: its own rows, which no payload may change.
Rows ownRows(const FrameBuffer &frame)
{
    Rows own;
    for (uint8_t fill : {uint8_t(0x00), uint8_t(0xFF)}) {
        FrameBuffer reference = frame;
        std::fill_n(reference.begin() + kPayloadOffset, kPayloadLength, fill);
        Rows rows;
        try {
            rows = decodeRows(reference);
        } catch (const ELumoraError &) {
            continue;
        }
        own.resize(rows.size());
        for (size_t i = 0; i < rows.size(); ++i)
            own[i].insert(rows[i].begin(), rows[i].end());
    }
    return own;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) { return 0; }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Input in(data, size);
    FrameBuffer frame{};
    frame[0] = kWriteMark;
    frame[1] = static_cast<uint8_t>(in.byte() % 6);
    frame[2] = in.byte();
    frame[3] = kHeaderEnd;
    const QByteArray payload = in.bytes(kPayloadLength);
    std::copy(payload.begin(), payload.end(), frame.begin() + kPayloadOffset);
    Rows rows;
    try {
        rows = decodeRows(frame);
    } catch (const ELumoraError &) {
        return 0; // a decoder may refuse an answer; it must not go astray
    }
    if (frame[1] == static_cast<uint8_t>(BlockType::Channel)) {
        for (int r : rows[0])
            LUMORA_FUZZ_CHECK(r == frame[2], QStringLiteral("channel %1 wrote row %2").arg(frame[2]).arg(r));
        return 0;
    }
    const Rows own = ownRows(frame);
    for (size_t i = 0; i < rows.size(); ++i)
        LUMORA_FUZZ_CHECK(i < own.size() && within(rows[i], own[i]),
                          QStringLiteral("type %1 block %2 table %3: wrote rows %4, its own are %5")
                                  .arg(frame[1]).arg(frame[2]).arg(i)
                                  .arg(rowsText(rows[i]), i < own.size() ? rowsText(own[i]) : QString()));
    return 0;
}
