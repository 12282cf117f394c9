#include "backup/FleetLog.h"

#include "memory/Errors.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>

#include <cerrno>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace lumora {

namespace {
// The context these messages are translated in.
struct FleetTexts {
    Q_DECLARE_TR_FUNCTIONS(FleetTexts)
};
} // namespace

namespace {

const QStringList kColumns = {"Time", "Port", "Radio", "Fleet", "ID", "DTMF ID", "Result", "Differences"};

QString cell(QString text)
{
    // One row a line: a line break inside a cell would read as a row cut short.
    text.replace(QLatin1String("\r\n"), QLatin1String(" ")).replace(QLatin1Char('\n'), QLatin1Char(' '));
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

// Written through to the disk, not only to the system's cache: the row is
// what a later run trusts.
bool syncedToDisk(QFile &f)
{
    if (!f.flush())
        return false;
#ifdef Q_OS_WIN
    return _commit(f.handle()) == 0;
#else
    return ::fsync(f.handle()) == 0;
#endif
}

// Appends bytes whole or not at all: a short write is taken back.
void appendWhole(const QString &fileName, const QByteArray &bytes)
{
    QFile f(fileName);
    // Unbuffered: what failed to go out is not tried again on closing.
    if (f.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        const qint64 before = f.size();
        errno = 0;
        if (f.write(bytes) == bytes.size() && syncedToDisk(f))
            return;
        const int code = errno; // the system's reason: a full disk says so, where Qt may not
        const QString why = code ? qt_error_string(code) : f.errorString();
        f.close();
        QFile::resize(fileName, before);
        throw EFCreateError(FleetTexts::tr("Cannot write file \"%1\". %2").arg(fileName, why));
    }
    throw EFCreateError(FleetTexts::tr("Cannot write file \"%1\". %2").arg(fileName, f.errorString()));
}

} // namespace

FleetLog::FleetLog(const QString &fileName) : fileName_(fileName)
{
    if (fileName_.isEmpty())
        return;
    QFile f(fileName_);
    if (!f.exists()) {
        try {
            appendWhole(fileName_, kColumns.join(QLatin1Char(',')).toUtf8() + "\n");
        } catch (const EFCreateError &) {
            QFile::remove(fileName_); // no log at all rather than half a header
            throw;
        }
        return;
    }
    if (!f.open(QIODevice::ReadOnly))
        throw EFOpenError(FleetTexts::tr("Cannot open file \"%1\". %2").arg(fileName_, f.errorString()));
    const QByteArray text = f.readAll();
    endsInLine_ = text.isEmpty() || text.endsWith('\n');
    QStringList cut;
    for (const FleetLogRow &row : parse(fileName_, text, cut)) {
        lastRadio_ = std::max(lastRadio_, row.radio);
        if (row.ok)
            given_ << row.identity;
    }
    if (!cut.isEmpty())
        notice_ = (cut.size() == 1 ? FleetTexts::tr("The fleet log \"%1\" is read as far as its rows are whole: line %2 "
                                                    "is cut short and not taken (check the radio it may name)")
                                   : FleetTexts::tr("The fleet log \"%1\" is read as far as its rows are whole: lines %2 "
                                                    "are cut short and not taken (check the radios they may name)"))
                          .arg(fileName_, cut.join(QStringLiteral(", ")));
}

QVector<FleetLogRow> FleetLog::parse(const QString &fileName, const QByteArray &text, QStringList &cut)
{
    const bool endsInLine = text.isEmpty() || text.endsWith('\n');
    const QStringList lines = QString::fromUtf8(text).split(QLatin1Char('\n'));
    if (cells(lines[0].trimmed()) != kColumns)
        throw EFOpenError(FleetTexts::tr("\"%1\" is no fleet log: its first line is not %2")
                                  .arg(fileName, kColumns.join(QLatin1Char(','))));
    QVector<FleetLogRow> rows;
    for (int n = 1; n < lines.size(); ++n) {
        if (lines[n].trimmed().isEmpty())
            continue;
        const QStringList row = cells(lines[n].trimmed());
        // Every row is written with its newline: one without it (the last),
        // or with cells missing, was cut short and proves nothing.
        if (row.size() != kColumns.size() || (n == lines.size() - 1 && !endsInLine)) {
            cut << QString::number(n + 1);
            continue;
        }
        FleetLogRow r;
        r.time = QDateTime::fromString(row.value(0), Qt::ISODate);
        r.port = row.value(1);
        r.radio = row.value(2).toInt();
        r.identity = FleetIdentity{row.value(3), row.value(4), row.value(5)};
        r.result = row.value(6);
        r.ok = r.result == QLatin1String("ok");
        if (!row.value(7).isEmpty())
            r.differences = row.value(7).split(QStringLiteral("; "));
        rows << r;
    }
    return rows;
}

QVector<FleetLogRow> FleetLog::ReadRows(const QString &fileName)
{
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly))
        throw EFOpenError(FleetTexts::tr("Cannot open file \"%1\". %2").arg(fileName, f.errorString()));
    QStringList cut;
    return parse(fileName, f.readAll(), cut);
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
    // After a row cut short, this one starts a line of its own.
    appendWhole(fileName_, (endsInLine_ ? QByteArray() : QByteArray("\n")) + quoted.join(QLatin1Char(',')).toUtf8() + "\n");
    endsInLine_ = true;
}

} // namespace lumora
