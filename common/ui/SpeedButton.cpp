#include "SpeedButton.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <qdrawutil.h>

namespace qs {

SpeedButton::SpeedButton(const QString& caption, int groupIndex, QWidget* container)
    : QToolButton(container), groupIndex_(groupIndex), container_(container)
{
    setText(caption);
    setAutoRaise(false);
    setToolButtonStyle(Qt::ToolButtonTextOnly);
    setCheckable(groupIndex > 0);
    setAutoExclusive(false);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void SpeedButton::SetDown(bool down)
{
    if (groupIndex_ <= 0)
        return;
    if (down)
        releaseSiblings();
    setChecked(down);
}

void SpeedButton::nextCheckState()
{
    // A user's click: a Down button comes up; an up button goes Down and releases its group.
    if (isChecked()) {
        setChecked(false);
    } else {
        releaseSiblings();
        setChecked(true);
    }
}

void SpeedButton::releaseSiblings()
{
    if (!container_)
        return;
    const auto buttons = container_->findChildren<SpeedButton*>();
    for (SpeedButton* b : buttons)
        if (b != this && b->container_ == container_ && b->groupIndex_ == groupIndex_)
            b->setChecked(false);
}

QColor SpeedButton::DownFace() const
{
    // Dark enough to tell from the button face across the room; the caption stays readable.
    return palette().color(QPalette::Button).darker(135);
}

void SpeedButton::paintEvent(QPaintEvent*)
{
    // The speed buttons of the platform the programs were designed on: a raised 3-D edge when
    // up, a sunken one with a darker face when Down or while the mouse holds it.
    QPainter p(this);
    const bool sunken = isChecked() || isDown();
    const QBrush face(sunken ? DownFace() : palette().color(QPalette::Button));
    qDrawWinButton(&p, rect(), palette(), sunken, &face);
    // The caption moves one pixel down and right on a sunken button, as the edge does.
    const QRect text = rect().adjusted(2, 2, -2, -2).translated(sunken ? QPoint(1, 1) : QPoint());
    style()->drawItemText(&p, text, Qt::AlignCenter | Qt::TextShowMnemonic, palette(), isEnabled(),
                          this->text(), QPalette::ButtonText);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(4, 4, -4, -4);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
    }
}

}  // namespace qs
