#include "memory/ChannelFile.h"

#include "memory/Errors.h"
#include "memory/WholeFile.h"

#include <QCoreApplication>
#include <QFile>

#include <QStringDecoder>
#include <QStringEncoder>
#include <QVector>
#include <optional>
#ifdef _WIN32
#include "memory/CodePage936.h"
#endif

namespace lumora {

namespace {
// The context these messages are translated in.
struct FileTexts {
    Q_DECLARE_TR_FUNCTIONS(FileTexts)
};
} // namespace

namespace {

// The code page the radio's users keep their files in. Without it a file
// would silently change encoding: refused instead.
const char *fileEncoding()
{
    if (!ChannelFileEncodingAvailable())
        throw ELumoraError(MissingChannelFileEncodingText());
    return "GBK";
}

// GBK through Qt's converter, or where Qt has none (a Windows Qt without
// ICU) through the system's code page 936. Empty optional: not GBK.
std::optional<QString> decodeGbk(const QByteArray &bytes)
{
#ifdef _WIN32
    if (!QStringDecoder("GBK").isValid()) {
        const std::optional<std::u16string> text = DecodeCodePage936(bytes.toStdString());
        if (!text)
            return std::nullopt;
        return QString::fromStdU16String(*text);
    }
#endif
    QStringDecoder decode(fileEncoding());
    const QString text = decode(bytes);
    if (decode.hasError())
        return std::nullopt;
    return text;
}

QByteArray encodeGbk(const QString &text, const QString &fileName)
{
#ifdef _WIN32
    if (!QStringEncoder("GBK").isValid()) {
        const std::optional<std::string> bytes = EncodeCodePage936(text.toStdU16String());
        if (!bytes)
            throw EFCreateError(FileTexts::tr("Cannot create file \"%1\". A text holds a character that the "
                                               "channel files' encoding (GBK) has no code for")
                                        .arg(fileName));
        return QByteArray::fromStdString(*bytes);
    }
#endif
    (void)fileName;
    QStringEncoder encode(fileEncoding());
    return encode(text);
}

bool isBlankOrControl(QChar c) { return c.unicode() >= 1 && c.unicode() <= ' '; }

bool needsQuotes(const QString &cell)
{
    for (QChar c : cell)
        if (c.unicode() <= ' ' || c == QLatin1Char('"') || c == QLatin1Char(','))
            return true;
    return false;
}

[[noreturn]] void refuse(const QString &fileName, const QString &why)
{
    throw EFOpenError(FileTexts::tr("\"%1\" is not a channel file: %2").arg(fileName, why));
}

} // namespace

bool ChannelFileEncodingAvailable()
{
#ifdef _WIN32
    return true; // code page 936 is part of Windows
#else
    return QStringDecoder("GBK").isValid() && QStringEncoder("GBK").isValid();
#endif
}

QString MissingChannelFileEncodingText()
{
    return FileTexts::tr("This Qt has no GBK text converter (it needs Qt built with ICU). "
                          "Channel files are kept in GBK, so LUMORA cannot read or write them");
}

QString JoinChannelLine(const QStringList &cells)
{
    QStringList out;
    for (QString cell : cells) {
        if (needsQuotes(cell))
            cell = QLatin1Char('"') + cell.replace(QLatin1Char('"'), QLatin1String("\"\""))
                   + QLatin1Char('"');
        out << cell;
    }
    return out.join(QLatin1Char(','));
}

QStringList SplitChannelLine(const QString &line)
{
    QStringList fields;
    auto add = [&](const QString &f) { fields << (f.isEmpty() ? QStringLiteral(" ") : f); };
    // A zero character ends the line, as it ended the original's text.
    int end = static_cast<int>(line.indexOf(QChar(0)));
    if (end < 0)
        end = static_cast<int>(line.size());
    int p = 0;
    auto skipBlanks = [&] {
        while (p < end && isBlankOrControl(line[p]))
            ++p;
    };
    skipBlanks();
    while (p < end) {
        QString field;
        if (line[p] == QLatin1Char('"')) {
            ++p;
            while (p < end) {
                if (line[p] == QLatin1Char('"')) {
                    if (p + 1 < end && line[p + 1] == QLatin1Char('"')) {
                        field += QLatin1Char('"');
                        p += 2;
                        continue;
                    }
                    ++p;
                    break;
                }
                field += line[p++];
            }
        } else {
            const int start = p;
            while (p < end && line[p].unicode() > ' ' && line[p] != QLatin1Char(','))
                ++p;
            field = line.mid(start, p - start);
        }
        add(field);
        skipBlanks();
        if (p < end && line[p] == QLatin1Char(',')) {
            if (p + 1 >= end)
                add(QString());
            do
                ++p;
            while (p < end && isBlankOrControl(line[p]));
        }
    }
    return fields;
}

QStringList SplitFileLines(const QString &text)
{
    QStringList lines;
    int start = 0;
    const int n = text.size();
    for (int i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        lines << text.mid(start, i - start);
        if (c == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines << text.mid(start);
    return lines;
}

void SaveChannelFile(const ICellTable &table, const OptionTexts &options, const QString &fileName)
{
    QString text;
    for (int row = 0; row < table.rowCount(); ++row) {
        QStringList cells;
        for (int col = 0; col < table.colCount(); ++col)
            cells << table.cellText(col, row);
        text += JoinChannelLine(cells) + QLatin1String("\r\n");
    }
    for (int i = 0; i < kStoredOptionCount; ++i)
        text += options[i] + QLatin1String("\r\n");

    SaveWholeFile(fileName, encodeGbk(text, fileName));
}

void LoadChannelFile(ICellTable &table, OptionTexts &options, const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EFOpenError(
            FileTexts::tr("Cannot open file \"%1\". %2").arg(fileName, file.errorString()));
    const QByteArray bytes = file.read(kChannelFileMaxBytes + 1);
    if (bytes.isEmpty() && file.error() != QFileDevice::NoError)
        throw EFOpenError(
            FileTexts::tr("Cannot open file \"%1\". %2").arg(fileName, file.errorString()));
    ReadChannelFile(bytes, table, options, fileName);
}

void ReadChannelFile(const QByteArray &bytes, ICellTable &table, OptionTexts &options, const QString &fileName)
{
    if (bytes.size() > kChannelFileMaxBytes)
        refuse(fileName, FileTexts::tr("it is larger than 64 KiB"));

    const std::optional<QString> decoded = decodeGbk(bytes);
    if (!decoded)
        refuse(fileName, FileTexts::tr("it is not text in the channel files' encoding (GBK)"));
    const QString &text = *decoded;
    const QStringList lines = SplitFileLines(text);
    if (lines.size() != kChannelFileLines)
        refuse(fileName, lines.size() == 1 ? FileTexts::tr("it has 1 line, and a channel file has %1").arg(kChannelFileLines)
                                           : FileTexts::tr("it has %1 lines, and a channel file has %2")
                                                     .arg(lines.size())
                                                     .arg(kChannelFileLines));

    const int rows = kChannelFileLines - kStoredOptionCount;
    QVector<QStringList> cells;
    for (int row = 0; row < rows; ++row) {
        // Quotes come in pairs (a quote inside a cell is doubled).
        if (lines[row].count(QLatin1Char('"')) % 2 != 0)
            refuse(fileName, FileTexts::tr("line %1 has a quote that is not closed").arg(row + 1));
        cells << SplitChannelLine(lines[row]); // fields beyond the row's cells are dropped
    }

    // Everything is parsed; now the table and the options change together.
    table.setRowCount(rows);
    for (int row = 0; row < rows; ++row)
        for (int col = 0; col < table.colCount(); ++col)
            table.setCellText(col, row, col < cells[row].size() ? cells[row][col] : QString());
    for (int i = 0; i < kStoredOptionCount; ++i)
        options[i] = lines[rows + i];
}

} // namespace lumora
