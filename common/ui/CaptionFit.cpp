#include "CaptionFit.h"

#include <QAbstractButton>
#include <QEvent>
#include <QFontInfo>
#include <QFontMetrics>

namespace qs {

CaptionFit* CaptionFit::Install(QAbstractButton* control)
{
    return new CaptionFit(control);
}

CaptionFit::CaptionFit(QAbstractButton* control)
    : QObject(control), control_(control), design_(control->font()),
      designPixels_(QFontInfo(control->font()).pixelSize()),
      frame_(control->sizeHint().width() -
             control->fontMetrics().horizontalAdvance(control->text()))
{
    design_.setPixelSize(designPixels_);
    QSizePolicy policy = control->sizePolicy();
    policy.setHorizontalPolicy(QSizePolicy::Ignored);
    control->setSizePolicy(policy);
    control->setMinimumWidth(1);
    control->installEventFilter(this);
}

int CaptionFit::PixelsFor(int width) const
{
    QFont font = design_;
    int pixels = designPixels_;
    for (; pixels > kFloorPixels; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetrics(font).horizontalAdvance(control_->text()) + frame_ <= width)
            break;
    }
    return pixels;
}

void CaptionFit::Fit()
{
    const int pixels = PixelsFor(control_->width());
    if (QFontInfo(control_->font()).pixelSize() == pixels)
        return;
    QFont font = design_;
    font.setPixelSize(pixels);
    control_->setFont(font);
}

bool CaptionFit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == control_ && event->type() == QEvent::Resize)
        Fit();
    return QObject::eventFilter(watched, event);
}

}  // namespace qs
