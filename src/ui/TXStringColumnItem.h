#pragma once
// One column of a TXStringGrid: its caption (the text of its row-0 cell),
// width, header and cell look, and its editor.

#include <QColor>
#include <QFont>
#include <QString>

namespace lumora {

class TXStringGrid;
class TCellEditor;

class TXStringColumnItem {
public:
    TXStringColumnItem(TXStringGrid *grid, int index);
    ~TXStringColumnItem();
    TXStringColumnItem(const TXStringColumnItem &) = delete;
    TXStringColumnItem &operator=(const TXStringColumnItem &) = delete;

    int Index() const { return index_; }

    QString Caption() const;
    void setCaption(const QString &caption);
    int Width() const;
    void setWidth(int width); // -1 hides the column; its cells keep their data
    // The width the caption and each of texts need in this column's fonts,
    // with the cell's inner margin.
    int WidthFor(const QStringList &texts) const;

    QColor HeaderColor() const { return headerColor_; }
    void setHeaderColor(const QColor &c);
    QFont HeaderFont() const { return headerFont_; }
    Qt::Alignment HeaderAlignment() const { return headerAlignment_; }
    void setHeaderAlignment(Qt::Alignment a);
    QColor Color() const { return color_; }
    void setColor(const QColor &c);
    QFont Font() const { return font_; }
    void setFont(const QFont &f);
    Qt::Alignment Alignment() const { return alignment_; }
    void setAlignment(Qt::Alignment a);

    TCellEditor *Editor() const { return editor_; }
    // Attaches the new editor to the grid and detaches the old one.
    void setEditor(TCellEditor *editor);
    bool EditorInheritsCellProps = false;

private:
    friend class TXStringGrid;
    void repaint();

    TXStringGrid *grid_;
    int index_;
    QColor headerColor_;
    QFont headerFont_;
    Qt::Alignment headerAlignment_ = Qt::AlignLeft;
    QColor color_;
    QFont font_;
    Qt::Alignment alignment_ = Qt::AlignLeft;
    TCellEditor *editor_ = nullptr;
};

} // namespace lumora
