#include "AppRefresh.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace qs {

void RefreshAllWindows()
{
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget* w : windows)
        if (w->isVisible())
            w->repaint();
}

void RefreshWindow(QWidget* window)
{
    if (window && window->isVisible())
        window->repaint();
}

bool IsExactlyAlt(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons)
{
    const Qt::KeyboardModifiers shiftState =
        modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    return shiftState == Qt::AltModifier && buttons == Qt::NoButton;
}

AltKeyFilter::AltKeyFilter(QWidget* window, std::function<void()> handler)
    : QObject(window), window_(window), handler_(std::move(handler))
{
    qApp->installEventFilter(this);
}

bool AltKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (widget->window() != window_)
        return false;

    // An unhandled key press travels up the parents as the same event object: only its first
    // delivery counts.
    const bool propagating = event == lastEvent_ && lastReceiver_ && lastReceiver_ != watched &&
                             lastReceiver_->isWidgetType() &&
                             widget->isAncestorOf(static_cast<QWidget*>(lastReceiver_.data()));
    lastEvent_ = event;
    lastReceiver_ = watched;
    if (propagating)
        return false;

    const auto* key = static_cast<QKeyEvent*>(event);
    if (IsExactlyAlt(key->modifiers(), QGuiApplication::mouseButtons()) && handler_)
        handler_();
    return false;
}

void ExitWithoutCloseHandling(bool& skipCloseHandling)
{
    skipCloseHandling = true;
    QCoreApplication::exit(0);
}

}  // namespace qs
