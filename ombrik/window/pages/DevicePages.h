#pragma once
#include "ui/SpeedButton.h"

#include <QGroupBox>
#include <QObject>

#include <array>

namespace ombrik {

// "Fejlesztői segédelemek" (TabSheet4): erase FRAM1, reset and the display image read-out;
// "Tesztek" (TabSheet6): the display tests the status poll sends.
class DevicePages : public QObject {
    Q_OBJECT
public:
    DevicePages(QWidget* toolsSheet, QWidget* testsSheet);

    // The four test buttons in the order of their test numbers 1..4.
    std::array<SpeedButton*, 4> TestButtons() const;

    SpeedButton* SpeedButton_EraseFRAM1 = nullptr;
    SpeedButton* SpeedButton_Reset = nullptr;
    QGroupBox* GroupBox15 = nullptr;
    SpeedButton* SpeedButton_ReadDisplay = nullptr;
    QGroupBox* GroupBox14 = nullptr;
    SpeedButton* SpeedButton_TestASCII5x7 = nullptr;
    SpeedButton* SpeedButton_TestWhite = nullptr;
    SpeedButton* SpeedButton_TestFrame = nullptr;
    SpeedButton* SpeedButton_TestPattern = nullptr;
};

}  // namespace ombrik
