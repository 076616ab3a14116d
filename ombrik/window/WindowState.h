#pragma once
#include "common/numbers/ScaledNumber.h"
#include "ombrik/link/records/MbuStatusRecord.h"

#include <cstdint>

namespace ombrik {

// What the records of Ombrik's commands share: the window keeps it and hands it to the
// binders by reference.
struct WindowState {
    // The last poll reply: its status bits go out in the next poll, its Pt1000 flag is shown
    // with the Pt calibration points.
    MbuStatusRecord LastStatus;
    std::uint8_t InputModuleKind = 0;   // of the last options reply; selects the poll's display
    std::uint8_t OutputModuleKind = 0;  // of the last options reply
    // ScaledFormat and ScaledFactor: "00000" and 1 at start, set by the poll's decimals.
    qs::DecimalFormat Scaled;
    // The first display row of the next pair to ask for: 0 when 123 is sent, 2 more with
    // every row-pair reply.
    std::uint8_t DisplayRowCounter = 0;
};

}  // namespace ombrik
