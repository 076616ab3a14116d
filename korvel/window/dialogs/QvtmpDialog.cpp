#include "QvtmpDialog.h"

#include "DialogControls.h"
#include "korvel/link/records/QvtmpBlock.h"
#include "common/ui/ControlBuilder.h"

#include "common/numbers/LocaleSeparators.h"
#include "common/numbers/PictureFormat.h"
#include "common/numbers/ScaledNumber.h"
#include "common/ui/RadioGroup.h"
#include "common/ui/SettingsItems.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvel {

using namespace qs;

namespace {

const QString kNoScale = QStringLiteral("xxxxx");

// A group box holding one large right-aligned reading.
QLabel* Reading(QWidget* parent, QGroupBox*& box, const char* boxName, const QString& title,
                const char* name, const QString& text)
{
    box = build::Group(parent, boxName, title);
    auto* v = new QVBoxLayout(box);
    QLabel* l = build::Label(box, name, text);
    QFont f = l->font();
    f.setPixelSize(32);
    f.setBold(true);
    l->setFont(f);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    v->addWidget(l);
    return l;
}

QPushButton* PlainButton(QWidget* parent, const char* name, const QString& caption)
{
    QPushButton* b = build::Button(parent, name, caption);
    b->setAutoDefault(false);
    return b;
}

}  // namespace

QvtmpDialog::QvtmpDialog(QWidget* parent)
    : ModuleDialog(
          "Form_QVTMP", "QVTMP", "Pt bemenet beállításai",
          {.readKey = KeyQvtmpRead, .defaultKey = KeyQvtmpDefaults, .writeKey = KeyQvtmpWrite},
          parent)
{
    // GroupBox9 leaves room on its right for the sensor type and the two measurement boxes,
    // which keep their design text.
    GroupBox9->setGeometry(kBodyRect.adjusted(0, 0, -kSideWidth, 0));
    const int side = kBodyRect.right() + 1 - kSideWidth + 10;
    Label11 = build::Label(this, "Label11", "Érzékelő típusa:");
    Label11->setGeometry(side, 56, 100, 16);
    Label_bPt1000 = build::Label(this, "Label_bPt1000", "Pt1000");
    Label_bPt1000->setGeometry(side + 100, 56, kSideWidth - 110, 16);
    Label_QVTMP_R =
        Reading(this, GroupBox23, "GroupBox23", "Mért ellenállás", "Label_QVTMP_R", "000.00");
    GroupBox23->setGeometry(side, 80, kSideWidth - 10, 76);
    Label_QVTMP_FokC =
        Reading(this, GroupBox5, "GroupBox5", "Mért hőmérséklet", "Label_QVTMP_FokC", "0000.0");
    GroupBox5->setGeometry(side, 166, kSideWidth - 10, 76);

    QWidget* b = body();
    RadioGroup_QVTMP_Mode = NamedRadioGroup(b, "RadioGroup_QVTMP_Mode", "Üzemmód",
                                            {"°C", "Ellenállás", "Potenciométer"}, 0);
    RadioGroup_QVTMP_Wires =
        NamedRadioGroup(b, "RadioGroup_QVTMP_Wires", "Vezetékszám", {"2", "3", "4"}, 2);
    RadioGroup_QVTMP_Average = NamedRadioGroup(b, "RadioGroup_QVTMP_Average", "Átlagolt mérések",
                                               {"1", "2", "5", "10", "20", "50"}, 0, 2);
    RadioGroup_uRoundSettings =
        NamedRadioGroup(b, "RadioGroup_uRoundSettings", "Kerekítés", kRoundingItems, 0, 2);

    GroupBox_QVTMP_R2W =
        build::Group(b, "GroupBox_QVTMP_R2W", "2 vezetékes mérés: vezeték ellenállás");
    auto* r2w = new QVBoxLayout(GroupBox_QVTMP_R2W);
    Label_QVTMP_R2W = BoldLabel(GroupBox_QVTMP_R2W, "Label_QVTMP_R2W", "000.00");
    Button_QVTMP_R2W_Meas =
        PlainButton(GroupBox_QVTMP_R2W, "Button_QVTMP_R2W_Meas", "Megállapítás méréssel");
    Button_QVTMP_R2W_Zero = PlainButton(GroupBox_QVTMP_R2W, "Button_QVTMP_R2W_Zero", "Rvez = 0");
    r2w->addWidget(Label_QVTMP_R2W);
    r2w->addWidget(Button_QVTMP_R2W_Meas);
    r2w->addWidget(Button_QVTMP_R2W_Zero);
    r2w->addStretch(1);

    // The potentiometer mode's settings.
    GroupBox_Pot = build::Group(b, "GroupBox_Pot", "Potenciométer üzemmód beállításai");
    QWidget* pot = GroupBox_Pot;
    GroupBox4 = build::Group(pot, "GroupBox4", "A 0% és a 100% pozíció beállítása");
    auto* cal = new QGridLayout(GroupBox4);
    int row = 0;
    for (const char* line :
         {"Tekerje a potenciométert a 0%-nak", "megfelelő állásba, majd nyomja meg",
          "a 0% gombot. Ugyanezt tegye meg ", "a 100% állással is."})
        cal->addWidget(build::Caption(GroupBox4, QString::fromUtf8(line)), row++, 0, 1, 2);
    Button_QVTMP_CalPot0 = PlainButton(GroupBox4, "Button_QVTMP_CalPot0", "0%");
    Label_QVTMP_CalPot0 = build::Label(GroupBox4, "Label_QVTMP_CalPot0", "000.00");
    Button_QVTMP_CalPot100 = PlainButton(GroupBox4, "Button_QVTMP_CalPot100", "100%");
    Label_QVTMP_CalPot100 = build::Label(GroupBox4, "Label_QVTMP_CalPot100", "000.00");
    cal->addWidget(Button_QVTMP_CalPot0, row, 0);
    cal->addWidget(Label_QVTMP_CalPot0, row++, 1);
    cal->addWidget(Button_QVTMP_CalPot100, row, 0);
    cal->addWidget(Label_QVTMP_CalPot100, row, 1);
    cal->setColumnStretch(1, 1);
    cal->setRowStretch(row + 1, 1);
    RadioGroup_uDecimalPointSettings = NamedRadioGroup(
        pot, "RadioGroup_uDecimalPointSettings", "Tizedesjegyek", settingsitems::Decimals(), 2);
    const ScaleRows scale = AddScaleRows(
        pot, "Potenciométer skálázása",
        {{"Label36", "A potenciométer 0%-ához"}, {"Label1", "tartozó kijelzési érték:"}},
        {{"Label2", "A potenciométer 100%-ához"}, {"Label3", "tartozó kijelzési érték:"}});
    GroupBox1 = scale.group;
    Label_iScaleLowSettings = scale.low.value;
    Button_ScaleLowSettings = scale.low.button;
    Label_iScaleHighSettings = scale.high.value;
    Button_ScaleHighSettings = scale.high.button;

    // Fixed places: a group that appears or disappears moves no other.
    RadioGroup_QVTMP_Mode->setGeometry(10, 20, 135, 110);
    RadioGroup_QVTMP_Wires->setGeometry(155, 20, 100, 110);
    RadioGroup_QVTMP_Average->setGeometry(265, 20, 120, 110);
    RadioGroup_uRoundSettings->setGeometry(395, 20, 120, 135);
    GroupBox_QVTMP_R2W->setGeometry(525, 20, 260, 110);
    GroupBox_Pot->setGeometry(10, 165, 730, 212);
    GroupBox4->setGeometry(10, 20, 230, 182);
    RadioGroup_uDecimalPointSettings->setGeometry(250, 20, 100, 160);
    GroupBox1->setGeometry(360, 20, 360, 110);

    connect(RadioGroup_QVTMP_Mode, &RadioGroup::itemClicked, this,
            [this] { RadioGroup_QVTMP_ModeClick(); });
    connect(RadioGroup_QVTMP_Wires, &RadioGroup::itemClicked, this,
            [this] { RadioGroup_QVTMP_WiresClick(); });
    // With the design selections ("°C", "4" wires) both boxes start hidden.
    RadioGroup_QVTMP_ModeClick();
    RadioGroup_QVTMP_WiresClick();
}

