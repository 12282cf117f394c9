// The grid's colours: the palette's, or those set where they read, and a
// text colour that always contrasts with its cell.

#include "ui/TXStringGrid.h"

#include <cmath>

namespace lumora {

namespace {

double luminance(const QColor &c)
{
    auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(const QColor &a, const QColor &b)
{
    const double x = luminance(a), y = luminance(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

} // namespace

QColor TXStringGrid::Resolved(const QColor &set, QPalette::ColorRole role) const
{
    const QPalette &pal = palette();
    const bool darkPalette = pal.color(QPalette::Base).lightness() < pal.color(QPalette::Text).lightness();
    if (!set.isValid() || (darkPalette && set.lightness() > 128))
        return pal.color(role);
    return set;
}

TXStringGrid::CellColors TXStringGrid::ColorsOf(int col, int row) const
{
    const bool fixed = col == 0 || row == 0;
    const TXStringColumnItem &column = columns_[col];
    CellColors c;
    if (row == 0)
        c.background = Resolved(column.HeaderColor(), QPalette::Button);
    else if (col == 0)
        c.background = Resolved(FixedColor, QPalette::Button);
    else
        c.background = Resolved(column.Color(), QPalette::Base);
    c.text = palette().color(fixed ? QPalette::ButtonText : QPalette::Text);
    const bool current = !fixed && col == col_ && row == row_;
    if (!fixed && Selection().contains(col, row) && !current) {
        c.background = Resolved(SelectedColor, QPalette::Highlight);
        c.text = Resolved(SelectedTextColor, QPalette::HighlightedText);
    }
    // A colour set for another palette must not hide the text.
    if (contrast(c.text, c.background) < 4.5)
        c.text = contrast(Qt::black, c.background) >= contrast(Qt::white, c.background) ? QColor(Qt::black)
                                                                                         : QColor(Qt::white);
    return c;
}

} // namespace lumora
