#include "signalling/TwoToneBlocks.h"

#include "memory/Conversions.h"
#include "memory/Errors.h"

#include <QCoreApplication>
#include <QHash>

namespace lumora {

namespace {

QString label(const char *control) { return TwoToneLabel(QLatin1String(control)); }

// Encode entries: the block's first entry, count and first byte.
int firstEntry(int index) { return index == 0 ? 1 : 7 * (index - 1) + 3; }
int entryCount(int index) { return index == 0 ? 2 : 7; }
int entryOffset(int index) { return index == 0 ? 20 : 0; }

const char *kEncodeColumns[] = {"NO.", "First Frequency(hz)", "Second Frequency(hz)"};

QString decodeColumnCaption(int col)
{
    static const char *triple[] = {"Response Mode", "Prompt"};
    const int j = (col - 1) / 3;
    const int k = (col - 1) % 3;
    return k == 0 ? QStringLiteral("Decode%1").arg(j + 1) : QLatin1String(triple[k - 1]) + QStringLiteral(" %1").arg(j + 1);
}

// A tone frequency: read as a decimal number, written back as text and
// read as a whole number, so a fraction fails.
int toneHz(const QString &text, const QString &where)
{
    const double value = InPlace(where, [&] { return StrToFloat(text); });
    return WholeNumber(QString::number(value, 'g', 15), where, kWordMax);
}

uint8_t modeByte(const QString &text)
{
    const auto i = TwoToneResponseModes().indexOf(text);
    return static_cast<uint8_t>(i < 0 ? 0 : i);
}

} // namespace

bool TwoToneControls::operator==(const TwoToneControls &o) const
{
    return ed1 == o.ed1 && ed2 == o.ed2 && ed3 == o.ed3 && ed4 == o.ed4 && ed5 == o.ed5 && cb1 == o.cb1
           && cb2 == o.cb2 && cb3 == o.cb3;
}

QString TwoToneLabel(const QString &control)
{
    static const QHash<QString, QString> labels = {
        {"ed1", QT_TRANSLATE_NOOP("Settings", "Atone(hz)")}, {"ed2", QT_TRANSLATE_NOOP("Settings", "Btone(hz)")}, {"ed3", QT_TRANSLATE_NOOP("Settings", "Ctone(hz)")}, {"ed4", QT_TRANSLATE_NOOP("Settings", "Dtone(hz)")},
        {"ed5", QT_TRANSLATE_NOOP("Settings", "Rest Time(ms)")}, {"cb1", QT_TRANSLATE_NOOP("Settings", "First Frequency Time(ms)")}, {"cb2", QT_TRANSLATE_NOOP("Settings", "Second Frequency Time(ms)")},
        {"cb3", QT_TRANSLATE_NOOP("Settings", "Interval Between Two Frequency (ms)")},
    };
    return labels.value(control);
}

const QStringList &TwoTonePairs()
{
    static const QStringList pairs{"AB", "AC", "AD", "BA", "BC", "BD", "CA", "CB", "CD", "DA", "DC", "DB"};
    return pairs;
}

const QStringList &TwoToneResponseModes()
{
    static const QStringList modes{"NONE", "REMIND", "REPLY", "REMIND+REPLY"};
    return modes;
}

const QStringList &TwoTonePrompts()
{
    static const QStringList prompts = NumberTexts(1, 16);
    return prompts;
}

const QStringList &TwoToneTimes()
{
    static const QStringList times = [] {
        QStringList l;
        for (int ms = 50; ms <= 1000; ms += 50)
            l << QString::number(ms);
        return l;
    }();
    return times;
}

QString PairToText(uint8_t pair)
{
    QString text;
    for (int nibble : {pair >> 4, pair & 0xF})
        if (nibble >= 0xA && nibble <= 0xD)
            text += QChar('A' + nibble - 0xA);
    return text;
}

int TextToPair(const QString &text) { return StrToInt(QLatin1Char('$') + text); }

void ApplyTwoToneDecodeRowRules(ICellTable &decode, int col, int row)
{
    if (decode.cellText(1, row).isEmpty()) {
        decode.setCellText(col, row, QString());
        return;
    }
    if (col != 1)
        return;
    for (int j = 0; j < 4; ++j) {
        if (j > 0)
            decode.setCellText(3 * j + 1, row, QStringLiteral("AB"));
        decode.setCellText(3 * j + 2, row, QStringLiteral("NONE"));
        decode.setCellText(3 * j + 3, row, QStringLiteral("1"));
    }
}

Payload EncodeTwoToneBlock(int index, const TwoToneControls &c, const ICellTable &encode, const ICellTable &decode)
{
    Payload d{};
    if (index < 0 || index >= kTwoToneBlocks)
        return d;
    if (index == 0) {
        const QString *tones[] = {&c.ed1, &c.ed2, &c.ed3, &c.ed4};
        for (int t = 0; t < 4; ++t)
            Put16(&d[2 * t], static_cast<uint32_t>(toneHz(*tones[t], TwoToneLabel(QStringLiteral("ed%1").arg(t + 1)))));
        Put16(&d[8], static_cast<uint32_t>(WholeNumber(c.ed5, label("ed5"), kWordMax)));
        Put16(&d[10], static_cast<uint32_t>(WholeNumber(c.cb1, label("cb1"), kWordMax)));
        Put16(&d[12], static_cast<uint32_t>(WholeNumber(c.cb2, label("cb2"), kWordMax)));
        Put16(&d[14], static_cast<uint32_t>(WholeNumber(c.cb3, label("cb3"), kWordMax)));
    }
    if (index <= 2) {
        for (int i = 0; i < entryCount(index); ++i) {
            const int row = firstEntry(index) + i;
            for (int col = 1; col <= 2; ++col) {
                const QString text = encode.cellText(col, row);
                const int hz = text.isEmpty() ? 0
                                              : WholeNumber(text, CellPlace(QStringLiteral("Encode"), row,
                                                                            QLatin1String(kEncodeColumns[col])),
                                                            kWordMax);
                Put16(&d[static_cast<size_t>(entryOffset(index) + 4 * i + 2 * (col - 1))], static_cast<uint32_t>(hz));
            }
        }
        return d;
    }
    for (int half = 0; half < 2; ++half) {
        const int row = 2 * (index - 3) + 1 + half;
        if (decode.cellText(1, row).isEmpty())
            continue; // an empty row is twelve zero bytes
        for (int j = 0; j < 4; ++j) {
            auto place = [&](int col) { return CellPlace(QStringLiteral("2TONE Decode"), row, decodeColumnCaption(col)); };
            uint8_t *at = &d[static_cast<size_t>(12 * half + 3 * j)];
            at[0] = static_cast<uint8_t>(InPlace(place(3 * j + 1), [&] { return TextToPair(decode.cellText(3 * j + 1, row)); }));
            at[1] = modeByte(decode.cellText(3 * j + 2, row));
            at[2] = static_cast<uint8_t>(WholeNumber(decode.cellText(3 * j + 3, row), place(3 * j + 3), kByteMax));
        }
    }
    return d;
}

void DecodeTwoToneBlock(const uint8_t *frame, TwoToneControls &c, ICellTable &encode, ICellTable &decode)
{
    const int index = frame[2];
    const uint8_t *d = frame + 4;
    if (index >= kTwoToneBlocks)
        return;
    if (index == 0) {
        QString *texts[] = {&c.ed1, &c.ed2, &c.ed3, &c.ed4, &c.ed5, &c.cb1, &c.cb2, &c.cb3};
        for (int i = 0; i < 8; ++i)
            *texts[i] = QString::number(Get16(&d[2 * i]));
    }
    if (index <= 2) {
        for (int i = 0; i < entryCount(index); ++i) {
            const int row = firstEntry(index) + i;
            for (int col = 1; col <= 2; ++col) {
                const uint16_t hz = Get16(&d[entryOffset(index) + 4 * i + 2 * (col - 1)]);
                encode.setCellText(col, row, hz == 0 ? QString() : QString::number(hz));
            }
        }
        return;
    }
    for (int half = 0; half < 2; ++half) {
        const int row = 2 * (index - 3) + 1 + half;
        for (int j = 0; j < 4; ++j) {
            const uint8_t *at = &d[12 * half + 3 * j];
            if (at[0] == 0) {
                decode.setCellText(1, row, QString()); // the row counts as empty
                continue;
            }
            decode.setCellText(3 * j + 1, row, PairToText(at[0]));
            if (at[1] < TwoToneResponseModes().size())
                decode.setCellText(3 * j + 2, row, TwoToneResponseModes()[at[1]]);
            decode.setCellText(3 * j + 3, row, QString::number(at[2]));
        }
    }
}

} // namespace lumora
