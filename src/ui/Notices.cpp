#include "ui/Notices.h"

#include <QFile>

namespace lumora {

QString ThirdPartyNotices()
{
    QFile file(QStringLiteral(":/notices/third-party-notices.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return QString(); // a build without them would be caught by its tests
    return QString::fromUtf8(file.readAll());
}

} // namespace lumora
