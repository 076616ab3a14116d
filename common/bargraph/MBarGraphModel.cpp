#include "MBarGraphModel.h"

#include "MBarGraphColors.h"

#include <cmath>
#include <utility>

namespace qs {

namespace {

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -127.5 -> -128).
int Round(double x)
{
    return static_cast<int>(std::nearbyint(x));
}

}  // namespace

MBarGraphModel::MBarGraphModel(TextMeasure measure) : measure_(std::move(measure))
{
    const int w = width_;
    const int h = height_;

    // The bars start at their full-scale signed places; the first redraw moves them.
    minusBar_.brushColor = minusColorAt1_;
    layout_.barLeft = 1;
    layout_.barCentre = Round((w - 1) / 2.0);
    Place(minusBar_, layout_.barLeft, 1, layout_.barCentre - layout_.barLeft, h - 2);

    plusBar_.brushColor = plusColorAt1_;
    layout_.plusStart = layout_.barCentre + 3;
    layout_.barRight = w - 1;
    Place(plusBar_, layout_.plusStart, 1, layout_.barRight - layout_.plusStart, h - 2);

    centreGap_.brushColor = 0xFFFFFFu;
    centreGap_.visible = true;
    Place(centreGap_, layout_.barCentre + 1, 1, layout_.plusStart - layout_.barCentre - 2, h - 2);

    if (measure_) {
        const TextExtent e = measure_(textLabel_.caption);
        textLabel_.width = e.width;
        textLabel_.height = e.height;
    }

    redrawPending_ = true;
}

void MBarGraphModel::SetSize(int width, int height)
{
    width_ = width;
    height_ = height;
}

void MBarGraphModel::BarGraphResize()
{
    Redraw(true);
}

void MBarGraphModel::Resize(int width, int height)
{
    SetSize(width, height);
    BarGraphResize();
}

double MBarGraphModel::Clamp(double value)
{
    // A NaN would otherwise slip through both comparisons and reach the integer
    // conversions of the layout; it is drawn as 0.
    if (std::isnan(value))
        return 0.0;
    if (value < -1.0)
        return -1.0;
    if (value > 1.0)
        return 1.0;
    return value;
}

void MBarGraphModel::Place(BarShapeState& shape, int left, int top, int width, int height)
{
    shape.left = left;
    shape.top = top;
    shape.width = width < 0 ? 0 : width;
    shape.height = height < 0 ? 0 : height;
}

void MBarGraphModel::Paint(BarShapeState& shape, TColor color)
{
    shape.brushColor = color;
    shape.visible = true;
}

void MBarGraphModel::SetMBGOrientation(TMBGOrientation value)
{
    if (value == orientationHorizontal)
        constraints_ = {30, 6};
    else if (value == orientationVertical)
        constraints_ = {6, 30};
    orientation_ = value;
    Redraw(true);
}

void MBarGraphModel::SetMBGValue(double value)
{
    value_ = value;
    clampedValue_ = Clamp(value);
    Redraw(false);
}

void MBarGraphModel::SetMBGValueFrom(double value)
{
    valueFrom_ = value;
    clampedValueFrom_ = Clamp(value);
    Redraw(false);
}

void MBarGraphModel::SetMBGValueTo(double value)
{
    valueTo_ = value;
    clampedValueTo_ = Clamp(value);
    Redraw(false);
}

void MBarGraphModel::SetMBGMinusColorAt0(TColor value)
{
    minusColorAt0_ = value;
    Redraw(true);
}

void MBarGraphModel::SetMBGMinusColorAt1(TColor value)
{
    minusColorAt1_ = value;
    Redraw(true);
}

void MBarGraphModel::SetMBGPlusColorAt0(TColor value)
{
    plusColorAt0_ = value;
    Redraw(true);
}

void MBarGraphModel::SetMBGPlusColorAt1(TColor value)
{
    plusColorAt1_ = value;
    Redraw(true);
}

void MBarGraphModel::SetMBGMode(TMBGMode value)
{
    mode_ = value;
    Redraw(true);
}

void MBarGraphModel::SetMBGInverseText(bool value)
{
    inverseText_ = value;
    Redraw(true);
}

void MBarGraphModel::SetMBGTextPosition(TMBGTextPosition value)
{
    textPosition_ = value;
    Redraw(true);
}

void MBarGraphModel::SetMBGTextLeft(int value)
{
    textLeft_ = value;
    Redraw(true);
}

void MBarGraphModel::SetMBGTextTop(int value)
{
    textTop_ = value;
    Redraw(true);
}

