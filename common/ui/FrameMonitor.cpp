#include "FrameMonitor.h"

#include "LinkErrorLabels.h"
#include "MemoText.h"
#include "Shape.h"

#include "common/VersionDate.h"
#include "common/numbers/LocaleSeparators.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace qs {

using namespace build;

namespace {

Shape* Lamp(QWidget* parent, const char* name)
{
    auto* lamp = Named<Shape>(parent, name, Shape::Circle);
    lamp->setFixedSize(16, 16);
    lamp->setBrushColor(clBtnFace);
    return lamp;
}

// A value takes the room its column gives it: a longer text (a link error, a device's name)
// widens no column, so nothing beside it moves.
void TakeColumnsRoom(QLabel* value)
{
    QSizePolicy policy = value->sizePolicy();
    policy.setHorizontalPolicy(QSizePolicy::Ignored);
    value->setSizePolicy(policy);
}

// "caption value" rows from `row` on in columns `column` and `column` + 1; answers the next
// free row.
int AddRows(QWidget* parent, QGridLayout* grid, int row, int column,
            const std::vector<ValueSpec>& values)
{
    for (const ValueSpec& v : values) {
        grid->addWidget(new QLabel(QString::fromUtf8(v.caption), parent), row, column);
        *v.target = Named<QLabel>(parent, v.name, QString::fromUtf8(v.text));
        TakeColumnsRoom(*v.target);
        grid->addWidget(*v.target, row, column + 1);
        ++row;
    }
    return row;
}

// A dump made only when it is looked at, and with a key only when its sources changed.
void ShowDump(MemoText* memo, FrameMonitor::Dump dump, const std::optional<labeltext::Key>& key)
{
    if (key)
        memo->SetTextFrom(std::move(dump), *key);
    else
        memo->SetTextFrom(std::move(dump));
}

}  // namespace

