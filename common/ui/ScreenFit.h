#pragma once
#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

// Main windows on screens of any size. A window is laid out for a design size; where the
// screen's available area (without task bars) holds it with its frame, it keeps that size;
// where not, it is made as large as the area allows, so that its scroll area brings every
// control within reach. Either way it is centred on the area.
namespace screenfit {

// The frame a window manager usually draws round a window (borders and a title bar), taken
// while the window has no frame of its own yet.
constexpr QMargins kUsualFrame{4, 30, 4, 4};

// The window's frame and client size, centred on `area`: the design client size, or as much
// of it as fits the area with the frame.
QRect FrameOn(const QRect& area, QSize design, const QMargins& frame);

// Resizes and moves the window as FrameOn gives for its screen's available area, with its
// own frame once it has one.
void FitAndCentre(QWidget* window, QSize design);

// FitAndCentre now, with the usual frame, and again when the window is first shown and its
// own frame is known, unless its size or position was changed in between.
void Place(QWidget* window, QSize design);

}  // namespace screenfit
