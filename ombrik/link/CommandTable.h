#pragma once
#include "PendingSet.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

// Ombrik's command set in one table: every code with the records that travel each way, the
// request button (key) that makes it pending, the key its reply releases and the next
// command of a chain. Multi-frame operations are chains: each reply names the next command,
// the starting button stays Down until the last reply releases it. The rows with a key stand
// in the scheduler's order of priority. This is the only place that spells a command code of
// Ombrik as a number.
namespace mbu {

enum Command : std::uint8_t {
    CmdStatusPoll = 101,
    CmdCalIn0mA = 102,
    CmdCalIn20mA = 103,
    CmdCalIn0V = 104,
    CmdCalIn10V = 105,
    CmdEraseFram = 106,
    CmdSettingsRead1 = 107,
    CmdSettingsDefaults1 = 108,
    CmdSettingsWrite1 = 109,
    CmdInputCalRead = 110,
    CmdOptionsRead = 111,
    CmdOptionsWrite = 112,
    CmdReset = 113,
    CmdCalPwmLow = 114,
    CmdCalPwmHigh = 115,
    CmdPwmCalRead = 116,
    CmdSettingsRead2 = 117,
    CmdSettingsDefaults2 = 118,
    CmdSettingsWrite2 = 119,
    CmdSettingsRead3 = 120,
    CmdSettingsDefaults3 = 121,
    CmdSettingsWrite3 = 122,
    CmdDisplayFirstRows = 123,
    CmdDisplayNextRows = 124,
    CmdCalPt0Ohm4W = 125,
    CmdCalPtXOhm4W = 126,
    CmdCalPt0Ohm3W = 127,
    CmdCalPtXOhm3W = 128,
    CmdPtCalRead = 129,
    CmdPt1000Write = 130,
};

// A request button, or a pair of buttons on two pages that count as one (the settings trio
// stands on the settings page and on the limit-output page).
enum RequestKey : std::uint16_t {
    KeyNone = 0,
    KeyCalIn0mA,
    KeyCalIn20mA,
    KeyCalIn0V,
    KeyCalIn10V,
    KeyEraseFram,
    KeySettingsRead,
    KeySettingsDefaults,
    KeySettingsWrite,
    KeyInputCalRead,
    KeyOptionRead,
    KeyOptionWrite,
    KeyReset,
    KeyCalPwmLow,
    KeyCalPwmHigh,
    KeyPwmCalRead,
    KeyDisplayRead,
    KeyCalPt0Ohm4W,
    KeyCalPtXOhm4W,
    KeyCalPt0Ohm3W,
    KeyCalPtXOhm3W,
    KeyPtCalRead,
    KeyPt1000Write,
};

struct CommandInfo {
    Command code;
    std::string_view name;
    std::string_view request;  // the request record; empty: the data area goes out cleared
    std::string_view reply;    // the reply record; empty: the reply carries nothing to show
    RequestKey key;            // the button that starts it; KeyNone: the poll or a chain step
    RequestKey releases;       // the key its good reply releases (KeyNone: none)
    // The command its good reply chains to. A row with a next command and a key to release
    // (the display's row pairs) chains until its reply ends the chain, then releases the key.
    std::optional<Command> next;

    bool CarriesData() const { return !request.empty(); }
};

// Every command: the rows with a key in priority order, then the chain steps, then the poll.
std::span<const CommandInfo> CommandTable();
// The row of a code; nullptr for any other echo (a developer page code, say).
const CommandInfo* FindCommand(std::uint8_t code);
// Every key once, in priority order: the order of the pending set.
std::span<const PendingSet::Key> KeyPriorityOrder();
// The commands a key's operation sends: its own, then each step of its chain.
std::span<const Command> ChainOf(RequestKey key);

}  // namespace mbu
