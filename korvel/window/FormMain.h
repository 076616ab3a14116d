#pragma once
#include "FormMainControls.h"
#include "IdentityRecord.h"
#include "Scheduler.h"
#include "StatusRecord.h"
#include "numbers/ScaledNumber.h"
#include "SegmentedTransfer.h"
#include "hid/UsbHid.h"

#include <QStringList>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <vector>

class TForm_Keszulekcsere;

// Korvel's main window: owns the link state, the frame buffers, the data streams and the
// device's records, and binds the controls to the link core. Its members are defined across
// the FormMain*.cpp files, one concern each.
class TForm1 : public QWidget, public FormMainControls {
    Q_OBJECT
public:
    // usb: the HID layer; arguments: the command-line parameters (without the program name).
    TForm1(hid::UsbHid& usb, QStringList arguments, QWidget* parent = nullptr);
    ~TForm1() override;

    // The forms created after the main window, looked up by their instance names
    // ("Form_QVAIN", ...), so the scheduler can find the dialogs' request buttons.
    void AttachForms(const std::vector<QWidget*>& forms);

    // ---- start-up and USB link ----
    void FormCreate();
    void FormActivate();
    void FormClose();
    void FormDestroy();
    bool USBEvent(unsigned message, int event, hid::Handle handle);
    void ShowUSBDeviceInfo();
    void ClearUSBDeviceInfo();
    void LoadIni();
    void SaveIni();
    QString IniFileName() const;
    void ReActivate() { FormActivate(); }

    // ---- frames and link errors ----
    void CheckRxCRC();
    void ProcessRxFrame();
    void SetLabelHighlight(QLabel* label, bool highlighted);

    // ---- streams and segmented transfer ----
    void StartCommand(std::uint8_t command);
    void SendNextFrame();
    void SendTxFrame();
    void TransferIdle();
    void PutByte(std::uint8_t b);
    void PutWord(std::uint16_t v);
    void PutDWord(std::uint32_t v);
    void PutCardinal(std::uint32_t v);
    void PutSingle(float x);
    void PutBoolean(bool b);
    std::uint8_t GetByte() { return Transfer.GetByte(); }
    std::uint16_t GetWord() { return Transfer.GetWord(); }
    std::uint16_t GetWord2() { return Transfer.GetWord2(); }
    std::int32_t GetInteger() { return Transfer.GetInteger(); }
    std::uint32_t GetCardinal() { return Transfer.GetCardinal(); }
    float GetSingle() { return Transfer.GetSingle(); }
    bool GetBoolean() { return Transfer.GetBoolean(); }
    bool GetBoolean2() { return Transfer.GetBoolean2(); }

    // ---- command set ----
    static bool CarriesData(std::uint8_t command);
    // The commands that write into the device (identity, settings, module blocks, passwords).
    static bool WritesDevice(std::uint8_t command);
    void BuildRequestData(std::uint8_t command);
    void ParseRxData(std::uint8_t echo);
    // The record encoders and decoders of the commands that carry data, by command code.
    // An encoder puts its record into the request stream; a decoder reads its record from
    // the reply stream and applies it. Commands without one travel empty / parse nothing.
    std::map<std::uint8_t, std::function<void()>> RequestEncoders;
    std::map<std::uint8_t, std::function<void()>> ReplyDecoders;
    // A form by its instance name ("Form1" is the main window itself).
    QWidget* FindForm(std::string_view name) const;

    // ---- scheduler and time-out ----
    void Timer_CommTimer();
    void DispatchNextCommand();
    void StartTimeOut();
    void StopTimeOut();
    void TimerTimeOutTimer();
    void BindPriorityTable();

    // ---- link monitor ----
    void ShowTxFrame();
    void ShowCommandHistory(std::uint8_t command);
    void Button_CommandsClearClick();
    static std::uint8_t CounterDiff(std::uint8_t a, std::uint8_t b);
    void Timer_1secTimer();
    void ShowRxActivity();
    void Timer_RxLEDTimer();
    // The identity read-back that two seconds of traffic trigger.
    void IdentityReadBack();

