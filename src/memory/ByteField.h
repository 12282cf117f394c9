#pragma once
// One field of a main-memory block: where its bytes are, what shows it and
// how its text and its bytes convert. The block codecs, the comparisons
// behind diff and verify, and the list of what a read cannot write back
// all read the two tables, so a field is described once.

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace lumora {

struct ByteField {
    int offset;  // frame offset of its first byte
    int width;   // 1, 2 or 4 bytes, low byte first
    int shownBy; // the channel column, or the OptionId
    // The text as the value to store; throws the conversion's error.
    std::function<uint32_t(const QString &)> toValue;
    // The value as text; none: the cell keeps the text it has.
    std::function<std::optional<QString>(uint32_t)> toText;
    bool hertz = false; // a frequency: where texts look alike, told in hertz

    uint32_t read(const uint8_t *frame) const;
    void write(uint8_t *frame, uint32_t value) const;
    // Its stored value in full: "146520000 Hz", "byte 0xff", "word 0xffff".
    QString storedText(const uint8_t *frame) const;
};

// A channel record's fields, offsets 4 to 27 in order, one per column 1 to 15.
const std::vector<ByteField> &ChannelFields();
// The options' fields, offsets 4, 5 and 12 to 19, one per option.
const std::vector<ByteField> &OptionFields();

} // namespace lumora
