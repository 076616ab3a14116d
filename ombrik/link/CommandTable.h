#pragma once
#include "common/link/PendingSet.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace ombrik {

// Ombrik's command set in one table: every code with the records that travel each way,
// whether a request button starts it, the button its reply releases and the next command of
// a chain. Multi-frame operations are chains: each reply names the next command, the starting
// button stays Down until the last reply releases it. The rows with a button stand in the
// scheduler's order of priority. This is the only place that spells a command code of Ombrik
// as a number.
namespace mbu {

// The codes run from 101 to 130 without a gap, in this order.
enum class Command : std::uint8_t {
    StatusPoll = 101,
    CalIn0mA,
    CalIn20mA,
    CalIn0V,
    CalIn10V,
    EraseFram,
    SettingsRead1,
    SettingsDefaults1,
    SettingsWrite1,
    InputCalRead,
    OptionsRead,
    OptionsWrite,
    Reset,
    CalPwmLow,
    CalPwmHigh,
    PwmCalRead,
    SettingsRead2,
    SettingsDefaults2,
    SettingsWrite2,
    SettingsRead3,
    SettingsDefaults3,
    SettingsWrite3,
    DisplayFirstRows,
    DisplayNextRows,
    CalPt0Ohm4W,
    CalPtXOhm4W,
    CalPt0Ohm3W,
    CalPtXOhm3W,
    PtCalRead,
    Pt1000Write,
};
// The code of a command as it travels in a frame.
constexpr std::uint8_t Code(Command c)
{
    return static_cast<std::uint8_t>(c);
}
static_assert(Code(Command::Pt1000Write) == 130);

// Codes outside the table that the unit answers: the developer page's presets, tests of the
// unit's display and memory. No reply to them is parsed; the reply to "Mért érték
// kijelzése" lights the reply lamp in the poll's colour.
constexpr std::uint8_t kShowMeasuredValue = 1;
// The eleven presets in the order of their buttons on the developer page (Button2 ..
// Button12): FRAM1 write and read, framed menu, menu title Nx16, measured value, menu left
// arrow, all ASCII fonts, menu title 5x7, menu title Nx16 in 5 rows, measured value stop,
// main menu.
inline constexpr std::array<std::uint8_t, 11> kDeveloperPresets = {
    7, 8, 13, 12, kShowMeasuredValue, 14, 2, 16, 17, 11, 18};

// A request button is named by the command it starts: that command is its key in the pending
// set. A pair of buttons on two pages (the settings trio stands on the settings page and on
// the limit-output page) shares one key.
using RequestKey = Command;

struct CommandInfo {
    Command code;
    std::string_view name;
    std::string_view request;  // the request record; empty: the data area goes out cleared
    std::string_view reply;    // the reply record; empty: the reply carries nothing to show
    bool hasButton;            // started by a request button; else the poll or a chain step
    // The button whose operation its good reply ends (released), if any.
    std::optional<RequestKey> releases;
    // The command its good reply chains to. A row with a next command and a button to
    // release (the display's row pairs) chains until its reply ends the chain, then releases.
    std::optional<Command> next;

    bool CarriesData() const { return !request.empty(); }
};

// Every command: the rows with a button in priority order, then the chain steps, then the
// poll.
std::span<const CommandInfo> CommandTable();
// The row of a code; nullptr for any other echo (a developer page code, say).
const CommandInfo* FindCommand(std::uint8_t code);
inline const CommandInfo* FindCommand(Command c)
{
    return FindCommand(Code(c));
}
// Every button's key once, in priority order: the order of the pending set.
std::span<const qs::PendingSet::Key> KeyPriorityOrder();
// The commands a button's operation sends: its own, then each step of its chain.
std::span<const Command> ChainOf(RequestKey key);
// Whether a code belongs to an operation of more than one frame (the settings parts and the
// display's row pairs). Such a reply is acted on only as the answer to the chain step the
// scheduler sent.
bool IsChainCommand(std::uint8_t code);

}  // namespace mbu

}  // namespace ombrik
