#include "signalling/SignallingGrids.h"

#include "ui/TComboCellEditor.h"
#include "ui/TXStringGrid.h"

#include <QComboBox>
#include <algorithm>
#include <QGridLayout>
#include <QLabel>

namespace lumora {

TXStringGrid *MakeSignallingGrid(QWidget *parent, const QString &name, const QVector<GridColumn> &columns, int rows)
{
    auto *grid = new TXStringGrid(parent, static_cast<int>(columns.size()), rows);
    grid->setObjectName(name);
    grid->ImmediateEditMode = true; // the key that opens an editor is its first character
    for (int c = 0; c < columns.size(); ++c) {
        TXStringColumnItem &column = grid->Columns()[c];
        column.setCaption(columns[c].caption);
        // The laid-out width, or the caption's where this font needs more.
        column.setWidth(std::max(columns[c].width, column.WidthFor({})));
        column.setAlignment(Qt::AlignCenter);
        column.setHeaderAlignment(Qt::AlignCenter);
    }
    for (int r = 0; r < rows; ++r)
        grid->setRowHeights(r, 20);
    grid->setFixedSize(grid->sizeHint());
    return grid;
}

void FitListColumns(TXStringGrid *grid)
{
    bool widened = false;
    for (int c = 0; c < grid->ColCount(); ++c) {
        auto *list = dynamic_cast<TComboCellEditor *>(grid->Columns()[c].Editor());
        if (!list || grid->ColWidths(c) < 0)
            continue;
        const int needed = grid->Columns()[c].WidthFor(list->Items);
        if (needed > grid->ColWidths(c)) {
            grid->setColWidths(c, needed);
            widened = true;
        }
    }
    if (widened)
        grid->setFixedSize(grid->sizeHint());
}

TComboCellEditor *MakeListEditor(QObject *owner, const QString &name, const QStringList &items, const QString &defaultText)
{
    auto *editor = new TComboCellEditor(owner);
    editor->setObjectName(name);
    editor->Items = items;
    editor->DefaultText = defaultText;
    editor->Style = TComboCellEditor::csDropDownList;
    return editor;
}

QComboBox *MakeTextBox(QWidget *parent, const QString &name, const QStringList &items)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    box->addItems(items);
    box->setMinimumWidth(110);
    return box;
}

void AddLabelledRow(QGridLayout *grid, const QString &label, QWidget *control)
{
    const int row = grid->rowCount();
    grid->addWidget(new QLabel(label), row, 0);
    grid->addWidget(control, row, 1);
}

} // namespace lumora
