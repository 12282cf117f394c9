// The main window's layout: menus, toolbar, the channel grid with its
// column editors, the option boxes, the buttons and the status bar, and
// how it adapts to a small screen.

#include "ui/TForm1.h"

#include "memory/ChannelColumns.h"
#include "memory/ChannelTyping.h"
#include "protocol/AreaTable.h"
#include "ui/TComboCellEditor.h"
#include "ui/TEditCellEditor.h"
#include "ui/TPortBox.h"
#include "ui/ScreenFit.h"
#include "ui/TXStringGrid.h"
#include "ui/UserDialogs.h"

#include <QAction>
#include <QCoreApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace lumora {

namespace {

const QColor kHeaderColor(235, 233, 237);

// An option box with its label.
struct OptionRow {
    OptionId id;
    const char *label;
};
// The visible options' boxes from top to bottom.
const OptionRow kVisibleOptions[] = {{OptTot, "TOT"},  {OptSqLev, "SQ Lev"}, {OptSavePower, "Save Power"},
                                     {OptScan, "Scan"}, {OptPf1, "PF1:"},    {OptPf2, "PF2:"},
                                     {OptVoice, "Voice"}};

// The window's client area, as large at first as the tool has always been;
// the layouts then follow what the user makes of the window.
class TClientArea : public QWidget {
public:
    using QWidget::QWidget;
    QSize sizeHint() const override { return FirstSize; }
    QSize FirstSize;
};

} // namespace

