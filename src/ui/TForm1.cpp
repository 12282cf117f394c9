#include "ui/TForm1.h"

#include "memory/ChannelCellRules.h"
#include "memory/ChannelColumns.h"
#include "memory/ChannelFile.h"
#include "memory/ChirpCsv.h"
#include "memory/Errors.h"
#include "memory/WholeFile.h"
#include "protocol/ConnectionCheck.h"
#include "serial/PortList.h"
#include "serial/TComm.h"
#include "ui/LocalTimeText.h"
#include "ui/TComboCellEditor.h"
#include "ui/TEditCellEditor.h"
#include "ui/TForm3.h"
#include "ui/TPortBox.h"
#include "ui/TXStringGrid.h"
#include "ui/TextArrivalFilter.h"
#include "ui/UserDialogs.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopedValueRollback>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <algorithm>
#include <cmath>

namespace lumora {

namespace {

const QColor kHeaderColor(235, 233, 237);
const QString kFileFilter = QStringLiteral("*.wh (*.wh)");
const QString kCsvFilter = QStringLiteral("CHIRP CSV (*.csv)");
constexpr qint64 kCsvMaxBytes = 1024 * 1024;
const QChar kFullWidthColon(0xFF1A);
const QString kTitle = QStringLiteral("LUMORA  V1.0");

// The optional settings' boxes from top to bottom, with their labels.
struct OptionRow {
    int box; // ComboBoxN
    const char *label;
};
const OptionRow kVisibleOptions[] = {{4, "TOT"},  {3, "SQ Lev"}, {9, "Save Power"}, {8, "Scan"},
                                     {6, "PF1:"}, {7, "PF2:"},   {5, "Voice"}};

// ComboBoxN holds option N-1.
OptionId optionOf(int box) { return static_cast<OptionId>(box - 1); }

} // namespace

TForm1::TForm1(QSize screen, QWidget *parent)
    : QMainWindow(parent),
      history_([this] { return Snapshot(); }, [this](const EditedMemory &m) { Restore(m); })
{
    setWindowTitle(kTitle);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    QFont small = font(); // the window's 8 pt font, in the system's own face
    small.setPointSize(8);
    setFont(small);
    Comm1 = new TComm(this);
    Comm1->CommName = QStringLiteral("COM2");
    Comm1->setOutx_XonXoffFlow(false);
    Comm1->setInx_XonXoffFlow(false);
    Comm1->setReadIntervalTimeout(20);
    Comm1->OnReceiveData = [this](TComm *, const uint8_t *b, uint16_t n) { Comm1ReceiveData(b, n); };
    Comm1->OnRequestHangup = [this](TComm *) { Comm1RequestHangup(); };

    Tim1 = new QTimer(this);
    Tim1->setInterval(kRetransmitIntervalMs);
    connect(Tim1, &QTimer::timeout, this, &TForm1::Tim1Timer);
    Timer1 = new QTimer(this);
    Timer1->setInterval(15000);
    Timer2 = new QTimer(this);
    Timer2->setInterval(20);
    connect(Timer2, &QTimer::timeout, this, &TForm1::Timer2Timer);

    buildLayout();

    // FormCreate
    if (!screen.isValid() && QGuiApplication::primaryScreen())
        screen = QGuiApplication::primaryScreen()->size();
    AdaptToSmallScreen(screen);
    static_cast<TPortBox *>(comcbb)->RefreshPorts();
    if (comcbb->count() > 0) {
        comcbb->setCurrentIndex(0);
        comcbb->setEditText(comcbb->itemText(0));
    }
    for (QAction *entry : SignaEntries)
        entry->setEnabled(false);
    Timer2->start();
    Timer2Timer();
    // Pasted, dropped and composed text passes the rule typed text passes.
    new TextArrivalFilter(this, [this](QWidget *target, const QString &text) { return allowedText(target, text); });
    qApp->installEventFilter(this); // the window sees every key first

    // What the window starts with counts as saved.
    connect(xg, &TXStringGrid::Edited, this, &TForm1::recordEdit);
    connect(xg, &TXStringGrid::UndoRequested, this, &TForm1::Undo);
    connect(xg, &TXStringGrid::RedoRequested, this, &TForm1::Redo);
    // An option chosen or typed is a step; the options put in by a file,
    // a read or an undo are part of that one step.
    for (int n = 1; n <= 10; ++n)
        connect(ComboBoxes[n], &QComboBox::currentTextChanged, this, [this] {
            if (!settingOptions_)
                recordEdit();
        });
    markSaved();
}

TForm1::~TForm1()
{
    qApp->removeEventFilter(this);
    xg->OnSetEditText = nullptr; // an open edit commits as the window goes
    xg->disconnect(this);        // ... and is no step of a history that is gone
    for (int n = 1; n <= 10; ++n)
        ComboBoxes[n]->disconnect(this);
    Comm1->OnReceiveData = nullptr;
    Comm1->OnRequestHangup = nullptr;
    Comm1->ClosePort();          // no serial thread outlives the window
}

void TForm1::buildLayout()
{
    client_ = new QWidget(this);
    client_->setFixedSize(851, 490);
    setCentralWidget(client_);

    FileMenu = menuBar()->addMenu(QStringLiteral("File"));
    Open1 = FileMenu->addAction(QStringLiteral("Open"), this, [this] { OpenClick(false); });
    Save1 = FileMenu->addAction(QStringLiteral("Save"), this, [this] { SaveClick(false); });
    FileMenu->addSeparator();
    ImportCsv1 = FileMenu->addAction(QStringLiteral("Import CSV..."), this, &TForm1::ImportCsvClick);
    ExportCsv1 = FileMenu->addAction(QStringLiteral("Export CSV..."), this, &TForm1::ExportCsvClick);
    Verify1 = FileMenu->addAction(QStringLiteral("Verify with radio"), this, &TForm1::VerifyClick);
    CheckConnection1 = FileMenu->addAction(QStringLiteral("Check connection"), this, &TForm1::CheckConnectionClick);
    FileMenu->addSeparator();
    Exit1 = FileMenu->addAction(QStringLiteral("Exit"), this, &QWidget::close);
    SignaMenu = menuBar()->addMenu(QStringLiteral("Signa"));
    const char *signa[] = {"DTMF", "2TONE", "5TONE", "FSK"};
    for (int i = 0; i < 4; ++i)
        SignaEntries[i] = SignaMenu->addAction(QString::fromLatin1(signa[i]), this, [this, i] { SignaClick(i); });

    ToolBar1 = new QToolBar(client_);
    ToolBar1->setGeometry(0, 0, 851, 30);
    ToolBar1->setIconSize(QSize(20, 20));
    QStyle *s = style();
    auto tool = [&](QStyle::StandardPixmap icon, const char *hint, auto slot) {
        QAction *a = ToolBar1->addAction(s->standardIcon(icon), QString::fromLatin1(hint));
        a->setToolTip(QString::fromLatin1(hint));
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    ToolButton1 = tool(QStyle::SP_DialogOpenButton, "Open", [this] { OpenClick(true); });
    ToolButton2 = tool(QStyle::SP_DialogSaveButton, "Save", [this] { SaveClick(true); });
    ToolBar1->addSeparator();
    ToolButton3 = tool(QStyle::SP_ArrowUp, "Write(F12)", [this] {
        MoveFocusOn();
        wbtnClick();
    });
    ToolButton4 = tool(QStyle::SP_ArrowDown, "Read(F11)", [this] {
        MoveFocusOn();
        rbtnClick();
    });
    ToolBar1->addSeparator();
    ToolButton6 = tool(QStyle::SP_DialogCloseButton, "Exit", [this] { close(); });

    buildGrid();
    buildOptions();

    auto *status = new QStatusBar(client_);
    status->setSizeGripEnabled(false);
    status->setGeometry(0, 466, 851, 24);
    for (QLabel *&panel : StatusPanels) {
        panel = new QLabel(status);
        panel->setFixedWidth(150);
        status->addWidget(panel);
    }
    client_->adjustSize();
    setFixedSize(sizeHint());
}

void TForm1::buildGrid()
{
    xg = new TXStringGrid(client_, kChannelColumns, kChannelRows);
    xg->setObjectName(QStringLiteral("xg"));
    xg->setGeometry(0, 30, 644, 428);
    xg->ImmediateEditMode = true;
    xg->FixedColor = kHeaderColor;
    xg->FixedLineColor = Qt::black;
    xg->setRowHeights(0, 24);
    xg->setRowHeights(1, 22);
    for (int r = 2; r < kChannelRows; ++r)
        xg->setRowHeights(r, 24);

    EditCellEditor1 = new TEditCellEditor(this);
    EditCellEditor1->setObjectName(QStringLiteral("EditCellEditor1"));
    struct ComboSpec {
        const QStringList &items;
        const char *defaultText;
        bool list;
    };
    const ComboSpec specs[11] = {
        {ToneVocabulary(), "", false}, // unused slot 0
        {ToneVocabulary(), "NONE", false},
        {TxPowerTexts(), "HIGH", true},
        {WideNarrowTexts(), "WIDE", true},
        {NoneYesTexts(), "YES", true},
        {StepFreqTexts(), "25000", true},
        {DtmfKeyTexts(), "NONE", true},
        {ScramblerTexts(), "NONE", true},
        {PttIdTexts(), "NONE", true},
        {PttIdTypeTexts(), "DTMF", true},
        {PttIdNoTexts(), "1", true},
    };
    for (int i = 1; i <= 10; ++i) {
        auto *e = new TComboCellEditor(this);
        e->setObjectName(QStringLiteral("ComboCellEditor%1").arg(i));
        e->Items = specs[i].items;
        e->DefaultText = QString::fromLatin1(specs[i].defaultText);
        e->Style = specs[i].list ? TComboCellEditor::csDropDownList : TComboCellEditor::csDropDown;
        ComboCellEditors[i] = e;
    }
    // column: width, editor (0 none, -1 the free-text one, else ComboCellEditorN)
    const int layout[kChannelColumns][2] = {{70, 0},  {80, -1}, {80, -1}, {80, 1}, {80, 1}, {80, 2},
                                            {80, 3},  {80, 4},  {-1, 5},  {-1, 6}, {-1, 6}, {-1, 8},
                                            {-1, 7},  {-1, 9},  {-1, 10}, {-1, 4}};
    for (int c = 0; c < kChannelColumns; ++c) {
        TXStringColumnItem &column = xg->Columns()[c];
        column.setCaption(ChannelCaptions()[c]);
        column.setWidth(layout[c][0]);
        column.setAlignment(Qt::AlignCenter);
        column.setHeaderAlignment(Qt::AlignCenter);
        column.setHeaderColor(kHeaderColor);
        const int editor = layout[c][1];
        if (editor == -1)
            column.setEditor(EditCellEditor1);
        else if (editor > 0)
            column.setEditor(ComboCellEditors[editor]);
    }
    for (int r = 1; r < kChannelRows; ++r)
        xg->setCells(ColChannelNo, r, QString::number(r));
    xg->TypedTextRule = [this](const QString &text) { return allowedText(xg, text); };
    // The committed cell as the event names it, never the current one.
    xg->OnSetEditText = [this](TXStringGrid *, int col, int row, const QString &) { xgSetEditText(col, row); };
}

void TForm1::buildOptions()
{
    GroupBox1 = new QGroupBox(QStringLiteral("Optional Function"), client_);
    GroupBox1->setGeometry(652, 32, 193, 300);
    GroupBox2 = new QGroupBox(QStringLiteral("W/R"), client_);
    GroupBox2->setGeometry(652, 340, 193, 118);

    // The boxes sit on the window over their groups, as the window moves
    // some of them on a small screen.
    auto row = [&](int i, const QString &label, QComboBox *box) {
        auto *l = new QLabel(label, client_);
        l->setGeometry(662, 54 + i * 34, 72, 22);
        box->setParent(client_);
        box->setGeometry(736, 54 + i * 34, 100, 22);
    };
    comcbb = new TPortBox(client_);
    comcbb->setObjectName(QStringLiteral("comcbb"));
    comcbb->setEditable(true);
    comcbb->setInsertPolicy(QComboBox::NoInsert);
    comcbb->setEditText(QStringLiteral("COM1"));
    row(0, QStringLiteral("COM"), comcbb);

    const OptionTexts defaults = DefaultOptionTexts();
    for (int n = 1; n <= 10; ++n) {
        auto *box = new QComboBox(client_);
        box->setObjectName(QStringLiteral("ComboBox%1").arg(n));
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setCompleter(nullptr);
        box->addItems(Option(optionOf(n)).items);
        box->setEditText(defaults[optionOf(n)]);
        box->setVisible(Option(optionOf(n)).visible);
        ComboBoxes[n] = box;
    }
    int i = 1;
    for (const OptionRow &o : kVisibleOptions)
        row(i++, QString::fromLatin1(o.label), ComboBoxes[o.box]);
    for (QComboBox *box : visibleOptionBoxes()) {
        box->installEventFilter(this);
        box->lineEdit()->installEventFilter(this);
    }
    // The hidden options and their labels are never shown.
    const std::pair<int, const char *> hidden[] = {{1, "VOX Lev"}, {2, "VOX Time"}, {10, "Beep"}};
    for (const auto &h : hidden) {
        auto *l = new QLabel(QString::fromLatin1(h.second), client_);
        l->hide();
        ComboBoxes[h.first]->hide();
    }

    rbtn = new QPushButton(QStringLiteral("Read(F11)"), client_);
    rbtn->setGeometry(672, 364, 153, 36);
    connect(rbtn, &QPushButton::clicked, this, &TForm1::rbtnClick);
    wbtn = new QPushButton(QStringLiteral("Write(F12)"), client_);
    wbtn->setGeometry(672, 408, 153, 36);
    connect(wbtn, &QPushButton::clicked, this, &TForm1::wbtnClick);
}

void TForm1::setSignallingWindows(const std::array<QWidget *, 4> &windows,
                                  const SignallingRoutes &routes)
{
    signalling_ = windows;
    routes_ = routes;
    for (QWidget *w : signalling_)
        if (w)
            w->setAttribute(Qt::WA_QuitOnClose, false);
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
    auto even = [](double v) { return static_cast<int>(std::nearbyint(v)); };
    QFont font = this->font();
    font.setPointSizeF(font.pointSizeF() * f);
    setFont(font);
    for (QWidget *child : client_->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        const QRect g = child->geometry();
        child->setGeometry(even(g.x() * fx), even(g.y() * fy), even(g.width() * fx),
                           even(g.height() * fy));
    }
}

void TForm1::AdaptToSmallScreen(QSize screen)
{
    if (screen.width() > 800 && screen.height() > 600)
        return;
    ScaleFormToScreen(screen);
    client_->setFixedSize(800, 545);
    xg->setGeometry(0, xg->y(), 830, 370);
    const int widths[][2] = {{0, 50},  {3, 69},  {4, 69},  {5, 50},  {6, 31},  {7, 50}, {8, 50},
                             {9, 50},  {10, 50}, {11, 34}, {12, 26}, {13, 50}, {14, 50}};
    for (const auto &cw : widths)
        xg->setColWidths(cw[0], cw[1]);
    for (QWidget *w : {static_cast<QWidget *>(comcbb), static_cast<QWidget *>(wbtn),
                       static_cast<QWidget *>(rbtn)})
        w->move(w->x(), 455);
    OptionTexts o = DefaultOptionTexts();
    o[OptVoice] = QStringLiteral("CHINESE");
    setOptions(o);
    ComboBoxes[10]->setEditText(QStringLiteral("OPEN"));
    comcbb->setEditText(QStringLiteral("COM1"));
    setFixedSize(sizeHint());
}

void TForm1::EnableWindow(bool enabled)
{
    client_->setEnabled(enabled);
    menuBar()->setEnabled(enabled);
}

void TForm1::FormActivate()
{
    for (int r = 1; r <= kChannelCount; ++r)
        xg->setCells(ColChannelNo, r, QString::number(r));
}

bool TForm1::event(QEvent *e)
{
    if (e->type() == QEvent::WindowActivate)
        FormActivate();
    return QMainWindow::event(e);
}

void TForm1::Timer2Timer()
{
    const QLocale locale = QLocale::system();
    const QDateTime now = QDateTime::currentDateTime();
    StatusPanels[0]->setText(QStringLiteral("Present Com") + kFullWidthColon + comcbb->currentText());
    StatusPanels[1]->setText(QStringLiteral("Date") + kFullWidthColon
                             + locale.toString(now.date(), QLocale::ShortFormat));
    StatusPanels[2]->setText(QStringLiteral("Time") + kFullWidthColon
                             + LocalTimeText(locale, now.time()));
}

void TForm1::xgSetEditText(int col, int row) { ApplyChannelCellRules(*xg, col, row); }

OptionTexts TForm1::Options() const
{
    OptionTexts o;
    for (int n = 1; n <= 10; ++n)
        o[optionOf(n)] = ComboBoxes[n]->currentText();
    return o;
}

void TForm1::setOptions(const OptionTexts &options)
{
    const QScopedValueRollback<bool> setting(settingOptions_, true);
    for (int n = 1; n <= 10; ++n)
        ComboBoxes[n]->setEditText(options[optionOf(n)]);
}

void TForm1::OpenChannelFile(const QString &fileName)
{
    OptionTexts o = Options();
    LoadChannelFile(*xg, o, fileName);
    setOptions(o);
    markSaved();
}

void TForm1::SaveChannelFileAs(const QString &fileName)
{
    SaveChannelFile(*xg, Options(), fileName);
    markSaved();
}

TForm1::EditedMemory TForm1::Snapshot() const
{
    EditedMemory m;
    for (int r = 0; r < xg->RowCount(); ++r)
        m.rows << xg->Rows(r);
    m.options = Options();
    return m;
}

void TForm1::Restore(const EditedMemory &memory)
{
    xg->commitEdit();
    for (int r = 0; r < memory.rows.size() && r < xg->RowCount(); ++r)
        for (int c = 0; c < memory.rows[r].size() && c < xg->ColCount(); ++c)
            xg->setCells(c, r, memory.rows[r][c]);
    setOptions(memory.options);
    showModified();
}

void TForm1::recordEdit()
{
    history_.Checkpoint();
    showModified();
}

void TForm1::markSaved()
{
    history_.Checkpoint(); // an open or a read can be undone as well
    saved_ = Snapshot();
    showModified();
}

void TForm1::showModified()
{
    setWindowTitle(HasUnsavedChanges() ? QLatin1Char('*') + kTitle : kTitle);
}

void TForm1::Undo()
{
    xg->commitEdit();
    history_.Undo();
}

void TForm1::Redo()
{
    xg->commitEdit();
    history_.Redo();
}

bool TForm1::AskToSaveChanges()
{
    xg->commitEdit();
    recordEdit();
    if (!HasUnsavedChanges())
        return true;
    switch (UserDialogs().AskSaveChanges(
            QStringLiteral("Save changes?"),
            QStringLiteral("The channel table or the optional settings have changed since they were "
                           "last opened, saved or read from the radio."))) {
    case IUserDialogs::SaveAnswer::Save: {
        const QString name = UserDialogs().AskSaveFileName(this, kFileFilter, QStringLiteral("wh"));
        if (name.isEmpty())
            return false;
        SaveChannelFileAs(name);
        return true;
    }
    case IUserDialogs::SaveAnswer::Discard:
        return true;
    case IUserDialogs::SaveAnswer::Cancel:
        break;
    }
    return false;
}

int TForm1::ImportCsvFile(const QString &fileName)
{
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly))
        throw EFOpenError(QStringLiteral("Cannot open file \"%1\". %2").arg(fileName, f.errorString()));
    if (f.size() > kCsvMaxBytes)
        throw EFOpenError(QStringLiteral("\"%1\" is too large for a channel list").arg(fileName));
    xg->commitEdit();
    ChirpImportSummary summary;
    try {
        summary = ImportChirpCsv(f.readAll(), *xg);
    } catch (EFOpenError &e) {
        e.setDetail(QStringLiteral("File: %1").arg(fileName)); // the message names the line only
        throw;
    }
    recordEdit();
    ShowMessage(summary.text());
    return summary.rowsTaken;
}

