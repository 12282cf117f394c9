#include "memory/ChirpCsv.h"

#include "memory/ChannelColumns.h"
#include "memory/Conversions.h"
#include "memory/Errors.h"
#include "memory/FrequencyText.h"
#include "memory/ToneText.h"

#include <QHash>
#include <QMap>
#include <QRegularExpression>
#include <climits>
#include <cmath>

namespace lumora {

namespace {

const QStringList kHeader = {"Location", "Name",      "Frequency", "Duplex",  "Offset",   "Tone",     "rToneFreq",
                             "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode", "TStep",
                             "Skip",     "Power",     "Comment",   "URCALL",  "RPT1CALL", "RPT2CALL", "DVCODE"};

[[noreturn]] void malformed(int line, const QString &why)
{
    throw EFOpenError(QStringLiteral("The CSV file cannot be read: line %1: %2").arg(line).arg(why));
}

// RFC 4180 records: quoted fields may hold commas, quotes (doubled) and
// line ends. Each record keeps the line it starts on.
struct Record {
    int line;
    QStringList fields;
};

QVector<Record> parseCsv(const QString &text)
{
    QVector<Record> records;
    Record current{1, {}};
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
        current = Record{nextLine, {}};
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
        malformed(current.line, QStringLiteral("a quoted field is not closed"));
    endRecord(line);
    return records;
}

// A number of the file: a decimal, or an error naming line and column.
double number(const QString &text, int line, const char *column)
{
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v))
        malformed(line, QStringLiteral("%1 \"%2\" is not a number").arg(QLatin1String(column), text));
    return v;
}

// A location as a whole number; one beyond any channel stays beyond.
int locationNumber(const QString &text, int line)
{
    const double v = number(text, line, "Location");
    return v < -1e6 ? -1000000 : v > 1e6 ? 1000000 : static_cast<int>(v);
}

QString toneText(const QString &text, int line, const char *column)
{
    const double hz = number(text, line, column);
    if (hz < 0)
        malformed(line, QStringLiteral("%1 \"%2\" is not a tone").arg(QLatin1String(column), text));
    return NormalizeToneText(FormatOneDecimal(hz));
}

QString dcsText(const QString &code, QChar polarity, int line, const char *column)
{
    const double v = number(code, line, column);
    if (!(v >= 0 && v <= 999))
        malformed(line, QStringLiteral("%1 \"%2\" is not a DCS code").arg(QLatin1String(column), code));
    return NormalizeToneText(QStringLiteral("%1%2").arg(static_cast<int>(v), 3, 10, QLatin1Char('0'))
                                     .arg(polarity == QLatin1Char('R') ? QLatin1Char('I') : QLatin1Char('N')));
}

// A tone text of the table as CHIRP sees it.
struct Tone {
    enum Kind { None, Ctcss, Dcs } kind = None;
    QString value;   // "88.5" or "023"
    QChar polarity;  // N or R
};

Tone toneOf(const QString &text)
{
    if (text.isEmpty() || text == QLatin1String("NONE") || text == QLatin1String(" "))
        return {};
    if (text.endsWith(QLatin1Char('N')) || text.endsWith(QLatin1Char('I')))
        return {Tone::Dcs, text.left(3), text.endsWith(QLatin1Char('I')) ? QLatin1Char('R') : QLatin1Char('N')};
    return {Tone::Ctcss, text, QChar()};
}

QString mhz(const QString &text) { return QString::number(StrToFloat(text), 'f', 6); }

} // namespace

QString ChirpImportSummary::text() const
{
    QString s = QStringLiteral("%1 channel%2 imported.").arg(rowsTaken).arg(rowsTaken == 1 ? "" : "s");
    if (!skipped.isEmpty())
        s += QStringLiteral("\nNot imported:\n") + skipped.join(QLatin1Char('\n'));
    return s;
}

