#pragma once
#include "korvel/link/records/StatusRecord.h"
#include "common/ui/LimitOutputGroup.h"
#include "common/ui/SpeedButton.h"

#include <QGroupBox>
#include <QLabel>
#include <QObject>

namespace korvel {

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
    // Entering the page: the settings read goes Down.
    void PressEntryReads();

private:
    qs::SpeedButton* SpeedButton_ReadSettings2 = nullptr;
    qs::SpeedButton* SpeedButton_ReadDefaultSettings2 = nullptr;
    qs::SpeedButton* SpeedButton_WriteSettings2 = nullptr;
    // The four limit outputs' groups and controls (GroupBox_Limit1..4 and the controls named
    // with their number).
    std::array<qs::LimitOutputControls, 4> Limit{};
    qs::SpeedButton* SpeedButton_DigitalOutForceEng = nullptr;
    qs::SpeedButton* SpeedButton_DigitalOut1Force = nullptr;
    qs::SpeedButton* SpeedButton_DigitalOut2Force = nullptr;
    qs::SpeedButton* SpeedButton_DigitalOut3Force = nullptr;
    qs::SpeedButton* SpeedButton_DigitalOut4Force = nullptr;
    QLabel* Label_DigitalOut1 = nullptr;
    QLabel* Label_DigitalOut2 = nullptr;
    QLabel* Label_DigitalOut3 = nullptr;
    QLabel* Label_DigitalOut4 = nullptr;

    std::array<qs::SpeedButton*, 4> Force() const;
};

}  // namespace korvel
