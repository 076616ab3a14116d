#include "MBarGraph.h"

#include "common/ui/Shape.h"

#include <algorithm>
#include <QFontMetrics>
#include <QLabel>
#include <QResizeEvent>

namespace qs {

namespace {

Shape* MakeBar(QWidget* parent, const char* name)
{
    auto* shape = new Shape(Shape::Rectangle, parent);
    shape->setObjectName(QString::fromLatin1(name));
    shape->setProperty("Tag", 1);
    return shape;
}

}  // namespace

TMBarGraph::TMBarGraph(QWidget* parent)
    : QFrame(parent), model_([this](const std::string& text) { return MeasureText(text); })
{
    setObjectName(QStringLiteral("MBarGraph"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);  // the lowered bevel: one pixel each side
    setLineWidth(1);
    resize(105, 17);
    SetWidgetColors(this, clBtnFace, clWindowText);

    // Created in this order, so each lies above the previous: the marker over the band in
    // the from..to mode, the text over everything.
    minusBar_ = MakeBar(this, "MinusBar");
    plusBar_ = MakeBar(this, "PlusBar");
    centreGap_ = MakeBar(this, "CentreGap");
    textLabel_ = new QLabel(QString::fromStdString(model_.TextLabel().caption), this);
    textLabel_->setObjectName(QStringLiteral("TextLabel"));
    textLabel_->setProperty("Tag", 1);
    textLabel_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    textLabel_->setAutoFillBackground(false);  // transparent over the bar
    textLabel_->setContentsMargins(0, 0, 0, 0);
    textLabel_->setMargin(0);
    textLabel_->setIndent(0);
    Apply();
}

TMBarGraph::~TMBarGraph() = default;

TextExtent TMBarGraph::MeasureText(const std::string& utf8Text) const
{
    const QFontMetrics fm(font());
    return {fm.horizontalAdvance(QString::fromStdString(utf8Text)), fm.height()};
}

void TMBarGraph::SyncSize()
{
    model_.SetSize(width(), height());
}

void TMBarGraph::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    BarGraphResize();
}

void TMBarGraph::BarGraphResize()
{
    SyncSize();
    model_.BarGraphResize();
    Apply();
}

void TMBarGraph::Apply()
{
    const auto applyShape = [](qs::Shape* shape, const BarShapeState& s) {
        shape->setGeometry(s.left, s.top, s.width, s.height);
        shape->setBrushColor(s.brushColor);
        shape->setVisible(s.visible);
    };
    applyShape(minusBar_, model_.MinusBar());
    applyShape(plusBar_, model_.PlusBar());
    applyShape(centreGap_, model_.CentreGap());

    const BarLabelState& label = model_.TextLabel();
    if (model_.LastRedraw().textPlaced) {
        // The label takes a full copy of the control's font at the moment its text is
        // placed, and keeps it until the text changes again.
        QFont copy = font();
        copy.setResolveMask(QFont::AllPropertiesResolved);
        textLabel_->setFont(copy);
    }
    textLabel_->setText(QString::fromStdString(label.caption));
    textLabel_->setGeometry(label.left, label.top, label.width, label.height);
    if (FontColorOf(textLabel_) != label.fontColor)
        SetFontColor(textLabel_, label.fontColor);

    // The constraints are lower limits only: a minimum the owner set itself (a fixed size)
    // stays where it is larger. Changing the minimum size can resize the control, which
    // redraws it once more.
    const BarConstraints& c = model_.Constraints();
    if (minimumSize() != appliedMinimum_)
        ownerMinimum_ = minimumSize();  // set by the owner since the last redraw
    const QSize wanted = ownerMinimum_.expandedTo(QSize(c.minWidth, c.minHeight));
    if (wanted != minimumSize())
        setMinimumSize(wanted);
    appliedMinimum_ = wanted;
}

void TMBarGraph::SetMBGOrientation(TMBGOrientation value)
{
    SyncSize();
    model_.SetMBGOrientation(value);
    Apply();
}

void TMBarGraph::SetMBGValue(double value)
{
    SyncSize();
    model_.SetMBGValue(value);
    Apply();
}

void TMBarGraph::SetMBGMinusColorAt0(TColor value)
{
    SyncSize();
    model_.SetMBGMinusColorAt0(value);
    Apply();
}

void TMBarGraph::SetMBGMinusColorAt1(TColor value)
{
    SyncSize();
    model_.SetMBGMinusColorAt1(value);
    Apply();
}

void TMBarGraph::SetMBGPlusColorAt0(TColor value)
{
    SyncSize();
    model_.SetMBGPlusColorAt0(value);
    Apply();
}

void TMBarGraph::SetMBGPlusColorAt1(TColor value)
{
    SyncSize();
    model_.SetMBGPlusColorAt1(value);
    Apply();
}

void TMBarGraph::SetMBGMode(TMBGMode value)
{
    SyncSize();
    model_.SetMBGMode(value);
    Apply();
}

void TMBarGraph::SetMBGInverseText(bool value)
{
    SyncSize();
    model_.SetMBGInverseText(value);
    Apply();
}

void TMBarGraph::SetMBGTextPosition(TMBGTextPosition value)
{
    SyncSize();
    model_.SetMBGTextPosition(value);
    Apply();
}

void TMBarGraph::SetMBGTextLeft(int value)
{
    SyncSize();
    model_.SetMBGTextLeft(value);
    Apply();
}

void TMBarGraph::SetMBGTextTop(int value)
{
    SyncSize();
    model_.SetMBGTextTop(value);
    Apply();
}

void TMBarGraph::SetMBGText(const QString& value)
{
    SyncSize();
    model_.SetMBGText(value.toStdString());
    Apply();
}

void TMBarGraph::SetFormValues()
{
    SetMBGValue(0.5);
    SetMBGValueFrom(0.25);
    SetMBGValueTo(0.75);
}

void TMBarGraph::SetMBGValueFrom(double value)
{
    SyncSize();
    model_.SetMBGValueFrom(value);
    Apply();
}

void TMBarGraph::SetMBGValueTo(double value)
{
    SyncSize();
    model_.SetMBGValueTo(value);
    Apply();
}

}  // namespace qs