ChirpImportSummary ImportChirpCsv(const QByteArray &csv, ICellTable &channels)
{
    const QVector<Record> records = parseCsv(QString::fromUtf8(csv));
    if (records.isEmpty())
        malformed(1, QStringLiteral("the file is empty"));
    QHash<QString, int> column;
    for (int i = 0; i < records[0].fields.size(); ++i)
        column.insert(records[0].fields[i].trimmed(), i);
    for (const char *needed : {"Location", "Frequency"})
        if (!column.contains(QLatin1String(needed)))
            malformed(records[0].line, QStringLiteral("there is no %1 column").arg(QLatin1String(needed)));

    // Locations counted from 0 move up by one.
    int lowest = INT_MAX;
    for (int r = 1; r < records.size(); ++r)
        lowest = std::min(lowest, locationNumber(records[r].fields.value(column["Location"]), records[r].line));
    const int shift = lowest == 0 ? 1 : 0;

    ChirpImportSummary summary;
    QMap<int, QStringList> rows; // channel -> its fifteen fields
    for (int r = 1; r < records.size(); ++r) {
        const Record &rec = records[r];
        auto field = [&](const char *name) {
            return column.contains(QLatin1String(name)) ? rec.fields.value(column[QLatin1String(name)]).trimmed()
                                                        : QString();
        };
        const QString location = field("Location");
        const int channel = locationNumber(location, rec.line) + shift;
        auto skip = [&](const QString &why) { summary.skipped << QStringLiteral("Location %1: %2").arg(location, why); };
        if (channel < 1 || channel > kChannelCount) {
            skip(QStringLiteral("the radio has channels 1 to %1 only").arg(kChannelCount));
            continue;
        }
        if (rows.contains(channel)) {
            skip(QStringLiteral("channel %1 is already taken by an earlier row").arg(channel));
            continue;
        }
        const double rx = number(field("Frequency"), rec.line, "Frequency");
        const QString duplex = field("Duplex");
        const double offset = field("Offset").isEmpty() ? 0.0 : number(field("Offset"), rec.line, "Offset");
        double tx = rx;
        bool transmits = true;
        if (duplex == QLatin1String("+"))
            tx = rx + offset;
        else if (duplex == QLatin1String("-"))
            tx = rx - offset;
        else if (duplex == QLatin1String("split"))
            tx = offset;
        else if (duplex == QLatin1String("off"))
            transmits = false;
        else if (!duplex.isEmpty()) {
            skip(QStringLiteral("Duplex \"%1\" is not known").arg(duplex));
            continue;
        }
        const QString mode = field("Mode");
        QString wideNarrow;
        if (mode == QLatin1String("FM") || mode.isEmpty())
            wideNarrow = QStringLiteral("WIDE");
        else if (mode == QLatin1String("NFM"))
            wideNarrow = QStringLiteral("NARROW");
        else {
            skip(QStringLiteral("mode %1 is not FM or NFM").arg(mode));
            continue;
        }
        // The frequencies as if typed.
        const QString rxText = CheckFrequencyText(QString::number(rx, 'f', 6));
        if (rxText.isEmpty()) {
            skip(QStringLiteral("the frequency %1 MHz is out of the radio's range").arg(field("Frequency")));
            continue;
        }
        QString txText;
        if (transmits) {
            txText = CheckFrequencyText(QString::number(tx, 'f', 6));
            if (txText.isEmpty()) {
                skip(QStringLiteral("the transmit frequency %1 MHz is out of the radio's range")
                             .arg(QString::number(tx, 'f', 6)));
                continue;
            }
            txText = FormatFiveDecimals(StrToFloat(txText));
        }

        // Tones: the encoder sends, the decoder opens the squelch.
        const QString tone = field("Tone");
        const QString polarity = (field("DtcsPolarity") + QStringLiteral("NN")).left(2);
        auto rTone = [&] { return toneText(field("rToneFreq"), rec.line, "rToneFreq"); };
        auto cTone = [&] { return toneText(field("cToneFreq"), rec.line, "cToneFreq"); };
        auto txDcs = [&] { return dcsText(field("DtcsCode"), polarity[0], rec.line, "DtcsCode"); };
        auto rxDcs = [&] {
            // Older files have no RxDtcsCode: the one code serves both ways.
            const char *col = column.contains(QStringLiteral("RxDtcsCode")) ? "RxDtcsCode" : "DtcsCode";
            return dcsText(field(col), polarity[1], rec.line, col);
        };
        QString enc = QStringLiteral("NONE"), dec = QStringLiteral("NONE");
        if (tone == QLatin1String("Tone")) {
            enc = rTone();
        } else if (tone == QLatin1String("TSQL")) {
            enc = dec = cTone();
        } else if (tone == QLatin1String("DTCS")) {
            enc = txDcs();
            dec = dcsText(field("DtcsCode"), polarity[1], rec.line, "DtcsCode");
        } else if (tone == QLatin1String("Cross")) {
            const QString cross = column.contains(QStringLiteral("CrossMode")) ? field("CrossMode") : QStringLiteral("Tone->Tone");
            const QStringList sides = cross.split(QStringLiteral("->"));
            if (sides.size() != 2 || !QStringList({"", "Tone", "DTCS"}).contains(sides[0])
                || !QStringList({"", "Tone", "DTCS"}).contains(sides[1])) {
                skip(QStringLiteral("CrossMode \"%1\" is not known").arg(cross));
                continue;
            }
            if (sides[0] == QLatin1String("Tone"))
                enc = rTone();
            else if (sides[0] == QLatin1String("DTCS"))
                enc = txDcs();
            if (sides[1] == QLatin1String("Tone"))
                dec = cTone();
            else if (sides[1] == QLatin1String("DTCS"))
                dec = rxDcs();
        } else if (!tone.isEmpty()) {
            skip(QStringLiteral("Tone \"%1\" is not known").arg(tone));
            continue;
        }

        QStringList fields = NewChannelDefaults().mid(1, kChannelColumns - 1);
        auto set = [&](int col, const QString &text) { fields[col - 1] = text; };
        set(ColRxFreq, FormatFiveDecimals(StrToFloat(rxText)));
        set(ColTxFreq, txText);
        set(ColToneDec, dec);
        set(ColToneEnc, enc);
        const QString power = field("Power");
        const bool low = power.contains(QLatin1String("low"), Qt::CaseInsensitive)
                         || QRegularExpression(QStringLiteral("^[Ll][0-9]*$")).match(power).hasMatch();
        set(ColTxPower, low ? QStringLiteral("LOW") : QStringLiteral("HIGH"));
        set(ColWideNarrow, wideNarrow);
        set(ColScanAdd, field("Skip") == QLatin1String("S") ? QStringLiteral("NONE") : QStringLiteral("YES"));
        const QString step = field("TStep");
        // A step out of all proportion is no step the radio knows.
        const double stepKHz = step.isEmpty() ? -1 : number(step, rec.line, "TStep");
        const QString stepHz = stepKHz >= 0 && stepKHz < 1e6 ? QString::number(qRound(stepKHz * 1000)) : QString();
        set(ColStepFreq, StepFreqTexts().contains(stepHz) ? stepHz : NewChannelDefaults()[ColStepFreq]);
        rows.insert(channel, fields);
    }
    summary.rowsTaken = static_cast<int>(rows.size());
    for (auto it = rows.begin(); it != rows.end(); ++it)
        for (int col = ColRxFreq; col < kChannelColumns; ++col)
            channels.setCellText(col, it.key(), it.value()[col - 1]);
    return summary;
}

