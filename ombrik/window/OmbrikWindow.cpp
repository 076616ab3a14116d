#include "OmbrikWindow.h"

#include "ombrik/session/MbuSession.h"
#include "common/IniFile.h"
#include "common/numbers/LocaleSeparators.h"
#include "ombrik/window/pages/CalibrationPage.h"
#include "ombrik/window/pages/DevicePages.h"
#include "ombrik/window/pages/DeveloperPage.h"
#include "ombrik/window/pages/LiveValuesGroup.h"
#include "ombrik/window/pages/MonitorGroup.h"
#include "ombrik/window/pages/SettingsPages.h"
#include "SettingsParts.h"
#include "common/ui/ControlBuilder.h"
#include "common/ui/LabelText.h"
#include "common/ui/RequestButtonBinder.h"
#include "common/ui/ScreenFit.h"
#include "common/ui/TColor.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QHBoxLayout>
#include <QLocale>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace ombrik {

using namespace qs;

using namespace build;

using namespace mbu;


namespace {

// The developer page's edits in the settings file, section Edit, with their defaults.
constexpr std::array<std::pair<const char*, const char*>, 9> kEditKeys{{
    {"Edit1", "0"},
    {"Edit2", "2018"},
    {"Edit3", "2"},
    {"Edit4", "26"},
    {"Edit5", "2040"},
    {"Edit6", "1"},
    {"Edit7", "1"},
    {"Edit8", "1"},
    {"Edit_InputText", ""},
}};

// The record bound to a command, if it has one, on the request or reply data.
template <typename Bindings, typename Data>
void RunBound(const Bindings& bindings, Command command, Data& data)
{
    if (const auto it = bindings.find(command); it != bindings.end())
        it->second(data);
}

}  // namespace

OmbrikWindow::OmbrikWindow(hid::UsbHid& usb, QString iniPath, QWidget* parent)
    : QWidget(parent),
      IniPath(iniPath.isEmpty() ? QString::fromStdString(
                                      SettingsPathFor(QCoreApplication::applicationFilePath().toStdString()).string())
                                : iniPath),
      session_(new MbuSession(usb, this)),
      requests_(new RequestButtonBinder(
          [this](RequestButtonBinder::Key key, bool pending) { session_->SetPending(static_cast<RequestKey>(key), pending); },
          this))
{
    setObjectName("Form1");
    setWindowTitle(QStringLiteral("Form"));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    setFont(font);
    Beep = [] { QApplication::beep(); };

    CreatePages();
    // At least 1280 x 720, and as large as the pages and the monitor need; on a smaller
    // screen the window takes the available area and its content scrolls.
    designSize_ = QSize(1280, 720).expandedTo(ScrollBox_Form->widget()->minimumSizeHint());
    screenfit::Place(this, designSize_);
    Timer_RxLED = Named<QTimer>(this, "Timer_RxLED");
    connect(Timer_RxLED, &QTimer::timeout, this, [this] { Timer_RxLEDTimer(); });

    BindRequests();
    BindSession();
    BindCommands();
    OfferRequests();
    FormCreate();
    // Without a window manager the window may never be activated; the caption is set now too.
    FormActivate();
}

OmbrikWindow::~OmbrikWindow() = default;

void OmbrikWindow::CreatePages()
{
    setAutoFillBackground(true);
    // Everything in one scroll area: on a screen smaller than the window's design size every
    // control stays within reach; on a larger one the area shows all and no scroll bar.
    auto* frame = new QVBoxLayout(this);
    frame->setContentsMargins(0, 0, 0, 0);
    ScrollBox_Form = Named<QScrollArea>(this, "ScrollBox_Form");
    ScrollBox_Form->setFrameShape(QFrame::NoFrame);
    ScrollBox_Form->setWidgetResizable(true);
    frame->addWidget(ScrollBox_Form);
    // Made in the scroll area, so that the controls are built in the window's font.
    auto* content = new QWidget(ScrollBox_Form);
    auto* outer = new QHBoxLayout(content);
    outer->setContentsMargins(6, 6, 6, 6);

    PageControl1 = Named<PageControl>(content, "PageControl1");
    TabSheet1 = PageControl1->addPage("TabSheet1", "Quorin beállítások");
    TabSheet2 = PageControl1->addPage("TabSheet2", "Beállítások");
    TabSheet5 = PageControl1->addPage("TabSheet5", "Határérték kimenetek");
    TabSheet3 = PageControl1->addPage("TabSheet3", "TabSheet3");
    TabSheet4 = PageControl1->addPage("TabSheet4", "Fejlesztői segédelemek");
    TabSheet6 = PageControl1->addPage("TabSheet6", "Tesztek");
    PageControl1->setActivePage(TabSheet2);
    outer->addWidget(PageControl1, 1);
    connect(PageControl1, &PageControl::userChanged, this, [this] { PageControl1Change(); });

    Calibration = new CalibrationPage(TabSheet1);
    Settings = new SettingsPages(TabSheet2, TabSheet5);
    Developer = new DeveloperPage(TabSheet3, *session_);
    Device = new DevicePages(TabSheet4, TabSheet6);

    auto* side = new QVBoxLayout;
    Monitor = new MonitorGroup(this);
    Live = new LiveValuesGroup(this);
    side->addWidget(&Monitor->Frames());
    side->addWidget(Live->GroupBox_LiveValues);
    side->addStretch(1);
    auto* sideBox = new QWidget(content);
    sideBox->setLayout(side);
    sideBox->setFixedWidth(520);
    outer->addWidget(sideBox);
    ScrollBox_Form->setWidget(content);
}

