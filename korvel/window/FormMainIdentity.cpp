// The identity group: read-back of the polled identity, the identity to write with its
// clamps, the header's device label, and the model page of the reported model.
#include "FormMain.h"
#include "UiBuild.h"

#include "DeviceTypes.h"
#include "ui/TypingLimit.h"

#include <QButtonGroup>

using uibuild::Q;

namespace {
// Checks one radio of an auto-exclusive group, or clears the group (-1).
void CheckRadio(QGroupBox* group, int indexInGroup)
{
    const auto radios = group->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
    for (int i = 0; i < radios.size(); ++i) {
        QRadioButton* r = radios[i];
        if (i == indexInGroup) {
            r->setChecked(true);
        } else if (r->isChecked()) {
            r->setAutoExclusive(false);
            r->setChecked(false);
            r->setAutoExclusive(true);
        }
    }
}

int CheckedRadio(const QGroupBox* group)
{
    const auto radios = group->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
    for (int i = 0; i < radios.size(); ++i)
        if (radios[i]->isChecked())
            return i;
    return -1;
}
}  // namespace

void TForm1::BindIdentityGroup()
{
    TypingLimit::Install(Edit_GyariSzamEv, 2);
    TypingLimit::Install(Edit_GyariSzamHonap, 2);
    TypingLimit::Install(Edit_GyariSzam, 6);
    connect(Button_GyariSzamToEdits, &QPushButton::clicked, this, [this] { Button_GyariSzamToEditsClick(); });
    connect(Button_GyariSzamPlusz1, &QPushButton::clicked, this, [this] { Button_GyariSzamPlusz1Click(); });
    connect(Button_GyariSzamMinusz1, &QPushButton::clicked, this, [this] { Button_GyariSzamMinusz1Click(); });
}

std::uint16_t TForm1::DeviceTypeFromIndex(int index)
{
    return ::DeviceTypeFromIndex(index);
}

int TForm1::DeviceTypeToIndex(std::uint16_t code)
{
    return ::DeviceTypeToIndex(code);
}

void TForm1::ShowDeviceType(std::uint16_t type)
{
    const DeviceTypeLabel label = DeviceTypeLabelFor(type);
    Label_KeszulekTipus->setText(Q(label.text));
    SetFontColor(Label_KeszulekTipus, label.known ? clWindowText : clRed);
}

void TForm1::ReadIdentityEdits()
{
    IdentityEdits edits;
    edits.gyariSzam = Edit_GyariSzam->text().toStdString();
    edits.gyariSzamEv = Edit_GyariSzamEv->text().toStdString();
    edits.gyariSzamHonap = Edit_GyariSzamHonap->text().toStdString();
    edits.deviceListIndex = ListBox_uDeviceType->currentRow();
    edits.checkedRadio = {CheckedRadio(GroupBox_InputModul), CheckedRadio(GroupBox_OutputModul2),
                          CheckedRadio(GroupBox_OutputModul1)};
    const IdentityTaken taken = ::ReadIdentityEdits(edits);
    IdentityToWrite = taken.identity;
    Edit_GyariSzam->setText(Q(taken.gyariSzamText));
    Edit_GyariSzamEv->setText(Q(taken.gyariSzamEvText));
    Edit_GyariSzamHonap->setText(Q(taken.gyariSzamHonapText));
    ListBox_uDeviceType->setCurrentRow(taken.deviceListIndex);
}

void TForm1::Button_GyariSzamPlusz1Click()
{
    ReadIdentityEdits();
    IdentityToWrite.uGyariSzam = FactoryNumberPlus1(IdentityToWrite.uGyariSzam);
    Edit_GyariSzam->setText(Q(FactoryNumberText(IdentityToWrite.uGyariSzam)));
}

void TForm1::Button_GyariSzamMinusz1Click()
{
    ReadIdentityEdits();
    IdentityToWrite.uGyariSzam = FactoryNumberMinus1(IdentityToWrite.uGyariSzam);
    Edit_GyariSzam->setText(Q(FactoryNumberText(IdentityToWrite.uGyariSzam)));
}

void TForm1::Button_GyariSzamToEditsClick()
{
    Edit_GyariSzam->setText(Q(FactoryNumberText(DeviceID)));
    Edit_GyariSzamEv->setText(Q(TwoDigitText(LastStatus.uGyariSzamEv)));
    Edit_GyariSzamHonap->setText(Q(TwoDigitText(LastStatus.uGyariSzamHonap)));
    ListBox_uDeviceType->setCurrentRow(DeviceTypeToIndex(ReportedDeviceType));
    ShowDeviceType(ReportedDeviceType);
    ConfigureModelPage(ReportedDeviceType);
    ReadIdentityEdits();
}

void TForm1::ClearModuleRadioButtons()
{
    for (QGroupBox* g : {GroupBox_InputModul, GroupBox_OutputModul2, GroupBox_OutputModul1})
        CheckRadio(g, -1);
}

void TForm1::ConfigureModelPage(std::uint16_t type)
{
    ClearModuleRadioButtons();
    const PolledModules polled{LastStatus.uQVOptIn, LastStatus.uQVOptOut2, LastStatus.uQVOptOut1};
    const ModelPageDecision d =
        ::ConfigureModelPage(type, polled, FactoryMode == 1, PageControl4->activePage() == TabSheet_Quorin);
    if (d.row == ModelRow::None)
        return;
    auto widget = [this](std::string_view name) {
        return uibuild::FindInWindow<QWidget>(this, QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    };
    for (std::string_view n : d.radiosEnabled)
        widget(n)->setEnabled(true);
    for (std::string_view n : d.radiosDisabled)
        widget(n)->setEnabled(false);
    for (std::string_view n : d.buttonsDisabled)
        widget(n)->setEnabled(false);
    for (std::string_view n : d.lampsHidden)
        widget(n)->setVisible(false);
    for (std::string_view n : d.radiosChecked)
        static_cast<QRadioButton*>(widget(n))->setChecked(true);
    for (std::string_view n : d.buttonsEnabled)
        widget(n)->setEnabled(true);
    for (std::string_view n : d.lampsShown)
        widget(n)->setVisible(true);
    QWidget* tab = widget(d.tabShown);
    PageControl4->setTabVisible(tab, true);
    for (std::string_view n : d.tabsHidden)
        PageControl4->setTabVisible(widget(n), false);
    if (d.activateTab)
        PageControl4->setActivePage(tab);
}
