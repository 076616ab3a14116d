#pragma once
#include "common/ui/RadioGroup.h"
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
// in every status poll, which is the caller's to build from these controls. The group and
// the check switches are shown exactly while direct drive is Down; releasing it withdraws
// the calibration and check requests.
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

private:
    int stripWidth_;
};

}  // namespace qs
