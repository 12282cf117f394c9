#pragma once
// Channel rows for the codec tests.

#include "memory/ChannelColumns.h"
#include "memory/TextTable.h"

#include <QStringList>

namespace lumora::test {

inline TextTable freshChannelTable()
{
    TextTable t(kChannelColumns, kChannelRows);
    FillChannelLabels(t);
    return t;
}

inline void setRow(ICellTable &t, int row, const QStringList &fields)
{
    for (int i = 0; i < fields.size(); ++i)
        t.setCellText(i + 1, row, fields[i]);
}

inline QStringList rowOf(const ICellTable &t, int row)
{
    QStringList l;
    for (int c = 1; c < kChannelColumns; ++c)
        l << t.cellText(c, row);
    return l;
}

// A new channel on 146.52 MHz with a 67.0 Hz encode tone.
inline QStringList simplexChannel()
{
    return {"146.52000", "",    "NONE", "67.0", "HIGH", "WIDE", "YES", "25000",
            "NONE",      "NONE", "NONE", "NONE", "DTMF", "1",    "NONE"};
}

} // namespace lumora::test