void QvtmpDialog::ShowStatus(const StatusRecord& r)
{
    Label_bPt1000->setText(r.bPt1000 ? "Pt 1000" : "Pt 100");
}

void QvtmpDialog::RadioGroup_QVTMP_ModeClick()
{
    GroupBox_Pot->setVisible(RadioGroup_QVTMP_Mode->ItemIndex() == 2);
}

void QvtmpDialog::RadioGroup_QVTMP_WiresClick()
{
    GroupBox_QVTMP_R2W->setVisible(RadioGroup_QVTMP_Wires->ItemIndex() == 0);
}

void QvtmpDialog::ShowResistances(const QvtmpBlock& b, bool pt1000)
{
    const char* picture = pt1000 ? "###0.0" : "##0.00";
    const std::string separator = LocaleDecimalSeparator();
    auto show = [&](QLabel* l, float ohm) {
        l->setText(QString::fromStdString(FormatFloat(ohm, picture, separator)));
    };
    show(Label_QVTMP_R2W, b.LeadResistance());
    show(Label_QVTMP_CalPot0, b.CalPot0());
    show(Label_QVTMP_CalPot100, b.CalPot100());
}

void QvtmpDialog::ShowScaleLabels(const QvtmpBlock& b)
{
    const std::optional<int> decimals = b.ScaleDecimals();
    const std::string separator = LocaleDecimalSeparator();
    auto show = [&](QLabel* l, std::int32_t value) {
        // Without a picture and a divisor for the decimals, nothing is divided.
        l->setText(decimals
                       ? QString::fromStdString(FormatWithDecimals(value, *decimals, separator))
                       : kNoScale);
    };
    show(Label_iScaleLowSettings, b.iScaleLow);
    show(Label_iScaleHighSettings, b.iScaleHigh);
}

}  // namespace korvel
