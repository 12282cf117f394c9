#include "ui/TXStringColumnItem.h"

#include "ui/TCellEditor.h"
#include "ui/TXStringGrid.h"

#include <QFontMetrics>
#include <algorithm>

namespace lumora {

TXStringColumnItem::TXStringColumnItem(TXStringGrid *grid, int index)
    : grid_(grid), index_(index), headerColor_(grid->FixedColor), headerFont_(grid->font()),
      color_(grid->Color), font_(grid->font())
{
}

int TXStringColumnItem::WidthFor(const QStringList &texts) const
{
    int width = QFontMetrics(headerFont_).horizontalAdvance(Caption());
    const QFontMetrics cells(font_);
    for (const QString &text : texts)
        width = std::max(width, cells.horizontalAdvance(text));
    return width + 8; // the cell draws 2 pixels in; a little air beside
}

TXStringColumnItem::~TXStringColumnItem()
{
    if (editor_)
        editor_->Detach();
}

QString TXStringColumnItem::Caption() const { return grid_->Cells(index_, 0); }

void TXStringColumnItem::setCaption(const QString &caption) { grid_->setCells(index_, 0, caption); }

int TXStringColumnItem::Width() const { return grid_->ColWidths(index_); }

void TXStringColumnItem::setWidth(int width) { grid_->setColWidths(index_, width); }

void TXStringColumnItem::repaint() { grid_->viewport()->update(); }

void TXStringColumnItem::setHeaderColor(const QColor &c)
{
    headerColor_ = c;
    repaint();
}

void TXStringColumnItem::setHeaderAlignment(Qt::Alignment a)
{
    headerAlignment_ = a;
    repaint();
}

void TXStringColumnItem::setColor(const QColor &c)
{
    color_ = c;
    repaint();
}

void TXStringColumnItem::setFont(const QFont &f)
{
    font_ = f;
    repaint();
}

void TXStringColumnItem::setAlignment(Qt::Alignment a)
{
    alignment_ = a;
    repaint();
}

void TXStringColumnItem::setEditor(TCellEditor *editor)
{
    if (editor == editor_)
        return;
    if (editor)
        editor->Attach(grid_); // may throw: the column keeps its editor
    if (editor_)
        editor_->Detach();
    editor_ = editor;
}

} // namespace lumora