void TForm1::ExportCsvFile(const QString &fileName)
{
    xg->commitEdit();
    SaveWholeFile(fileName, ExportChirpCsv(*xg));
}

void TForm1::ImportCsvClick()
{
    MoveFocusOn();
    if (!AskToSaveChanges())
        return;
    const QString name = UserDialogs().AskOpenFileName(this, kCsvFilter, QStringLiteral("csv"));
    if (!name.isEmpty())
        ImportCsvFile(name);
}

void TForm1::ExportCsvClick()
{
    MoveFocusOn();
    const QString name = UserDialogs().AskSaveFileName(this, kCsvFilter, QStringLiteral("csv"));
    if (!name.isEmpty())
        ExportCsvFile(name);
}

void TForm1::OpenClick(bool moveFocusFirst)
{
    if (moveFocusFirst)
        MoveFocusOn();
    if (!AskToSaveChanges())
        return;
    const QString name = UserDialogs().AskOpenFileName(this, kFileFilter, QStringLiteral("wh"));
    if (!name.isEmpty())
        OpenChannelFile(name);
}

void TForm1::SaveClick(bool moveFocusFirst)
{
    if (moveFocusFirst)
        MoveFocusOn();
    const QString name = UserDialogs().AskSaveFileName(this, kFileFilter, QStringLiteral("wh"));
    if (!name.isEmpty())
        SaveChannelFileAs(name);
}

