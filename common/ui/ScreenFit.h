#pragma once
#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <functional>

class QWidget;

namespace qs {

// Windows on screens of any size. The forms were designed with their outer sizes, on a
// platform whose windows carry 8-pixel sizing borders on every side and a 22-pixel caption
// above the top border. On a screen too small for a form, the form shrinks to the screen's
// available area (without task bars) and keeps every control reachable (its page area
// scrolls); a window that would stand partly off the screen is moved just enough to lie on
// it. On a screen large enough nothing changes. Where the window manager frames a window only
// a moment after it is shown (X11), the window is placed again with its real frame.
namespace screenfit {

// The usual window frame: 8 px left, right and bottom; 8 px border plus a 22 px caption on top.
inline constexpr QMargins kUsualFrame{8, 30, 8, 8};

// The client size of a window whose outer size, with the usual frame, is `outer`.
constexpr QSize ClientOf(QSize outer)
{
    return {outer.width() - kUsualFrame.left() - kUsualFrame.right(),
            outer.height() - kUsualFrame.top() - kUsualFrame.bottom()};
}

// The frame round a shown window (none where nothing draws one); the usual frame for a
// window not shown yet, whose frame nobody knows.
QMargins FrameOf(const QWidget* window);

// The client size of a window designed at `design` with `frame` round it: the design size
// where it fits into `available`, else as much of it as fits.
QSize FittedSize(QSize design, QMargins frame, QRect available);

// The outer top-left corner of a window of outer size `outer` moved from `topLeft` just
// enough to lie within `available`; one larger than the area keeps its top-left corner in it.
QPoint KeptOnScreen(QPoint topLeft, QSize outer, QRect available);

// The available area of the screen holding `point`, or of the primary screen where none
// does; empty without a screen.
QRect AvailableAreaAt(QPoint point);

// The outer rectangle of a window designed at `design` with `frame` round it, fitted into
// `area` (FittedSize) and centred on it.
QRect FrameOn(const QRect& area, QSize design, const QMargins& frame);

// Resizes and moves a main window as FrameOn gives for its screen's available area, with its
// own frame once it has one (the usual frame before).
void FitAndCentre(QWidget* window, QSize design);

// The outer top-left corner of a window of outer size `outer` centred on `on`.
QPoint CentredOn(const QRect& on, QSize outer);

// FitAndCentre now, and again when the window is first shown and its own frame is known (at
// the showing, or where the window manager frames it only afterwards, once it has), unless its
// size or position was changed in between.
void Place(QWidget* window, QSize design);

// Runs `place` on a window's showings (on the first only, or on every one): when it is shown,
// before it is mapped, and once more where the window manager frames the window only a moment
// later (X11), as soon as the frame is known, so that a placement made with a guessed frame is
// made again with the real one; not then if something moved or resized the window since it
// was shown (the user cannot before it is framed). Where the frame is known at the showing
// (the offscreen platform) or never comes (no window manager), the showing's run is the only
// one. Owned by the window.
class PlaceWhenFramed : public QObject {
public:
    enum class Showings { First, Every };

    PlaceWhenFramed(QWidget* window, std::function<void()> place, Showings showings);

    // The window's frame as best known: its own while it is shown and framed, else the one
    // the window manager gave it when it was last shown, else `guess`.
    QMargins KnownFrame(QMargins guess) const;

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    std::function<void()> place_;
    Showings showings_;
    bool waiting_ = false;  // shown, and not framed yet
    QPoint shownAt_;
    QSize shownSize_;
    QMargins lastFrame_;
};

}  // namespace screenfit

}  // namespace qs
