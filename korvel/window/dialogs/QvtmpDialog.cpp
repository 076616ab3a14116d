#include "QvtmpDialog.h"

#include "DialogControls.h"
#include "QvtmpBlock.h"
#include "UiBuild.h"

#include "numbers/LocaleSeparators.h"
#include "numbers/PictureFormat.h"
#include "numbers/ScaledNumber.h"
#include "ui/RadioGroup.h"
#include "ui/SettingsItems.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kNoScale = QStringLiteral("xxxxx");

// A group box holding one large right-aligned reading.
QLabel* Reading(QWidget* parent, QGroupBox*& box, const char* boxName, const QString& title, const char* name,
                const QString& text)
{
    box = uibuild::Group(parent, boxName, title);
    auto* v = new QVBoxLayout(box);
    QLabel* l = uibuild::Label(box, name, text);
    QFont f = l->font();
    f.setPixelSize(32);
    f.setBold(true);
    l->setFont(f);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setMinimumWidth(150);
    v->addWidget(l);
    return l;
}

QPushButton* PlainButton(QWidget* parent, const char* name, const QString& caption)
{
    QPushButton* b = uibuild::Button(parent, name, caption);
    b->setAutoDefault(false);
    return b;
}

}  // namespace

QvtmpDialog::QvtmpDialog(QWidget* parent)
    : ModuleDialog("Form_QVTMP", "QVTMP", "Pt bemenet beállításai",
                   {.readKey = KeyQvtmpRead, .defaultKey = KeyQvtmpDefaults, .writeKey = KeyQvtmpWrite}, parent)
{
    // Beside the settings group: the sensor type and the two measurement boxes, which keep
    // their design text.
    auto* s = new QVBoxLayout(side());
    auto* sensor = new QHBoxLayout;
    Label11 = uibuild::Label(side(), "Label11", "Érzékelő típusa:");
    Label_bPt1000 = uibuild::Label(side(), "Label_bPt1000", "Pt1000");
    sensor->addWidget(Label11);
    sensor->addWidget(Label_bPt1000);
    sensor->addStretch(1);
    s->addLayout(sensor);
    Label_QVTMP_R = Reading(side(), GroupBox23, "GroupBox23", "Mért ellenállás", "Label_QVTMP_R", "000.00");
    Label_QVTMP_FokC = Reading(side(), GroupBox5, "GroupBox5", "Mért hőmérséklet", "Label_QVTMP_FokC", "0000.0");
    s->addWidget(GroupBox23);
    s->addWidget(GroupBox5);
    s->addStretch(1);

    QWidget* b = body();
    RadioGroup_QVTMP_Mode =
        NamedRadioGroup(b, "RadioGroup_QVTMP_Mode", "Üzemmód", {"°C", "Ellenállás", "Potenciométer"}, 0);
    RadioGroup_QVTMP_Wires = NamedRadioGroup(b, "RadioGroup_QVTMP_Wires", "Vezetékszám", {"2", "3", "4"}, 2);
    RadioGroup_QVTMP_Average =
        NamedRadioGroup(b, "RadioGroup_QVTMP_Average", "Átlagolt mérések", {"1", "2", "5", "10", "20", "50"}, 0);
    RadioGroup_uRoundSettings = NamedRadioGroup(b, "RadioGroup_uRoundSettings", "Kerekítés", kRoundingItems, 0);

    GroupBox_QVTMP_R2W = uibuild::Group(b, "GroupBox_QVTMP_R2W", "2 vezetékes mérés: vezeték ellenállás");
    auto* r2w = new QVBoxLayout(GroupBox_QVTMP_R2W);
    Label_QVTMP_R2W = BoldLabel(GroupBox_QVTMP_R2W, "Label_QVTMP_R2W", "000.00");
    Button_QVTMP_R2W_Meas = PlainButton(GroupBox_QVTMP_R2W, "Button_QVTMP_R2W_Meas", "Megállapítás méréssel");
    Button_QVTMP_R2W_Zero = PlainButton(GroupBox_QVTMP_R2W, "Button_QVTMP_R2W_Zero", "Rvez = 0");
    r2w->addWidget(Label_QVTMP_R2W);
    r2w->addWidget(Button_QVTMP_R2W_Meas);
    r2w->addWidget(Button_QVTMP_R2W_Zero);
    r2w->addStretch(1);

    // The potentiometer mode's settings.
    GroupBox_Pot = uibuild::Group(b, "GroupBox_Pot", "Potenciométer üzemmód beállításai");
    QWidget* pot = GroupBox_Pot;
    GroupBox4 = uibuild::Group(pot, "GroupBox4", "A 0% és a 100% pozíció beállítása");
    auto* cal = new QGridLayout(GroupBox4);
    int row = 0;
    for (const char* line : {"Tekerje a potenciométert a 0%-nak", "megfelelő állásba, majd nyomja meg",
                             "a 0% gombot. Ugyanezt tegye meg ", "a 100% állással is."})
        cal->addWidget(uibuild::Caption(GroupBox4, QString::fromUtf8(line)), row++, 0, 1, 2);
    Button_QVTMP_CalPot0 = PlainButton(GroupBox4, "Button_QVTMP_CalPot0", "0%");
    Label_QVTMP_CalPot0 = uibuild::Label(GroupBox4, "Label_QVTMP_CalPot0", "000.00");
    Button_QVTMP_CalPot100 = PlainButton(GroupBox4, "Button_QVTMP_CalPot100", "100%");
    Label_QVTMP_CalPot100 = uibuild::Label(GroupBox4, "Label_QVTMP_CalPot100", "000.00");
    cal->addWidget(Button_QVTMP_CalPot0, row, 0);
    cal->addWidget(Label_QVTMP_CalPot0, row++, 1);
    cal->addWidget(Button_QVTMP_CalPot100, row, 0);
    cal->addWidget(Label_QVTMP_CalPot100, row, 1);
    cal->setColumnStretch(1, 1);
    RadioGroup_uDecimalPointSettings =
        NamedRadioGroup(pot, "RadioGroup_uDecimalPointSettings", "Tizedesjegyek", settingsitems::Decimals(), 2);
    const ScaleRows scale = AddScaleRows(pot, "Potenciométer skálázása",
                                         {{"Label36", "A potenciométer 0%-ához"}, {"Label1", "tartozó kijelzési érték:"}},
                                         {{"Label2", "A potenciométer 100%-ához"}, {"Label3", "tartozó kijelzési érték:"}});
    GroupBox1 = scale.group;
    Label_iScaleLowSettings = scale.low.value;
    Button_ScaleLowSettings = scale.low.button;
    Label_iScaleHighSettings = scale.high.value;
    Button_ScaleHighSettings = scale.high.button;
    auto* potRow = new QHBoxLayout(pot);
    potRow->addWidget(GroupBox4, 0, Qt::AlignTop);
    potRow->addWidget(RadioGroup_uDecimalPointSettings, 0, Qt::AlignTop);
    potRow->addWidget(GroupBox1, 0, Qt::AlignTop);
    potRow->addStretch(1);

    auto* v = new QVBoxLayout(b);
    auto* top = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{RadioGroup_QVTMP_Mode, RadioGroup_QVTMP_Wires,
                                                      RadioGroup_QVTMP_Average, RadioGroup_uRoundSettings,
                                                      GroupBox_QVTMP_R2W})
        top->addWidget(w, 0, Qt::AlignTop);
    top->addStretch(1);
    v->addLayout(top);
    v->addWidget(GroupBox_Pot);
    v->addStretch(1);

    connect(RadioGroup_QVTMP_Mode, &RadioGroup::itemClicked, this, [this] { RadioGroup_QVTMP_ModeClick(); });
    connect(RadioGroup_QVTMP_Wires, &RadioGroup::itemClicked, this, [this] { RadioGroup_QVTMP_WiresClick(); });
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
        l->setText(decimals ? QString::fromStdString(FormatWithDecimals(value, *decimals, separator)) : kNoScale);
    };
    show(Label_iScaleLowSettings, b.iScaleLow);
    show(Label_iScaleHighSettings, b.iScaleHigh);
}