FrameMonitor::FrameMonitor(QWidget* parent, const FrameMonitorLook& look)
    : QGroupBox(look.title, parent), title_(look.title),
      colourFramesPerSecond_(look.colourFramesPerSecond),
      localeVersionSeparator_(look.localeVersionSeparator), highestLinkError_(look.highestLinkError)
{
    setObjectName(QStringLiteral("GroupBox_MBU"));
    const QString pauseCaption = QStringLiteral("Automatikus lekérdezés tiltva");
    if (look.outer) {
        look.outer->addWidget(this);
        CheckBox_MBUPause = build::CheckBox(parent, "CheckBox_MBUPause", pauseCaption);
        look.outer->addWidget(CheckBox_MBUPause);
    }
    auto* grid = new QGridLayout(this);
    if (look.tightRows)
        grid->setVerticalSpacing(2);

    // The USB device: the lamps with their texts, the names and the ids.
    Shape_MBUOn = Lamp(this, "Shape_MBUOn");
    Shape_MBUCom = Lamp(this, "Shape_MBUCom");
    if (look.lampsInOwnRow) {
        auto* lamps = new QHBoxLayout;
        for (auto [lamp, text] : {std::pair{Shape_MBUOn, look.onlineCaption},
                                  std::pair{Shape_MBUCom, look.replyCaption}}) {
            lamps->addWidget(lamp);
            lamps->addWidget(new QLabel(text, this));
            lamps->addSpacing(12);
        }
        lamps->addStretch(1);
        grid->addLayout(lamps, 0, 0, 1, 4);
    } else {
        grid->addWidget(Shape_MBUOn, 0, 0);
        grid->addWidget(new QLabel(look.onlineCaption, this), 0, 1);
        grid->addWidget(Shape_MBUCom, 0, 2);
        grid->addWidget(new QLabel(look.replyCaption, this), 0, 3);
    }
    const int top = AddRows(this, grid, 1, 0,
                            {{&Label_VendorName, "Label_VendorName", "Vendor:", ""},
                             {&Label_ProductName, "Label_ProductName", "Product:", ""}});
    if (look.idsInLastColumn) {
        AddRows(this, grid, 1, 2,
                {{&Label_VendorID, "Label_VendorID", "", ""},
                 {&Label_ProductID, "Label_ProductID", "", ""}});
    } else {
        Label_VendorID = Label(this, "Label_VendorID", QString());
        Label_ProductID = Label(this, "Label_ProductID", QString());
        grid->addWidget(Label_VendorID, 1, 2, 1, 2);
        grid->addWidget(Label_ProductID, 2, 2, 1, 2);
    }

    // The request (left) and the reply (right), each with the program's rows of its own.
    std::vector<ValueSpec> request = {
        {&Label_MBUTxDevice, "Label_MBUTxDevice", "Requested device:", ""},
        {&Label_MBUTxVerL, "Label_MBUTxVerL", "Requested version min:", ""},
        {&Label_MBUTxVerH, "Label_MBUTxVerH", "Requested version max:", ""},
        {&Label_MBUTxCommand, "Label_MBUTxCommand", "Command:", ""}};
    request.insert(request.end(), look.requestRows.begin(), look.requestRows.end());
    std::vector<ValueSpec> reply = {{&Label_MBURxDevice, "Label_MBURxDevice", "Valid device:", "?"},
                                    {&Label_MBURxVer, "Label_MBURxVer", "Valid version:", "?"},
                                    {&Label_MBURxCounter, "Label_MBURxCounter", "Counter:", "?"}};
    reply.insert(reply.end(), look.replyRows.begin(), look.replyRows.end());
    const ValueSpec error{&Label_MBURxError, "Label_MBURxError", "Error:", "0"};
    if (!look.errorRowOfItsOwn)
        reply.push_back(error);
    int row = std::max(AddRows(this, grid, top, 0, request), AddRows(this, grid, top, 2, reply));
    if (look.errorRowOfItsOwn) {
        grid->addWidget(new QLabel(QString::fromUtf8(error.caption), this), row, 0);
        Label_MBURxError = Named<QLabel>(this, error.name, QString::fromUtf8(error.text));
        grid->addWidget(Label_MBURxError, row++, 1, 1, 3);
    }
    for (QLabel* value : {Label_VendorID, Label_ProductID, Label_MBURxError})
        TakeColumnsRoom(value);
    if (look.plainColoursAtStart)
        for (QLabel* l : {Label_MBUTxDevice, Label_MBUTxVerL, Label_MBUTxVerH, Label_MBUTxCommand,
                          Label_MBURxDevice, Label_MBURxVer, Label_MBURxCounter})
            SetLabelHighlight(l, false);
    SetLabelHighlight(Label_MBURxError, false);
    labeltext::KeepSize(Label_MBURxCounter, QStringLiteral("888"));  // new with every reply

    Label_TXBufferIsFull = Label(this, "Label_TXBufferIsFull", QStringLiteral("Buffer is full!"));
    SetFontColor(Label_TXBufferIsFull, clRed);
    Label_TXBufferIsFull->setVisible(false);
    if (look.keepRoomForBufferFull)
        KeepRoomWhenHidden(Label_TXBufferIsFull);
    grid->addWidget(Label_TXBufferIsFull, row++, 0, 1, 2);

    Memo_MBUTx = MemoText::Dump(this, "Memo_MBUTx", look.dumpHeight);
    Memo_MBURx = MemoText::Dump(this, "Memo_MBURx", look.dumpHeight);
    if (look.dumpsSideBySide) {
        grid->addWidget(Memo_MBUTx, row, 0, 1, 2);
        grid->addWidget(Memo_MBURx, row++, 2, 1, 2);
    } else {
        grid->addWidget(Memo_MBUTx, row++, 0, 1, 4);
        grid->addWidget(Memo_MBURx, row++, 0, 1, 4);
    }

    row = AddRows(this, grid, row, 0, {{&Label_FPS, "Label_FPS", "FpS:", "0"}});
    labeltext::KeepSize(Label_FPS, QStringLiteral("888"));  // new every second
    Label_Commands = Label(this, "Label_Commands", QString());
    Label_Commands->setWordWrap(true);
    if (look.clearButton) {
        grid->addWidget(Label_Commands, row, 0, 1, 3);
        Button_CommandsClear = Button(this, "Button_CommandsClear", QStringLiteral("Cl"));
        Button_CommandsClear->setFixedWidth(32);
        grid->addWidget(Button_CommandsClear, row++, 3, Qt::AlignLeft);
        connect(Button_CommandsClear, &QPushButton::clicked, this,
                &FrameMonitor::clearCommandsClicked);
    } else {
        grid->addWidget(Label_Commands, row++, 0, 1, 4);
    }
    if (!CheckBox_MBUPause) {
        CheckBox_MBUPause = build::CheckBox(this, "CheckBox_MBUPause", pauseCaption);
        grid->addWidget(CheckBox_MBUPause, row++, 0, 1, 4);
    }
    connect(CheckBox_MBUPause, &QCheckBox::toggled, this, &FrameMonitor::pollPauseToggled);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
}

