#include "CommandTable.h"

#include <array>
#include <map>
#include <vector>

namespace mbu {

namespace {

constexpr std::string_view kPoint = "i32 calibration point";
constexpr std::string_view kPwmPoint = "u16 calibration point";

constexpr std::array<CommandInfo, 30> kTable{{
    {CmdCalIn0mA, "input calibration 0 mA", "", kPoint, KeyCalIn0mA, KeyCalIn0mA, std::nullopt},
    {CmdCalIn20mA, "input calibration 20 mA", "", kPoint, KeyCalIn20mA, KeyCalIn20mA, std::nullopt},
    {CmdCalIn0V, "input calibration 0 V", "", kPoint, KeyCalIn0V, KeyCalIn0V, std::nullopt},
    {CmdCalIn10V, "input calibration 10 V", "", kPoint, KeyCalIn10V, KeyCalIn10V, std::nullopt},
    {CmdEraseFram, "erase FRAM1", "", "", KeyEraseFram, KeyEraseFram, std::nullopt},
    {CmdSettingsRead1, "read settings, part 1", "", "SettingsPart1", KeySettingsRead, KeyNone, CmdSettingsRead2},
    {CmdSettingsDefaults1, "factory settings, part 1", "", "SettingsPart1", KeySettingsDefaults, KeyNone, CmdSettingsDefaults2},
    {CmdSettingsWrite1, "write settings, part 1", "SettingsPart1", "", KeySettingsWrite, KeyNone, CmdSettingsWrite2},
    {CmdInputCalRead, "read input calibration", "", "InputCalibration", KeyInputCalRead, KeyInputCalRead, std::nullopt},
    {CmdOptionsRead, "read options", "", "OptionsRecord", KeyOptionRead, KeyOptionRead, std::nullopt},
    {CmdOptionsWrite, "write options", "OptionsRecord", "", KeyOptionWrite, KeyOptionWrite, std::nullopt},
    {CmdReset, "reset the device", "", "", KeyReset, KeyReset, std::nullopt},
    {CmdCalPwmLow, "output calibration, low point", "", kPwmPoint, KeyCalPwmLow, KeyCalPwmLow, std::nullopt},
    {CmdCalPwmHigh, "output calibration, high point", "", kPwmPoint, KeyCalPwmHigh, KeyCalPwmHigh, std::nullopt},
    {CmdPwmCalRead, "read output calibration", "", "OutputCalibration", KeyPwmCalRead, KeyPwmCalRead, std::nullopt},
    {CmdDisplayFirstRows, "display image, first rows", "row number", "DisplayRowPair", KeyDisplayRead, KeyNone, CmdDisplayNextRows},
    {CmdCalPt0Ohm4W, "Pt calibration 0 ohm, 4 wires", "", kPoint, KeyCalPt0Ohm4W, KeyCalPt0Ohm4W, std::nullopt},
    {CmdCalPtXOhm4W, "Pt calibration 300 ohm, 4 wires", "", kPoint, KeyCalPtXOhm4W, KeyCalPtXOhm4W, std::nullopt},
    {CmdCalPt0Ohm3W, "Pt calibration 0 ohm, 3 wires", "", kPoint, KeyCalPt0Ohm3W, KeyCalPt0Ohm3W, std::nullopt},
    {CmdCalPtXOhm3W, "Pt calibration 300 ohm, 3 wires", "", kPoint, KeyCalPtXOhm3W, KeyCalPtXOhm3W, std::nullopt},
    {CmdPtCalRead, "read Pt calibration", "", "PtCalibration", KeyPtCalRead, KeyPtCalRead, std::nullopt},
    {CmdPt1000Write, "write Pt1000 choice", "Pt1000Choice", "", KeyPt1000Write, KeyPt1000Write, std::nullopt},
    // Chain steps, sent only as the next command of a reply.
    {CmdSettingsRead2, "read settings, part 2", "", "SettingsPart2", KeyNone, KeyNone, CmdSettingsRead3},
    {CmdSettingsDefaults2, "factory settings, part 2", "", "SettingsPart2", KeyNone, KeyNone, CmdSettingsDefaults3},
    {CmdSettingsWrite2, "write settings, part 2", "SettingsPart2", "", KeyNone, KeyNone, CmdSettingsWrite3},
    {CmdSettingsRead3, "read settings, part 3", "", "SettingsPart3", KeyNone, KeySettingsRead, std::nullopt},
    {CmdSettingsDefaults3, "factory settings, part 3", "", "SettingsPart3", KeyNone, KeySettingsDefaults, std::nullopt},
    {CmdSettingsWrite3, "write settings, part 3", "SettingsPart3", "", KeyNone, KeySettingsWrite, std::nullopt},
    {CmdDisplayNextRows, "display image, next rows", "row number", "DisplayRowPair", KeyNone, KeyDisplayRead, CmdDisplayNextRows},
    {CmdStatusPoll, "status poll", "MbuStatusRequest", "MbuStatusRecord", KeyNone, KeyNone, std::nullopt},
}};

std::vector<PendingSet::Key> KeysInOrder()
{
    std::vector<PendingSet::Key> keys;
    for (const CommandInfo& row : kTable)
        if (row.key != KeyNone)
            keys.push_back(row.key);
    return keys;
}

std::map<RequestKey, std::vector<Command>> Chains()
{
    std::map<RequestKey, std::vector<Command>> chains;
    for (const CommandInfo& row : kTable) {
        if (row.key == KeyNone)
            continue;
        std::vector<Command>& chain = chains[row.key];
        for (const CommandInfo* step = &row; step;) {
            chain.push_back(step->code);
            // A step that chains to itself is the last one listed.
            step = step->next && *step->next != step->code ? FindCommand(*step->next) : nullptr;
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
    for (const CommandInfo& row : kTable)
        if (row.code == code)
            return &row;
    return nullptr;
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

}  // namespace mbu