void MBarGraphModel::SetMBGText(const std::string& utf8Text)
{
    text_ = utf8Text;
    Redraw(true);
}

void MBarGraphModel::Redraw(bool force)
{
    lastRedraw_ = {};
    lastRedraw_.forced = force;
    const bool barTest = force || clampedValue_ != drawnValue_ || redrawPending_;
    const bool bandTest = force || clampedValueFrom_ != drawnValueFrom_ ||
                          clampedValueTo_ != drawnValueTo_ || redrawPending_;
    const bool horizontal = orientation_ == orientationHorizontal;
    const bool vertical = orientation_ == orientationVertical;

    switch (mode_) {
    case modeSigned:
        if (horizontal)
            RedrawSignedHorizontal(barTest);
        else if (vertical)
            RedrawSignedVertical(barTest);
        break;
    case modeUnsigned:
        if (horizontal)
            RedrawUnsignedHorizontal(barTest);
        else if (vertical)
            RedrawUnsignedVertical(barTest);
        break;
    case modeFromTo:
        if (horizontal)
            RedrawFromToHorizontal(barTest, bandTest);
        else if (vertical)
            Hide(centreGap_);  // the bars keep what they had
        break;
    }

    redrawPending_ = false;
    drawnValue_ = clampedValue_;
    drawnValueFrom_ = clampedValueFrom_;
    drawnValueTo_ = clampedValueTo_;
}

// Minus bar ends at C and grows left, plus bar starts at R0 and grows right; the one-pixel
// mark at C + 1 has an empty column on each side.
void MBarGraphModel::RedrawSignedHorizontal(bool barTest)
{
    const double v = clampedValue_;
    const int w = width_;
    const int h = height_;
    centreGap_.visible = true;
    BarLayout& l = layout_;
    l.barLeft = 1;
    l.barCentre = Round((w - 1) / 2.0);
    l.plusStart = l.barCentre + 3;
    l.barRight = w - 1;

    if (barTest && v < 0) {
        const int left = l.barCentre + Round((l.barCentre - l.barLeft) * v);
        Place(minusBar_, left, 1, l.barCentre - left, h - 2);
        Paint(minusBar_, BlendColor(minusColorAt0_, minusColorAt1_, -v));
        Hide(plusBar_);
    }
    if (barTest && v > 0) {
        Place(plusBar_, l.plusStart, 1, Round((l.barRight - l.plusStart) * v), h - 2);
        Paint(plusBar_, BlendColor(plusColorAt0_, plusColorAt1_, v));
        Hide(minusBar_);
    }
    if (barTest)
        lastRedraw_.barPlaced = true;
    if (v == 0) {
        Hide(plusBar_);
        Hide(minusBar_);
    }
    Place(centreGap_, l.barCentre + 1, 1, l.plusStart - l.barCentre - 2, h - 2);
}

// The plus bar is the upper one and ends near C; the minus bar starts at B0 and grows down.
void MBarGraphModel::RedrawSignedVertical(bool barTest)
{
    const double v = clampedValue_;
    const int w = width_;
    const int h = height_;
    centreGap_.visible = true;
    BarLayout& l = layout_;
    l.barTop = 1;
    l.barMiddle = Round((h - 1) / 2.0);
    l.minusStart = l.barMiddle + 3;
    l.barBottom = h - 1;

    if (barTest && v < 0) {
        Place(minusBar_, 1, l.minusStart, w - 2, Round((l.minusStart - l.barBottom) * v));
        Paint(minusBar_, BlendColor(minusColorAt0_, minusColorAt1_, -v));
        Hide(plusBar_);
    }
    if (barTest && v > 0) {
        const int span = l.barMiddle - l.barTop;
        Place(plusBar_, 1, l.barTop + Round((1 - v) * span), w - 2, Round(span * v));
        Paint(plusBar_, BlendColor(plusColorAt0_, plusColorAt1_, v));
        Hide(minusBar_);
    }
    if (barTest)
        lastRedraw_.barPlaced = true;
    if (v == 0) {
        Hide(plusBar_);
        Hide(minusBar_);
    }
    Place(centreGap_, 1, l.barMiddle + 1, w - 2, l.minusStart - l.barMiddle - 2);
}

