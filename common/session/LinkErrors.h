#pragma once
#include <cstdint>
#include <string_view>

namespace qs {

// The link error codes both programs show, and which monitor labels each highlights.
// Codes 0 to 7 come from the device; the host itself gives 1 for a reply whose CRC fails,
// 6 when no reply came in time, and (Korvel) 9 for a reply that announces too much data.
namespace linkerror {

enum Code : std::uint8_t {
    None = 0,
    Crc = 1,
    Device = 2,
    ProgramOld = 3,
    ProgramNew = 4,
    Command = 5,
    TimeOut = 6,
    BufferFull = 7,
    Oversize = 9,
};

// The monitor's text of codes 0 to `highest`; empty for others (the label keeps its text).
// Korvel shows texts up to 7; Ombrik's older protocol knows them up to 6, so its monitor keeps
// the previous text for a 7.
std::string_view Text(std::uint8_t code, std::uint8_t highest = BufferFull);
// The header's short text of codes 1 to 7; empty for others.
std::string_view ShortText(std::uint8_t code);

// Which labels a code highlights (background white, font red) and which it leaves normal.
struct Marks {
    bool error;         // the error label: any code but 0
    bool command;       // the request's command label: 5
    bool device;        // the request's and the reply's device labels: 2
    bool version;       // the three version labels: 3 and 4
    bool replyUnknown;  // 1 and 6: the reply labels show "?" and the frame is not used
};
Marks MarksFor(std::uint8_t code);

}  // namespace linkerror

}  // namespace qs