void TForm1::CheckConnectionClick()
{
    xg->commitEdit();
    if (AnyTransferUnderWay())
        throw ELumoraError(QStringLiteral("Another transfer with the radio is under way. "
                                          "Wait until it has finished, then try again"));
    Comm1->ClosePort(); // an idle signalling window's port: checked like any other
    comcbb->setEnabled(true);
    // The chosen port first, also where the system does not list it.
    QVector<SerialPortEntry> ports = ListSerialPortEntries();
    const QString chosen = comcbb->currentText();
    const auto listed = std::find_if(ports.begin(), ports.end(), [&](const SerialPortEntry &p) { return p.name == chosen; });
    if (listed != ports.end())
        std::rotate(ports.begin(), listed, listed + 1);
    else if (!chosen.isEmpty())
        ports.prepend({chosen, QString()});
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const ConnectionReport report = CheckConnections(ports);
    QApplication::restoreOverrideCursor();
    ShowMessage(report.text());
}

void TForm1::SelectPort(const QString &name)
{
    int i = comcbb->findText(name);
    if (i < 0) {
        comcbb->addItem(name);
        i = comcbb->count() - 1;
    }
    comcbb->setCurrentIndex(i);
    comcbb->setEditText(name);
}

void TForm1::MoveFocusOn()
{
    if (QWidget *focus = QApplication::focusWidget(); focus && focus->window() == this)
        focusNextChild();
    xg->commitEdit(); // also when the window has no focus to move
}

