#include "NumberEditor.h"

#include "common/ui/ControlBuilder.h"
#include "common/ui/ScreenFit.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <cstdlib>

namespace korvel {

using namespace qs;

using namespace build;

namespace {
constexpr std::array<int, NumberEditor::kDigits> kColumnX = {32, 120, 208, 296, 384};
// Label_uDecimal0 .. Label_uDecimal4: after the units, then between columns 4|5 .. 1|2.
constexpr std::array<int, NumberEditor::kDigits> kCommaX = {419, 339, 251, 163, 74};
constexpr std::array<std::int32_t, NumberEditor::kDigits> kStep = {10000, 1000, 100, 10, 1};
constexpr int kColumnWidth = 42;

QFont Arial(int pixels, bool bold = false)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}
}  // namespace

NumberEditor::NumberEditor(QWidget* parent)
    : DialogBase("Form_IncDec", QStringLiteral("Számérték módosítása"), parent)
{
    using build::Button;
    using build::Label;
    // Outer size 550 x 460 with the usual frame round the client area.
    setFixedSize(screenfit::ClientOf({550, 460}));

    GroupBox_SzamlaloModositas = build::Group(this, "GroupBox_SzamlaloModositas", QString());
    GroupBox_SzamlaloModositas->setGeometry(29, 24, 476, 310);
    QWidget* g = GroupBox_SzamlaloModositas;
    // The title stands over the digits, centred.
    Label_Caption = Label(g, "Label_Caption", QStringLiteral("???"));
    Label_Caption->setFont(Arial(24));
    Label_Caption->setAlignment(Qt::AlignCenter);
    Label_Caption->setGeometry(4, 14, 468, 36);
    for (int k = 0; k < kDigits; ++k) {
        const QByteArray n = QByteArray::number(k + 1);
        Button_PlusDigit[k] = Button(g, "Button_PlusDigit" + n, QStringLiteral("+"));
        Button_PlusDigit[k]->setGeometry(kColumnX[k], 64, kColumnWidth, 49);
        Label_Digit[k] = Label(g, "Label_Digit" + n, QStringLiteral("0"));
        Label_Digit[k]->setFont(Arial(37));
        Label_Digit[k]->setAlignment(Qt::AlignCenter);
        Label_Digit[k]->setGeometry(kColumnX[k], 128, kColumnWidth, 43);
        Button_MinusDigit[k] = Button(g, "Button_MinusDigit" + n, QStringLiteral("-"));
        Button_MinusDigit[k]->setGeometry(kColumnX[k], 176, kColumnWidth, 49);
        connect(Button_PlusDigit[k], &QPushButton::clicked, this,
                [this, k] { AddDelta(kStep[k]); });
        connect(Button_MinusDigit[k], &QPushButton::clicked, this,
                [this, k] { AddDelta(-kStep[k]); });
    }
    for (int d = 0; d < kDigits; ++d) {
        Label_uDecimal[d] = Label(g, "Label_uDecimal" + QByteArray::number(d), QStringLiteral(","));
        Label_uDecimal[d]->setFont(Arial(96));
        // The comma's glyph sits on the digits' base line.
        Label_uDecimal[d]->setGeometry(kCommaX[d], 64, 34, 116);
        Label_uDecimal[d]->setAttribute(Qt::WA_TransparentForMouseEvents);
        Label_uDecimal[d]->setVisible(false);
    }
    Button_NullAll = Button(g, "Button_NullAll", QStringLiteral("A teljes szám nullázása"));
    Button_NullAll->setGeometry(32, 244, 394, 33);

    Button_Esc->setGeometry(29, 370, 120, 41);
    Button_OK = Button(this, "Button_OK", QStringLiteral("OK"));
    Button_OK->setGeometry(207, 370, 120, 41);
    Button_RefreshForm->setGeometry(385, 370, 120, 41);
    for (QPushButton* b : findChildren<QPushButton*>())
        b->setAutoDefault(false);

    connect(Button_NullAll, &QPushButton::clicked, this, [this] { Button_NullAllClick(); });
    connect(Button_OK, &QPushButton::clicked, this, [this] { Button_OKClick(); });
}

void NumberEditor::SetTarget(std::uint32_t number, Target target)
{
    targets_[number] = std::move(target);
}

void NumberEditor::Open(std::uint32_t number)
{
    const auto it = targets_.find(number);
    if (it == targets_.end())
        return;
    const Target& t = it->second;
    PlaceAtMainWindow();
    IncDecValue = t.value();
    IncDecMin = kMinimum;
    IncDecMax = kMaximum;
    IncDecTarget = number;
    Label_Caption->setText(t.title);
    IncDecDecimals = static_cast<std::uint8_t>(t.decimals());
    ShowDigits();
    exec();
}

void NumberEditor::ShowDigits()
{
    // In 64 bits, so the magnitude of -2^31 has its digits too.
    const std::int64_t m = std::llabs(static_cast<std::int64_t>(IncDecValue));
    for (int k = 0; k < kDigits; ++k)
        Label_Digit[k]->setText(QString::number((m / kStep[k]) % 10));
    if (IncDecValue < 0)
        Label_Digit[0]->setText(QStringLiteral("-"));
    for (int d = 0; d < kDigits; ++d)
        Label_uDecimal[d]->setVisible(d == IncDecDecimals);
}

void NumberEditor::AddDelta(std::int32_t delta)
{
    // The sum in 64 bits: a value near either end of the 32-bit range clamps towards the side
    // it moved instead of wrapping round to the other bound.
    std::int64_t v = static_cast<std::int64_t>(IncDecValue) + delta;
    if (v > IncDecMax)
        v = IncDecMax;
    if (v < IncDecMin)
        v = IncDecMin;
    IncDecValue = static_cast<std::int32_t>(v);
    ShowDigits();
}

void NumberEditor::Button_NullAllClick()
{
    IncDecValue = 0;
    ShowDigits();
}

void NumberEditor::Button_OKClick()
{
    if (const auto it = targets_.find(IncDecTarget); it != targets_.end()) {
        it->second.write(IncDecValue);
        it->second.refresh();
    }
    accept();
}

}  // namespace korvel
