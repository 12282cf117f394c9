#include "ui/TPortBox.h"

#include "serial/PortList.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPainter>
#include <QFontMetrics>
#include <QStyledItemDelegate>

namespace lumora {

namespace {

constexpr int kDescriptionRole = Qt::UserRole + 1;

constexpr int kGap = 24;

// The popup's rows: the name, then the description, dimmed, in a column
// of its own.
class PortItemDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    int descriptionColumn = 0; // from the row's left edge

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem o(option);
        initStyleOption(&o, index);
        const QString name = o.text;
        o.text.clear();
        QStyle *style = o.widget ? o.widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &o, painter, o.widget);
        const bool selected = o.state & QStyle::State_Selected;
        const QRect r = o.rect.adjusted(4, 0, -4, 0);
        painter->save();
        painter->setFont(o.font);
        painter->setPen(o.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(r, Qt::AlignVCenter | Qt::AlignLeft, name);
        const QString description = index.data(kDescriptionRole).toString();
        if (!description.isEmpty()) {
            if (!selected)
                painter->setPen(o.palette.color(QPalette::PlaceholderText));
            painter->drawText(r.adjusted(descriptionColumn, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, description);
        }
        painter->restore();
    }
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        const QString description = index.data(kDescriptionRole).toString();
        if (!description.isEmpty())
            size.setWidth(descriptionColumn + option.fontMetrics.horizontalAdvance(description) + 12);
        return size;
    }
};

} // namespace

TPortBox::TPortBox(QWidget *parent) : QComboBox(parent)
{
    setItemDelegate(new PortItemDelegate(this));
}

namespace {
PortItemDelegate *delegateOf(QComboBox *box) { return static_cast<PortItemDelegate *>(box->itemDelegate()); }
} // namespace

void TPortBox::RefreshPorts()
{
    const QString text = currentText();
    const QSignalBlocker quiet(this);
    clear();
    const QFontMetrics metrics(view()->font());
    const QVector<SerialPortEntry> ports = ListSerialPortEntries();
    int nameWidth = 0, descriptionWidth = 0;
    for (const SerialPortEntry &port : ports) {
        nameWidth = qMax(nameWidth, metrics.horizontalAdvance(port.name));
        descriptionWidth = qMax(descriptionWidth, metrics.horizontalAdvance(port.description));
    }
    delegateOf(this)->descriptionColumn = nameWidth + kGap;
    for (const SerialPortEntry &port : ports) {
        addItem(port.name);
        setItemData(count() - 1, port.description, kDescriptionRole);
        setItemData(count() - 1, port.description, Qt::ToolTipRole);
    }
    setCurrentIndex(findText(text));
    setEditText(text);
    view()->setMinimumWidth(qMax(width(), nameWidth + kGap + descriptionWidth + 40));
}

void TPortBox::showPopup()
{
    RefreshPorts();
    QComboBox::showPopup();
}

} // namespace lumora
