// The command table and the scheduling decision over pending request keys.
#include "korvel/link/CommandTable.h"
#include "korvel/link/Scheduler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <set>
#include <vector>

using namespace qs;
using namespace korvel;

using namespace scheduler;

namespace {

PendingSet With(std::initializer_list<RequestKey> keys)
{
    PendingSet s(KeyPriorityOrder());
    for (RequestKey k : keys)
        s.Set(k, true);
    return s;
}

}  // namespace

TEST(CommandTable, RowsStandInPriorityOrderWithThePollLast)
{
    std::vector<int> codes;
    for (const CommandInfo& r : CommandTable())
        codes.push_back(Code(r.code));
    const std::vector<int> expected = {1,   102, 103, 104, 105, 106, 131, 132, 109, 110, 113, 114,
                                       115, 116, 123, 125, 126, 127, 128, 129, 130, 201, 202, 203,
                                       204, 205, 206, 207, 208, 209, 210, 211, 212, 213, 214, 215,
                                       216, 217, 218, 219, 220, 221, 222, 223, 224, 225, 101};
    EXPECT_EQ(codes, expected);
    EXPECT_EQ(FindCommand(111), nullptr) << "an echo without a case";
    EXPECT_EQ(FindCommand(0), nullptr);
}

TEST(CommandTable, DataWritesSlotsAndReadBacks)
{
    std::vector<int> carries, writes, main, additional;
    std::vector<std::pair<int, int>> readBacks;
    for (const CommandInfo& r : CommandTable()) {
        if (r.carriesData)
            carries.push_back(Code(r.code));
        if (r.writesDevice)
            writes.push_back(Code(r.code));
        if (r.slot == Slot::Main)
            main.push_back(Code(r.code));
        if (r.slot == Slot::Additional)
            additional.push_back(Code(r.code));
        if (r.readBack)
            readBacks.emplace_back(Code(r.code), Code(*r.readBack));
        EXPECT_EQ(r.writesDevice,
                  r.readBack.has_value() || Code(r.code) == 1 || Code(r.code) == 130)
            << int(r.code);
    }
    std::sort(carries.begin(), carries.end());
    EXPECT_EQ(carries, (std::vector<int>{1, 101, 109, 123, 130, 202, 204, 206, 208, 210, 215, 218,
                                         222, 225}));
    EXPECT_EQ(writes, (std::vector<int>{1, 109, 130, 202, 204, 206, 208, 210, 215, 218, 222, 225}));
    EXPECT_EQ(main, (std::vector<int>{203, 204, 207, 208, 214, 215, 216}));
    EXPECT_EQ(additional, (std::vector<int>{205, 206, 209, 210}));
    EXPECT_EQ(readBacks, (std::vector<std::pair<int, int>>{{109, 131},
                                                           {202, 201},
                                                           {204, 203},
                                                           {206, 205},
                                                           {208, 207},
                                                           {210, 209},
                                                           {215, 214},
                                                           {218, 217},
                                                           {222, 220},
                                                           {225, 223}}));
}

// The commands whose effect the meter keeps: a request of theirs left pending for one meter is
// withdrawn when another is plugged in its place. Every record write is among them; reads,
// factory-default reads, the reset and the poll are not.
TEST(CommandTable, CommandsTheMeterKeeps)
{
    std::vector<int> stores;
    for (const CommandInfo& r : CommandTable()) {
        if (r.storesInDevice)
            stores.push_back(Code(r.code));
        EXPECT_TRUE(r.storesInDevice || !r.writesDevice) << int(r.code);
        EXPECT_FALSE(r.storesInDevice && (r.role == Role::Read || r.role == Role::Default))
            << int(r.code);
    }
    std::sort(stores.begin(), stores.end());
    EXPECT_EQ(stores, (std::vector<int>{1,   102, 103, 104, 105, 106, 109, 114, 115, 125, 126, 127,
                                        128, 130, 202, 204, 206, 208, 210, 215, 218, 222, 225}));
}

