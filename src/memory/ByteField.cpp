#include "memory/ByteField.h"

#include "memory/LittleEndian.h"

namespace lumora {

uint32_t ByteField::read(const uint8_t *frame) const
{
    const uint8_t *p = frame + offset;
    return width == 4 ? Get32(p) : width == 2 ? Get16(p) : p[0];
}

void ByteField::write(uint8_t *frame, uint32_t value) const
{
    uint8_t *p = frame + offset;
    if (width == 4)
        Put32(p, value);
    else if (width == 2)
        Put16(p, value);
    else
        p[0] = static_cast<uint8_t>(value);
}

QString ByteField::storedText(const uint8_t *frame) const
{
    const uint32_t v = read(frame);
    if (hertz)
        return QStringLiteral("%1 Hz").arg(static_cast<int32_t>(v));
    return QStringLiteral("%1 0x%2").arg(width == 1 ? QStringLiteral("byte") : QStringLiteral("word"))
            .arg(v, width * 2, 16, QLatin1Char('0'));
}

} // namespace lumora
