#include "ScreenFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

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
    const int x = std::max(std::min(topLeft.x(), available.right() + 1 - outer.width()), available.left());
    const int y = std::max(std::min(topLeft.y(), available.bottom() + 1 - outer.height()), available.top());
    return {x, y};
}

QRect AvailableAreaAt(QPoint point)
{
    QScreen* screen = QGuiApplication::screenAt(point);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

}  // namespace screenfit
