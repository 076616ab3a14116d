#include "QvaoDialog.h"

#include "DialogControls.h"
#include "UiBuild.h"
#include "ui/RadioGroup.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

QvaoDialog::QvaoDialog(QWidget* parent)
    : ModuleDialog("Form_QVAO", "QVAO", "Analóg kimenet típusa, skálázása, hibajelzés módja",
                   {.readKey = KeyQvaoRead, .defaultKey = KeyQvaoDefaults, .writeKey = KeyQvaoWrite}, parent)
{
    QWidget* b = body();
    RadioGroup_uAnalogueType = NamedRadioGroup(b, "RadioGroup_uAnalogueType", "Típus", kSignalTypeItems, 0);
    CheckBox_bAnalogueErrorHigh = uibuild::CheckBox(b, "CheckBox_bAnalogueErrorHigh", "Magas szint jelzi a hibát");
    CheckBox_bDisableAnalogueError =
        uibuild::CheckBox(b, "CheckBox_bDisableAnalogueError", "Analóg kimenet hibajelzés tiltva");

    GroupBox1 = uibuild::Group(b, "GroupBox1", "Analóg kimenet skálázása");
    auto* scale = new QGridLayout(GroupBox1);
    const ValueRow low = AddValueRow(scale, 0, {{"Label36", "Alsó értékhez tartozó"}, {"Label1", "skálázott bemenő jel:"}},
                                     "Label_iScaleLowSettings", "Button_ScaleLowSettings");
    const ValueRow high = AddValueRow(scale, 1, {{"Label2", "Felső értékhez tartozó"}, {"Label3", "skálázott bemenő jel:"}},
                                      "Label_iScaleHighSettings", "Button_ScaleHighSettings");
    scale->setColumnStretch(3, 1);
    Label_iScaleLowSettings = low.value;
    Button_ScaleLowSettings = low.button;
    Label_iScaleHighSettings = high.value;
    Button_ScaleHighSettings = high.button;

    auto* h = new QHBoxLayout(b);
    h->addWidget(RadioGroup_uAnalogueType, 0, Qt::AlignTop);
    auto* right = new QVBoxLayout;
    right->addWidget(CheckBox_bAnalogueErrorHigh);
    right->addWidget(CheckBox_bDisableAnalogueError);
    right->addWidget(GroupBox1);
    right->addStretch(1);
    h->addLayout(right, 1);
    SetValueFields({{"iScaleLowSettings", &iScaleLowSettings}, {"iScaleHighSettings", &iScaleHighSettings}});
}
