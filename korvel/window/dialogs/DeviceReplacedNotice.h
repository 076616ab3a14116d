#pragma once
#include <QDialog>
#include <QPointer>

#include <cstdint>

class QLabel;
class QPushButton;

namespace qs::screenfit {
class PlaceWhenFramed;
}

namespace korvel {

// The device-replacement notice: a small non-modal window that tells the user another
// device has been plugged in and work goes on with its settings.
class DeviceReplacedNotice : public QDialog {
    Q_OBJECT
public:
    explicit DeviceReplacedNotice(QWidget* parent = nullptr);

    // Fonts of the two "new" value labels: red where the value changed, black where not.
    void MarkChanges(bool typeChanged, bool idChanged);
    void ShowDevices(std::uint16_t type, std::uint16_t lastType, std::uint32_t id,
                     std::uint32_t lastId);
    // Shows the notice centred on the main window (again once the window manager has framed
    // it, where that comes after the showing), kept on the screen.
    void ShowNotice(QWidget* mainWindow);
    void Button_OkClick();

private:
    QLabel* Label_uLastDevice = nullptr;
    QLabel* Label_uDevice = nullptr;
    QLabel* Label_uLastDeviceID = nullptr;
    QLabel* Label_uDeviceID = nullptr;
    QPushButton* Button_Ok = nullptr;
    QPointer<QWidget> mainWindow_;
    qs::screenfit::PlaceWhenFramed* placement_ = nullptr;

    void CentreOnMainWindow();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace korvel
