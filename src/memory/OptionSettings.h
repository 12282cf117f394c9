#pragma once
// The radio-wide options of the main memory (block type 5, index 0):
//   4 Save Power  5 Beep  6..11 zero  12 VOX Lev  13 VOX Time  14 SQ Lev
//  15 TOT  16 Voice  17 PF1  18 PF2  19 Scan  20..31 untouched
// Each option is the text of one drop-down box; OptionId N-1 is ComboBoxN.

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

namespace lumora {

enum OptionId {
    OptVoxLev = 0,    // ComboBox1 (hidden)
    OptVoxTime = 1,   // ComboBox2 (hidden)
    OptSqLev = 2,     // ComboBox3
    OptTot = 3,       // ComboBox4
    OptVoice = 4,     // ComboBox5
    OptPf1 = 5,       // ComboBox6
    OptPf2 = 6,       // ComboBox7
    OptScan = 7,      // ComboBox8
    OptSavePower = 8, // ComboBox9
    OptBeep = 9,      // ComboBox10 (hidden)
};

constexpr int kOptionCount = 10;
constexpr int kStoredOptionCount = 9; // the channel file keeps all but Beep

using OptionTexts = std::array<QString, kOptionCount>;

struct OptionInfo {
    QString label;       // "TOT", "PF1:", ...
    QStringList items;   // the texts the box offers
    QString defaultText; // also what an emptied box gets back on exit
    bool visible;
};

const OptionInfo &Option(OptionId id);
OptionTexts DefaultOptionTexts();

// Writes offsets 4 to 19. Throws EConvertError for a text that is not a
// number where one is needed and ERangeError for a TOT above 255 s; in
// either case no byte is written.
void EncodeSettingsBlock(const OptionTexts &options, uint8_t *frame);

// Sets all ten texts; every byte value has a text.
void DecodeSettingsBlock(const uint8_t *frame, OptionTexts &options);

} // namespace lumora
