#include "ui/LocalTimeText.h"

namespace lumora {

QString TimeFormatWithoutZone(const QString &format)
{
    QString out;
    bool quoted = false;
    for (int i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        if (!quoted && c == QLatin1Char('t'))
            continue;
        out += c;
    }
    // The blank that set the zone apart goes with it.
    while (out.contains(QLatin1String("  ")))
        out.replace(QLatin1String("  "), QLatin1String(" "));
    return out.trimmed();
}

QString LocalTimeText(const QLocale &locale, const QTime &time)
{
    return locale.toString(time, TimeFormatWithoutZone(locale.timeFormat(QLocale::LongFormat)));
}

} // namespace lumora
