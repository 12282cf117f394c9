#pragma once
// The virtual radio's memory files, read and written whole.

#include <QFile>
#include <QJsonArray>
#include <algorithm>
#include <array>
#include <cstdint>
#include <QJsonDocument>
#include <QJsonObject>

namespace lumora::test {

inline QJsonObject readJson(const QString &file)
{
    QFile f(file);
    f.open(QIODevice::ReadOnly);
    return QJsonDocument::fromJson(f.readAll()).object();
}

inline void writeJson(const QString &file, const QJsonObject &o)
{
    QFile f(file);
    f.open(QIODevice::WriteOnly);
    f.write(QJsonDocument(o).toJson());
}

// Block i of an area ("dtmf", "5tone", ...) of a radio memory image.
inline std::array<uint8_t, 28> blockOf(const QJsonObject &image, const char *area, int i)
{
    const QByteArray bytes = QByteArray::fromHex(image[area].toArray()[i].toString().toLatin1());
    std::array<uint8_t, 28> p{};
    std::copy(bytes.begin(), bytes.end(), p.begin());
    return p;
}

inline void setBlock(QJsonObject &image, const char *area, int i, const std::array<uint8_t, 28> &p)
{
    QJsonArray blocks = image[area].toArray();
    blocks[i] = QString::fromLatin1(QByteArray(reinterpret_cast<const char *>(p.data()), 28).toHex());
    image[area] = blocks;
}

} // namespace lumora::test
