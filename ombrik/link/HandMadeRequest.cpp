#include "HandMadeRequest.h"

#include <algorithm>

namespace ombrik {

using namespace qs;

namespace mbu {

InputData ParseInputText(std::string_view text)
{
    InputData data;
    unsigned value = 0;  // saturates at 256: any longer run is dropped alike
    bool inRun = false;
    auto endRun = [&] {
        if (inRun && value < 256) {
            if (data.bytes.size() == InputData::kMaxBytes)
                data.tooLong = true;
            else
                data.bytes.push_back(static_cast<std::uint8_t>(value));
        }
        inRun = false;
        value = 0;
    };
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            inRun = true;
            value = std::min(value * 10 + static_cast<unsigned>(c - '0'), 256u);
            continue;
        }
        endRun();
        if (data.tooLong)
            return data;
    }
    endRun();
    return data;
}

void PutInputData(MBUFrame& f, const InputData& data)
{
    ClearData(f);
    std::copy(data.bytes.begin(), data.bytes.end(), f.begin() + kDataOffset);
}

void BuildManualTxHeader(MBUFrame& f, std::int32_t device, std::int32_t command,
                         CalendarDate lowest, CalendarDate highest, const InputData& data)
{
    BuildTxHeader(f, static_cast<std::uint16_t>(device & 0xFFFF),
                  static_cast<std::uint8_t>(command & 0xFF), DateCode(lowest), DateCode(highest));
    PutInputData(f, data);
}

}  // namespace mbu

}  // namespace ombrik
