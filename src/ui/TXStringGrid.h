#pragma once
// The text grid of every window: a table of text cells whose row 0 (the
// captions) and column 0 are fixed, with per-column look and editors.
// The cells are the data: codecs read and write them through ICellTable.
// Writing a cell from code fires nothing; only an editor's commit fires
// OnSetEditText.

#include "memory/CellTable.h"
#include "ui/TXStringColumns.h"

#include <QAbstractScrollArea>
#include <QColor>
#include <QPalette>
#include <QStringList>
#include <QVector>
#include <functional>
#include <optional>

namespace lumora {

class TCellEditor;

class TXStringGrid : public QAbstractScrollArea, public ICellTable {
    Q_OBJECT
public:
    enum GridOption {
        goFixedVertLine = 0x01,
        goFixedHorzLine = 0x02,
        goVertLine = 0x04,
        goHorzLine = 0x08,
        goRangeSelect = 0x10,
        goEditing = 0x20,
        goTabs = 0x40,
    };
    // The options of every grid of the tool.
    static constexpr int kStandardOptions =
        goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect | goEditing;

    using TSetEditEvent = std::function<void(TXStringGrid *Sender, int ACol, int ARow, const QString &Value)>;

    explicit TXStringGrid(QWidget *parent = nullptr, int cols = 5, int rows = 5);
    ~TXStringGrid() override;

    int ColCount() const { return cols_; }
    void setColCount(int cols);
    int RowCount() const { return static_cast<int>(cells_.size()); }

    QString Cells(int col, int row) const;
    void setCells(int col, int row, const QString &text);
    QStringList Rows(int row) const; // one row as a list of its cells

    int ColWidths(int col) const;
    void setColWidths(int col, int width);
    int RowHeights(int row) const;
    void setRowHeights(int row, int height);
    int DefaultColWidth = 64;
    int DefaultRowHeight = 24;

    TXStringColumns &Columns() { return columns_; }
    const TXStringColumns &Columns() const { return columns_; }

    int Col() const { return col_; }
    int Row() const { return row_; }
    void setCurrentCell(int col, int row);
    QRect Selection() const; // columns left..right, rows top..bottom

    // Colours: an invalid colour is the palette's (Base for cells, Button
    // for the fixed ones, Highlight for the selection). A colour set for a
    // light palette gives way to the palette's own under a dark one.
    QColor Color;
    QColor FixedColor;
    QColor FixedLineColor;
    QColor GridLineColor;
    QColor SelectedColor;
    QColor SelectedTextColor;
    // What a cell is painted with: its background and a text colour that
    // contrasts with it (at least 4.5 : 1, the WCAG ratio for text).
    struct CellColors {
        QColor background, text;
    };
    CellColors ColorsOf(int col, int row) const;
    // The colour a set colour stands for in the current palette.
    QColor Resolved(const QColor &set, QPalette::ColorRole role) const;
    bool MultiLine = false;
    bool ImmediateEditMode = false;
    int Options = kStandardOptions;
    TSetEditEvent OnSetEditText;
    // The window's judgement of a text typed or pasted into a cell, before
    // the cell changes: what the cell gets, or none to keep its text (the
    // window says why). typed: as given; taken: as the editor took it
    // (none: a list that lacks it).
    std::function<std::optional<QString>(int col, int row, const QString &typed, const std::optional<QString> &taken)>
            OnCheckEditText;
    // A note on a cell (a value kept that the radio does not list): the
    // cell shows a mark in its corner and the note as its tooltip. Empty:
    // none.
    std::function<QString(int col, int row)> CellNote;
    // A warning on a cell (a channel outside the frequency plan): the cell
    // is framed in a warning colour and the warning joins its tooltip.
    std::function<QString(int col, int row)> CellWarning;
    // What a screen reader calls a row (default: its fixed cell's text,
    // "Row 3" where that is empty), and a cell: "Channel 3, RX Freq".
    std::function<QString(int row)> RowTitleOf;
    QString RowTitle(int row) const;
    QString CellTitle(int col, int row) const;
    // The window's rule for typed characters, applied to pasted cells too.
    std::function<QString(const QString &)> TypedTextRule;

    // ICellTable
    int colCount() const override { return ColCount(); }
    int rowCount() const override { return RowCount(); }
    void setRowCount(int rows) override;
    QString cellText(int col, int row) const override { return Cells(col, row); }
    void setCellText(int col, int row, const QString &text) override { setCells(col, row, text); }

