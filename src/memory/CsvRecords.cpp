#include "memory/CsvRecords.h"

#include <QCoreApplication>

namespace lumora {

namespace {
// The context these messages are translated in.
struct CsvTexts {
    Q_DECLARE_TR_FUNCTIONS(CsvTexts)
};
} // namespace

QVector<CsvRecord> ParseCsvRecords(const QString &text, const std::function<void(int, const QString &)> &malformed)
{
    QVector<CsvRecord> records;
    CsvRecord current{1, {}};
    QString field;
    bool quoted = false, fieldStarted = false;
    int line = 1;
    auto endField = [&] {
        current.fields << field;
        field.clear();
        fieldStarted = false;
    };
    auto endRecord = [&](int nextLine) {
        endField();
        if (!(current.fields.size() == 1 && current.fields[0].trimmed().isEmpty()))
            records << current;
        current = CsvRecord{nextLine, {}};
    };
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text[i + 1] == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == QLatin1Char('\n'))
                    ++line;
                field += c;
            }
            continue;
        }
        if (c == QLatin1Char('"') && !fieldStarted && field.isEmpty()) {
            quoted = fieldStarted = true;
        } else if (c == QLatin1Char(',')) {
            endField();
        } else if (c == QLatin1Char('\r')) {
            continue;
        } else if (c == QLatin1Char('\n')) {
            ++line;
            endRecord(line);
        } else {
            field += c;
            fieldStarted = true;
        }
    }
    if (quoted)
        malformed(current.line, CsvTexts::tr("a quoted field is not closed"));
    endRecord(line);
    return records;
}

} // namespace lumora
