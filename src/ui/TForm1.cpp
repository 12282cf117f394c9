#include "ui/TForm1.h"

#include <QStatusBar>

#include "memory/ChannelCellRules.h"
#include "memory/ChannelColumns.h"
#include "serial/TComm.h"
#include "ui/LocalTimeText.h"
#include "ui/TPortBox.h"
#include "ui/TXStringGrid.h"
#include "ui/TextArrivalFilter.h"
#include "ui/ToolTexts.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QLabel>
#include <QMenuBar>
#include <QScopedValueRollback>
#include <QScreen>
#include <QTimer>

namespace lumora {

namespace {

const QChar kFullWidthColon(0xFF1A);

} // namespace

TForm1::TForm1(QSize screen, QWidget *parent)
    : QMainWindow(parent),
      history_([this] { return Snapshot(); }, [this](const EditedMemory &m) { Restore(m); })
{
    setWindowTitle(ToolTitle());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
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
    new TextArrivalFilter(this, [this](QWidget *target, const QString &text) {
        const QString allowed = allowedText(target, text);
        QString leftOut;
        for (QChar c : text)
            if (WindowCharacter(c).isNull())
                leftOut += c;
        sayWhatTheCellTakes(target, leftOut);
        return allowed;
    });
    qApp->installEventFilter(this); // the window sees every key first

    // What the window starts with counts as saved.
    connect(xg, &TXStringGrid::Edited, this, &TForm1::recordEdit);
    connect(xg, &TXStringGrid::UndoRequested, this, &TForm1::Undo);
    connect(xg, &TXStringGrid::RedoRequested, this, &TForm1::Redo);
    // An option chosen or typed is a step; the options put in by a file,
    // a read or an undo are part of that one step.
    for (QComboBox *box : OptionBoxes)
        connect(box, &QComboBox::currentTextChanged, this, [this] {
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
    xg->OnCheckEditText = nullptr; // nothing of this window is left to judge it
    xg->CellNote = nullptr;
    xg->CellWarning = nullptr;
    for (QComboBox *box : OptionBoxes)
        box->disconnect(this);
    Comm1->OnReceiveData = nullptr;
    Comm1->OnRequestHangup = nullptr;
    Comm1->ClosePort();          // no serial thread outlives the window
}

void TForm1::setSignallingWindows(const std::vector<QWidget *> &windows, const SignallingRoutes &routes)
{
    signalling_ = windows;
    routes_ = routes;
    for (QWidget *w : signalling_)
        if (w)
            w->setAttribute(Qt::WA_QuitOnClose, false);
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
    StatusPanels[0]->setText(tr("Present Com") + kFullWidthColon + comcbb->currentText());
    StatusPanels[1]->setText(tr("Date") + kFullWidthColon
                             + locale.toString(now.date(), QLocale::ShortFormat));
    StatusPanels[2]->setText(tr("Time") + kFullWidthColon
                             + LocalTimeText(locale, now.time()));
}

void TForm1::xgSetEditText(int col, int row)
{
    // What was typed has been judged (checkTypedCell): the rules only
    // change its form, fill a new channel and empty a deleted one.
    ApplyChannelCellRules(*xg, col, row);
}

OptionTexts TForm1::Options() const
{
    OptionTexts o;
    for (size_t id = 0; id < OptionBoxes.size(); ++id)
        o[id] = OptionBoxes[id]->currentText();
    return o;
}

void TForm1::setOptions(const OptionTexts &options)
{
    const QScopedValueRollback<bool> setting(settingOptions_, true);
    for (size_t id = 0; id < OptionBoxes.size(); ++id)
        OptionBoxes[id]->setEditText(options[id]);
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

void TForm1::EndOfMessage() { Comm1->EndOfMessage(); }

void TForm1::OpenPortForSignalling()
{
    if (comcbb->isEnabledTo(client_) && !Comm1->IsOpen()) {
        Comm1->CommName = comcbb->currentText();
        Comm1->OpenPort();
        comcbb->setEnabled(false);
    }
}

void TForm1::ReleasePort()
{
    // Left open, the port would keep the port box locked and another
    // program away from the radio.
    if (AnyTransferUnderWay() || !Comm1->IsOpen() || comcbb->isEnabledTo(client_))
        return;
    for (QWidget *w : signalling_)
        if (w && w->isVisible())
            return;
    Comm1->ClosePort();
    comcbb->setEnabled(true);
}

void TForm1::SignaClick(int window)
{
    OpenPortForSignalling();
    if (QWidget *w = window < static_cast<int>(signalling_.size()) ? signalling_[window] : nullptr) {
        w->show();
        w->raise();
    }
}

} // namespace lumora
