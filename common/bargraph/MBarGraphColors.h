#pragma once
#include "common/ui/TColor.h"

namespace qs {

// Colour arithmetic of the bar graph: channels, blends and inverses of $00BBGGRR values.
// None of them reads any state; they are used for the bar and text colours.

// The red ('R'/'r'), green ('G'/'g') or blue ('B'/'b') byte of a colour; 0 for any other
// letter. The colour is taken as a signed 32-bit number and divided with truncation, the
// remainder keeping the dividend's sign, then cut to its low 8 bits: for an RGB colour this
// is simply the byte, for a system colour (high byte set) it is not.
int ColorChannel(TColor color, char letter);

// Color0 moved towards Color1 by Fraction (clamped to [0, 1]; a NaN counts as 0), channel
// by channel: X0 + Round((X1 - X0) * f), halves to even.
TColor BlendColor(TColor color0, TColor color1, double fraction);

// Each channel replaced by 255 minus itself.
TColor InverseColor(TColor color);

}  // namespace qs
