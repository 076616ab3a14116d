#include "ModelPages.h"

#include "korvel/window/dialogs/ModuleOpeners.h"
#include "korvel/window/RequestButtons.h"
#include "common/ui/ControlBuilder.h"
#include "common/ui/TColor.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace korvel {

using namespace qs;

using namespace build;

namespace {
constexpr int kLampSize = 18;

Shape* RelayLamp(QWidget* parent, const char* name)
{
    auto* s = new Shape(Shape::Circle, parent);
    s->setObjectName(QLatin1String(name));
    s->setFixedSize(kLampSize, kLampSize);
    s->setBrushColor(clBtnFace);
    // The lamp shows only for a relay module; its place is kept, so the buttons beside it
    // stand where they stand on every other page and for every module set.
    KeepRoomWhenHidden(s);
    return s;
}

// A group of module buttons in a row, with a relay lamp in front. Without a lamp of its own
// (nullptr), a row of a page whose other rows have one (lampColumn) keeps the lamp's place
// empty, so the rows' buttons line up.
QGroupBox* ModuleGroup(QWidget* page, const QString& title, Shape* lamp,
                       std::initializer_list<QPushButton*> buttons, bool lampColumn = false)
{
    auto* g = Group(page, nullptr, title);
    auto* h = new QHBoxLayout(g);
    if (lamp) {
        lamp->setParent(g);
        h->addWidget(lamp);
    } else if (lampColumn) {
        auto* place = new QWidget(g);
        place->setFixedSize(kLampSize, kLampSize);
        h->addWidget(place);
    }
    for (QPushButton* b : buttons) {
        b->setParent(g);
        b->setMinimumWidth(80);
        h->addWidget(b);
    }
    h->addStretch(1);
    return g;
}
}  // namespace

ModelPages::ModelPages(const Sheets& sheets, QObject* parent) : QObject(parent)
{
    // QV3310.
    {
        auto* v = new QVBoxLayout(sheets.qv3310);
        Button_QV3310_QVAO_Fo = Button(sheets.qv3310, "Button_QV3310_QVAO_Fo", "QVAO");
        v->addWidget(
            ModuleGroup(sheets.qv3310, "Kimeneti modul", nullptr, {Button_QV3310_QVAO_Fo}));
        v->addStretch(1);
    }
    // QV3320.
    {
        auto* v = new QVBoxLayout(sheets.qv3320);
        QWidget* p = sheets.qv3320;
        Button_QV3320_QVAIN = Button(p, "Button_QV3320_QVAIN", "QVAIN");
        Button_QV3320_QVTMP = Button(p, "Button_QV3320_QVTMP", "QVTMP");
        v->addWidget(ModuleGroup(p, "Bemeneti modulok", nullptr,
                                 {Button_QV3320_QVAIN, Button_QV3320_QVTMP}, true));
        Shape_DigitalOut1_QV3320 = RelayLamp(p, "Shape_DigitalOut1_QV3320");
        Button_QV3320_QVAO_Fo = Button(p, "Button_QV3320_QVAO_Fo", "QVAO");
        Button_QV3320_QVSER_Fo = Button(p, "Button_QV3320_QVSER_Fo", "QVSER");
        Button_QV3320_QVRO_Fo = Button(p, "Button_QV3320_QVRO_Fo", "QVRO");
        v->addWidget(
            ModuleGroup(p, "Fő kimeneti modul", Shape_DigitalOut1_QV3320,
                        {Button_QV3320_QVAO_Fo, Button_QV3320_QVSER_Fo, Button_QV3320_QVRO_Fo}));
        Shape_DigitalOut2_QV3320 = RelayLamp(p, "Shape_DigitalOut2_QV3320");
        Button_QV3320_QVAO_Tovabbi = Button(p, "Button_QV3320_QVAO_Tovabbi", "QVAO");
        Button_QV3320_QVRO_Tovabbi = Button(p, "Button_QV3320_QVRO_Tovabbi", "QVRO");
        v->addWidget(ModuleGroup(p, "További kimeneti modul", Shape_DigitalOut2_QV3320,
                                 {Button_QV3320_QVAO_Tovabbi, Button_QV3320_QVRO_Tovabbi}));
        v->addStretch(1);
    }
    // QV5510 and QV5520 IP.
    {
        auto* v = new QVBoxLayout(sheets.qv5510);
        QWidget* p = sheets.qv5510;
        Button_QV5510_QVAIN = Button(p, "Button_QV5510_QVAIN", "QVAIN");
        Button_QV5510_QVTMP = Button(p, "Button_QV5510_QVTMP", "QVTMP");
        Button_QV5510_QVSER_Fo = Button(p, "Button_QV5510_QVSER_Fo", "QVSER");
        v->addWidget(
            ModuleGroup(p, "Bemeneti modulok", nullptr,
                        {Button_QV5510_QVAIN, Button_QV5510_QVTMP, Button_QV5510_QVSER_Fo}));
        auto* relays = Group(p, nullptr, "Határérték kimenetek");
        auto* rh = new QHBoxLayout(relays);
        Shape_DigitalOut1_QV5510 = RelayLamp(relays, "Shape_DigitalOut1_QV5510");
        Button_QV5510_Rel1 = Button(relays, "Button_QV5510_Rel1", "Rel1");
        Shape_DigitalOut2_QV5510 = RelayLamp(relays, "Shape_DigitalOut2_QV5510");
        Button_QV5510_Rel2 = Button(relays, "Button_QV5510_Rel2", "Rel2");
        for (QWidget* w : {static_cast<QWidget*>(Shape_DigitalOut1_QV5510),
                           static_cast<QWidget*>(Button_QV5510_Rel1),
                           static_cast<QWidget*>(Shape_DigitalOut2_QV5510),
                           static_cast<QWidget*>(Button_QV5510_Rel2)})
            rh->addWidget(w);
        rh->addStretch(1);
        v->addWidget(relays);

        qv5510_ = new Qv5510Group(p);
        v->addWidget(qv5510_->Group());
        v->addStretch(1);
    }
    // QV5530.
    {
        auto* v = new QVBoxLayout(sheets.qv5530);
        QWidget* p = sheets.qv5530;
        Button_QV5530_QVAIN = Button(p, "Button_QV5530_QVAIN", "QVAIN");
        Button_QV5530_QVTMP = Button(p, "Button_QV5530_QVTMP", "QVTMP");
        v->addWidget(ModuleGroup(p, "Bemeneti modulok", nullptr,
                                 {Button_QV5530_QVAIN, Button_QV5530_QVTMP}));
        Button_QV5530_QVAO_Fo = Button(p, "Button_QV5530_QVAO_Fo", "QVAO");
        Button_QV5530_QVSER_Fo = Button(p, "Button_QV5530_QVSER_Fo", "QVSER");
        v->addWidget(ModuleGroup(p, "Kimeneti modulok", nullptr,
                                 {Button_QV5530_QVAO_Fo, Button_QV5530_QVSER_Fo}));
        v->addStretch(1);
    }
    new QVBoxLayout(sheets.qv3330);
    new QVBoxLayout(sheets.qv3340);
}

