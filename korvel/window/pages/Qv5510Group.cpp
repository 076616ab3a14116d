#include "Qv5510Group.h"

#include "korvel/window/RequestButtons.h"
#include "common/ui/ControlBuilder.h"
#include "common/ui/TColor.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace korvel {

using namespace qs;

using namespace build;

Qv5510Group::Qv5510Group(QWidget* page) : QObject(page)
{
    GroupBox_QV5510 =
        build::Group(page, "GroupBox_QV5510", "Modulfüggetlen beállítások és tesztek");
    auto* grid = new QGridLayout(GroupBox_QV5510);
    auto* bar = new QHBoxLayout;
    const RequestTrio trio =
        MakeTrio(GroupBox_QV5510, bar, "SpeedButton_ReadFromDevice_QV5510",
                 "SpeedButton_ReadDefault_QV5510", "SpeedButton_WriteToDevice_QV5510");
    SpeedButton_ReadFromDevice_QV5510 = trio.read;
    SpeedButton_ReadDefault_QV5510 = trio.defaults;
    SpeedButton_WriteToDevice_QV5510 = trio.write;
    bar->addStretch(1);
    grid->addLayout(bar, 0, 0, 1, 3);

    // Display settings.
    grid->addWidget(Caption(GroupBox_QV5510, "Kijelző fényerő:"), 1, 0);
    TrackBar_Brightness_QV5510 = new QSlider(Qt::Horizontal, GroupBox_QV5510);
    TrackBar_Brightness_QV5510->setObjectName("TrackBar_Brightness_QV5510");
    TrackBar_Brightness_QV5510->setRange(1, 10);
    TrackBar_Brightness_QV5510->setPageStep(1);
    TrackBar_Brightness_QV5510->setTickPosition(QSlider::TicksBelow);
    TrackBar_Brightness_QV5510->setValue(5);
    TrackBar_Brightness_QV5510->setMinimumWidth(160);
    grid->addWidget(TrackBar_Brightness_QV5510, 1, 1);
    Label_Brightness_QV5510 = Label(GroupBox_QV5510, "Label_Brightness_QV5510", QString());
    grid->addWidget(Label_Brightness_QV5510, 1, 2);
    CheckBox_DisplayLeaderZeros_QV5510 =
        CheckBox(GroupBox_QV5510, "CheckBox_DisplayLeaderZeros_QV5510", "Vezető nullák kijelzése");
    CheckBox_DisplayLeaderZeros_QV5510->setChecked(true);
    grid->addWidget(CheckBox_DisplayLeaderZeros_QV5510, 2, 0, 1, 3);
    RadioGroup_uCounterForDisplayRefresh = new RadioGroup(
        "Kijelző frissítési gyakoriság",
        {"Leggyorsabb", "100 ms", "200 ms", "300 ms", "500 ms", "1 s", "2 s"}, GroupBox_QV5510, 4);
    RadioGroup_uCounterForDisplayRefresh->setObjectName("RadioGroup_uCounterForDisplayRefresh");
    grid->addWidget(RadioGroup_uCounterForDisplayRefresh, 3, 0, 1, 3);

    // Opens the password dialog; enabled once the dialog is bound to it.
    Button1 = Button(GroupBox_QV5510, "Button1", "Jelszó módosítása");
    Button1->setEnabled(false);
    grid->addWidget(Button1, 4, 0, Qt::AlignLeft);

    // Display test.
    auto* test = build::Group(GroupBox_QV5510, "GroupBox_KijelzoTeszt_QV5510", "Kijelző teszt");
    auto* th = new QHBoxLayout(test);
    th->addWidget(Caption(test, "Tesztminta:"));
    Label_KijelzoTeszt_QV5510 = Label(test, "Label_KijelzoTeszt_QV5510", QString());
    Label_KijelzoTeszt_QV5510->setAlignment(Qt::AlignCenter);
    Label_KijelzoTeszt_QV5510->setMinimumWidth(30);
    th->addWidget(Label_KijelzoTeszt_QV5510);
    CheckBox_KijelzoTeszt_QV5510 =
        CheckBox(test, "CheckBox_KijelzoTeszt_QV5510", "Kijelző teszt bekapcsolva");
    th->addWidget(CheckBox_KijelzoTeszt_QV5510);
    Button_KijelzoTeszt_QV5510_Minus = Button(test, "Button_KijelzoTeszt_QV5510_Minus", "-1");
    Button_KijelzoTeszt_QV5510_Plus = Button(test, "Button_KijelzoTeszt_QV5510_Plus", "+1");
    Button_KijelzoTeszt_QV5510_1 = Button(test, "Button_KijelzoTeszt_QV5510_1", "1.");
    for (QPushButton* b : {Button_KijelzoTeszt_QV5510_Minus, Button_KijelzoTeszt_QV5510_Plus,
                           Button_KijelzoTeszt_QV5510_1})
        th->addWidget(b);
    th->addStretch(1);
    grid->addWidget(test, 5, 0, 1, 3);

    // Pressed keys, shown by the status poll.
    auto* keys = build::Group(GroupBox_QV5510, "GroupBox_Nyomogombok", "Nyomógombok lenyomottsága");
    auto* kh = new QHBoxLayout(keys);
    Label_SWLeft = Label(keys, "Label_SWLeft", "Balra");
    Label_SWUp = Label(keys, "Label_SWUp", "Fel");
    Label_SWRight = Label(keys, "Label_SWRight", "Jobbra");
    for (QLabel* l : {Label_SWLeft, Label_SWUp, Label_SWRight}) {
        SetWidgetColors(l, clLime, clWindowText);
        l->setVisible(false);
        KeepRoomWhenHidden(l);
        kh->addWidget(l);
    }
    kh->addStretch(1);
    keys->setMinimumHeight(40);
    grid->addWidget(keys, 6, 0, 1, 3);
    grid->setColumnStretch(3, 1);

    connect(TrackBar_Brightness_QV5510, &QSlider::valueChanged, this,
            [this] { TrackBar_Brightness_QV5510Change(); });
    connect(CheckBox_KijelzoTeszt_QV5510, &QCheckBox::clicked, this,
            [this] { ShowTestPatternNumber(); });
    connect(Button_KijelzoTeszt_QV5510_Minus, &QPushButton::clicked, this,
            [this] { Button_KijelzoTeszt_QV5510_MinusClick(); });
    connect(Button_KijelzoTeszt_QV5510_Plus, &QPushButton::clicked, this,
            [this] { Button_KijelzoTeszt_QV5510_PlusClick(); });
    connect(Button_KijelzoTeszt_QV5510_1, &QPushButton::clicked, this,
            [this] { Button_KijelzoTeszt_QV5510_1Click(); });
    TrackBar_Brightness_QV5510Change();
    ShowTestPatternNumber();
}

