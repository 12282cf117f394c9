#pragma once
// A signalling window's settings as a file: JSON in UTF-8, with the format
// version, the area's name and one key per control, named after its label.
// Boxes and edits are texts exactly as the window shows them, check boxes
// true or false, grids arrays of rows of texts. A file is checked whole
// against the window's own shape before anything of it is used.

#include "memory/AssignedBytes.h"
#include "memory/CellTable.h"
#include "memory/MemoryComparison.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <functional>
#include <QString>
#include <QStringList>
#include <QVector>
#include <vector>

namespace lumora {

// Format 2 keeps the area's blocks as the radio gave them under "bytes";
// files of format 1 (texts only) are still read.
constexpr int kSettingsFormat = 2;
inline const char *const kBytesKey = "bytes";

struct SettingsValue {
    enum Kind { Text, Check, Rows };
    QString key;
    Kind kind = Text;
    QString text;
    bool checked = false;
    QVector<QStringList> rows; // a grid's data rows, its editable columns

    static SettingsValue ofText(const QString &key, const QString &text) { return {key, Text, text, false, {}}; }
    static SettingsValue ofCheck(const QString &key, bool checked) { return {key, Check, {}, checked, {}}; }
    static SettingsValue ofRows(const QString &key, const QVector<QStringList> &rows) { return {key, Rows, {}, false, rows}; }
};
using SettingsValues = QVector<SettingsValue>;

// A table's data rows as settings keep them: rows 1 to rows, columns 1
// onward; and back, as far as the table reaches.
QVector<QStringList> TableRows(const ICellTable &table, int rows);
// The value under key, or null.
const SettingsValue *FindSetting(const SettingsValues &values, const QString &key);
void SetTableRows(ICellTable &table, const QVector<QStringList> &rows);

// bytes: the area's blocks as read, kept beside the texts (none: texts only).
QByteArray WriteSettingsJson(const QString &area, const SettingsValues &values,
                             const std::vector<Payload> &bytes = {});

// Blocks as "bytes" keeps them, 56 hexadecimal digits each, and back: count
// blocks (any number when -1); refuse (which throws) otherwise.
QJsonArray BlocksToJson(const std::vector<Payload> &blocks);
std::vector<Payload> BlocksFromJson(const QJsonValue &list, int count,
                                    const std::function<void(const QString &)> &refuse);

// The values as the keys of a JSON object, and back: the object must hold
// exactly the shape's keys (and otherKeys), each of its kind and size;
// refuse is called with the reason otherwise, and must throw.
QJsonObject SettingsToJson(const SettingsValues &values);
SettingsValues SettingsFromJson(const QJsonObject &object, const SettingsValues &shape, const QStringList &otherKeys,
                                const std::function<void(const QString &)> &refuse);
// The JSON object of a file; refuse (which throws) when it is none.
QJsonObject ParseJsonObject(const QByteArray &json, const std::function<void(const QString &)> &refuse);
// The values of a file shaped as shape (same keys, kinds, row and column
// counts). Throws EFOpenError naming the key that does not fit; fileName
// is for the message only.
// bytes, if given, receives the file's blocks (empty when it keeps none),
// blockCount of them.
SettingsValues ReadSettingsJson(const QByteArray &json, const QString &area, const SettingsValues &shape,
                                const QString &fileName, std::vector<Payload> *bytes = nullptr,
                                int blockCount = -1);

// One line per differing control or grid row, "DTMF, ID Code: written
// 12345678, read 12345670", between what a read of the written area would
// show and what a read showed.
QStringList CompareSettings(const QString &areaName, const SettingsValues &expected, const SettingsValues &read,
                            const QString &expectedWord = SideWord("written"),
                            const QString &readWord = SideWord("read"));

// Through a temporary file that replaces the old one only when complete;
// throws EFCreateError.
void SaveSettingsFile(const QString &fileName, const QString &area, const SettingsValues &values,
                      const std::vector<Payload> &bytes = {});
// Throws EFOpenError.
SettingsValues LoadSettingsFile(const QString &fileName, const QString &area, const SettingsValues &shape,
                                std::vector<Payload> *bytes = nullptr, int blockCount = -1);

} // namespace lumora
