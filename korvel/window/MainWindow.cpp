#include "MainWindow.h"

#include "korvel/window/model/DeviceTypes.h"
#include "common/ui/DesignFonts.h"
#include "common/session/LinkErrors.h"
#include "korvel/session/LinkSession.h"
#include "FactoryCommands.h"
#include "ModuleDialogBinding.h"
#include "Qv5510PageBinding.h"
#include "QvtmpBinding.h"
#include "RequestButtons.h"
#include "SettingsCommands.h"
#include "common/ui/ControlBuilder.h"
#include "common/ui/LabelText.h"
#include "common/ui/TColor.h"
#include "korvel/window/dialogs/DeviceReplacedNotice.h"
#include "korvel/window/dialogs/ModuleDialogs.h"
#include "korvel/window/dialogs/PasswordDialog.h"
#include "korvel/window/pages/CalibrationPage.h"
#include "korvel/window/pages/HeaderPage.h"
#include "korvel/window/pages/IdentityGroup.h"
#include "korvel/window/pages/LimitOutputsPage.h"
#include "korvel/window/pages/ModelPages.h"
#include "korvel/window/pages/MonitorPage.h"
#include "korvel/window/pages/SettingsPage.h"
#include "korvel/window/pages/TestsPage.h"

#include "common/IniFile.h"
#include "common/numbers/LocaleSeparators.h"
#include "common/ui/AppRefresh.h"
#include "common/ui/ScreenFit.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QLocale>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>
#include <ranges>

