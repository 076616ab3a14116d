#pragma once
#include "common/ui/SpeedButton.h"

#include <QGridLayout>

namespace qs {
class RequestButtonBinder;
}

namespace ombrik {

// The settings record's read / factory-default / write trio that heads both settings pages:
// one group of request buttons in the page's sheet, on row 0 of the sheet's grid, which is
// answered for the page's own groups.
struct SettingsTrioNames {
    const char* read;
    const char* defaults;
    const char* write;
};
QGridLayout* BuildSettingsTrio(QWidget* sheet, qs::SpeedButton** read, qs::SpeedButton** defaults,
                               qs::SpeedButton** write, const SettingsTrioNames& names);
// The trio bound to the settings chains.
void BindSettingsTrio(qs::RequestButtonBinder& requests, qs::SpeedButton* read,
                      qs::SpeedButton* defaults, qs::SpeedButton* write);
// The choices of a page stand close, so that both pages fit beside the monitor.
void TightenChoices(QWidget* sheet);

}  // namespace ombrik
