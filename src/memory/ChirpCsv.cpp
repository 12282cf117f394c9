#include "memory/ChirpCsv.h"

#include "memory/ChannelColumns.h"
#include "memory/Conversions.h"
#include "memory/CsvRecords.h"
#include "memory/Errors.h"
#include "memory/FrequencyText.h"
#include "memory/ToneText.h"

#include <QCoreApplication>
#include <QHash>
#include <QMap>
#include <QRegularExpression>
#include <climits>
#include <functional>
#include <cmath>

namespace lumora {

namespace {
// The context these messages are translated in.
struct CsvTexts {
    Q_DECLARE_TR_FUNCTIONS(CsvTexts)
};
} // namespace

namespace {

const QStringList kHeader = {"Location", "Name",      "Frequency", "Duplex",  "Offset",   "Tone",     "rToneFreq",
                             "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode", "TStep",
                             "Skip",     "Power",     "Comment",   "URCALL",  "RPT1CALL", "RPT2CALL", "DVCODE"};

[[noreturn]] void malformed(int line, const QString &why)
{
    throw EFOpenError(CsvTexts::tr("The CSV file cannot be read: line %1: %2").arg(line).arg(why));
}

// Why a row is not taken; a row that cannot be read says so by its line.
struct RowSkipped {
    QString why;
};

// A number of a row: a decimal, or the row is skipped.
double number(const QString &text, const char *column)
{
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v))
        throw RowSkipped{CsvTexts::tr("%1 \"%2\" is not a number").arg(QLatin1String(column), text)};
    return v;
}

// A location as a whole number; one beyond any channel stays beyond.
int locationNumber(const QString &text)
{
    const double v = number(text, "Location");
    return v < -1e6 ? -1000000 : v > 1e6 ? 1000000 : static_cast<int>(v);
}

// A tone the radio can send, as the table writes it; one between its
// standard tones is kept and noted, as the grid keeps a typed one.
QString toneText(const QString &text, const char *column, QStringList &notes)
{
    const double hz = number(text, column);
    if (hz < 0)
        throw RowSkipped{CsvTexts::tr("%1 \"%2\" is not a tone").arg(QLatin1String(column), text)};
    const QString tone = FormatOneDecimal(hz);
    if (hz < StrToFloat(CtcssTones().first()) || hz > StrToFloat(CtcssTones().last()))
        throw RowSkipped{CsvTexts::tr("the tone %1 Hz is not one the radio has").arg(tone)};
    if (!CtcssTones().contains(tone))
        notes << CsvTexts::tr("the tone %1 Hz is not one of the radio's standard tones; it is kept").arg(tone);
    return tone;
}

// A DCS code the radio has, with its polarity (R: inverted).
QString dcsText(const QString &code, QChar polarity, const char *column)
{
    const double v = number(code, column);
    if (!(v >= 0 && v <= 999) || v != std::floor(v))
        throw RowSkipped{CsvTexts::tr("%1 \"%2\" is not a DCS code").arg(QLatin1String(column), code)};
    const QString digits = QStringLiteral("%1").arg(static_cast<int>(v), 3, 10, QLatin1Char('0'));
    const QString text = digits + (polarity == QLatin1Char('R') ? QLatin1Char('I') : QLatin1Char('N'));
    if (!ToneVocabulary().contains(text))
        throw RowSkipped{CsvTexts::tr("the DCS code %1 is not one the radio has").arg(digits)};
    return text;
}

// A power as CHIRP writes it, in watts ("5.0W"), or as a label ("Low",
// "L2"): low at or below 2.5 W.
bool lowPower(const QString &power)
{
    static const QRegularExpression watts(QStringLiteral("^([0-9]*\\.?[0-9]+)\\s*[Ww]$"));
    if (const QRegularExpressionMatch m = watts.match(power); m.hasMatch())
        return m.captured(1).toDouble() <= 2.5;
    return power.contains(QLatin1String("low"), Qt::CaseInsensitive)
           || QRegularExpression(QStringLiteral("^[Ll][0-9]*$")).match(power).hasMatch();
}

