#include "StatusTexts.h"

namespace qs {

std::string MemoryOkBitsText(std::uint8_t mask)
{
    if (mask == 0)
        return "Mindegyik hibás!";
    static constexpr const char* kNames[] = {"RAM1, ", "RAM2, ", "FRAM1, ", "FRAM2, "};
    std::string text;
    for (int bit = 0; bit < 4; ++bit)
        if (mask & (1u << bit))
            text += kNames[bit];
    return text;
}

std::string SecondsToText(std::uint32_t seconds)
{
    std::string text;
    if (seconds >= 86400) {
        text += std::to_string(seconds / 86400) + " nap, ";
        seconds %= 86400;
    }
    if (seconds >= 3600) {
        text += std::to_string(seconds / 3600) + " óra, ";
        seconds %= 3600;
    }
    if (seconds >= 60) {
        text += std::to_string(seconds / 60) + " perc, ";
        seconds %= 60;
    }
    return text + std::to_string(seconds) + " mp";
}

}  // namespace qs
