#include "ui/ClipboardText.h"

#include <QRegularExpression>

namespace lumora {

namespace {

QString quoted(const QString &field)
{
    if (!field.contains(QLatin1Char('\t')) && !field.contains(QLatin1Char('\n')) && !field.contains(QLatin1Char('\r'))
        && !field.startsWith(QLatin1Char('"')))
        return field;
    QString q = field;
    q.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

} // namespace

QString ClipboardTextOf(const QVector<QStringList> &rows)
{
    QString text;
    for (const QStringList &row : rows) {
        QStringList fields;
        for (const QString &f : row)
            fields << quoted(f);
        text += fields.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

QVector<QStringList> ParseClipboardText(const QString &text)
{
    // Tabs separate a spreadsheet's cells, commas a CSV line's; one number
    // such as "145,525" (digits, one comma, digits) has a decimal comma.
    static const QRegularExpression decimalComma(QStringLiteral("^\\s*[0-9]+,[0-9]+\\s*$"));
    const bool oneNumber = decimalComma.match(text).hasMatch();
    const QChar separator = text.contains(QLatin1Char('\t')) ? QLatin1Char('\t')
                            : oneNumber                      ? QChar()
                                                             : QLatin1Char(',');
    QVector<QStringList> rows;
    QStringList row;
    QString field;
    bool quoting = false, wasQuoted = false;
    auto endField = [&] {
        row << (wasQuoted ? field : field.trimmed());
        field.clear();
        wasQuoted = false;
    };
    auto endRow = [&] {
        endField();
        rows << row;
        row.clear();
    };
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoting) {
            if (c == QLatin1Char('"') && i + 1 < text.size() && text[i + 1] == QLatin1Char('"')) {
                field += c;
                ++i;
            } else if (c == QLatin1Char('"')) {
                quoting = false;
            } else {
                field += c;
            }
        } else if (c == QLatin1Char('"') && field.trimmed().isEmpty()) {
            field.clear();
            quoting = wasQuoted = true;
        } else if (c == separator) {
            endField();
        } else if (c == QLatin1Char('\n')) {
            endRow();
        } else if (c != QLatin1Char('\r')) {
            field += c;
        }
    }
    if (!field.isEmpty() || !row.isEmpty() || wasQuoted)
        endRow();
    return rows;
}

} // namespace lumora
