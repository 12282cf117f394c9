#include "memory/WholeFile.h"

#include "memory/Counted.h"
#include "memory/Errors.h"

#include <QSaveFile>

namespace lumora {

void SaveWholeFile(const QString &fileName, const QByteArray &bytes)
{
    // Unbuffered, so that a write cut short (a full disk) shows in what
    // write() returns: Qt's buffered flush takes a short write for a whole
    // one, and the commit would replace the old file with a truncated one.
    QSaveFile file(fileName);
    auto fail = [&](const QString &why) {
        file.cancelWriting();
        throw EFCreateError(QStringLiteral("Cannot create file \"%1\". %2").arg(fileName, why));
    };
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        fail(file.errorString());
    const qint64 written = file.write(bytes);
    if (written < 0)
        fail(file.errorString());
    if (written != bytes.size())
        fail(QStringLiteral("Only %1 of its %2 could be written: the disk may be full.")
                     .arg(written)
                     .arg(Counted(bytes.size(), "byte", "bytes")));
    if (!file.commit())
        throw EFCreateError(QStringLiteral("Cannot create file \"%1\". %2").arg(fileName, file.errorString()));
}

} // namespace lumora