void TForm1::OpenPortForSignalling()
{
    if (comcbb->isEnabledTo(client_) && !Comm1->IsOpen()) {
        Comm1->CommName = comcbb->currentText();
        Comm1->OpenPort();
        comcbb->setEnabled(false);
    }
}

void TForm1::SignaClick(int window)
{
    OpenPortForSignalling();
    if (QWidget *w = signalling_[window]) {
        w->show();
        w->raise();
    }
}

std::array<QComboBox *, 8> TForm1::visibleOptionBoxes() const
{
    return {comcbb,        ComboBoxes[3], ComboBoxes[4], ComboBoxes[5],
            ComboBoxes[6], ComboBoxes[7], ComboBoxes[8], ComboBoxes[9]};
}

QComboBox *TForm1::optionBoxOf(QObject *watched) const
{
    for (QComboBox *box : visibleOptionBoxes())
        if (watched == box || watched == box->lineEdit())
            return box;
    return nullptr;
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress)
        return filterKey(watched, static_cast<QKeyEvent *>(event));
    if (event->type() == QEvent::FocusOut) {
        // Leaving an emptied option box puts its default back.
        QComboBox *box = optionBoxOf(watched);
        if (box && box->currentText().isEmpty()) {
            const auto n = static_cast<int>(std::find(ComboBoxes.begin(), ComboBoxes.end(), box) - ComboBoxes.begin());
            box->setEditText(box == comcbb ? QStringLiteral("COM1") : Option(optionOf(n)).defaultText);
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

QChar TForm1::WindowCharacter(QChar c)
{
    // Only the characters of frequencies, tones, DCS codes and "NONE".
    if (c == QLatin1Char('.') || (c >= QLatin1Char('0') && c <= QLatin1Char('9')))
        return c;
    const QChar upper = c.toUpper();
    if (c.unicode() < 128 && QStringLiteral("EINO").contains(upper))
        return upper;
    return QChar();
}

QString TForm1::allowedText(QWidget *target, const QString &text) const
{
    QString allowed;
    for (QChar c : text)
        if (const QChar k = WindowCharacter(c); !k.isNull())
            allowed += k;
    // The option boxes take no characters, but TOT its digits.
    if (QComboBox *box = optionBoxOf(target)) {
        if (box != ComboBoxes[4])
            return QString();
        allowed.remove(QRegularExpression(QStringLiteral("[^0-9]")));
    }
    return allowed;
}

bool TForm1::filterKey(QObject *watched, QKeyEvent *key)
{
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != this)
        return false;
    if (key->key() == Qt::Key_F11 || key->key() == Qt::Key_F12) {
        if (!client_->isEnabled())
            return true; // a transfer is under way: the window takes no input
        if (key->key() == Qt::Key_F11)
            rbtnClick();
        else
            wbtnClick();
        return true;
    }
    // The filter keeps characters out of text; buttons and the like take
    // their keys (Space presses a button).
    if (!qobject_cast<QLineEdit *>(widget) && !qobject_cast<QComboBox *>(widget)
        && !qobject_cast<TXStringGrid *>(widget))
        return false;
    const QString text = key->text();
    const int k = key->key();
    const bool enter = k == Qt::Key_Return || k == Qt::Key_Enter;
    // Ctrl, alone or with Shift, makes a command of any key: no edit box
    // inserts its text. With any other modifier (Alt, AltGr) a character
    // is typed, and passes the rule.
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    const bool command = mods == Qt::ControlModifier || mods == (Qt::ControlModifier | Qt::ShiftModifier);
    if (text.isEmpty() || command || (!text[0].isPrint() && !enter && k != Qt::Key_Backspace))
        return false;
    if (text[0].isPrint()) {
        const QChar c = text[0];
        const QChar k2 = WindowCharacter(c);
        if (k2.isNull())
            return true;
        if (k2 != c) {
            QKeyEvent raised(key->type(), k, key->modifiers(), QString(k2));
            QCoreApplication::sendEvent(watched, &raised);
            return true;
        }
    }
    // The option boxes' own rules.
    if (QComboBox *box = optionBoxOf(watched)) {
        if (enter) {
            focusNextChild();
            return true;
        }
        return allowedText(box, text).isEmpty() && !(box == ComboBoxes[4] && k == Qt::Key_Backspace);
    }
    return false;
}

} // namespace lumora
