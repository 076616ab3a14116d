#pragma once
#include "CalibrationGroupLayout.h"
#include "common/ui/RequestButtonBinder.h"

#include <QCheckBox>
#include <QLabel>
#include <QObject>

#include <array>

namespace qs {

// The Pt temperature input's calibration controls, laid out on the page given: under the
// note for four wires the 0 and 300 ohm steps, under the note for three wires the same two,
// each with the label of its point; the read of all four points; the Pt1000 choice with its
// write. The six buttons are request buttons of one group, so they exclude each other.
class PtCalibrationGroup : public QObject {
public:
    PtCalibrationGroup(QWidget* page, const CalibrationGroupLayout& layout);

    // The point labels in the point order of the Pt calibration block.
    std::array<QLabel*, 4> PointLabels() const
    {
        return {Label_iCalPt0ohm4W, Label_iCalPtXohm4W, Label_iCalPt0ohm3W, Label_iCalPtXohm3W};
    }

    // The Pt1000 choice: shown from a reply, taken for its write.
    void ShowPt1000(bool pt1000) { CheckBox_bPt1000->setChecked(pt1000); }
    bool Pt1000Chosen() const { return CheckBox_bPt1000->isChecked(); }

    // The request keys of the steps 0 and 300 ohm with four wires, 0 and 300 ohm with three
    // wires, of the read and of the Pt1000 write, in that order.
    using RequestKeys = std::array<RequestButtonBinder::Key, 6>;
    // Each step button, the read and the write bound to its program's request key.
    void BindRequests(RequestButtonBinder& requests, const RequestKeys& keys) const;
    // The read of all four points goes Down (releasing a pending step or write).
    void PressRead() { SpeedButton_ReadCalPt->SetDown(true); }

private:
    SpeedButton* SpeedButton_iCalPt0ohm4W = nullptr;
    SpeedButton* SpeedButton_iCalPtXohm4W = nullptr;
    SpeedButton* SpeedButton_iCalPt0ohm3W = nullptr;
    SpeedButton* SpeedButton_iCalPtXohm3W = nullptr;
    SpeedButton* SpeedButton_ReadCalPt = nullptr;
    QLabel* Label_iCalPt0ohm4W = nullptr;
    QLabel* Label_iCalPtXohm4W = nullptr;
    QLabel* Label_iCalPt0ohm3W = nullptr;
    QLabel* Label_iCalPtXohm3W = nullptr;
    QCheckBox* CheckBox_bPt1000 = nullptr;
    SpeedButton* SpeedButton_bPt1000 = nullptr;
};

}  // namespace qs
