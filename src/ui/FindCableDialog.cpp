#include "ui/FindCableDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace lumora {

FindCableDialog::FindCableDialog(CableFinder::Lister lister, std::function<QStringList()> traps, QWidget *parent,
                                 int limitMs, int everyMs)
    : QDialog(parent), Finder(std::move(lister))
{
    setWindowTitle(tr("Find cable"));
    auto *layout = new QVBoxLayout(this);
    auto *ask = new QLabel(tr("Unplug the cable, then plug it in again."), this);
    QFont bold = ask->font();
    bold.setBold(true);
    ask->setFont(bold);
    layout->addWidget(ask);
    Seen = new QLabel(this);
    Seen->setWordWrap(true);
    layout->addWidget(Seen);
    time_ = new QProgressBar(this);
    time_->setRange(0, limitMs / 1000);
    time_->setValue(limitMs / 1000);
    time_->setFormat(tr("%v s left"));
    time_->setAccessibleName(tr("Time left"));
    layout->addWidget(time_);
    Result = new QLabel(this);
    Result->setWordWrap(true);
    Result->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    layout->addWidget(Result);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    UsePort = buttons->addButton(tr("&Use this port"), QDialogButtonBox::AcceptRole);
    UsePort->setEnabled(false);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    setMinimumWidth(420);

    auto *tick = new QTimer(this);
    connect(tick, &QTimer::timeout, this, [this] { time_->setValue(Finder.SecondsLeft()); });
    tick->start(500);
    connect(&Finder, &CableFinder::Saw, this, [this](const QString &line) {
        Seen->setText(Seen->text().isEmpty() ? line : Seen->text() + QLatin1Char('\n') + line);
    });
    connect(&Finder, &CableFinder::Found, this, [this, tick](const SerialPortEntry &port) {
        tick->stop();
        time_->hide();
        found_ = port;
        Result->setText(port.description.isEmpty()
                                ? tr("The cable is on %1.").arg(port.name)
                                : tr("The cable is on %1 (%2).").arg(port.name, port.description));
        UsePort->setEnabled(true);
        UsePort->setDefault(true);
        UsePort->setFocus();
    });
    connect(&Finder, &CableFinder::GaveUp, this, [this, tick, traps](const QStringList &seen, bool) {
        tick->stop();
        time_->hide();
        QStringList text{CableFinder::GaveUpText(seen)};
        text << traps();
        Result->setText(text.join(QStringLiteral("\n\n")));
    });
    Finder.Start(limitMs, everyMs);
}

} // namespace lumora
