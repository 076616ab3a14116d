#include "SpeedButton.h"

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
