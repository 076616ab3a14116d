#include "SettingsPage.h"

#include "korvel/window/RequestButtons.h"
#include "common/ui/ControlBuilder.h"
#include "common/ui/LimitOutputGroup.h"
#include "common/ui/SettingsGroups.h"
#include "common/ui/SettingsItems.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace korvel {

using namespace qs;

using namespace build;

namespace {
RadioGroup* Choice(QWidget* parent, const char* name, const QString& caption,
                   const QStringList& items, int index, int columns = 1)
{
    auto* g = new RadioGroup(caption, items, parent, columns);
    g->setObjectName(QLatin1String(name));
    g->setItemIndex(index);
    return g;
}

// A group box filling a page of an inner page control.
QGroupBox* PageGroup(QWidget* page, const char* name, const QString& title)
{
    QGroupBox* g = Group(page, name, title);
    (new QVBoxLayout(page))->addWidget(g);
    return g;
}
}  // namespace

SettingsPage::SettingsPage(QWidget* sheet) : QObject(sheet)
{
    auto* v = new QVBoxLayout(sheet);
    auto* bar = new QHBoxLayout;
    const RequestTrio t =
        MakeTrio(sheet, bar, "SpeedButton_ReadSettings", "SpeedButton_ReadDefaultSettings",
                 "SpeedButton_WriteSettings", "Gyári alapbeállítások megjelenítése");
    SpeedButton_ReadSettings = t.read;
    SpeedButton_ReadDefaultSettings = t.defaults;
    SpeedButton_WriteSettings = t.write;
    bar->addStretch(1);
    v->addLayout(bar);

    auto* grid = new QGridLayout;
    using settingsitems::SignalTypes;

    // Input: type and scaling ("UI"), Pt wiring ("QVTM").
    PageControl_Input = new PageControl(sheet);
    PageControl_Input->setObjectName("PageControl_Input");
    QWidget* ui = PageControl_Input->addPage("TabSheet_InputUI", "UI");
    QWidget* qvtm = PageControl_Input->addPage("TabSheet_InputQVTM", "QVTM");
    PageControl_Input->setActivePage(ui);
    GroupBox_InputTypeAndScale =
        PageGroup(ui, "GroupBox_InputTypeAndScale", "Bemenet típusa és a bemenet skálázása");
    auto* ig = new QGridLayout(GroupBox_InputTypeAndScale);
    RadioGroup_uInputTypeSettings = Choice(
        GroupBox_InputTypeAndScale, "RadioGroup_uInputTypeSettings", "Típus", SignalTypes(), 0);
    ig->addWidget(RadioGroup_uInputTypeSettings, 0, 0, 1, 2);
    Edit_iScaleLowSettings =
        AddEditRow(ig, 1, GroupBox_InputTypeAndScale,
                   {"Edit_iScaleLowSettings", "Skála alsó számérték:", "0", 0, true});
    Edit_iScaleHighSettings =
        AddEditRow(ig, 2, GroupBox_InputTypeAndScale,
                   {"Edit_iScaleHighSettings", "Skála felső számérték:", "100", 0, true});
    ig->setRowStretch(3, 1);
    GroupBox_PtSensor = PageGroup(qvtm, "GroupBox_PtSensor", "Pt mérőérzékelő");
    RadioGroup_uPtWires = Choice(GroupBox_PtSensor, "RadioGroup_uPtWires", "Vezetékszám",
                                 settingsitems::PtWires(), 2);
    auto* pg = new QVBoxLayout(GroupBox_PtSensor);
    pg->addWidget(RadioGroup_uPtWires);
    pg->addStretch(1);
    grid->addWidget(PageControl_Input, 0, 0);

    // Analogue output ("QVAO").
    PageControl_Output = new PageControl(sheet);
    PageControl_Output->setObjectName("PageControl_Output");
    QWidget* qvao = PageControl_Output->addPage("TabSheet_OutputQVAO", "QVAO");
    PageControl_Output->setActivePage(qvao);
    GroupBox_AnalogOutput = new AnalogOutputGroup(qvao, {false, false, 2, true, true});
    (new QVBoxLayout(qvao))->addWidget(GroupBox_AnalogOutput);
    grid->addWidget(PageControl_Output, 0, 1);

    RadioGroup_enuLimitDisplayMode =
        Choice(sheet, "RadioGroup_enuLimitDisplayMode", "Határérték kijelzési mód",
               settingsitems::LimitDisplayModes(), 1);
    grid->addWidget(RadioGroup_enuLimitDisplayMode, 1, 0, Qt::AlignTop);

    // Display: brightness, texts, leading zeros, refresh; its bar graph, decimals, rounding.
    const GroupRowsLook bargraph{false, false, 2, false, true};
    GroupBox_Display = new DisplayGroup(sheet, {{false, true, 3, true, false},
                                                "TrackBar_Brightness",
                                                1,
                                                10,
                                                5,
                                                1,
                                                0,
                                                false,
                                                QString(),
                                                QString(),
                                                "Frissítési gyakoriság (ms)",
                                                "Tizedesjegyek",
                                                "Kerekítés",
                                                &bargraph});
    grid->addWidget(GroupBox_Display, 0, 2, 2, 1);

    // Three equal shares of the page's width, whatever their texts need.
    for (QWidget* column :
         std::initializer_list<QWidget*>{PageControl_Input, PageControl_Output, GroupBox_Display})
        column->setSizePolicy(QSizePolicy::Ignored, column->sizePolicy().verticalPolicy());
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(1, 1);
    v->addLayout(grid, 1);
}

void SettingsPage::BindRequests(RequestButtons& requests)
{
    requests.Bind(KeySettingsRead, SpeedButton_ReadSettings);
    requests.Bind(KeySettingsDefaults, SpeedButton_ReadDefaultSettings);
    requests.Bind(KeySettingsWrite, SpeedButton_WriteSettings);
}

}  // namespace korvel
