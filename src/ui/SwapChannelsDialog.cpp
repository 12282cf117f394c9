#include "ui/SwapChannelsDialog.h"

#include "ui/ToolTexts.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

namespace lumora {

namespace {
struct SwapChannelsDialog {
    Q_DECLARE_TR_FUNCTIONS(SwapChannelsDialog)
};
} // namespace

std::optional<std::pair<int, int>> AskChannelsToSwapInDialog(QWidget *parent, int a, int b, int count)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(ToolTitle());
    auto *form = new QFormLayout(&dialog);
    auto spin = [&](int value) {
        auto *box = new QSpinBox(&dialog);
        box->setRange(1, count);
        box->setValue(value);
        return box;
    };
    QSpinBox *first = spin(a), *second = spin(b);
    form->addRow(SwapChannelsDialog::tr("Swap &channel"), first);
    form->addRow(SwapChannelsDialog::tr("w&ith channel"), second);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(SwapChannelsDialog::tr("&Swap"));
    buttons->button(QDialogButtonBox::Cancel)->setText(SwapChannelsDialog::tr("Cancel"));
    form->addRow(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    first->selectAll();
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return std::make_pair(first->value(), second->value());
}

} // namespace lumora
