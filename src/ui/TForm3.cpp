#include "ui/TForm3.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace lumora {

TForm3::TForm3() : QDialog(nullptr)
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setFixedSize(441, 96);
    // Only the main window's close ends the application.
    setAttribute(Qt::WA_QuitOnClose, false);
    Label1 = new QLabel(this);
    Label1->setGeometry(10, 1, 423, 17);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setGeometry(10, 19, 423, 30);
    ProgressBar1->setTextVisible(false);
    Button1 = new QPushButton(QStringLiteral("Retry"), this);
    Button1->setGeometry(56, 59, 100, 30);
    Button2 = new QPushButton(QStringLiteral("Cancel"), this);
    Button2->setGeometry(240, 59, 100, 30);
    // Enter in the dialog presses nothing: Retry starts the transfer over.
    for (QPushButton *b : {Button1, Button2}) {
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
    Label1->setText(otherBlocks ? QStringLiteral("The radio has not answered what was asked for %1 s: it answers with "
                                                 "blocks that were not asked for. Cancel stops the %2.")
                                          .arg(seconds)
                                          .arg(transfer)
                                : QStringLiteral("The radio has not answered for %1 s. Cancel stops the %2.")
                                          .arg(seconds)
                                          .arg(transfer));
}

} // namespace lumora
