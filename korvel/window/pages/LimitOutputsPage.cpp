#include "LimitOutputsPage.h"

#include "korvel/window/RequestButtons.h"
#include "common/ui/CaptionFit.h"
#include "common/ui/ControlBuilder.h"
#include "common/ui/LimitOutputGroup.h"
#include "common/ui/TColor.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace korvel {

using namespace qs;

using namespace build;

namespace {
// The settings trio at the top of a settings page; answers the page's own layout.
QVBoxLayout* SettingsTrio(QWidget* page, const char* read, const char* defaults, const char* write,
                          SpeedButton*& r, SpeedButton*& d, SpeedButton*& w)
{
    auto* v = new QVBoxLayout(page);
    auto* bar = new QHBoxLayout;
    const RequestTrio t =
        MakeTrio(page, bar, read, defaults, write, "Gyári alapbeállítások megjelenítése");
    r = t.read;
    d = t.defaults;
    w = t.write;
    bar->addStretch(1);
    v->addLayout(bar);
    return v;
}
}  // namespace

LimitOutputsPage::LimitOutputsPage(QWidget* sheet) : QObject(sheet)
{
    // "Határérték kimenetek": the second trio, four limit outputs and their direct control.

    QVBoxLayout* v =
        SettingsTrio(sheet, "SpeedButton_ReadSettings2", "SpeedButton_ReadDefaultSettings2",
                     "SpeedButton_WriteSettings2", SpeedButton_ReadSettings2,
                     SpeedButton_ReadDefaultSettings2, SpeedButton_WriteSettings2);

    v->setContentsMargins(2, 4, 2, 2);
    auto* limits = new QHBoxLayout;
    limits->setSpacing(2);
    const LimitOutputCaptions captions{"%1. határérték kimenet", "Impulzusszélesség:", "sec", true};
    // Four equal shares of the page's width, whatever their texts need, so no group pushes
    // another (or the page) wider.
    for (int i = 0; i < 4; ++i) {
        QGroupBox* group =
            (Limit[static_cast<std::size_t>(i)] = BuildLimitOutputGroup(sheet, i + 1, captions))
                .group;
        group->setSizePolicy(QSizePolicy::Ignored, group->sizePolicy().verticalPolicy());
        limits->addWidget(group, 1);
        // The long hold caption is the one that gives way: where a wide font family leaves a
        // quarter of the page too narrow for it, it takes a slightly smaller font.
        CaptionFit::Install(Limit[static_cast<std::size_t>(i)].hold);
    }
    v->addLayout(limits, 1);

    auto* force = Group(sheet, "GroupBox_DigitalOutForce", "Közvetlen vezérlés");
    auto* fg = new QGridLayout(force);
    SpeedButton_DigitalOutForceEng =
        Speed(force, "SpeedButton_DigitalOutForceEng", "Közvetlen vezérlés", 20);
    fg->addWidget(SpeedButton_DigitalOutForceEng, 0, 0);
    SpeedButton* forceButtons[4];
    QLabel* onLabels[4];
    for (int i = 0; i < 4; ++i) {
        const QByteArray bname = "SpeedButton_DigitalOut" + QByteArray::number(i + 1) + "Force";
        forceButtons[i] =
            Speed(force, bname.constData(), QString("%1. határérték kimenet").arg(i + 1), 21 + i);
        const QByteArray lname = "Label_DigitalOut" + QByteArray::number(i + 1);
        onLabels[i] = Label(force, lname.constData(), QString("%1. Bekapcsolva").arg(i + 1));
        SetWidgetColors(onLabels[i], clLime, clWindowText);
        onLabels[i]->setVisible(false);
        KeepRoomWhenHidden(onLabels[i]);
        fg->addWidget(forceButtons[i], 0, 1 + i);
        fg->addWidget(onLabels[i], 1, 1 + i);
    }
    SpeedButton_DigitalOut1Force = forceButtons[0];
    SpeedButton_DigitalOut2Force = forceButtons[1];
    SpeedButton_DigitalOut3Force = forceButtons[2];
    SpeedButton_DigitalOut4Force = forceButtons[3];
    Label_DigitalOut1 = onLabels[0];
    Label_DigitalOut2 = onLabels[1];
    Label_DigitalOut3 = onLabels[2];
    Label_DigitalOut4 = onLabels[3];
    fg->setColumnStretch(5, 1);
    v->addWidget(force);
}

void LimitOutputsPage::BindRequests(RequestButtons& requests)
{
    requests.Bind(KeySettingsRead, SpeedButton_ReadSettings2);
    requests.Bind(KeySettingsDefaults, SpeedButton_ReadDefaultSettings2);
    requests.Bind(KeySettingsWrite, SpeedButton_WriteSettings2);
}

std::array<SpeedButton*, 4> LimitOutputsPage::Force() const
{
    return {SpeedButton_DigitalOut1Force, SpeedButton_DigitalOut2Force,
            SpeedButton_DigitalOut3Force, SpeedButton_DigitalOut4Force};
}

void LimitOutputsPage::FillStatusRequest(StatusRequestInputs& in) const
{
    in.digitalOutForceEngDown = SpeedButton_DigitalOutForceEng->IsDown();
    const auto force = Force();
    for (std::size_t i = 0; i < force.size(); ++i)
        in.digitalOutForceDown[i] = force[i]->IsDown();
}

void LimitOutputsPage::ApplyStatusButtons(const StatusRequestButtons& buttons)
{
    const auto force = Force();
    for (std::size_t i = 0; i < force.size(); ++i)
        force[i]->SetDown(buttons.digitalOutForceDown[i]);
}

void LimitOutputsPage::ShowStatus(const StatusRecord& r)
{
    QLabel* outputs[] = {Label_DigitalOut1, Label_DigitalOut2, Label_DigitalOut3,
                         Label_DigitalOut4};
    for (int n = 0; n < 4; ++n)
        outputs[n]->setVisible((r.uDigitalOutputs >> n) & 1u);
}

void LimitOutputsPage::PressEntryReads()
{
    SpeedButton_ReadSettings2->SetDown(true);
}

}  // namespace korvel
