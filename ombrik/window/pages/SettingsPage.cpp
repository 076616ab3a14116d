#include "SettingsPage.h"

#include "PageSheet.h"
#include "SettingsTrio.h"
#include "common/ui/ControlBuilder.h"
#include "common/ui/LimitOutputGroup.h"
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

    RadioGroup* Choice(const char* name, const char* caption, const QStringList& items, int index, int columns = 1)
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
        return AddEditRow(grid_, row_++, group_, {name, QString::fromUtf8(caption), QString::fromUtf8(text), maxLength});
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
        BuildSettingsTrio(this, &SpeedButton_ReadSettings, &SpeedButton_ReadDefaultSettings, &SpeedButton_WriteSettings,
                          {"SpeedButton_ReadSettings", "SpeedButton_ReadDefaultSettings", "SpeedButton_WriteSettings"});
    CreateSettings(this, grid);
    TightenChoices(this);
}

void SettingsPage::BindRequests(RequestButtonBinder& requests) const
{
    BindSettingsTrio(requests, SpeedButton_ReadSettings, SpeedButton_ReadDefaultSettings, SpeedButton_WriteSettings);
}

void SettingsPage::PressRead()
{
    // Pressing the read releases the page's factory read or write.
    SpeedButton_ReadSettings->SetDown(true);
}

void SettingsPage::CreateSettings(QWidget* sheet, QGridLayout* grid)
{
    using namespace settingsitems;
    GroupBox_Display = Box(sheet, "GroupBox_Display", "Kijelző");
    Rows display(GroupBox_Display);
    auto* brightness = new QWidget(GroupBox_Display);
    auto* bl = new QHBoxLayout(brightness);
    bl->setContentsMargins(0, 0, 0, 0);
    bl->addWidget(new QLabel(QStringLiteral("Fényerő:"), brightness));
    TrackBar_DisplayBrightness = Named<QSlider>(brightness, "TrackBar_DisplayBrightness", Qt::Horizontal);
    TrackBar_DisplayBrightness->setRange(0, 255);
    TrackBar_DisplayBrightness->setValue(127);
    TrackBar_DisplayBrightness->setPageStep(25);
    TrackBar_DisplayBrightness->setTickInterval(25);
    TrackBar_DisplayBrightness->setTickPosition(QSlider::TicksBelow);
    bl->addWidget(TrackBar_DisplayBrightness, 1);
    display.Add(brightness);
    Edit_DisplayTagname = display.Edit("Edit_DisplayTagname", "Megnevezés:", "123456789012345678901", 21);
    Edit_DisplayDimension = display.Edit("Edit_DisplayDimension", "Dimenzió:", "12345678", 8);
    CheckBox_DisplayLeaderZeros = display.Check("CheckBox_DisplayLeaderZeros", "Vezető nullák", true);
    RadioGroup_DisplayRefresh = display.Choice("RadioGroup_DisplayRefresh", "Frissítés (ms)", Refresh(), 3, 3);
    RadioGroup_uDecimalPointSettings =
        display.Choice("RadioGroup_uDecimalPointSettings", "Kijelzés tizedesjegyek száma", Decimals(), 2, 5);
    RadioGroup_uRoundSettings = display.Choice("RadioGroup_uRoundSettings", "Kijelzés kerekítés", Rounding(), 0, 3);
    display.End();

    GroupBox_AnalogOutput = Box(sheet, "GroupBox_AnalogOutput", "Analóg kimenet");
    Rows output(GroupBox_AnalogOutput);
    RadioGroup_uAnalogueType = output.Choice("RadioGroup_uAnalogueType", "Típus", SignalTypes(), 0);
    Edit_iAnalogueLow = output.Edit("Edit_iAnalogueLow", "Alsó értékhez tartozó kijelzés:", "0");
    Edit_iAnalogueHigh = output.Edit("Edit_iAnalogueHigh", "Felső értékhez tartozó kijelzés:", "100");
    CheckBox_bAnalogueErrorHigh = output.Check("CheckBox_bAnalogueErrorHigh", "Magas szint jelzi a hibát");
    CheckBox_bDisableAnalogueError = output.Check("CheckBox_bDisableAnalogueError", "Analóg kimenet hibajelzés tiltva");
    output.End();

    GroupBox_Bargraph = Box(sheet, "GroupBox_Bargraph", "Bargraph");
    Rows bargraph(GroupBox_Bargraph);
    CheckBox_BargraphDot = bargraph.Check("CheckBox_BargraphDot", "Pont mód");
    Edit_iBgLow = bargraph.Edit("Edit_iBgLow", "0%-hoz tartozó kijelzés:", "0");
    Edit_iBgHigh = bargraph.Edit("Edit_iBgHigh", "100%-hoz tartozó kijelzés:", "100");
    bargraph.End();

    GroupBox_InputTypeAndScale = Box(sheet, "GroupBox_InputTypeAndScale", "Bemenet típusa és a bemenet skálázása");
    Rows input(GroupBox_InputTypeAndScale);
    RadioGroup_uInputTypeSettings = input.Choice("RadioGroup_uInputTypeSettings", "Típus", SignalTypes(), 0);
    Edit_iScaleLowSettings = input.Edit("Edit_iScaleLowSettings", "Skála alsó:", "0");
    Edit_iScaleHighSettings = input.Edit("Edit_iScaleHighSettings", "Felső:", "100");
    RadioGroup_enuLimitDisplayMode =
        input.Choice("RadioGroup_enuLimitDisplayMode", "Határérték kijelzési mód", LimitDisplayModes(), 1, 2);
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
