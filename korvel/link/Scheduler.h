#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string_view>

// Which request the 30 ms tick starts. There is no queue: a request is pending while its
// latched button is down, and the buttons are looked at in a fixed order of priority.
namespace scheduler {

constexpr std::uint8_t kStatusPoll = 101;

// Module slot condition of a row: some dialogs serve the main and the additional output
// module with different commands.
enum class Slot : std::uint8_t { Any, Main, Additional };

// One row of the priority table: the form and button(s) whose down state makes the command
// pending. `alternate` names a second button (on another page) that starts the same command.
struct PriorityRow {
    std::string_view form;
    std::string_view button;
    std::string_view alternate;
    std::uint8_t command;
    Slot slot;
};

// The whole priority table, highest first. Buttons that a build does not have are skipped.
std::span<const PriorityRow> PriorityTable();

// A row bound to the program's buttons: answers whether the request is pending.
struct PendingRequest {
    std::uint8_t command;
    Slot slot;
    std::function<bool()> isPending;
};

struct LinkSnapshot {
    bool usbOnline = false;
    std::uint8_t transferState = 0;  // 0: idle
    bool pollPaused = false;
    std::uint8_t moduleSlot = 0;     // 1 main, 0 additional
};

// The command the tick starts, if any: the first pending request whose slot condition holds,
// else the status poll unless it is paused; nothing while offline or mid-transfer.
std::optional<std::uint8_t> NextCommand(const LinkSnapshot& link,
                                        std::span<const PendingRequest> table);

}  // namespace scheduler