TEST(CommandTable, KeysAndTrios)
{
    struct Row {
        int code;
        RequestKey key;
        Trio trio;
        Role role;
    };
    const Row rows[] = {
        {131, KeySettingsRead, Trio::Settings, Role::Read},
        {132, KeySettingsDefaults, Trio::Settings, Role::Default},
        {109, KeySettingsWrite, Trio::Settings, Role::Write},
        {203, KeyQvaoRead, Trio::Qvao, Role::Read},
        {205, KeyQvaoRead, Trio::Qvao, Role::Read},  // one button for both slots
        {206, KeyQvaoWrite, Trio::Qvao, Role::Write},
        {212, KeyQvaoDefaults, Trio::Qvao, Role::Default},
        {222, KeyPasswordWrite, Trio::Password, Role::Write},
        {113, KeyReset, Trio::None, Role::Action},
        {101, KeyNone, Trio::None, Role::Action},
    };
    for (const Row& r : rows) {
        const CommandInfo* info = FindCommand(static_cast<std::uint8_t>(r.code));
        ASSERT_NE(info, nullptr) << r.code;
        EXPECT_EQ(info->key, r.key) << r.code;
        EXPECT_EQ(info->trio, r.trio) << r.code;
        EXPECT_EQ(info->role, r.role) << r.code;
    }
    // Every key once, in the order of its first row.
    const auto order = KeyPriorityOrder();
    EXPECT_EQ(std::set<PendingSet::Key>(order.begin(), order.end()).size(), order.size());
    EXPECT_EQ(order.front(), KeyIdentityWrite);
    EXPECT_EQ(order.back(), KeyQvtmpWrite);
}

TEST(Scheduler, NextCommandPicksTheFirstPendingKeyOrThePoll)
{
    struct Case {
        const char* name;
        std::initializer_list<RequestKey> pending;
        std::uint8_t qvaoSlot;
        std::uint8_t qvroSlot;
        bool paused;
        std::optional<int> expected;
    };
    const Case cases[] = {
        {"nothing pending polls", {}, 1, 1, false, 101},
        {"nothing pending, poll paused: silence", {}, 1, 1, true, std::nullopt},
        {"pause stops only the poll", {KeyReset}, 1, 1, true, 113},
        {"higher row wins", {KeyQvtmpWrite, KeyCalIn20mA}, 1, 1, false, 103},
        {"serial number write goes first", {KeyIdentityWrite, KeyCalIn0mA}, 1, 1, false, 1},
        {"settings read before write", {KeySettingsWrite, KeySettingsRead}, 1, 1, false, 131},
        {"factory defaults before write",
         {KeySettingsWrite, KeySettingsDefaults},
         1,
         1,
         false,
         132},
        {"QVAO read in the main slot", {KeyQvaoRead}, 1, 0, false, 203},
        {"QVAO read in the additional slot", {KeyQvaoRead}, 0, 1, false, 205},
        {"QVAO write keeps its own slot", {KeyQvaoWrite, KeyQvroRead}, 1, 0, false, 204},
        {"QVRO read in the additional slot", {KeyQvroRead, KeyQvaoDefaults}, 1, 0, false, 209},
        {"QVRO write in the additional slot", {KeyQvroWrite}, 0, 0, false, 210},
        {"QVRO write in the main slot", {KeyQvroWrite}, 0, 1, false, 208},
        {"QVSER never waits for a slot", {KeyQvserRead}, 0, 0, false, 214},
        {"QVSER default, paused", {KeyQvserDefaults}, 0, 0, true, 216},
        {"factory defaults after module writes",
         {KeyQvainDefaults, KeyQvroWrite},
         0,
         0,
         false,
         210},
        {"module default reads ignore the slot", {KeyQvaoDefaults}, 0, 0, false, 212},
        {"password read", {KeyPasswordRead}, 0, 0, false, 220},
    };
    for (const Case& c : cases) {
        TrioSlots slots;
        slots.Set(Trio::Qvao, c.qvaoSlot);
        slots.Set(Trio::Qvro, c.qvroSlot);
        const auto next = NextCommand(With(c.pending), slots, c.paused);
        EXPECT_EQ(next ? std::optional<int>(Code(*next)) : std::nullopt, c.expected) << c.name;
    }
    // The trios start where ModuleSlot starts, at the additional slot; QVSER at the main one.
    EXPECT_EQ(NextCommand(With({KeyQvaoRead}), TrioSlots{}, false), Command::QvaoReadAdditional);
    EXPECT_EQ(NextCommand(With({KeyQvserWrite}), TrioSlots{}, false), Command::QvserWrite);
    // A slot condition set against its trio's slot holds the request back.
    TrioSlots serOff;
    serOff.Set(Trio::Qvser, 0);
    EXPECT_EQ(NextCommand(With({KeyQvserRead}), serOff, true), std::nullopt);
}

TEST(Scheduler, TheSecondKeyFollowsOnceTheFirstIsReleased)
{
    PendingSet pending = With({KeyQvainWrite, KeyInputCalRead});
    std::vector<int> started;
    for (int tick = 0; tick < 4; ++tick) {
        const auto cmd = NextCommand(pending, TrioSlots{}, false);
        ASSERT_TRUE(cmd.has_value());
        started.push_back(Code(*cmd));
        // A completed command releases its key.
        pending.Set(FindCommand(*cmd)->key, false);
    }
    EXPECT_EQ(started, (std::vector<int>{110, 202, 101, 101}));
}
