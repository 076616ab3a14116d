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
enum Command : std::uint8_t {
    CmdStatusPoll = 101,
    CmdCalIn0mA,
    CmdCalIn20mA,
    CmdCalIn0V,
    CmdCalIn10V,
    CmdEraseFram,
    CmdSettingsRead1,
    CmdSettingsDefaults1,
    CmdSettingsWrite1,
    CmdInputCalRead,
    CmdOptionsRead,
    CmdOptionsWrite,
    CmdReset,
    CmdCalPwmLow,
    CmdCalPwmHigh,
    CmdPwmCalRead,
    CmdSettingsRead2,
    CmdSettingsDefaults2,
    CmdSettingsWrite2,
    CmdSettingsRead3,
    CmdSettingsDefaults3,
    CmdSettingsWrite3,
    CmdDisplayFirstRows,
    CmdDisplayNextRows,
    CmdCalPt0Ohm4W,
    CmdCalPtXOhm4W,
    CmdCalPt0Ohm3W,
    CmdCalPtXOhm3W,
    CmdPtCalRead,
    CmdPt1000Write,
};
static_assert(CmdPt1000Write == 130);

// Codes outside the table that the unit answers: the developer page's presets, tests of the
// unit's display and memory. No reply to them is parsed; the reply to "Mért érték
// kijelzése" lights the reply lamp in the poll's colour.
constexpr std::uint8_t CmdShowMeasuredValue = 1;
// The eleven presets in the order of their buttons on the developer page (Button2 ..
// Button12): FRAM1 write and read, framed menu, menu title Nx16, measured value, menu left
// arrow, all ASCII fonts, menu title 5x7, menu title Nx16 in 5 rows, measured value stop,
// main menu.
inline constexpr std::array<std::uint8_t, 11> kDeveloperPresets = {7, 8, 13, 12, CmdShowMeasuredValue, 14, 2, 16,
                                                                    17, 11, 18};

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
