#include "QvainDialog.h"

#include "DialogControls.h"
#include "UiBuild.h"
#include "ui/RadioGroup.h"
#include "ui/SettingsItems.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

QvainDialog::QvainDialog(QWidget* parent)
    : ScaleDialog("Form_QVAIN", "QVAIN", "Bemenet típusa és a bemenet skálázása",
                  {.readKey = KeyQvainRead, .defaultKey = KeyQvainDefaults, .writeKey = KeyQvainWrite}, parent)
{
    QWidget* b = body();
    RadioGroup_uInputTypeSettings = NamedRadioGroup(b, "RadioGroup_uInputTypeSettings", "Típus", settingsitems::SignalTypes(), 0);
    RadioGroup_DisplayRefresh =
        NamedRadioGroup(b, "RadioGroup_DisplayRefresh", "Beállási idő (ms)", settingsitems::Refresh(), 3, 6);
    RadioGroup_uDecimalPointSettings =
        NamedRadioGroup(b, "RadioGroup_uDecimalPointSettings", "Tizedesjegyek", settingsitems::Decimals(), 2);
    RadioGroup_uRoundSettings = NamedRadioGroup(b, "RadioGroup_uRoundSettings", "Kerekítés", kRoundingItems, 0);

    AddScale("Bemenő jel skálázása", {{"Label36", "Skála alsó számérték:"}}, {{"Label37", "Skála felső számérték:"}});

    auto* v = new QVBoxLayout(b);
    auto* row1 = new QHBoxLayout;
    row1->addWidget(RadioGroup_uInputTypeSettings);
    row1->addWidget(RadioGroup_uDecimalPointSettings);
    row1->addWidget(RadioGroup_uRoundSettings);
    row1->addStretch(1);
    auto* row2 = new QHBoxLayout;
    row2->addWidget(RadioGroup_DisplayRefresh);
    row2->addWidget(GroupBox1, 1);
    v->addLayout(row1);
    v->addLayout(row2);
    v->addStretch(1);
}
