#include "ScreenFit.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <QWidget>

#include <algorithm>

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

QRect FrameOn(const QRect& area, QSize design, const QMargins& frame)
{
    const int w = std::min(design.width() + frame.left() + frame.right(), area.width());
    const int h = std::min(design.height() + frame.top() + frame.bottom(), area.height());
    return {area.left() + (area.width() - w) / 2, area.top() + (area.height() - h) / 2, w, h};
}

void FitAndCentre(QWidget* window, QSize design)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect inner = window->geometry();
    const QRect outer = window->frameGeometry();
    const QMargins own(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                       outer.bottom() - inner.bottom());
    const QMargins frame = window->windowHandle() && !own.isNull() ? own : kUsualFrame;
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
