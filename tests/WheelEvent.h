#pragma once
// A turn of the mouse wheel as the platform delivers it to the control under the pointer.
#include <QCoreApplication>
#include <QRectF>
#include <QWheelEvent>
#include <QWidget>

namespace wheel {

// One notch of the wheel towards the user over the middle of the control.
inline void Down(QWidget* control)
{
    const QPointF at = QRectF(control->rect()).center();
    QWheelEvent event(at, control->mapToGlobal(at), {}, {0, -120}, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(control, &event);
}

}  // namespace wheel
