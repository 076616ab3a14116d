#include "SettingsPage.h"

#include "PageSheet.h"
#include "SettingsTrio.h"
#include "common/ui/ControlBuilder.h"
#include "common/ui/LimitOutputGroup.h"
#include "common/ui/SettingsGroups.h"
#include "common/ui/SettingsItems.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace ombrik {

using namespace qs;

using namespace build;

namespace {

// Rows of a group's grid, one control under the other: an edit with its caption in front,
// choices and check boxes across the group.
class Rows {
public:
    explicit Rows(QGroupBox* group) : group_(group), grid_(new QGridLayout(group))
    {
        grid_->setContentsMargins(4, 4, 4, 4);
        grid_->setColumnStretch(1, 1);
    }

    RadioGroup* Choice(const char* name, const char* caption, const QStringList& items, int index,
                       int columns = 1)
    {
        auto* g = new RadioGroup(QString::fromUtf8(caption), items, group_, columns);
        g->setObjectName(QString::fromLatin1(name));
        g->setItemIndex(index);
        Add(g);
        return g;
    }

    // Number edits take the locale's own decimal separator only: no key turns "," or "."
    // into it.
    QLineEdit* Edit(const char* name, const char* caption, const char* text, int maxLength = 0)
    {
        return AddEditRow(grid_, row_++, group_,
                          {name, QString::fromUtf8(caption), QString::fromUtf8(text), maxLength});
    }

    QCheckBox* Check(const char* name, const char* caption, bool checked = false)
    {
        auto* box = Named<QCheckBox>(group_, name, QString::fromUtf8(caption));
        box->setChecked(checked);
        Add(box);
        return box;
    }

    void Add(QWidget* w) { grid_->addWidget(w, row_++, 0, 1, 3); }
    void End() { grid_->setRowStretch(row_, 1); }

private:
    QGroupBox* group_;
    QGridLayout* grid_;
    int row_ = 0;
};

QGroupBox* Box(QWidget* sheet, const char* name, const char* title)
{
    return Named<QGroupBox>(sheet, name, QString::fromUtf8(title));
}

}  // namespace

SettingsPage::SettingsPage(QWidget* sheet) : QWidget(sheet)
{
    FillSheet(sheet, this);
    QGridLayout* grid =
        BuildSettingsTrio(this, &SpeedButton_ReadSettings, &SpeedButton_ReadDefaultSettings,
                          &SpeedButton_WriteSettings,
                          {"SpeedButton_ReadSettings", "SpeedButton_ReadDefaultSettings",
                           "SpeedButton_WriteSettings"});
    CreateSettings(this, grid);
    TightenChoices(this);
}

void SettingsPage::BindRequests(RequestButtonBinder& requests) const
{
    BindSettingsTrio(requests, SpeedButton_ReadSettings, SpeedButton_ReadDefaultSettings,
                     SpeedButton_WriteSettings);
}

void SettingsPage::PressRead()
{
    // Pressing the read releases the page's factory read or write.
    SpeedButton_ReadSettings->SetDown(true);
}

void SettingsPage::CreateSettings(QWidget* sheet, QGridLayout* grid)
{
    using namespace settingsitems;
    const GroupRowsLook rows{true, true, 3, true, false};
    GroupBox_Display = new DisplayGroup(
        sheet, {rows, "TrackBar_DisplayBrightness", 0, 255, 127, 25, 25, true,
                QStringLiteral("123456789012345678901"), QStringLiteral("12345678"),
                QStringLiteral("Frissítés (ms)"), QStringLiteral("Kijelzés tizedesjegyek száma"),
                QStringLiteral("Kijelzés kerekítés")});
    GroupBox_AnalogOutput = new AnalogOutputGroup(sheet, rows);
    GroupBox_Bargraph = new BargraphGroup(sheet, rows);

    GroupBox_InputTypeAndScale =
        Box(sheet, "GroupBox_InputTypeAndScale", "Bemenet típusa és a bemenet skálázása");
    Rows input(GroupBox_InputTypeAndScale);
    RadioGroup_uInputTypeSettings =
        input.Choice("RadioGroup_uInputTypeSettings", "Típus", SignalTypes(), 0);
    Edit_iScaleLowSettings = input.Edit("Edit_iScaleLowSettings", "Skála alsó:", "0");
    Edit_iScaleHighSettings = input.Edit("Edit_iScaleHighSettings", "Felső:", "100");
    RadioGroup_enuLimitDisplayMode = input.Choice(
        "RadioGroup_enuLimitDisplayMode", "Határérték kijelzési mód", LimitDisplayModes(), 1, 2);
    input.End();

    GroupBox_Modbus = Box(sheet, "GroupBox_Modbus", "MODBUS kimenet");
    Rows modbus(GroupBox_Modbus);
    Modbus = new ModbusControls(GroupBox_Modbus, 5);  // "9600 bit/sec."
    modbus.Add(Modbus);
    modbus.End();

    GroupBox_PtSensor = Box(sheet, "GroupBox_PtSensor", "Pt mérőérzékelő");
    Rows pt(GroupBox_PtSensor);
    RadioGroup_uPtWires = pt.Choice("RadioGroup_uPtWires", "Vezetékszám", PtWires(), 2, 3);
    pt.End();

    grid->addWidget(GroupBox_Display, 1, 0, 2, 1);
    grid->addWidget(GroupBox_AnalogOutput, 1, 1);
    auto* below = new QVBoxLayout;
    below->addWidget(GroupBox_Bargraph);
    below->addWidget(GroupBox_PtSensor);
    below->addStretch(1);
    grid->addLayout(below, 2, 1);
    grid->addWidget(GroupBox_InputTypeAndScale, 1, 2);
    grid->addWidget(GroupBox_Modbus, 2, 2);
    for (int column = 0; column < 3; ++column)
        grid->setColumnStretch(column, 1);
    grid->setRowStretch(3, 1);
}

}  // namespace ombrik