QByteArray ExportChirpCsv(const ICellTable &channels)
{
    QStringList lines{kHeader.join(QLatin1Char(','))};
    for (int n = 1; n <= kChannelCount; ++n) {
        auto cell = [&](int col) { return channels.cellText(col, n); };
        if (IsEmptyField(cell(ColRxFreq)))
            continue;
        const double rx = StrToFloat(cell(ColRxFreq));
        QString duplex, offset = QStringLiteral("0.000000");
        if (IsEmptyField(cell(ColTxFreq))) {
            duplex = QStringLiteral("off");
        } else {
            const double tx = StrToFloat(cell(ColTxFreq));
            const double diff = std::round((tx - rx) * 1e6) / 1e6;
            if (diff > 0)
                duplex = QStringLiteral("+");
            else if (diff < 0)
                duplex = QStringLiteral("-");
            offset = QString::number(std::fabs(diff), 'f', 6);
        }
        // The tones as CHIRP's modes.
        const Tone enc = toneOf(cell(ColToneEnc)), dec = toneOf(cell(ColToneDec));
        QString tone, rTone = QStringLiteral("88.5"), cTone = QStringLiteral("88.5"), dtcs = QStringLiteral("023"),
                      rxDtcs = QStringLiteral("023"), polarity = QStringLiteral("NN"), cross = QStringLiteral("Tone->Tone");
        QChar txPol = QLatin1Char('N'), rxPol = QLatin1Char('N');
        if (enc.kind == Tone::Ctcss)
            rTone = enc.value;
        if (dec.kind == Tone::Ctcss)
            cTone = dec.value;
        if (enc.kind == Tone::Dcs) {
            dtcs = enc.value;
            txPol = enc.polarity;
        }
        if (dec.kind == Tone::Dcs) {
            rxDtcs = dec.value;
            rxPol = dec.polarity;
            if (enc.kind != Tone::Dcs)
                dtcs = dec.value;
        }
        if (enc.kind == Tone::None && dec.kind == Tone::None) {
            tone.clear();
        } else if (enc.kind == Tone::Ctcss && dec.kind == Tone::None) {
            tone = QStringLiteral("Tone");
        } else if (enc.kind == Tone::Ctcss && dec.kind == Tone::Ctcss && enc.value == dec.value) {
            tone = QStringLiteral("TSQL");
            rTone = enc.value;
        } else if (enc.kind == Tone::Dcs && dec.kind == Tone::Dcs && enc.value == dec.value) {
            tone = QStringLiteral("DTCS");
            rxDtcs = dtcs;
        } else {
            tone = QStringLiteral("Cross");
            static const char *names[] = {"", "Tone", "DTCS"};
            cross = QLatin1String(names[enc.kind]) + QStringLiteral("->") + QLatin1String(names[dec.kind]);
        }
        polarity = QString(txPol) + rxPol;
        const bool scanned = cell(ColScanAdd) != QLatin1String("NONE");
        const QString step = QString::number(StrToFloat(cell(ColStepFreq).isEmpty() ? QStringLiteral("25000")
                                                                                        : cell(ColStepFreq)) / 1000.0,
                                             'f', 2);
        const QStringList row = {QString::number(n),
                                 QString(),
                                 mhz(cell(ColRxFreq)),
                                 duplex,
                                 offset,
                                 tone,
                                 rTone,
                                 cTone,
                                 dtcs,
                                 polarity,
                                 rxDtcs,
                                 cross,
                                 cell(ColWideNarrow) == QLatin1String("NARROW") ? QStringLiteral("NFM") : QStringLiteral("FM"),
                                 step,
                                 scanned ? QString() : QStringLiteral("S"),
                                 cell(ColTxPower) == QLatin1String("LOW") ? QStringLiteral("Low") : QStringLiteral("High"),
                                 QString(), QString(), QString(), QString(), QString()};
        lines << row.join(QLatin1Char(','));
    }
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

} // namespace lumora
