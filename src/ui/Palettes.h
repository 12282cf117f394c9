#pragma once
// The palettes the program offers where the desktop sets none: a dark one
// and one of high contrast, beside the light one of the style.

#include <QPalette>
#include <QStringList>
#include <optional>

namespace lumora {

// light, dark, high-contrast
const QStringList &PaletteNames();
// The palette of that name, or none for a name that is none of them.
std::optional<QPalette> NamedPalette(const QString &name);

} // namespace lumora
