#pragma once
// Building blocks of the signalling windows' layouts: their grids, boxes
// and labelled rows.

#include <QString>
#include <QStringList>
#include <QVector>

class QComboBox;
class QGridLayout;
class QLabel;
class QObject;
class QWidget;

namespace lumora {

class TComboCellEditor;
class TXStringGrid;

struct GridColumn {
    QString caption;
    int width;
};

// A grid with one header row and one fixed column, centred cells, rows of
// 20 pixels, exactly as large as its cells. A column is as wide as laid
// out, or as its caption where the font needs more.
TXStringGrid *MakeSignallingGrid(QWidget *parent, const QString &name, const QVector<GridColumn> &columns, int rows);
// A drop-down list editor (only its items can be chosen).
// Widens each list column, and the grid, as far as its longest item needs
// in the column's font ("REMOTE HALO" is never cut).
void FitListColumns(TXStringGrid *grid);
TComboCellEditor *MakeListEditor(QObject *owner, const QString &name, const QStringList &items, const QString &defaultText);
// A drop-down box that takes typed text as well as its items.
QComboBox *MakeTextBox(QWidget *parent, const QString &name, const QStringList &items);
// A setting's label as the windows show it, in the user's language (the
// codecs, the settings files and the messages keep the English one).
QString ShownLabel(const QString &label);
// A label and its control in the next row of a two-column grid layout;
// the label's text is the control's accessible name.
QLabel *AddLabelledRow(QGridLayout *grid, const QString &label, QWidget *control);

} // namespace lumora
