#include "ScreenFit.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace qs {

namespace screenfit {

namespace {

// Places the window again on its first show, when the window system has given it a frame.
class PlaceOnShow : public QObject {
public:
    PlaceOnShow(QWidget* window, QSize design)
        : QObject(window), design_(design), placedAt_(window->pos()), placedSize_(window->size())
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            auto* window = static_cast<QWidget*>(watched);
            // A window's position is its frame's.
            if (window->pos() == placedAt_ && window->size() == placedSize_)
                FitAndCentre(window, design_);
            deleteLater();
        }
        return false;
    }

private:
    QSize design_;
    QPoint placedAt_;
    QSize placedSize_;
};

}  // namespace

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

void Place(QWidget* window, QSize design)
{
    FitAndCentre(window, design);
    new PlaceOnShow(window, design);
}

}  // namespace screenfit

}  // namespace qs
