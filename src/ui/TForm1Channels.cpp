// The Channels menu of the main window: the selected channels moved up or
// down, an empty channel inserted, channels deleted, two swapped, the
// channels in use sorted, and rows dragged by their numbers. Each is one
// undo step and keeps every field of every channel, the columns the layout
// hides and the radio's bytes a read brought with them.

#include "ui/TForm1.h"

#include "memory/Errors.h"
#include "ui/TXStringGrid.h"
#include "ui/UserDialogs.h"

#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

namespace lumora {

namespace {

// "RX Freq" as "&RX Freq": the first letter no entry before has taken.
QString withAccessKey(const QString &caption, QString &taken)
{
    for (int i = 0; i < caption.size(); ++i) {
        const QChar c = caption[i].toLower();
        if (c.isLetterOrNumber() && !taken.contains(c)) {
            taken += c;
            return caption.left(i) + QLatin1Char('&') + caption.mid(i);
        }
    }
    return caption;
}

QString channelsText(int top, int bottom)
{
    return top == bottom ? TForm1::tr("Channel %1").arg(top) : TForm1::tr("Channels %1 to %2").arg(top).arg(bottom);
}

} // namespace

void TForm1::buildChannelsMenu()
{
    ChannelsMenu = menuBar()->addMenu(tr("&Channels"));
    // The keys act while the grid has the focus: an open cell editor keeps
    // its own (Alt+Down opens a drop-down list).
    auto entry = [this](const QString &text, const QKeySequence &key, void (TForm1::*slot)()) {
        QAction *a = ChannelsMenu->addAction(text);
        if (!key.isEmpty()) {
            a->setShortcut(key);
            a->setShortcutContext(Qt::WidgetShortcut);
        }
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    MoveUp1 = entry(tr("Move &up"), QKeySequence(Qt::ALT | Qt::Key_Up), &TForm1::MoveChannelsUp);
    MoveDown1 = entry(tr("Move &down"), QKeySequence(Qt::ALT | Qt::Key_Down), &TForm1::MoveChannelsDown);
    ChannelsMenu->addSeparator();
    InsertChannel1 = entry(tr("&Insert empty channel"), QKeySequence(Qt::ALT | Qt::Key_Insert),
                           &TForm1::InsertChannelClick);
    DeleteChannels1 = entry(tr("De&lete channels"), QKeySequence(Qt::ALT | Qt::Key_Delete),
                            &TForm1::DeleteChannelsClick);
    SwapChannels1 = entry(tr("S&wap two channels..."), QKeySequence(), &TForm1::SwapChannelsClick);
    ChannelsMenu->addSeparator();
    SortMenu = ChannelsMenu->addMenu(tr("&Sort channels in use by"));
    QString taken;
    const QStringList captions = ChannelCaptions();
    for (int col = ColRxFreq; col < kChannelColumns; ++col)
        SortMenu->addAction(withAccessKey(captions[col], taken), this, [this, col] { SortChannels(col); });
    connect(ChannelsMenu, &QMenu::aboutToShow, this, &TForm1::enableChannelCommands);
}

void TForm1::connectChannelsToGrid()
{
    xg->addActions({MoveUp1, MoveDown1, InsertChannel1, DeleteChannels1});
    xg->RowsMovable = true;
    connect(xg, &TXStringGrid::RowsDragged, this, [this](int top, int bottom, int before) {
        const int count = bottom - top + 1;
        const int landed = before > bottom ? before - count : before;
        ArrangeChannels(MovedChannels(top, bottom, before), landed, landed + count - 1,
                        tr("%1 moved to %2").arg(channelsText(top, bottom)).arg(landed));
    });
    connect(xg, &TXStringGrid::ContextMenuAt, this, &TForm1::showChannelsMenu);
}

void TForm1::enableChannelCommands()
{
    const QRect s = xg->Selection();
    MoveUp1->setEnabled(s.top() > 1);
    MoveDown1->setEnabled(s.bottom() < kChannelCount);
    InsertChannel1->setEnabled(!ChannelInUse(*xg, kChannelCount));
}

void TForm1::showChannelsMenu(int col, int, const QPoint &globalPos)
{
    enableChannelCommands();
    QMenu menu(this);
    if (col > 0)
        menu.addActions({Cut1, Copy1, Paste1, Delete1});
    else
        menu.addActions({Copy1});
    menu.addSeparator();
    menu.addActions({MoveUp1, MoveDown1});
    menu.addSeparator();
    menu.addActions({InsertChannel1, DeleteChannels1, SwapChannels1});
    menu.addSeparator();
    menu.addMenu(SortMenu);
    menu.exec(globalPos);
}

void TForm1::ArrangeChannels(const ChannelOrder &order, int top, int bottom, const QString &said)
{
    if (MainReadUnderWay() || MainWriteUnderWay())
        throw ELumoraError(tr("The channels cannot be rearranged while the radio is being read or written"));
    xg->commitEdit();
    recordEdit(); // an edit just committed is a step of its own
    ApplyChannelOrder(*xg, order);
    baseline_.Rearrange(order);
    xg->SelectRows(top, bottom);
    recordEdit();
    if (!said.isEmpty())
        StatusBar1->showMessage(said + tr(" (Ctrl+Z undoes it)"), 8000);
}

void TForm1::MoveChannelsUp()
{
    const QRect s = xg->Selection();
    if (s.top() <= 1)
        return;
    ArrangeChannels(MovedChannels(s.top(), s.bottom(), s.top() - 1), s.top() - 1, s.bottom() - 1);
}

void TForm1::MoveChannelsDown()
{
    const QRect s = xg->Selection();
    if (s.bottom() >= kChannelCount)
        return;
    ArrangeChannels(MovedChannels(s.top(), s.bottom(), s.bottom() + 2), s.top() + 1, s.bottom() + 1);
}

void TForm1::InsertChannelClick()
{
    if (ChannelInUse(*xg, kChannelCount))
        throw ELumoraError(tr("No channel was inserted: channel 16 is in use, and the channels below "
                                          "would have no room. Delete or move channel 16 first"));
    const int at = xg->Selection().top();
    ArrangeChannels(InsertedChannel(at), at, at,
                    tr("An empty channel inserted at %1; channels %1 to 15 moved down one").arg(at));
}

void TForm1::DeleteChannelsClick()
{
    const QRect s = xg->Selection();
    ArrangeChannels(DeletedChannels(s.top(), s.bottom()), s.top(), s.top(),
                    tr("%1 deleted; the channels below moved up").arg(channelsText(s.top(), s.bottom())));
}

void TForm1::SwapChannelsClick()
{
    const QRect s = xg->Selection();
    const int a = s.top();
    const int b = s.bottom() > a ? s.bottom() : (a < kChannelCount ? a + 1 : a - 1);
    const auto pair = UserDialogs().AskChannelsToSwap(this, a, b, kChannelCount);
    if (!pair || pair->first == pair->second)
        return;
    ArrangeChannels(SwappedChannels(pair->first, pair->second), pair->first, pair->first,
                    tr("Channels %1 and %2 swapped").arg(pair->first).arg(pair->second));
}

void TForm1::SortChannels(int col)
{
    const ChannelOrder order = SortedChannels(*xg, col);
    int inUse = 0;
    for (int n = 1; n <= kChannelCount; ++n)
        inUse += ChannelInUse(*xg, n) ? 1 : 0;
    if (IsUnchanged(order)) {
        StatusBar1->showMessage(tr("The channels in use are in order of %1 already").arg(ChannelCaptions()[col]),
                                8000);
        return;
    }
    ArrangeChannels(order, 1, qMax(1, inUse),
                    tr("The %1 channels in use sorted by %2, the empty ones last")
                            .arg(inUse)
                            .arg(ChannelCaptions()[col]));
}

} // namespace lumora
