// Start-up, activation, the factory switch, the settings file and the window-wide handlers.
#include "FormMain.h"
#include "Unit2.h"

#include "IniFile.h"
#include "numbers/LocaleSeparators.h"
#include "numbers/PictureFormat.h"
#include "ui/AppRefresh.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QLocale>

namespace {
// The factory switch, compared with every parameter in upper case.
const QString kFactorySwitch = QStringLiteral("/VORKAL");
}  // namespace

QString ProgramDateText()
{
    const QString sep = QString::fromStdString(LocaleDateSeparator());
    return QStringLiteral("2020") + sep + QStringLiteral("08") + sep + QStringLiteral("27") + sep;
}

QString FormatThousands(std::uint32_t value)
{
    return QString::fromStdString(FormatInteger(value, "# ### ### ##0", LocaleDecimalSeparator()));
}

TForm1::TForm1(hid::UsbHid& usb, QStringList arguments, QWidget* parent)
    : QWidget(parent), usb_(usb), arguments_(std::move(arguments))
{
    setObjectName("Form1");
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    setFont(font);
    resize(1321, 946);
    Beep = [] { QApplication::beep(); };

    CreateControls();

    Timer_Comm = new QTimer(this);
    Timer_Comm->setObjectName("Timer_Comm");
    Timer_Comm->setTimerType(Qt::PreciseTimer);
    Timer_Comm->setInterval(30);
    connect(Timer_Comm, &QTimer::timeout, this, [this] { Timer_CommTimer(); });
    TimerTimeOut = new QTimer(this);
    TimerTimeOut->setObjectName("TimerTimeOut");
    TimerTimeOut->setTimerType(Qt::PreciseTimer);
    TimerTimeOut->setInterval(200);
    connect(TimerTimeOut, &QTimer::timeout, this, [this] { TimerTimeOutTimer(); });
    Timer_1sec = new QTimer(this);
    Timer_1sec->setObjectName("Timer_1sec");
    Timer_1sec->setTimerType(Qt::PreciseTimer);
    Timer_1sec->setInterval(1000);
    connect(Timer_1sec, &QTimer::timeout, this, [this] { Timer_1secTimer(); });
    Timer_RxLED = new QTimer(this);
    Timer_RxLED->setObjectName("Timer_RxLED");
    connect(Timer_RxLED, &QTimer::timeout, this, [this] { Timer_RxLEDTimer(); });

    connect(Button_RefreshForm, &QPushButton::clicked, this, [this] { Button_RefreshFormClick(); });
    connect(PageControl1, &PageControl::userChanged, this, [this] { PageControl1Change(); });
    connect(PageControl4, &PageControl::userChanged, this, [this] { PageControl4Change(); });
    // Key preview: Alt with any key refreshes every window, whatever control has the focus.
    new AltKeyFilter(this, [this] { Button_RefreshFormClick(); });
    connect(Button_ExitFromApplication, &QPushButton::clicked, this, [this] { Button_ExitFromApplicationClick(); });
    connect(Button_ExitFromApplication2, &QPushButton::clicked, this, [this] { Button_ExitFromApplicationClick(); });

    BindStatusPoll();
    BindIdentityGroup();
    FormCreate();
    Timer_Comm->start();
    Timer_1sec->start();
}

TForm1::~TForm1()
{
    FormDestroy();
}

void TForm1::AttachForms(const std::vector<QWidget*>& forms)
{
    forms_ = forms;
    for (QWidget* f : forms)
        if (auto* notice = qobject_cast<TForm_Keszulekcsere*>(f))
            notice_ = notice;
    BindPriorityTable();
}

void TForm1::FormCreate()
{
    setWindowTitle(QStringLiteral("A Quorin 32 bites készülékcsalád beállító programja   v") + ProgramDateText());
    usb_.Connect([this](unsigned message, int event, hid::Handle handle) { return USBEvent(message, event, handle); });
    LoadIni();
    RequestedDeviceType = 0;
    Busy = 0;
    TrafficSeconds = 0;
    CommandHistory = {};
    PageControl5->setActivePage(TabSheet_NoComm);
}

