#include "QvainDialog.h"

#include "DialogControls.h"
#include "common/ui/ControlBuilder.h"
#include "common/ui/RadioGroup.h"
#include "common/ui/SettingsItems.h"

namespace korvel {

using namespace qs;

QvainDialog::QvainDialog(QWidget* parent)
    : ScaleDialog(
          "Form_QVAIN", "QVAIN", "Bemenet típusa és a bemenet skálázása",
          {.readKey = KeyQvainRead, .defaultKey = KeyQvainDefaults, .writeKey = KeyQvainWrite},
          parent)
{
    QWidget* b = body();
    RadioGroup_uInputTypeSettings = NamedRadioGroup(b, "RadioGroup_uInputTypeSettings", "Típus",
                                                    settingsitems::SignalTypes(), 0);
    RadioGroup_DisplayRefresh = NamedRadioGroup(b, "RadioGroup_DisplayRefresh", "Beállási idő (ms)",
                                                settingsitems::Refresh(), 3, 6);
    RadioGroup_uDecimalPointSettings = NamedRadioGroup(
        b, "RadioGroup_uDecimalPointSettings", "Tizedesjegyek", settingsitems::Decimals(), 2);
    RadioGroup_uRoundSettings =
        NamedRadioGroup(b, "RadioGroup_uRoundSettings", "Kerekítés", kRoundingItems, 0);

    AddScale("Bemenő jel skálázása", {{"Label36", "Skála alsó számérték:"}},
             {{"Label37", "Skála felső számérték:"}});

    // Fixed places in GroupBox9: no text moves another group.
    RadioGroup_uInputTypeSettings->setGeometry(10, 20, 180, 160);
    RadioGroup_uDecimalPointSettings->setGeometry(200, 20, 110, 160);
    RadioGroup_uRoundSettings->setGeometry(320, 20, 110, 210);
    RadioGroup_DisplayRefresh->setGeometry(10, 240, 420, 60);
    GroupBox1->setGeometry(440, 20, 420, 110);
}

}  // namespace korvel
