#include "DevicePages.h"

#include "PageSheet.h"
#include "common/ui/ControlBuilder.h"
#include "common/ui/RequestButtonBinder.h"
#include "ombrik/link/CommandTable.h"

#include <QPixmap>
#include <QVBoxLayout>

namespace ombrik {

using namespace qs;

using namespace build;

ToolsPage::ToolsPage(QWidget* sheet) : QWidget(sheet)
{
    FillSheet(sheet, this);
    auto* tools = new QGridLayout(this);
    AddRequestButtons(this, tools, 0, 0, 2,
                      {{&SpeedButton_EraseFRAM1, "SpeedButton_EraseFRAM1", "FRAM1 törlése"},
                       {&SpeedButton_Reset, "SpeedButton_Reset", "RESET"}});
    GroupBox15 = Named<QGroupBox>(this, "GroupBox15", QStringLiteral("Képernyő kép"));
    auto* image = new QGridLayout(GroupBox15);
    AddRequestButtons(
        GroupBox15, image, 0, 0, 1,
        {{&SpeedButton_ReadDisplay, "SpeedButton_ReadDisplay", "Kiolvasás a készülékből"}});
    Image_OLED = Named<QLabel>(GroupBox15, "Image_OLED");
    Image_OLED->setFixedSize(painter_.Large().size());
    Image_OLEDNormalSize = Named<QLabel>(GroupBox15, "Image_OLEDNormalSize");
    Image_OLEDNormalSize->setFixedSize(painter_.Small().size());
    image->addWidget(Image_OLED, 1, 0, 1, 2);
    image->addWidget(Image_OLEDNormalSize, 2, 0, Qt::AlignLeft | Qt::AlignTop);
    ShowImages();
    image->setColumnStretch(1, 1);
    tools->addWidget(GroupBox15, 1, 0, 1, 3);
    tools->setColumnStretch(2, 1);
    tools->setRowStretch(2, 1);
}

TestsPage::TestsPage(QWidget* sheet) : QWidget(sheet)
{
    FillSheet(sheet, this);
    auto* tests = new QVBoxLayout(this);
    GroupBox14 = Named<QGroupBox>(this, "GroupBox14", QStringLiteral("Kijelző teszt"));
    auto* grid = new QGridLayout(GroupBox14);
    AddRequestButtons(GroupBox14, grid, 0, 0, 2,
                      {{&SpeedButton_TestASCII5x7, "SpeedButton_TestASCII5x7", "ASCII-kódok 5x7"},
                       {&SpeedButton_TestWhite, "SpeedButton_TestWhite", "Teli fehér"},
                       {&SpeedButton_TestFrame, "SpeedButton_TestFrame", "Keret a kijelzőn"},
                       {&SpeedButton_TestPattern, "SpeedButton_TestPattern", "Minta"}});
    tests->addWidget(GroupBox14);
    tests->addStretch(1);
}

void ToolsPage::DrawRows(const DisplayRowPair& rows)
{
    rows.StoreIn(image_);
    painter_.PaintRows(image_, rows.row, 2);
    ShowImages();
}

void ToolsPage::ShowImages()
{
    Image_OLED->setPixmap(QPixmap::fromImage(painter_.Large()));
    Image_OLEDNormalSize->setPixmap(QPixmap::fromImage(painter_.Small()));
}

std::array<bool, 4> TestsPage::TestsDown() const
{
    return {SpeedButton_TestASCII5x7->IsDown(), SpeedButton_TestWhite->IsDown(),
            SpeedButton_TestFrame->IsDown(), SpeedButton_TestPattern->IsDown()};
}

void ToolsPage::BindRequests(RequestButtonBinder& requests) const
{
    requests.Bind(Code(mbu::Command::EraseFram), SpeedButton_EraseFRAM1);
    requests.Bind(Code(mbu::Command::Reset), SpeedButton_Reset);
    requests.Bind(Code(mbu::Command::DisplayFirstRows), SpeedButton_ReadDisplay);
}

}  // namespace ombrik
