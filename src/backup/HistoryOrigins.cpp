#include "backup/RadioHistory.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace lumora {

namespace {
struct HistoryOrigins {
    Q_DECLARE_TR_FUNCTIONS(HistoryOrigins)
};
} // namespace

QString ShownOrigin(const QString &origin)
{
    if (origin.startsWith(QLatin1String("before ")))
        return HistoryOrigins::tr("before %1").arg(ShownOrigin(origin.mid(7)));
    // Kept in English in the snapshots; shown in the user's language.
    static const char *const fixed[] = {
            QT_TRANSLATE_NOOP("HistoryOrigins", "read"),
            QT_TRANSLATE_NOOP("HistoryOrigins", "verify"),
            QT_TRANSLATE_NOOP("HistoryOrigins", "read back after write"),
            QT_TRANSLATE_NOOP("HistoryOrigins", "backup"),
            QT_TRANSLATE_NOOP("HistoryOrigins", "diff"),
            QT_TRANSLATE_NOOP("HistoryOrigins", "undo of the last write")};
    for (const char *text : fixed)
        if (origin == QLatin1String(text))
            return HistoryOrigins::tr(text);
    // The ones that name a file, a snapshot or a radio.
    const struct {
        const char *pattern;
        QString (*text)(const QString &);
    } named[] = {
        {"^restore of the snapshot (.+)$", [](const QString &x) { return HistoryOrigins::tr("restore of the snapshot %1").arg(x); }},
        {"^restore of (.+)$", [](const QString &x) { return HistoryOrigins::tr("restore of %1").arg(x); }},
        {"^fleet run, radio (.+)$", [](const QString &x) { return HistoryOrigins::tr("fleet run, radio %1").arg(x); }},
        {"^diff with (.+)$", [](const QString &x) { return HistoryOrigins::tr("diff with %1").arg(x); }},
    };
    for (const auto &n : named) {
        const QRegularExpressionMatch m = QRegularExpression(QLatin1String(n.pattern)).match(origin);
        if (m.hasMatch())
            return n.text(m.captured(1));
    }
    return origin; // one this version does not know: as it was kept
}

} // namespace lumora
