#include "signalling/FleetSyncBlocks.h"

#include <QCoreApplication>
#include <QHash>

namespace lumora {

namespace {

const char *kColumns[] = {"NO.", "Fleet", "ID"};

QString label(const char *control) { return FleetSyncLabel(QLatin1String(control)); }

// The entries of a block: its first entry, and where each sits.
int firstEntry(int index) { return index == 0 ? 1 : 7 * (index - 1) + 3; }
int entryCount(int index) { return index == 0 ? 2 : 7; }
int entryOffset(int index) { return index == 0 ? 20 : 0; }

uint16_t entryNumber(const ICellTable &entries, int col, int row)
{
    const QString text = entries.cellText(col, row);
    if (text.isEmpty())
        return 0;
    return static_cast<uint16_t>(WholeNumber(text, CellPlace(QStringLiteral("Fleet and ID"), row,
                                                               QLatin1String(kColumns[col])),
                                             kWordMax));
}

QString entryText(uint16_t value) { return value == 0 ? QString() : QString::number(value); }

} // namespace

bool FleetSyncControls::operator==(const FleetSyncControls &o) const
{
    return ed1 == o.ed1 && ed2 == o.ed2 && cb1 == o.cb1 && ed3 == o.ed3 && ed4 == o.ed4
           && CheckBox1 == o.CheckBox1;
}

const QStringList &FleetSyncBaudRates()
{
    static const QStringList rates{"1200", "2400"};
    return rates;
}

QString FleetSyncLabel(const QString &control)
{
    static const QHash<QString, QString> labels = {
        {"ed1", QT_TRANSLATE_NOOP("Settings", "Fleet[Own]")},
        {"ed2", QT_TRANSLATE_NOOP("Settings", "ID[Own]")},
        {"cb1", QT_TRANSLATE_NOOP("Settings", "FleetSync Baud Rate[bps]")},
        {"ed3", QT_TRANSLATE_NOOP("Settings", "Data TX Modulation Delay Time[ms]")},
        {"ed4", QT_TRANSLATE_NOOP("Settings", "Message Mode Timer [s]")},
        {"CheckBox1", QT_TRANSLATE_NOOP("Settings", "PTT ID Side Tone")},
    };
    return labels.value(control);
}

Payload EncodeFleetSyncBlock(int index, const FleetSyncControls &c, const ICellTable &entries)
{
    Payload d{};
    if (index < 0 || index >= kFleetSyncBlocks)
        return d;
    if (index == 0) {
        Put16(&d[0], static_cast<uint32_t>(WholeNumber(c.ed1, label("ed1"), kWordMax)));
        Put16(&d[2], static_cast<uint32_t>(WholeNumber(c.ed2, label("ed2"), kWordMax)));
        d[4] = static_cast<uint8_t>(WholeQuotient(c.cb1, 100, label("cb1"), kByteMax));
        Put16(&d[5], static_cast<uint32_t>(WholeNumber(c.ed3, label("ed3"), kWordMax))); // unaligned
        d[7] = static_cast<uint8_t>(WholeNumber(c.ed4, label("ed4"), kByteMax));
        d[8] = c.CheckBox1 ? 0xFF : 0x00;
    }
    for (int i = 0; i < entryCount(index); ++i) {
        const int row = firstEntry(index) + i;
        uint8_t *at = &d[static_cast<size_t>(entryOffset(index) + 4 * i)];
        Put16(at, entryNumber(entries, 1, row));
        Put16(at + 2, entryNumber(entries, 2, row));
    }
    return d;
}

void DecodeFleetSyncBlock(const uint8_t *frame, FleetSyncControls &c, ICellTable &entries)
{
    const int index = frame[2];
    const uint8_t *d = frame + 4;
    if (index < 0 || index >= kFleetSyncBlocks)
        return;
    if (index == 0) {
        c.ed1 = QString::number(Get16(&d[0]));
        c.ed2 = QString::number(Get16(&d[2]));
        c.cb1 = QString::number(d[4] * 100);
        c.ed3 = QString::number(Get16(&d[5]));
        c.ed4 = QString::number(d[7]);
        c.CheckBox1 = d[8] == 0xFF;
    }
    for (int i = 0; i < entryCount(index); ++i) {
        const int row = firstEntry(index) + i;
        const uint8_t *at = &d[entryOffset(index) + 4 * i];
        entries.setCellText(1, row, entryText(Get16(at)));
        entries.setCellText(2, row, entryText(Get16(at + 2)));
    }
}

} // namespace lumora
