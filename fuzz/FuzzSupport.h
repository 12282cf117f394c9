#pragma once
// What the fuzz targets share: reading the input piece by piece, the
// checks that stop a run, and a table filled with a pattern that shows
// whether anything changed it.

#include "memory/TextTable.h"

#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace lumora::fuzz {

// Stops the run with the reason; libFuzzer keeps the input as a crash.
[[noreturn]] inline void fail(const char *what, const QString &detail = QString())
{
    std::fprintf(stderr, "invariant broken: %s %s\n", what, detail.toLocal8Bit().constData());
    std::abort();
}
#define LUMORA_FUZZ_CHECK(condition, detail)                                                      \
    do {                                                                                         \
        if (!(condition))                                                                        \
            ::lumora::fuzz::fail(#condition, detail);                                            \
    } while (0)

class Input {
public:
    Input(const uint8_t *data, size_t size) : data_(data), size_(size) {}
    bool empty() const { return size_ == 0; }
    size_t left() const { return size_; }
    uint8_t byte()
    {
        if (size_ == 0)
            return 0;
        --size_;
        return *data_++;
    }
    uint16_t word() { return static_cast<uint16_t>(byte() << 8 | byte()); }
    // Up to count bytes (fewer at the end).
    QByteArray bytes(size_t count)
    {
        count = count < size_ ? count : size_;
        QByteArray b(reinterpret_cast<const char *>(data_), static_cast<int>(count));
        data_ += count;
        size_ -= count;
        return b;
    }
    QByteArray rest() { return bytes(size_); }
    QString text(size_t count) { return QString::fromUtf8(bytes(count)); }

private:
    const uint8_t *data_;
    size_t size_;
};

// Every cell a text of its own place, so that any change shows.
inline void FillPattern(ICellTable &table)
{
    for (int r = 0; r < table.rowCount(); ++r)
        for (int c = 0; c < table.colCount(); ++c)
            table.setCellText(c, r, QStringLiteral("r%1c%2").arg(r).arg(c));
}

inline bool SameCells(const ICellTable &a, const ICellTable &b)
{
    if (a.rowCount() != b.rowCount() || a.colCount() != b.colCount())
        return false;
    for (int r = 0; r < a.rowCount(); ++r)
        for (int c = 0; c < a.colCount(); ++c)
            if (a.cellText(c, r) != b.cellText(c, r))
                return false;
    return true;
}

inline TextTable CopyOf(const ICellTable &t)
{
    TextTable copy(t.colCount(), t.rowCount());
    CopyCells(t, copy);
    return copy;
}

} // namespace lumora::fuzz
