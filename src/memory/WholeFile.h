#pragma once
// Saving a file whole or not at all: through a temporary file that
// replaces the old one only when every byte has been written.

#include <QByteArray>
#include <QString>

namespace lumora {

// Throws EFCreateError "Cannot create file "%s". %s", the old file intact.
void SaveWholeFile(const QString &fileName, const QByteArray &bytes);

} // namespace lumora
