#include "memory/OptionSettings.h"

#include "memory/ByteField.h"
#include "memory/Conversions.h"
#include "memory/Errors.h"

#include <QCoreApplication>

#include <cstring>

namespace lumora {

namespace {
// The context these messages are translated in.
struct ValueTexts {
    Q_DECLARE_TR_FUNCTIONS(ValueTexts)
};
} // namespace

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
            ValueTexts::tr("TOT '%1' does not fit the radio: it holds CLOSE or 0 to 255 seconds")
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

namespace {

// An option's byte: its text and its value convert both ways.
ByteField option(int offset, OptionId id, std::function<uint32_t(const QString &)> toValue,
                 std::function<QString(uint32_t)> toText)
{
    return {offset, 1, id, std::move(toValue),
            [toText = std::move(toText)](uint32_t v) { return std::optional<QString>(toText(v)); }};
}

ByteField openClose(int offset, OptionId id)
{
    return option(offset, id, [](const QString &t) { return uint32_t(openFlag(t)); },
                  [](uint32_t v) { return v == 1 ? kOpen : kClose; });
}

uint32_t byteOf(OptionId id, const QString &text)
{
    const int value = StrToInt(text);
    CheckFits(QString(Option(id).label).remove(QLatin1Char(':')), text, value, 0, 0xFF);
    return static_cast<uint32_t>(value);
}

ByteField plainNumber(int offset, OptionId id)
{
    return option(offset, id, [id](const QString &t) { return byteOf(id, t); },
                  [](uint32_t v) { return QString::number(v); });
}

ByteField functionKeyField(int offset, OptionId id)
{
    return option(offset, id, [](const QString &t) { return uint32_t(functionKey(t)); },
                  [](uint32_t v) { return functionKeyText(static_cast<uint8_t>(v)); });
}

} // namespace

const std::vector<ByteField> &OptionFields()
{
    static const std::vector<ByteField> fields = {
            openClose(4, OptSavePower),
            openClose(5, OptBeep),
            option(12, OptVoxLev, [](const QString &t) { return t == kNone ? 0u : byteOf(OptVoxLev, t); },
                   [](uint32_t v) { return v == 0 ? kNone : QString::number(v); }),
            plainNumber(13, OptVoxTime),
            plainNumber(14, OptSqLev),
            option(15, OptTot, [](const QString &t) { return uint32_t(timeOut(t)); },
                   [](uint32_t v) { return v == 0 ? kClose : QString::number(v); }),
            option(16, OptVoice, [](const QString &t) { return t == kClose ? 0u : t == kChinese ? 1u : 2u; },
                   [](uint32_t v) { return v == 0 ? kClose : v == 1 ? kChinese : kEnglish; }),
            functionKeyField(17, OptPf1),
            functionKeyField(18, OptPf2),
            openClose(19, OptScan),
    };
    return fields;
}

void EncodeSettingsBlock(const OptionTexts &o, uint8_t *frame)
{
    uint8_t b[20] = {}; // indexed by frame offset; 6 to 11 stay zero
    for (const ByteField &f : OptionFields())
        f.write(b, f.toValue(o[static_cast<size_t>(f.shownBy)]));
    std::memcpy(frame + 4, b + 4, 16);
}

void DecodeSettingsBlock(const uint8_t *frame, OptionTexts &o)
{
    for (const ByteField &f : OptionFields())
        o[static_cast<size_t>(f.shownBy)] = *f.toText(f.read(frame));
}

} // namespace lumora
