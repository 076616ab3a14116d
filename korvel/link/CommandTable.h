#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "common/link/PendingSet.h"

namespace korvel {

// Korvel's command set in one table: every code with what travels each way, whether the
// device keeps its effect, the request button (key) that makes it pending, the read / default
// / write trio it belongs to, its module-slot condition and, for a write, the read its
// acknowledgement presses. The rows stand in the scheduler's order of priority. This is the
// only place that spells a command code as a number.

enum class Command : std::uint8_t {
    IdentityWrite = 1,
    StatusPoll = 101,
    CalIn0mA = 102,
    CalIn20mA = 103,
    CalIn0V = 104,
    CalIn10V = 105,
    EraseFram = 106,
    SettingsWrite = 109,
    InputCalRead = 110,
    Reset = 113,
    CalPwmLow = 114,
    CalPwmHigh = 115,
    PwmCalRead = 116,
    DisplayRead = 123,
    CalPt0Ohm4W = 125,
    CalPtXOhm4W = 126,
    CalPt0Ohm3W = 127,
    CalPtXOhm3W = 128,
    PtCalRead = 129,
    Pt1000Write = 130,
    SettingsRead = 131,
    SettingsDefaults = 132,
    QvainRead = 201,
    QvainWrite = 202,
    QvaoReadMain = 203,
    QvaoWriteMain = 204,
    QvaoReadAdditional = 205,
    QvaoWriteAdditional = 206,
    QvroReadMain = 207,
    QvroWriteMain = 208,
    QvroReadAdditional = 209,
    QvroWriteAdditional = 210,
    QvainDefaults = 211,
    QvaoDefaults = 212,
    QvroDefaults = 213,
    QvserRead = 214,
    QvserWrite = 215,
    QvserDefaults = 216,
    Qv5510Read = 217,
    Qv5510Write = 218,
    Qv5510Defaults = 219,
    PasswordRead = 220,
    PasswordDefaults = 221,
    PasswordWrite = 222,
    QvtmpRead = 223,
    QvtmpDefaults = 224,
    QvtmpWrite = 225,
};
// The code of a command as it travels in a frame.
constexpr std::uint8_t Code(Command c)
{
    return static_cast<std::uint8_t>(c);
}

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
enum class Trio : std::uint8_t {
    None,
    Settings,
    Qvain,
    Qvao,
    Qvro,
    Qvser,
    Qv5510,
    Password,
    Qvtmp,
    // Not a trio: how many there are, which sizes whatever is kept per trio. A new trio goes
    // before it.
    Count
};
enum class Role : std::uint8_t { Action, Read, Default, Write };
// Module slot condition: some dialogs serve the main and the additional module with
// different commands (ModuleSlot 1 main, 0 additional).
enum class Slot : std::uint8_t { Any, Main, Additional };

struct CommandInfo {
    Command code;
    std::string_view name;
    bool carriesData;   // the request carries data (every other request goes out empty)
    bool writesDevice;  // the request carries a record the device stores
    // The device keeps what the command does: a record written, a calibration point taken,
    // its settings memory erased. Such a request pending for one meter must never reach
    // another plugged in its place.
    bool storesInDevice;
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
inline const CommandInfo* FindCommand(Command c)
{
    return FindCommand(Code(c));
}
// Every key once, in the order of its first row: the priority order of the pending set.
std::span<const qs::PendingSet::Key> KeyPriorityOrder();

}  // namespace korvel
