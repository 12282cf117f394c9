#pragma once
// Tone texts (QT/DQT columns) and the 16-bit tone word the radio stores.
//   0xFFFF            NONE
//   top nibble 0x0    CTCSS, the whole word in tenths of a hertz
//   top nibble 0x2    normal DCS, low 12 bits = the three digits as decimal
//   top nibble 0xA    inverted DCS

#include <QString>
#include <cstdint>
#include <optional>

namespace lumora {

// The canonical tone text for what was typed: "NONE", one-decimal CTCSS
// ("67.0"), or three digits and N or I ("023N"). Malformed texts become
// "023N". May throw EConvertError for characters the key filter keeps out.
QString NormalizeToneText(const QString &text);

// Throws EConvertError for a text that is neither NONE, DCS nor a number.
uint16_t EncodeToneWord(const QString &text);

// No text for a word whose top nibble is neither 0, 2 nor 0xA.
std::optional<QString> DecodeToneWord(uint16_t word);

} // namespace lumora
