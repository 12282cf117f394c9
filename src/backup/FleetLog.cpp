#include "backup/FleetLog.h"

#include "memory/Errors.h"

#include <QFile>
#include <QRegularExpression>

namespace lumora {

namespace {

const QStringList kColumns = {"Time", "Port", "Radio", "Fleet", "ID", "DTMF ID", "Result", "Differences"};

QString cell(const QString &text)
{
    if (!text.contains(QRegularExpression(QStringLiteral("[\",\\r\\n]"))))
        return text;
    return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

// One row's cells; quoted cells may hold commas and doubled quotes.
QStringList cells(const QString &line)
{
    QStringList out;
    QString field;
    bool quoted = false;
    for (int i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted && c == QLatin1Char('"') && i + 1 < line.size() && line[i + 1] == QLatin1Char('"')) {
            field += c;
            ++i;
        } else if (c == QLatin1Char('"')) {
            quoted = !quoted;
        } else if (c == QLatin1Char(',') && !quoted) {
            out << field;
            field.clear();
        } else {
            field += c;
        }
    }
    return out << field;
}

} // namespace

FleetLog::FleetLog(const QString &fileName) : fileName_(fileName)
{
    if (fileName_.isEmpty())
        return;
    QFile f(fileName_);
    if (!f.exists()) {
        if (!f.open(QIODevice::WriteOnly) || f.write(kColumns.join(QLatin1Char(',')).toUtf8() + "\n") < 0)
            throw EFOpenError(QStringLiteral("Cannot create file \"%1\". %2").arg(fileName_, f.errorString()));
        return;
    }
    if (!f.open(QIODevice::ReadOnly))
        throw EFOpenError(QStringLiteral("Cannot open file \"%1\". %2").arg(fileName_, f.errorString()));
    const QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (lines.isEmpty() || cells(lines[0].trimmed()) != kColumns)
        throw EFOpenError(QStringLiteral("\"%1\" is no fleet log: its first line is not %2")
                                  .arg(fileName_, kColumns.join(QLatin1Char(','))));
    for (int n = 1; n < lines.size(); ++n) {
        const QStringList row = cells(lines[n].trimmed());
        lastRadio_ = std::max(lastRadio_, row.value(2).toInt());
        if (row.value(6) == QLatin1String("ok"))
            given_ << FleetIdentity{row.value(3), row.value(4), row.value(5)};
    }
}

void FleetLog::Append(const FleetLogRow &row)
{
    lastRadio_ = std::max(lastRadio_, row.radio);
    if (row.ok)
        given_ << row.identity;
    if (fileName_.isEmpty())
        return;
    const QStringList line = {row.time.toString(Qt::ISODate), row.port, QString::number(row.radio),
                              row.identity.fleet, row.identity.id, row.identity.dtmfId, row.result,
                              row.differences.join(QStringLiteral("; "))};
    QStringList quoted;
    for (const QString &text : line)
        quoted << cell(text);
    QFile f(fileName_);
    if (!f.open(QIODevice::Append) || f.write(quoted.join(QLatin1Char(',')).toUtf8() + "\n") < 0 || !f.flush())
        throw EFOpenError(QStringLiteral("Cannot write file \"%1\". %2").arg(fileName_, f.errorString()));
}

} // namespace lumora
