#include "ui/TForm3.h"

#include <QProgressBar>
#include <QPushButton>

namespace lumora {

TForm3::TForm3() : QDialog(nullptr)
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setFixedSize(441, 96);
    // Only the main window's close ends the application.
    setAttribute(Qt::WA_QuitOnClose, false);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setGeometry(10, 19, 423, 30);
    ProgressBar1->setTextVisible(false);
    Button1 = new QPushButton(QStringLiteral("Retry"), this);
    Button1->setGeometry(56, 59, 100, 30);
    Button2 = new QPushButton(QStringLiteral("Cancel"), this);
    Button2->setGeometry(240, 59, 100, 30);
    connect(Button1, &QPushButton::clicked, this, &TForm3::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm3::Button2Click);
}

void TForm3::Step()
{
    ProgressBar1->setValue(qMin(ProgressBar1->value() + 1, ProgressBar1->maximum()));
}

} // namespace lumora
