#pragma once
#include "common/ui/LimitOutputGroup.h"
#include "common/ui/SpeedButton.h"

#include <QWidget>

#include <array>

namespace qs {
class RequestButtonBinder;
}

namespace ombrik {

// "Határérték kimenetek" (TabSheet5): the read / factory-default / write trio of the
// settings and the four limit outputs with their seconds and pulse seconds, the part of the
// settings record they show. Their contents at start are the ones a write sends before any
// read.
class LimitsPage : public QWidget {
    Q_OBJECT
public:
    // Fills the page control's sheet.
    explicit LimitsPage(QWidget* sheet);

    // The trio bound to the settings chains.
    void BindRequests(qs::RequestButtonBinder& requests) const;
    // Entering the page reads the settings.
    void PressRead();

private:
    qs::SpeedButton* SpeedButton_ReadSettings2 = nullptr;
    qs::SpeedButton* SpeedButton_ReadDefaultSettings2 = nullptr;
    qs::SpeedButton* SpeedButton_WriteSettings2 = nullptr;
    // The four limit outputs (GroupBox_Limit1..4 and the controls named with their number).
    std::array<qs::LimitOutputControls, 4> Limit{};
};

}  // namespace ombrik