// A channel column CHIRP holds as one of two words: CHIRP's word for each
// of the column's two drop-down texts, in their order.
struct TwoWords {
    ChannelColumn column;
    const char *chirp[2];
    QString ours(int i) const { return ChannelColumnTable()[column].items()[i]; }
    // CHIRP's word for a cell; a cell of neither text is taken as a new
    // channel has it.
    QString chirpOf(const QString &cell) const
    {
        const QStringList &items = ChannelColumnTable()[column].items();
        const int i = items.indexOf(cell);
        return QLatin1String(chirp[i >= 0 ? i : items.indexOf(NewChannelDefaults()[column])]);
    }
    // Our text for CHIRP's word; empty for a word of neither.
    QString oursOf(const QString &word) const
    {
        const int i = word == QLatin1String(chirp[0]) ? 0 : word == QLatin1String(chirp[1]) ? 1 : -1;
        return i < 0 ? QString() : ours(i);
    }
};
const TwoWords kPower{ColTxPower, {"5.0W", "1.0W"}}; // HIGH LOW: the nominal powers
const TwoWords kMode{ColWideNarrow, {"FM", "NFM"}};  // WIDE NARROW
const TwoWords kSkip{ColScanAdd, {"S", ""}};         // NONE YES

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

// Transmit and receive this far apart are on two bands.
constexpr double kCrossBandMHz = 70.0;

// The tones CHIRP's CSV reader takes: the radio's, except 62.5 Hz.
const QStringList &ChirpTones()
{
    static const QStringList tones = [] {
        QStringList t = CtcssTones();
        t.removeAll(QStringLiteral("62.5"));
        return t;
    }();
    return tones;
}

} // namespace

QString ChirpImportSummary::text() const
{
    QString s = rowsTaken == 1 ? CsvTexts::tr("1 channel imported.") : CsvTexts::tr("%1 channels imported.").arg(rowsTaken);
    if (!skipped.isEmpty())
        s += CsvTexts::tr("\nNot imported:\n") + skipped.join(QLatin1Char('\n'));
    if (!changed.isEmpty())
        s += CsvTexts::tr("\nImported with a change:\n") + changed.join(QLatin1Char('\n'));
    if (namesLeftOut)
        s += CsvTexts::tr("\nNames and comments are not imported: the radio has no place for them.");
    return s;
}