void OmbrikWindow::BindRequests()
{
    const CalibrationPage& c = *Calibration;
    const SettingsPages& s = *Settings;
    const DevicePages& d = *Device;
    const std::pair<RequestKey, SpeedButton*> buttons[] = {
        {Command::CalIn0mA, c.Input->SpeedButton_Cal0mA},
        {Command::CalIn20mA, c.Input->SpeedButton_Cal20mA},
        {Command::CalIn0V, c.Input->SpeedButton_Cal0V},
        {Command::CalIn10V, c.Input->SpeedButton_Cal10V},
        {Command::EraseFram, d.SpeedButton_EraseFRAM1},
        {Command::SettingsRead1, s.SpeedButton_ReadSettings},
        {Command::SettingsRead1, s.SpeedButton_ReadSettings2},
        {Command::SettingsDefaults1, s.SpeedButton_ReadDefaultSettings},
        {Command::SettingsDefaults1, s.SpeedButton_ReadDefaultSettings2},
        {Command::SettingsWrite1, s.SpeedButton_WriteSettings},
        {Command::SettingsWrite1, s.SpeedButton_WriteSettings2},
        {Command::InputCalRead, c.Input->SpeedButton_ReadCalIn},
        {Command::OptionsRead, c.SpeedButton_OptionRead},
        {Command::OptionsWrite, c.SpeedButton_OptionWrite},
        {Command::Reset, d.SpeedButton_Reset},
        {Command::CalPwmLow, c.Output->SpeedButton_CalPWML},
        {Command::CalPwmHigh, c.Output->SpeedButton_CalPWMH},
        {Command::PwmCalRead, c.SpeedButton_ReadPWMCal},
        {Command::DisplayFirstRows, d.SpeedButton_ReadDisplay},
        {Command::CalPt0Ohm4W, c.Pt->SpeedButton_iCalPt0ohm4W},
        {Command::CalPtXOhm4W, c.Pt->SpeedButton_iCalPtXohm4W},
        {Command::CalPt0Ohm3W, c.Pt->SpeedButton_iCalPt0ohm3W},
        {Command::CalPtXOhm3W, c.Pt->SpeedButton_iCalPtXohm3W},
        {Command::PtCalRead, c.Pt->SpeedButton_ReadCalPt},
        {Command::Pt1000Write, c.Pt->SpeedButton_bPt1000},
    };
    for (const auto& [key, button] : buttons)
        requests_->Bind(Code(key), button);
    connect(session_, &MbuSession::pendingChanged, requests_,
            [this](RequestKey key, bool pending) { requests_->PendingChanged(Code(key), pending); });
}

void OmbrikWindow::PageControl1Change()
{
    // Pressing a read releases the other buttons of its group: a pending calibration, check,
    // Pt1000 write, or the page's factory read or write.
    QWidget* page = PageControl1->activePage();
    if (page == TabSheet1)
        Calibration->PressReads();
    else if (page == TabSheet2)
        Settings->SpeedButton_ReadSettings->SetDown(true);
    else if (page == TabSheet5)
        Settings->SpeedButton_ReadSettings2->SetDown(true);
}

void OmbrikWindow::OfferRequests()
{
    for (const PendingSet::Key key : KeyPriorityOrder()) {
        bool served = true;
        for (const Command command : ChainOf(static_cast<RequestKey>(key))) {
            const CommandInfo* row = FindCommand(command);
            served = served && (!row->CarriesData() || RequestEncoders.contains(command)) &&
                     (row->reply.empty() || ReplyDecoders.contains(command));
        }
        for (SpeedButton* button : requests_->ButtonsOf(key))
            button->setEnabled(served);
    }
}

