#include "HeaderPage.h"

#include "common/session/LinkErrors.h"
#include "korvel/window/RequestButtons.h"
#include "common/ui/ControlBuilder.h"
#include "common/ui/LabelText.h"
#include "common/ui/TColor.h"
#include "common/numbers/LocaleSeparators.h"
#include "common/numbers/PictureFormat.h"
#include "common/numbers/Rounding.h"
#include "common/numbers/StatusTexts.h"
#include "common/VersionDate.h"
#include "korvel/window/model/DeviceTypes.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace korvel {

using namespace qs;

using namespace build;

namespace {
// Adds "caption value" as one row of a grid.
void row(QGridLayout* grid, int r, const QString& caption, QWidget* value)
{
    grid->addWidget(new QLabel(caption), r, 0);
    grid->addWidget(value, r, 1);
}
}  // namespace

HeaderPage::HeaderPage(QWidget* window) : QObject(window)
{
    PageControl5 = new PageControl(window);
    PageControl5->setObjectName("PageControl5");
    PageControl5->setFixedHeight(150);
    TabSheet_Header = PageControl5->addPage("TabSheet_Header", "Header");
    TabSheet_NoComm = PageControl5->addPage("TabSheet_NoComm", "NoComm");
    PageControl5->setTabVisible(TabSheet_Header, false);
    PageControl5->setTabVisible(TabSheet_NoComm, false);

    {
        auto* h = new QHBoxLayout(TabSheet_Header);
        auto* idBox = new QWidget(TabSheet_Header);
        auto* grid = new QGridLayout(idBox);
        SpeedButton_Reset = Speed(TabSheet_Header, "SpeedButton_Reset", "RESET");
        grid->addWidget(SpeedButton_Reset, 0, 0);
        Label_KeszulekTipus = Label(idBox, "Label_KeszulekTipus", "Ismeretlen készülék");
        Label_KeszulekGyariSzam = Label(idBox, "Label_KeszulekGyariSzam", "Ismeretlen gyári szám");
        Label_Firmware = Label(idBox, "Label_Firmware", "Ismeretlen firmware");
        Label_uSecondsOfOperation = Label(idBox, "Label_uSecondsOfOperation", "");
        row(grid, 1, "Készülék:", Label_KeszulekTipus);
        row(grid, 2, "Gyári szám:", Label_KeszulekGyariSzam);
        row(grid, 3, "Firmware:", Label_Firmware);
        row(grid, 4, "Üzemidő:", Label_uSecondsOfOperation);
        grid->setColumnStretch(1, 1);
        idBox->setFixedWidth(kIdentityWidth);
        h->addWidget(idBox);

        auto* usb = Group(TabSheet_Header, "GroupBox_USB", "USB");
        auto* ug = new QGridLayout(usb);
        Label_USBOnline = Label(usb, "Label_USBOnline", "Online");
        SetWidgetColors(Label_USBOnline, clLime, clWindowText);
        Label_USBOnline->setVisible(false);
        Label_USBData = Label(usb, "Label_USBData", "Com");
        SetWidgetColors(Label_USBData, clYellow, clWindowText);
        Label_USBData->setVisible(false);
        Label_FPS2 = Label(usb, "Label_FPS2", "0");
        Label_MBURxError2 = Label(usb, "Label_MBURxError2", "Error");
        SetFontColor(Label_MBURxError2, clRed);
        Label_MBURxError2->setVisible(false);
        for (QLabel* lamp : {Label_USBOnline, Label_USBData, Label_MBURxError2})
            KeepRoomWhenHidden(lamp);
        // The commands sent, the newest last: where they do not all fit, the oldest are left
        // out whole.
        Label_MBU_Commands = Named<EntriesLabel>(usb, "Label_MBU_Commands");
        ug->addWidget(Label_USBOnline, 0, 0);
        ug->addWidget(Label_USBData, 0, 1);
        ug->addWidget(new QLabel("FpS"), 1, 0);
        ug->addWidget(Label_FPS2, 1, 1);
        labeltext::KeepSize(Label_FPS2, QStringLiteral("888"));  // new every second
        ug->addWidget(Label_MBURxError2, 2, 0, 1, 2);
        ug->addWidget(Label_MBU_Commands, 3, 0, 1, 2);
        usb->setFixedWidth(kUsbWidth);
        h->addWidget(usb);

        auto* errors = Group(TabSheet_Header, "GroupBox_Errors", "Hibajelzések");
        auto* eg = new QGridLayout(errors);
        struct Flag {
            QLabel** target;
            const char* name;
            const char* caption;
        };
        const Flag flags[] = {
            {&Label_cErrorUncalibratedInput, "Label_cErrorUncalibratedInput",
             "Kalibrálatlan bemenet"},
            {&Label_cErrorUncalibratedOutput, "Label_cErrorUncalibratedOutput",
             "Kalibrálatlan kimenet"},
            {&Label_cErrorOutputRange, "Label_cErrorOutputRange", "Analóg kimenet tartomány"},
            {&Label_cErrorFRAM, "Label_cErrorFRAM", "Sérült beállítások"},
            {&Label_cErrorInputRange, "Label_cErrorInputRange", "Bemenet túlvezérlés "},
            {&Label_cErrorInputModul, "Label_cErrorInputModul", "Hibás bemeneti modul"},
            {nullptr, nullptr, "Szakadt mérőkör"},
            {nullptr, nullptr, "Kalibrálatlan poteciométer"},
            {&Label_cErrorRSTimeOut, "Label_cErrorRSTimeOut", "Nincs RS-485 lekérdezés"},
        };
        int i = 0;
        for (const Flag& f : flags) {
            QLabel* l = f.name ? Label(errors, f.name, QString::fromUtf8(f.caption))
                               : Caption(errors, QString::fromUtf8(f.caption));
            if (f.target)
                *f.target = l;
            SetWidgetColors(l, clBtnFace, clWindowText);
            eg->addWidget(l, i % 5, i / 5);
            ++i;
        }
        errors->setFixedWidth(kErrorsWidth);
        h->addWidget(errors);

        auto* measured = Group(TabSheet_Header, "GroupBox_MertErtek", "Mért érték");
        auto* mv = new QVBoxLayout(measured);
        Label_iSkalazottKijezesiErtek2 = Label(measured, "Label_iSkalazottKijezesiErtek2", "");
        QFont big = Label_iSkalazottKijezesiErtek2->font();
        big.setPixelSize(24);
        big.setBold(true);
        Label_iSkalazottKijezesiErtek2->setFont(big);
        mv->addWidget(Label_iSkalazottKijezesiErtek2);
        measured->setFixedWidth(kMeasuredWidth);
        h->addWidget(measured);
        h->addStretch(1);

        MBarGraph_OutputPercent = new TMBarGraph(TabSheet_Header);
        MBarGraph_OutputPercent->setObjectName("MBarGraph_OutputPercent");
        MBarGraph_OutputPercent->SetFormValues();
        MBarGraph_OutputPercent->SetMBGPlusColorAt1(clYellow);
        MBarGraph_OutputPercent->SetMBGText(QStringLiteral("???%"));
        MBarGraph_OutputPercent->setFixedSize(200, 24);
        mv->addWidget(MBarGraph_OutputPercent);

        Button_RefreshForm = Button(TabSheet_Header, "Button_RefreshForm", "Kép frissítés");
        connect(Button_RefreshForm, &QPushButton::clicked, this, &HeaderPage::refreshClicked);
        h->addWidget(Button_RefreshForm, 0, Qt::AlignTop);

        // The texts that change while the device runs (operating time, commands, measured
        // value, ...) are cut at their group's edge rather than moving the groups beside them.
        for (QLabel* l : std::initializer_list<QLabel*>{
                 Label_KeszulekTipus, Label_KeszulekGyariSzam, Label_Firmware,
                 Label_uSecondsOfOperation, Label_MBU_Commands, Label_MBURxError2, Label_FPS2,
                 Label_iSkalazottKijezesiErtek2})
            l->setMinimumWidth(1);
    }
    {
        auto* v = new QVBoxLayout(TabSheet_NoComm);
        auto* line = Caption(
            TabSheet_NoComm,
            "Nincs kapcsolat a készülékkel. Ellenőrizze a készülék tápellátását és az USB kábel csatlakoztatottságát.");
        SetFontColor(line, clBlue);
        v->addWidget(line);
        v->addStretch(1);
    }
}

