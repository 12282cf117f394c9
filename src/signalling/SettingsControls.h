#pragma once
// A window's settings as one table: a row per control, with the key its
// settings file uses. Boxes and edits give their texts, check boxes their
// state, grids their data rows; every window reads and fills its controls
// through the same two functions.

#include "signalling/SettingsFile.h"

#include <QVector>

class QComboBox;
class QWidget;

namespace lumora {

struct SettingsControl {
    QString key;
    QWidget *control; // a QComboBox, QLineEdit, QCheckBox or TXStringGrid
    int rows = 0;     // a grid: rows 1 to rows, columns 1 onward
    // A grid's cells are put in as if typed: the grid's own rules run.
    bool asTyped = false;
};
using SettingsControls = QVector<SettingsControl>;

SettingsValues ReadSettings(const SettingsControls &controls);
// Each value into the control of its key; other keys are passed over. A
// list box that does not offer a text takes it as an item of its own.
void WriteSettings(const SettingsControls &controls, const SettingsValues &values);
// A box's text as typed; a list box that does not offer it takes it as an
// item of its own, so that it shows what the radio has.
void SetBoxText(QComboBox &box, const QString &text);

} // namespace lumora
