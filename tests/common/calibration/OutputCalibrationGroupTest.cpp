// The output calibration group both programs use: PWM steps, the click strip, captions by
// output type and the direct drive switch.
#include "common/bargraph/MBarGraph.h"
#include "common/calibration/OutputCalibrationGroup.h"
#include "tests/FindControl.h"

#include <QTest>

#include <gtest/gtest.h>

using namespace qs;

TEST(OutputCalibration, StepsSaturateAtBothEnds)
{
    struct Row {
        std::uint16_t from;
        int delta;
        std::uint16_t to;
    };
    const Row rows[] = {
        {65535, 1, 65535},    {0, -1, 0},          {65534, 1, 65535},    {10, -20, 0},
        {19, -20, 0},         {20, -20, 0},        {65515, 20, 65535},   {65516, 20, 65535},
        {399, -400, 0},       {65135, 400, 65535}, {60536, 5000, 65535}, {60535, 5000, 65535},
        {60534, 5000, 65534}, {4999, -5000, 0},    {5000, -5000, 0},     {5001, -5000, 1},
        {100, 400, 500},
    };
    for (const Row& r : rows)
        EXPECT_EQ(SteppedPwm(r.from, r.delta), r.to) << r.from << " " << r.delta;
}

TEST(OutputCalibration, StripClicksRoundHalfToEven)
{
    struct Row {
        int x;
        int width;
        std::uint16_t value;
    };
    for (const Row& r :
         {Row{0, 297, 0}, Row{148, 297, 32657}, Row{296, 297, 65314}, Row{164, 329, 32668},
          Row{328, 329, 65336}, Row{1, 2, 32768}, Row{3, 2, 32766}})
        EXPECT_EQ(StripPwm(r.x, r.width), r.value) << r.x << "/" << r.width;
}

TEST(OutputCalibration, ControlsShowTheValueAndFollowTheSwitch)
{
    QWidget container;
    OutputCalibrationGroup group(&container, 297);
    const auto button = [&](const char* name) {
        return findcontrol::Find<SpeedButton>(&container, name);
    };
    const auto step = [&](const char* name) {
        return findcontrol::Find<QPushButton>(&container, name);
    };
    auto* const shape1 = findcontrol::Find<ClickStrip>(&container, "Shape1");
    auto* const bar = findcontrol::Find<TMBarGraph>(&container, "MBarGraph_PWM");
    auto* const label = findcontrol::Find<QLabel>(&container, "Label_PWM");
    auto* const box = findcontrol::Find<QGroupBox>(&container, "GroupBox_OutputCal");
    auto* const type = findcontrol::Find<RadioGroup>(&container, "RadioGroup_KimenetTipusa");
    EXPECT_EQ(shape1->width(), 297);
    EXPECT_EQ(bar->width(), 297);
    EXPECT_EQ(label->text(), "0");
    EXPECT_TRUE(box->isHidden());
    EXPECT_TRUE(button("SpeedButton_CheckCurrent")->isHidden());

    // Any mouse button on the strip; the buttons step from there.
    QTest::mousePress(shape1, Qt::RightButton, {}, QPoint(148, 5));
    EXPECT_EQ(group.PWMValue, 32657);
    EXPECT_EQ(label->text(), "32 657");
    EXPECT_DOUBLE_EQ(bar->MBGValue(), 32657 / 65535.0);
    step("Button_PWMPppp")->click();
    step("Button_PWMMm")->click();
    EXPECT_EQ(group.PWMValue, 32657 + 5000 - 20);
    EXPECT_EQ(step("Button_PWMMmm")->text(), "---");

    // Direct drive on: the group and checks show, captions follow the output type.
    type->setItemIndex(1);
    EXPECT_EQ(button("SpeedButton_CalPWML")->text(), "Kalibrálás 2 V");
    type->setItemIndex(-1);  // no item: the captions stay
    EXPECT_EQ(button("SpeedButton_CalPWMH")->text(), "Kalibrálás 10 V");
    type->setItemIndex(0);
    button("SpeedButton_PWMForce")->click();
    EXPECT_FALSE(box->isHidden());
    EXPECT_FALSE(button("SpeedButton_CheckVoltage")->isHidden());
    EXPECT_EQ(button("SpeedButton_CalPWML")->text(), "Kalibrálás 4 mA");
    EXPECT_EQ(button("SpeedButton_CalPWMH")->text(), "Kalibrálás 20 mA");

    // Off again: hidden, and no calibration or check left pending.
    button("SpeedButton_CalPWML")->click();
    button("SpeedButton_CheckVoltage")->click();
    button("SpeedButton_PWMForce")->click();
    EXPECT_TRUE(box->isHidden());
    EXPECT_TRUE(button("SpeedButton_CheckVoltage")->isHidden());
    EXPECT_FALSE(button("SpeedButton_CalPWML")->IsDown());
    EXPECT_FALSE(button("SpeedButton_CheckVoltage")->IsDown());
    EXPECT_EQ(group.PWMValue, 32657 + 5000 - 20);  // kept across the switch
}