QWidget* HeaderPage::Widget() const
{
    return PageControl5;
}

void HeaderPage::BindRequests(RequestButtons& requests)
{
    requests.Bind(KeyReset, SpeedButton_Reset);
}

void HeaderPage::ShowStatus(const StatusRecord& r, std::uint32_t deviceId, const QString& shown)
{
    const std::string sep = LocaleDecimalSeparator();
    labeltext::Set(
        Label_KeszulekGyariSzam,
        [&] {
            return Utf8(FormatInteger(deviceId, "000000", sep) + "/" +
                        FormatInteger(r.uGyariSzamEv, "00", sep) + "." +
                        FormatInteger(r.uGyariSzamHonap, "00", sep));
        },
        deviceId, r.uGyariSzamEv, r.uGyariSzamHonap);
    QLabel* flags[] = {Label_cErrorUncalibratedInput, Label_cErrorUncalibratedOutput,
                       Label_cErrorOutputRange,       Label_cErrorFRAM,
                       Label_cErrorInputRange,        Label_cErrorInputModul,
                       Label_cErrorRSTimeOut};
    for (int bit = 0; bit < 7; ++bit)
        SetWidgetColors(flags[bit], (r.uErrorBits >> bit) & 1u ? clRed : clBtnFace, clWindowText);
    // The bar is set again only for another level.
    if (!labeltext::Repeats(MBarGraph_OutputPercent, labeltext::KeyOf(r.fKimenetSzazalek)) ||
        MBarGraph_OutputPercent->MBGValue() != r.fKimenetSzazalek) {
        MBarGraph_OutputPercent->SetMBGValue(r.fKimenetSzazalek);
        MBarGraph_OutputPercent->SetMBGText(QString::number(RoundToInt32Saturated(
                                                static_cast<double>(r.fKimenetSzazalek) * 100.0)) +
                                            "%");
    }
    Label_iSkalazottKijezesiErtek2->setText(shown);
    labeltext::Set(
        Label_uSecondsOfOperation, [&] { return Utf8(SecondsToText(r.uSecondsOfOperation)); },
        r.uSecondsOfOperation);
}