void TForm1::FormActivate()
{
    GroupBox_MBU->setTitle(QStringLiteral("MBU3   v") + ProgramDateText());
    FactoryMode = 0;
    for (const QString& parameter : arguments_)
        if (parameter.toUpper() == kFactorySwitch)
            FactoryMode = 1;
    PageControl4->setTabVisible(TabSheet_Quorin, FactoryMode == 1);
    if (FactoryMode == 0)
        for (QWidget* tab : {TabSheet_3310, TabSheet_3320, TabSheet_3330, TabSheet_3340, TabSheet_5510, TabSheet_5530})
            PageControl4->setTabVisible(tab, false);
}

void TForm1::FormClose()
{
    SaveIni();
}

void TForm1::FormDestroy()
{
    usb_.Connect({});  // the hook goes with the window
}

QString TForm1::IniFileName() const
{
    if (!IniPath.isEmpty())
        return IniPath;
    return QString::fromStdString(SettingsPathFor(QCoreApplication::applicationFilePath().toStdString()).string());
}

void TForm1::LoadIni()
{
    // The settings file is opened and closed again; no value is read from it.
    IniFile ini(IniFileName().toStdString());
    ini.Load();
}

void TForm1::SaveIni()
{
    // Failures (a read-only folder, say) are swallowed: the program goes on.
    IniFile ini(IniFileName().toStdString());
    ini.Load();
    const QDateTime now = QDateTime::currentDateTime();
    const QString stamp = QLocale().toString(now.date(), QLocale::ShortFormat) + QStringLiteral("   ") +
                          QLocale().toString(now.time(), QLocale::LongFormat);
    if (ini.WriteString("Date", "Date", stamp.toStdString()))
        ini.Save();
}

void TForm1::changeEvent(QEvent* event)
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
    if (FactoryMode == 0 && TrafficSeconds >= 2)
        ConfigureModelPage(ReportedDeviceType);
}

void TForm1::closeEvent(QCloseEvent* event)
{
    if (!ExitWithoutClose)
        FormClose();
    event->accept();
}

void TForm1::Button_ExitFromApplicationClick()
{
    ExitWithoutCloseHandling(ExitWithoutClose);
}

void TForm1::Button_RefreshFormClick()
{
    ++RefreshCount;
    RefreshAllWindows();
}

void TForm1::PageControl1Change()
{
    QWidget* page = PageControl1->activePage();
    if (page == TabSheet1) {
        SpeedButton_ReadCalIn->SetDown(true);
        SpeedButton_ReadPWMCal->SetDown(true);
        SpeedButton_ReadCalPt->SetDown(true);
    } else if (page == TabSheet5) {
        SpeedButton_ReadSettings2->SetDown(true);
    }
}

void TForm1::PageControl4Change()
{
    EnterQV5510Page();
}

void TForm1::EnterQV5510Page()
{
    // The QV5510 page's display-test state is set up here when the page is entered.
}

void TForm1::IdentityReadBack()
{
    Button_GyariSzamToEditsClick();
}

void TForm1::CheckDeviceChange()
{
    ShowDeviceType(ReportedDeviceType);
    if (notice_ && notice_->isVisible())
        return;
    const bool typeChanged = ReportedDeviceType != LastDeviceType;
    const bool idChanged = DeviceID != LastDeviceID;
    if (notice_)
        notice_->MarkChanges(typeChanged, idChanged);
    if (!typeChanged && !idChanged)
        return;
    if (notice_) {
        notice_->ShowDevices(ReportedDeviceType, LastDeviceType, DeviceID, LastDeviceID);
        if (LastDeviceType != 0)
            notice_->ShowNotice(this);
    }
    RequestedDeviceType = ReportedDeviceType;
    LastDeviceType = ReportedDeviceType;
    LastDeviceID = DeviceID;
}
