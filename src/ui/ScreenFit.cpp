#include "ui/ScreenFit.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>
#include <QWindow>
#include <algorithm>

namespace lumora {

TFittingScrollArea::TFittingScrollArea(QWidget *content, QWidget *parent) : QScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus); // the controls it holds take the focus, never the area itself
    setWidgetResizable(true);
    setWidget(content);
    // The window's own background shows through, as it does without scrolling.
    viewport()->setAutoFillBackground(false);
    content->setAutoFillBackground(false);
}

QSize TFittingScrollArea::sizeHint() const
{
    // QScrollArea caps its hint at a few dozen lines of text; this one asks
    // for everything it holds.
    QSize size = widget() ? widget()->sizeHint().expandedTo(widget()->minimumSizeHint()) : QSize(0, 0);
    if (verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn)
        size.rwidth() += verticalScrollBar()->sizeHint().width();
    if (horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOn)
        size.rheight() += horizontalScrollBar()->sizeHint().height();
    return size;
}

QSize TFittingScrollArea::minimumSizeHint() const
{
    // Room for a line of what it holds and a scroll bar: the rest scrolls.
    const int bar = verticalScrollBar()->sizeHint().width();
    const QSize full = sizeHint();
    const int across = horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOff ? full.width() : 4 * bar;
    return QSize(std::min(full.width(), across), std::min(full.height(), 3 * bar));
}

namespace {

class FitOnShow : public QObject {
public:
    explicit FitOnShow(QWidget *window) : QObject(window) {}
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched == parent())
            FitToScreen(static_cast<QWidget *>(watched));
        return false;
    }
};

} // namespace

void FitToScreenOnShow(QWidget *window)
{
    window->installEventFilter(new FitOnShow(window));
}

QMargins WindowFrameOf(const QWidget *window)
{
    const QWindow *handle = window->windowHandle();
    const QMargins drawn = handle ? handle->frameMargins() : QMargins();
    if (!drawn.isNull())
        return drawn;
    return QMargins(4, 30, 4, 4); // a title bar and a thin frame, as most systems draw them
}

QRect RoomOnScreen(const QWidget *window)
{
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return QRect(0, 0, 1 << 14, 1 << 14);
    return screen->availableGeometry().marginsRemoved(WindowFrameOf(window));
}

void FitToScreen(QWidget *window)
{
    if (!window->isWindow() || window->isMaximized() || window->isFullScreen())
        return;
    const QRect room = RoomOnScreen(window);
    // Qt's first size of a window is at most two thirds of the screen; its
    // own is as large as its content, where the screen has the room.
    const QSize wanted = window->testAttribute(Qt::WA_Resized) ? window->size() : window->sizeHint();
    const QSize size = wanted.boundedTo(room.size()).expandedTo(window->minimumSize());
    if (size != window->size())
        window->resize(size);
    // Wholly inside the free area, title bar included, where it fits.
    const QRect at = window->geometry();
    const int x = std::clamp(at.x(), room.left(), std::max(room.left(), room.right() + 1 - at.width()));
    const int y = std::clamp(at.y(), room.top(), std::max(room.top(), room.bottom() + 1 - at.height()));
    if (x != at.x() || y != at.y()) {
        const QMargins frame = WindowFrameOf(window);
        window->move(x - frame.left(), y - frame.top());
    }
}

} // namespace lumora
