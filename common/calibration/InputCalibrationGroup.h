#pragma once
#include "CalibrationGroupLayout.h"
#include "common/ui/RequestButtonBinder.h"

#include <QGroupBox>
#include <QLabel>
#include <QObject>

#include <array>

namespace qs {

// The analogue input's calibration group, filling the page given: a step button for each of
// the four points (0 mA, 20 mA, 0 V, 10 V) with the label of its point beside it, and the
// read of all four. The five buttons are request buttons of one group, so they exclude each
// other. caption: the group's title.
class InputCalibrationGroup : public QObject {
public:
    InputCalibrationGroup(QWidget* page, const QString& caption,
                          const CalibrationGroupLayout& layout);

    // The point labels in the point order of the input calibration block.
    std::array<QLabel*, 4> PointLabels() const
    {
        return {Label_RAM1_iCalLow1, Label_RAM1_iCalHigh1, Label_RAM1_iCalLow2,
                Label_RAM1_iCalHigh2};
    }

    // The request keys of the steps 0 mA, 20 mA, 0 V, 10 V and of the read, in that order.
    using RequestKeys = std::array<RequestButtonBinder::Key, 5>;
    // Each step button and the read button bound to its program's request key.
    void BindRequests(RequestButtonBinder& requests, const RequestKeys& keys) const;
    // The read of all four points goes Down (releasing a pending step).
    void PressRead() { SpeedButton_ReadCalIn->SetDown(true); }

private:
    QGroupBox* GroupBox_InputCalQVAIN = nullptr;
    SpeedButton* SpeedButton_Cal0mA = nullptr;
    SpeedButton* SpeedButton_Cal20mA = nullptr;
    SpeedButton* SpeedButton_Cal0V = nullptr;
    SpeedButton* SpeedButton_Cal10V = nullptr;
    SpeedButton* SpeedButton_ReadCalIn = nullptr;
    QLabel* Label_RAM1_iCalLow1 = nullptr;
    QLabel* Label_RAM1_iCalHigh1 = nullptr;
    QLabel* Label_RAM1_iCalLow2 = nullptr;
    QLabel* Label_RAM1_iCalHigh2 = nullptr;
};

}  // namespace qs
