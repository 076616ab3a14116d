#include "OmbrikWindow.h"

#include "ombrik/session/MbuSession.h"
#include "common/ui/DesignFonts.h"
#include "common/IniFile.h"
#include "common/numbers/LocaleSeparators.h"
#include "ombrik/window/pages/CalibrationPage.h"
#include "ombrik/window/pages/DevicePages.h"
#include "ombrik/window/pages/DeveloperPage.h"
#include "ombrik/window/pages/LiveValuesGroup.h"
#include "ombrik/window/pages/MonitorGroup.h"
#include "ombrik/window/pages/LimitsPage.h"
#include "ombrik/window/pages/SettingsPage.h"
#include "CommandBinding.h"
#include "SettingsParts.h"
#include "common/ui/ControlBuilder.h"
#include "common/ui/InputRules.h"
#include "common/ui/LabelText.h"
#include "common/ui/PageControl.h"
#include "common/ui/RequestButtonBinder.h"
#include "common/ui/ScreenFit.h"
#include "common/ui/TColor.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QHBoxLayout>
#include <QLocale>
#include <QScrollArea>
#include <QTimer>
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

}  // namespace

OmbrikWindow::OmbrikWindow(hid::UsbHid& usb, QString iniPath, QWidget* parent)
    : QWidget(parent),
      iniPath_(
          iniPath.isEmpty()
              ? QString::fromStdString(
                    SettingsPathFor(QCoreApplication::applicationFilePath().toStdString()).string())
              : iniPath),
      beep_([] { QApplication::beep(); }), session_(new MbuSession(usb, bindings_, this)),
      requests_(new RequestButtonBinder(
          [this](RequestButtonBinder::Key key, bool pending) {
              session_->SetPending(static_cast<RequestKey>(key), pending);
          },
          this))
{
    InstallInputRules();
    setObjectName("Form1");
    setWindowTitle(QStringLiteral("Form"));
    setFont(designfonts::WindowFont(QStringLiteral("Arial")));

    CreatePages();
    // At least 1280 x 720, and as large as the pages and the monitor need; on a smaller
    // screen the window takes the available area and its content scrolls.
    designSize_ = QSize(1280, 720).expandedTo(ScrollBox_Form->widget()->minimumSizeHint());
    screenfit::Place(this, designSize_);
    Timer_RxLED = Named<QTimer>(this, "Timer_RxLED");
    connect(Timer_RxLED, &QTimer::timeout, this, [this] { Timer_RxLEDTimer(); });

    BindRequests();
    BindSession();
    BindCommands(bindings_, state_, *Calibration, *Tools, *Tests, *Live, *session_);
    settingsIO_ = new SettingsParts(bindings_, *Settings, *Limits, state_.Scaled, this);
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
    Settings = new SettingsPage(TabSheet2);
    Limits = new LimitsPage(TabSheet5);
    Developer = new DeveloperPage(TabSheet3, *session_);
    Tools = new ToolsPage(TabSheet4);
    Tests = new TestsPage(TabSheet6);

    auto* side = new QVBoxLayout;
    Monitor = new MonitorGroup(this);
    Live = new LiveValuesGroup(this);
    side->addWidget(&Monitor->Frames());
    side->addWidget(Live);
    side->addStretch(1);
    auto* sideBox = new QWidget(content);
    sideBox->setLayout(side);
    sideBox->setFixedWidth(520);
    outer->addWidget(sideBox);
    ScrollBox_Form->setWidget(content);
}

void OmbrikWindow::BindRequests()
{
    Calibration->BindRequests(*requests_);
    Tools->BindRequests(*requests_);
    Settings->BindRequests(*requests_);
    Limits->BindRequests(*requests_);
    connect(session_, &MbuSession::pendingChanged, requests_, [this](RequestKey key, bool pending) {
        requests_->PendingChanged(Code(key), pending);
    });
}

