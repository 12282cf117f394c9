#pragma once
// The virtual radio's memory files, read and written whole.

#include <QFile>
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

} // namespace lumora::test
