#pragma once
#include "common/link/ByteStream.h"
#include "ombrik/link/CommandTable.h"
#include "ombrik/link/records/MbuStatusRecord.h"
#include "common/hid/UsbHid.h"
#include "common/numbers/ScaledNumber.h"
#include "common/ui/PageControl.h"

#include <QScrollArea>
#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <map>

namespace qs {
class RequestButtonBinder;
}

namespace ombrik {

class MbuSession;


class CalibrationPage;
class SettingsPages;
class DeveloperPage;
class DevicePages;
class MonitorGroup;
class LiveValuesGroup;
class SettingsParts;

// Ombrik's one window ("Form1", caption "Form"): the page control with its six pages, the
// frame monitor and the status poll's values beside it. It owns the link session and binds
// it to the pages: request buttons to pending keys, records to the commands
// (RequestEncoders / ReplyDecoders), the session's reports to the monitor.
class OmbrikWindow : public QWidget {
    Q_OBJECT
public:
    // iniPath: the settings file; empty: the program's own path with the extension ".ini".
    explicit OmbrikWindow(qs::hid::UsbHid& usb, QString iniPath = {}, QWidget* parent = nullptr);
    ~OmbrikWindow() override;

    MbuSession& Session() { return *session_; }
    // The size the window takes on a screen that holds it: the pages and the monitor at
    // their full size, no scroll bar.
    QSize DesignSize() const { return designSize_; }
    qs::RequestButtonBinder& Requests() { return *requests_; }

    // ---- records bound to commands ----
    // An encoder writes its command's request data from the controls; a decoder reads its
    // command's reply data and shows it.
    std::map<mbu::Command, std::function<void(qs::ByteWriter&)>> RequestEncoders;
    std::map<mbu::Command, std::function<void(qs::ByteReader&)>> ReplyDecoders;
    // Enables each request button exactly when every command its operation sends has what it
    // needs (an encoder for request data, a decoder for reply data): no empty record reaches
    // the unit, and no reply goes unshown.
    void OfferRequests();

    // ---- start-up and the settings file ----
    void FormCreate();
    void FormActivate();
    void FormClose();
    void LoadIni();
    void SaveIni();
    void Timer_RxLEDTimer();
    // The user's change of PageControl1's page: entering TabSheet1 reads the options and the
    // calibration points, entering a settings page reads the settings.
    void PageControl1Change();

    // ---- state the commands share ----
    // The last poll reply: its status bits are LastStatusBits, its Pt1000 flag Pt1000Flag.
    MbuStatusRecord LastStatus;
    std::uint8_t InputModuleKind = 0;   // of the last options reply; selects the poll's display
    std::uint8_t OutputModuleKind = 0;  // of the last options reply
    // ScaledFormat and ScaledFactor: "00000" and 1 at start, set by the poll's decimals.
    qs::DecimalFormat Scaled;
    // The first display row of the next pair to ask for: 0 when 123 is sent, 2 more with
    // every row-pair reply.
    std::uint8_t DisplayRowCounter = 0;
    // The report-ready beep.
    std::function<void()> Beep;
    // The settings file: the program's own path with the extension ".ini", unless given.
    QString IniPath;

    // ---- pages ----
    QScrollArea* ScrollBox_Form = nullptr;  // holds the page control and the monitor
    qs::PageControl* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr;
    QWidget* TabSheet2 = nullptr;
    QWidget* TabSheet5 = nullptr;
    QWidget* TabSheet3 = nullptr;
    QWidget* TabSheet4 = nullptr;
    QWidget* TabSheet6 = nullptr;
    CalibrationPage* Calibration = nullptr;
    SettingsPages* Settings = nullptr;
    DeveloperPage* Developer = nullptr;
    DevicePages* Device = nullptr;
    MonitorGroup* Monitor = nullptr;
    LiveValuesGroup* Live = nullptr;
    SettingsParts* SettingsIO = nullptr;
    QTimer* Timer_RxLED = nullptr;

private:
    QSize designSize_;
    MbuSession* session_;
    qs::RequestButtonBinder* requests_;

    void CreatePages();
    void BindRequests();
    void BindSession();
    // The records of the commands (CommandBinding.cpp).
    void BindCommands();
    void BuildStatusRequest(qs::ByteWriter& w);
    void ApplyStatus(const MbuStatusRecord& r);
    void BindDisplay();
    void ShowRxActivity(std::uint8_t echo);

protected:
    // Every activation sets the monitor's caption; closing writes the settings file.
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
};

}  // namespace ombrik
