#pragma once
#include "common/link/records/LiveStatus.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class QLabel;

namespace qs {

class TMBarGraph;

// The live values both programs show from their status poll: the two converter bars, the
// input description with the unit and the picture of the physical value, the physical value,
// the output level and the displayed value.

// What the fitted input shows: the description (none: the label keeps its text), the unit and
// the picture of the physical value (empty: the general number format).
struct InputDescription {
    std::optional<std::string> text;
    std::string unit;
    std::string picture;

    friend bool operator==(const InputDescription&, const InputDescription&) = default;
};

// A program's descriptions of a temperature input.
struct PtTexts {
    std::string_view pt1000;
    std::string_view pt100;
};

// Input kind 1 (analogue input): input types 0..4 "Áram: 4 - 20 mA", "Áram: 0 - 20 mA" (unit
// "mA"), "Feszültség: 0 - 10 V", "Feszültség: 0 - 5 V", "Feszültség: 2 - 10 V" (unit "V");
// another type has no text and no unit. Kind 2 (temperature input): the Pt1000 or Pt100
// text, unit "ohm", picture "#0.00" or "#0.000". Any other kind: nothing.
InputDescription DescribeInput(std::uint8_t kind, std::uint8_t inputType, bool pt1000,
                               const PtTexts& pt);

// The physical value in the description's picture, " " and its unit ("12,3456001281738 "
// with no picture and no unit).
std::string PhysicalValueText(float value, const InputDescription& input,
                              std::string_view decimalSeparator);

struct LiveValueControls {
    TMBarGraph* raw;       // "AD nyers:"
    TMBarGraph* averaged;  // "AD szűrt:"
    QLabel* inputType;     // "Bement:"
    QLabel* physical;      // "Fizikai érték: "
    QLabel* percent;       // "Kimenet százalék:"
    QLabel* displayed;     // "Kijelzett érték:"

    // Bars: value reading / 8388607, text "# ### ##0" of the reading. Then the input
    // description of `inputKind`, the physical value, the output level with "#0.000" and
    // `shown` (the scaled value already in the window's format), all with the locale's
    // decimal separator. Answers the description, whose unit other labels use.
    InputDescription Show(const LiveStatus& s, std::uint8_t inputKind, const PtTexts& pt,
                          const QString& shown) const;
};

}  // namespace qs