    // ---- status poll ----
    void BindStatusPoll();
    void PutStatusRequestFromControls();
    void ApplyStatusRecord();
    // The scaled format of the window (ScaledFormat, ScaledFactor) for 0..4 decimals;
    // another count keeps the format as it was.
    void SetDecimalFormat(int decimals);

    // ---- device identity, model pages and replacement ----
    void BindIdentityGroup();
    void Button_GyariSzamToEditsClick();
    void ReadIdentityEdits();
    void Button_GyariSzamPlusz1Click();
    void Button_GyariSzamMinusz1Click();
    static std::uint16_t DeviceTypeFromIndex(int index);
    static int DeviceTypeToIndex(std::uint16_t code);
    void ShowDeviceType(std::uint16_t type);
    void ClearModuleRadioButtons();
    void ConfigureModelPage(std::uint16_t type);
    void CheckDeviceChange();

    // ---- window-wide handlers ----
    void Button_ExitFromApplicationClick();
    void Button_RefreshFormClick();
    void PageControl1Change();
    void PageControl4Change();
    void EnterQV5510Page();

    // Link state.
    std::uint8_t UsbOnline = 0;
    std::uint8_t FactoryMode = 0;
    std::array<std::uint8_t, hid::kReportBufferSize> RxReport{};
    std::array<std::uint8_t, hid::kReportBufferSize> TxReport{};
    mbu3::Frame RxFrame{};
    std::uint16_t RequestedDeviceType = 0;
    std::uint16_t ReportedDeviceType = 0;
    std::uint32_t DeviceID = 0;
    std::uint8_t LastRxCounter = 0;
    std::uint8_t Busy = 0;
    SegmentedTransfer Transfer;
    std::uint8_t ModuleSlot = 0;

    // Link monitor state.
    struct HistoryEntry {
        std::uint8_t code = 0;
        std::uint8_t count = 0;
    };
    std::array<HistoryEntry, 15> CommandHistory{};
    std::uint8_t PrevRxCounter = 0;
    std::int32_t FramesPerSecond = 0;
    std::int32_t TrafficSeconds = 0;

    // The last status poll, kept until the next one.
    StatusRecord LastStatus;
    // The window's scaled number format, set by the status poll.
    DecimalFormat Decimals;
    // Output calibration value and QV5510 test pattern, sent in every status poll.
    std::uint16_t PWMValue = 0;
    std::uint8_t TestPattern = 0;
    // The identity to write (command 1), taken from the identity group.
    IdentityRecord IdentityToWrite{};

    // Device replacement.
    std::uint16_t LastDeviceType = 0;
    std::uint32_t LastDeviceID = 0;

    // Counts the report-ready beeps; the beep itself goes through Beep.
    int BeepCount = 0;
    std::function<void()> Beep;

    // How often the window was refreshed ("Kép frissítés" or Alt with a key).
    int RefreshCount = 0;

    // Where the settings file goes; empty: beside the executable.
    QString IniPath;

    // Skips the close handling when the program is ended by an exit button.
    bool ExitWithoutClose = false;

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateControls();
    void CreateModelPages();
    void CreateFactoryPages();
    void CreateCalibrationPage();
    void CreateIdentityGroup();
    void CreateSettingsPages();
    void CreateTestsPage();
    void CreateMonitorPage();
    hid::Handle DeviceHandle() const;

    hid::UsbHid& usb_;
    QStringList arguments_;
    std::vector<QWidget*> forms_;
    std::vector<scheduler::PendingRequest> priority_;
    TForm_Keszulekcsere* notice_ = nullptr;
    bool activeWithinProgram_ = true;
};

// The program's date, shown in the title and on the frame monitor.
QString ProgramDateText();
// An unsigned number in the format "# ### ### ##0".
QString FormatThousands(std::uint32_t value);
