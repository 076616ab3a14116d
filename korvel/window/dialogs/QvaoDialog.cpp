#include "QvaoDialog.h"

#include "DialogControls.h"
#include "common/ui/ControlBuilder.h"
#include "common/ui/RadioGroup.h"
#include "common/ui/SettingsItems.h"

#include <QCheckBox>

namespace korvel {

using namespace qs;

QvaoDialog::QvaoDialog(QWidget* parent)
    : ScaleDialog("Form_QVAO", "QVAO", "Analóg kimenet típusa, skálázása, hibajelzés módja",
                  {.readKey = KeyQvaoRead, .defaultKey = KeyQvaoDefaults, .writeKey = KeyQvaoWrite},
                  parent)
{
    QWidget* b = body();
    RadioGroup_uAnalogueType =
        NamedRadioGroup(b, "RadioGroup_uAnalogueType", "Típus", settingsitems::SignalTypes(), 0);
    CheckBox_bAnalogueErrorHigh =
        build::CheckBox(b, "CheckBox_bAnalogueErrorHigh", "Magas szint jelzi a hibát");
    CheckBox_bDisableAnalogueError =
        build::CheckBox(b, "CheckBox_bDisableAnalogueError", "Analóg kimenet hibajelzés tiltva");

    AddScale("Analóg kimenet skálázása",
             {{"Label36", "Alsó értékhez tartozó"}, {"Label1", "skálázott bemenő jel:"}},
             {{"Label2", "Felső értékhez tartozó"}, {"Label3", "skálázott bemenő jel:"}});

    // Fixed places in GroupBox9: no text moves another group.
    RadioGroup_uAnalogueType->setGeometry(10, 20, 180, 160);
    CheckBox_bAnalogueErrorHigh->setGeometry(200, 26, 420, 20);
    CheckBox_bDisableAnalogueError->setGeometry(200, 50, 420, 20);
    GroupBox1->setGeometry(200, 80, 420, 110);
}

}  // namespace korvel
