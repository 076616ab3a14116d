#include "ModuleDialog.h"

#include "UiBuild.h"
#include "ui/TColor.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

ModuleDialog::ModuleDialog(const char* instanceName, const QString& caption, QWidget* parent) : QDialog(parent)
{
    setObjectName(QLatin1String(instanceName));
    setWindowTitle(caption);
    auto* v = new QVBoxLayout(this);
    auto* bar = new QWidget(this);
    auto* h = new QHBoxLayout(bar);
    h->setContentsMargins(0, 0, 0, 0);
    const uibuild::RequestTrio trio =
        uibuild::Trio(this, h, "SpeedButton_ReadFromDevice", "SpeedButton_ReadDefault", "SpeedButton_WriteToDevice");
    SpeedButton_ReadFromDevice = trio.read;
    SpeedButton_ReadDefault = trio.defaults;
    SpeedButton_WriteToDevice = trio.write;
    h->addStretch(1);
    v->addWidget(bar);
    body_ = new QWidget(this);
    v->addWidget(body_, 1);
}

TForm_QVRO::TForm_QVRO(QWidget* parent) : ModuleDialog("Form_QVRO", "QVRO - Fő modul", parent)
{
    auto* v = new QVBoxLayout(body());
    auto* state = new QGroupBox("A határérték kimenet jelenlegi állapota", body());
    state->setObjectName("GroupBox2");
    auto* sh = new QHBoxLayout(state);
    Label_DigitalOutOff = new QLabel("Kikapcsolva", state);
    Label_DigitalOutOff->setObjectName("Label_DigitalOutOff");
    Label_DigitalOutOn = new QLabel("Bekapcsolva", state);
    Label_DigitalOutOn->setObjectName("Label_DigitalOutOn");
    for (QLabel* l : {Label_DigitalOutOff, Label_DigitalOutOn}) {
        l->setAlignment(Qt::AlignCenter);
        l->setFixedSize(110, 22);
        sh->addWidget(l);
    }
    SetFontColor(Label_DigitalOutOff, clRed);
    SetWidgetColors(Label_DigitalOutOn, clLime, clWindowText);
    sh->addStretch(1);
    v->addWidget(state);

    auto* test = new QGroupBox("A határérték kimenet üzemmódtól független tesztelése", body());
    test->setObjectName("GroupBox1");
    auto* th = new QHBoxLayout(test);
    CheckBox_DigitalOutForceEng = new QCheckBox("Üzemmódtól független teszt engedélyezve", test);
    CheckBox_DigitalOutForceEng->setObjectName("CheckBox_DigitalOutForceEng");
    SpeedButton_DigitalOut1Force = new SpeedButton("Határérték kimenet bekapcsolás", 21, test);
    SpeedButton_DigitalOut1Force->setObjectName("SpeedButton_DigitalOut1Force");
    th->addWidget(CheckBox_DigitalOutForceEng);
    th->addWidget(SpeedButton_DigitalOut1Force);
    th->addStretch(1);
    v->addWidget(test);
    v->addStretch(1);
}

TForm_QVTMP::TForm_QVTMP(QWidget* parent) : ModuleDialog("Form_QVTMP", "QVTMP", parent)
{
    auto* g = new QGridLayout(body());
    g->addWidget(new QLabel("Érzékelő típusa:", body()), 0, 0);
    Label_bPt1000 = new QLabel("Pt1000", body());
    Label_bPt1000->setObjectName("Label_bPt1000");
    g->addWidget(Label_bPt1000, 0, 1);
    g->setColumnStretch(2, 1);
    g->setRowStretch(1, 1);
}
