#pragma once
// What the signalling block codecs share: the 28-byte payload, little-endian
// fields, and the readings of numbers from the controls' texts. A text that
// does not read throws EConvertError "'%s' is not a valid integer value",
// its detail naming the control or the grid cell it came from.

#include "memory/AssignedBytes.h"
#include "memory/LittleEndian.h"

#include <QString>
#include <array>
#include <cstdint>

namespace lumora {

// f's result; a conversion error it throws names where as its place.
template <class F>
auto InPlace(const QString &where, F f) -> decltype(f());

// The largest values a byte and a little-endian word hold.
constexpr int kByteMax = 0xFF;
constexpr int kWordMax = 0xFFFF;
// The text as a whole number, from 0 to max (what its bytes hold; refused
// with CheckFits' ERangeError beyond).
int WholeNumber(const QString &text, const QString &where, int max = -1);
// The text's number divided by divisor, from 0 to max once divided; it
// must come out whole: the quotient is written as text and read again, so
// 105 / 10 fails as '10.5'.
int WholeQuotient(const QString &text, int divisor, const QString &where, int max = -1);
// "Row r, column c" for a grid cell, and its caption.
QString CellPlace(const QString &grid, int row, const QString &column);

} // namespace lumora

#include "memory/Errors.h"

template <class F>
auto lumora::InPlace(const QString &where, F f) -> decltype(f())
{
    try {
        return f();
    } catch (EConvertError &e) {
        e.setDetail(where);
        throw;
    }
}
