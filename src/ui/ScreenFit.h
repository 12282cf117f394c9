#pragma once
// Windows that fit their screen at any size and scale: a window never comes
// up larger than the free area of its screen (what it holds scrolls
// instead), and a scroll area asks for all the room of what it holds.

#include <QMargins>
#include <QRect>
#include <QScrollArea>

namespace lumora {

// A frameless scroll area that asks for its content's full size, so that a
// window is as large as before wherever the screen has the room.
class TFittingScrollArea : public QScrollArea {
public:
    explicit TFittingScrollArea(QWidget *content, QWidget *parent = nullptr);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
};

// Each time the window is shown, it is made to fit the free area of its
// screen with its frame and title bar, and moved into it where it lies
// partly outside. A maximised or full-screen window is the system's.
void FitToScreenOnShow(QWidget *window);
void FitToScreen(QWidget *window);

// The frame and title bar the system puts around the window: as drawn once
// it has been shown, a generous guess before.
QMargins WindowFrameOf(const QWidget *window);
// The free area of the window's screen, less the window's frame: the most
// a window's own geometry may take.
QRect RoomOnScreen(const QWidget *window);

} // namespace lumora
