#include "ui/TForm3.h"

#include "ui/ScreenFit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumora {

TForm3::TForm3() : QDialog(nullptr)
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    // Only the main window's close ends the application.
    setAttribute(Qt::WA_QuitOnClose, false);
    Label1 = new QLabel(this);
    Label1->setFixedHeight(17);
    Label1->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed); // a long text never widens the dialog
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setFixedHeight(30);
    ProgressBar1->setTextVisible(false);
    Button1 = new QPushButton(tr("&Retry"), this);
    Button2 = new QPushButton(tr("&Cancel"), this);
    // The text and the bar across, the buttons below them at a third and
    // past the middle, as wide as ever whatever the dialog's width.
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 1, 8, 7);
    layout->setSpacing(1);
    layout->addWidget(Label1);
    layout->addWidget(ProgressBar1);
    layout->addSpacing(9);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(46);
    buttons->addWidget(Button1);
    buttons->addStretch(84);
    buttons->addWidget(Button2);
    buttons->addStretch(93);
    layout->addLayout(buttons);
    // Frameless, it is never resized by hand: the layout places, the size is set.
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    resize(441, 96);
    FitToScreenOnShow(this);
    // Enter in the dialog presses nothing: Retry starts the transfer over.
    for (QPushButton *b : {Button1, Button2}) {
        b->setFixedSize(100, 30);
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    connect(Button1, &QPushButton::clicked, this, &TForm3::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm3::Button2Click);
}

void TForm3::Step()
{
    ProgressBar1->setValue(qMin(ProgressBar1->value() + 1, ProgressBar1->maximum()));
}

void TForm3::ShowStep(const QString &text) { Label1->setText(text); }

void TForm3::ShowSilence(int seconds, const QString &transfer, bool otherBlocks)
{
    Label1->setText(otherBlocks ? tr("The radio has not answered what was asked for %1 s: it answers with "
                                                 "blocks that were not asked for. Cancel stops the %2.")
                                          .arg(seconds)
                                          .arg(transfer)
                                : tr("The radio has not answered for %1 s. Cancel stops the %2.")
                                          .arg(seconds)
                                          .arg(transfer));
}

} // namespace lumora
