#include "RadioImage.h"

#include "protocol/AreaTable.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <stdexcept>

namespace lumora::radio {

namespace {

int blockCount(BlockType t) { return LastBlockIndex(t) - FirstBlockIndex(t) + 1; }

void put32(Block &b, int at, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b[at - 4 + i] = static_cast<uint8_t>(v >> (8 * i));
}

void put16(Block &b, int at, uint16_t v)
{
    b[at - 4] = static_cast<uint8_t>(v);
    b[at - 3] = static_cast<uint8_t>(v >> 8);
}

// One channel record laid out as the radio keeps it (offsets of the frame).
Block channel(uint32_t rxHz, uint32_t txHz, uint16_t decode, uint16_t encode, bool high,
              bool wide)
{
    Block b{};
    put32(b, 4, rxHz);
    put32(b, 8, txHz);
    put16(b, 12, decode);
    put16(b, 14, encode);
    b[16 - 4] = high ? 0xFF : 0x00;
    b[17 - 4] = wide ? 0xFF : 0x00;
    b[18 - 4] = 0xFF;       // scan add
    put16(b, 19, 25000);    // step
    b[21 - 4] = 0xFF;       // DTMF keys: none
    b[22 - 4] = 0xFF;
    b[27 - 4] = 1;          // PTT ID number
    b[31 - 4] = 0xFF;
    return b;
}

} // namespace

const char *AreaName(BlockType type)
{
    const AreaInfo *area = FindArea(type);
    return area ? area->imageKey : "";
}

RadioImage::RadioImage()
{
    for (const AreaInfo &a : AreaTable())
        area(a.type).assign(blockCount(a.type), Block{});
}

RadioImage RadioImage::BuiltIn()
{
    RadioImage image;
    const uint16_t none = 0xFFFF;
    *image.block(BlockType::Channel, 1) = channel(146520000, 146520000, none, none, true, true);
    *image.block(BlockType::Channel, 2) = channel(145500000, 145500000, none, 885, false, true);
    *image.block(BlockType::Channel, 3) = channel(145625000, 145025000, 885, 885, true, true);
    *image.block(BlockType::Channel, 4) = channel(446006250, 446006250, 0x2017, 0x2017, false, false);
    *image.block(BlockType::Channel, 5) = channel(439012500, 431412500, 0xA0C8, 670, true, false);
    // Empty channels, and the options' tail (channel 16's), as a write
    // leaves them: zeros closed by 0xFF.
    for (int n = 6; n <= 16; ++n)
        (*image.block(BlockType::Channel, n))[31 - 4] = 0xFF;
    Block &options = *image.block(BlockType::Settings, 0);
    options[31 - 4] = 0xFF;
    // Save power, beep, VOX time 1, TOT 60 s, English voice, scan: the
    // radio's factory options.
    options[4 - 4] = 1;
    options[5 - 4] = 1;
    options[13 - 4] = 1;
    options[15 - 4] = 60;
    options[16 - 4] = 2;
    options[19 - 4] = 1;
    // The signalling areas as a fresh window writes them: DTMF speed 6,
    // first digit delay 100 ms, side tone on, ID code 12345678 (8 digits),
    // group code off, auto reset 10 s, normal call alert; FleetSync fleet
    // 100, ID 1000, 2400 bit/s, 400 ms delay, 10 s timer, side tone on.
    *image.block(BlockType::Dtmf, 0) = {6, 0, 10, 0, 0, 0xFF, 0, 0, 0, 0, 0x78, 0x56, 0x34, 0x12,
                                        0xFF, 10, 1, 0, 0, 8, 0, 0, 0, 0, 0, 0, 0, 0};
    *image.block(BlockType::FleetSync, 0) = {0x64, 0x00, 0xE8, 0x03, 0x18, 0x90, 0x01, 0x0A, 0xFF};
    // 2TONE: tones A to D 1981, 1124, 1197, 1275 Hz, rest 6000 ms, the
    // three times 500 ms; no entries.
    *image.block(BlockType::TwoTone, 0) = {0xBD, 0x07, 0x64, 0x04, 0xAD, 0x04, 0xFB, 0x04,
                                           0x70, 0x17, 0xF4, 0x01, 0xF4, 0x01, 0xF4, 0x01};
    // 5TONE: each standard 100 ms, group code A, duplication code E, the
    // delays 500 ms; no entries. A write leaves the last group code in the
    // unwritten byte 13 of every encode block.
    Block &fiveTone = *image.block(BlockType::FiveTone, 0);
    for (int s = 0; s < 5; ++s) {
        fiveTone[3 * s] = 100;
        fiveTone[3 * s + 1] = 0x0A;
        fiveTone[3 * s + 2] = 0x0E;
    }
    for (int i = 20; i < 24; ++i)
        fiveTone[i] = 50;
    for (int b = 1; b <= 8; ++b)
        (*image.block(BlockType::FiveTone, b))[13] = 0x0A;
    return image;
}

std::vector<Block> &RadioImage::area(BlockType type) { return areas_[static_cast<int>(type)]; }

const std::vector<Block> &RadioImage::area(BlockType type) const
{
    return areas_.at(static_cast<int>(type));
}

Block *RadioImage::block(BlockType type, int index)
{
    if (!FindArea(type) || index < FirstBlockIndex(type) || index > LastBlockIndex(type))
        return nullptr;
    return &area(type)[index - FirstBlockIndex(type)];
}

const Block *RadioImage::block(BlockType type, int index) const
{
    return const_cast<RadioImage *>(this)->block(type, index);
}

RadioImage RadioImage::Load(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error(QStringLiteral("cannot read %1: %2")
                                     .arg(fileName, file.errorString()).toStdString());
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
    if (!doc.isObject())
        throw std::runtime_error(QStringLiteral("%1 is not a memory file: %2")
                                     .arg(fileName, error.errorString()).toStdString());
    RadioImage image;
    const QJsonObject root = doc.object();
    for (const AreaInfo &a : AreaTable()) {
        const BlockType t = a.type;
        const QJsonArray blocks = root.value(QLatin1String(AreaName(t))).toArray();
        for (int i = 0; i < blocks.size() && i < blockCount(t); ++i) {
            const QByteArray bytes = QByteArray::fromHex(blocks[i].toString().toLatin1());
            if (bytes.size() != kPayloadLength)
                throw std::runtime_error(QStringLiteral("%1: %2 block %3 is not 28 bytes")
                                             .arg(fileName, QLatin1String(AreaName(t)))
                                             .arg(i)
                                             .toStdString());
            Block &b = image.area(t)[i];
            std::copy(bytes.begin(), bytes.end(), b.begin());
        }
    }
    return image;
}

void RadioImage::save(const QString &fileName) const
{
    QJsonObject root;
    root.insert(QStringLiteral("format"), QStringLiteral("lumora-radio-memory 1"));
    for (const AreaInfo &a : AreaTable()) {
        const BlockType t = a.type;
        QJsonArray blocks;
        for (const Block &b : area(t))
            blocks.append(QString::fromLatin1(
                QByteArray(reinterpret_cast<const char *>(b.data()), kPayloadLength).toHex()));
        root.insert(QLatin1String(AreaName(t)), blocks);
    }
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw std::runtime_error(file.errorString().toStdString());
    file.write(QJsonDocument(root).toJson());
    if (!file.commit())
        throw std::runtime_error(file.errorString().toStdString());
}

} // namespace lumora::radio
