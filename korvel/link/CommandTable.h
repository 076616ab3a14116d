#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "common/link/PendingSet.h"

namespace korvel {

// Korvel's command set in one table: every code with what travels each way, the request
// button (key) that makes it pending, the read / default / write trio it belongs to, its
// module-slot condition and, for a write, the read its acknowledgement presses. The rows
// stand in the scheduler's order of priority. This is the only place that spells a command
// code as a number.

enum Command : std::uint8_t {
    CmdIdentityWrite = 1,
    CmdStatusPoll = 101,
    CmdCalIn0mA = 102,
    CmdCalIn20mA = 103,
    CmdCalIn0V = 104,
    CmdCalIn10V = 105,
    CmdEraseFram = 106,
    CmdSettingsWrite = 109,
    CmdInputCalRead = 110,
    CmdReset = 113,
    CmdCalPwmLow = 114,
    CmdCalPwmHigh = 115,
    CmdPwmCalRead = 116,
    CmdDisplayRead = 123,
    CmdCalPt0Ohm4W = 125,
    CmdCalPtXOhm4W = 126,
    CmdCalPt0Ohm3W = 127,
    CmdCalPtXOhm3W = 128,
    CmdPtCalRead = 129,
    CmdPt1000Write = 130,
    CmdSettingsRead = 131,
    CmdSettingsDefaults = 132,
    CmdQvainRead = 201,
    CmdQvainWrite = 202,
    CmdQvaoReadMain = 203,
    CmdQvaoWriteMain = 204,
    CmdQvaoReadAdditional = 205,
    CmdQvaoWriteAdditional = 206,
    CmdQvroReadMain = 207,
    CmdQvroWriteMain = 208,
    CmdQvroReadAdditional = 209,
    CmdQvroWriteAdditional = 210,
    CmdQvainDefaults = 211,
    CmdQvaoDefaults = 212,
    CmdQvroDefaults = 213,
    CmdQvserRead = 214,
    CmdQvserWrite = 215,
    CmdQvserDefaults = 216,
    CmdQv5510Read = 217,
    CmdQv5510Write = 218,
    CmdQv5510Defaults = 219,
    CmdPasswordRead = 220,
    CmdPasswordDefaults = 221,
    CmdPasswordWrite = 222,
    CmdQvtmpRead = 223,
    CmdQvtmpDefaults = 224,
    CmdQvtmpWrite = 225,
};

// A request button, or a pair of buttons on two pages that count as one (the settings trio
// stands on the settings page and on the limit-output page). A module dialog's read button
// is one key whichever slot it serves.
enum RequestKey : std::uint16_t {
    KeyNone = 0,
    KeyIdentityWrite,
    KeyCalIn0mA,
    KeyCalIn20mA,
    KeyCalIn0V,
    KeyCalIn10V,
    KeyEraseFram,
    KeySettingsRead,
    KeySettingsDefaults,
    KeySettingsWrite,
    KeyInputCalRead,
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
    KeyQvainRead,
    KeyQvainWrite,
    KeyQvaoRead,
    KeyQvaoWrite,
    KeyQvroRead,
    KeyQvroWrite,
    KeyQvainDefaults,
    KeyQvaoDefaults,
    KeyQvroDefaults,
    KeyQvserRead,
    KeyQvserWrite,
    KeyQvserDefaults,
    KeyQv5510Read,
    KeyQv5510Write,
    KeyQv5510Defaults,
    KeyPasswordRead,
    KeyPasswordDefaults,
    KeyPasswordWrite,
    KeyQvtmpRead,
    KeyQvtmpDefaults,
    KeyQvtmpWrite,
};

// The read / factory-default / write trio a command belongs to.
enum class Trio : std::uint8_t { None, Settings, Qvain, Qvao, Qvro, Qvser, Qv5510, Password, Qvtmp };
enum class Role : std::uint8_t { Action, Read, Default, Write };
// Module slot condition: some dialogs serve the main and the additional module with
// different commands (ModuleSlot 1 main, 0 additional).
enum class Slot : std::uint8_t { Any, Main, Additional };

struct CommandInfo {
    Command code;
    std::string_view name;
    bool carriesData;         // the request carries data (every other request goes out empty)
    bool writesDevice;        // the request writes into the device
    std::string_view record;  // the record that travels (request for writes, reply otherwise)
    RequestKey key;           // KeyNone: the status poll, started when nothing is pending
    Trio trio;
    Role role;
    Slot slot;
    std::optional<Command> readBack;  // a write's acknowledgement presses this read's key
};

// Every command, the request rows in priority order, the status poll last.
std::span<const CommandInfo> CommandTable();
// The row of a code; nullptr for a code Korvel never sends (an echo without a case).
const CommandInfo* FindCommand(std::uint8_t code);
// Every key once, in the order of its first row: the priority order of the pending set.
std::span<const qs::PendingSet::Key> KeyPriorityOrder();

}  // namespace korvel
