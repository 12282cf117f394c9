#include "signalling/TForm2.h"

#include "signalling/DigitCoding.h"
#include "signalling/SignallingGrids.h"
#include "ui/TEditCellEditor.h"
#include "ui/TXStringGrid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace lumora {

TForm2::TForm2(ISignallingHost &host) : TSignallingForm(host, BlockType::Dtmf)
{
    setObjectName(QStringLiteral("Form2"));
    PageControl1 = new QTabWidget(this);
    contentLayout()->addWidget(PageControl1);

    // "DTMF Encode": the memories and the encoder.
    auto *encodePage = new QWidget;
    auto *encodeGroup = new QGroupBox(tr("Encode"), encodePage);
    (new QVBoxLayout(encodePage))->addWidget(encodeGroup);
    auto *encode = new QHBoxLayout(encodeGroup);
    xg2 = MakeSignallingGrid(encodeGroup, QStringLiteral("xg2"), {{"NO.", 40}, {"Autodial Memory", 130}}, 17);
    EditCellEditor1 = new TEditCellEditor(this);
    EditCellEditor1->setObjectName(QStringLiteral("EditCellEditor1"));
    EditCellEditor1->DefaultText = QStringLiteral("12345678");
    xg2->Columns()[1].setEditor(EditCellEditor1);
    xg2->OnSetEditText = [this](TXStringGrid *, int col, int row, const QString &) { xg2SetEditText(col, row); };
    encode->addWidget(xg2);

    auto *encoder = new QGridLayout;
    encoder->setVerticalSpacing(10);
    for (int n = 1; n <= 5; ++n) {
        cb[n] = MakeTextBox(encodeGroup, QStringLiteral("cb%1").arg(n), DtmfItems(n));
        AddLabelledRow(encoder, DtmfLabel(QStringLiteral("cb%1").arg(n)), cb[n]);
    }
    CheckB1 = new QCheckBox(ShownLabel(DtmfLabel(QStringLiteral("CheckB1")).replace(QStringLiteral("Side"), QStringLiteral("&Side"))), encodeGroup);
    encoder->addWidget(CheckB1, encoder->rowCount(), 0, 1, 2);
    encoder->setRowStretch(encoder->rowCount(), 1);
    encode->addLayout(encoder);
    PageControl1->addTab(encodePage, tr("DTMF Encode"));

    // "DTMF Decode": the decoder.
    auto *decodePage = new QWidget;
    auto *decodeGroup = new QGroupBox(tr("Decode"), decodePage);
    (new QVBoxLayout(decodePage))->addWidget(decodeGroup);
    auto *decoder = new QGridLayout(decodeGroup);
    decoder->setVerticalSpacing(10);
    Edit1 = new QLineEdit(decodeGroup);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(8);
    AddLabelledRow(decoder, DtmfLabel(QStringLiteral("Edit1")), Edit1);
    connect(Edit1, &QLineEdit::editingFinished, this, [this] {
        const QString typed = Edit1->text();
        Edit1->setText(CleanDigitText(typed, DigitCoding::Id));
        sayDigitsLeftOut(DtmfLabel(QStringLiteral("Edit1")), typed, Edit1->text());
    });
    for (int n = 6; n <= 9; ++n) {
        cb[n] = MakeTextBox(decodeGroup, QStringLiteral("cb%1").arg(n), DtmfItems(n));
        AddLabelledRow(decoder, DtmfLabel(QStringLiteral("cb%1").arg(n)), cb[n]);
    }
    CheckB2 = new QCheckBox(ShownLabel(DtmfLabel(QStringLiteral("CheckB2")).replace(QStringLiteral("To T"), QStringLiteral("To &T"))), decodeGroup);
    decoder->addWidget(CheckB2, decoder->rowCount(), 0, 1, 2);
    decoder->setRowStretch(decoder->rowCount(), 1);
    decoder->setColumnStretch(2, 1);
    PageControl1->addTab(decodePage, tr("DTMF Decode"));

    setControls(DtmfControls());
    FormCreate();
}