void ModelPages::BindRequests(RequestButtons& requests)
{
    qv5510_->BindRequests(requests);
}

void ModelPages::BindOpeners(QObject* context, const std::function<void(const ModuleOpener&)>& open)
{
    const std::initializer_list<QPushButton*> buttons = {
        Button_QV3310_QVAO_Fo,      Button_QV3320_QVAIN,        Button_QV3320_QVTMP,
        Button_QV3320_QVAO_Fo,      Button_QV3320_QVSER_Fo,     Button_QV3320_QVRO_Fo,
        Button_QV3320_QVAO_Tovabbi, Button_QV3320_QVRO_Tovabbi, Button_QV5510_QVAIN,
        Button_QV5510_QVTMP,        Button_QV5510_QVSER_Fo,     Button_QV5510_Rel1,
        Button_QV5510_Rel2,         Button_QV5530_QVAIN,        Button_QV5530_QVTMP,
        Button_QV5530_QVAO_Fo,      Button_QV5530_QVSER_Fo};
    for (const ModuleOpener& row : ModuleOpeners())
        for (QPushButton* b : buttons)
            if (b->objectName() == QLatin1String(row.button))
                connect(b, &QPushButton::clicked, context, [open, &row] { open(row); });
}

void ModelPages::FillStatusRequest(StatusRequestInputs& in) const
{
    qv5510_->FillStatusRequest(in);
}

void ModelPages::ShowStatus(const StatusRecord& r)
{
    const TColor orange = 0x4080FFu;
    const bool out1 = r.uDigitalOutputs & 1u;
    const bool out2 = r.uDigitalOutputs & 2u;
    Shape_DigitalOut1_QV5510->setBrushColor(out1 ? orange : clBtnFace);
    Shape_DigitalOut1_QV3320->setBrushColor(out1 ? orange : clBtnFace);
    Shape_DigitalOut2_QV5510->setBrushColor(out2 ? orange : clBtnFace);
    Shape_DigitalOut2_QV3320->setBrushColor(out2 ? orange : clBtnFace);
    qv5510_->ShowStatus(r);
}

}  // namespace korvel
