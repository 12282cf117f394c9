#include "backup/FleetDialog.h"

#include "ui/ScreenFit.h"
#include "ui/ToolTexts.h"
#include "ui/UserDialogs.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace lumora {

namespace {

// A file name box with its Browse... button (each with an Alt key of its own).
QWidget *fileRow(QLineEdit *edit, QWidget *parent, const QString &caption, const std::function<QString()> &browse)
{
    auto *row = new QWidget(parent);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *button = new QPushButton(caption, row);
    layout->addWidget(edit, 1);
    layout->addWidget(button);
    QObject::connect(button, &QPushButton::clicked, edit, [edit, browse] {
        const QString name = browse();
        if (!name.isEmpty())
            edit->setText(name);
    });
    return row;
}

// A label whose Alt key goes to the file name box, not to its row.
QLabel *labelFor(const QString &text, QLineEdit *edit)
{
    auto *label = new QLabel(text, edit->parentWidget());
    label->setBuddy(edit);
    return label;
}

} // namespace

FleetDialog::FleetDialog(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(ToolTitle() + tr(" - Program several radios"));
    TemplateEdit = new QLineEdit(this);
    IdsEdit = new QLineEdit(this);
    LogEdit = new QLineEdit(this);
    KeepOwn = new QRadioButton(tr("Each radio &keeps its own identity"), this);
    FromList = new QRadioButton(tr("Identities from a &list (columns Fleet, ID, DTMF ID):"), this);
    Counting = new QRadioButton(tr("FleetSync IDs cou&nted up"), this);
    FirstId = new QSpinBox(this);
    FirstId->setRange(0, 65535);
    FirstId->setValue(1);
    Step = new QSpinBox(this);
    Step->setRange(1, 65535);
    DtmfFollows = new QCheckBox(tr("The DTMF ID code &follows the FleetSync ID"), this);
    KeepOwn->setChecked(true);

    // The choices scroll where the screen is too low for them; Start and
    // Cancel stay in view.
    auto *choices = new QWidget;
    auto *layout = new QVBoxLayout(choices);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *files = new QFormLayout;
    const QString backups = tr("Radio backup (*.json)");
    files->addRow(labelFor(tr("&Template (a backup):"), TemplateEdit), fileRow(TemplateEdit, this, tr("&Browse..."), [this, backups] {
                      return UserDialogs().AskOpenFileName(this, backups, QStringLiteral("json"));
                  }));
    layout->addLayout(files);
    layout->addWidget(new QLabel(tr("Each radio's identity (FleetSync own fleet and ID, DTMF ID code):"), this));
    layout->addWidget(KeepOwn);
    layout->addWidget(FromList);
    layout->addWidget(fileRow(IdsEdit, this, tr("B&rowse..."), [this] {
        return UserDialogs().AskOpenFileName(this, tr("Identities (*.csv)"), QStringLiteral("csv"));
    }));
    layout->addWidget(Counting);
    auto *counting = new QFormLayout;
    counting->addRow(tr("F&irst ID:"), FirstId);
    counting->addRow(tr("St&ep:"), Step); // Alt+S is Start
    counting->addRow(DtmfFollows);
    layout->addLayout(counting);
    auto *log = new QFormLayout;
    log->addRow(labelFor(tr("L&og (one row a radio):"), LogEdit), fileRow(LogEdit, this, tr("Bro&wse..."), [this] {
                    return UserDialogs().AskSaveFileName(this, tr("Fleet log (*.csv)"), QStringLiteral("csv"));
                }));
    layout->addLayout(log);
    Buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    Buttons->button(QDialogButtonBox::Ok)->setText(tr("&Start"));
    Buttons->button(QDialogButtonBox::Cancel)->setText(tr("&Cancel"));
    auto *whole = new QVBoxLayout(this);
    whole->addWidget(new TFittingScrollArea(choices, this), 1);
    whole->addWidget(Buttons);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    FitToScreenOnShow(this);
    connect(Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    for (QLineEdit *edit : {TemplateEdit, IdsEdit})
        connect(edit, &QLineEdit::textChanged, this, &FleetDialog::updateButtons);
    for (QRadioButton *choice : {KeepOwn, FromList, Counting})
        connect(choice, &QRadioButton::toggled, this, &FleetDialog::updateButtons);
    updateButtons();
}

void FleetDialog::updateButtons()
{
    IdsEdit->setEnabled(FromList->isChecked());
    for (QWidget *w : std::initializer_list<QWidget *>{FirstId, Step, DtmfFollows})
        w->setEnabled(Counting->isChecked());
    Buttons->button(QDialogButtonBox::Ok)
            ->setEnabled(!TemplateEdit->text().isEmpty() && (!FromList->isChecked() || !IdsEdit->text().isEmpty()));
}

FleetSetup FleetDialog::Setup() const
{
    FleetSetup setup;
    setup.templateFile = TemplateEdit->text();
    setup.logFile = LogEdit->text();
    setup.identities = FromList->isChecked()   ? FleetSetup::Identities::List
                       : Counting->isChecked() ? FleetSetup::Identities::Counting
                                               : FleetSetup::Identities::KeepOwn;
    setup.idsFile = IdsEdit->text();
    setup.firstId = FirstId->value();
    setup.step = Step->value();
    setup.dtmfIdFollows = DtmfFollows->isChecked();
    return setup;
}

} // namespace lumora
