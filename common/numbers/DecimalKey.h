#pragma once
#include <string>
#include <string_view>

namespace qs {

// The decimal key of a number edit: a typed "," or "." becomes the decimal separator; any
// other key text passes unchanged.
std::string DecimalKeyText(std::string_view keyText, std::string_view decimalSeparator);

}  // namespace qs
