#include "QvroDialog.h"

#include "ui/TColor.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

QvroDialog::QvroDialog(QWidget* parent)
    : ModuleDialog("Form_QVRO", "QVRO - Fő modul",
                   {.readKey = KeyQvroRead, .defaultKey = KeyQvroDefaults, .writeKey = KeyQvroWrite}, parent)
{
    auto* v = new QVBoxLayout(body());
    auto* state = new QGroupBox("A határérték kimenet jelenlegi állapota", body());
    state->setObjectName("GroupBox2");
    auto* sh = new QHBoxLayout(state);
    Label_DigitalOutOff = new QLabel("Kikapcsolva", state);
    Label_DigitalOutOff->setObjectName("Label_DigitalOutOff");
    Label_DigitalOutOn = new QLabel("Bekapcsolva", state);
    Label_DigitalOutOn->setObjectName("Label_DigitalOutOn");
    for (QLabel* l : {Label_DigitalOutOff, Label_DigitalOutOn}) {
        l->setAlignment(Qt::AlignCenter);
        l->setFixedSize(110, 22);
        sh->addWidget(l);
    }
    SetFontColor(Label_DigitalOutOff, clRed);
    SetWidgetColors(Label_DigitalOutOn, clLime, clWindowText);
    sh->addStretch(1);
    v->addWidget(state);

    auto* test = new QGroupBox("A határérték kimenet üzemmódtól független tesztelése", body());
    test->setObjectName("GroupBox1");
    auto* th = new QHBoxLayout(test);
    CheckBox_DigitalOutForceEng = new QCheckBox("Üzemmódtól független teszt engedélyezve", test);
    CheckBox_DigitalOutForceEng->setObjectName("CheckBox_DigitalOutForceEng");
    SpeedButton_DigitalOut1Force = new SpeedButton("Határérték kimenet bekapcsolás", 21, test);
    SpeedButton_DigitalOut1Force->setObjectName("SpeedButton_DigitalOut1Force");
    th->addWidget(CheckBox_DigitalOutForceEng);
    th->addWidget(SpeedButton_DigitalOut1Force);
    th->addStretch(1);
    v->addWidget(test);
    v->addStretch(1);
}

void QvroDialog::FillStatusRequest(StatusRequestInputs& in) const
{
    in.relayTestTicked = CheckBox_DigitalOutForceEng->isChecked();
    in.relayForceDown = SpeedButton_DigitalOut1Force->IsDown();
}

void QvroDialog::ApplyStatusButtons(const StatusRequestButtons& buttons)
{
    SpeedButton_DigitalOut1Force->SetDown(buttons.relayForceDown);
}

void QvroDialog::ShowStatus(const StatusRecord& r, std::uint8_t moduleSlot)
{
    // The output of the dialog's slot: main slot bit 0, additional slot bit 1.
    const bool on = (r.uDigitalOutputs >> (moduleSlot == 1 ? 0 : 1)) & 1u;
    Label_DigitalOutOn->setEnabled(on);
    Label_DigitalOutOff->setEnabled(!on);
    SetWidgetColors(Label_DigitalOutOn, on ? clLime : clBtnFace, clWindowText);
    SetWidgetColors(Label_DigitalOutOff, on ? clBtnFace : clRed, clWindowText);
}
