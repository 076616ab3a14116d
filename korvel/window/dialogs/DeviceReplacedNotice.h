#pragma once
#include <QDialog>
#include <QPointer>
#include <QSize>

#include <cstdint>

class QLabel;
class QPushButton;
class QTimer;

namespace qs::screenfit {
class PlaceWhenFramed;
}

namespace korvel {

// The device-replacement notice: a small non-modal window that tells the user another
// device has been plugged in and work goes on with its settings. While a dialog runs its
// modal loop (a module dialog, the number editor within one, the password dialog) the notice
// stands above it and takes the mouse and the keyboard until Ok or Esc hides it; the dialog
// below stays open. With no such dialog the main window stays usable beside it.
class DeviceReplacedNotice : public QDialog {
    Q_OBJECT
public:
    // The design's outer size, with the usual window frame round the client area.
    static constexpr QSize kOuterSize{634, 280};

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
    QTimer* reshow_ = nullptr;
    QPointer<QWidget> mainWindow_;
    qs::screenfit::PlaceWhenFramed* placement_ = nullptr;

    // Shows the notice (or shows it again) above the dialog whose modal loop runs now, modal
    // itself so that the dialog's loop lets its input through; non-modal where none runs.
    void ShowAboveModalDialog();
    void CentreOnMainWindow();

protected:
    bool event(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace korvel
