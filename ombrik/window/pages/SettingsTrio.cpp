#include "SettingsTrio.h"

#include "common/ui/ControlBuilder.h"
#include "common/ui/RadioGroup.h"
#include "common/ui/RequestButtonBinder.h"
#include "ombrik/link/CommandTable.h"

namespace ombrik {

using namespace qs;

using namespace build;

QGridLayout* BuildSettingsTrio(QWidget* sheet, SpeedButton** read, SpeedButton** defaults,
                               SpeedButton** write, const SettingsTrioNames& names)
{
    auto* grid = new QGridLayout(sheet);
    grid->setContentsMargins(4, 4, 4, 4);
    auto* bar = new QGridLayout;
    AddRequestButtons(sheet, bar, 0, 0, 3,
                      {{read, names.read, "Kiolvasás a készülékből"},
                       {defaults, names.defaults, "Gyári alapbeállítások megjelenítése"},
                       {write, names.write, "Beírás a készülékbe"}});
    bar->setColumnStretch(3, 1);
    grid->addLayout(bar, 0, 0, 1, 4);
    return grid;
}

void BindSettingsTrio(RequestButtonBinder& requests, SpeedButton* read, SpeedButton* defaults,
                      SpeedButton* write)
{
    requests.Bind(Code(mbu::Command::SettingsRead1), read);
    requests.Bind(Code(mbu::Command::SettingsDefaults1), defaults);
    requests.Bind(Code(mbu::Command::SettingsWrite1), write);
}

void TightenChoices(QWidget* sheet)
{
    for (RadioGroup* g : sheet->findChildren<RadioGroup*>()) {
        g->layout()->setContentsMargins(6, 2, 6, 2);
        g->layout()->setSpacing(0);
    }
}

}  // namespace ombrik
