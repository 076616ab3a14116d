#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qs {

// The link monitor's history of the commands sent: a fixed number of slots, slot 0 the
// newest, each a command code (0: empty) with a repeat count of 1 to 10. Korvel keeps 15
// slots and a second text without its status poll; Ombrik keeps 16 and one text.
class CommandHistory {
public:
    struct Entry {
        std::uint8_t code = 0;
        std::uint8_t count = 0;
    };

    // omitted: the code the second (filtered) text leaves out, if the program shows one.
    explicit CommandHistory(std::size_t slots, std::optional<std::uint8_t> omitted = std::nullopt);

    // A repeat of the newest code counts up to 10; another code pushes every entry one slot
    // older (the oldest drops out) and takes slot 0 with count 1.
    void Enter(std::uint8_t code);
    // "Cl": empties every slot but the newest; the counts stay.
    void ClearOlder();
    // Empties every slot and count.
    void Reset();

    // Oldest first, empty slots skipped: the count ("n*" for 10, "k*" for 2..9, nothing for
    // 1), the code and ", ". Twelve polls, a 131, two polls: "n*101, 131, 2*101, ".
    std::string Text() const;
    // Oldest first, neither empty nor the omitted code: a blank and the code each.
    std::string FilteredText() const;

    const std::vector<Entry>& Entries() const { return entries_; }

private:
    std::vector<Entry> entries_;
    std::optional<std::uint8_t> omitted_;
};

// Replies counted between two readings of an 8-bit frame counter: (b - a) modulo 256.
constexpr std::uint8_t CounterDiff(std::uint8_t a, std::uint8_t b)
{
    return static_cast<std::uint8_t>(b >= a ? b - a : b - a + 256);
}

}  // namespace qs
