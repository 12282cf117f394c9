#include "signalling/TForm4.h"

#include "signalling/SignallingGrids.h"
#include "ui/TComboCellEditor.h"
#include "ui/TEditCellEditor.h"
#include "ui/TXStringGrid.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTabWidget>

namespace lumora {

namespace {

const char *const kEncodeKey = "Encode";
const char *const kDecodeKey = "2TONE Decode";

} // namespace

TForm4::TForm4(ISignallingHost &host)
    : TSignallingForm(host, BlockType::TwoTone)
{
    setObjectName(QStringLiteral("Form4"));
    PageControl1 = new QTabWidget(this);
    contentLayout()->addWidget(PageControl1);

    // "Encode": the entries and the timing.
    auto *encodePage = new QWidget;
    auto *encode = new QHBoxLayout(encodePage);
    xg1 = MakeSignallingGrid(encodePage, QStringLiteral("xg1"),
                             {{"NO.", 40}, {"First Frequency(hz)", 140}, {"Second Frequency(hz)", 150}}, 17);
    EditCellEditor1 = new TEditCellEditor(this);
    EditCellEditor1->setObjectName(QStringLiteral("EditCellEditor1"));
    xg1->Columns()[1].setEditor(EditCellEditor1);
    xg1->Columns()[2].setEditor(EditCellEditor1);
    encode->addWidget(xg1);
    auto *timing = new QGridLayout;
    timing->setVerticalSpacing(10);
    for (int n = 1; n <= 3; ++n) {
        cb[n] = MakeTextBox(encodePage, QStringLiteral("cb%1").arg(n), TwoToneTimes());
        cb[n]->setFixedWidth(100);
        AddLabelledRow(timing, TwoToneLabel(QStringLiteral("cb%1").arg(n)), cb[n]);
    }
    timing->setRowStretch(timing->rowCount(), 1);
    timing->setColumnStretch(2, 1);
    encode->addLayout(timing);
    PageControl1->addTab(encodePage, tr("Encode"));

    // "Decode": the decode rows.
    auto *decodePage = new QWidget;
    auto *decodeGroup = new QGroupBox(tr("2TONE Decode"), decodePage);
    (new QVBoxLayout(decodePage))->addWidget(decodeGroup);
    QVector<GridColumn> columns{{"NO.", 36}};
    for (int j = 1; j <= 4; ++j)
        columns << GridColumn{QStringLiteral("Decode%1").arg(j), 58} << GridColumn{"Response Mode", 104}
                << GridColumn{"Prompt", 48};
    xg2 = MakeSignallingGrid(decodeGroup, QStringLiteral("xg2"), columns, 17);
    (new QVBoxLayout(decodeGroup))->addWidget(xg2);
    ComboCellEditor1 = MakeListEditor(this, QStringLiteral("ComboCellEditor1"), TwoTonePairs(), QStringLiteral("AB"));
    ComboCellEditor2 = MakeListEditor(this, QStringLiteral("ComboCellEditor2"), TwoTonePrompts(), QStringLiteral("1"));
    ComboCellEditor3 = MakeListEditor(this, QStringLiteral("ComboCellEditor3"), TwoToneResponseModes(),
                                      QStringLiteral("NONE"));
    for (int j = 0; j < 4; ++j) {
        xg2->Columns()[3 * j + 1].setEditor(ComboCellEditor1);
        xg2->Columns()[3 * j + 2].setEditor(ComboCellEditor3);
        xg2->Columns()[3 * j + 3].setEditor(ComboCellEditor2);
    }
    xg2->OnSetEditText = [this](TXStringGrid *, int col, int row, const QString &) { xg2SetEditText(col, row); };
    PageControl1->addTab(decodePage, tr("Decode"));
    PageControl1->setCurrentIndex(0); // the window opens on its first page, "Encode"

    // Below the pages: the tones, which only a read sets, and the rest time.
    auto *below = new QHBoxLayout;
    auto *tonesGroup = new QGroupBox(tr("2TONE Frequency"), this);
    auto *tones = new QHBoxLayout(tonesGroup);
    for (int n = 1; n <= 5; ++n) {
        ed[n] = new QLineEdit(this);
        ed[n]->setObjectName(QStringLiteral("ed%1").arg(n));
        ed[n]->setFixedWidth(60);
    }
    for (int n = 1; n <= 4; ++n) {
        ed[n]->setEnabled(false);
        auto *label = new QLabel(ShownLabel(TwoToneLabel(QStringLiteral("ed%1").arg(n))), tonesGroup);
        ed[n]->setAccessibleName(label->text());
        tones->addWidget(label);
        tones->addWidget(ed[n]);
        tones->addSpacing(8);
    }
    below->addWidget(tonesGroup);
    below->addSpacing(16);
    auto *restLabel = new QLabel(ShownLabel(TwoToneLabel(QStringLiteral("ed5"))), this);
    ed[5]->setAccessibleName(restLabel->text());
    below->addWidget(restLabel);
    below->addWidget(ed[5]);
    below->addStretch();
    contentLayout()->addLayout(below);

    ProgressBar1->setRange(0, 11);
    ProgressBar1->setValue(0);
    ProgressBar1->show(); // visible until the first transfer has ended
    setControls(TwoToneControls());
    FormCreate();
}

TForm4::~TForm4()
{
    hide(); // an open edit ends while the window is whole
    xg2->OnSetEditText = nullptr;
}

void TForm4::FormCreate()
{
    for (TXStringGrid *g : {xg1, xg2})
        for (int r = 1; r <= kTwoToneRows; ++r)
            g->setCells(0, r, QString::number(r));
}

TwoToneControls TForm4::Controls() const
{
    TwoToneControls c;
    QString *texts[] = {&c.ed1, &c.ed2, &c.ed3, &c.ed4, &c.ed5};
    for (int n = 1; n <= 5; ++n)
        *texts[n - 1] = ed[n]->text();
    c.cb1 = cb[1]->currentText();
    c.cb2 = cb[2]->currentText();
    c.cb3 = cb[3]->currentText();
    return c;
}

void TForm4::setControls(const TwoToneControls &c)
{
    const QString *texts[] = {&c.ed1, &c.ed2, &c.ed3, &c.ed4, &c.ed5};
    for (int n = 1; n <= 5; ++n)
        ed[n]->setText(*texts[n - 1]);
    cb[1]->setEditText(c.cb1);
    cb[2]->setEditText(c.cb2);
    cb[3]->setEditText(c.cb3);
}

void TForm4::xg2SetEditText(int col, int row)
{
    SayRowNeedsFirstColumn(*xg2, col, row, xg2->Cells(col, row));
    ApplyTwoToneDecodeRowRules(*xg2, col, row);
}

SettingsControls TForm4::settingsControls() const
{
    SettingsControls controls;
    for (int n = 1; n <= 5; ++n)
        controls << SettingsControl{TwoToneLabel(QStringLiteral("ed%1").arg(n)), ed[n]};
    for (int n = 1; n <= 3; ++n)
        controls << SettingsControl{TwoToneLabel(QStringLiteral("cb%1").arg(n)), cb[n]};
    return controls << SettingsControl{QLatin1String(kEncodeKey), xg1, kTwoToneRows}
                    << SettingsControl{QLatin1String(kDecodeKey), xg2, kTwoToneRows};
}

void TForm4::decodeBlock(const uint8_t *frame)
{
    TwoToneControls c = Controls();
    DecodeTwoToneBlock(frame, c, *xg1, *xg2);
    setControls(c);
}

Payload TForm4::encodeBlock(int index, const Payload &) const
{
    return EncodeTwoToneBlock(index, Controls(), *xg1, *xg2);
}

} // namespace lumora
