#pragma once
#include "MBarGraphModel.h"
#include "common/ui/TColor.h"

#include <QFrame>
#include <QString>

class QLabel;
class QResizeEvent;

namespace qs {

class Shape;

// The bar graph control: a lowered panel that shows a number between -1 and 1 as a
// coloured bar (signed, unsigned or from..to band, horizontal or vertical) with an optional
// text. It paints nothing itself: it moves, sizes, colours, shows and hides its four
// children MinusBar, PlusBar, CentreGap (shapes) and TextLabel (a label), as MBarGraphModel
// lays them out. It redraws whenever a property is written and whenever it is resized.
class TMBarGraph : public QFrame {
    Q_OBJECT
    Q_PROPERTY(TMBGOrientation MBGOrientation READ MBGOrientation WRITE SetMBGOrientation)
    Q_PROPERTY(double MBGValue READ MBGValue WRITE SetMBGValue)
    Q_PROPERTY(TColor MBGMinusColorAt0 READ MBGMinusColorAt0 WRITE SetMBGMinusColorAt0)
    Q_PROPERTY(TColor MBGMinusColorAt1 READ MBGMinusColorAt1 WRITE SetMBGMinusColorAt1)
    Q_PROPERTY(TColor MBGPlusColorAt0 READ MBGPlusColorAt0 WRITE SetMBGPlusColorAt0)
    Q_PROPERTY(TColor MBGPlusColorAt1 READ MBGPlusColorAt1 WRITE SetMBGPlusColorAt1)
    Q_PROPERTY(TMBGMode MBGMode READ MBGMode WRITE SetMBGMode)
    Q_PROPERTY(bool MBGInverseText READ MBGInverseText WRITE SetMBGInverseText)
    Q_PROPERTY(TMBGTextPosition MBGTextPosition READ MBGTextPosition WRITE SetMBGTextPosition)
    Q_PROPERTY(int MBGTextLeft READ MBGTextLeft WRITE SetMBGTextLeft)
    Q_PROPERTY(int MBGTextTop READ MBGTextTop WRITE SetMBGTextTop)
    Q_PROPERTY(QString MBGText READ MBGText WRITE SetMBGText)
    Q_PROPERTY(double MBGValueFrom READ MBGValueFrom WRITE SetMBGValueFrom)
    Q_PROPERTY(double MBGValueTo READ MBGValueTo WRITE SetMBGValueTo)

public:
    // 105 x 17, named "MBarGraph" (the owner renames it), horizontal, unsigned, value 0.5.
    explicit TMBarGraph(QWidget* parent = nullptr);
    ~TMBarGraph() override;

    // The values both programs' windows store for every bar graph they place: value 0.5,
    // from 0.25, to 0.75.
    void SetFormValues();

    void SetMBGOrientation(TMBGOrientation value);
    void SetMBGValue(double value);  // redraws only if the clamped value moved
    void SetMBGMinusColorAt0(TColor value);
    void SetMBGMinusColorAt1(TColor value);
    void SetMBGPlusColorAt0(TColor value);
    void SetMBGPlusColorAt1(TColor value);
    void SetMBGMode(TMBGMode value);
    void SetMBGInverseText(bool value);
    void SetMBGTextPosition(TMBGTextPosition value);
    void SetMBGTextLeft(int value);
    void SetMBGTextTop(int value);
    void SetMBGText(const QString& value);
    void SetMBGValueFrom(double value);  // redraws only if the clamped value moved
    void SetMBGValueTo(double value);    // redraws only if the clamped value moved

    TMBGOrientation MBGOrientation() const { return model_.MBGOrientation(); }
    double MBGValue() const { return model_.MBGValue(); }
    TColor MBGMinusColorAt0() const { return model_.MBGMinusColorAt0(); }
    TColor MBGMinusColorAt1() const { return model_.MBGMinusColorAt1(); }
    TColor MBGPlusColorAt0() const { return model_.MBGPlusColorAt0(); }
    TColor MBGPlusColorAt1() const { return model_.MBGPlusColorAt1(); }
    TMBGMode MBGMode() const { return model_.MBGMode(); }
    bool MBGInverseText() const { return model_.MBGInverseText(); }
    TMBGTextPosition MBGTextPosition() const { return model_.MBGTextPosition(); }
    int MBGTextLeft() const { return model_.MBGTextLeft(); }
    int MBGTextTop() const { return model_.MBGTextTop(); }
    QString MBGText() const { return QString::fromStdString(model_.MBGText()); }
    double MBGValueFrom() const { return model_.MBGValueFrom(); }
    double MBGValueTo() const { return model_.MBGValueTo(); }

    // The layout the children show.
    const MBarGraphModel& Model() const { return model_; }

    QSize sizeHint() const override { return QSize(105, 17); }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // The minimum size the owner gave the control, and the one the last redraw left it with.
    QSize ownerMinimum_{0, 0};
    QSize appliedMinimum_{0, 0};

    TextExtent MeasureText(const std::string& utf8Text) const;
    void SyncSize();
    void BarGraphResize();
    void Apply();

    MBarGraphModel model_;
    qs::Shape* minusBar_ = nullptr;
    qs::Shape* plusBar_ = nullptr;
    qs::Shape* centreGap_ = nullptr;
    QLabel* textLabel_ = nullptr;
};

}  // namespace qs
