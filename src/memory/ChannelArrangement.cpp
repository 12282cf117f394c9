#include "memory/ChannelArrangement.h"

#include <QStringList>
#include <QVector>
#include <algorithm>
#include <numeric>

namespace lumora {

ChannelOrder UnchangedOrder()
{
    ChannelOrder order{};
    std::iota(order.begin(), order.end(), 1);
    return order;
}

bool IsUnchanged(const ChannelOrder &order) { return order == UnchangedOrder(); }

bool ChannelInUse(const ICellTable &table, int n) { return !IsEmptyField(table.cellText(ColRxFreq, n)); }

ChannelOrder MovedChannels(int first, int last, int before)
{
    ChannelOrder order = UnchangedOrder();
    first = std::clamp(first, 1, kChannelCount);
    last = std::clamp(last, first, kChannelCount);
    before = std::clamp(before, 1, kChannelCount + 1);
    const auto at = [&order](int n) { return order.begin() + (n - 1); };
    if (before < first)
        std::rotate(at(before), at(first), at(last + 1));
    else if (before > last + 1)
        std::rotate(at(first), at(last + 1), at(before));
    return order;
}

ChannelOrder InsertedChannel(int at)
{
    return MovedChannels(kChannelCount, kChannelCount, std::clamp(at, 1, kChannelCount));
}

ChannelOrder DeletedChannels(int first, int last)
{
    ChannelOrder order{};
    first = std::clamp(first, 1, kChannelCount);
    last = std::clamp(last, first, kChannelCount);
    int i = 0;
    for (int n = 1; n <= kChannelCount; ++n)
        if (n < first || n > last)
            order[static_cast<size_t>(i++)] = n;
    return order; // the rest stays 0: empty channels
}

ChannelOrder SwappedChannels(int a, int b)
{
    ChannelOrder order = UnchangedOrder();
    a = std::clamp(a, 1, kChannelCount);
    b = std::clamp(b, 1, kChannelCount);
    std::swap(order[static_cast<size_t>(a - 1)], order[static_cast<size_t>(b - 1)]);
    return order;
}

namespace {

// Where a text stands in its column's order: its place in the column's
// list, else its value, else the text itself.
struct SortKey {
    bool empty = false;
    int listed = -1; // place in the list, or -1
    bool numeric = false;
    double value = 0;
    QString text;
};

SortKey keyOf(const QString &text, int col)
{
    SortKey key;
    key.text = text.trimmed();
    key.empty = IsEmptyField(text);
    const auto &columns = ChannelColumnTable();
    if (col >= 0 && col < static_cast<int>(columns.size()) && columns[static_cast<size_t>(col)].items)
        key.listed = static_cast<int>(columns[static_cast<size_t>(col)].items().indexOf(key.text));
    key.value = key.text.toDouble(&key.numeric);
    return key;
}

bool before(const SortKey &a, const SortKey &b)
{
    if (a.empty != b.empty)
        return b.empty;
    if ((a.listed >= 0) != (b.listed >= 0))
        return a.listed >= 0; // texts of the list before others
    if (a.listed >= 0)
        return a.listed < b.listed;
    if (a.numeric != b.numeric)
        return a.numeric;
    if (a.numeric)
        return a.value < b.value;
    return QString::compare(a.text, b.text, Qt::CaseInsensitive) < 0;
}

} // namespace

ChannelOrder SortedChannels(const ICellTable &table, int col)
{
    QVector<int> inUse, notInUse;
    for (int n = 1; n <= kChannelCount; ++n)
        (ChannelInUse(table, n) ? inUse : notInUse) << n;
    std::stable_sort(inUse.begin(), inUse.end(), [&table, col](int a, int b) {
        return before(keyOf(table.cellText(col, a), col), keyOf(table.cellText(col, b), col));
    });
    ChannelOrder order{};
    std::copy(notInUse.begin(), notInUse.end(), std::copy(inUse.begin(), inUse.end(), order.begin()));
    return order;
}

void ApplyChannelOrder(ICellTable &table, const ChannelOrder &order)
{
    QVector<QStringList> rows;
    for (int n = 1; n <= kChannelCount; ++n) {
        QStringList row;
        for (int col = 1; col < table.colCount(); ++col)
            row << table.cellText(col, n);
        rows << row;
    }
    for (int n = 1; n <= kChannelCount; ++n) {
        const int from = order[static_cast<size_t>(n - 1)];
        for (int col = 1; col < table.colCount(); ++col)
            table.setCellText(col, n, from > 0 ? rows[from - 1].value(col - 1) : QString());
    }
}

ChannelOrder ComposedOrder(const ChannelOrder &first, const ChannelOrder &second)
{
    ChannelOrder order{};
    for (size_t i = 0; i < order.size(); ++i) {
        const int from = second[i];
        order[i] = from > 0 ? first[static_cast<size_t>(from - 1)] : 0;
    }
    return order;
}

} // namespace lumora
