#include "signalling/FiveToneBlocks.h"

#include "memory/Errors.h"

#include <QCoreApplication>
#include <QHash>

namespace lumora {

namespace {
// The context these messages are translated in.
struct CodecTexts {
    Q_DECLARE_TR_FUNCTIONS(CodecTexts)
};
} // namespace

namespace {

constexpr int kRecord = 14;
const char *kEncodeColumns[] = {"NO.", "First Frame Coding", "Second Frame Coding", "Third Frame Coding",
                                "Confirmation Code", "Use  Standard"};
const char *kDecodeColumns[] = {"NO.", "Use Standard", "First Frame Decoding", "Function", "Second Frame Decoding",
                                "Function", "Third Frame Decoding", "Function", "Response Code"};

QString label(const char *control) { return FiveToneLabel(QLatin1String(control)); }

uint32_t codeAt(const QString &text, const QString &where)
{
    return InPlace(where, [&] { return HexCodeValue(text); });
}

void putCode(uint8_t *p, uint32_t v)
{
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
    p[2] = static_cast<uint8_t>(v >> 16);
}

QString codeText(const uint8_t *p) { return HexDigitText(p[2]) + HexByteText(p[1]) + HexByteText(p[0]); }

// 1 to 5 for the names; 0 for another text.
uint8_t standardIndex(const QString &text)
{
    return static_cast<uint8_t>(FiveToneStandards().indexOf(text) + 1);
}

uint8_t functionIndex(const QString &text)
{
    const auto i = FiveToneFunctions().indexOf(text);
    return static_cast<uint8_t>(i < 0 ? 0 : i);
}

QString functionText(int index) { return index >= 1 && index <= 8 ? FiveToneFunctions()[index] : QStringLiteral("CALL"); }

void encodeRecord(uint8_t *r, const ICellTable &encode, int row)
{
    const QString standard = encode.cellText(5, row);
    auto place = [&](int col) { return CellPlace(QStringLiteral("Encode"), row, QLatin1String(kEncodeColumns[col])); };
    for (int col = 1; col <= 4; ++col)
        putCode(r + 3 * (col - 1), codeAt(encode.cellText(col, row), place(col)));
    if (standardIndex(standard) == 0) {
        EConvertError e(CodecTexts::tr("'%1' is not a standard name (CCIR, EIA, EEA, ZVEI1, ZVEI2)").arg(standard));
        e.setDetail(place(5));
        throw e;
    }
    r[12] = standardIndex(standard);
}

void encodeDecodeRecord(uint8_t *r, const ICellTable &decode, int row)
{
    auto place = [&](int col) { return CellPlace(QStringLiteral("Decode"), row, QLatin1String(kDecodeColumns[col])); };
    const QString standard = decode.cellText(1, row);
    if (standardIndex(standard) == 0) {
        EConvertError e(CodecTexts::tr("'%1' is not a standard name (CCIR, EIA, EEA, ZVEI1, ZVEI2)").arg(standard));
        e.setDetail(place(1));
        throw e;
    }
    r[0] = static_cast<uint8_t>(standardIndex(standard) | functionIndex(decode.cellText(3, row)) << 4);
    putCode(r + 1, codeAt(decode.cellText(2, row), place(2)));
    putCode(r + 4, codeAt(decode.cellText(4, row), place(4)));
    r[7] = static_cast<uint8_t>(functionIndex(decode.cellText(5, row)) | functionIndex(decode.cellText(7, row)) << 4);
    putCode(r + 8, codeAt(decode.cellText(6, row), place(6)));
    putCode(r + 11, codeAt(decode.cellText(8, row), place(8)));
}

void emptyRow(ICellTable &grid, int row, int columns)
{
    for (int col = 1; col <= columns; ++col)
        grid.setCellText(col, row, QString());
}

void decodeEncodeRecord(const uint8_t *r, ICellTable &encode, int row)
{
    if (r[12] == 0) {
        emptyRow(encode, row, 5);
        return;
    }
    for (int col = 1; col <= 4; ++col)
        encode.setCellText(col, row, codeText(r + 3 * (col - 1)));
    if (r[12] <= kFiveToneStandards)
        encode.setCellText(5, row, FiveToneStandards()[r[12] - 1]);
}

void decodeDecodeRecord(const uint8_t *r, ICellTable &decode, int row)
{
    const int standard = r[0] & 0xF;
    if (standard == 0) {
        emptyRow(decode, row, 8);
        return;
    }
    if (standard <= kFiveToneStandards)
        decode.setCellText(1, row, FiveToneStandards()[standard - 1]);
    decode.setCellText(2, row, codeText(r + 1));
    decode.setCellText(3, row, functionText(r[0] >> 4));
    decode.setCellText(4, row, codeText(r + 4));
    decode.setCellText(5, row, functionText(r[7] & 0xF));
    decode.setCellText(6, row, codeText(r + 8));
    decode.setCellText(7, row, functionText(r[7] >> 4));
    decode.setCellText(8, row, codeText(r + 11));
}

} // namespace

bool FiveToneControls::operator==(const FiveToneControls &o) const
{
    return cb1 == o.cb1 && cb2 == o.cb2 && cb3 == o.cb3 && cb4 == o.cb4;
}

QString FiveToneLabel(const QString &control)
{
    static const QHash<QString, QString> labels = {
        {"CCIR", QT_TRANSLATE_NOOP("Settings", "Standard Name")},
        {"cb1", QT_TRANSLATE_NOOP("Settings", "Sending First Frame Coding Delay Time(ms)")},
        {"cb2", QT_TRANSLATE_NOOP("Settings", "Sending Second Frame Coding Delay Time(ms)")},
        {"cb3", QT_TRANSLATE_NOOP("Settings", "Sending Third Frame Coding Delay Time(ms)")},
        {"cb4", QT_TRANSLATE_NOOP("Settings", "Extended Duration of The First Tone of Each Group")},
        {"ed1", QT_TRANSLATE_NOOP("Settings", "Reset Time(ms)")},
    };
    return labels.value(control);
}

const QStringList &FiveToneStandards()
{
    static const QStringList names{"CCIR", "EIA", "EEA", "ZVEI1", "ZVEI2"};
    return names;
}

const QStringList &FiveToneFunctions()
{
    static const QStringList names{"CALL", "ASK",    "BE ASKED",    "MONITOR", "DETECTION",
                                   "BEEP", "REMOTE", "REMOTE HALO", "AWAKEN"};
    return names;
}

const QStringList &FiveToneDelays()
{
    static const QStringList delays = [] {
        QStringList l;
        for (int ms = 50; ms <= 1000; ms += 50)
            l << QString::number(ms);
        return l;
    }();
    return delays;
}

const QStringList &HexDigits()
{
    static const QStringList digits = [] {
        QStringList l;
        for (int d = 0; d < 16; ++d)
            l << HexDigitText(static_cast<uint8_t>(d));
        return l;
    }();
    return digits;
}

QStringList ToneTable(const QString &standard)
{
    static const int hz[16][5] = {
        {1981, 600, 1981, 2400, 2400}, {1124, 741, 1124, 1060, 1060}, {1197, 882, 1197, 1160, 1160},
        {1275, 1023, 1275, 1270, 1270}, {1358, 1164, 1358, 1400, 1400}, {1446, 1305, 1446, 1530, 1530},
        {1540, 1446, 1540, 1670, 1670}, {1640, 1587, 1640, 1830, 1830}, {1747, 1728, 1747, 2000, 2000},
        {1860, 1869, 1860, 2200, 2200}, {2400, 2151, 1055, 2800, 885},  {930, 2433, 930, 810, 810},
        {2247, 2010, 2400, 970, 740},   {991, 2292, 991, 885, 680},     {2110, 459, 2110, 2600, 970},
        {1055, 1091, 2247, 680, 2600},
    };
    const auto s = FiveToneStandards().indexOf(standard);
    QStringList texts;
    if (s < 0)
        return texts;
    for (const auto &digit : hz)
        texts << QStringLiteral("%1.0").arg(digit[s]);
    return texts;
}

uint32_t HexCodeValue(const QString &text)
{
    bool hex = !text.isEmpty() && text.size() <= 8;
    for (QChar c : text)
        hex = hex && ((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('A') && c <= QLatin1Char('F'))
                      || (c >= QLatin1Char('a') && c <= QLatin1Char('f')));
    if (!hex)
        throw EConvertError(CodecTexts::tr("'$%1' is not a valid integer value").arg(text));
    return text.toUInt(nullptr, 16);
}

QString HexDigitText(uint8_t byte) { return QString(QLatin1Char("0123456789ABCDEF"[byte & 0xF])); }

QString HexByteText(uint8_t byte) { return HexDigitText(byte >> 4) + HexDigitText(byte); }

void ApplyFiveToneRowDefaults(ICellTable &grid, bool decode, int col, int row)
{
    if (grid.cellText(1, row).isEmpty()) {
        grid.setCellText(col, row, QString());
        return;
    }
    if (col != 1)
        return;
    static const QStringList encodeDefaults{"12345", "45678", "ABCDE", "CCIR"};
    static const QStringList decodeDefaults{"12345", "CALL", "45678", "ASK", "ABCDE", "BE ASKED", "56789"};
    const QStringList &defaults = decode ? decodeDefaults : encodeDefaults;
    for (int i = 0; i < defaults.size(); ++i)
        grid.setCellText(2 + i, row, defaults[i]);
}

Payload EncodeFiveToneBlock(int index, const FiveToneControls &c, const ICellTable &standards,
                            const ICellTable &encode, const ICellTable &decode, const Payload &previous)
{
    Payload d{};
    if (index == 0) {
        for (int s = 1; s <= kFiveToneStandards; ++s) {
            auto place = [&](int col) {
                static const char *cols[] = {"5 TONE Standard", "TX Time(ms)", "Group Code", "Duplication Code"};
                return CellPlace(QStringLiteral("5 TONE Standard"), s, QLatin1String(cols[col]));
            };
            d[static_cast<size_t>(3 * s - 3)] = static_cast<uint8_t>(WholeNumber(standards.cellText(1, s), place(1), kByteMax));
            d[static_cast<size_t>(3 * s - 2)] = static_cast<uint8_t>(codeAt(standards.cellText(2, s), place(2)));
            d[static_cast<size_t>(3 * s - 1)] = static_cast<uint8_t>(codeAt(standards.cellText(3, s), place(3)));
        }
        d[20] = static_cast<uint8_t>(WholeQuotient(c.cb1, 10, label("cb1"), kByteMax));
        d[21] = static_cast<uint8_t>(WholeQuotient(c.cb2, 10, label("cb2"), kByteMax));
        d[22] = static_cast<uint8_t>(WholeQuotient(c.cb3, 10, label("cb3"), kByteMax));
        d[23] = static_cast<uint8_t>(WholeQuotient(c.cb4, 10, label("cb4"), kByteMax));
    } else if (index >= 1 && index <= 8) {
        d = previous; // a record leaves its last byte as the buffer holds it
        for (int half = 0; half < 2; ++half) {
            const int row = 2 * index - 1 + half;
            uint8_t *r = &d[static_cast<size_t>(kRecord * half)];
            std::fill_n(r, kRecord - 1, uint8_t(0));
            if (!encode.cellText(1, row).isEmpty())
                encodeRecord(r, encode, row);
        }
    } else if (index >= 9 && index < kFiveToneBlocks) {
        for (int half = 0; half < 2; ++half) {
            const int row = 2 * index - 17 + half;
            if (!decode.cellText(1, row).isEmpty())
                encodeDecodeRecord(&d[static_cast<size_t>(kRecord * half)], decode, row);
        }
    }
    return d;
}

void DecodeFiveToneBlock(const uint8_t *frame, FiveToneControls &c, ICellTable &standards, ICellTable &encode,
                         ICellTable &decode)
{
    const int index = frame[2];
    const uint8_t *d = frame + 4;
    if (index == 0) {
        for (int s = 1; s <= kFiveToneStandards; ++s) {
            standards.setCellText(1, s, QString::number(d[3 * s - 3]));
            standards.setCellText(2, s, HexDigitText(d[3 * s - 2]));
            standards.setCellText(3, s, HexDigitText(d[3 * s - 1]));
        }
        QString *delays[] = {&c.cb1, &c.cb2, &c.cb3, &c.cb4};
        for (int i = 0; i < 4; ++i)
            *delays[i] = QString::number(d[20 + i] * 10);
    } else if (index >= 1 && index <= 8) {
        for (int half = 0; half < 2; ++half)
            decodeEncodeRecord(d + kRecord * half, encode, 2 * index - 1 + half);
    } else if (index >= 9 && index < kFiveToneBlocks) {
        for (int half = 0; half < 2; ++half)
            decodeDecodeRecord(d + kRecord * half, decode, 2 * index - 17 + half);
    }
}

} // namespace lumora