void HeaderPage::ShowLinkError(std::uint8_t code, bool factoryMode)
{
    Label_MBURxError2->setVisible(code != 0);
    if (const std::string_view text = linkerror::ShortText(code); !text.empty())
        labeltext::Set(
            Label_MBURxError2, [&] { return Utf8(text); }, code);
    PageControl5->setActivePage(code == linkerror::TimeOut && !factoryMode ? TabSheet_NoComm
                                                                           : TabSheet_Header);
}

void HeaderPage::ShowNoCommunication()
{
    PageControl5->setActivePage(TabSheet_NoComm);
}

void HeaderPage::ShowDeviceType(std::uint16_t type)
{
    // Every reply shows the type: the text and its colour are made only when it changes.
    labeltext::Set(
        Label_KeszulekTipus,
        [&] {
            const DeviceTypeLabel label = DeviceTypeLabelFor(type);
            SetFontColor(Label_KeszulekTipus, label.known ? clWindowText : clRed);
            return Utf8(label.text);
        },
        type);
}

void HeaderPage::ShowFirmware(const mbu3::Frame& reply)
{
    const std::uint16_t firmware = mbu3::Get16(reply, mbu3::off::Firmware);
    labeltext::Set(
        Label_Firmware, [&] { return "v" + QString::fromStdString(VersionToStr(firmware, ".")); },
        firmware);
}

void HeaderPage::ShowCommands(const CommandHistory& history)
{
    // Made only when the entries change (a repeated poll stops counting at 10).
    const std::span<const CommandHistory::Entry> entries(history.Entries());
    labeltext::Set(
        Label_MBU_Commands, [&] { return Utf8(history.FilteredText()); }, entries);
}

void HeaderPage::ShowFramesPerSecond(std::int32_t fps)
{
    Label_FPS2->setText(QString::number(fps));
    SetFontColor(Label_FPS2, fps != 0 ? clGreen : clRed);
}

void HeaderPage::ShowOnline(bool online)
{
    Label_USBOnline->setVisible(online);
}

void HeaderPage::ShowRxActivity(bool lit)
{
    Label_USBData->setVisible(lit);
}

}  // namespace korvel
