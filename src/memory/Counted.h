#pragma once
// A number with its noun, singular for one: "1 line", "17 lines".

#include <QString>

namespace lumora {

inline QString Counted(qint64 count, const char *one, const char *many)
{
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? one : many));
}

} // namespace lumora