namespace {

// The fifteen fields of one row's channel; throws RowSkipped.
QStringList channelOf(const std::function<QString(const char *)> &field,
                      const std::function<bool(const char *)> &hasColumn, QStringList &changes)
{
    const double rx = number(field("Frequency"), "Frequency");
    const QString duplex = field("Duplex");
    const double offset = field("Offset").isEmpty() ? 0.0 : number(field("Offset"), "Offset");
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
    else if (!duplex.isEmpty())
        throw RowSkipped{CsvTexts::tr("Duplex \"%1\" is not known").arg(duplex)};
    const QString mode = field("Mode");
    const QString wideNarrow = kMode.oursOf(mode.isEmpty() ? QStringLiteral("FM") : mode);
    if (wideNarrow.isEmpty())
        throw RowSkipped{CsvTexts::tr("mode %1 is not FM or NFM").arg(mode)};
    // The frequencies as if typed.
    const QString rxText = CheckFrequencyText(QString::number(rx, 'f', 6));
    if (rxText.isEmpty())
        throw RowSkipped{CsvTexts::tr("the frequency %1 MHz is out of the radio's range").arg(field("Frequency"))};
    QString txText;
    if (transmits) {
        txText = CheckFrequencyText(QString::number(tx, 'f', 6));
        if (txText.isEmpty())
            throw RowSkipped{CsvTexts::tr("the transmit frequency %1 MHz is out of the radio's range")
                                     .arg(QString::number(tx, 'f', 6))};
        txText = FormatFiveDecimals(StrToFloat(txText));
    }

    // Tones: the encoder sends, the decoder opens the squelch. A file with
    // one tone column has it for both.
    const QString tone = field("Tone");
    const QString polarity = (field("DtcsPolarity") + QStringLiteral("NN")).left(2);
    const char *cToneColumn = hasColumn("cToneFreq") ? "cToneFreq" : "rToneFreq";
    auto rTone = [&] { return toneText(field("rToneFreq"), "rToneFreq", changes); };
    auto cTone = [&] { return toneText(field(cToneColumn), cToneColumn, changes); };
    auto txDcs = [&] { return dcsText(field("DtcsCode"), polarity[0], "DtcsCode"); };
    auto rxDcs = [&] {
        // Older files have no RxDtcsCode: the one code serves both ways.
        const char *col = hasColumn("RxDtcsCode") ? "RxDtcsCode" : "DtcsCode";
        return dcsText(field(col), polarity[1], col);
    };
    QString enc = QStringLiteral("NONE"), dec = QStringLiteral("NONE");
    if (tone == QLatin1String("Tone")) {
        enc = rTone();
    } else if (tone == QLatin1String("TSQL")) {
        enc = dec = cTone();
    } else if (tone == QLatin1String("DTCS")) {
        enc = txDcs();
        dec = dcsText(field("DtcsCode"), polarity[1], "DtcsCode");
    } else if (tone == QLatin1String("Cross")) {
        const QString cross = hasColumn("CrossMode") ? field("CrossMode") : QStringLiteral("Tone->Tone");
        const QStringList sides = cross.split(QStringLiteral("->"));
        const QStringList known{"", "Tone", "DTCS"};
        if (sides.size() != 2 || !known.contains(sides[0]) || !known.contains(sides[1]))
            throw RowSkipped{CsvTexts::tr("CrossMode \"%1\" is not known").arg(cross)};
        if (sides[0] == QLatin1String("Tone"))
            enc = rTone();
        else if (sides[0] == QLatin1String("DTCS"))
            enc = txDcs();
        if (sides[1] == QLatin1String("Tone"))
            dec = cTone();
        else if (sides[1] == QLatin1String("DTCS"))
            dec = rxDcs();
    } else if (!tone.isEmpty()) {
        throw RowSkipped{CsvTexts::tr("Tone \"%1\" is not known").arg(tone)};
    }

    QStringList fields = NewChannelDefaults().mid(1, kChannelColumns - 1);
    auto set = [&](int col, const QString &text) { fields[col - 1] = text; };
    set(ColRxFreq, FormatFiveDecimals(StrToFloat(rxText)));
    set(ColTxFreq, txText);
    set(ColToneDec, dec);
    set(ColToneEnc, enc);
    set(ColTxPower, kPower.ours(lowPower(field("Power")) ? 1 : 0));
    set(ColWideNarrow, wideNarrow);
    set(ColScanAdd, kSkip.ours(field("Skip") == QLatin1String("S") ? 0 : 1));
    const QString step = field("TStep");
    if (!step.isEmpty()) {
        const double stepKHz = number(step, "TStep");
        // A step out of all proportion is no step the radio knows.
        const QString stepHz = stepKHz >= 0 && stepKHz < 1e6 ? QString::number(qRound(stepKHz * 1000)) : QString();
        if (StepFreqTexts().contains(stepHz))
            set(ColStepFreq, stepHz);
        else
            changes << CsvTexts::tr("the step %1 kHz is not one the radio has; it takes %2 kHz")
                               .arg(step, QString::number(NewChannelDefaults()[ColStepFreq].toDouble() / 1000));
    }
    return fields;
}

} // namespace

