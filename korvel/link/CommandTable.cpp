#include "CommandTable.h"

#include <algorithm>
#include <array>
#include <vector>

namespace korvel {

using namespace qs;

namespace {

using T = Trio;
using R = Role;
using S = Slot;

// Priority order: read and factory-default reads of the settings before their write; within
// each module dialog read before write, and the factory-default reads of QVAIN, QVAO and QVRO
// after all of their reads and writes. The status poll, with no key, comes last.
constexpr auto kTable = std::to_array<CommandInfo>({
    {Command::IdentityWrite, "identity write", true, true, true, "IdentityRecord", KeyIdentityWrite,
     T::None, R::Action, S::Any, std::nullopt},
    {Command::CalIn0mA, "input calibration 0 mA", false, false, true, "i32 calibration point",
     KeyCalIn0mA, T::None, R::Action, S::Any, std::nullopt},
    {Command::CalIn20mA, "input calibration 20 mA", false, false, true, "i32 calibration point",
     KeyCalIn20mA, T::None, R::Action, S::Any, std::nullopt},
    {Command::CalIn0V, "input calibration 0 V", false, false, true, "i32 calibration point",
     KeyCalIn0V, T::None, R::Action, S::Any, std::nullopt},
    {Command::CalIn10V, "input calibration 10 V", false, false, true, "i32 calibration point",
     KeyCalIn10V, T::None, R::Action, S::Any, std::nullopt},
    {Command::EraseFram, "erase FRAM", false, false, true, "", KeyEraseFram, T::None, R::Action,
     S::Any, std::nullopt},
    {Command::SettingsRead, "settings read", false, false, false, "SettingsRecord", KeySettingsRead,
     T::Settings, R::Read, S::Any, std::nullopt},
    {Command::SettingsDefaults, "settings factory defaults", false, false, false, "SettingsRecord",
     KeySettingsDefaults, T::Settings, R::Default, S::Any, std::nullopt},
    {Command::SettingsWrite, "settings write", true, true, true, "SettingsRecord", KeySettingsWrite,
     T::Settings, R::Write, S::Any, Command::SettingsRead},
    {Command::InputCalRead, "input calibration read", false, false, false,
     "4 x i32 calibration points", KeyInputCalRead, T::None, R::Action, S::Any, std::nullopt},
    {Command::Reset, "reset", false, false, false, "", KeyReset, T::None, R::Action, S::Any,
     std::nullopt},
    {Command::CalPwmLow, "output calibration low", false, false, true, "u16 calibration point",
     KeyCalPwmLow, T::None, R::Action, S::Any, std::nullopt},
    {Command::CalPwmHigh, "output calibration high", false, false, true, "u16 calibration point",
     KeyCalPwmHigh, T::None, R::Action, S::Any, std::nullopt},
    {Command::PwmCalRead, "output calibration read", false, false, false,
     "4 x u16 calibration points", KeyPwmCalRead, T::None, R::Action, S::Any, std::nullopt},
    {Command::DisplayRead, "display image read", true, false, false, "DisplayImage", KeyDisplayRead,
     T::None, R::Action, S::Any, std::nullopt},
    {Command::CalPt0Ohm4W, "Pt calibration 0 ohm, 4 wires", false, false, true,
     "i32 calibration point", KeyCalPt0Ohm4W, T::None, R::Action, S::Any, std::nullopt},
    {Command::CalPtXOhm4W, "Pt calibration 300 ohm, 4 wires", false, false, true,
     "i32 calibration point", KeyCalPtXOhm4W, T::None, R::Action, S::Any, std::nullopt},
    {Command::CalPt0Ohm3W, "Pt calibration 0 ohm, 3 wires", false, false, true,
     "i32 calibration point", KeyCalPt0Ohm3W, T::None, R::Action, S::Any, std::nullopt},
    {Command::CalPtXOhm3W, "Pt calibration 300 ohm, 3 wires", false, false, true,
     "i32 calibration point", KeyCalPtXOhm3W, T::None, R::Action, S::Any, std::nullopt},
    {Command::PtCalRead, "Pt calibration read", false, false, false, "4 x i32 calibration points",
     KeyPtCalRead, T::None, R::Action, S::Any, std::nullopt},
    {Command::Pt1000Write, "Pt1000 flag write", true, true, true, "bool Pt1000", KeyPt1000Write,
     T::None, R::Action, S::Any, std::nullopt},
    {Command::QvainRead, "QVAIN read", false, false, false, "QvainBlock", KeyQvainRead, T::Qvain,
     R::Read, S::Any, std::nullopt},
    {Command::QvainWrite, "QVAIN write", true, true, true, "QvainBlock", KeyQvainWrite, T::Qvain,
     R::Write, S::Any, Command::QvainRead},
    {Command::QvaoReadMain, "QVAO read, main slot", false, false, false, "QvaoBlock", KeyQvaoRead,
     T::Qvao, R::Read, S::Main, std::nullopt},
    {Command::QvaoWriteMain, "QVAO write, main slot", true, true, true, "QvaoBlock", KeyQvaoWrite,
     T::Qvao, R::Write, S::Main, Command::QvaoReadMain},
    {Command::QvaoReadAdditional, "QVAO read, additional slot", false, false, false, "QvaoBlock",
     KeyQvaoRead, T::Qvao, R::Read, S::Additional, std::nullopt},
    {Command::QvaoWriteAdditional, "QVAO write, additional slot", true, true, true, "QvaoBlock",
     KeyQvaoWrite, T::Qvao, R::Write, S::Additional, Command::QvaoReadAdditional},
    {Command::QvroReadMain, "QVRO read, main slot", false, false, false, "QvroBlock", KeyQvroRead,
     T::Qvro, R::Read, S::Main, std::nullopt},
    {Command::QvroWriteMain, "QVRO write, main slot", true, true, true, "QvroBlock", KeyQvroWrite,
     T::Qvro, R::Write, S::Main, Command::QvroReadMain},
    {Command::QvroReadAdditional, "QVRO read, additional slot", false, false, false, "QvroBlock",
     KeyQvroRead, T::Qvro, R::Read, S::Additional, std::nullopt},
    {Command::QvroWriteAdditional, "QVRO write, additional slot", true, true, true, "QvroBlock",
     KeyQvroWrite, T::Qvro, R::Write, S::Additional, Command::QvroReadAdditional},
    {Command::QvainDefaults, "QVAIN factory defaults", false, false, false, "QvainBlock",
     KeyQvainDefaults, T::Qvain, R::Default, S::Any, std::nullopt},
    {Command::QvaoDefaults, "QVAO factory defaults", false, false, false, "QvaoBlock",
     KeyQvaoDefaults, T::Qvao, R::Default, S::Any, std::nullopt},
    {Command::QvroDefaults, "QVRO factory defaults", false, false, false, "QvroBlock",
     KeyQvroDefaults, T::Qvro, R::Default, S::Any, std::nullopt},
    {Command::QvserRead, "QVSER read", false, false, false, "QvserBlock", KeyQvserRead, T::Qvser,
     R::Read, S::Main, std::nullopt},
    {Command::QvserWrite, "QVSER write", true, true, true, "QvserBlock", KeyQvserWrite, T::Qvser,
     R::Write, S::Main, Command::QvserRead},
    {Command::QvserDefaults, "QVSER factory defaults", false, false, false, "QvserBlock",
     KeyQvserDefaults, T::Qvser, R::Default, S::Main, std::nullopt},
    {Command::Qv5510Read, "QV5510 display read", false, false, false, "Qv5510DisplayBlock",
     KeyQv5510Read, T::Qv5510, R::Read, S::Any, std::nullopt},
    {Command::Qv5510Write, "QV5510 display write", true, true, true, "Qv5510DisplayBlock",
     KeyQv5510Write, T::Qv5510, R::Write, S::Any, Command::Qv5510Read},
    {Command::Qv5510Defaults, "QV5510 display factory defaults", false, false, false,
     "Qv5510DisplayBlock", KeyQv5510Defaults, T::Qv5510, R::Default, S::Any, std::nullopt},
    {Command::PasswordRead, "password read", false, false, false, "PasswordBlock", KeyPasswordRead,
     T::Password, R::Read, S::Any, std::nullopt},
    {Command::PasswordDefaults, "password factory defaults", false, false, false, "PasswordBlock",
     KeyPasswordDefaults, T::Password, R::Default, S::Any, std::nullopt},
    {Command::PasswordWrite, "password write", true, true, true, "PasswordBlock", KeyPasswordWrite,
     T::Password, R::Write, S::Any, Command::PasswordRead},
    {Command::QvtmpRead, "QVTMP read", false, false, false, "QvtmpBlock", KeyQvtmpRead, T::Qvtmp,
     R::Read, S::Any, std::nullopt},
    {Command::QvtmpDefaults, "QVTMP factory defaults", false, false, false, "QvtmpBlock",
     KeyQvtmpDefaults, T::Qvtmp, R::Default, S::Any, std::nullopt},
    {Command::QvtmpWrite, "QVTMP write", true, true, true, "QvtmpBlock", KeyQvtmpWrite, T::Qvtmp,
     R::Write, S::Any, Command::QvtmpRead},
    {Command::StatusPoll, "status poll", true, false, false, "StatusRequest / StatusRecord",
     KeyNone, T::None, R::Action, S::Any, std::nullopt},
});
// What is kept per trio (the module slot its requests go out for) is sized by Trio::Count: a
// row's trio must stand before it.
static_assert(std::ranges::all_of(kTable,
                                  [](const CommandInfo& row) { return row.trio < Trio::Count; }),
              "a trio after Trio::Count");

std::vector<PendingSet::Key> KeysInOrder()
{
    std::vector<PendingSet::Key> keys;
    for (const CommandInfo& row : kTable)
        if (row.key != KeyNone && std::find(keys.begin(), keys.end(), row.key) == keys.end())
            keys.push_back(row.key);
    return keys;
}

}  // namespace

std::span<const CommandInfo> CommandTable()
{
    return kTable;
}

const CommandInfo* FindCommand(std::uint8_t code)
{
    for (const CommandInfo& row : kTable)
        if (Code(row.code) == code)
            return &row;
    return nullptr;
}

std::span<const PendingSet::Key> KeyPriorityOrder()
{
    static const std::vector<PendingSet::Key> keys = KeysInOrder();
    return keys;
}

}  // namespace korvel
