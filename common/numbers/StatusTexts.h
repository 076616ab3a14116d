#pragma once
#include <cstdint>
#include <string>

namespace qs {

// Display texts of the status poll (UTF-8).

// The memories whose bit is set, in the order RAM1, RAM2, FRAM1, FRAM2, each followed by
// ", "; a mask of 0 gives "Mindegyik hibás!". Bits 4 to 7 add nothing.
std::string MemoryOkBitsText(std::uint8_t mask);

// Operating time: "<d> nap, " when a day has passed, "<h> óra, " and "<m> perc, " when at
// least an hour or a minute is left, then always "<s> mp" (90061 -> "1 nap, 1 óra, 1 perc, 1 mp").
std::string SecondsToText(std::uint32_t seconds);

}  // namespace qs