namespace korvel {

using namespace qs;

using namespace build;

namespace {
// The factory switch, compared with every parameter in upper case.
const QString kFactorySwitch = QStringLiteral("/VORKAL");
}  // namespace

MainWindow::MainWindow(hid::UsbHid& usb, QStringList arguments, QWidget* parent)
    : QWidget(parent), session_(new LinkSession(usb, bindings_, this)),
      requests_(new RequestButtons(*session_, this)), arguments_(std::move(arguments))
{
    setObjectName("Form1");
    setFont(designfonts::WindowFont(QStringLiteral("Arial")));
    // 1321 x 946, centred on the screen's available area. On a screen too small for it the
    // window takes the available area (its page area scrolls).
    screenfit::Place(this, kDesignSize);
    beep_ = [] { QApplication::beep(); };

    CreatePages();

    Timer_RxLED = new QTimer(this);
    Timer_RxLED->setObjectName("Timer_RxLED");
    connect(Timer_RxLED, &QTimer::timeout, this, [this] { Timer_RxLEDTimer(); });
    connect(Header, &HeaderPage::refreshClicked, this, [this] { Button_RefreshFormClick(); });
    connect(PageControl1, &PageControl::userChanged, this, [this] { PageControl1Change(); });
    connect(PageControl4, &PageControl::userChanged, this, [this] { PageControl4Change(); });
    // Key preview: Alt with any key refreshes every window, whatever control has the focus.
    new AltKeyFilter(this, [this] { Button_RefreshFormClick(); });
    connect(Button_ExitFromApplication, &QPushButton::clicked, this,
            [this] { Button_ExitFromApplicationClick(); });
    connect(Button_ExitFromApplication2, &QPushButton::clicked, this,
            [this] { Button_ExitFromApplicationClick(); });
    connect(&Monitor->Frames(), &FrameMonitor::clearCommandsClicked, this,
            [this] { Button_CommandsClearClick(); });
    connect(&Monitor->Frames(), &FrameMonitor::pollPauseToggled, this,
            [this](bool on) { session_->SetPollPaused(on); });
    connect(Identity, &IdentityGroup::readFromDeviceClicked, this,
            [this] { Button_GyariSzamToEditsClick(); });

    Header->BindRequests(*requests_);
    Models->BindRequests(*requests_);
    Calibration->BindRequests(*requests_);
    Identity->BindRequests(*requests_);
    Settings->BindRequests(*requests_);
    Limits->BindRequests(*requests_);
    Tests->BindRequests(*requests_);
    BindSession();
    BindStatusPoll();
    settingsIO_ =
        new SettingsCommands(bindings_, state_.Decimals, {TabSheet_Settings, TabSheet5}, this);
    factory_ = new FactoryCommands(bindings_, state_, *Calibration, *Identity, *Tests, this);
    OfferWrites();
    FormCreate();
    // Factory mode and the tab visibility are decided before the window is first shown too:
    // without a window manager the window may never be activated.
    FormActivate();
}

MainWindow::~MainWindow() = default;

void MainWindow::CreatePages()
{
    auto* outer = new QVBoxLayout(this);
    // The whole window in the button-face colour.
    setAutoFillBackground(true);
    outer->setContentsMargins(6, 6, 6, 6);

    Header = new HeaderPage(this);
    // Where fonts set the header wider than the window, it is cut at the right edge rather
    // than widening the window.
    QWidget* header = Header->Widget();
    header->setSizePolicy(QSizePolicy::Ignored, header->sizePolicy().verticalPolicy());
    outer->addWidget(header);

    // ---------------- main pages ----------------
    PageControl4 = new PageControl(this);
    PageControl4->setObjectName("PageControl4");
    // The page area gives way when fonts set text taller than the window was laid out for:
    // the window keeps its size and the pages scroll.
    auto* pageArea = new QScrollArea(this);
    pageArea->setObjectName("ScrollBox_Pages");
    pageArea->setFrameShape(QFrame::NoFrame);
    pageArea->setWidgetResizable(true);
    pageArea->setWidget(PageControl4);
    // The page area scrolls as far as the page it shows reaches, not the tallest page.
    PageControl4->setSizeFollowsActivePage(true);
    outer->addWidget(pageArea, 1);
    TabSheet_3310 = PageControl4->addPage("TabSheet_3310", "QV3310");
    TabSheet_3320 = PageControl4->addPage("TabSheet_3320", "QV3320");
    TabSheet_3330 = PageControl4->addPage("TabSheet_3330", "QV3330");
    TabSheet_3340 = PageControl4->addPage("TabSheet_3340", "QV3340");
    TabSheet_5510 = PageControl4->addPage("TabSheet_5510", "QV5510 és QV5520 IP");
    TabSheet_5530 = PageControl4->addPage("TabSheet_5530", "QV5530");
    TabSheet_Quorin = PageControl4->addPage("TabSheet_Quorin", "Quorin");
    TabSheet_TooOld = PageControl4->addPage("TabSheet_TooOld", "Ez a program túl régi");
    TabSheet_TooNew = PageControl4->addPage("TabSheet_TooNew", "Ez a program túl új");
    PageControl4->setTabVisible(TabSheet_TooOld, false);
    PageControl4->setTabVisible(TabSheet_TooNew, false);
    PageControl4->setActivePage(TabSheet_Quorin);

    using build::Button;
    auto versionPage = [](QWidget* page, const QString& l1, const QString& l2, const char* button,
                          QPushButton*& target) {
        auto* v = new QVBoxLayout(page);
        v->addWidget(new QLabel(l1, page));
        v->addWidget(new QLabel(l2, page));
        target = Button(page, button, "Kilépés a programból");
        v->addWidget(target, 0, Qt::AlignLeft);
        v->addStretch(1);
    };
    versionPage(
        TabSheet_TooOld,
        "Ez a beállító program túl régi, ezért nem alkalmas a csatlakoztatott készülék beállítására.",
        "Használja a beállító program újabb verzióját!", "Button_ExitFromApplication",
        Button_ExitFromApplication);
    versionPage(
        TabSheet_TooNew,
        "Ez a beállító program újabb, mint a csatlakoztatott készülék, ezért nem alkalmas a beállításra.",
        "Használja a beállító programnak a készülékhez kapott, korábbi verzióját!",
        "Button_ExitFromApplication2", Button_ExitFromApplication2);

    Models = new ModelPages(
        {TabSheet_3310, TabSheet_3320, TabSheet_3330, TabSheet_3340, TabSheet_5510, TabSheet_5530},
        this);

    auto* v = new QVBoxLayout(TabSheet_Quorin);
    v->setContentsMargins(2, 2, 2, 2);
    PageControl1 = new PageControl(TabSheet_Quorin);
    PageControl1->setObjectName("PageControl1");
    v->addWidget(PageControl1);
    TabSheet1 = PageControl1->addPage("TabSheet1", "Quorin beállítások");
    TabSheet_Settings = PageControl1->addPage("TabSheet_Settings", "Beállítások");
    TabSheet5 = PageControl1->addPage("TabSheet5", "Határérték kimenetek");
    TabSheet6 = PageControl1->addPage("TabSheet6", "Tesztek");
    TabSheet9 = PageControl1->addPage("TabSheet9", "MBU");
    PageControl1->setActivePage(TabSheet1);
    PageControl1->setSizeFollowsActivePage(true);

    Calibration = new CalibrationPage(TabSheet1);
    Identity = new IdentityGroup(TabSheet1);
    Calibration->PlaceIdentityGroup(Identity->Widget());
    Settings = new SettingsPage(TabSheet_Settings);
    Limits = new LimitOutputsPage(TabSheet5);
    Tests = new TestsPage(TabSheet6);
    Monitor = new MonitorPage(TabSheet9);
}

void MainWindow::AttachDialogs(const Dialogs& dialogs)
{
    dialogs_ = dialogs;
    for (ModuleDialog* d :
         std::initializer_list<ModuleDialog*>{dialogs.qvain, dialogs.qvao, dialogs.qvro,
                                              dialogs.qvser, dialogs.password, dialogs.qvtmp})
        if (d)
            d->BindRequests(*requests_);
    settingsIO_->Resolve(dialogs.qvser);
    delete moduleDialogs_;
    moduleDialogs_ = new ModuleDialogBinding(bindings_, state_, dialogs, *Models, *session_, this);
    delete qvtmpBinding_;
    qvtmpBinding_ = dialogs.qvtmp ? new QvtmpBinding(bindings_, state_, dialogs.qvtmp,
                                                     dialogs.numberEditor, this)
                                  : nullptr;
    delete qv5510Binding_;
    qv5510Binding_ =
        new Qv5510PageBinding(bindings_, state_.Decimals, Models->Qv5510(), dialogs.password, this);
    OfferWrites();
}

void MainWindow::OfferWrites(const Bindings& bindings)
{
    // A write whose record this program cannot fill yet is not offered: an empty record must
    // never reach the device.
    std::map<RequestKey, bool> offered;
    for (const CommandInfo& row : CommandTable())
        if (row.writesDevice)
            offered[row.key] = offered[row.key] || bindings.HasEncoder(row.code);
    requests_->Offer(std::views::keys(offered),
                     [&offered](RequestKey key) { return offered.at(key); });
}

// ---- the session's reports ----

void MainWindow::BindSession()
{
    LinkSession& s = *session_;
    connect(&s, &LinkSession::frameSent, this, [this](const mbu3::Frame& f, bool first) {
        if (first)
            Monitor->ShowTxDataLength(session_->Transfer().TxDataLen());
        Monitor->ShowTxFrame(f);
    });
    connect(&s, &LinkSession::requestBuilt, this,
            [this](std::size_t, bool full) { Monitor->Frames().ShowBufferFull(full); });
    connect(&s, &LinkSession::historyChanged, this, [this] {
        // Made only when the entries change (a repeated poll stops counting at 10).
        const CommandHistory& h = session_->History();
        const std::span<const CommandHistory::Entry> entries(h.Entries());
        Monitor->Frames().ShowCommands([&] { return Utf8(h.Text()); }, entries);
        Header->ShowCommands(h);
    });
    connect(&s, &LinkSession::linkError, this, [this](std::uint8_t code) { ShowLinkError(code); });
    connect(&s, &LinkSession::frameReceived, this, [this](const mbu3::Frame& f) {
        ShowRxActivity(f[mbu3::off::Command]);
        Monitor->ShowReply(f);
        Header->ShowFirmware(f);
    });
    connect(&s, &LinkSession::replyLength, this,
            [this](std::uint16_t n) { Monitor->ShowRxDataLength(n); });
    connect(&s, &LinkSession::replyHandled, this, [this] { CheckDeviceChange(); });
    connect(&s, &LinkSession::timedOut, this, [this] {
        if (dialogs_.notice && dialogs_.notice->isVisible())
            dialogs_.notice->close();
    });
    connect(&s, &LinkSession::onlineChanged, this, [this](bool online) { ShowOnline(online); });
    connect(&s, &LinkSession::beep, this, [this] {
        if (beep_)
            beep_();
    });
    connect(&s, &LinkSession::secondElapsed, this, [this] {
        const std::int32_t fps = session_->FramesPerSecond();
        Monitor->ShowFramesPerSecond(fps);
        Header->ShowFramesPerSecond(fps);
        if (session_->TrafficSeconds() == 2)
            Button_GyariSzamToEditsClick();
    });
}

void MainWindow::ShowOnline(bool online)
{
    Header->ShowOnline(online);
    Monitor->ShowOnline(online,
                        online ? session_->Hook().CurrentDeviceInfo() : UsbHook::DeviceInfo{});
}

void MainWindow::ShowLinkError(std::uint8_t code)
{
    Monitor->ShowLinkError(code);
    Header->ShowLinkError(code, state_.FactoryMode == 1);
    if (code == linkerror::TimeOut)
        FormActivate();
    if ((code == linkerror::ProgramOld || code == linkerror::ProgramNew) &&
        state_.FactoryMode == 0) {
        PageControl4->setActivePage(code == linkerror::ProgramOld ? TabSheet_TooOld
                                                                  : TabSheet_TooNew);
        (code == linkerror::ProgramOld ? Button_ExitFromApplication : Button_ExitFromApplication2)
            ->setFocus();
    }
}

void MainWindow::ShowRxActivity(std::uint8_t echo)
{
    Monitor->Frames().ShowReplyLamp(
        echo == Code(Command::IdentityWrite) || echo == Code(Command::StatusPoll) ? clYellow
                                                                                  : clLime);
    Header->ShowRxActivity(true);
    Timer_RxLED->stop();
    Timer_RxLED->setInterval(100);
    Timer_RxLED->start();
}

void MainWindow::Timer_RxLEDTimer()
{
    Monitor->Frames().ShowReplyLamp(clBtnFace);
    Header->ShowRxActivity(false);
    Timer_RxLED->stop();
}

void MainWindow::Button_CommandsClearClick()
{
    session_->ClearHistoryOlder();
}

// ---- status poll ----

void MainWindow::BindStatusPoll()
{
    bindings_.SetEncoder(Command::StatusPoll, [this](ByteWriter& w) { BuildStatusRequest(w); });
    bindings_.SetDecoder(Command::StatusPoll,
                         [this](ByteReader& r) { ApplyStatusRecord(StatusRecord::Decode(r)); });
}

void MainWindow::BuildStatusRequest(ByteWriter& w)
{
    StatusRequestInputs in;
    Calibration->FillStatusRequest(in);
    QWidget* page = PageControl4->activePage();
    in.activePage = page == TabSheet_5510   ? ActiveModelPage::QV5510
                    : page == TabSheet_5530 ? ActiveModelPage::QV5530
                                            : ActiveModelPage::Other;
    Models->FillStatusRequest(in);
    Tests->FillStatusRequest(in);
    Limits->FillStatusRequest(in);
    if (dialogs_.qvro)
        dialogs_.qvro->FillStatusRequest(in);
    in.moduleSlot = session_->ModuleSlot();
    in.lastErrorBits = state_.LastStatus.uErrorBits;
    in.lastDigitalOutputs = state_.LastStatus.uDigitalOutputs;

    const StatusRequestBuild built = korvel::BuildStatusRequest(in);
    Calibration->ApplyStatusButtons(built.buttons);
    Limits->ApplyStatusButtons(built.buttons);
    if (dialogs_.qvro)
        dialogs_.qvro->ApplyStatusButtons(built.buttons);
    built.request.Encode(w);
}

void MainWindow::ApplyStatusRecord(const StatusRecord& r)
{
    state_.LastStatus = r;
    // The decimal places set the scaled format of the whole window.
    state_.Decimals.SetDecimalFormat(r.uDecimals);
    // The displayed value in the window's format, made again only when it changes.
    static labeltext::Memo shownMemo;
    const std::string sep = LocaleDecimalSeparator();
    const DecimalFormat& decimals = state_.Decimals;
    const QString& shown =
        shownMemo.Get([&] { return Utf8(decimals.Format(r.iSkalazottKijezesiErtek, sep)); },
                      r.iSkalazottKijezesiErtek, decimals.Decimals(), sep);
    Header->ShowStatus(r, session_->DeviceID(), shown);
    Calibration->ShowStatus(r, shown);
    Limits->ShowStatus(r);
    Models->ShowStatus(r);
    if (dialogs_.qvtmp)
        dialogs_.qvtmp->ShowStatus(r);
    if (dialogs_.qvro)
        dialogs_.qvro->ShowStatus(r, session_->ModuleSlot());
    if (state_.IdentityReadBackDue) {
        state_.IdentityReadBackDue = false;
        Button_GyariSzamToEditsClick();
    }
}

// ---- start-up ----

void MainWindow::FormCreate()
{
    setWindowTitle(QStringLiteral("A Quorin 32 bites készülékcsalád beállító programja   v") +
                   ProgramDateText());
    LoadIni();
    session_->Reset();
    state_.Decimals.SetDecimalFormat(0);
    Header->ShowNoCommunication();
}

void MainWindow::FormActivate()
{
    Monitor->Frames().ShowProgramDate(ProgramDateText());
    state_.FactoryMode = 0;
    for (const QString& parameter : arguments_)
        if (parameter.toUpper() == kFactorySwitch)
            state_.FactoryMode = 1;
    PageControl4->setTabVisible(TabSheet_Quorin, state_.FactoryMode == 1);
    if (state_.FactoryMode == 0)
        for (QWidget* tab : {TabSheet_3310, TabSheet_3320, TabSheet_3330, TabSheet_3340,
                             TabSheet_5510, TabSheet_5530})
            PageControl4->setTabVisible(tab, false);
}

void MainWindow::FormClose()
{
    SaveIni();
}

QString MainWindow::IniFileName() const
{
    if (!iniPath_.isEmpty())
        return iniPath_;
    return QString::fromStdString(
        SettingsPathFor(QCoreApplication::applicationFilePath().toStdString()).string());
}

void MainWindow::LoadIni()
{
    // The settings file is opened and closed again; no value is read from it.
    IniFile ini(IniFileName().toStdString());
    ini.Load();
}

void MainWindow::SaveIni()
{
    // Failures (a read-only folder, say) are swallowed: the program goes on.
    IniFile ini(IniFileName().toStdString());
    ini.Load();
    const QString stamp = LocaleDateTimeStamp(QDateTime::currentDateTime());
    if (ini.WriteString("Date", "Date", stamp.toStdString()))
        ini.Save();
}

void MainWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange)
        return;
    // The main window counts as activated when it becomes the active window of this program
    // (at start, or back from one of its dialogs), not when the user returns from another
    // program.
    if (!isActiveWindow()) {
        activeWithinProgram_ = QApplication::activeWindow() != nullptr;
        return;
    }
    if (!activeWithinProgram_)
        return;
    FormActivate();
    // Outside factory mode the activation hides the model tabs. While the device is in steady
    // traffic its identity has been read back already and no new read-back would come, so the
    // reported model's page is set up again at once rather than leaving no page to work on.
    if (state_.FactoryMode == 0 && session_->TrafficSeconds() >= 2)
        ConfigureModelPage(session_->ReportedDeviceType());
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!exitWithoutClose_)
        FormClose();
    event->accept();
}

