#include "memory/OptionSettings.h"

#include "memory/Conversions.h"
#include "memory/Errors.h"

#include <cstring>

namespace lumora {

namespace {

const QString kNone = QStringLiteral("NONE");
const QString kOpen = QStringLiteral("OPEN");
const QString kClose = QStringLiteral("CLOSE");
const QString kMonitor = QStringLiteral("Monitor");
const QString kPowerSwitch = QStringLiteral("H/L PowerSwitch");
const QString kChinese = QStringLiteral("CHINESE");
const QString kEnglish = QStringLiteral("ENGLISH");

uint8_t openFlag(const QString &text) { return text == kOpen ? 1 : 0; }

uint8_t functionKey(const QString &text)
{
    return text == kMonitor ? 1 : text == kPowerSwitch ? 2 : 0;
}

QString functionKeyText(uint8_t value)
{
    return value == 1 ? kMonitor : value == 2 ? kPowerSwitch : kNone;
}

uint8_t timeOut(const QString &text)
{
    if (text == kClose)
        return 0;
    const int seconds = StrToInt(text);
    // The radio keeps one byte: 300 s would silently become 44 s.
    if (seconds < 0 || seconds > 255)
        throw ERangeError(
            QStringLiteral("TOT '%1' does not fit the radio: it holds CLOSE or 0 to 255 seconds")
                .arg(text));
    return static_cast<uint8_t>(seconds);
}

} // namespace

const OptionInfo &Option(OptionId id)
{
    static const std::array<OptionInfo, kOptionCount> options{{
        {QStringLiteral("VOX Lev"), QStringList{kNone} + NumberTexts(1, 10), kNone, false},
        {QStringLiteral("VOX Time"), NumberTexts(1, 3), QStringLiteral("1"), false},
        {QStringLiteral("SQ Lev"), NumberTexts(0, 9), QStringLiteral("0"), true},
        {QStringLiteral("TOT"),
         {QStringLiteral("60"), QStringLiteral("120"), QStringLiteral("180"), kClose},
         QStringLiteral("60"),
         true},
        {QStringLiteral("Voice"), {kClose, kEnglish}, kEnglish, true},
        {QStringLiteral("PF1:"), {kNone, kMonitor, kPowerSwitch}, kNone, true},
        {QStringLiteral("PF2:"), {kNone, kMonitor, kPowerSwitch}, kNone, true},
        {QStringLiteral("Scan"), {kOpen, kClose}, kOpen, true},
        {QStringLiteral("Save Power"), {kOpen, kClose}, kOpen, true},
        {QStringLiteral("Beep"), {kOpen, kClose}, kOpen, false},
    }};
    return options[id];
}

OptionTexts DefaultOptionTexts()
{
    OptionTexts t;
    for (int i = 0; i < kOptionCount; ++i)
        t[i] = Option(static_cast<OptionId>(i)).defaultText;
    return t;
}

void EncodeSettingsBlock(const OptionTexts &o, uint8_t *frame)
{
    uint8_t b[20] = {}; // indexed by frame offset; 4 to 11 stay zero
    auto byteOf = [&](OptionId id) {
        const int value = StrToInt(o[id]);
        CheckFits(QString(Option(id).label).remove(QLatin1Char(':')), o[id], value, 0, 0xFF);
        return static_cast<uint8_t>(value);
    };
    b[12] = o[OptVoxLev] == kNone ? 0 : byteOf(OptVoxLev);
    b[13] = byteOf(OptVoxTime);
    b[14] = byteOf(OptSqLev);
    b[15] = timeOut(o[OptTot]);
    b[16] = o[OptVoice] == kClose ? 0 : o[OptVoice] == kChinese ? 1 : 2;
    b[17] = functionKey(o[OptPf1]);
    b[18] = functionKey(o[OptPf2]);
    b[19] = openFlag(o[OptScan]);
    b[4] = openFlag(o[OptSavePower]);
    b[5] = openFlag(o[OptBeep]);
    std::memcpy(frame + 4, b + 4, 16);
}

void DecodeSettingsBlock(const uint8_t *frame, OptionTexts &o)
{
    auto openText = [](uint8_t v) { return v == 1 ? kOpen : kClose; };
    o[OptVoxLev] = frame[12] == 0 ? kNone : QString::number(frame[12]);
    o[OptVoxTime] = QString::number(frame[13]);
    o[OptSqLev] = QString::number(frame[14]);
    o[OptTot] = frame[15] == 0 ? kClose : QString::number(frame[15]);
    o[OptVoice] = frame[16] == 0 ? kClose : frame[16] == 1 ? kChinese : kEnglish;
    o[OptPf1] = functionKeyText(frame[17]);
    o[OptPf2] = functionKeyText(frame[18]);
    o[OptScan] = openText(frame[19]);
    o[OptSavePower] = openText(frame[4]);
    o[OptBeep] = openText(frame[5]);
}

} // namespace lumora
