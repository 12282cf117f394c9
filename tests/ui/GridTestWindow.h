#pragma once
// A plain window for the grid tests: a grid of 5 columns (free text,
// drop-down list, editable drop-down, and a column without editor), a
// label and a box beside it, and every commit the grid reports.

#include "KeyboardSupport.h"

#include "ui/TComboCellEditor.h"
#include "ui/TEditCellEditor.h"
#include "ui/TXStringGrid.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QtTest>
#include <vector>

namespace lumora::test {

struct Commit {
    int col, row;
    QString text;
    int currentCol, currentRow; // the grid's current cell while the event ran
};

class GridTestWindow : public QWidget {
public:
    TXStringGrid *grid;
    QLabel *label;
    QLineEdit *other;
    TEditCellEditor *edit;
    TComboCellEditor *list;
    TComboCellEditor *dropDown;
    std::vector<Commit> commits;

    explicit GridTestWindow(int rows = 5)
    {
        auto *layout = new QVBoxLayout(this);
        grid = new TXStringGrid(this, 5, rows);
        grid->setObjectName("xg");
        label = new QLabel("a label", this);
        other = new QLineEdit(this);
        layout->addWidget(grid);
        layout->addWidget(label);
        layout->addWidget(other);
        edit = new TEditCellEditor(this);
        edit->setObjectName("EditCellEditor1");
        list = new TComboCellEditor(this);
        list->setObjectName("ComboCellEditor2");
        list->Style = TComboCellEditor::csDropDownList;
        list->Items = {"HIGH", "LOW"};
        list->DefaultText = "HIGH";
        dropDown = new TComboCellEditor(this);
        dropDown->setObjectName("ComboCellEditor1");
        dropDown->Items = {"NONE", "67.0", "023N"};
        dropDown->DefaultText = "NONE";
        grid->Columns()[1].setEditor(edit);
        grid->Columns()[2].setEditor(list);
        grid->Columns()[3].setEditor(dropDown);
        // column 4 has no editor
        grid->OnSetEditText = [this](TXStringGrid *g, int c, int r, const QString &t) {
            commits.push_back({c, r, t, g->Col(), g->Row()});
        };
        resize(500, 300);
    }
    // An edit still open commits when the focus goes with the window:
    // nothing of this window may hear of it by then.
    ~GridTestWindow() override { grid->OnSetEditText = nullptr; }

    // Shown, active, the grid focused.
    bool showWithGridFocused()
    {
        show();
        QApplication::setActiveWindow(this);
        if (!QTest::qWaitForWindowActive(this))
            return false;
        grid->setFocus();
        return QTest::qWaitFor([this] { return grid->hasFocus(); });
    }
};

} // namespace lumora::test
