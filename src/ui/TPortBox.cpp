#include "ui/TPortBox.h"

#include "serial/PortList.h"

#include <QAbstractItemView>
#include <QFontMetrics>
#include <QStyledItemDelegate>

namespace lumora {

namespace {

constexpr int kDescriptionRole = Qt::UserRole + 1;

// The popup's rows: the name, then the description in the row's text.
class PortItemDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        const QString description = index.data(kDescriptionRole).toString();
        if (!description.isEmpty())
            option->text += QStringLiteral("   ") + description;
    }
};

} // namespace

TPortBox::TPortBox(QWidget *parent) : QComboBox(parent)
{
    setItemDelegate(new PortItemDelegate(this));
}

void TPortBox::RefreshPorts()
{
    const QString text = currentText();
    const QSignalBlocker quiet(this);
    clear();
    int widest = width();
    const QFontMetrics metrics(view()->font());
    for (const SerialPortEntry &port : ListSerialPortEntries()) {
        addItem(port.name);
        setItemData(count() - 1, port.description, kDescriptionRole);
        setItemData(count() - 1, port.description, Qt::ToolTipRole);
        widest = qMax(widest, metrics.horizontalAdvance(port.name + QStringLiteral("   ") + port.description) + 40);
    }
    setCurrentIndex(findText(text));
    setEditText(text);
    view()->setMinimumWidth(widest);
}

void TPortBox::showPopup()
{
    RefreshPorts();
    QComboBox::showPopup();
}

} // namespace lumora
