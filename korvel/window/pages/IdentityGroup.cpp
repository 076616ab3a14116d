#include "IdentityGroup.h"

#include "korvel/window/model/DeviceTypes.h"
#include "korvel/window/RequestButtons.h"
#include "common/ui/ControlBuilder.h"
#include "common/ui/TColor.h"
#include "common/ui/TypingLimit.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace korvel {

using namespace qs;

using namespace build;

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

IdentityGroup::IdentityGroup(QWidget* sheet) : QObject(sheet)
{
    GroupBox1 = Group(
        sheet, "GroupBox1",
        "Gyári szám és gyártás év, hónap megadása (uDeviceType, uGyariSzam, uGyariSzamEv, uGyariSzamHonap)");
    auto* v = new QVBoxLayout(GroupBox1);

    auto* edits = new QGridLayout;
    auto edit = [&](int row, const QString& caption, QLineEdit*& target, const char* name,
                    const QString& text) {
        edits->addWidget(new QLabel(caption), row, 0);
        target = new QLineEdit(text, GroupBox1);
        target->setObjectName(QLatin1String(name));
        target->setMaximumWidth(80);
        edits->addWidget(target, row, 1);
    };
    edit(0, "Év:", Edit_GyariSzamEv, "Edit_GyariSzamEv", "12");
    edit(1, "Hónap:", Edit_GyariSzamHonap, "Edit_GyariSzamHonap", "12");
    edit(2, "Gyári szám:", Edit_GyariSzam, "Edit_GyariSzam", "123456");
    Button_GyariSzamPlusz1 = Button(GroupBox1, "Button_GyariSzamPlusz1", "+1");
    Button_GyariSzamMinusz1 = Button(GroupBox1, "Button_GyariSzamMinusz1", "-1");
    edits->addWidget(Button_GyariSzamPlusz1, 2, 2);
    edits->addWidget(Button_GyariSzamMinusz1, 2, 3);
    edits->setColumnStretch(4, 1);
    v->addLayout(edits);

    auto* buttons = new QHBoxLayout;
    Button_GyariSzamToEdits =
        Button(GroupBox1, "Button_GyariSzamToEdits", "Kiolvasás a készülékből");
    connect(Button_GyariSzamToEdits, &QPushButton::clicked, this,
            &IdentityGroup::readFromDeviceClicked);
    SpeedButton_GyariSzamAKeszulekbe =
        Speed(GroupBox1, "SpeedButton_GyariSzamAKeszulekbe", "Beírás a készülékbe");
    buttons->addWidget(Button_GyariSzamToEdits);
    buttons->addWidget(SpeedButton_GyariSzamAKeszulekbe);
    v->addLayout(buttons);

    v->addWidget(new QLabel("Készülék választás"));
    ListBox_uDeviceType = new QListWidget(GroupBox1);
    ListBox_uDeviceType->setObjectName("ListBox_uDeviceType");
    ListBox_uDeviceType->addItems(
        {"QV3310", "QV3320", "QV3330", "QV3340", "QV5510", "QV5520 IP", "QV5530", "Teszt"});
    ListBox_uDeviceType->setFixedHeight(ListBox_uDeviceType->sizeHintForRow(0) * 8 + 6);
    v->addWidget(ListBox_uDeviceType);

    auto slot =
        [&](QGroupBox*& group, const char* name, const QString& caption,
            std::initializer_list<std::tuple<QRadioButton**, const char*, const char*>> items) {
            group = Group(GroupBox1, name, caption);
            auto* gl = new QVBoxLayout(group);
            gl->setSpacing(1);
            for (const auto& [target, objectName, text] : items) {
                *target = Radio(group, objectName, QString::fromUtf8(text));
                gl->addWidget(*target);
            }
            v->addWidget(group);
        };
    slot(GroupBox_InputModul, "GroupBox_InputModul", "Bemeneti modul (uQVOptIn)",
         {{&RadioButton_InputModulNone, "RadioButton_InputModulNone", "Nincs"},
          {&RadioButton_InputModulQVAIN, "RadioButton_InputModulQVAIN", "QVAIN (analóg bemenet)"},
          {&RadioButton_InputModulQVTMP, "RadioButton_InputModulQVTMP", "QVTMP (hőmérséklet mérő)"},
          {&RadioButton_InputModulQVSER, "RadioButton_InputModulQVSER", "QVSER (RS-485)"}});
    slot(GroupBox_OutputModul2, "GroupBox_OutputModul2", "Kimeneti modul 2 (fő) (uQVOptOut2)",
         {{&RadioButton_OutputModul2None, "RadioButton_OutputModul2None", "Nincs"},
          {&RadioButton_OutputModul2QVAO, "RadioButton_OutputModul2QVAO", "QVAO (analóg kimenet)"},
          {&RadioButton_OutputModul2QVSER, "RadioButton_OutputModul2QVSER", "QVSER (RS-485)"},
          {&RadioButton_OutputModul2QVRO, "RadioButton_OutputModul2QVRO", "QVRO (1 relé)"}});
    slot(GroupBox_OutputModul1, "GroupBox_OutputModul1", "Kimeneti modul 1 (további) (uQVOptOut1)",
         {{&RadioButton_OutputModul1None, "RadioButton_OutputModul1None", "Nincs"},
          {&RadioButton_OutputModul1QVAO, "RadioButton_OutputModul1QVAO", "QVAO (analóg kimenet)"},
          {&RadioButton_OutputModul1QVSER, "RadioButton_OutputModul1QVSER", "QVSER (RS-485)"},
          {&RadioButton_OutputModul1QVRO, "RadioButton_OutputModul1QVRO", "QVRO (1 relé)"}});
    v->addStretch(1);

    TypingLimit::Install(Edit_GyariSzamEv, 2);
    TypingLimit::Install(Edit_GyariSzamHonap, 2);
    TypingLimit::Install(Edit_GyariSzam, 6);
    connect(Button_GyariSzamPlusz1, &QPushButton::clicked, this,
            [this] { Button_GyariSzamPlusz1Click(); });
    connect(Button_GyariSzamMinusz1, &QPushButton::clicked, this,
            [this] { Button_GyariSzamMinusz1Click(); });
}