TForm2::~TForm2()
{
    // Hidden while whole: the edits it ends (a cell, the ID code) still
    // reach this window's handlers, and nothing reaches them afterwards.
    hide();
    xg2->OnSetEditText = nullptr;
    Edit1->disconnect(this);
}

void TForm2::FormCreate()
{
    for (int r = 1; r <= kDtmfMemories; ++r)
        xg2->setCells(0, r, QString::number(r));
}

DtmfControls TForm2::Controls() const
{
    DtmfControls c;
    c.cb1 = cb[1]->currentText();
    c.cb2 = cb[2]->currentText();
    c.cb3 = cb[3]->currentText();
    c.cb4 = cb[4]->currentText();
    c.cb5 = cb[5]->currentText();
    c.CheckB1 = CheckB1->isChecked();
    c.Edit1 = Edit1->text();
    c.cb6 = cb[6]->currentText();
    c.cb7 = cb[7]->currentText();
    c.cb8 = cb[8]->currentText();
    c.cb9 = cb[9]->currentText();
    c.CheckB2 = CheckB2->isChecked();
    return c;
}

void TForm2::setControls(const DtmfControls &c)
{
    const QString *texts[10] = {nullptr, &c.cb1, &c.cb2, &c.cb3, &c.cb4, &c.cb5, &c.cb6, &c.cb7, &c.cb8, &c.cb9};
    for (int n = 1; n <= 9; ++n)
        cb[n]->setEditText(*texts[n]);
    CheckB1->setChecked(c.CheckB1);
    Edit1->setText(c.Edit1);
    CheckB2->setChecked(c.CheckB2);
}

namespace {

const char *const kMemoryKey = "Autodial Memory";

} // namespace

SettingsControls TForm2::settingsControls() const
{
    SettingsControls controls;
    for (int n = 1; n <= 5; ++n)
        controls << SettingsControl{DtmfLabel(QStringLiteral("cb%1").arg(n)), cb[n]};
    controls << SettingsControl{DtmfLabel(QStringLiteral("CheckB1")), CheckB1}
             << SettingsControl{DtmfLabel(QStringLiteral("Edit1")), Edit1};
    for (int n = 6; n <= 9; ++n)
        controls << SettingsControl{DtmfLabel(QStringLiteral("cb%1").arg(n)), cb[n]};
    controls << SettingsControl{DtmfLabel(QStringLiteral("CheckB2")), CheckB2}
             << SettingsControl{QLatin1String(kMemoryKey), xg2, kDtmfMemories, true};
    return controls;
}

void TForm2::setSettings(const SettingsValues &values)
{
    TSignallingForm::setSettings(values);
    Edit1->setText(CleanDigitText(Edit1->text(), DigitCoding::Id).left(8)); // as the box leaves it
}

void TForm2::xg2SetEditText(int col, int row)
{
    // What the memory coding can hold, at most 8 digits.
    if (col != 1)
        return;
    const QString typed = xg2->Cells(col, row);
    xg2->setCells(col, row, CleanDigitText(typed, DigitCoding::Memory).left(8));
    sayDigitsLeftOut(tr("Memory %1").arg(row), typed, xg2->Cells(col, row));
}

void TForm2::sayDigitsLeftOut(const QString &where, const QString &typed, const QString &kept)
{
    if (kept != typed.toUpper())
        SayAboutInput(tr("%1: \"%2\" kept as \"%3\": up to 8 of 0-9, A-D, *, #")
                              .arg(where, typed, kept));
}

void TForm2::takeRead(const TSignallingForm &read)
{
    TSignallingForm::takeRead(read);
    DigitCounts = static_cast<const TForm2 &>(read).DigitCounts; // the coding of what was read
}

void TForm2::decodeBlock(const uint8_t *frame)
{
    DtmfControls c = Controls();
    DecodeDtmfBlock(frame, c, *xg2, DigitCounts);
    setControls(c);
}

Payload TForm2::encodeBlock(int index, const Payload &) const { return EncodeDtmfBlock(index, Controls(), *xg2); }

} // namespace lumora
