#include "LimitOutputGroup.h"

#include "NumberEdit.h"
#include "RadioGroup.h"
#include "SettingsItems.h"
#include "TypingLimit.h"

#include <QLabel>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>

namespace qs {

namespace {
// A line edit keeps two pixels free on either side of its text, and one more for the cursor.
constexpr int kLineEditMargins = 2 * 2 + 1;
// A digit of the design face (Arial, 11 pixels): an edit's design width counts in it, so no
// font family the machine has makes an edit narrower than the design.
constexpr int kDesignDigitWidth = 6;
// A number edit without a typing limit is never narrower than seven digits, a sign and a
// separator of the design face.
constexpr int kNumberEditDesignWidth = 10 * kDesignDigitWidth;
}  // namespace

int EditWidthFor(const QLineEdit* edit, const QString& text)
{
    // The text, the edit's own margins, and the frame the style draws round it.
    const QMargins margins = edit->textMargins();
    const int inner = edit->fontMetrics().horizontalAdvance(text) + margins.left() +
                      margins.right() + kLineEditMargins;
    QStyleOptionFrame frame;
    frame.initFrom(edit);
    frame.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, edit);
    return edit->style()
        ->sizeFromContents(QStyle::CT_LineEdit, &frame, QSize(inner, edit->fontMetrics().height()),
                           edit)
        .width();
}

QLineEdit* AddEditRow(QGridLayout* grid, int row, QWidget* parent, const EditRow& field)
{
    grid->addWidget(new QLabel(field.caption, parent), row, 0);
    auto* edit = new QLineEdit(field.text, parent);
    edit->setObjectName(QString::fromLatin1(field.name));
    // As wide as its longest entry (a number: ten characters), no wider; an edit with a
    // typing limit exactly that wide in the design face, a number edit at least its design
    // width; and, whatever font the machine gives it, never narrower than that nor so narrow
    // that it cuts the digits of a usual entry (up to seven: "-0000,0").
    const int chars = field.maxLength > 0 ? std::max(field.maxLength, 5) : 10;
    const int designWidest = kDesignDigitWidth * (chars + 2);
    const int designNarrowest = field.maxLength > 0 ? designWidest : kNumberEditDesignWidth;
    edit->setMaximumWidth(std::max(
        designWidest, edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * (chars + 2)));
    edit->setMinimumWidth(std::max(
        designNarrowest, EditWidthFor(edit, QString(std::min(chars, 7), QLatin1Char('0')))));
    if (field.maxLength > 0)
        TypingLimit::Install(edit, field.maxLength);
    if (field.decimalKey)
        DecimalKeyFilter::Install(edit);
    grid->addWidget(edit, row, 1);
    if (!field.unit.isEmpty())
        grid->addWidget(new QLabel(field.unit, parent), row, 2);
    return edit;
}

LimitOutputControls BuildLimitOutputGroup(QWidget* parent, int n,
                                          const LimitOutputCaptions& captions)
{
    const QString number = QString::number(n);
    auto named = [&](const char* stem) {
        return (QString::fromLatin1(stem) + "L" + number).toLatin1();
    };
    LimitOutputControls c;
    c.group = new QGroupBox(captions.group.arg(n), parent);
    c.group->setObjectName("GroupBox_Limit" + number);
    auto* grid = new QGridLayout(c.group);
    grid->setContentsMargins(2, 4, 2, 2);
    grid->setHorizontalSpacing(4);

    c.mode = new RadioGroup("Üzemmód", settingsitems::LimitModes(), c.group);
    c.mode->setObjectName(named("RadioGroup_enuLimitMode"));
    c.mode->setItemIndex(0);
    grid->addWidget(c.mode, 0, 0, 1, 3);

    const bool dk = captions.decimalKeys;
    const QByteArray low = named("Edit_iLowLimit"), high = named("Edit_iHighLimit"),
                     hyst = named("Edit_iHysteresis"), sec = named("Edit_uSec"),
                     pulse = named("Edit_uPulseSec");
    c.low =
        AddEditRow(grid, 1, c.group, {low.constData(), "A érték vagy delta érték:", "0", 0, dk});
    c.high = AddEditRow(grid, 2, c.group, {high.constData(), "B érték:", "0", 0, dk});
    c.hysteresis = AddEditRow(grid, 3, c.group, {hyst.constData(), "Hiszterézis:", "0", 0, dk});
    c.hold = new QCheckBox("A már bekapcsolt kimenet gombnyomásig úgy marad.", c.group);
    c.hold->setObjectName(named("CheckBox_bHold"));
    grid->addWidget(c.hold, 4, 0, 1, 3);
    c.seconds = AddEditRow(grid, 5, c.group, {sec.constData(), "Másodperc érték:", "0", 5});
    c.pulseSeconds = AddEditRow(
        grid, 6, c.group, {pulse.constData(), captions.pulse, "0", 3, false, captions.pulseUnit});
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(7, 1);
    return c;
}

}  // namespace qs
