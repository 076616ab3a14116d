#include "CommandTable.h"

#include <algorithm>
#include <array>
#include <map>
#include <vector>

namespace ombrik {

using namespace qs;

namespace mbu {

namespace {

constexpr std::string_view kPoint = "i32 calibration point";
constexpr std::string_view kPwmPoint = "u16 calibration point";

constexpr std::optional<RequestKey> kNone = std::nullopt;

// The rows with a button, in priority order; a reply that ends a button's operation
// releases it.
constexpr CommandInfo Button(Command code, std::string_view name, std::string_view request,
                             std::string_view reply)
{
    return {code, name, request, reply, true, code, std::nullopt};
}

constexpr auto kTable = std::to_array<CommandInfo>({
    Button(Command::CalIn0mA, "input calibration 0 mA", "", kPoint),
    Button(Command::CalIn20mA, "input calibration 20 mA", "", kPoint),
    Button(Command::CalIn0V, "input calibration 0 V", "", kPoint),
    Button(Command::CalIn10V, "input calibration 10 V", "", kPoint),
    Button(Command::EraseFram, "erase FRAM1", "", ""),
    {Command::SettingsRead1, "read settings, part 1", "", "SettingsPart1", true, kNone,
     Command::SettingsRead2},
    {Command::SettingsDefaults1, "factory settings, part 1", "", "SettingsPart1", true, kNone,
     Command::SettingsDefaults2},
    {Command::SettingsWrite1, "write settings, part 1", "SettingsPart1", "", true, kNone,
     Command::SettingsWrite2},
    Button(Command::InputCalRead, "read input calibration", "", "InputCalibration"),
    Button(Command::OptionsRead, "read options", "", "OptionsRecord"),
    Button(Command::OptionsWrite, "write options", "OptionsRecord", ""),
    Button(Command::Reset, "reset the device", "", ""),
    Button(Command::CalPwmLow, "output calibration, low point", "", kPwmPoint),
    Button(Command::CalPwmHigh, "output calibration, high point", "", kPwmPoint),
    Button(Command::PwmCalRead, "read output calibration", "", "OutputCalibration"),
    {Command::DisplayFirstRows, "display image, first rows", "row number", "DisplayRowPair", true,
     kNone, Command::DisplayNextRows},
    Button(Command::CalPt0Ohm4W, "Pt calibration 0 ohm, 4 wires", "", kPoint),
    Button(Command::CalPtXOhm4W, "Pt calibration 300 ohm, 4 wires", "", kPoint),
    Button(Command::CalPt0Ohm3W, "Pt calibration 0 ohm, 3 wires", "", kPoint),
    Button(Command::CalPtXOhm3W, "Pt calibration 300 ohm, 3 wires", "", kPoint),
    Button(Command::PtCalRead, "read Pt calibration", "", "PtCalibration"),
    Button(Command::Pt1000Write, "write Pt1000 choice", "Pt1000Choice", ""),
    // Chain steps, sent only as the next command of a reply.
    {Command::SettingsRead2, "read settings, part 2", "", "SettingsPart2", false, kNone,
     Command::SettingsRead3},
    {Command::SettingsDefaults2, "factory settings, part 2", "", "SettingsPart2", false, kNone,
     Command::SettingsDefaults3},
    {Command::SettingsWrite2, "write settings, part 2", "SettingsPart2", "", false, kNone,
     Command::SettingsWrite3},
    {Command::SettingsRead3, "read settings, part 3", "", "SettingsPart3", false,
     Command::SettingsRead1, std::nullopt},
    {Command::SettingsDefaults3, "factory settings, part 3", "", "SettingsPart3", false,
     Command::SettingsDefaults1, std::nullopt},
    {Command::SettingsWrite3, "write settings, part 3", "SettingsPart3", "", false,
     Command::SettingsWrite1, std::nullopt},
    {Command::DisplayNextRows, "display image, next rows", "row number", "DisplayRowPair", false,
     Command::DisplayFirstRows, Command::DisplayNextRows},
    {Command::StatusPoll, "status poll", "MbuStatusRequest", "MbuStatusRecord", false, kNone,
     std::nullopt},
});

std::vector<PendingSet::Key> KeysInOrder()
{
    std::vector<PendingSet::Key> keys;
    for (const CommandInfo& row : kTable)
        if (row.hasButton)
            keys.push_back(Code(row.code));
    return keys;
}

std::map<RequestKey, std::vector<Command>> Chains()
{
    std::map<RequestKey, std::vector<Command>> chains;
    for (const CommandInfo& row : kTable) {
        if (!row.hasButton)
            continue;
        std::vector<Command>& chain = chains[row.code];
        for (const CommandInfo* step = &row; step;) {
            chain.push_back(step->code);
            // A step that chains to itself is the last one listed.
            step =
                step->next && *step->next != step->code ? FindCommand(Code(*step->next)) : nullptr;
        }
    }
    return chains;
}

}  // namespace

std::span<const CommandInfo> CommandTable()
{
    return kTable;
}

const CommandInfo* FindCommand(std::uint8_t code)
{
    const auto* row = std::find_if(kTable.begin(), kTable.end(),
                                   [code](const CommandInfo& r) { return Code(r.code) == code; });
    return row == kTable.end() ? nullptr : row;
}

std::span<const PendingSet::Key> KeyPriorityOrder()
{
    static const std::vector<PendingSet::Key> keys = KeysInOrder();
    return keys;
}

std::span<const Command> ChainOf(RequestKey key)
{
    static const std::map<RequestKey, std::vector<Command>> chains = Chains();
    const auto it = chains.find(key);
    return it == chains.end() ? std::span<const Command>{} : std::span<const Command>(it->second);
}

bool IsChainCommand(std::uint8_t code)
{
    // Asked for every reply: the codes are sorted out once.
    static const std::array<bool, 256> chained = [] {
        std::array<bool, 256> table{};
        for (const PendingSet::Key key : KeyPriorityOrder()) {
            const std::span<const Command> chain = ChainOf(static_cast<RequestKey>(key));
            if (chain.size() > 1)
                for (const Command c : chain)
                    table[Code(c)] = true;
        }
        return table;
    }();
    return chained[code];
}

}  // namespace mbu

}  // namespace ombrik
