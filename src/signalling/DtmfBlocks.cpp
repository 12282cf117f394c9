#include "signalling/DtmfBlocks.h"

#include "memory/Conversions.h"
#include "signalling/DigitCoding.h"

#include <QCoreApplication>
#include <QHash>

namespace lumora {

namespace {

// A text and its byte, both ways.
struct Choice {
    const char *text;
    uint8_t byte;
};
const Choice kGroupCodes[] = {{"Off", 0xFF}, {"A", 13}, {"B", 14}, {"C", 15}, {"D", 0}, {"#", 12}, {"*", 11}};
const Choice kCallAlerts[] = {{"Off", 0}, {"Normal", 1}, {"Continuous", 2}};
const Choice kTransponds[] = {{"Off", 0}, {"Alert", 1}, {"ID Code", 2}};

template <size_t N>
uint8_t byteOf(const Choice (&choices)[N], const QString &text, uint8_t otherwise)
{
    for (const Choice &c : choices)
        if (text == QLatin1String(c.text))
            return c.byte;
    return otherwise;
}

// The text of a byte, or the box's text unchanged for a byte without one.
template <size_t N>
void setFromByte(const Choice (&choices)[N], uint8_t byte, QString &box)
{
    for (const Choice &c : choices)
        if (c.byte == byte) {
            box = QLatin1String(c.text);
            return;
        }
}

uint8_t low8(int v) { return static_cast<uint8_t>(v); }

QString label(const char *control) { return DtmfLabel(QLatin1String(control)); }

} // namespace

bool DtmfControls::operator==(const DtmfControls &o) const
{
    return cb1 == o.cb1 && cb2 == o.cb2 && cb3 == o.cb3 && cb4 == o.cb4 && cb5 == o.cb5
           && CheckB1 == o.CheckB1 && Edit1 == o.Edit1 && cb6 == o.cb6 && cb7 == o.cb7
           && cb8 == o.cb8 && cb9 == o.cb9 && CheckB2 == o.CheckB2;
}

const QStringList &DtmfItems(int box)
{
    static const std::array<QStringList, 10> items = {
        QStringList(),
        QStringList{"6", "8", "10", "15"},
        QStringList{"100", "500", "1000"},
        [] {
            QStringList l;
            for (int ms = 100; ms <= 1000; ms += 50)
                l << QString::number(ms);
            return l;
        }(),
        QStringList{"0", "100", "500", "1000"},
        [] {
            QStringList l{"D Code"};
            for (int v = 1000; v <= 10000; v += 1000)
                l << QString::number(v);
            return l;
        }(),
        QStringList{"Off", "A", "B", "C", "D", "*", "#"},
        QStringList{"Off"} + NumberTexts(1, 15),
        QStringList{"Normal", "Continuous", "Off"},
        QStringList{"Off", "Alert", "ID Code"},
    };
    return items.at(static_cast<size_t>(box));
}

QString DtmfLabel(const QString &control)
{
    static const QHash<QString, QString> labels = {
        {"cb1", QT_TRANSLATE_NOOP("Settings", "DTMF Spend [digit/s]")}, {"cb2", QT_TRANSLATE_NOOP("Settings", "First Digit Time [ms]")},
        {"cb3", QT_TRANSLATE_NOOP("Settings", "First Digit Delay [ms]")}, {"cb4", QT_TRANSLATE_NOOP("Settings", "# and * Tone [ms]")},
        {"cb5", QT_TRANSLATE_NOOP("Settings", "D Code Assignment")},    {"CheckB1", QT_TRANSLATE_NOOP("Settings", "DTMF Side Tone")},
        {"Edit1", QT_TRANSLATE_NOOP("Settings", "ID Code")},            {"cb6", QT_TRANSLATE_NOOP("Settings", "Group Code")},
        {"cb7", QT_TRANSLATE_NOOP("Settings", "Auto Reset Timer [s]")}, {"cb8", QT_TRANSLATE_NOOP("Settings", "Call Alert")},
        {"cb9", QT_TRANSLATE_NOOP("Settings", "Transpond")},            {"CheckB2", QT_TRANSLATE_NOOP("Settings", "Clear To Transpond")},
    };
    return labels.value(control);
}

Payload EncodeDtmfBlock(int index, const DtmfControls &c, const ICellTable &memories)
{
    Payload d{};
    if (index == 0) {
        d[0] = low8(WholeNumber(c.cb1, label("cb1"), kByteMax));
        d[1] = low8(WholeQuotient(c.cb2, 10, label("cb2"), kByteMax));
        d[2] = low8(WholeQuotient(c.cb3, 10, label("cb3"), kByteMax));
        d[3] = low8(WholeQuotient(c.cb4, 10, label("cb4"), kByteMax));
        d[4] = c.cb5 == QLatin1String("D Code") ? 0 : low8(WholeQuotient(c.cb5, 100, label("cb5"), kByteMax));
        d[5] = c.CheckB1 ? 0xFF : 0x00;
        Put32(&d[10], EncodeIdDigits(c.Edit1));
        d[14] = byteOf(kGroupCodes, c.cb6, 0);
        // "Off" is no time at all.
        d[15] = c.cb7 == QLatin1String("Off") ? 0 : low8(WholeNumber(c.cb7, label("cb7"), kByteMax));
        d[16] = byteOf(kCallAlerts, c.cb8, 0);
        d[17] = byteOf(kTransponds, c.cb9, 0);
        d[18] = c.CheckB2 ? 0xFF : 0x00;
        d[19] = low8(static_cast<int>(c.Edit1.size()));
        for (int m = 1; m <= 8; ++m)
            d[19 + m] = low8(static_cast<int>(memories.cellText(1, m).size()));
    } else if (index >= 1 && index <= 3) {
        for (int j = 0; j < 6; ++j) {
            const int memory = 6 * (index - 1) + j + 1;
            if (memory <= kDtmfMemories)
                Put32(&d[4 * j], EncodeMemoryDigits(memories.cellText(1, memory)));
        }
    }
    return d;
}

void DecodeDtmfBlock(const uint8_t *frame, DtmfControls &c, ICellTable &memories, DtmfDigitCounts &counts)
{
    const int index = frame[2];
    const uint8_t *d = frame + 4;
    if (index == 0) {
        c.cb1 = QString::number(d[0]);
        c.cb2 = QString::number(d[1] * 10);
        c.cb3 = QString::number(d[2] * 10);
        c.cb4 = QString::number(d[3] * 10);
        c.cb5 = d[4] == 0 ? QStringLiteral("D Code") : QString::number(d[4] * 100);
        c.CheckB1 = d[5] != 0;
        const uint32_t id = Get32(&d[10]);
        if (id == 0)
            c.Edit1.clear();
        else
            DecodeIdDigits(id, d[19], c.Edit1);
        setFromByte(kGroupCodes, d[14], c.cb6);
        c.cb7 = d[15] == 0 ? QStringLiteral("Off") : QString::number(d[15]);
        setFromByte(kCallAlerts, d[16], c.cb8);
        setFromByte(kTransponds, d[17], c.cb9);
        c.CheckB2 = d[18] != 0;
        for (int i = 0; i < 9; ++i)
            counts[static_cast<size_t>(i)] = d[19 + i];
    } else if (index >= 1 && index <= 3) {
        for (int j = 0; j < 6; ++j) {
            const int memory = 6 * (index - 1) + j + 1;
            if (memory > kDtmfMemories)
                continue; // words 4 and 5 of block 3 hold nothing
            const uint32_t word = Get32(&d[4 * j]);
            // Memories 9 to 16 have no count in the radio: their digits
            // up to the highest non-zero one.
            const int count = memory <= 8 ? counts[static_cast<size_t>(memory)] : SignificantNibbles(word);
            if (word == 0)
                memories.setCellText(1, memory, QString());
            else
                DecodeMemoryDigits(word, memory, count, memories);
        }
    }
}

} // namespace lumora
