#include "SettingsPage.h"

#include "RequestButtons.h"
#include "UiBuild.h"
#include "ui/TColor.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

using namespace uibuild;

namespace {
// The settings trio at the top of a settings page; answers the page's own layout.
QVBoxLayout* SettingsTrio(QWidget* page, const char* read, const char* defaults, const char* write,
                          SpeedButton*& r, SpeedButton*& d, SpeedButton*& w)
{
    auto* v = new QVBoxLayout(page);
    auto* bar = new QHBoxLayout;
    const RequestTrio t = MakeTrio(page, bar, read, defaults, write, "Gyári alapbeállítások megjelenítése");
    r = t.read;
    d = t.defaults;
    w = t.write;
    bar->addStretch(1);
    v->addLayout(bar);
    return v;
}
}  // namespace

SettingsPage::SettingsPage(QWidget* sheet) : QObject(sheet)
{
    // "Beállítások": the trio above the settings groups.

    QVBoxLayout* v = SettingsTrio(sheet, "SpeedButton_ReadSettings", "SpeedButton_ReadDefaultSettings",
                                  "SpeedButton_WriteSettings", SpeedButton_ReadSettings,
                                  SpeedButton_ReadDefaultSettings, SpeedButton_WriteSettings);

    auto* grid = new QGridLayout;
    PageControl_Input = new PageControl(sheet);
    PageControl_Input->setObjectName("PageControl_Input");
    QWidget* ui = PageControl_Input->addPage("TabSheet_InputUI", "UI");
    QWidget* qvtm = PageControl_Input->addPage("TabSheet_InputQVTM", "QVTM");
    PageControl_Input->setActivePage(ui);
    GroupBox_InputTypeAndScale = Group(ui, "GroupBox_InputTypeAndScale", "Bemenet típusa és a bemenet skálázása");
    (new QVBoxLayout(ui))->addWidget(GroupBox_InputTypeAndScale);
    new QGridLayout(GroupBox_InputTypeAndScale);
    GroupBox_PtSensor = Group(qvtm, "GroupBox_PtSensor", "Pt mérőérzékelő");
    (new QVBoxLayout(qvtm))->addWidget(GroupBox_PtSensor);
    new QGridLayout(GroupBox_PtSensor);
    grid->addWidget(PageControl_Input, 0, 0, 2, 1);

    PageControl_Output = new PageControl(sheet);
    PageControl_Output->setObjectName("PageControl_Output");
    QWidget* qvao = PageControl_Output->addPage("TabSheet_OutputQVAO", "QVAO");
    PageControl_Output->setActivePage(qvao);
    GroupBox_AnalogOutput = Group(qvao, "GroupBox_AnalogOutput", "Analóg kimenet");
    (new QVBoxLayout(qvao))->addWidget(GroupBox_AnalogOutput);
    new QGridLayout(GroupBox_AnalogOutput);
    grid->addWidget(PageControl_Output, 0, 1);

    GroupBox_LimitDisplayMode = Group(sheet, "GroupBox_LimitDisplayMode", "Határérték kijelzési mód");
    new QVBoxLayout(GroupBox_LimitDisplayMode);
    grid->addWidget(GroupBox_LimitDisplayMode, 1, 1);

    GroupBox_Display = Group(sheet, "GroupBox_Display", "Kijelző");
    auto* dv = new QGridLayout(GroupBox_Display);
    GroupBox_Bargraph = Group(GroupBox_Display, "GroupBox_Bargraph", "Bargraph");
    new QGridLayout(GroupBox_Bargraph);
    dv->addWidget(GroupBox_Bargraph, 0, 0, 1, 2);
    GroupBox_Decimals = Group(GroupBox_Display, "GroupBox_Decimals", "Tizedesjegyek");
    new QVBoxLayout(GroupBox_Decimals);
    dv->addWidget(GroupBox_Decimals, 1, 0);
    GroupBox_Rounding = Group(GroupBox_Display, "GroupBox_Rounding", "Kerekítés");
    new QVBoxLayout(GroupBox_Rounding);
    dv->addWidget(GroupBox_Rounding, 1, 1);
    grid->addWidget(GroupBox_Display, 0, 2, 2, 1);
    grid->setRowStretch(2, 1);
    v->addLayout(grid, 1);
    
}

void SettingsPage::BindRequests(RequestButtons& requests)
{
    requests.Bind(KeySettingsRead, SpeedButton_ReadSettings);
    requests.Bind(KeySettingsDefaults, SpeedButton_ReadDefaultSettings);
    requests.Bind(KeySettingsWrite, SpeedButton_WriteSettings);
}
