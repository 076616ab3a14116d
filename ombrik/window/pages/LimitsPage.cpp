#include "LimitsPage.h"

#include "PageSheet.h"
#include "SettingsTrio.h"

namespace ombrik {

using namespace qs;

LimitsPage::LimitsPage(QWidget* sheet) : QWidget(sheet)
{
    FillSheet(sheet, this);
    QGridLayout* grid =
        BuildSettingsTrio(this, &SpeedButton_ReadSettings2, &SpeedButton_ReadDefaultSettings2,
                          &SpeedButton_WriteSettings2,
                          {"SpeedButton_ReadSettings2", "SpeedButton_ReadDefaultSettings2",
                           "SpeedButton_WriteSettings2"});
    const LimitOutputCaptions captions{
        QStringLiteral("%1. határérték kimenet"), QStringLiteral("Impulzus másodperc:"), {}, false};
    for (int n = 1; n <= 4; ++n) {
        LimitOutputControls& limit = Limit[static_cast<std::size_t>(n - 1)];
        limit = BuildLimitOutputGroup(this, n, captions);
        grid->addWidget(limit.group, 1 + (n - 1) / 2, (n - 1) % 2);
    }
    grid->setRowStretch(3, 1);
    TightenChoices(this);
}

void LimitsPage::BindRequests(RequestButtonBinder& requests) const
{
    BindSettingsTrio(requests, SpeedButton_ReadSettings2, SpeedButton_ReadDefaultSettings2,
                     SpeedButton_WriteSettings2);
}

void LimitsPage::PressRead()
{
    // Pressing the read releases the page's factory read or write.
    SpeedButton_ReadSettings2->SetDown(true);
}

}  // namespace ombrik
