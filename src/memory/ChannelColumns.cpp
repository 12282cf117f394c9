#include "memory/ChannelColumns.h"

#include "memory/Conversions.h"

namespace lumora {

const std::vector<ChannelColumnInfo> &ChannelColumnTable()
{
    static const std::vector<ChannelColumnInfo> columns = {
            {"Channel  No.", "", nullptr, false, 70, 0},
            {"RX Freq", "", nullptr, false, 80, -1},
            {"TX Freq", "", nullptr, false, 80, -1}, // a new channel's is its RX Freq
            {"QT/DQT Dec", "NONE", ToneVocabulary, false, 80, 1},
            {"QT/DQTEnc", "NONE", ToneVocabulary, false, 80, 1},
            {"TX Power", "HIGH", TxPowerTexts, true, 80, 2},
            {"W/N", "WIDE", WideNarrowTexts, true, 80, 3},
            {"Scan Add.", "YES", NoneYesTexts, true, 80, 4},
            {"Step Freq", "25000", StepFreqTexts, true, -1, 5},
            {"DTMF1", "NONE", DtmfKeyTexts, true, -1, 6},
            {"DTMF2", "NONE", DtmfKeyTexts, true, -1, 6},
            {"PTTID", "NONE", PttIdTexts, true, -1, 8},
            {"Scrambler", "NONE", ScramblerTexts, true, -1, 7},
            {"PTTID Typ", "DTMF", PttIdTypeTexts, true, -1, 9},
            {"PTTID NO.", "1", PttIdNoTexts, true, -1, 10},
            {"Compandor", "NONE", NoneYesTexts, true, -1, 4},
    };
    return columns;
}

const QStringList &ChannelCaptions()
{
    static const QStringList c = [] {
        QStringList l;
        for (const ChannelColumnInfo &column : ChannelColumnTable())
            l << QString::fromLatin1(column.caption);
        return l;
    }();
    return c;
}

const QStringList &NewChannelDefaults()
{
    static const QStringList d = [] {
        QStringList l;
        for (const ChannelColumnInfo &column : ChannelColumnTable())
            l << QString::fromLatin1(column.newChannel);
        return l;
    }();
    return d;
}

const QStringList &CtcssTones()
{
    static const QStringList t = QStringLiteral(
        "62.5 67.0 69.3 71.9 74.4 77.0 79.7 82.5 85.4 88.5 91.5 94.8 97.4 100.0 103.5 107.2 "
        "110.9 114.8 118.8 123.0 127.3 131.8 136.5 141.3 146.2 151.4 156.7 159.8 162.2 165.5 "
        "167.9 171.3 173.8 177.3 179.9 183.5 186.2 189.9 192.8 196.6 199.5 203.5 206.5 210.7 "
        "218.1 225.7 229.1 233.6 241.8 250.3 254.1").split(QLatin1Char(' '));
    return t;
}

const QStringList &DcsCodes()
{
    static const QStringList d = QStringLiteral(
        "023 025 026 031 032 043 047 051 054 065 071 072 073 074 114 115 116 125 131 132 134 "
        "143 152 155 156 162 165 172 174 205 223 226 243 244 245 251 261 263 265 271 306 311 "
        "315 331 343 346 351 364 365 371 411 412 413 423 431 432 445 464 465 466 503 506 516 "
        "532 546 565 606 612 624 627 631 632 654 662 664 703 712 723 731 732 734 743 754")
                                     .split(QLatin1Char(' '));
    return d;
}

const QStringList &ToneVocabulary()
{
    static const QStringList v = [] {
        QStringList l{QStringLiteral("NONE")};
        l << CtcssTones();
        for (const QString &code : DcsCodes())
            l << code + QLatin1Char('N');
        for (const QString &code : DcsCodes())
            l << code + QLatin1Char('I');
        return l;
    }();
    return v;
}

const QStringList &TxPowerTexts()
{
    static const QStringList l{QStringLiteral("HIGH"), QStringLiteral("LOW")};
    return l;
}

const QStringList &WideNarrowTexts()
{
    static const QStringList l{QStringLiteral("WIDE"), QStringLiteral("NARROW")};
    return l;
}

const QStringList &NoneYesTexts()
{
    static const QStringList l{QStringLiteral("NONE"), QStringLiteral("YES")};
    return l;
}

const QStringList &StepFreqTexts()
{
    static const QStringList l{QStringLiteral("5000"), QStringLiteral("6250"),
                               QStringLiteral("10000"), QStringLiteral("12500"),
                               QStringLiteral("25000")};
    return l;
}

const QStringList &DtmfKeyTexts()
{
    static const QStringList l = QStringLiteral("NONE 1 2 3 4 5 6 7 8 9 * 0 # A B C D")
                                     .split(QLatin1Char(' '));
    return l;
}

const QStringList &PttIdTexts()
{
    static const QStringList l{QStringLiteral("NONE"), QStringLiteral("BOTH"),
                               QStringLiteral("BOT"), QStringLiteral("EOT")};
    return l;
}

const QStringList &ScramblerTexts()
{
    static const QStringList l = QStringList{QStringLiteral("NONE")} + NumberTexts(1, 10);
    return l;
}

const QStringList &PttIdTypeTexts()
{
    static const QStringList l{QStringLiteral("DTMF"), QStringLiteral("2TONE"),
                               QStringLiteral("5TONE"), QStringLiteral("FSK")};
    return l;
}

const QStringList &PttIdNoTexts()
{
    static const QStringList l = NumberTexts(1, 16);
    return l;
}

// Code order of the radio's keypad: index = code.
static const char *const kKeyByCode[16] = {"D", "1", "2", "3", "4", "5", "6", "7",
                                          "8", "9", "0", "*", "#", "A", "B", "C"};

int DtmfKeyCode(const QString &text)
{
    if (text == QLatin1String("NONE"))
        return 0xFF;
    for (int code = 0; code < 16; ++code)
        if (text == QLatin1String(kKeyByCode[code]))
            return code;
    return -1;
}

QString DtmfKeyText(uint8_t code)
{
    if (code == 0xFF)
        return QStringLiteral("NONE");
    if (code < 16)
        return QLatin1String(kKeyByCode[code]);
    return QString();
}

bool IsEmptyField(const QString &text)
{
    return text.isEmpty() || text == QLatin1String(" ");
}

void FillChannelLabels(ICellTable &table)
{
    const QStringList &captions = ChannelCaptions();
    for (int c = 0; c < captions.size(); ++c)
        table.setCellText(c, 0, captions[c]);
    for (int row = 1; row <= kChannelCount; ++row)
        table.setCellText(ColChannelNo, row, QString::number(row));
}

} // namespace lumora