void FrameMonitor::ShowProgramDate(const QString& date)
{
    setTitle(title_ + date);
}

void FrameMonitor::ShowDevice(bool online, const UsbHook::DeviceInfo& info)
{
    Shape_MBUOn->setBrushColor(online ? clLime : clBtnFace);
    Label_VendorName->setText(info.vendorName);
    Label_ProductName->setText(info.productName);
    Label_VendorID->setText(info.vendorIdText);
    Label_ProductID->setText(info.productIdText);
}

void FrameMonitor::ShowReplyLamp(TColor colour)
{
    Shape_MBUCom->setBrushColor(colour);
}

void FrameMonitor::ShowBufferFull(bool full)
{
    Label_TXBufferIsFull->setVisible(full);
}

std::string FrameMonitor::VersionSeparator() const
{
    return localeVersionSeparator_ ? LocaleDateSeparator() : std::string(".");
}

QString FrameMonitor::VersionText(std::uint16_t code) const
{
    return QString::fromStdString(VersionToStr(code, VersionSeparator()));
}

void FrameMonitor::ShowRequest(const RequestHeader& h, Dump dump,
                               const std::optional<labeltext::Key>& key)
{
    // Made only when they change (most stay the same from one frame to the next).
    const std::string sep = VersionSeparator();
    labeltext::Set(
        Label_MBUTxDevice, [&] { return QString::number(h.device); }, h.device);
    labeltext::Set(
        Label_MBUTxVerL, [&] { return VersionText(h.versionMin); }, h.versionMin, sep);
    labeltext::Set(
        Label_MBUTxVerH, [&] { return VersionText(h.versionMax); }, h.versionMax, sep);
    labeltext::Set(
        Label_MBUTxCommand, [&] { return QString::number(h.command); }, h.command);
    ShowDump(Memo_MBUTx, std::move(dump), key);
}

void FrameMonitor::ShowReply(const ReplyHeader& h, Dump dump,
                             const std::optional<labeltext::Key>& key)
{
    const std::string sep = VersionSeparator();
    labeltext::Set(
        Label_MBURxDevice, [&] { return QString::number(h.device); }, h.device);
    labeltext::Set(
        Label_MBURxVer, [&] { return VersionText(h.firmware); }, h.firmware, sep);
    labeltext::Set(
        Label_MBURxCounter, [&] { return QString::number(h.counter); }, h.counter);
    ShowDump(Memo_MBURx, std::move(dump), key);
}

void FrameMonitor::ShowReplyDump(const QString& text)
{
    Memo_MBURx->SetText(text);
}

void FrameMonitor::ShowLinkError(std::uint8_t code)
{
    const LinkErrorLabels labels{Label_MBURxError, Label_MBUTxDevice,  Label_MBUTxVerL,
                                 Label_MBUTxVerH,  Label_MBUTxCommand, Label_MBURxDevice,
                                 Label_MBURxVer,   Label_MBURxCounter, Memo_MBURx};
    labels.Show(code, highestLinkError_);
}

void FrameMonitor::ShowFramesPerSecond(std::int32_t fps)
{
    Label_FPS->setText(QString::number(fps));
    if (colourFramesPerSecond_)
        SetFontColor(Label_FPS, fps != 0 ? clGreen : clRed);
}

}  // namespace qs
