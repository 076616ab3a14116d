#pragma once
#include "ui/SpeedButton.h"

#include <QObject>

namespace ombrik {

// "Beállítások" (TabSheet2) and "Határérték kimenetek" (TabSheet5): each page's read /
// factory-default / write trio of the settings, one group per page. The settings controls
// come with the settings record's three parts.
class SettingsPages : public QObject {
    Q_OBJECT
public:
    SettingsPages(QWidget* settingsSheet, QWidget* limitsSheet);

    SpeedButton* SpeedButton_ReadSettings = nullptr;
    SpeedButton* SpeedButton_ReadDefaultSettings = nullptr;
    SpeedButton* SpeedButton_WriteSettings = nullptr;
    SpeedButton* SpeedButton_ReadSettings2 = nullptr;
    SpeedButton* SpeedButton_ReadDefaultSettings2 = nullptr;
    SpeedButton* SpeedButton_WriteSettings2 = nullptr;
};

}  // namespace ombrik
