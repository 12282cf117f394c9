#pragma once
// Cells as the clipboard carries them between this tool and spreadsheets:
// rows of tab-separated fields, quoted where a field holds a tab, a line
// break or a quote. Comma-separated text (a CSV line) is read as well.

#include <QString>
#include <QStringList>
#include <QVector>

namespace lumora {

QString ClipboardTextOf(const QVector<QStringList> &rows);
// Tab-separated where the text holds a tab, else comma-separated. A final
// line break ends the last row; it starts no empty one.
QVector<QStringList> ParseClipboardText(const QString &text);

} // namespace lumora
