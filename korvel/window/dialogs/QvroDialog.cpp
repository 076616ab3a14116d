#include "QvroDialog.h"

#include "DialogControls.h"
#include "common/ui/ControlBuilder.h"
#include "common/ui/RadioGroup.h"
#include "common/ui/TColor.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace korvel {

using namespace qs;

using namespace build;

namespace {
const QStringList kLimitModes = {"1. Kikapcsolva (OFF)",
                                 "2. Nagyobb vagy egyenlő, mint A",
                                 "3. Kisebb vagy egyenlő, mint A",
                                 "4. A és B között",
                                 "5. Kisebb, mint A vagy nagyobb, mint B",
                                 "6. Fűtés, tartály feltöltés",
                                 "7. Hűtés, tartály leeresztés",
                                 "8. Mindig bekapcsolva (ON)",
                                 "9. Delta t növekedés",
                                 "10. Delta t csökkenés",
                                 "11. Delta t bármilyen irányú változás"};
}  // namespace

QvroDialog::QvroDialog(QWidget* parent)
    : ModuleDialog(
          "Form_QVRO", "QVRO", "Határérték relé kimenet üzemmódja, beállításai és tesztelése",
          {.readKey = KeyQvroRead, .defaultKey = KeyQvroDefaults, .writeKey = KeyQvroWrite}, parent)
{
    using build::Label;
    QWidget* b = body();
    RadioGroup_enuLimitMode =
        NamedRadioGroup(b, "RadioGroup_enuLimitMode", "Üzemmód", kLimitModes, 0);
    RadioGroup_enuLimitMode->setGeometry(10, 20, 290, 330);

    // The values: A (or the delta), B, hysteresis; hold; the delta modes' seconds and pulse.
    auto* valueArea = new QWidget(b);
    valueArea->setGeometry(310, 20, 590, 250);
    auto* values = new QGridLayout(valueArea);
    values->setContentsMargins(0, 0, 0, 0);
    values->addWidget(BoldLabel(valueArea, "Label41", "Beállított számértékek:"), 0, 0, 1, 3);
    const ValueRow a = AddValueRow(values, 1, {{"Label38", "A érték vagy delta érték:"}},
                                   "Label_iSettingsA", "Button_SettingsA");
    const ValueRow bRow =
        AddValueRow(values, 2, {{"Label39", "B érték:"}}, "Label_iSettingsB", "Button_SettingsB");
    const ValueRow hyst = AddValueRow(values, 3, {{"Label40", "Hiszterézis:"}},
                                      "Label_iSettingsHysteresis", "Button_SettingsHysteresis");
    Label_iSettingsA = a.value;
    Button_SettingsA = a.button;
    Label_iSettingsB = bRow.value;
    Button_SettingsB = bRow.button;
    Label_iSettingsHysteresis = hyst.value;
    Button_SettingsHysteresis = hyst.button;
    CheckBox_bHold = build::CheckBox(
        valueArea, "CheckBox_bHold",
        "A már bekapcsolt kimenet gombnyomásig vagy a készülék kikapcsolásáig bekapcsolva marad.");
    values->addWidget(CheckBox_bHold, 4, 0, 1, 4);
    values->addWidget(BoldLabel(valueArea, "Label3", "Delta üzemmód számértékek:"), 5, 0, 1, 3);
    values->addWidget(Label(valueArea, "Label55", "Másodperc érték:"), 6, 0);
    Edit_uSec = NumberEntry(valueArea, "Edit_uSec", 5);
    values->addWidget(Edit_uSec, 6, 1);
    values->addWidget(Label(valueArea, "Label56", "Impulzusszélesség:"), 7, 0);
    Edit_uPulseSec = NumberEntry(valueArea, "Edit_uPulseSec", 3);
    values->addWidget(Edit_uPulseSec, 7, 1);
    values->addWidget(Label(valueArea, "Label96", "másodperc"), 7, 2);
    values->setColumnStretch(3, 1);
    values->setRowStretch(8, 1);

    // The output's present state, and its test independent of the mode.
    auto* state = build::Group(b, "GroupBox2", "A határérték kimenet jelenlegi állapota");
    state->setGeometry(910, 20, 319, 64);
    auto* sh = new QHBoxLayout(state);
    Label_DigitalOutOff = Label(state, "Label_DigitalOutOff", "Kikapcsolva");
    Label_DigitalOutOn = Label(state, "Label_DigitalOutOn", "Bekapcsolva");
    for (QLabel* l : {Label_DigitalOutOff, Label_DigitalOutOn}) {
        l->setAlignment(Qt::AlignCenter);
        l->setFixedSize(110, 22);
        sh->addWidget(l);
    }
    ShowState(Label_DigitalOutOff, true, clRed);
    ShowState(Label_DigitalOutOn, true, clLime);
    sh->addStretch(1);

    auto* test =
        build::Group(b, "GroupBox1", "A határérték kimenet üzemmódtól független tesztelése");
    test->setGeometry(910, 96, 319, 86);
    auto* tv = new QVBoxLayout(test);
    CheckBox_DigitalOutForceEng = build::CheckBox(test, "CheckBox_DigitalOutForceEng",
                                                  "Üzemmódtól független teszt engedélyezve");
    SpeedButton_DigitalOut1Force =
        build::Speed(test, "SpeedButton_DigitalOut1Force", "Határérték kimenet bekapcsolás", 21);
    tv->addWidget(CheckBox_DigitalOutForceEng);
    tv->addWidget(SpeedButton_DigitalOut1Force, 0, Qt::AlignLeft);
    tv->addStretch(1);
    SetValueFields({{"iSettingsA", &iSettingsA},
                    {"iSettingsB", &iSettingsB},
                    {"iSettingsHysteresis", &iSettingsHysteresis}});
}

void QvroDialog::done(int result)
{
    CheckBox_DigitalOutForceEng->setChecked(false);
    ModuleDialog::done(result);
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
    ShowState(Label_DigitalOutOn, on, clLime);
    ShowState(Label_DigitalOutOff, !on, clRed);
}

void QvroDialog::ShowState(QLabel* label, bool lit, TColor colour)
{
    label->setEnabled(lit);
    SetWidgetColors(label, lit ? colour : clBtnFace, clWindowText);
    // A disabled label's text greys as every disabled control's does; only the enabled
    // states get the window text colour.
    QPalette pal = label->palette();
    pal.setColor(QPalette::Disabled, QPalette::WindowText,
                 QApplication::palette().color(QPalette::Disabled, QPalette::WindowText));
    label->setPalette(pal);
}

}  // namespace korvel
