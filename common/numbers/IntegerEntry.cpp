#include "IntegerEntry.h"

#include "TextNumber.h"

namespace qs {

std::uint32_t ClampUnsigned(std::uint32_t value, std::uint32_t minimum, std::uint32_t maximum)
{
    if (value < minimum)
        return minimum;
    if (value > maximum)
        return maximum;
    return value;
}

ClampedEntry IntClampedEntry(std::string_view text, std::uint32_t minimum, std::uint32_t maximum)
{
    const std::int32_t entered = TextToInt32(text).value_or(0);
    const std::uint32_t value =
        ClampUnsigned(static_cast<std::uint32_t>(entered), minimum, maximum);
    return {value, std::to_string(value)};
}

IntEntry Int32Entry(std::string_view text)
{
    const std::int32_t value = TextToInt32(text).value_or(0);
    return {value, std::to_string(value)};
}

}  // namespace qs