// One bar from the left edge; at 0 it is shown with width 0, below 0 nothing is shown.
void MBarGraphModel::RedrawUnsignedHorizontal(bool barTest)
{
    const double v = clampedValue_;
    Hide(centreGap_);
    layout_.barLeft = 1;
    layout_.barRight = width_ - 1;

    if (barTest) {
        lastRedraw_.barPlaced = true;
        if (v < 0) {
            Hide(minusBar_);
            Hide(plusBar_);
        } else {
            Place(plusBar_, layout_.barLeft, 1, Round((layout_.barRight - layout_.barLeft) * v),
                  height_ - 2);
            Paint(plusBar_, BlendColor(plusColorAt0_, plusColorAt1_, v));
            Hide(minusBar_);
        }
    }
    PlaceText();
}

// The label is measured and moved only when the text changed: while it stays the same the
// label keeps its place, even when the bar moves underneath.
void MBarGraphModel::PlaceText()
{
    if (text_ == textLabel_.caption)
        return;
    lastRedraw_.textPlaced = true;
    textLabel_.caption = text_;
    const TextExtent e = measure_ ? measure_(text_) : TextExtent{};
    textLabel_.width = e.width;
    textLabel_.height = e.height;
    const int tw = e.width;
    const int th = e.height;

    // The bar as it stands, also when it is hidden.
    const int pl = plusBar_.left;
    const int pw = plusBar_.width;
    const int pt = plusBar_.top;
    const int ph = plusBar_.height;
    const int inside = pl + pw - 2 - tw;  // ends 2 pixels inside the bar's end
    const int outside = pl + pw + 2;      // starts 2 pixels after the bar's end

    switch (textPosition_) {
    case tpInside:
        textLabel_.left = inside;
        break;
    case tpOutside:
        textLabel_.left = outside;
        break;
    case tpAuto:
        // Hysteresis: between tw + 4 and tw + 8 the last choice stands, so a bar that
        // wobbles around the text's width does not make the text jump back and forth.
        if (pw < tw + 4)
            textOutside_ = true;
        if (pw > tw + 8)
            textOutside_ = false;
        textLabel_.left = textOutside_ ? outside : inside;
        break;
    case tpFix:
        textLabel_.left = textLeft_;
        break;
    case tpCentre:
        // The middle of the track, not of the bar.
        textLabel_.left = Round((layout_.barRight - layout_.barLeft) / 2.0) + pl - Round(tw / 2.0);
        break;
    }
    textLabel_.top = textPosition_ == tpFix ? textTop_ : pt + Round((ph - th) / 2.0);
    textLabel_.fontColor = inverseText_ ? InverseColor(plusBar_.brushColor) : clBlack;
}

// One bar growing upwards from the bottom; no text in this orientation.
void MBarGraphModel::RedrawUnsignedVertical(bool barTest)
{
    const double v = clampedValue_;
    Hide(centreGap_);
    layout_.barTop = 1;
    layout_.barBottom = height_ - 1;

    if (!barTest)
        return;
    lastRedraw_.barPlaced = true;
    if (v <= 0) {
        Hide(minusBar_);
        Hide(plusBar_);
        return;
    }
    const int span = layout_.barBottom - layout_.barTop;
    Place(plusBar_, 1, layout_.barTop + Round((1 - v) * span), width_ - 2, Round(span * v));
    Paint(plusBar_, BlendColor(plusColorAt0_, plusColorAt1_, v));
    Hide(minusBar_);
}

// PlusBar is a narrow position marker over MinusBar, a from..to band of a third of the
// height in the middle. The band is not clamped at the track start: a negative from or to
// puts it left of x = 1, where the control clips it.
void MBarGraphModel::RedrawFromToHorizontal(bool barTest, bool bandTest)
{
    Hide(centreGap_);
    const int a = width_ - 2;
    int markerWidth = Round(a * 0.02);
    if (markerWidth < 2)
        markerWidth = 2;

    if (barTest) {
        lastRedraw_.barPlaced = true;
        const double p = clampedValue_ < 0 ? 0.0 : clampedValue_;
        Place(plusBar_, Round((a - markerWidth) * p) + 1, 1, markerWidth, height_ - 2);
        Paint(plusBar_, BlendColor(plusColorAt0_, plusColorAt1_, p));
    }
    if (bandTest) {
        lastRedraw_.bandPlaced = true;
        double lo = clampedValueFrom_;
        double hi = clampedValueTo_;
        if (lo > hi)
            std::swap(lo, hi);
        const int left = Round(a * lo) + 1;
        const int third = Round(height_ / 3.0);
        // From and to within about a pixel give a width of 0 or less: no band.
        Place(minusBar_, left, third, Round(a * hi - left), third);
        Paint(minusBar_, BlendColor(minusColorAt0_, minusColorAt1_, (lo + hi) / 2));
    }
}

}  // namespace qs