ChirpImportSummary ImportChirpCsv(const QByteArray &csv, ICellTable &channels)
{
    QVector<CsvRecord> records;
    // A line whose first cell starts with # is a comment.
    for (const CsvRecord &record : ParseCsvRecords(QString::fromUtf8(csv), malformed))
        if (!record.fields.value(0).trimmed().startsWith(QLatin1Char('#')))
            records << record;
    if (records.isEmpty())
        malformed(1, CsvTexts::tr("the file is empty"));
    QHash<QString, int> column;
    for (int i = 0; i < records[0].fields.size(); ++i)
        column.insert(records[0].fields[i].trimmed(), i);
    for (const char *needed : {"Location", "Frequency"})
        if (!column.contains(QLatin1String(needed)))
            malformed(records[0].line, CsvTexts::tr("there is no %1 column").arg(QLatin1String(needed)));
    auto hasColumn = [&](const char *name) { return column.contains(QLatin1String(name)); };

    // Locations counted from 0 move up by one.
    int lowest = INT_MAX;
    for (int r = 1; r < records.size(); ++r) {
        try {
            lowest = std::min(lowest, locationNumber(records[r].fields.value(column["Location"])));
        } catch (const RowSkipped &) {
            // said when its row comes
        }
    }
    const int shift = lowest == 0 ? 1 : 0;

    ChirpImportSummary summary;
    QMap<int, QStringList> rows; // channel -> its fifteen fields
    for (int r = 1; r < records.size(); ++r) {
        const CsvRecord &rec = records[r];
        auto field = [&](const char *name) {
            return hasColumn(name) ? rec.fields.value(column[QLatin1String(name)]).trimmed() : QString();
        };
        summary.namesLeftOut = summary.namesLeftOut || !field("Name").isEmpty() || !field("Comment").isEmpty();
        const QString location = field("Location");
        int channel = 0;
        try {
            channel = locationNumber(location) + shift;
        } catch (const RowSkipped &e) {
            summary.skipped << CsvTexts::tr("Line %1: %2").arg(rec.line).arg(e.why);
            continue;
        }
        auto skip = [&](const QString &why) {
            summary.skipped << CsvTexts::tr("Location %1 (line %2): %3").arg(location).arg(rec.line).arg(why);
        };
        if (channel < 1 || channel > kChannelCount) {
            skip(CsvTexts::tr("the radio has channels 1 to %1 only").arg(kChannelCount));
            continue;
        }
        if (rows.contains(channel)) {
            skip(CsvTexts::tr("channel %1 is already taken by an earlier row").arg(channel));
            continue;
        }
        QStringList changes;
        try {
            rows.insert(channel, channelOf(field, hasColumn, changes));
        } catch (const RowSkipped &e) {
            skip(e.why);
            continue;
        }
        for (const QString &change : changes)
            summary.changed << CsvTexts::tr("Location %1: %2").arg(location, change);
    }
    summary.rowsTaken = static_cast<int>(rows.size());
    for (auto it = rows.begin(); it != rows.end(); ++it)
        for (int col = ColRxFreq; col < kChannelColumns; ++col)
            channels.setCellText(col, it.key(), it.value()[col - 1]);
    return summary;
}

QString ChirpExportSummary::text() const
{
    QString s = rowsWritten == 1 ? CsvTexts::tr("1 channel exported.") : CsvTexts::tr("%1 channels exported.").arg(rowsWritten);
    if (!warnings.isEmpty())
        s += QLatin1Char('\n') + warnings.join(QLatin1Char('\n'));
    return s;
}

QByteArray ExportChirpCsv(const ICellTable &channels, ChirpExportSummary *summary)
{
    ChirpExportSummary said;
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
            if (std::fabs(diff) > kCrossBandMHz) { // another band: CHIRP's split, the offset its frequency
                duplex = QStringLiteral("split");
                offset = mhz(cell(ColTxFreq));
            } else {
                if (diff > 0)
                    duplex = QStringLiteral("+");
                else if (diff < 0)
                    duplex = QStringLiteral("-");
                offset = QString::number(std::fabs(diff), 'f', 6);
            }
        }
        // The tones as CHIRP's modes.
        const Tone enc = toneOf(cell(ColToneEnc)), dec = toneOf(cell(ColToneDec));
        for (const Tone &t : {enc, dec})
            if (t.kind == Tone::Ctcss && !ChirpTones().contains(t.value)) {
                said.warnings << CsvTexts::tr("Channel %1: CHIRP has no %2 Hz tone and will not load the row.")
                                         .arg(n)
                                         .arg(t.value);
                break;
            }
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
                                 kMode.chirpOf(cell(ColWideNarrow)),
                                 step,
                                 kSkip.chirpOf(cell(ColScanAdd)),
                                 kPower.chirpOf(cell(ColTxPower)),
                                 QString(), QString(), QString(), QString(), QString()};
        lines << row.join(QLatin1Char(','));
        ++said.rowsWritten;
    }
    if (summary)
        *summary = said;
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

} // namespace lumora
