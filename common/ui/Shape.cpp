#include "Shape.h"

#include <QPainter>

namespace qs {

Shape::Shape(Kind kind, QWidget* parent) : QWidget(parent), kind_(kind) {}

void Shape::setBrushColor(TColor color)
{
    if (brush_ == color)
        return;
    brush_ = color;
    update();
}

void Shape::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(ToQColor(brush_));
    const QRect r = rect().adjusted(0, 0, -1, -1);
    if (kind_ == Circle) {
        p.setRenderHint(QPainter::Antialiasing);
        const int d = std::min(r.width(), r.height());
        p.drawEllipse(QRect(r.x() + (r.width() - d) / 2, r.y() + (r.height() - d) / 2, d, d));
    } else {
        p.drawRect(r);
    }
}

}  // namespace qs
