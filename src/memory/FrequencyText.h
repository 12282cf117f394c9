#pragma once
// The text rules of the frequency columns, and the two counting helpers the
// text rules share.

#include <QString>

namespace lumora {

// How many times c occurs in text.
int CountChar(const QString &text, QChar c);
// How many characters of text are the letters A to Z or a to z.
int CountLetters(const QString &text);

// The text unchanged when it is a frequency above 0 and at most 999.99999 MHz,
// else the empty text (also for a text that does not read as a number).
QString CheckFrequencyText(const QString &text);

} // namespace lumora
