#pragma once
// What the sixteen columns of the channel table are: captions, the texts a
// field may hold, and what a new channel starts with.

#include "memory/CellTable.h"

#include <QStringList>
#include <cstdint>
#include <vector>

namespace lumora {

enum ChannelColumn {
    ColChannelNo = 0,
    ColRxFreq = 1,
    ColTxFreq = 2,
    ColToneDec = 3,
    ColToneEnc = 4,
    ColTxPower = 5,
    ColWideNarrow = 6,
    ColScanAdd = 7,
    ColStepFreq = 8,
    ColDtmf1 = 9,
    ColDtmf2 = 10,
    ColPttId = 11,
    ColScrambler = 12,
    ColPttIdType = 13,
    ColPttIdNo = 14,
    ColCompandor = 15,
};

constexpr int kChannelColumns = 16;
constexpr int kChannelRows = 17; // the caption row and channels 1 to 16
constexpr int kChannelCount = 16;

// What one column is: its caption, what a new channel gets in it, the
// texts its drop-down offers (null: typed freely), whether only those are
// taken, its width as laid out (-1: shown with View > All columns), and
// the drop-down editor it shares with the columns of the same texts
// (ComboCellEditorN, 1 to kChannelComboEditors; 0 none, -1 the free-text
// editor). Index = column: a column is added here, in ChannelColumn and
// in the channel record's field table.
struct ChannelColumnInfo {
    const char *caption;
    const char *newChannel;
    const QStringList &(*items)();
    bool listOnly;
    int width;
    int editor;
};
const std::vector<ChannelColumnInfo> &ChannelColumnTable();
constexpr int kChannelComboEditors = 10;

// Row 0 of the table, column 0 first.
const QStringList &ChannelCaptions();

// The texts a new channel gets in columns 2 to 15 (index = column; the
// entries for columns 0 and 1 are empty: the number and the typed frequency).
const QStringList &NewChannelDefaults();

// The 218 tone texts offered to the user: NONE, 51 CTCSS tones, 83 DCS codes
// with N, the same with I.
const QStringList &ToneVocabulary();
const QStringList &CtcssTones();
const QStringList &DcsCodes();

// The lists of the fixed-choice columns.
const QStringList &TxPowerTexts();    // HIGH LOW
const QStringList &WideNarrowTexts(); // WIDE NARROW
const QStringList &NoneYesTexts();    // NONE YES
const QStringList &StepFreqTexts();   // 5000 ... 25000
const QStringList &DtmfKeyTexts();    // NONE 1..9 * 0 # A B C D
const QStringList &PttIdTexts();      // NONE BOTH BOT EOT
const QStringList &ScramblerTexts();  // NONE 1..10
const QStringList &PttIdTypeTexts();  // DTMF 2TONE 5TONE FSK
const QStringList &PttIdNoTexts();    // 1..16

// DTMF key codes of a channel: "D" is 0, "0" is 10, "NONE" 0xFF.
// Returns -1 for a text that is no key.
int DtmfKeyCode(const QString &text);
// The key text of a code, or an empty text for 16 to 254.
QString DtmfKeyText(uint8_t code);

// A channel row is in use while its RX Freq is neither empty nor one blank.
bool IsEmptyField(const QString &text);

// Captions in row 0 and channel numbers in column 0; nothing else is touched.
void FillChannelLabels(ICellTable &table);

} // namespace lumora