void MainWindow::Button_ExitFromApplicationClick()
{
    ExitWithoutCloseHandling(exitWithoutClose_);
}

void MainWindow::Button_RefreshFormClick()
{
    ++refreshCount_;
    RefreshAllWindows();
}

void MainWindow::PageControl1Change()
{
    QWidget* page = PageControl1->activePage();
    if (page == TabSheet1) {
        Calibration->PressEntryReads();
    } else if (page == TabSheet5) {
        Limits->PressEntryReads();
    }
}

void MainWindow::PageControl4Change()
{
    if (PageControl4->activePage() == TabSheet_5510)
        Models->Qv5510().EnterQV5510Page();
}

// ---- identity, model pages, device replacement ----

void MainWindow::Button_GyariSzamToEditsClick()
{
    const std::uint16_t type = session_->ReportedDeviceType();
    const StatusRecord& last = state_.LastStatus;
    Identity->ShowPolledIdentity(session_->DeviceID(), last.uGyariSzamEv, last.uGyariSzamHonap,
                                 type);
    Header->ShowDeviceType(type);
    ConfigureModelPage(type);
    Identity->ReadIdentityEdits();
}

void MainWindow::CheckDeviceChange()
{
    const std::uint16_t type = session_->ReportedDeviceType();
    const std::uint32_t id = session_->DeviceID();
    Header->ShowDeviceType(type);
    DeviceReplacedNotice* notice = dialogs_.notice;
    if (notice && notice->isVisible())
        return;
    const bool typeChanged = type != lastDeviceType_;
    const bool idChanged = id != lastDeviceID_;
    if (notice)
        notice->MarkChanges(typeChanged, idChanged);
    if (!typeChanged && !idChanged)
        return;
    const bool replaced = lastDeviceType_ != 0;
    if (notice) {
        notice->ShowDevices(type, lastDeviceType_, id, lastDeviceID_);
        if (replaced)
            notice->ShowNotice(this);
    }
    // Work goes on with the new meter's settings: what was left to be written into the old
    // one never reaches it.
    if (replaced)
        session_->WithdrawWrites();
    session_->Adopt(type);
    lastDeviceType_ = type;
    lastDeviceID_ = id;
}

