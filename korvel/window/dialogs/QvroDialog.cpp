#include "QvroDialog.h"

#include "DialogControls.h"
#include "UiBuild.h"
#include "ui/RadioGroup.h"
#include "ui/TColor.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

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
    : ModuleDialog("Form_QVRO", "QVRO", "Határérték relé kimenet üzemmódja, beállításai és tesztelése",
                   {.readKey = KeyQvroRead, .defaultKey = KeyQvroDefaults, .writeKey = KeyQvroWrite}, parent)
{
    using uibuild::Label;
    QWidget* b = body();
    auto* h = new QHBoxLayout(b);
    RadioGroup_enuLimitMode = NamedRadioGroup(b, "RadioGroup_enuLimitMode", "Üzemmód", kLimitModes, 0);
    h->addWidget(RadioGroup_enuLimitMode, 0, Qt::AlignTop);

    // The values: A (or the delta), B, hysteresis; hold; the delta modes' seconds and pulse.
    auto* values = new QGridLayout;
    values->addWidget(BoldLabel(b, "Label41", "Beállított számértékek:"), 0, 0, 1, 3);
    const ValueRow a = AddValueRow(values, 1, {{"Label38", "A érték vagy delta érték:"}}, "Label_iSettingsA", "Button_SettingsA");
    const ValueRow bRow = AddValueRow(values, 2, {{"Label39", "B érték:"}}, "Label_iSettingsB", "Button_SettingsB");
    const ValueRow hyst =
        AddValueRow(values, 3, {{"Label40", "Hiszterézis:"}}, "Label_iSettingsHysteresis", "Button_SettingsHysteresis");
    Label_iSettingsA = a.value;
    Button_SettingsA = a.button;
    Label_iSettingsB = bRow.value;
    Button_SettingsB = bRow.button;
    Label_iSettingsHysteresis = hyst.value;
    Button_SettingsHysteresis = hyst.button;
    CheckBox_bHold = uibuild::CheckBox(
        b, "CheckBox_bHold",
        "A már bekapcsolt kimenet gombnyomásig vagy a készülék kikapcsolásáig bekapcsolva marad.");
    values->addWidget(CheckBox_bHold, 4, 0, 1, 4);
    values->addWidget(BoldLabel(b, "Label3", "Delta üzemmód számértékek:"), 5, 0, 1, 3);
    values->addWidget(Label(b, "Label55", "Másodperc érték:"), 6, 0);
    Edit_uSec = NumberEntry(b, "Edit_uSec", 5);
    values->addWidget(Edit_uSec, 6, 1);
    values->addWidget(Label(b, "Label56", "Impulzusszélesség:"), 7, 0);
    Edit_uPulseSec = NumberEntry(b, "Edit_uPulseSec", 3);
    values->addWidget(Edit_uPulseSec, 7, 1);
    values->addWidget(Label(b, "Label96", "másodperc"), 7, 2);
    values->setRowStretch(8, 1);
    h->addLayout(values, 1);

    auto* right = new QVBoxLayout;
    auto* state = uibuild::Group(b, "GroupBox2", "A határérték kimenet jelenlegi állapota");
    auto* sh = new QHBoxLayout(state);
    Label_DigitalOutOff = Label(state, "Label_DigitalOutOff", "Kikapcsolva");
    Label_DigitalOutOn = Label(state, "Label_DigitalOutOn", "Bekapcsolva");
    for (QLabel* l : {Label_DigitalOutOff, Label_DigitalOutOn}) {
        l->setAlignment(Qt::AlignCenter);
        l->setFixedSize(110, 22);
        sh->addWidget(l);
    }
    SetWidgetColors(Label_DigitalOutOff, clRed, clWindowText);
    SetWidgetColors(Label_DigitalOutOn, clLime, clWindowText);
    sh->addStretch(1);
    right->addWidget(state);

    auto* test = uibuild::Group(b, "GroupBox1", "A határérték kimenet üzemmódtól független tesztelése");
    auto* tv = new QVBoxLayout(test);
    CheckBox_DigitalOutForceEng =
        uibuild::CheckBox(test, "CheckBox_DigitalOutForceEng", "Üzemmódtól független teszt engedélyezve");
    SpeedButton_DigitalOut1Force =
        uibuild::Speed(test, "SpeedButton_DigitalOut1Force", "Határérték kimenet bekapcsolás", 21);
    tv->addWidget(CheckBox_DigitalOutForceEng);
    tv->addWidget(SpeedButton_DigitalOut1Force, 0, Qt::AlignLeft);
    right->addWidget(test);
    right->addStretch(1);
    h->addLayout(right);
    SetValueFields({{"iSettingsA", &iSettingsA}, {"iSettingsB", &iSettingsB}, {"iSettingsHysteresis", &iSettingsHysteresis}});
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
    Label_DigitalOutOn->setEnabled(on);
    Label_DigitalOutOff->setEnabled(!on);
    SetWidgetColors(Label_DigitalOutOn, on ? clLime : clBtnFace, clWindowText);
    SetWidgetColors(Label_DigitalOutOff, on ? clBtnFace : clRed, clWindowText);
}
