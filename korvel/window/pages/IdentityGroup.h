#pragma once
#include "korvel/link/records/IdentityRecord.h"
#include "common/ui/SpeedButton.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QObject>
#include <QPushButton>
#include <QRadioButton>

#include <cstdint>

namespace korvel {

class RequestButtons;

// The identity group on the calibration page: factory number, year and month of manufacture,
// the device type and the three module slots, the read-back from the polled identity
// ("Kiolvasás a készülékből", run by the window, which also sets up the model page) and the
// identity write (command 1), whose record is taken from here.
class IdentityGroup : public QObject {
    Q_OBJECT
public:
    explicit IdentityGroup(QWidget* sheet);

    void BindRequests(RequestButtons& requests);
    // Takes the identity to write from the edits (clamped) and rewrites them.
    void ReadIdentityEdits();
    void Button_GyariSzamPlusz1Click();
    void Button_GyariSzamMinusz1Click();
    // Steps 1-3 of the read-back: the polled identity into the edits and the list.
    void ShowPolledIdentity(std::uint32_t deviceId, std::uint8_t year, std::uint8_t month,
                            std::uint16_t type);
    void ClearModuleRadioButtons();

    IdentityRecord IdentityToWrite{};
    // The group, for its place on the calibration page.
    QWidget* Widget() const;

signals:
    // "Kiolvasás a készülékből" was clicked.
    void readFromDeviceClicked();

private:
    QGroupBox* GroupBox1 = nullptr;
    QLineEdit* Edit_GyariSzamEv = nullptr;
    QLineEdit* Edit_GyariSzamHonap = nullptr;
    QLineEdit* Edit_GyariSzam = nullptr;
    QPushButton* Button_GyariSzamPlusz1 = nullptr;
    QPushButton* Button_GyariSzamMinusz1 = nullptr;
    QPushButton* Button_GyariSzamToEdits = nullptr;
    qs::SpeedButton* SpeedButton_GyariSzamAKeszulekbe = nullptr;
    QListWidget* ListBox_uDeviceType = nullptr;
    QGroupBox* GroupBox_InputModul = nullptr;
    QGroupBox* GroupBox_OutputModul2 = nullptr;
    QGroupBox* GroupBox_OutputModul1 = nullptr;
    QRadioButton* RadioButton_InputModulNone = nullptr;
    QRadioButton* RadioButton_InputModulQVAIN = nullptr;
    QRadioButton* RadioButton_InputModulQVTMP = nullptr;
    QRadioButton* RadioButton_InputModulQVSER = nullptr;
    QRadioButton* RadioButton_OutputModul2None = nullptr;
    QRadioButton* RadioButton_OutputModul2QVAO = nullptr;
    QRadioButton* RadioButton_OutputModul2QVSER = nullptr;
    QRadioButton* RadioButton_OutputModul2QVRO = nullptr;
    QRadioButton* RadioButton_OutputModul1None = nullptr;
    QRadioButton* RadioButton_OutputModul1QVAO = nullptr;
    QRadioButton* RadioButton_OutputModul1QVSER = nullptr;
    QRadioButton* RadioButton_OutputModul1QVRO = nullptr;
};

}  // namespace korvel