    // Editing.
    TCellEditor *ActiveEditor() const { return activeEditor_; }
    int EditCol() const { return editCol_; }
    int EditRow() const { return editRow_; }
    // Commits the edit in progress, if any.
    void commitEdit();
    // Ends the edit in progress, if any, leaving the cell as it was
    // (Escape): nothing is committed and no cell rule runs.
    void cancelEdit();

    // Spreadsheet editing, with no cell being edited (Ctrl+C, Ctrl+V,
    // Delete). Each cell taken is committed as a typed one: its editor's
    // text, the window's rule, then OnSetEditText, in column order per
    // row. Only shown columns with an editor take text.
    QString SelectionText() const;  // the selected cells, tab-separated
    void CopySelection() const;     // to the clipboard
    void PasteText(const QString &text); // from the current cell on
    void ClearSelection();
    void CutSelection(); // copied, then cleared: one step
    void SelectAll();    // every cell but the fixed ones
    // Whole rows, while RowsMovable: a press on a row's fixed cell selects
    // the row (with Shift, the rows up to it), and dragging the selected
    // rows by their fixed cells offers to move them (RowsDragged), a line
    // showing where they would land. The window moves them.
    bool RowsMovable = false;
    void SelectRows(int top, int bottom);
    // Commits text to a cell as if typed there; false where it takes none.
    bool CommitTyped(int col, int row, const QString &text);

    // For the editors.
    bool takePendingChar(QString &text);
    void commitEditText(const QString &text);
    void navigate(int key, Qt::KeyboardModifiers modifiers);
    void editorDestroyed(TCellEditor *editor);
    QRect cellRect(int col, int row) const; // in viewport coordinates; empty if not shown

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return QSize(60, 40); }

signals:
    // A cell was committed, or a paste or clear ended (also by an error).
    void Edited();
    // Ctrl+Z and Ctrl+Shift+Z (or Ctrl+Y) on the grid.
    void UndoRequested();
    void RedoRequested();
    // Rows top to bottom dragged in front of row before (RowCount(): to the end).
    void RowsDragged(int top, int bottom, int before);
    // The context menu asked for over cell (col, row) (col 0: a row's
    // fixed cell; -1, -1: no cell), the selection brought to it first.
    void ContextMenuAt(int col, int row, const QPoint &globalPos);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    bool viewportEvent(QEvent *event) override; // a cell's note as its tooltip

private:
    bool shortcutKey(QKeyEvent *event);
    QVector<int> selectedColumns() const; // shown, left to right
    // Runs each commit; the first error is thrown after the last commit.
    void commitEach(const std::function<void(const std::function<void(int, int, const QString &)> &)> &cells);
    bool startEdit(bool pending, const QString &pendingText);
    bool cellAt(const QPoint &pos, int &col, int &row) const;
    int visibleWidth(int col) const;
    void moveCurrent(int col, int row, bool extend);
    void ensureVisible(int col, int row);
    void updateScrollBars();
    void placeEditor();
    int nextVisibleCol(int from, int step) const;
    void drawCell(QPainter &p, int col, int row, const QRect &r);
    // Rows by their fixed cells (TXStringGridRows.cpp).
    void rowHeaderPressed(int row, Qt::KeyboardModifiers modifiers);
    bool dragRows(const QPoint &pos); // false: no drag of rows under way
    int dropRowAt(const QPoint &pos) const; // the row the dragged rows would land in front of
    void drawRowDrop(QPainter &p) const;
    // Tells a screen reader of the current cell, or of a cell's new text.
    void announceCurrent();
    void announceText(int col, int row);

    int cols_ = 0;
    QVector<QStringList> cells_;
    QVector<int> colWidths_;
    QVector<int> rowHeights_;
    TXStringColumns columns_;
    int col_ = 1, row_ = 1;            // current cell
    int anchorCol_ = 1, anchorRow_ = 1; // other corner of the selection
    int leftCol_ = 1, topRow_ = 1;     // first scrolled cell shown

    TCellEditor *activeEditor_ = nullptr;
    int editCol_ = -1, editRow_ = -1;
    bool hasPending_ = false;
    QString pending_;
    bool committing_ = false;
    bool editEndedByFocus_ = false; // a click elsewhere ended the edit just now
    int rowPressed_ = -1;  // the row whose fixed cell the left button went down on
    QPoint pressAt_;
    int dropBefore_ = -1;  // while rows are dragged: where they would land
};

} // namespace lumora
