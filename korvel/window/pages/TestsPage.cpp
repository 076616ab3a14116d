#include "TestsPage.h"

#include "korvel/window/RequestButtons.h"
#include "common/ui/ControlBuilder.h"
#include "common/ui/TColor.h"

#include <QGridLayout>
#include <QVBoxLayout>

namespace korvel {

using namespace qs;

using namespace build;

TestsPage::TestsPage(QWidget* sheet) : QObject(sheet)
{
    auto* v = new QVBoxLayout(sheet);
    SpeedButton_EraseFRAM1 = Speed(sheet, "SpeedButton_EraseFRAM1", "Erase FRAM");
    v->addWidget(SpeedButton_EraseFRAM1, 0, Qt::AlignLeft);

    GroupBox_KijelzoTeszt = Group(sheet, "GroupBox_KijelzoTeszt", "Kijelző teszt");
    auto* tg = new QGridLayout(GroupBox_KijelzoTeszt);
    const std::tuple<SpeedButton**, const char*, const char*> tests[] = {
        {&SpeedButton_TestASCII5x7, "SpeedButton_TestASCII5x7", "ASCII-kódok 5x7"},
        {&SpeedButton_TestWhite, "SpeedButton_TestWhite", "Teli fehér"},
        {&SpeedButton_TestFrame, "SpeedButton_TestFrame", "Keret a kijelzőn"},
        {&SpeedButton_TestPattern, "SpeedButton_TestPattern", "Minta"},
        {&SpeedButton_TimeAfterReset, "SpeedButton_TimeAfterReset", "Reset óta eltelt idő"},
        {&SpeedButton_IntADC, "SpeedButton_IntADC", "Belső ADC olvasás"},
    };
    int i = 0;
    for (const auto& [target, name, caption] : tests) {
        *target = Speed(GroupBox_KijelzoTeszt, name, QString::fromUtf8(caption));
        tg->addWidget(*target, i / 3, i % 3);
        ++i;
    }
    tg->addWidget(new QLabel("recTX.uTestForce := 5"), 2, 0, 1, 3);
    v->addWidget(GroupBox_KijelzoTeszt);

    GroupBox_KepernyoKep = Group(sheet, "GroupBox_KepernyoKep", "Képernyő kép");
    auto* ig = new QGridLayout(GroupBox_KepernyoKep);
    SpeedButton_ReadDisplay =
        Speed(GroupBox_KepernyoKep, "SpeedButton_ReadDisplay", "Kiolvasás a készülékből");
    ig->addWidget(SpeedButton_ReadDisplay, 0, 0, Qt::AlignLeft);
    Image_OLEDNormalSize = Label(GroupBox_KepernyoKep, "Image_OLEDNormalSize", "");
    Image_OLEDNormalSize->setFixedSize(128, 64);
    Image_OLED = Label(GroupBox_KepernyoKep, "Image_OLED", "");
    Image_OLED->setFixedSize(512, 256);
    // Widget pixel (x, y) is picture pixel (x, y): no frame, no margin, no scaling.
    for (QLabel* image : {Image_OLEDNormalSize, Image_OLED}) {
        image->setFrameShape(QFrame::NoFrame);
        image->setContentsMargins(0, 0, 0, 0);
        image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        SetWidgetColors(image, clWhite, clBlack);
    }
    ig->addWidget(Image_OLEDNormalSize, 1, 0, Qt::AlignTop);
    ig->addWidget(Image_OLED, 1, 1);
    ig->setColumnStretch(2, 1);
    v->addWidget(GroupBox_KepernyoKep);
    v->addStretch(1);
}

void TestsPage::BindRequests(RequestButtons& requests)
{
    requests.Bind(KeyEraseFram, SpeedButton_EraseFRAM1);
    requests.Bind(KeyDisplayRead, SpeedButton_ReadDisplay);
}

void TestsPage::FillStatusRequest(StatusRequestInputs& in) const
{
    const SpeedButton* tests[] = {SpeedButton_TestASCII5x7,   SpeedButton_TestWhite,
                                  SpeedButton_TestFrame,      SpeedButton_TestPattern,
                                  SpeedButton_TimeAfterReset, SpeedButton_IntADC};
    for (std::size_t i = 0; i < in.displayTestDown.size(); ++i)
        in.displayTestDown[i] = tests[i]->IsDown();
}

void TestsPage::ShowDisplayImage(const QPixmap& large, const QPixmap& small)
{
    Image_OLED->setPixmap(large);
    Image_OLEDNormalSize->setPixmap(small);
}

}  // namespace korvel
