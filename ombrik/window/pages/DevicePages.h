#pragma once
#include "common/display/DisplayPainter.h"
#include "common/ui/SpeedButton.h"

#include <QGroupBox>
#include <QLabel>
#include <QWidget>

#include <array>

namespace qs {
class RequestButtonBinder;
}

namespace ombrik {

// "Fejlesztői segédelemek" (TabSheet4): erase FRAM1, reset and the display image read-out,
// enlarged four times on Image_OLED (512 x 256) and at its own size on Image_OLEDNormalSize
// (128 x 64).
class ToolsPage : public QWidget {
    Q_OBJECT
public:
    // Fills the page control's sheet.
    explicit ToolsPage(QWidget* sheet);

    // Each request button of the page bound to the request it makes.
    void BindRequests(qs::RequestButtonBinder& requests) const;
    // Draws a reply's two rows, those its own row byte names, into both images. The images
    // are never cleared: a pixel keeps its colour until a reply paints it again.
    void DrawRows(const qs::DisplayRowPair& rows);

private:
    void ShowImages();

    qs::DisplayImage image_;
    qs::DisplayPainter painter_;

    qs::SpeedButton* SpeedButton_EraseFRAM1 = nullptr;
    qs::SpeedButton* SpeedButton_Reset = nullptr;

    // "Képernyő kép"
    QGroupBox* GroupBox15 = nullptr;
    qs::SpeedButton* SpeedButton_ReadDisplay = nullptr;
    QLabel* Image_OLED = nullptr;
    QLabel* Image_OLEDNormalSize = nullptr;
};

// "Tesztek" (TabSheet6): the display tests the status poll sends.
class TestsPage : public QWidget {
    Q_OBJECT
public:
    // Fills the page control's sheet.
    explicit TestsPage(QWidget* sheet);

    // Which of the four display tests are Down, in the order of their test numbers 1..4.
    std::array<bool, 4> TestsDown() const;

private:
    // "Kijelző teszt"
    QGroupBox* GroupBox14 = nullptr;
    qs::SpeedButton* SpeedButton_TestASCII5x7 = nullptr;
    qs::SpeedButton* SpeedButton_TestWhite = nullptr;
    qs::SpeedButton* SpeedButton_TestFrame = nullptr;
    qs::SpeedButton* SpeedButton_TestPattern = nullptr;
};

}  // namespace ombrik
