#include "MBarGraphColors.h"

#include <cmath>
#include <cstdint>

namespace qs {

int ColorChannel(TColor color, char letter)
{
    // Signed arithmetic on purpose: C++ division truncates toward zero and % takes the
    // dividend's sign, which is what the channel of a system colour is defined by.
    const std::int32_t c = static_cast<std::int32_t>(color);
    std::int32_t channel = 0;
    switch (letter) {
    case 'R':
    case 'r':
        channel = c % 256;
        break;
    case 'G':
    case 'g':
        channel = (c / 256) % 256;
        break;
    case 'B':
    case 'b':
        channel = (c / 65536) % 256;
        break;
    default:
        return 0;
    }
    return static_cast<int>(static_cast<std::uint32_t>(channel) & 0xFFu);
}

TColor BlendColor(TColor color0, TColor color1, double fraction)
{
    double f = fraction;
    if (f < 0.0 || std::isnan(f))
        f = 0.0;
    else if (f > 1.0)
        f = 1.0;
    TColor result = 0;
    const char letters[3] = {'R', 'G', 'B'};
    for (int i = 0; i < 3; ++i) {
        const int x0 = ColorChannel(color0, letters[i]);
        const int x1 = ColorChannel(color1, letters[i]);
        const int x = x0 + static_cast<int>(std::nearbyint((x1 - x0) * f));
        result |= (static_cast<TColor>(x) & 0xFFu) << (8 * i);
    }
    return result;
}

TColor InverseColor(TColor color)
{
    const TColor r = static_cast<TColor>(255 - ColorChannel(color, 'R'));
    const TColor g = static_cast<TColor>(255 - ColorChannel(color, 'G'));
    const TColor b = static_cast<TColor>(255 - ColorChannel(color, 'B'));
    return r + g * 256u + b * 65536u;
}

}  // namespace qs
