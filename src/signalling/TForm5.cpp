#include "signalling/TForm5.h"

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

const char *const kStandardsKey = "5 TONE Standard";
const char *const kEncodeKey = "Encode";
const char *const kDecodeKey = "Decode";

TEditCellEditor *textEditor(QObject *owner, const QString &name, const QString &defaultText)
{
    auto *editor = new TEditCellEditor(owner);
    editor->setObjectName(name);
    editor->DefaultText = defaultText;
    return editor;
}

// The combo editors of this window take typed text as well as their items.
TComboCellEditor *textComboEditor(QObject *owner, const QString &name, const QStringList &items,
                                  const QString &defaultText)
{
    TComboCellEditor *editor = MakeListEditor(owner, name, items, defaultText);
    editor->Style = TComboCellEditor::csDropDown;
    return editor;
}

} // namespace

TForm5::TForm5(ISignallingHost &host)
    : TSignallingForm(host, BlockType::FiveTone)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint); // resized by its edges, never maximised
    PageControl1 = new QTabWidget(this);
    contentLayout()->addWidget(PageControl1);

    // "Standard": the tone table and the standards.
    auto *standardPage = new QWidget;
    auto *standard = new QHBoxLayout(standardPage);
    auto *table = new QGridLayout;
    table->setVerticalSpacing(6);
    CCIR = MakeTextBox(standardPage, QStringLiteral("CCIR"), FiveToneStandards());
    auto *standardLabel = new QLabel(ShownLabel(FiveToneLabel(QStringLiteral("CCIR"))));
    CCIR->setAccessibleName(standardLabel->text());
    table->addWidget(standardLabel, 0, 0, 1, 2);
    table->addWidget(CCIR, 0, 2, 1, 2);
    for (int n = 1; n <= 16; ++n) {
        Edit[n] = new QLineEdit(standardPage);
        Edit[n]->setObjectName(QStringLiteral("Edit%1").arg(n));
        Edit[n]->setEnabled(false);
        Edit[n]->setFixedWidth(70);
        const int row = 1 + (n - 1) % 8, pair = (n - 1) / 8;
        auto *digit = new QLabel(HexDigits()[n - 1]);
        Edit[n]->setAccessibleName(tr("Digit %1").arg(digit->text()));
        table->addWidget(digit, row, 2 * pair, Qt::AlignRight);
        table->addWidget(Edit[n], row, 2 * pair + 1);
    }
    table->setRowStretch(table->rowCount(), 1);
    standard->addLayout(table);
    standard->addSpacing(20);
    xg1 = MakeSignallingGrid(standardPage, QStringLiteral("xg1"),
                             {{"5 TONE Standard", 92}, {"TX Time(ms)", 100}, {"Group Code", 64}, {"Duplication Code", 89}},
                             6);
    EditCellEditor1 = textEditor(this, QStringLiteral("EditCellEditor1"), QString());
    ComboCellEditor1 = textComboEditor(this, QStringLiteral("ComboCellEditor1"), HexDigits(), QString());
    xg1->Columns()[1].setEditor(EditCellEditor1);
    xg1->Columns()[2].setEditor(ComboCellEditor1);
    xg1->Columns()[3].setEditor(ComboCellEditor1);
    for (int c = 1; c <= 3; ++c)
        xg1->Columns()[c].EditorInheritsCellProps = true;
    auto *gridColumn = new QVBoxLayout;
    gridColumn->addWidget(xg1);
    gridColumn->addStretch();
    standard->addLayout(gridColumn);
    standard->addStretch();
    PageControl1->addTab(standardPage, tr("Standard"));
    connect(CCIR, &QComboBox::currentTextChanged, this, &TForm5::CCIRChange);

    // "Encode": the encode entries and the delays.
    auto *encodePage = new QWidget;
    auto *encode = new QHBoxLayout(encodePage);
    xg2 = MakeSignallingGrid(encodePage, QStringLiteral("xg2"),
                             {{"NO.", 38}, {"First Frame Coding", 90}, {"Second Frame Coding", 110},
                              {"Third Frame Coding", 96}, {"Confirmation Code", 90}, {"Use  Standard", 76}},
                             17);
    EditCellEditor2 = textEditor(this, QStringLiteral("EditCellEditor2"), QStringLiteral("12345"));
    ComboCellEditor2 = textComboEditor(this, QStringLiteral("ComboCellEditor2"), FiveToneStandards(), QStringLiteral("CCIR"));
    for (int c = 1; c <= 4; ++c)
        xg2->Columns()[c].setEditor(EditCellEditor2);
    xg2->Columns()[5].setEditor(ComboCellEditor2);
    xg2->OnSetEditText = [this](TXStringGrid *, int col, int row, const QString &) { xg2SetEditText(col, row); };
    encode->addWidget(xg2);
    // The delays' long labels above their boxes, beside the grid.
    auto *delays = new QVBoxLayout;
    for (int n = 1; n <= 4; ++n) {
        auto *label = new QLabel(ShownLabel(FiveToneLabel(QStringLiteral("cb%1").arg(n))), encodePage);
        label->setWordWrap(true);
        label->setFixedWidth(200);
        cb[n] = MakeTextBox(encodePage, QStringLiteral("cb%1").arg(n), FiveToneDelays());
        cb[n]->setFixedWidth(100);
        cb[n]->setAccessibleName(label->text());
        delays->addWidget(label);
        delays->addWidget(cb[n]);
        delays->addSpacing(12);
    }
    delays->addStretch();
    encode->addLayout(delays);
    PageControl1->addTab(encodePage, tr("Encode"));

    // "Decode": the decode entries and the reset time.
    auto *decodePage = new QWidget;
    auto *decode = new QVBoxLayout(decodePage);
    xg3 = MakeSignallingGrid(decodePage, QStringLiteral("xg3"),
                             {{"NO.", 30}, {"Use Standard", 70}, {"First Frame Decoding", 103}, {"Function", 80},
                              {"Second Frame Decoding", 121}, {"Function", 80}, {"Third Frame Decoding", 108},
                              {"Function", 80}, {"Response Code", 80}},
                             17);
    ComboCellEditor3 = textComboEditor(this, QStringLiteral("ComboCellEditor3"), FiveToneStandards(), QStringLiteral("CCIR"));
    EditCellEditor3 = textEditor(this, QStringLiteral("EditCellEditor3"), QStringLiteral("12345"));
    ComboCellEditor4 = textComboEditor(this, QStringLiteral("ComboCellEditor4"), FiveToneFunctions(), QStringLiteral("CALL"));
    xg3->Columns()[1].setEditor(ComboCellEditor3);
    for (int c : {2, 4, 6, 8})
        xg3->Columns()[c].setEditor(EditCellEditor3);
    for (int c : {3, 5, 7})
        xg3->Columns()[c].setEditor(ComboCellEditor4); // one editor, three columns
    xg3->OnSetEditText = [this](TXStringGrid *, int col, int row, const QString &) { xg3SetEditText(col, row); };
    decode->addWidget(xg3);
    auto *reset = new QHBoxLayout;
    ed1 = new QLineEdit(decodePage);
    ed1->setObjectName(QStringLiteral("ed1"));
    ed1->setFixedWidth(90);
    auto *resetLabel = new QLabel(ShownLabel(FiveToneLabel(QStringLiteral("ed1"))));
    ed1->setAccessibleName(resetLabel->text());
    reset->addWidget(resetLabel);
    reset->addWidget(ed1);
    reset->addStretch();
    decode->addLayout(reset);
    decode->addStretch();
    PageControl1->addTab(decodePage, tr("Decode"));

    ProgressBar1->show(); // visible from the start
    resize(934, 516);
    setControls(FiveToneControls());
    FormCreate();
}

