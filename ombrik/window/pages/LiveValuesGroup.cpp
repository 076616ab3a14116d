#include "LiveValuesGroup.h"

#include "common/ui/ControlBuilder.h"
#include "common/ui/LabelText.h"
#include "common/ui/TColor.h"

#include <QGridLayout>
#include <QVBoxLayout>

namespace ombrik {

using namespace qs;

using namespace build;

namespace {

TMBarGraph* ReadingBar(QWidget* parent, const char* name)
{
    auto* bar = Named<TMBarGraph>(parent, name);
    bar->SetFormValues();
    bar->SetMBGPlusColorAt1(0xFFFF00u);  // aqua
    bar->setFixedSize(180, 17);
    return bar;
}

Shape* CalibrationLamp(QWidget* parent, const char* name)
{
    auto* lamp = Named<Shape>(parent, name, Shape::Rectangle);
    lamp->setFixedSize(24, 14);
    lamp->setBrushColor(clBtnFace);
    return lamp;
}

}  // namespace

LiveValuesGroup::LiveValuesGroup(QWidget* parent)
    : QGroupBox(QStringLiteral("Mért értékek"), parent)
{
    setObjectName(QStringLiteral("GroupBox_LiveValues"));
    QWidget* g = this;
    auto* grid = new QGridLayout(g);
    grid->setVerticalSpacing(2);
    MBarGraph_IRow = ReadingBar(g, "MBarGraph_IRow");
    MBarGraph_IAveraged = ReadingBar(g, "MBarGraph_IAveraged");
    Shape_CalibratedInput = CalibrationLamp(g, "Shape_CalibratedInput");
    Shape_CalibratedOutput = CalibrationLamp(g, "Shape_CalibratedOutput");
    int row = 0;
    for (auto [caption, control] : {std::pair<const char*, QWidget*>{"AD nyers:", MBarGraph_IRow},
                                    {"AD szűrt:", MBarGraph_IAveraged},
                                    {"Bemenet kalibrálva:", Shape_CalibratedInput},
                                    {"Kimenet kalibrálva:", Shape_CalibratedOutput}}) {
        grid->addWidget(new QLabel(QString::fromUtf8(caption), g), row, 0);
        // A lamp keeps to its size at the left; the bars take the column's width.
        grid->addWidget(control, row++, 1,
                        qobject_cast<Shape*>(control) ? Qt::AlignLeft : Qt::Alignment());
    }
    row = AddValueRows(
        g, grid, row, 0,
        {{&Label_fFizikaiMennyiseg, "Label_fFizikaiMennyiseg", "Fizikai érték: ", ""},
         {&Label_fKimenetSzazalek, "Label_fKimenetSzazalek", "Kimenet százalék:", ""},
         {&Label_iSkalazottKijezesiErtek, "Label_iSkalazottKijezesiErtek", "Kijelzett érték:", ""},
         {&Label_uInputType, "Label_uInputType", "Bement:", ""},
         {&Label_uCRCOKbits, "Label_uCRCOKbits", "Indításkori jó CRC:", ""},
         {&Label_uAfterWriteOKbits, "Label_uAfterWriteOKbits", "Sikeres mentés:", ""},
         {&Label_uSPS, "Label_uSPS", "ADC SpS:", ""}});

    Panel1 = Named<QWidget>(g, "Panel1");
    Panel1->setFixedHeight(40);
    SetWidgetColors(Panel1, clBlack, clYellow);
    Label_iSkalazottKijezesiErtek2 =
        Named<QLabel>(Panel1, "Label_iSkalazottKijezesiErtek2", QString());
    SetWidgetColors(Label_iSkalazottKijezesiErtek2, clBlack, clYellow);
    QFont big = Label_iSkalazottKijezesiErtek2->font();
    big.setPixelSize(24);
    big.setBold(true);
    Label_iSkalazottKijezesiErtek2->setFont(big);
    auto* panel = new QVBoxLayout(Panel1);
    panel->setContentsMargins(6, 2, 6, 2);
    panel->addWidget(Label_iSkalazottKijezesiErtek2, 0, Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(Panel1, row, 0, 1, 3);
    // The bars limit the value column's width; the room to spare goes to the right.
    grid->setColumnStretch(2, 1);
}

void LiveValuesGroup::Show(const MbuStatusRecord& r, std::uint8_t inputKind, const QString& shown)
{
    const LiveValueControls live{MBarGraph_IRow,         MBarGraph_IAveraged,
                                 Label_uInputType,       Label_fFizikaiMennyiseg,
                                 Label_fKimenetSzazalek, Label_iSkalazottKijezesiErtek};
    live.Show(r, inputKind, kOmbrikPtTexts, shown);
    Label_iSkalazottKijezesiErtek2->setText(shown);
    Shape_CalibratedInput->setBrushColor(r.uErrorBits & live_status::InputNotCalibrated ? clRed
                                                                                        : clLime);
    Shape_CalibratedOutput->setBrushColor(r.uErrorBits & live_status::OutputNotCalibrated ? clRed
                                                                                          : clLime);
    // Made only when they change.
    labeltext::Set(
        Label_uCRCOKbits, [&] { return QString::number(r.uCRCOKbits); }, r.uCRCOKbits);
    labeltext::Set(
        Label_uAfterWriteOKbits, [&] { return QString::number(r.uAfterWriteOKbits); },
        r.uAfterWriteOKbits);
    labeltext::Set(
        Label_uSPS, [&] { return QString::number(r.uSPS); }, r.uSPS);
}

}  // namespace ombrik
