#include "backup/ChannelCard.h"

#include "backup/RadioHistory.h"
#include "memory/ChannelColumns.h"
#include "memory/OptionSettings.h"
#include "protocol/AreaNames.h"

#include <QCoreApplication>

namespace lumora {

namespace {
// The context these messages are translated in.
struct CardTexts {
    Q_DECLARE_TR_FUNCTIONS(CardTexts)
};
} // namespace

namespace {

// Black on white, grey headings: as readable from a laser printer as on a
// screen. A page breaks between rows, and the heading row comes again on
// the next page.
const char *const kStyle = "body { font-size: 8pt; color: #000; }"
                           "h1 { font-size: 13pt; margin-bottom: 2px; }"
                           "h2 { font-size: 10pt; margin-top: 10px; margin-bottom: 3px; }"
                           "table { border-collapse: collapse; }"
                           "th { background-color: #d8d8d8; font-weight: bold; }"
                           "th, td { border: 1px solid #000; padding: 2px 3px; }";

QString escaped(const QString &text) { return text.toHtmlEscaped(); }

QString page(const QString &title, const QString &body)
{
    return QStringLiteral("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>%1</title><style>%2</style>"
                          "</head><body>\n%3</body></html>\n")
            .arg(escaped(title), QString::fromLatin1(kStyle), body);
}

QString table(const QStringList &headings, const QVector<QStringList> &rows, bool wide = true)
{
    QString html = QStringLiteral("<table%1 cellspacing=\"0\" cellpadding=\"2\" border=\"1\"><thead><tr>")
                           .arg(wide ? QStringLiteral(" width=\"100%\"") : QString());
    for (const QString &h : headings)
        html += QStringLiteral("<th>%1</th>").arg(escaped(h));
    html += QStringLiteral("</tr></thead><tbody>\n");
    for (const QStringList &row : rows) {
        html += QStringLiteral("<tr>");
        for (const QString &cell : row)
            html += QStringLiteral("<td>%1</td>").arg(cell.isEmpty() ? QStringLiteral("&nbsp;") : escaped(cell));
        html += QStringLiteral("</tr>\n");
    }
    return html + QStringLiteral("</tbody></table>\n");
}

QString textOf(const AreaSettings &areas, const QString &area, const QString &key)
{
    for (const auto &a : areas)
        if (a.first == area)
            if (const SettingsValue *v = FindSetting(a.second, key))
                return v->text;
    return {};
}

QString madeText(const QDateTime &made) { return made.toString(QStringLiteral("yyyy-MM-dd HH:mm")); }

} // namespace

QString SignallingSummary(const SettingsValues &values)
{
    QStringList parts;
    for (const SettingsValue &v : values) {
        switch (v.kind) {
        case SettingsValue::Text:
            parts << QStringLiteral("%1 %2").arg(v.key, v.text.isEmpty() ? CardTexts::tr("(none)") : v.text);
            break;
        case SettingsValue::Check:
            parts << QStringLiteral("%1 %2").arg(v.key, v.checked ? CardTexts::tr("on") : CardTexts::tr("off"));
            break;
        case SettingsValue::Rows: {
            int set = 0;
            for (const QStringList &row : v.rows)
                set += std::any_of(row.begin(), row.end(), [](const QString &c) { return !c.trimmed().isEmpty(); }) ? 1 : 0;
            parts << CardTexts::tr("%1: %2 of %3 set").arg(v.key).arg(set).arg(v.rows.size());
            break;
        }
        }
    }
    return parts.join(QStringLiteral("; "));
}

QString ChannelCardHtml(const ChannelCard &card)
{
    QString body = QStringLiteral("<h1>%1</h1>\n<p>").arg(escaped(card.source))
                   + CardTexts::tr("Channel card of %1, made %2 by %3")
                             .arg(escaped(card.source), madeText(card.made), QStringLiteral("LUMORA"));
    if (!card.signalling.isEmpty()) {
        const FleetIdentity identity{textOf(card.signalling, area::FleetSync, QStringLiteral("Fleet[Own]")),
                                     textOf(card.signalling, area::FleetSync, QStringLiteral("ID[Own]")),
                                     textOf(card.signalling, area::Dtmf, QStringLiteral("ID Code"))};
        body += QStringLiteral("<br>") + CardTexts::tr("Radio: <b>%1</b>").arg(escaped(SnapshotInfo::RadioTextOf(identity, QString())));
    }
    body += QStringLiteral("</p>\n");

    // Every channel in use, with every field, under its number.
    QVector<QStringList> rows;
    if (const SettingsValue *channels = FindSetting(card.main, QStringLiteral("Channels")))
        for (int n = 0; n < channels->rows.size(); ++n)
            if (!IsEmptyField(channels->rows[n].value(0)))
                rows << (QStringList{QString::number(n + 1)} + channels->rows[n]);
    body += QStringLiteral("<h2>%1</h2>\n").arg(CardTexts::tr("Channels in use: %1").arg(rows.size()));
    body += rows.isEmpty() ? QStringLiteral("<p>%1</p>\n").arg(CardTexts::tr("None.")) : table(ChannelCaptions(), rows);

    // The options, four to a row.
    QVector<QStringList> options;
    QStringList line;
    for (const SettingsValue &v : card.main) {
        if (v.kind != SettingsValue::Text)
            continue;
        line << v.key << v.text;
        if (line.size() == 8) {
            options << line;
            line.clear();
        }
    }
    if (!line.isEmpty()) {
        while (line.size() < 8)
            line << QString();
        options << line;
    }
    const QString option = CardTexts::tr("Option"), value = CardTexts::tr("Value");
    body += QStringLiteral("<h2>%1</h2>\n").arg(CardTexts::tr("Options"))
            + table({option, value, option, value, option, value, option, value}, options, false);

    if (!card.signalling.isEmpty()) {
        body += QStringLiteral("<h2>%1</h2>\n").arg(CardTexts::tr("Signalling"));
        for (const auto &a : card.signalling)
            body += QStringLiteral("<p><b>%1:</b> %2</p>\n").arg(escaped(area::Title(a.first)), escaped(SignallingSummary(a.second)));
    }
    return page(CardTexts::tr("Channel card: %1").arg(card.source), body);
}

QString FleetRosterHtml(const QVector<FleetLogRow> &rows, const QString &source, const QDateTime &made)
{
    QVector<QStringList> cells;
    int ok = 0;
    for (const FleetLogRow &row : rows) {
        ok += row.ok ? 1 : 0;
        cells << QStringList{QString::number(row.radio), row.identity.fleet, row.identity.id, row.identity.dtmfId,
                             row.result, row.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                             row.port};
    }
    const QString body =
            QStringLiteral("<h1>%1</h1>\n<p>%2</p>\n")
                    .arg(CardTexts::tr("Fleet roster: %1").arg(escaped(source)),
                         (rows.size() == 1 ? CardTexts::tr("1 radio, %1 programmed and verified; made %2 by LUMORA").arg(ok)
                                           : CardTexts::tr("%1 radios, %2 programmed and verified; made %3 by LUMORA")
                                                     .arg(rows.size())
                                                     .arg(ok))
                                 .arg(madeText(made)))
            + table({CardTexts::tr("Radio"), QStringLiteral("Fleet"), QStringLiteral("ID"), QStringLiteral("DTMF ID"),
                     CardTexts::tr("Result"), CardTexts::tr("Time"), CardTexts::tr("Port")},
                    cells);
    return page(CardTexts::tr("Fleet roster: %1").arg(source), body);
}

} // namespace lumora
