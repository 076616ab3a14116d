// The command table and the scheduling decision over pending request keys.
#include "korvel/link/CommandTable.h"
#include "korvel/link/Scheduler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <initializer_list>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
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

// What holds for every row, so that a new row is checked without any list here changing.

TEST(CommandTable, RowsStandInPriorityOrderWithThePollLast)
{
    const auto table = CommandTable();
    ASSERT_FALSE(table.empty());
    // Each code has one row: the one FindCommand gives.
    for (const CommandInfo& r : table)
        EXPECT_EQ(FindCommand(r.code), &r) << int(Code(r.code));
    EXPECT_EQ(FindCommand(111), nullptr) << "an echo without a case";
    EXPECT_EQ(FindCommand(0), nullptr);

    // The poll comes last, the one row without a button.
    EXPECT_EQ(table.back().code, Command::StatusPoll);
    for (const CommandInfo& r : table.first(table.size() - 1))
        EXPECT_NE(r.key, KeyNone) << int(Code(r.code));

    // The requests ascend by code, but for the settings trio: its read and factory-default
    // read stand right before its write, in that order.
    const CommandInfo* settingsWrite = nullptr;
    for (const CommandInfo& r : table)
        if (r.trio == Trio::Settings && r.role == Role::Write)
            settingsWrite = &r;
    ASSERT_NE(settingsWrite, nullptr);
    auto place = [&](const CommandInfo& r) {
        const int code = Code(r.trio == Trio::Settings ? settingsWrite->code : r.code);
        return std::pair{code, int(r.role)};
    };
    for (std::size_t i = 1; i + 1 < table.size(); ++i)
        EXPECT_LT(place(table[i - 1]), place(table[i]))
            << int(Code(table[i - 1].code)) << " before " << int(Code(table[i].code));
}

TEST(CommandTable, WritesCarryTheirDataAndAreReadBackFromTheirOwnSlot)
{
    for (const CommandInfo& r : CommandTable()) {
        SCOPED_TRACE(int(Code(r.code)));
        // Only writes carry data, and besides them the poll (its force bits) and the display
        // read (its row byte). Every write of a trio is read back; the identity and the
        // Pt1000 flag are written alone.
        EXPECT_EQ(r.carriesData, r.writesDevice || r.code == Command::StatusPoll ||
                                     r.code == Command::DisplayRead);
        EXPECT_EQ(r.writesDevice, r.role == Role::Write || r.code == Command::IdentityWrite ||
                                      r.code == Command::Pt1000Write);
        EXPECT_EQ(r.readBack.has_value(), r.role == Role::Write);
        if (!r.readBack)
            continue;
        // The read its acknowledgement presses is its own trio's, for the same slot.
        const CommandInfo* read = FindCommand(*r.readBack);
        ASSERT_NE(read, nullptr);
        EXPECT_EQ(read->trio, r.trio);
        EXPECT_EQ(read->role, Role::Read);
        EXPECT_EQ(read->slot, r.slot);
    }
}

// The commands whose effect the meter keeps: a request of theirs left pending for one meter is
// withdrawn when another is plugged in its place. Every record write is among them, and so is
// every action but a read, the reset and the poll: the calibration points and the erase.
TEST(CommandTable, CommandsTheMeterKeeps)
{
    for (const CommandInfo& r : CommandTable()) {
        SCOPED_TRACE(int(Code(r.code)));
        const bool reads = std::string_view(r.name).find("read") != std::string_view::npos;
        EXPECT_EQ(r.storesInDevice,
                  r.writesDevice || (r.role == Role::Action && !reads && r.key != KeyNone &&
                                     r.code != Command::Reset));
        EXPECT_FALSE(r.storesInDevice && (r.role == Role::Read || r.role == Role::Default));
    }
}

TEST(CommandTable, EachTrioHasOneButtonPerRoleAndSlotsOnlyWhereTwoModulesServe)
{
    const auto table = CommandTable();
    auto twoSlots = [](Trio t) { return t == Trio::Qvao || t == Trio::Qvro; };
    for (std::size_t i = 0; i < table.size(); ++i) {
        const CommandInfo& r = table[i];
        SCOPED_TRACE(int(Code(r.code)));
        EXPECT_EQ(r.trio == Trio::None, r.role == Role::Action);
        // A trio's row says its role in its name.
        const std::string name(r.name);
        auto says = [&name](const char* word) { return name.find(word) != std::string::npos; };
        if (r.role != Role::Action) {
            EXPECT_EQ(
                (std::array{says("read"), says("factory defaults"), says("write")}),
                (std::array{r.role == Role::Read, r.role == Role::Default, r.role == Role::Write}));
        }
        // The QVSER dialog serves only the main slot; the QVAO and QVRO dialogs read and
        // write either (below); everything else goes out whatever the slot.
        if (r.trio == Trio::Qvser) {
            EXPECT_EQ(r.slot, Slot::Main);
        } else if (!twoSlots(r.trio) || r.role == Role::Default) {
            EXPECT_EQ(r.slot, Slot::Any);
        }
        // Rows share a button only for the two slots of one role: the main slot's row first.
        for (const CommandInfo& later : table.subspan(i + 1))
            if (later.key == r.key) {
                SCOPED_TRACE(int(Code(later.code)));
                EXPECT_EQ(later.trio, r.trio);
                EXPECT_EQ(later.role, r.role);
                EXPECT_EQ(r.slot, Slot::Main);
                EXPECT_EQ(later.slot, Slot::Additional);
            }
    }
    // Every trio has a read, a factory-default read and a write, each its own button; a
    // dialog that serves two slots reads and writes each of them.
    for (int t = int(Trio::None) + 1; t < int(Trio::Count); ++t) {
        SCOPED_TRACE(t);
        std::map<Role, std::set<RequestKey>> keys;
        std::map<Role, std::set<Slot>> slots;
        for (const CommandInfo& r : table)
            if (r.trio == Trio(t)) {
                keys[r.role].insert(r.key);
                slots[r.role].insert(r.slot);
            }
        for (const Role role : {Role::Read, Role::Default, Role::Write})
            EXPECT_EQ(keys[role].size(), 1u) << int(role);
        EXPECT_EQ(keys.size(), 3u);
        if (twoSlots(Trio(t))) {
            for (const Role role : {Role::Read, Role::Write})
                EXPECT_EQ(slots[role], (std::set{Slot::Main, Slot::Additional})) << int(role);
        }
    }
}

TEST(CommandTable, EveryKeyOnceInTheOrderOfItsFirstRow)
{
    const auto order = KeyPriorityOrder();
    const auto table = CommandTable();
    // The key list holds every button of the table once, and the buttons are numbered from
    // 1 without a gap: none is left without a row.
    std::set<PendingSet::Key> keys;
    for (const CommandInfo& r : table)
        if (r.key != KeyNone)
            keys.insert(r.key);
    EXPECT_EQ(std::set<PendingSet::Key>(order.begin(), order.end()), keys);
    EXPECT_EQ(order.size(), keys.size());
    EXPECT_EQ(*keys.begin(), PendingSet::Key(KeyNone + 1));
    EXPECT_EQ(std::size_t(*keys.rbegin()), keys.size());
    auto firstRow = [&table](PendingSet::Key key) {
        return std::find_if(table.begin(), table.end(),
                            [key](const CommandInfo& r) { return r.key == key; }) -
               table.begin();
    };
    for (std::size_t i = 1; i < order.size(); ++i)
        EXPECT_LT(firstRow(order[i - 1]), firstRow(order[i])) << i;
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
