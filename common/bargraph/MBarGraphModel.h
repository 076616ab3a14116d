#pragma once
#include "common/ui/TColor.h"

#include <functional>
#include <string>

namespace qs {

// The bar graph's state and layout, without any widget: given the control's size, its
// properties and a way to measure text, it keeps the picture of the four children
// (MinusBar, PlusBar, CentreGap, TextLabel) exactly as the control shows them. The widget
// TMBarGraph forwards every property write and every resize here and copies the children's
// state onto its child widgets.

enum TMBGOrientation : int { orientationHorizontal = 0, orientationVertical = 1 };
enum TMBGMode : int { modeSigned = 0, modeUnsigned = 1, modeFromTo = 2 };
enum TMBGTextPosition : int { tpInside = 0, tpOutside = 1, tpAuto = 2, tpFix = 3, tpCentre = 4 };

// Width and height of a caption in the control's font.
struct TextExtent {
    int width = 0;
    int height = 0;
};
using TextMeasure = std::function<TextExtent(const std::string& utf8Text)>;

// One of the three shapes. Extents below 0 are kept as 0: such a shape shows nothing.
struct BarShapeState {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool visible = false;
    TColor brushColor = clWhite;
};

// The text label: auto-sized to its caption, transparent, left-justified.
struct BarLabelState {
    std::string caption = "0%";
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    TColor fontColor = clWindowText;
};

// What one redraw did, for the widget (the label takes the control's font when its text is
// placed) and for tests.
struct RedrawReport {
    bool forced = false;
    bool barPlaced = false;   // the bar test passed (bars placed again)
    bool bandPlaced = false;  // the band test passed in the horizontal from..to mode
    bool textPlaced = false;  // the text step measured and moved the label
};

// The control's layout numbers, in client pixels; the redraw of each mode rewrites its own.
struct BarLayout {
    int barLeft = 0, barCentre = 0, plusStart = 0, barRight = 0;   // horizontal: L, C, R0, R1
    int barTop = 0, barMiddle = 0, minusStart = 0, barBottom = 0;  // vertical: T, C, B0, B1
};

struct BarConstraints {
    int minWidth = 0;
    int minHeight = 0;
};

class MBarGraphModel {
public:
    // The control as created: 105 x 17, the children at their full-scale places, a redraw
    // pending. The measure (may be empty: every text then measures 0 x 0) also sizes the
    // initial "0%" caption.
    explicit MBarGraphModel(TextMeasure measure = {});

    // The control's current outer size (bevel included). Takes effect at the next redraw.
    void SetSize(int width, int height);
    int Width() const { return width_; }
    int Height() const { return height_; }
    // The resize hook: a forced redraw at the current size.
    void BarGraphResize();
    // SetSize, then the resize hook.
    void Resize(int width, int height);

    // Published properties. Every setter ends in a redraw: forced, except for the three
    // value setters, which redraw only when the clamped value moved.
    void SetMBGOrientation(TMBGOrientation value);
    void SetMBGValue(double value);
    void SetMBGMinusColorAt0(TColor value);
    void SetMBGMinusColorAt1(TColor value);
    void SetMBGPlusColorAt0(TColor value);
    void SetMBGPlusColorAt1(TColor value);
    void SetMBGMode(TMBGMode value);
    void SetMBGInverseText(bool value);
    void SetMBGTextPosition(TMBGTextPosition value);
    void SetMBGTextLeft(int value);
    void SetMBGTextTop(int value);
    void SetMBGText(const std::string& utf8Text);
    void SetMBGValueFrom(double value);
    void SetMBGValueTo(double value);

    TMBGOrientation MBGOrientation() const { return orientation_; }
    double MBGValue() const { return value_; }  // as written, not clamped
    TColor MBGMinusColorAt0() const { return minusColorAt0_; }
    TColor MBGMinusColorAt1() const { return minusColorAt1_; }
    TColor MBGPlusColorAt0() const { return plusColorAt0_; }
    TColor MBGPlusColorAt1() const { return plusColorAt1_; }
    TMBGMode MBGMode() const { return mode_; }
    bool MBGInverseText() const { return inverseText_; }
    TMBGTextPosition MBGTextPosition() const { return textPosition_; }
    int MBGTextLeft() const { return textLeft_; }
    int MBGTextTop() const { return textTop_; }
    const std::string& MBGText() const { return text_; }
    double MBGValueFrom() const { return valueFrom_; }
    double MBGValueTo() const { return valueTo_; }

    // The values that are drawn, and the state the redraw keeps between calls.
    double ClampedValue() const { return clampedValue_; }
    double ClampedValueFrom() const { return clampedValueFrom_; }
    double ClampedValueTo() const { return clampedValueTo_; }
    bool RedrawPending() const { return redrawPending_; }
    bool TextOutside() const { return textOutside_; }

    // The picture.
    const BarShapeState& MinusBar() const { return minusBar_; }
    const BarShapeState& PlusBar() const { return plusBar_; }
    const BarShapeState& CentreGap() const { return centreGap_; }
    const BarLabelState& TextLabel() const { return textLabel_; }
    const BarLayout& Layout() const { return layout_; }
    const BarConstraints& Constraints() const { return constraints_; }
    const RedrawReport& LastRedraw() const { return lastRedraw_; }

    // Turns the state into the picture (see the .cpp for the steps of each mode).
    void Redraw(bool force);

private:
    static double Clamp(double value);
    static void Place(BarShapeState& shape, int left, int top, int width, int height);
    static void Paint(BarShapeState& shape, TColor color);
    static void Hide(BarShapeState& shape) { shape.visible = false; }

    void RedrawSignedHorizontal(bool barTest);
    void RedrawSignedVertical(bool barTest);
    void RedrawUnsignedHorizontal(bool barTest);
    void RedrawUnsignedVertical(bool barTest);
    void RedrawFromToHorizontal(bool barTest, bool bandTest);
    void PlaceText();

    TextMeasure measure_;
    int width_ = 105;
    int height_ = 17;

    TMBGOrientation orientation_ = orientationHorizontal;
    double value_ = 0.5;
    TColor minusColorAt0_ = 0xFFFFFFu;
    TColor minusColorAt1_ = 0xFF0000u;
    TColor plusColorAt0_ = 0xFFFFFFu;
    TColor plusColorAt1_ = 0x0000FFu;
    TMBGMode mode_ = modeUnsigned;
    bool inverseText_ = false;
    TMBGTextPosition textPosition_ = tpAuto;
    int textLeft_ = 0;
    int textTop_ = 0;
    std::string text_;
    double valueFrom_ = 0.25;
    double valueTo_ = 0.75;

    // From and To are drawn as 0 until their setters run (a form that loads the control
    // writes both).
    double clampedValue_ = 0.5;
    double clampedValueFrom_ = 0.0;
    double clampedValueTo_ = 0.0;
    double drawnValue_ = 0.0;
    double drawnValueFrom_ = 0.0;
    double drawnValueTo_ = 0.0;
    bool redrawPending_ = false;
    bool textOutside_ = true;

    BarShapeState minusBar_;
    BarShapeState plusBar_;
    BarShapeState centreGap_;
    BarLabelState textLabel_;
    BarLayout layout_;
    BarConstraints constraints_{30, 5};
    RedrawReport lastRedraw_;
};

}  // namespace qs
