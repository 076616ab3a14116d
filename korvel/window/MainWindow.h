#pragma once
#include "WindowState.h"
#include "common/hid/UsbHid.h"
#include "common/ui/PageControl.h"

#include <QPushButton>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <functional>

namespace korvel {

class LinkSession;
class RequestButtons;
class HeaderPage;
class ModelPages;
class CalibrationPage;
class IdentityGroup;
class SettingsPage;
class LimitOutputsPage;
class TestsPage;
class MonitorPage;
class SettingsCommands;
class FactoryCommands;
class ModuleDialogBinding;
class QvtmpBinding;
class Qv5510PageBinding;

// Korvel's main window ("Form1"): the header, the main page control with the model pages,
// the factory pages and the version pages, composed of page classes that own their
// controls. It owns the link session, the command bindings the session asks and the state
// its binders share, and binds the session to the pages: request buttons to pending keys,
// records to the commands, and the session's reports to the monitor, header and error pages.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    using Dialogs = FormDialogs;

    // The window's size where the screen has room for it.
    static constexpr QSize kDesignSize{1321, 946};

    // usb: the HID layer; arguments: the command-line parameters (without the program name).
    MainWindow(qs::hid::UsbHid& usb, QStringList arguments, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Binds the dialogs' request buttons and the status poll's dialog controls.
    void AttachDialogs(const Dialogs& dialogs);

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The tests' and the benchmark's one way in (defined beside them): it reads the link and
    // the state the binders share, and replaces none of the command records.
    friend struct MainWindowTestAccess;

    // A write is offered to its buttons exactly when `bindings` has its encoder: a write whose
    // record this program cannot fill must never reach the device.
    void OfferWrites() { OfferWrites(bindings_); }
    void OfferWrites(const Bindings& bindings);
    // The window's activation: factory mode from the parameters, and the tabs it shows.
    void FormActivate();
    // The receive lamp's timer ran out: the lamps go dark.
    void Timer_RxLEDTimer();
    QString IniFileName() const;
    void FormCreate();
    void FormClose();
    void LoadIni();
    void SaveIni();
    void Button_ExitFromApplicationClick();
    void Button_RefreshFormClick();
    void Button_CommandsClearClick();
    void PageControl1Change();
    void PageControl4Change();
    // "Kiolvasás a készülékből" of the identity group (also after two seconds of traffic).
    void Button_GyariSzamToEditsClick();
    void ConfigureModelPage(std::uint16_t type);
    void CheckDeviceChange();
    void CreatePages();
    void BindSession();
    void BindStatusPoll();
    void BuildStatusRequest(qs::ByteWriter& w);
    void ApplyStatusRecord(const StatusRecord& r);
    void ShowLinkError(std::uint8_t code);
    void ShowRxActivity(std::uint8_t echo);
    void ShowOnline(bool online);

    WindowState state_;
    Bindings bindings_;
    LinkSession* session_;
    RequestButtons* requests_;
    QStringList arguments_;
    Dialogs dialogs_;
    SettingsCommands* settingsIO_ = nullptr;
    FactoryCommands* factory_ = nullptr;
    // Device replacement.
    std::uint16_t lastDeviceType_ = 0;
    std::uint32_t lastDeviceID_ = 0;
    // The report-ready beep (the system's beep; empty: none).
    std::function<void()> beep_;
    // How often the window was refreshed ("Kép frissítés" or Alt with a key).
    int refreshCount_ = 0;
    // Where the settings file goes; empty: beside the executable.
    QString iniPath_;
    // Set by an exit button: the program ends without the close handling.
    bool exitWithoutClose_ = false;
    ModuleDialogBinding* moduleDialogs_ = nullptr;
    QvtmpBinding* qvtmpBinding_ = nullptr;
    Qv5510PageBinding* qv5510Binding_ = nullptr;
    bool activeWithinProgram_ = true;

    // ---- pages ----
    HeaderPage* Header = nullptr;
    ModelPages* Models = nullptr;
    CalibrationPage* Calibration = nullptr;
    IdentityGroup* Identity = nullptr;
    SettingsPage* Settings = nullptr;
    LimitOutputsPage* Limits = nullptr;
    TestsPage* Tests = nullptr;
    MonitorPage* Monitor = nullptr;

    qs::PageControl* PageControl4 = nullptr;  // main: model tabs, factory tab, version pages
    QWidget* TabSheet_3310 = nullptr;
    QWidget* TabSheet_3320 = nullptr;
    QWidget* TabSheet_3330 = nullptr;
    QWidget* TabSheet_3340 = nullptr;
    QWidget* TabSheet_5510 = nullptr;
    QWidget* TabSheet_5530 = nullptr;
    QWidget* TabSheet_Quorin = nullptr;
    QWidget* TabSheet_TooOld = nullptr;
    QWidget* TabSheet_TooNew = nullptr;
    QPushButton* Button_ExitFromApplication = nullptr;
    QPushButton* Button_ExitFromApplication2 = nullptr;
    qs::PageControl* PageControl1 = nullptr;  // factory pages
    QWidget* TabSheet1 = nullptr;
    QWidget* TabSheet_Settings = nullptr;
    QWidget* TabSheet5 = nullptr;
    QWidget* TabSheet6 = nullptr;
    QWidget* TabSheet9 = nullptr;
    QTimer* Timer_RxLED = nullptr;
};

}  // namespace korvel
