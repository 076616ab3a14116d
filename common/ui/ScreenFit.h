#pragma once
#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace qs {

// Windows on screens of any size. The forms were designed with their outer sizes, on a
// platform whose windows carry 8-pixel sizing borders on every side and a 22-pixel caption
// above the top border. On a screen too small for a form, the form shrinks to the screen's
// available area (without task bars) and keeps every control reachable (its page area
// scrolls); a window that would stand partly off the screen is moved just enough to lie on
// it. On a screen large enough nothing changes.
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

// FitAndCentre now, and again when the window is first shown and its own frame is known,
// unless its size or position was changed in between.
void Place(QWidget* window, QSize design);

}  // namespace screenfit

}  // namespace qs
