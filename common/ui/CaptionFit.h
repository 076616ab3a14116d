#pragma once
#include <QFont>
#include <QObject>

class QAbstractButton;

namespace qs {

// A fixed caption in a share of a page that no font family may widen: the caption's width no
// longer counts in the layout, and where the machine's font sets it wider than its control,
// the control takes a smaller font, a pixel at a time down to kFloorPixels, instead of
// cutting it. Where it fits, it keeps its font. Owned by the control.
class CaptionFit : public QObject {
    Q_OBJECT
public:
    static constexpr int kFloorPixels = 9;

    static CaptionFit* Install(QAbstractButton* control);

    // The pixel size the caption takes in that many pixels.
    int PixelsFor(int width) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit CaptionFit(QAbstractButton* control);
    void Fit();

    QAbstractButton* control_;
    QFont design_;      // the font the caption was made in
    int designPixels_;  // its pixel size
    int frame_;         // what the control takes beside its text (a check box's box)
};

}  // namespace qs