void TForm1::buildLayout()
{
    client_ = new TClientArea(this);
    setCentralWidget(client_);

    FileMenu = menuBar()->addMenu(tr("&File")); // Alt+F; the & only marks the key
    Open1 = FileMenu->addAction(tr("&Open"), this, [this] { OpenClick(false); });
    Open1->setShortcut(QKeySequence::Open);
    Save1 = FileMenu->addAction(tr("&Save"), this, [this] { SaveClick(false); });
    Save1->setShortcut(QKeySequence::Save);
    SaveAs1 = FileMenu->addAction(tr("Save &As..."), this, [this] { SaveAsClick(false); });
    SaveAs1->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    RecentMenu = FileMenu->addMenu(tr("Recent &files"));
    fillRecentMenu();
    FileMenu->addSeparator();
    ImportCsv1 = FileMenu->addAction(tr("&Import CSV..."), this, &TForm1::ImportCsvClick);
    ExportCsv1 = FileMenu->addAction(tr("&Export CSV..."), this, &TForm1::ExportCsvClick);
    Verify1 = FileMenu->addAction(tr("&Verify with radio"), this, &TForm1::VerifyClick);
    CheckConnection1 = FileMenu->addAction(tr("&Check connection"), this, &TForm1::CheckConnectionClick);
    FindCable1 = FileMenu->addAction(tr("Fi&nd cable..."), this, &TForm1::FindCableClick);
    FileMenu->addSeparator();
    Exit1 = FileMenu->addAction(tr("E&xit"), this, &QWidget::close);
    buildEditMenu();
    buildChannelsMenu();
    SignaMenu = menuBar()->addMenu(tr("&Signa"));
    for (const AreaInfo *area : SignallingAreaList()) {
        const int i = static_cast<int>(SignaEntries.size());
        SignaEntries.push_back(SignaMenu->addAction(QString::fromLatin1(area->menuText), this, [this, i] { SignaClick(i); }));
    }
    ViewMenu = menuBar()->addMenu(tr("&View"));
    AllColumns1 = ViewMenu->addAction(tr("&All columns"));
    AllColumns1->setCheckable(true); // off: the channel columns as the radio's own tool shows them
    connect(AllColumns1, &QAction::toggled, this, &TForm1::ShowAllColumns);
    buildPlanMenu();
    buildLanguageMenu();
    buildHelpMenu();

    ToolBar1 = new QToolBar(client_);
    ToolBar1->setFixedHeight(30);
    ToolBar1->setIconSize(QSize(20, 20));
    QStyle *s = style();
    auto tool = [&](QStyle::StandardPixmap icon, const QString &hint, auto slot) {
        QAction *a = ToolBar1->addAction(s->standardIcon(icon), hint);
        a->setToolTip(hint);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    ToolButton1 = tool(QStyle::SP_DialogOpenButton, tr("Open"), [this] { OpenClick(true); });
    ToolButton2 = tool(QStyle::SP_DialogSaveButton, tr("Save"), [this] { SaveClick(true); });
    ToolBar1->addSeparator();
    ToolButton3 = tool(QStyle::SP_ArrowUp, tr("Write(F12)"), [this] { WriteClick(); });
    ToolButton4 = tool(QStyle::SP_ArrowDown, tr("Read(F11)"), [this] {
        MoveFocusOn();
        rbtnClick();
    });
    ToolBar1->addSeparator();
    ToolButton6 = tool(QStyle::SP_DialogCloseButton, tr("Exit"), [this] { close(); });

    buildGrid();
    connectChannelsToGrid();
    buildOptions();

    auto *status = StatusBar1 = new QStatusBar(client_);
    status->setSizeGripEnabled(false);
    status->setFixedHeight(24);
    for (QLabel *&panel : StatusPanels) {
        panel = new QLabel(status);
        panel->setFixedWidth(150);
        status->addWidget(panel);
    }
    NotWrittenBackPanel = new QLabel(status);
    NotWrittenBackPanel->setTextFormat(Qt::RichText);
    NotWrittenBackPanel->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(NotWrittenBackPanel, &QLabel::linkActivated, this, [this] {
        ShowList(tr("The radio holds %1 values the table cannot write back as they are. A write keeps "
                                "the radio's bytes for every channel (and the options) left unchanged; a channel "
                                "you change is written as the table shows it.")
                         .arg(ValuesNotWrittenBack().size()),
                 ValuesNotWrittenBack().join(QLatin1Char('\n')));
    });
    status->addWidget(NotWrittenBackPanel, 1);
    buildCableEntries();

    // The toolbar, the grid with the options at its right, the status bar.
    // The grid takes what the window gains or loses; the options scroll
    // where the window is too low for them, the buttons below them stay.
    auto *column = new QVBoxLayout(client_);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(ToolBar1);
    auto *body = new QHBoxLayout;
    body->setContentsMargins(0, 0, 6, 0);
    body->setSpacing(8);
    body->addWidget(xg, 1);
    body->addWidget(optionPanel_);
    column->addLayout(body, 1);
    column->addSpacing(8);
    column->addWidget(StatusBar1);

    const int grown = fitColumnsToTexts();
    for (int c = 0; c < kChannelColumns; ++c)
        laidOutWidths_[static_cast<size_t>(c)] = xg->ColWidths(c);
    setTabOrders();
    static_cast<TClientArea *>(client_)->FirstSize = QSize(851 + grown, 490);
    FitToScreenOnShow(this);
}

int TForm1::fitColumnsToTexts()
{
    // Each shown column as wide as laid out, or as its caption and its
    // longest text need in this font: "NARROW" is never cut to "ARRO".
    int grown = 0;
    for (int c = 0; c < kChannelColumns; ++c) {
        const int laidOut = xg->ColWidths(c);
        if (laidOut < 0)
            continue;
        const int width = std::max(laidOut, neededWidth(c));
        xg->setColWidths(c, width);
        grown += width - laidOut;
    }
    return grown;
}

int TForm1::neededWidth(int col) const
{
    const ChannelColumnInfo &info = ChannelColumnTable()[static_cast<size_t>(col)];
    QStringList texts = info.items ? info.items() : QStringList();
    if (col == ColRxFreq || col == ColTxFreq)
        texts << QStringLiteral("888.88888"); // the widest frequency
    return xg->Columns()[col].WidthFor(texts);
}

void TForm1::setTabOrders()
{
    // Top to bottom as laid out: the grid, the port, the options as they
    // stand, the buttons.
    QWidget *previous = xg;
    for (QWidget *next : std::initializer_list<QWidget *>{comcbb, OptionBoxes[OptTot], OptionBoxes[OptSqLev],
                                                         OptionBoxes[OptSavePower], OptionBoxes[OptScan],
                                                         OptionBoxes[OptPf1], OptionBoxes[OptPf2],
                                                         OptionBoxes[OptVoice], rbtn, wbtn}) {
        QWidget::setTabOrder(previous, next);
        previous = next;
    }
}

void TForm1::ShowAllColumns(bool all)
{
    xg->commitEdit();
    for (int c = 0; c < kChannelColumns; ++c)
        if (laidOutWidths_[static_cast<size_t>(c)] < 0 || c >= ColStepFreq)
            xg->setColWidths(c, all ? std::max(laidOutWidths_[static_cast<size_t>(c)], neededWidth(c))
                                    : laidOutWidths_[static_cast<size_t>(c)]);
    if (!isVisible() || isMaximized() || isFullScreen())
        return;
    // The window grows, as far as its screen has room, to show the columns
    // and every row; unticked, it goes back to its size if still as grown.
    if (all) {
        client_->layout()->activate();
        const QSize missing = (xg->sizeHint() - xg->size()).expandedTo(QSize(0, 0));
        const QSize grown = (size() + missing).boundedTo(RoomOnScreen(this).size()).expandedTo(size());
        sizeBeforeAllColumns_ = size();
        sizeWithAllColumns_ = grown;
        resize(grown);
        FitToScreen(this);
    } else if (size() == sizeWithAllColumns_ && sizeBeforeAllColumns_.isValid()) {
        resize(sizeBeforeAllColumns_);
    }
}

void TForm1::buildGrid()
{
    xg = new TXStringGrid(client_, kChannelColumns, kChannelRows);
    xg->setObjectName(QStringLiteral("xg"));
    xg->setAccessibleName(tr("Channels"));
    xg->RowTitleOf = [](int row) { return tr("Channel %1").arg(row); };
    xg->ImmediateEditMode = true;
    xg->FixedColor = kHeaderColor;
    xg->FixedLineColor = Qt::black;
    xg->setRowHeights(0, 24);
    xg->setRowHeights(1, 22);
    for (int r = 2; r < kChannelRows; ++r)
        xg->setRowHeights(r, 24);

    EditCellEditor1 = new TEditCellEditor(this);
    EditCellEditor1->setObjectName(QStringLiteral("EditCellEditor1"));
    // Each drop-down editor as the first column that uses it describes it.
    for (int n = 1; n <= kChannelComboEditors; ++n)
        for (const ChannelColumnInfo &info : ChannelColumnTable())
            if (info.editor == n && !ComboCellEditors[static_cast<size_t>(n)]) {
                auto *e = new TComboCellEditor(this);
                e->setObjectName(QStringLiteral("ComboCellEditor%1").arg(n));
                e->Items = info.items();
                e->DefaultText = QString::fromLatin1(info.newChannel);
                e->Style = info.listOnly ? TComboCellEditor::csDropDownList : TComboCellEditor::csDropDown;
                ComboCellEditors[static_cast<size_t>(n)] = e;
            }
    for (int c = 0; c < kChannelColumns; ++c) {
        const ChannelColumnInfo &info = ChannelColumnTable()[static_cast<size_t>(c)];
        TXStringColumnItem &column = xg->Columns()[c];
        column.setCaption(ChannelCaptions()[c]);
        column.setWidth(info.width);
        column.setAlignment(Qt::AlignCenter);
        column.setHeaderAlignment(Qt::AlignCenter);
        column.setHeaderColor(kHeaderColor);
        if (info.editor == -1)
            column.setEditor(EditCellEditor1);
        else if (info.editor > 0)
            column.setEditor(ComboCellEditors[static_cast<size_t>(info.editor)]);
    }
    for (int r = 1; r < kChannelRows; ++r)
        xg->setCells(ColChannelNo, r, QString::number(r));
    xg->TypedTextRule = [this](const QString &text) { return allowedText(xg, text); };
    // The committed cell as the event names it, never the current one.
    xg->OnSetEditText = [this](TXStringGrid *, int col, int row, const QString &) { xgSetEditText(col, row); };
    xg->CellNote = [this](int col, int row) { return ChannelCellNote(col, xg->Cells(col, row)); };
    xg->CellWarning = [this](int col, int row) { return JudgeTableRow(plan_, *xg, row).OfColumn(col); };
    xg->OnCheckEditText = [this](int col, int row, const QString &typed, const std::optional<QString> &taken) {
        return checkTypedCell(col, row, typed, taken);
    };
}

void TForm1::buildOptions()
{
    // Label and box in rows from the top, the W/R group below them.
    GroupBox1 = new QGroupBox(tr("Optional Function"));
    optionRowsLayout_ = new QGridLayout(GroupBox1);
    optionRowsLayout_->setContentsMargins(10, 4, 9, 2); // below the group's title
    optionRowsLayout_->setHorizontalSpacing(2);
    GroupBox2 = new QGroupBox(QStringLiteral("W/R"));
    auto row = [&](const QString &label, QComboBox *box) {
        auto *l = new QLabel(label);
        box->setAccessibleName(l->text()); // what a screen reader calls it
        l->setFixedSize(72, 22);
        box->setFixedHeight(22);
        box->setMinimumWidth(60); // 100 wide where the panel has no scroll bar
        const int at = static_cast<int>(optionRows_.size());
        optionRowsLayout_->addWidget(l, at, 0);
        optionRowsLayout_->addWidget(box, at, 1);
        optionRows_.emplace_back(l, box);
    };
    comcbb = new TPortBox(client_);
    comcbb->setObjectName(QStringLiteral("comcbb"));
    comcbb->setEditable(true);
    comcbb->setInsertPolicy(QComboBox::NoInsert);
    comcbb->setEditText(QStringLiteral("COM1"));
    row(QStringLiteral("COM"), comcbb);

    const OptionTexts defaults = DefaultOptionTexts();
    for (int id = 0; id < kOptionCount; ++id) {
        auto *box = new QComboBox(client_);
        box->setObjectName(QStringLiteral("ComboBox%1").arg(id + 1));
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setCompleter(nullptr);
        box->addItems(Option(static_cast<OptionId>(id)).items);
        box->setEditText(defaults[static_cast<size_t>(id)]);
        box->setVisible(Option(static_cast<OptionId>(id)).visible);
        OptionBoxes[static_cast<size_t>(id)] = box;
    }
    for (const OptionRow &o : kVisibleOptions)
        row(QString::fromLatin1(o.label), OptionBoxes[o.id]);
    optionRowsLayout_->setRowStretch(static_cast<int>(optionRows_.size()), 1);
    for (QComboBox *box : visibleOptionBoxes()) {
        box->installEventFilter(this);
        box->lineEdit()->installEventFilter(this);
    }
    // The hidden options and their labels are never shown.
    const OptionRow hidden[] = {{OptVoxLev, "VOX Lev"}, {OptVoxTime, "VOX Time"}, {OptBeep, "Beep"}};
    for (const OptionRow &h : hidden) {
        auto *l = new QLabel(QString::fromLatin1(h.label), client_);
        l->hide();
        OptionBoxes[h.id]->hide();
    }

    rbtn = new QPushButton(tr("&Read(F11)"));
    connect(rbtn, &QPushButton::clicked, this, &TForm1::rbtnClick);
    wbtn = new QPushButton(tr("&Write(F12)"));
    connect(wbtn, &QPushButton::clicked, this, &TForm1::WriteClick);
    auto *buttons = new QVBoxLayout(GroupBox2);
    buttons->setContentsMargins(20, 6, 20, 6);
    buttons->setSpacing(8);
    buttons->addWidget(rbtn);
    buttons->addWidget(wbtn);

    optionPanel_ = new QWidget(client_);
    optionPanel_->setFixedWidth(193);
    auto *panel = new QVBoxLayout(optionPanel_);
    panel->setContentsMargins(0, 2, 0, 0);
    panel->setSpacing(8);
    auto *scroll = new TFittingScrollArea(GroupBox1, optionPanel_);
    scroll->setObjectName(QStringLiteral("OptionScroll"));
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    panel->addWidget(scroll, 1);
    panel->addWidget(GroupBox2);
    spaceOptions(12, 36, 300);
}

void TForm1::spaceOptions(int rowGap, int buttonHeight, int groupHeight)
{
    optionRowsLayout_->setVerticalSpacing(rowGap);
    GroupBox1->setMinimumHeight(groupHeight);
    for (QPushButton *b : {rbtn, wbtn})
        b->setFixedHeight(buttonHeight);
    GroupBox2->setFixedHeight(2 * buttonHeight + 46); // with the options' group, as high as the grid
}

void TForm1::ScaleFormToScreen(QSize screen)
{
    const int w = screen.width() * 99 / 100;
    const int h = screen.height() * 90 / 100;
    const double fy = h / 630.0;
    const double fx = w / 930.0;
    const double f = std::fabs(fy - 1) < std::fabs(fx - 1) ? fy : fx;
    if (screen == QSize(1440, 900))
        return;
    // The layouts place and size every control for the font.
    QFont font = this->font();
    font.setPointSizeF(font.pointSizeF() * f);
    setFont(font);
}

void TForm1::AdaptToSmallScreen(QSize screen)
{
    if (screen.width() > 800 && screen.height() > 600)
        return;
    ScaleFormToScreen(screen);
    // 800 x 545, or what the screen holds of it below the title and the
    // menu bar. The grid shows more columns and scrolls; the options sit
    // closer and scroll where the window is too low for them.
    const int width = std::min(800, screen.width());
    const int height = std::clamp(screen.height() - 60, 420, 545);
    static_cast<TClientArea *>(client_)->FirstSize = QSize(width, height);
    spaceOptions(6, 30, 0);
    const int widths[][2] = {{0, 50},  {3, 69},  {4, 69},  {5, 50},  {6, 31},  {7, 50}, {8, 50},
                             {9, 50},  {10, 50}, {11, 34}, {12, 26}, {13, 50}, {14, 50}};
    for (const auto &cw : widths)
        xg->setColWidths(cw[0], std::max(cw[1], neededWidth(cw[0]))); // no text cut
    for (int c = 0; c < kChannelColumns; ++c)
        laidOutWidths_[static_cast<size_t>(c)] = xg->ColWidths(c);
    setOptions(DefaultOptionTexts()); // the same as the normal layout's
    comcbb->setEditText(QStringLiteral("COM1"));
}

} // namespace lumora