void OmbrikWindow::PageControl1Change()
{
    // Pressing a read releases the other buttons of its group: a pending calibration, check,
    // Pt1000 write, or the page's factory read or write.
    QWidget* page = PageControl1->activePage();
    if (page == TabSheet1)
        Calibration->PressReads();
    else if (page == TabSheet2)
        Settings->PressRead();
    else if (page == TabSheet5)
        Limits->PressRead();
}

void OmbrikWindow::OfferRequests(const MbuSession::Bindings& bindings)
{
    // A request is offered when every frame of its chain can be filled and its reply shown.
    requests_->Offer(KeyPriorityOrder(), [&bindings](PendingSet::Key key) {
        bool served = true;
        for (const Command command : ChainOf(static_cast<RequestKey>(key))) {
            const CommandInfo* row = FindCommand(command);
            served = served && (!row->CarriesData() || bindings.HasEncoder(command)) &&
                     (row->reply.empty() || bindings.HasDecoder(command));
        }
        return served;
    });
}

// ---- the session's reports ----

void OmbrikWindow::BindSession()
{
    MbuSession& s = *session_;
    connect(&s, &MbuSession::frameSent, this,
            [this](const MBUFrame& f) { Monitor->ShowTxFrame(f); });
    connect(&s, &MbuSession::txFrameEdited, this,
            [this](const MBUFrame& f) { Monitor->ShowTxFrame(f); });
    connect(&s, &MbuSession::requestBuilt, this,
            [this](bool full) { Monitor->Frames().ShowBufferFull(full); });
    connect(&s, &MbuSession::historyChanged, this, [this] {
        // Made only when the entries change (a repeated poll stops counting at 10).
        const CommandHistory& h = session_->History();
        Monitor->Frames().ShowCommands([&] { return QString::fromStdString(h.Text()); },
                                       std::span<const CommandHistory::Entry>(h.Entries()));
    });
    connect(&s, &MbuSession::linkError, this,
            [this](std::uint8_t status) { Monitor->ShowStatus(status); });
    connect(&s, &MbuSession::frameReceived, this, [this](const MBUFrame& f) {
        ShowRxActivity(f[off::Command]);
        Monitor->ShowReply(f);
    });
    connect(&s, &MbuSession::onlineChanged, this, [this](bool online) {
        Monitor->ShowDevice(online,
                            online ? session_->Hook().CurrentDeviceInfo() : UsbHook::DeviceInfo{});
    });
    connect(&s, &MbuSession::beep, this, [this] {
        if (beep_)
            beep_();
    });
    connect(&s, &MbuSession::secondElapsed, this,
            [this] { Monitor->Frames().ShowFramesPerSecond(session_->FramesPerSecond()); });
    connect(&Monitor->Frames(), &FrameMonitor::pollPauseToggled, this,
            [this](bool on) { session_->SetPollPaused(on); });
}

void OmbrikWindow::ShowRxActivity(std::uint8_t echo)
{
    constexpr TColor kOrange = 0x4080FFu;
    Monitor->Frames().ShowReplyLamp(
        echo == kShowMeasuredValue || echo == Code(Command::StatusPoll) ? kOrange : clLime);
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
    session_->Reset();
    state_.Scaled = DecimalFormat();
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
    IniFile ini(iniPath_.toStdString());
    ini.Load();
    std::array<QString, DeveloperPage::kSettingsFileEdits> texts;
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] =
            QString::fromStdString(ini.ReadString("Edit", kEditKeys[i].first, kEditKeys[i].second));
    Developer->LoadSettingsFileTexts(texts);
}

void OmbrikWindow::SaveIni()
{
    // Failures (a read-only folder, say) are swallowed: the program goes on.
    IniFile ini(iniPath_.toStdString());
    ini.Load();
    const QString stamp = LocaleDateTimeStamp(QDateTime::currentDateTime());
    ini.WriteString("Date", "Date", stamp.toStdString());
    const auto texts = Developer->SettingsFileTexts();
    for (std::size_t i = 0; i < texts.size(); ++i)
        ini.WriteString("Edit", kEditKeys[i].first, LineBreaksAsBlanks(texts[i]).toStdString());
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