// ---- the session's reports ----

void OmbrikWindow::BindSession()
{
    MbuSession& s = *session_;
    s.SetRequestData([this](Command command, ByteWriter& w) { RunBound(RequestEncoders, command, w); });
    connect(&s, &MbuSession::commandCompleted, this,
            [this](Command echo, ByteReader reply) { RunBound(ReplyDecoders, echo, reply); });
    connect(&s, &MbuSession::frameSent, this, [this](const MBUFrame& f) { Monitor->ShowTxFrame(f); });
    connect(Developer, &DeveloperPage::txFrameChanged, this, [this] { Monitor->ShowTxFrame(session_->TxFrame); });
    connect(&s, &MbuSession::requestBuilt, this, [this](bool full) { Monitor->Frames().ShowBufferFull(full); });
    connect(&s, &MbuSession::historyChanged, this, [this] {
        // Made only when the entries change (a repeated poll stops counting at 10).
        const CommandHistory& h = session_->History;
        Monitor->Frames().ShowCommands([&] { return QString::fromStdString(h.Text()); },
                                       std::span<const CommandHistory::Entry>(h.Entries()));
    });
    connect(&s, &MbuSession::linkError, this, [this](std::uint8_t status) { Monitor->ShowStatus(status); });
    connect(&s, &MbuSession::frameReceived, this, [this](const MBUFrame& f) {
        ShowRxActivity(f[off::Command]);
        Monitor->ShowReply(f);
    });
    connect(&s, &MbuSession::onlineChanged, this, [this](bool online) {
        Monitor->ShowDevice(online, online ? session_->Hook().CurrentDeviceInfo() : UsbHook::DeviceInfo{});
    });
    connect(&s, &MbuSession::beep, this, [this] {
        if (Beep)
            Beep();
    });
    connect(&s, &MbuSession::secondElapsed, this,
            [this] { Monitor->Frames().ShowFramesPerSecond(session_->FramesPerSecond); });
    connect(&Monitor->Frames(), &FrameMonitor::pollPauseToggled, this, [this](bool on) { session_->SetPollPaused(on); });
}

void OmbrikWindow::ShowRxActivity(std::uint8_t echo)
{
    constexpr TColor kOrange = 0x4080FFu;
    Monitor->Frames().ShowReplyLamp(echo == kShowMeasuredValue || echo == Code(Command::StatusPoll) ? kOrange : clLime);
    Timer_RxLED->stop();
    Timer_RxLED->setInterval(100);
    Timer_RxLED->start();
}

void OmbrikWindow::Timer_RxLEDTimer()
{
    Monitor->Frames().ShowReplyLamp(clBtnFace);
    Timer_RxLED->stop();
}

// ---- start-up, activation, close ----

void OmbrikWindow::FormCreate()
{
    LoadIni();
    session_->ChainedCommand = 0;
    Scaled = DecimalFormat();
    session_->History.Reset();
}

void OmbrikWindow::FormActivate()
{
    Monitor->ShowCaption();
}

void OmbrikWindow::FormClose()
{
    SaveIni();
}

void OmbrikWindow::LoadIni()
{
    // A missing or unreadable file gives the defaults; nothing is reported.
    IniFile ini(IniPath.toStdString());
    ini.Load();
    const auto edits = Developer->SettingsFileEdits();
    for (std::size_t i = 0; i < edits.size(); ++i) {
        // The data text is parsed once whatever it holds: a text equal to the edit's own
        // would give no change signal.
        const QSignalBlocker quiet(edits[i] == Developer->Edit_InputText ? edits[i] : nullptr);
        edits[i]->setText(QString::fromStdString(ini.ReadString("Edit", kEditKeys[i].first, kEditKeys[i].second)));
    }
    Developer->ParseInputText();
}

void OmbrikWindow::SaveIni()
{
    // Failures (a read-only folder, say) are swallowed: the program goes on.
    IniFile ini(IniPath.toStdString());
    ini.Load();
    const QString stamp = LocaleDateTimeStamp(QDateTime::currentDateTime());
    ini.WriteString("Date", "Date", stamp.toStdString());
    const auto edits = Developer->SettingsFileEdits();
    for (std::size_t i = 0; i < edits.size(); ++i)
        ini.WriteString("Edit", kEditKeys[i].first, edits[i]->text().toStdString());
    ini.Save();
}

void OmbrikWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void OmbrikWindow::closeEvent(QCloseEvent* event)
{
    FormClose();
    event->accept();
}

}  // namespace ombrik
