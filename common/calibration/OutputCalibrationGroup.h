#pragma once
#include "common/ui/RadioGroup.h"
#include "common/ui/RequestButtonBinder.h"
#include "common/ui/Shape.h"
#include "common/ui/SpeedButton.h"

#include <QGroupBox>
#include <QLabel>
#include <QObject>
#include <QPushButton>

#include <array>
#include <cstdint>

namespace qs {

class TMBarGraph;

// The PWM value stepped by delta, saturating at 0 and 65535.
std::uint16_t SteppedPwm(std::uint16_t value, int delta);
// The PWM value of a click x pixels from the left edge of a strip `width` pixels wide:
// x / width x 65535, rounded half to even, kept in 16 bits.
std::uint16_t StripPwm(int x, int width);

// The click strip: a rectangle whose mouse-down, by any button, reports the x position.
class ClickStrip : public Shape {
    Q_OBJECT
public:
    explicit ClickStrip(QWidget* parent = nullptr);

signals:
    void pressed(int x);

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

// The analogue output's calibration controls: the direct drive switch, the two check
// switches and the group "Kimenet kalibrálás" with the calibration buttons, the output type,
// the PWM value shown as a number and a bar, the click strip and the eight step buttons.
//
// The device drives its output with PWMValue while direct drive is Down; the value travels
// in every status poll, whose drive fields FillDrive gives. The group and the check
// switches are shown exactly while direct drive is Down; releasing it withdraws the
// calibration and check requests.
//
// container: the widget whose request buttons the check switches exclude (the one holding
// the read button of the calibration points); the direct drive switch has a group of its
// own. stripWidth: the strip's and the bar's width in pixels.
class OutputCalibrationGroup : public QObject {
    Q_OBJECT
public:
    OutputCalibrationGroup(QWidget* container, int stripWidth);

    int StripWidth() const { return stripWidth_; }
    // Item 0, "Áram", of the output type is selected.
    bool CurrentOutputSelected() const { return RadioGroup_KimenetTipusa->ItemIndex() == 0; }

    // Label_PWM := value "## ##0", the bar := value / 65535.
    void ShowPWMValue(std::uint16_t value);
    // A step button's change, then ShowPWMValue.
    void Step(int delta);
    // Mouse-down on the strip at x.
    void Shape1MouseDown(int x);
    // After a click of the direct drive switch.
    void SpeedButton_PWMForceClick();
    // The calibration captions of the selected output type; none selected: unchanged.
    void RadioGroup_KimenetTipusaClick();

    // The output calibration value, 0 at start.
    std::uint16_t PWMValue = 0;

    // The controls a page places in its own grid (placement and sizing only): the direct
    // drive switch, the two checks and the calibration group.
    struct Placement {
        QWidget* force;
        QWidget* checkCurrent;
        QWidget* checkVoltage;
        QWidget* group;
    };
    Placement Controls() const
    {
        return {SpeedButton_PWMForce, SpeedButton_CheckCurrent, SpeedButton_CheckVoltage,
                GroupBox_OutputCal};
    }
    // The eight step buttons' fixed width in pixels (stripWidth / 8 - 2 at start).
    void SetStepButtonWidth(int width);

    // The request keys of the low and the high calibration step, in that order.
    using RequestKeys = std::array<RequestButtonBinder::Key, 2>;
    // The two calibration buttons bound to their program's request keys.
    void BindRequests(RequestButtonBinder& requests, const RequestKeys& keys) const;

    // The output drive of the status request: direct drive, output type, the checks and the
    // PWM value, into the fields of the same names of a program's request inputs.
    template <class Inputs>
    void FillDrive(Inputs& in) const
    {
        in.pwmForceDown = SpeedButton_PWMForce->IsDown();
        in.currentOutputSelected = CurrentOutputSelected();
        in.checkCurrentDown = SpeedButton_CheckCurrent->IsDown();
        in.checkVoltageDown = SpeedButton_CheckVoltage->IsDown();
        in.pwmValue = PWMValue;
    }
    // The checks set Down or up as the status request built them.
    void SetChecks(bool current, bool voltage);
    // The checks the status request keeps; one it drops is released, one kept is left as is.
    void KeepChecks(bool current, bool voltage);

private:
    SpeedButton* SpeedButton_PWMForce = nullptr;
    SpeedButton* SpeedButton_CheckCurrent = nullptr;
    SpeedButton* SpeedButton_CheckVoltage = nullptr;
    QGroupBox* GroupBox_OutputCal = nullptr;
    SpeedButton* SpeedButton_CalPWML = nullptr;
    SpeedButton* SpeedButton_CalPWMH = nullptr;
    RadioGroup* RadioGroup_KimenetTipusa = nullptr;
    QLabel* Label_PWM = nullptr;
    ClickStrip* Shape1 = nullptr;
    TMBarGraph* MBarGraph_PWM = nullptr;
    // "-", "+", "--", "++", "---", "+++", "----", "++++".
    QPushButton* Button_PWMM = nullptr;
    QPushButton* Button_PWMP = nullptr;
    QPushButton* Button_PWMMm = nullptr;
    QPushButton* Button_PWMPp = nullptr;
    QPushButton* Button_PWMMmm = nullptr;
    QPushButton* Button_PWMPpp = nullptr;
    QPushButton* Button_PWMMmmm = nullptr;
    QPushButton* Button_PWMPppp = nullptr;

    int stripWidth_;
};

}  // namespace qs
