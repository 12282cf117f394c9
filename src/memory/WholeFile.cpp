#include "memory/WholeFile.h"

#include "memory/Errors.h"

#include <QCoreApplication>
#include <QSaveFile>

namespace lumora {

namespace {
// The context these messages are translated in.
struct FileTexts {
    Q_DECLARE_TR_FUNCTIONS(FileTexts)
};
} // namespace

void SaveWholeFile(const QString &fileName, const QByteArray &bytes)
{
    // Unbuffered, so that a write cut short (a full disk) shows in what
    // write() returns: Qt's buffered flush takes a short write for a whole
    // one, and the commit would replace the old file with a truncated one.
    QSaveFile file(fileName);
    auto fail = [&](const QString &why) {
        file.cancelWriting();
        throw EFCreateError(FileTexts::tr("Cannot create file \"%1\". %2").arg(fileName, why));
    };
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        fail(file.errorString());
    const qint64 written = file.write(bytes);
    if (written < 0)
        fail(file.errorString());
    if (written != bytes.size())
        fail((bytes.size() == 1 ? FileTexts::tr("Only %1 of its 1 byte could be written: the disk may be full.")
                                : FileTexts::tr("Only %1 of its %2 bytes could be written: the disk may be full.")
                                          .arg(QString::number(bytes.size())))
                     .arg(written));
    if (!file.commit())
        throw EFCreateError(FileTexts::tr("Cannot create file \"%1\". %2").arg(fileName, file.errorString()));
}

} // namespace lumora
