#include "signalling/TForm6.h"

#include "signalling/SignallingGrids.h"
#include "ui/TEditCellEditor.h"
#include "ui/TXStringGrid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTimer>

namespace lumora {

TForm6::TForm6(ISignallingHost &host)
    : TSignallingForm(host, BlockType::FleetSync)
{
    setObjectName(QStringLiteral("Form6"));
    auto *body = new QHBoxLayout;
    contentLayout()->addLayout(body);

    auto *own = new QGridLayout;
    own->setVerticalSpacing(10);
    auto addRow = [&](const char *control, QWidget *widget) {
        AddLabelledRow(own, FleetSyncLabel(QLatin1String(control)), widget);
    };
    auto edit = [this](const char *name) {
        auto *e = new QLineEdit(this);
        e->setObjectName(QLatin1String(name));
        e->setFixedWidth(90);
        return e;
    };
    ed1 = edit("ed1");
    ed2 = edit("ed2");
    cb1 = new QComboBox(this);
    cb1->setObjectName(QStringLiteral("cb1"));
    cb1->addItems(FleetSyncBaudRates());
    cb1->setFixedWidth(90);
    ed3 = edit("ed3");
    ed4 = edit("ed4");
    addRow("ed1", ed1);
    addRow("ed2", ed2);
    addRow("cb1", cb1);
    addRow("ed3", ed3);
    addRow("ed4", ed4);
    CheckBox1 = new QCheckBox(ShownLabel(FleetSyncLabel(QStringLiteral("CheckBox1")).replace(QStringLiteral("Side"), QStringLiteral("&Side"))), this);
    own->addWidget(CheckBox1, own->rowCount(), 0, 1, 2);
    own->setRowStretch(own->rowCount(), 1);
    body->addLayout(own);

    xg1 = MakeSignallingGrid(this, QStringLiteral("xg1"), {{"NO.", 40}, {"Fleet", 80}, {"ID", 80}}, 17);
    EditCellEditor1 = new TEditCellEditor(this);
    EditCellEditor1->setObjectName(QStringLiteral("EditCellEditor1"));
    xg1->Columns()[1].setEditor(EditCellEditor1);
    xg1->Columns()[2].setEditor(EditCellEditor1);
    body->addWidget(xg1);

    ProgressBar1->show(); // visible from the start in this window
    setControls(FleetSyncControls());
    FormCreate();
}

TForm6::~TForm6()
{
    hide(); // an open edit ends while the window is whole
    xg1->OnSetEditText = nullptr;
}

void TForm6::FormCreate()
{
    cb1->setCurrentIndex(1);
    for (int r = 1; r <= kFleetSyncEntries; ++r)
        xg1->setCells(0, r, QString::number(r));
}

FleetSyncControls TForm6::Controls() const
{
    FleetSyncControls c;
    c.ed1 = ed1->text();
    c.ed2 = ed2->text();
    c.cb1 = cb1->currentText();
    c.ed3 = ed3->text();
    c.ed4 = ed4->text();
    c.CheckBox1 = CheckBox1->isChecked();
    return c;
}

void TForm6::setControls(const FleetSyncControls &c)
{
    ed1->setText(c.ed1);
    ed2->setText(c.ed2);
    // A rate the list does not offer is shown as the radio has it.
    SetBoxText(*cb1, c.cb1);
    ed3->setText(c.ed3);
    ed4->setText(c.ed4);
    CheckBox1->setChecked(c.CheckBox1);
}

namespace {

const char *const kEntriesKey = "Fleet and ID";

} // namespace

SettingsControls TForm6::settingsControls() const
{
    return {{FleetSyncLabel(QStringLiteral("ed1")), ed1},
            {FleetSyncLabel(QStringLiteral("ed2")), ed2},
            {FleetSyncLabel(QStringLiteral("cb1")), cb1},
            {FleetSyncLabel(QStringLiteral("ed3")), ed3},
            {FleetSyncLabel(QStringLiteral("ed4")), ed4},
            {FleetSyncLabel(QStringLiteral("CheckBox1")), CheckBox1},
            {QLatin1String(kEntriesKey), xg1, kFleetSyncEntries}};
}

void TForm6::decodeBlock(const uint8_t *frame)
{
    FleetSyncControls c = Controls();
    DecodeFleetSyncBlock(frame, c, *xg1);
    setControls(c);
}

Payload TForm6::encodeBlock(int index, const Payload &) const
{
    return EncodeFleetSyncBlock(index, Controls(), *xg1);
}

} // namespace lumora
