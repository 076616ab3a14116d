#include "OutputCalibrationGroup.h"

#include "common/bargraph/MBarGraph.h"
#include "common/numbers/LocaleSeparators.h"
#include "common/numbers/PictureFormat.h"
#include "common/numbers/Rounding.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QMouseEvent>

#include <algorithm>

namespace qs {

std::uint16_t SteppedPwm(std::uint16_t value, int delta)
{
    return static_cast<std::uint16_t>(std::clamp(static_cast<int>(value) + delta, 0, 65535));
}

std::uint16_t StripPwm(int x, int width)
{
    if (width <= 0)
        return 0;
    const double value = RoundHalfEven(static_cast<double>(x) / width * 65535.0);
    return static_cast<std::uint16_t>(static_cast<std::int64_t>(value) & 0xFFFF);
}

ClickStrip::ClickStrip(QWidget* parent) : Shape(Shape::Rectangle, parent) {}

void ClickStrip::mousePressEvent(QMouseEvent* event)
{
    emit pressed(static_cast<int>(event->position().x()));
    event->accept();
}

namespace {
SpeedButton* Switch(QWidget* container, const char* name, const QString& caption, int groupIndex)
{
    auto* b = new SpeedButton(caption, groupIndex, container);
    b->setObjectName(QLatin1String(name));
    return b;
}
}  // namespace

OutputCalibrationGroup::OutputCalibrationGroup(QWidget* container, int stripWidth)
    : QObject(container), stripWidth_(stripWidth)
{
    SpeedButton_PWMForce = Switch(container, "SpeedButton_PWMForce",
                                  "Kimeneti PWM közvetlen vezérlése a kalibráláshoz", 2);
    SpeedButton_CheckCurrent =
        Switch(container, "SpeedButton_CheckCurrent", "Ellenőrzés: 12 mA", 1);
    SpeedButton_CheckVoltage = Switch(container, "SpeedButton_CheckVoltage", "Ellenőrzés: 5 V", 1);
    SpeedButton_CheckCurrent->setVisible(false);
    SpeedButton_CheckVoltage->setVisible(false);

    GroupBox_OutputCal = new QGroupBox("Kimenet kalibrálás", container);
    GroupBox_OutputCal->setObjectName("GroupBox_OutputCal");
    GroupBox_OutputCal->setVisible(false);
    auto* grid = new QGridLayout(GroupBox_OutputCal);
    SpeedButton_CalPWML = Switch(GroupBox_OutputCal, "SpeedButton_CalPWML", "Kalibrálás 4 mA", 1);
    SpeedButton_CalPWMH = Switch(GroupBox_OutputCal, "SpeedButton_CalPWMH", "Kalibrálás 20 mA", 1);
    grid->addWidget(SpeedButton_CalPWML, 0, 0);
    grid->addWidget(SpeedButton_CalPWMH, 0, 1);
    RadioGroup_KimenetTipusa =
        new RadioGroup("Kimenet típusa", {"Áram", "Feszültség"}, GroupBox_OutputCal);
    RadioGroup_KimenetTipusa->setObjectName("RadioGroup_KimenetTipusa");
    RadioGroup_KimenetTipusa->setItemIndex(0);
    grid->addWidget(RadioGroup_KimenetTipusa, 0, 2, 2, 1);

    Label_PWM = new QLabel(GroupBox_OutputCal);
    Label_PWM->setObjectName("Label_PWM");
    Label_PWM->setAlignment(Qt::AlignCenter);
    grid->addWidget(Label_PWM, 1, 0, 1, 2);

    // The strip and, beneath it, the bar of the same width.
    auto* strip = new QWidget(GroupBox_OutputCal);
    auto* sv = new QVBoxLayout(strip);
    sv->setContentsMargins(0, 0, 0, 0);
    sv->setSpacing(0);
    Shape1 = new ClickStrip(strip);
    Shape1->setObjectName("Shape1");
    Shape1->setFixedSize(stripWidth, 17);
    MBarGraph_PWM = new TMBarGraph(strip);
    MBarGraph_PWM->setObjectName("MBarGraph_PWM");
    MBarGraph_PWM->SetFormValues();
    MBarGraph_PWM->setFixedSize(stripWidth, 17);
    sv->addWidget(Shape1);
    sv->addWidget(MBarGraph_PWM);
    grid->addWidget(strip, 2, 0, 1, 3, Qt::AlignLeft);

    struct StepSpec {
        QPushButton** target;
        const char* name;
        const char* caption;
        int delta;
    };
    const StepSpec steps[] = {
        {&Button_PWMMmmm, "Button_PWMMmmm", "----", -5000},
        {&Button_PWMMmm, "Button_PWMMmm", "---", -400},
        {&Button_PWMMm, "Button_PWMMm", "--", -20},
        {&Button_PWMM, "Button_PWMM", "-", -1},
        {&Button_PWMP, "Button_PWMP", "+", 1},
        {&Button_PWMPp, "Button_PWMPp", "++", 20},
        {&Button_PWMPpp, "Button_PWMPpp", "+++", 400},
        {&Button_PWMPppp, "Button_PWMPppp", "++++", 5000},
    };
    auto* row = new QHBoxLayout;
    row->setSpacing(2);
    for (const StepSpec& s : steps) {
        auto* b = new QPushButton(QString::fromLatin1(s.caption), GroupBox_OutputCal);
        b->setObjectName(QLatin1String(s.name));
        b->setFixedWidth(stripWidth / 8 - 2);
        connect(b, &QPushButton::clicked, this, [this, delta = s.delta] { Step(delta); });
        *s.target = b;
        row->addWidget(b);
    }
    row->addStretch(1);
    grid->addLayout(row, 3, 0, 1, 3);
    grid->setColumnStretch(3, 1);

    connect(Shape1, &ClickStrip::pressed, this, [this](int x) { Shape1MouseDown(x); });
    connect(SpeedButton_PWMForce, &SpeedButton::clicked, this,
            [this] { SpeedButton_PWMForceClick(); });
    connect(RadioGroup_KimenetTipusa, &RadioGroup::itemClicked, this,
            [this] { RadioGroup_KimenetTipusaClick(); });
    ShowPWMValue(PWMValue);
}

void OutputCalibrationGroup::ShowPWMValue(std::uint16_t value)
{
    Label_PWM->setText(
        QString::fromStdString(FormatInteger(value, "## ##0", LocaleDecimalSeparator())));
    MBarGraph_PWM->SetMBGValue(value / 65535.0);
}

void OutputCalibrationGroup::Step(int delta)
{
    PWMValue = SteppedPwm(PWMValue, delta);
    ShowPWMValue(PWMValue);
}

void OutputCalibrationGroup::Shape1MouseDown(int x)
{
    PWMValue = StripPwm(x, stripWidth_);
    ShowPWMValue(PWMValue);
}

void OutputCalibrationGroup::SpeedButton_PWMForceClick()
{
    const bool down = SpeedButton_PWMForce->IsDown();
    GroupBox_OutputCal->setVisible(down);
    SpeedButton_CheckCurrent->setVisible(down);
    SpeedButton_CheckVoltage->setVisible(down);
    if (down) {
        RadioGroup_KimenetTipusaClick();
        ShowPWMValue(PWMValue);
        return;
    }
    // No calibration or check request stays pending while the group is hidden.
    for (SpeedButton* b : {SpeedButton_CalPWML, SpeedButton_CalPWMH, SpeedButton_CheckCurrent,
                           SpeedButton_CheckVoltage})
        b->SetDown(false);
}

void OutputCalibrationGroup::RadioGroup_KimenetTipusaClick()
{
    switch (RadioGroup_KimenetTipusa->ItemIndex()) {
    case 0:
        SpeedButton_CalPWML->setText("Kalibrálás 4 mA");
        SpeedButton_CalPWMH->setText("Kalibrálás 20 mA");
        break;
    case 1:
        SpeedButton_CalPWML->setText("Kalibrálás 2 V");
        SpeedButton_CalPWMH->setText("Kalibrálás 10 V");
        break;
    default:
        break;
    }
}

void OutputCalibrationGroup::SetStepButtonWidth(int width)
{
    for (QPushButton* b : {Button_PWMMmmm, Button_PWMMmm, Button_PWMMm, Button_PWMM, Button_PWMP,
                           Button_PWMPp, Button_PWMPpp, Button_PWMPppp})
        b->setFixedWidth(width);
}

void OutputCalibrationGroup::BindRequests(RequestButtonBinder& requests,
                                          const RequestKeys& keys) const
{
    requests.Bind(keys[0], SpeedButton_CalPWML);
    requests.Bind(keys[1], SpeedButton_CalPWMH);
}

void OutputCalibrationGroup::SetChecks(bool current, bool voltage)
{
    SpeedButton_CheckCurrent->SetDown(current);
    SpeedButton_CheckVoltage->SetDown(voltage);
}

void OutputCalibrationGroup::KeepChecks(bool current, bool voltage)
{
    if (!current)
        SpeedButton_CheckCurrent->SetDown(false);
    if (!voltage)
        SpeedButton_CheckVoltage->SetDown(false);
}

}  // namespace qs
