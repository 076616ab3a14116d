#include "ScreenFit.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace qs {

namespace screenfit {

QMargins FrameOf(const QWidget* window)
{
    if (!window || !window->isVisible())
        return kUsualFrame;
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

QSize FittedSize(QSize design, QMargins frame, QRect available)
{
    if (available.isEmpty())
        return design;
    const int width = available.width() - frame.left() - frame.right();
    const int height = available.height() - frame.top() - frame.bottom();
    return {std::clamp(width, 1, design.width()), std::clamp(height, 1, design.height())};
}

QPoint KeptOnScreen(QPoint topLeft, QSize outer, QRect available)
{
    if (available.isEmpty())
        return topLeft;
    // The far edge first, then the near one: a window larger than the area keeps its corner.
    const int x =
        std::max(std::min(topLeft.x(), available.right() + 1 - outer.width()), available.left());
    const int y =
        std::max(std::min(topLeft.y(), available.bottom() + 1 - outer.height()), available.top());
    return {x, y};
}

QRect AvailableAreaAt(QPoint point)
{
    QScreen* screen = QGuiApplication::screenAt(point);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

QRect FrameOn(const QRect& area, QSize design, const QMargins& frame)
{
    const QSize outer = FittedSize(design, frame, area).grownBy(frame);
    return {area.left() + (area.width() - outer.width()) / 2,
            area.top() + (area.height() - outer.height()) / 2, outer.width(), outer.height()};
}

void FitAndCentre(QWidget* window, QSize design)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // A shown window without a frame (no window manager) is placed as if it had the usual one.
    QMargins frame = FrameOf(window);
    if (frame.isNull())
        frame = kUsualFrame;
    const QRect placed = FrameOn(screen->availableGeometry(), design, frame);
    window->resize(placed.size().shrunkBy(frame));
    window->move(placed.topLeft());  // a window's position is its frame's
}

QPoint CentredOn(const QRect& on, QSize outer)
{
    return {on.left() + (on.width() - outer.width()) / 2,
            on.top() + (on.height() - outer.height()) / 2};
}

void Place(QWidget* window, QSize design)
{
    FitAndCentre(window, design);
    // A window's position is its frame's: one that still stands and measures as placed is
    // placed again, with the frame it has by then.
    QRect placed(window->pos(), window->size());
    auto again = [window, design, placed]() mutable {
        if (window->pos() != placed.topLeft() || window->size() != placed.size())
            return;
        FitAndCentre(window, design);
        placed = QRect(window->pos(), window->size());
    };
    new PlaceWhenFramed(window, std::move(again), PlaceWhenFramed::Showings::First);
}

PlaceWhenFramed::PlaceWhenFramed(QWidget* window, std::function<void()> place, Showings showings)
    : QObject(window), window_(window), place_(std::move(place)), showings_(showings)
{
    window->installEventFilter(this);
}

QMargins PlaceWhenFramed::KnownFrame(QMargins guess) const
{
    if (window_->isVisible() && !FrameOf(window_).isNull())
        return FrameOf(window_);
    return lastFrame_.isNull() ? guess : lastFrame_;
}

bool PlaceWhenFramed::eventFilter(QObject* /*watched*/, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Show:
        // Placed as the showing finds it (before the window is mapped), then watched for the
        // frame where it is not known yet.
        place_();
        shownAt_ = window_->pos();
        shownSize_ = window_->size();
        waiting_ = FrameOf(window_).isNull();
        if (!waiting_) {
            lastFrame_ = FrameOf(window_);
            if (showings_ == Showings::First)
                deleteLater();
        }
        break;
    case QEvent::Move:
    case QEvent::Resize:
        // Framing moves the client area into the frame: the first move or resize after the
        // showing that finds a frame round the window.
        if (waiting_ && !FrameOf(window_).isNull()) {
            waiting_ = false;
            lastFrame_ = FrameOf(window_);
            if (window_->pos() == shownAt_ && window_->size() == shownSize_)
                place_();
            if (showings_ == Showings::First)
                deleteLater();
        }
        break;
    case QEvent::Hide:
        waiting_ = false;
        break;
    default:
        break;
    }
    return false;
}

}  // namespace screenfit

}  // namespace qs