TForm5::~TForm5()
{
    hide(); // an open edit ends while the window is whole
    xg2->OnSetEditText = nullptr;
    xg3->OnSetEditText = nullptr;
    CCIR->disconnect(this);
}

void TForm5::FormCreate()
{
    for (int s = 1; s <= kFiveToneStandards; ++s) {
        xg1->setCells(0, s, FiveToneStandards()[s - 1]);
        xg1->setCells(1, s, QStringLiteral("100"));
        xg1->setCells(2, s, QStringLiteral("A"));
        xg1->setCells(3, s, QStringLiteral("E"));
    }
    for (TXStringGrid *g : {xg2, xg3})
        for (int r = 1; r <= kFiveToneRows; ++r)
            g->setCells(0, r, QString::number(r));
    CCIR->setEditText(QStringLiteral("CCIR"));
    ed1->setText(QStringLiteral("6000"));
    CCIRChange();
}

void TForm5::CCIRChange()
{
    // Another text than the five names leaves the table as it is.
    const QStringList tones = ToneTable(CCIR->currentText());
    for (int n = 1; n <= 16 && n <= tones.size(); ++n)
        Edit[n]->setText(tones[n - 1]);
}

FiveToneControls TForm5::Controls() const
{
    FiveToneControls c;
    c.cb1 = cb[1]->currentText();
    c.cb2 = cb[2]->currentText();
    c.cb3 = cb[3]->currentText();
    c.cb4 = cb[4]->currentText();
    return c;
}

void TForm5::setControls(const FiveToneControls &c)
{
    cb[1]->setEditText(c.cb1);
    cb[2]->setEditText(c.cb2);
    cb[3]->setEditText(c.cb3);
    cb[4]->setEditText(c.cb4);
}

void TForm5::xg2SetEditText(int col, int row)
{
    SayRowNeedsFirstColumn(*xg2, col, row, xg2->Cells(col, row));
    ApplyFiveToneRowDefaults(*xg2, false, col, row);
}

void TForm5::xg3SetEditText(int col, int row)
{
    SayRowNeedsFirstColumn(*xg3, col, row, xg3->Cells(col, row));
    ApplyFiveToneRowDefaults(*xg3, true, col, row);
}

SettingsControls TForm5::settingsControls() const
{
    SettingsControls controls{{FiveToneLabel(QStringLiteral("CCIR")), CCIR},
                              {QLatin1String(kStandardsKey), xg1, kFiveToneStandards}};
    for (int n = 1; n <= 4; ++n)
        controls << SettingsControl{FiveToneLabel(QStringLiteral("cb%1").arg(n)), cb[n]};
    return controls << SettingsControl{QLatin1String(kEncodeKey), xg2, kFiveToneRows}
                    << SettingsControl{QLatin1String(kDecodeKey), xg3, kFiveToneRows}
                    << SettingsControl{FiveToneLabel(QStringLiteral("ed1")), ed1};
}

void TForm5::decodeBlock(const uint8_t *frame)
{
    FiveToneControls c = Controls();
    DecodeFiveToneBlock(frame, c, *xg1, *xg2, *xg3);
    setControls(c);
}

Payload TForm5::encodeBlock(int index, const Payload &previous) const
{
    return EncodeFiveToneBlock(index, Controls(), *xg1, *xg2, *xg3, previous);
}

} // namespace lumora
