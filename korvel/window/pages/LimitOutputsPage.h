#pragma once
#include "korvel/link/records/StatusRecord.h"
#include "common/ui/LimitOutputGroup.h"
#include "common/ui/SpeedButton.h"

#include <QGroupBox>
#include <QLabel>
#include <QObject>

class RequestButtons;

// "Határérték kimenetek": the second settings trio, the four limit-output groups of the
// settings record and the direct control of the outputs, which the status poll sends and
// mirrors.
class LimitOutputsPage : public QObject {
    Q_OBJECT
public:
    explicit LimitOutputsPage(QWidget* sheet);

    void BindRequests(RequestButtons& requests);
    void FillStatusRequest(StatusRequestInputs& in) const;
    void ApplyStatusButtons(const StatusRequestButtons& buttons);
    // The "Bekapcsolva" labels of the outputs that are on.
    void ShowStatus(const StatusRecord& r);

    SpeedButton* SpeedButton_ReadSettings2 = nullptr;
    SpeedButton* SpeedButton_ReadDefaultSettings2 = nullptr;
    SpeedButton* SpeedButton_WriteSettings2 = nullptr;
    // The four limit outputs' groups and controls (GroupBox_Limit1..4 and the controls named
    // with their number).
    std::array<LimitOutputControls, 4> Limit{};
    SpeedButton* SpeedButton_DigitalOutForceEng = nullptr;
    SpeedButton* SpeedButton_DigitalOut1Force = nullptr;
    SpeedButton* SpeedButton_DigitalOut2Force = nullptr;
    SpeedButton* SpeedButton_DigitalOut3Force = nullptr;
    SpeedButton* SpeedButton_DigitalOut4Force = nullptr;
    QLabel* Label_DigitalOut1 = nullptr;
    QLabel* Label_DigitalOut2 = nullptr;
    QLabel* Label_DigitalOut3 = nullptr;
    QLabel* Label_DigitalOut4 = nullptr;

private:
    std::array<SpeedButton*, 4> Force() const;
};
