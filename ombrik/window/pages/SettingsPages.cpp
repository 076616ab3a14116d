#include "SettingsPages.h"

#include "Controls.h"

namespace ombrik {

SettingsPages::SettingsPages(QWidget* settingsSheet, QWidget* limitsSheet) : QObject(settingsSheet)
{
    struct Trio {
        QWidget* sheet;
        SpeedButton** read;
        SpeedButton** defaults;
        SpeedButton** write;
        const char* names[3];
    };
    const Trio trios[] = {
        {settingsSheet,
         &SpeedButton_ReadSettings,
         &SpeedButton_ReadDefaultSettings,
         &SpeedButton_WriteSettings,
         {"SpeedButton_ReadSettings", "SpeedButton_ReadDefaultSettings", "SpeedButton_WriteSettings"}},
        {limitsSheet,
         &SpeedButton_ReadSettings2,
         &SpeedButton_ReadDefaultSettings2,
         &SpeedButton_WriteSettings2,
         {"SpeedButton_ReadSettings2", "SpeedButton_ReadDefaultSettings2", "SpeedButton_WriteSettings2"}},
    };
    for (const Trio& t : trios) {
        auto* grid = new QGridLayout(t.sheet);
        AddRequestButtons(t.sheet, grid, 0, 0, 3,
                          {{t.read, t.names[0], "Kiolvasás a készülékből"},
                           {t.defaults, t.names[1], "Gyári alapbeállítások megjelenítése"},
                           {t.write, t.names[2], "Beírás a készülékbe"}});
        grid->setColumnStretch(3, 1);
        grid->setRowStretch(1, 1);
    }
}

}  // namespace ombrik
