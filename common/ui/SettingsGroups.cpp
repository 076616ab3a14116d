#include "SettingsGroups.h"

#include "ControlBuilder.h"
#include "LimitOutputGroup.h"
#include "RadioGroup.h"
#include "SettingsItems.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>

namespace qs {

namespace {

// The rows of a group's grid, in the order they are added.
class Rows {
public:
    Rows(QGroupBox* group, const GroupRowsLook& look)
        : group_(group), grid_(new QGridLayout(group)), look_(look)
    {
        if (look.tightMargins)
            grid_->setContentsMargins(4, 4, 4, 4);
        if (look.stretchEditColumn)
            grid_->setColumnStretch(1, 1);
    }

    RadioGroup* Choice(const char* name, const QString& caption, const QStringList& items,
                       int index, int columns = 1)
    {
        auto* g = new RadioGroup(caption, items, group_, columns);
        g->setObjectName(QString::fromLatin1(name));
        g->setItemIndex(index);
        Add(g);
        return g;
    }

    // A number edit takes the decimal key where the look asks for it; a text edit never.
    QLineEdit* Edit(const char* name, const QString& caption, const QString& text,
                    int maxLength = 0, bool number = true)
    {
        return AddEditRow(grid_, row_++, group_,
                          {name, caption, text, maxLength, number && look_.decimalKeys});
    }

    QCheckBox* Check(const char* name, const char* caption, bool checked = false)
    {
        QCheckBox* box = build::CheckBox(group_, name, QString::fromUtf8(caption));
        box->setChecked(checked);
        Add(box);
        return box;
    }

    void Add(QWidget* w) { grid_->addWidget(w, row_++, 0, 1, look_.span); }
    // A caption in the first column and a control across the others.
    void AddBeside(QLabel* caption, QWidget* w)
    {
        grid_->addWidget(caption, row_, 0);
        grid_->addWidget(w, row_++, 1, 1, look_.span - 1);
    }
    void End()
    {
        if (look_.stretchBelow)
            grid_->setRowStretch(row_, 1);
    }

private:
    QGroupBox* group_;
    QGridLayout* grid_;
    GroupRowsLook look_;
    int row_ = 0;
};

}  // namespace

AnalogOutputGroup::AnalogOutputGroup(QWidget* parent, const GroupRowsLook& look)
    : QGroupBox(QStringLiteral("Analóg kimenet"), parent)
{
    setObjectName(QStringLiteral("GroupBox_AnalogOutput"));
    Rows rows(this, look);
    RadioGroup_uAnalogueType = rows.Choice("RadioGroup_uAnalogueType", QStringLiteral("Típus"),
                                           settingsitems::SignalTypes(), 0);
    Edit_iAnalogueLow =
        rows.Edit("Edit_iAnalogueLow", QStringLiteral("Alsó értékhez tartozó kijelzés:"), "0");
    Edit_iAnalogueHigh =
        rows.Edit("Edit_iAnalogueHigh", QStringLiteral("Felső értékhez tartozó kijelzés:"), "100");
    CheckBox_bAnalogueErrorHigh =
        rows.Check("CheckBox_bAnalogueErrorHigh", "Magas szint jelzi a hibát");
    CheckBox_bDisableAnalogueError =
        rows.Check("CheckBox_bDisableAnalogueError", "Analóg kimenet hibajelzés tiltva");
    rows.End();
}

BargraphGroup::BargraphGroup(QWidget* parent, const GroupRowsLook& look)
    : QGroupBox(QStringLiteral("Bargraph"), parent)
{
    setObjectName(QStringLiteral("GroupBox_Bargraph"));
    Rows rows(this, look);
    CheckBox_BargraphDot = rows.Check("CheckBox_BargraphDot", "Pont mód");
    Edit_iBgLow = rows.Edit("Edit_iBgLow", QStringLiteral("0%-hoz tartozó kijelzés:"), "0");
    Edit_iBgHigh = rows.Edit("Edit_iBgHigh", QStringLiteral("100%-hoz tartozó kijelzés:"), "100");
    rows.End();
}

DisplayGroup::DisplayGroup(QWidget* parent, const DisplayGroupLook& look)
    : QGroupBox(QStringLiteral("Kijelző"), parent)
{
    setObjectName(QStringLiteral("GroupBox_Display"));
    Rows rows(this, look.rows);
    QWidget* row = this;
    QHBoxLayout* line = nullptr;
    if (look.brightnessRowWidget) {
        row = new QWidget(this);
        line = new QHBoxLayout(row);
        line->setContentsMargins(0, 0, 0, 0);
    }
    auto* caption = new QLabel(QStringLiteral("Fényerő:"), row);
    brightness_ = build::Named<QSlider>(row, look.brightnessName, Qt::Horizontal);
    brightness_->setRange(look.brightnessMin, look.brightnessMax);
    brightness_->setValue(look.brightnessValue);
    brightness_->setPageStep(look.brightnessPageStep);
    if (look.brightnessTickInterval > 0)
        brightness_->setTickInterval(look.brightnessTickInterval);
    brightness_->setTickPosition(QSlider::TicksBelow);
    if (line) {
        line->addWidget(caption);
        line->addWidget(brightness_, 1);
        rows.Add(row);
    } else {
        rows.AddBeside(caption, brightness_);
    }
    Edit_DisplayTagname = rows.Edit("Edit_DisplayTagname", QStringLiteral("Megnevezés:"),
                                    look.tagnameText, 21, false);
    Edit_DisplayDimension = rows.Edit("Edit_DisplayDimension", QStringLiteral("Dimenzió:"),
                                      look.dimensionText, 8, false);
    CheckBox_DisplayLeaderZeros = rows.Check("CheckBox_DisplayLeaderZeros", "Vezető nullák", true);
    RadioGroup_DisplayRefresh = rows.Choice("RadioGroup_DisplayRefresh", look.refreshCaption,
                                            settingsitems::Refresh(), 3, 3);
    if (look.bargraph) {
        GroupBox_Bargraph = new BargraphGroup(this, *look.bargraph);
        rows.Add(GroupBox_Bargraph);
    }
    RadioGroup_uDecimalPointSettings = rows.Choice(
        "RadioGroup_uDecimalPointSettings", look.decimalsCaption, settingsitems::Decimals(), 2, 5);
    RadioGroup_uRoundSettings = rows.Choice("RadioGroup_uRoundSettings", look.roundingCaption,
                                            settingsitems::Rounding(), 0, 3);
    rows.End();
}

}  // namespace qs
