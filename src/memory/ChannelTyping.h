#pragma once
// What a channel cell makes of a text the user typed or pasted, before
// the cell rules run: taken (its form made canonical where the value stays
// the same), taken with a note, or refused with what the cell takes. No
// value the user did not mean ever takes the place of what was typed.

#include <QString>
#include <optional>

namespace lumora {

struct TypedChannelText {
    bool refused = false;
    QString text;    // what the cell gets, when taken
    QString message; // why it was refused, or a note on what was taken; empty: nothing to say
};

// typed: the text as the user gave it; taken: what the cell's editor and
// the window's character rule made of it (none: the editor's list lacks
// it). row: the channel, whose RX Freq the table holds now.
TypedChannelText JudgeTypedChannelText(int col, int row, const QString &typed, const std::optional<QString> &taken,
                                       const QString &rxFreqNow);

// A note on a cell whose value the radio does not list but keeps (a tone
// between its standard tones); empty for none.
QString ChannelCellNote(int col, const QString &text);

// What a column takes, as a message says it ("digits and a decimal point").
QString WhatChannelColumnTakes(int col);

// A decimal comma is a decimal point wherever a number is typed.
QChar TypedDecimalPoint(QChar c);

} // namespace lumora