void IdentityGroup::BindRequests(RequestButtons& requests)
{
    requests.Bind(KeyIdentityWrite, SpeedButton_GyariSzamAKeszulekbe);
}

void IdentityGroup::ReadIdentityEdits()
{
    IdentityEdits edits;
    edits.gyariSzam = Edit_GyariSzam->text().toStdString();
    edits.gyariSzamEv = Edit_GyariSzamEv->text().toStdString();
    edits.gyariSzamHonap = Edit_GyariSzamHonap->text().toStdString();
    edits.deviceListIndex = ListBox_uDeviceType->currentRow();
    edits.checkedRadio = {CheckedRadio(GroupBox_InputModul), CheckedRadio(GroupBox_OutputModul2),
                          CheckedRadio(GroupBox_OutputModul1)};
    const IdentityTaken taken = korvel::ReadIdentityEdits(edits);
    IdentityToWrite = taken.identity;
    Edit_GyariSzam->setText(Utf8(taken.gyariSzamText));
    Edit_GyariSzamEv->setText(Utf8(taken.gyariSzamEvText));
    Edit_GyariSzamHonap->setText(Utf8(taken.gyariSzamHonapText));
    ListBox_uDeviceType->setCurrentRow(taken.deviceListIndex);
}

void IdentityGroup::Button_GyariSzamPlusz1Click()
{
    ReadIdentityEdits();
    IdentityToWrite.uGyariSzam = FactoryNumberPlus1(IdentityToWrite.uGyariSzam);
    Edit_GyariSzam->setText(Utf8(FactoryNumberText(IdentityToWrite.uGyariSzam)));
}

void IdentityGroup::Button_GyariSzamMinusz1Click()
{
    ReadIdentityEdits();
    IdentityToWrite.uGyariSzam = FactoryNumberMinus1(IdentityToWrite.uGyariSzam);
    Edit_GyariSzam->setText(Utf8(FactoryNumberText(IdentityToWrite.uGyariSzam)));
}

void IdentityGroup::ShowPolledIdentity(std::uint32_t deviceId, std::uint8_t year,
                                       std::uint8_t month, std::uint16_t type)
{
    Edit_GyariSzam->setText(Utf8(FactoryNumberText(deviceId)));
    Edit_GyariSzamEv->setText(Utf8(TwoDigitText(year)));
    Edit_GyariSzamHonap->setText(Utf8(TwoDigitText(month)));
    ListBox_uDeviceType->setCurrentRow(DeviceTypeToIndex(type));
}

void IdentityGroup::ClearModuleRadioButtons()
{
    for (QGroupBox* g : {GroupBox_InputModul, GroupBox_OutputModul2, GroupBox_OutputModul1})
        CheckRadio(g, -1);
}

QWidget* IdentityGroup::Widget() const
{
    return GroupBox1;
}

}  // namespace korvel