void MainWindow::ConfigureModelPage(std::uint16_t type)
{
    Identity->ClearModuleRadioButtons();
    const StatusRecord& last = state_.LastStatus;
    const PolledModules polled{last.uQVOptIn, last.uQVOptOut2, last.uQVOptOut1};
    const ModelPageDecision d = korvel::ConfigureModelPage(
        type, polled, state_.FactoryMode == 1, PageControl4->activePage() == TabSheet_Quorin);
    if (d.row == ModelRow::None)
        return;
    auto widget = [this](std::string_view name) {
        return build::FindInWindow<QWidget>(
            this, QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    };
    for (std::string_view n : d.radiosEnabled)
        widget(n)->setEnabled(true);
    for (std::string_view n : d.radiosDisabled)
        widget(n)->setEnabled(false);
    for (std::string_view n : d.buttonsDisabled)
        widget(n)->setEnabled(false);
    for (std::string_view n : d.lampsHidden)
        widget(n)->setVisible(false);
    for (std::string_view n : d.radiosChecked)
        static_cast<QRadioButton*>(widget(n))->setChecked(true);
    for (std::string_view n : d.buttonsEnabled)
        widget(n)->setEnabled(true);
    for (std::string_view n : d.lampsShown)
        widget(n)->setVisible(true);
    QWidget* tab = widget(d.tabShown);
    PageControl4->setTabVisible(tab, true);
    for (std::string_view n : d.tabsHidden)
        PageControl4->setTabVisible(widget(n), false);
    if (d.activateTab)
        PageControl4->setActivePage(tab);
}

}  // namespace korvel
