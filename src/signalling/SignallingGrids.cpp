#include "signalling/SignallingGrids.h"

#include "ui/TComboCellEditor.h"
#include "ui/TXStringGrid.h"

#include <QCoreApplication>
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
    // A screen reader names the grid by its columns and a row by its
    // number: "NO. 3, Fleet, 100".
    QStringList named;
    for (int c = 1; c < columns.size(); ++c)
        named << columns[c].caption;
    grid->setAccessibleName(named.join(QStringLiteral(", ")));
    grid->RowTitleOf = [grid](int row) {
        return (grid->Cells(0, 0).simplified() + QLatin1Char(' ') + grid->Cells(0, row).simplified()).trimmed();
    };
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

QString ShownLabel(const QString &label)
{
    // The check boxes' labels with their Alt keys, as the windows show them.
    static const char *const withKeys[] = {QT_TRANSLATE_NOOP("Settings", "DTMF &Side Tone"),
                                           QT_TRANSLATE_NOOP("Settings", "Clear To &Transpond"),
                                           QT_TRANSLATE_NOOP("Settings", "PTT ID &Side Tone")};
    Q_UNUSED(withKeys);
    return QCoreApplication::translate("Settings", label.toUtf8().constData());
}

QLabel *AddLabelledRow(QGridLayout *grid, const QString &label, QWidget *control)
{
    const int row = grid->rowCount();
    auto *shown = new QLabel(ShownLabel(label));
    control->setAccessibleName(shown->text()); // what a screen reader calls it
    grid->addWidget(shown, row, 0);
    grid->addWidget(control, row, 1);
    return shown;
}

} // namespace lumora
