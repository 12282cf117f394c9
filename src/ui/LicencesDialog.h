#pragma once
// "Licences...": the third-party notices in a window of their own, to read,
// scroll and search with the keyboard.

class QWidget;

namespace lumora {

void ShowLicences(QWidget *parent);

} // namespace lumora
