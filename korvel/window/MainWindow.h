#pragma once
#include "common/link/ByteStream.h"
#include "korvel/link/CommandTable.h"
#include "korvel/link/records/QvtmpBlock.h"
#include "korvel/link/records/StatusRecord.h"
#include "common/numbers/ScaledNumber.h"
#include "common/hid/UsbHid.h"
#include "common/ui/PageControl.h"

#include <QPushButton>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <map>

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
class DeviceReplacedNotice;
class QvainDialog;
class NumberEditor;
class QvaoDialog;
class QvroDialog;
class QvserDialog;
class PasswordDialog;
class QvtmpDialog;
class ModuleDialogBinding;
class QvtmpBinding;
class Qv5510PageBinding;

// Korvel's main window ("Form1"): the header, the main page control with the model pages,
// the factory pages and the version pages, composed of page classes that own their
// controls. It owns the link session and binds it to the pages: request buttons to pending
// keys, records to the commands (RequestEncoders / ReplyDecoders), and the session's
// reports to the monitor, header and error pages.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    // The dialogs created after the main window, in the program's order.
    struct Dialogs {
        DeviceReplacedNotice* notice = nullptr;
        QvainDialog* qvain = nullptr;
        NumberEditor* numberEditor = nullptr;
        QvaoDialog* qvao = nullptr;
        QvroDialog* qvro = nullptr;
        QvserDialog* qvser = nullptr;
        PasswordDialog* password = nullptr;
        QvtmpDialog* qvtmp = nullptr;
    };

    // The window's size where the screen has room for it.
    static constexpr QSize kDesignSize{1321, 946};

    // usb: the HID layer; arguments: the command-line parameters (without the program name).
    MainWindow(qs::hid::UsbHid& usb, QStringList arguments, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Binds the dialogs' request buttons and the status poll's dialog controls.
    void AttachDialogs(const Dialogs& dialogs);
    const Dialogs& DialogForms() const { return dialogs_; }
    LinkSession& Session() { return *session_; }

    // ---- records bound to commands ----
    // An encoder writes its command's request record from the controls; a decoder reads its
    // command's reply record and shows it. A write without an encoder is not offered.
    std::map<Command, std::function<void(qs::ByteWriter&)>> RequestEncoders;
    std::map<Command, std::function<void(qs::ByteReader&)>> ReplyDecoders;
    // A check asked when its command is about to start: a command whose check fails is
    // withdrawn (its button released, nothing sent).
    std::map<Command, std::function<bool()>> RequestChecks;
    // Enables each write button exactly when its command has an encoder.
    void OfferWrites();

    // ---- start-up ----
    void FormCreate();
    void FormActivate();
    void ReActivate() { FormActivate(); }
    void FormClose();
    void LoadIni();
    void SaveIni();
    QString IniFileName() const;

    // ---- window-wide handlers ----
    void Button_ExitFromApplicationClick();
    void Button_RefreshFormClick();
    void Button_CommandsClearClick();
    void PageControl1Change();
    void PageControl4Change();
    void Timer_RxLEDTimer();

    // ---- status, identity, model pages, device replacement ----
    // The scaled format of the window for 0..4 decimals; another count keeps it.
    void SetDecimalFormat(int decimals);
    // "Kiolvasás a készülékből" of the identity group (also after two seconds of traffic).
    void Button_GyariSzamToEditsClick();
    void ShowDeviceType(std::uint16_t type);
    void ConfigureModelPage(std::uint16_t type);
    void CheckDeviceChange();

    // ---- module dialogs ----
    // The value labels of a dialog from its value fields, in the window's scaled format (the
    // number editor's OK runs them, and the dialog's read replies).
    void ShowQVAINScaleLabels();
    void ShowQVAOScaleLabels();
    void ShowQVROValueLabels();
    // The temperature dialog's two scale labels from LastQVTMPBlock, in the picture of that
    // block's own decimals.
    void ShowQVTMPScaleLabels();

    std::uint8_t FactoryMode = 0;
    // The last status poll, kept until the next one.
    StatusRecord LastStatus;
    // The last temperature module block received, kept whole (all zero at start): the
    // temperature dialog shows its numbers, the number editor changes its two scale values,
    // and a write sends it back with the dialog's selections.
    QvtmpBlock LastQVTMPBlock;
    // The window's scaled number format, set by the status poll.
    qs::DecimalFormat Decimals;
    // Device replacement.
    std::uint16_t LastDeviceType = 0;
    std::uint32_t LastDeviceID = 0;
    // The report-ready beep.
    std::function<void()> Beep;
    // The identity just written is read back on the next status reply, which carries it.
    bool IdentityReadBackDue = false;
    // How often the window was refreshed ("Kép frissítés" or Alt with a key).
    int RefreshCount = 0;
    // Where the settings file goes; empty: beside the executable.
    QString IniPath;
    // Skips the close handling when the program is ended by an exit button.
    bool ExitWithoutClose = false;

    // ---- pages ----
    HeaderPage* Header = nullptr;
    ModelPages* Models = nullptr;
    CalibrationPage* Calibration = nullptr;
    IdentityGroup* Identity = nullptr;
    SettingsPage* Settings = nullptr;
    LimitOutputsPage* Limits = nullptr;
    TestsPage* Tests = nullptr;
    MonitorPage* Monitor = nullptr;
    // The settings record's commands and the factory pages' commissioning commands.
    SettingsCommands* SettingsIO = nullptr;
    FactoryCommands* Factory = nullptr;

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

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreatePages();
    void BindSession();
    void BindStatusPoll();
    void BuildStatusRequest(qs::ByteWriter& w);
    void ApplyStatusRecord(const StatusRecord& r);
    void ShowLinkError(std::uint8_t code);
    void ShowRxActivity(std::uint8_t echo);
    void ShowOnline(bool online);

    LinkSession* session_;
    RequestButtons* requests_;
    QStringList arguments_;
    Dialogs dialogs_;
    ModuleDialogBinding* moduleDialogs_ = nullptr;
    QvtmpBinding* qvtmpBinding_ = nullptr;
    Qv5510PageBinding* qv5510Binding_ = nullptr;
    bool activeWithinProgram_ = true;
};

}  // namespace korvel
