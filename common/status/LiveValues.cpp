#include "LiveValues.h"

#include "common/bargraph/MBarGraph.h"
#include "common/numbers/LocaleSeparators.h"
#include "common/numbers/PictureFormat.h"
#include "common/ui/ControlBuilder.h"
#include "common/ui/LabelText.h"

#include <QLabel>

#include <array>

namespace qs {

using namespace build;

namespace {

void ShowReading(TMBarGraph* bar, std::int32_t reading, const std::string& sep)
{
    const double value = reading / 8388607.0;
    // The bar is set again only for another reading (or a value set elsewhere).
    if (labeltext::Repeats(bar, labeltext::KeyOf(reading, sep)) && bar->MBGValue() == value)
        return;
    bar->SetMBGValue(value);
    bar->SetMBGText(Utf8(FormatInteger(reading, "# ### ##0", sep)));
}

}  // namespace

InputDescription DescribeInput(std::uint8_t kind, std::uint8_t inputType, bool pt1000,
                               const PtTexts& pt)
{
    static constexpr std::array<std::string_view, 5> kTypes{
        "Áram: 4 - 20 mA", "Áram: 0 - 20 mA", "Feszültség: 0 - 10 V", "Feszültség: 0 - 5 V",
        "Feszültség: 2 - 10 V"};
    InputDescription d;
    if (kind == 1 && inputType < kTypes.size()) {
        d.text = std::string(kTypes[inputType]);
        d.unit = inputType <= 1 ? "mA" : "V";
    } else if (kind == 2) {
        d.text = std::string(pt1000 ? pt.pt1000 : pt.pt100);
        d.unit = "ohm";
        d.picture = pt1000 ? "#0.00" : "#0.000";
    }
    return d;
}

std::string PhysicalValueText(float value, const InputDescription& input,
                              std::string_view decimalSeparator)
{
    return FormatFloat(value, input.picture, decimalSeparator) + " " + input.unit;
}

InputDescription LiveValueControls::Show(const LiveStatus& s, std::uint8_t inputKind,
                                         const PtTexts& pt, const QString& shown) const
{
    const std::string sep = LocaleDecimalSeparator();
    ShowReading(raw, s.iADRaw, sep);
    ShowReading(averaged, s.iADAveraged, sep);
    InputDescription input = DescribeInput(inputKind, s.uInputType, s.bPt1000, pt);
    // Texts made only when what they show changes.
    if (input.text)
        labeltext::Set(
            inputType, [&] { return Utf8(*input.text); }, *input.text);
    labeltext::Set(
        physical, [&] { return Utf8(PhysicalValueText(s.fFizikaiMennyiseg, input, sep)); },
        s.fFizikaiMennyiseg, input.picture, input.unit, sep);
    labeltext::Set(
        percent, [&] { return Utf8(FormatFloat(s.fKimenetSzazalek, "#0.000", sep)); },
        s.fKimenetSzazalek, sep);
    displayed->setText(shown);
    return input;
}

}  // namespace qs
