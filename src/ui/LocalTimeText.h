#pragma once
// The status bar's clock: the local time in the locale's own long format
// (its order, separators and AM/PM), without the time zone.

#include <QLocale>
#include <QString>
#include <QTime>

namespace lumora {

// A time format with its time-zone fields ("t" runs outside quotes) taken out.
QString TimeFormatWithoutZone(const QString &format);
QString LocalTimeText(const QLocale &locale, const QTime &time);

} // namespace lumora
