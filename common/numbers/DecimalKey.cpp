#include "DecimalKey.h"

namespace qs {

std::string DecimalKeyText(std::string_view keyText, std::string_view decimalSeparator)
{
    if (keyText == "," || keyText == ".")
        return std::string(decimalSeparator);
    return std::string(keyText);
}

}  // namespace qs
