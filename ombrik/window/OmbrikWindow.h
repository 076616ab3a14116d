#pragma once
#include "ombrik/session/MbuSession.h"
#include "WindowState.h"

#include <QWidget>

#include <functional>

class QScrollArea;
class QTimer;

namespace qs {
class PageControl;
class RequestButtonBinder;
}  // namespace qs

namespace ombrik {

class CalibrationPage;
class SettingsPage;
class LimitsPage;
class DeveloperPage;
class ToolsPage;
class TestsPage;
class MonitorGroup;
class LiveValuesGroup;
class SettingsParts;

// Ombrik's one window ("Form1", caption "Form"): the page control with its six pages, the
// frame monitor and the status poll's values beside it. It owns the link session and binds
// it to the pages: request buttons to pending keys, records to the commands (its command
// bindings), the session's reports to the monitor. Building it puts the keyboard and wheel
// rules of both programs in place (qs::InstallInputRules).
class OmbrikWindow : public QWidget {
    Q_OBJECT
public:
    // iniPath: the settings file; empty: the program's own path with the extension ".ini".
    explicit OmbrikWindow(qs::hid::UsbHid& usb, QString iniPath = {}, QWidget* parent = nullptr);
    ~OmbrikWindow() override;

    // The size the window takes on a screen that holds it: the pages and the monitor at
    // their full size, no scroll bar.
    QSize DesignSize() const { return designSize_; }

private:
    // The tests' one way in (defined beside them): it reads the link and the state the
    // commands share, and replaces none of the command records.
    friend struct OmbrikWindowTestAccess;

    // Enables each request button exactly when every command its operation sends has what it
    // needs in `bindings` (an encoder for request data, a decoder for reply data): no empty
    // record reaches the unit, and no reply goes unshown.
    void OfferRequests() { OfferRequests(bindings_); }
    void OfferRequests(const MbuSession::Bindings& bindings);
    // The Com lamp's timer ran out: the lamp goes back to grey.
    void Timer_RxLEDTimer();

    // The records of the commands (an encoder writes its command's request data from the
    // controls, a decoder reads its command's reply data and shows it) and what the commands
    // share (the last poll, the modules, the scaled format, the display row). Declared before
    // the session, which keeps a reference to them.
    MbuSession::Bindings bindings_;
    WindowState state_;
    // The settings file: the program's own path with the extension ".ini", unless given.
    QString iniPath_;
    // The report-ready beep (the system's beep; empty: none).
    std::function<void()> beep_;
    QSize designSize_;
    MbuSession* session_;
    qs::RequestButtonBinder* requests_;

    QScrollArea* ScrollBox_Form = nullptr;  // holds the page control and the monitor
    qs::PageControl* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr;
    QWidget* TabSheet2 = nullptr;
    QWidget* TabSheet5 = nullptr;
    QWidget* TabSheet3 = nullptr;
    QWidget* TabSheet4 = nullptr;
    QWidget* TabSheet6 = nullptr;
    CalibrationPage* Calibration = nullptr;
    SettingsPage* Settings = nullptr;
    LimitsPage* Limits = nullptr;
    DeveloperPage* Developer = nullptr;
    ToolsPage* Tools = nullptr;
    TestsPage* Tests = nullptr;
    MonitorGroup* Monitor = nullptr;
    LiveValuesGroup* Live = nullptr;
    // The settings record's three parts on the two settings pages.
    SettingsParts* settingsIO_ = nullptr;
    QTimer* Timer_RxLED = nullptr;

    void CreatePages();
    void BindRequests();
    void BindSession();
    // Start-up and the settings file.
    void FormCreate();
    void FormActivate();
    void FormClose();
    void LoadIni();
    void SaveIni();
    // The user's change of PageControl1's page: entering TabSheet1 reads the options and the
    // calibration points, entering a settings page reads the settings.
    void PageControl1Change();
    void ShowRxActivity(std::uint8_t echo);

protected:
    // Every activation sets the monitor's caption; closing writes the settings file.
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
};

}  // namespace ombrik
