#pragma once
#include "DialogBase.h"

#include <array>
#include <cstdint>
#include <functional>
#include <map>

class QGroupBox;
class QLabel;

namespace korvel {

// "Számérték módosítása" (Form_IncDec): the modal editor of one scaled integer of a module
// dialog, changed digit by digit with a "+" and a "-" per digit; a comma shows where the
// decimal places begin. OK writes the value back into its target and rewrites that dialog's
// labels; Esc writes nothing. It sends nothing to the device.
//
// The editable values are numbered targets. Each opener registers its target: the title, the
// value at opening, the decimal places, how OK writes the value back and which labels it then
// rewrites.
class NumberEditor : public DialogBase {
    Q_OBJECT
public:
    static constexpr std::int32_t kMinimum = -9999;
    static constexpr std::int32_t kMaximum = 99999;
    static constexpr int kDigits = 5;

    struct Target {
        QString title;                            // shown in Label_Caption
        std::function<std::int32_t()> value;      // the value at opening, taken unclamped
        std::function<int()> decimals;            // decimal places for the comma
        std::function<void(std::int32_t)> write;  // OK: the value written back
        std::function<void()> refresh;            // OK: then the labels rewritten
    };

    explicit NumberEditor(QWidget* parent = nullptr);

    // Registers (or replaces) target `number`.
    void SetTarget(std::uint32_t number, Target target);
    // The opener: place, value, limits, target, title, decimals, digits, then the modal show.
    // A number without a registered target opens nothing.
    void Open(std::uint32_t number);

    // The five digits (the first one "-" for a negative value) and the comma.
    void ShowDigits();
    // One digit button: the value moved by delta, clamped to [IncDecMin, IncDecMax].
    void AddDelta(std::int32_t delta);
    void Button_NullAllClick();
    void Button_OKClick();

    std::int32_t IncDecValue = 0;
    std::int32_t IncDecMax = 0;
    std::int32_t IncDecMin = 0;
    std::uint32_t IncDecTarget = 0;
    std::uint8_t IncDecDecimals = 0;

private:
    QLabel* Label_Caption = nullptr;
    QGroupBox* GroupBox_SzamlaloModositas = nullptr;
    // Column k (0 = ten-thousands .. 4 = units): Label_Digit<k+1>, Button_PlusDigit<k+1>,
    // Button_MinusDigit<k+1>.
    std::array<QLabel*, kDigits> Label_Digit{};
    std::array<QPushButton*, kDigits> Button_PlusDigit{};
    std::array<QPushButton*, kDigits> Button_MinusDigit{};
    // Label_uDecimal<d>: the comma before the last d digits (d = 0: after the last digit).
    std::array<QLabel*, kDigits> Label_uDecimal{};
    QPushButton* Button_NullAll = nullptr;
    QPushButton* Button_OK = nullptr;

    std::map<std::uint32_t, Target> targets_;
};

}  // namespace korvel