void Qv5510Group::BindRequests(RequestButtons& requests)
{
    requests.Bind(KeyQv5510Read, SpeedButton_ReadFromDevice_QV5510);
    requests.Bind(KeyQv5510Defaults, SpeedButton_ReadDefault_QV5510);
    requests.Bind(KeyQv5510Write, SpeedButton_WriteToDevice_QV5510);
}

void Qv5510Group::FillStatusRequest(StatusRequestInputs& in) const
{
    in.qv5510TestTicked = CheckBox_KijelzoTeszt_QV5510->isChecked();
    in.testPattern = TestPattern;
}

void Qv5510Group::ShowStatus(const StatusRecord& r)
{
    Label_SWRight->setVisible(r.uKeys & 1u);
    Label_SWUp->setVisible(r.uKeys & 2u);
    Label_SWLeft->setVisible(r.uKeys & 4u);
}

void Qv5510Group::OfferPasswordChange(QObject* context, std::function<void()> open)
{
    Button1->setEnabled(open != nullptr);
    if (open)
        connect(Button1, &QPushButton::clicked, context, std::move(open));
}

void Qv5510Group::EnterQV5510Page()
{
    TestPattern = 1;
    ShowTestPatternNumber();
    CheckBox_KijelzoTeszt_QV5510->setChecked(false);
    SpeedButton_ReadFromDevice_QV5510->SetDown(true);
}

void Qv5510Group::TrackBar_Brightness_QV5510Change()
{
    Label_Brightness_QV5510->setText(QString::number(TrackBar_Brightness_QV5510->value() * 10) +
                                     "%");
}

void Qv5510Group::ShowTestPatternNumber()
{
    Label_KijelzoTeszt_QV5510->setText(QString::number(TestPattern));
}

void Qv5510Group::Button_KijelzoTeszt_QV5510_MinusClick()
{
    if (TestPattern > 1) {
        --TestPattern;
        ShowTestPatternNumber();
    }
}

void Qv5510Group::Button_KijelzoTeszt_QV5510_PlusClick()
{
    if (TestPattern < 21) {
        ++TestPattern;
        ShowTestPatternNumber();
    }
}

void Qv5510Group::Button_KijelzoTeszt_QV5510_1Click()
{
    TestPattern = 1;
    ShowTestPatternNumber();
}

}  // namespace korvel
