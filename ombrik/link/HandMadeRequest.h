#pragma once
#include "MbuFrame.h"
#include "RequestDate.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace ombrik {

// A request composed by hand on the developer page: any device type, firmware window and
// command code, and up to 55 data bytes typed as decimal numbers.
namespace mbu {

// The data bytes of a typed text. A number is a maximal run of the digits 0 to 9; every other
// character separates numbers. A number of 256 or more (however many digits it has) is dropped
// and not counted. The scan stops at the 56th number kept, which only marks the text as too
// long and is never sent.
struct InputData {
    static constexpr std::size_t kMaxBytes = kDataSize;  // 55

    std::vector<std::uint8_t> bytes;  // at most 55
    bool tooLong = false;             // a 56th number was found
};
InputData ParseInputText(std::string_view text);

// Bytes 7..63 (the data area and the CRC) := 0, then the data bytes from byte 7 on.
void PutInputData(MBUFrame& f, const InputData& data);

// The header of a hand-made request: the low 16 bits of the device type, the date codes of
// the two days, the low 8 bits of the command; then the data bytes.
void BuildManualTxHeader(MBUFrame& f, std::int32_t device, std::int32_t command,
                         CalendarDate lowest, CalendarDate highest, const InputData& data);

}  // namespace mbu

}  // namespace ombrik
