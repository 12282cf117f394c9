#include "signalling/SettingsControls.h"

#include "ui/TXStringGrid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace lumora {

SettingsValues ReadSettings(const SettingsControls &controls)
{
    SettingsValues values;
    for (const SettingsControl &c : controls) {
        if (auto *box = qobject_cast<QComboBox *>(c.control))
            values << SettingsValue::ofText(c.key, box->currentText());
        else if (auto *edit = qobject_cast<QLineEdit *>(c.control))
            values << SettingsValue::ofText(c.key, edit->text());
        else if (auto *check = qobject_cast<QCheckBox *>(c.control))
            values << SettingsValue::ofCheck(c.key, check->isChecked());
        else if (auto *grid = qobject_cast<TXStringGrid *>(c.control))
            values << SettingsValue::ofRows(c.key, TableRows(*grid, c.rows));
    }
    return values;
}

void SetBoxText(QComboBox &box, const QString &text)
{
    if (box.isEditable()) {
        box.setEditText(text);
        return;
    }
    if (box.findText(text) < 0)
        box.addItem(text);
    box.setCurrentIndex(box.findText(text));
}

namespace {

void setRows(TXStringGrid &grid, const SettingsControl &c, const QVector<QStringList> &rows)
{
    SetTableRows(grid, rows.mid(0, c.rows));
    if (!c.asTyped || !grid.OnSetEditText)
        return;
    for (int r = 1; r <= c.rows && r <= rows.size(); ++r)
        for (int col = 1; col < grid.ColCount(); ++col)
            grid.OnSetEditText(&grid, col, r, grid.Cells(col, r));
}

} // namespace

void WriteSettings(const SettingsControls &controls, const SettingsValues &values)
{
    for (const SettingsValue &v : values)
        for (const SettingsControl &c : controls) {
            if (c.key != v.key)
                continue;
            if (auto *box = qobject_cast<QComboBox *>(c.control))
                SetBoxText(*box, v.text);
            else if (auto *edit = qobject_cast<QLineEdit *>(c.control))
                edit->setText(v.text);
            else if (auto *check = qobject_cast<QCheckBox *>(c.control))
                check->setChecked(v.checked);
            else if (auto *grid = qobject_cast<TXStringGrid *>(c.control))
                setRows(*grid, c, v.rows);
        }
}

} // namespace lumora
