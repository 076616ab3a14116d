// Ombrik's command table and the scheduling decision.
#include "ombrik/link/CommandTable.h"
#include "ombrik/link/Scheduler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

using namespace qs;
using namespace ombrik;

using namespace mbu;

// What holds for every row, so that a new row is checked without any list here changing.

TEST(MbuCommandTable, CodesRunWithoutAGapOneRowEach)
{
    // From the poll's code to the highest row's, each code has its row; the enum's last code
    // is among them.
    const int first = Code(Command::StatusPoll);
    int last = first;
    for (const CommandInfo& c : CommandTable())
        last = std::max<int>(last, Code(c.code));
    EXPECT_GE(last, Code(Command::Pt1000Write));
    EXPECT_EQ(CommandTable().size(), std::size_t(last - first + 1));
    for (int code = first; code <= last; ++code) {
        const CommandInfo* row = FindCommand(static_cast<std::uint8_t>(code));
        ASSERT_NE(row, nullptr) << code;
        EXPECT_EQ(Code(row->code), code);
    }
    for (int code : {0, 1, 7, 18, 100, 131, 255})
        EXPECT_EQ(FindCommand(static_cast<std::uint8_t>(code)), nullptr) << code;
}

// The buttons stand in the order of their codes, the chain steps after them, the poll last.
// A button's operation runs its chain to the end, and the last step's reply releases it.
TEST(MbuCommandTable, KeysInPriorityOrderChainsAndReleases)
{
    const auto table = CommandTable();
    const auto order = KeyPriorityOrder();
    EXPECT_EQ(table.back().code, Command::StatusPoll);
    EXPECT_FALSE(table.back().hasButton);
    EXPECT_FALSE(table.back().releases.has_value());
    EXPECT_FALSE(table.back().next.has_value());

    std::vector<PendingSet::Key> buttons;
    for (const CommandInfo& c : table)
        if (c.hasButton) {
            EXPECT_EQ(buttons.size(), std::size_t(&c - table.data())) << "a button after a step";
            buttons.push_back(Code(c.code));
        }
    EXPECT_EQ(std::vector<PendingSet::Key>(order.begin(), order.end()), buttons);
    EXPECT_TRUE(std::is_sorted(buttons.begin(), buttons.end()));
    EXPECT_EQ(std::set<PendingSet::Key>(buttons.begin(), buttons.end()).size(), buttons.size());

    std::map<Command, int> stepOf;  // how many chains a step belongs to
    for (const PendingSet::Key k : order) {
        const auto key = static_cast<RequestKey>(k);
        SCOPED_TRACE(int(k));
        const auto chain = ChainOf(key);
        ASSERT_FALSE(chain.empty());
        EXPECT_EQ(chain.front(), key);
        for (std::size_t i = 0; i < chain.size(); ++i) {
            const CommandInfo* step = FindCommand(chain[i]);
            ASSERT_NE(step, nullptr);
            const bool lastStep = i + 1 == chain.size();
            // Each step names the next; the last either names none or repeats itself (the
            // display's row pairs, until their reply ends the chain).
            if (!lastStep) {
                EXPECT_EQ(step->next, chain[i + 1]);
            } else if (step->next) {
                EXPECT_EQ(*step->next, step->code);
            }
            // Only the last step releases, and it releases the button that started it.
            EXPECT_EQ(step->releases, lastStep ? std::optional(key) : std::nullopt);
            if (i > 0) {
                EXPECT_FALSE(step->hasButton);
                ++stepOf[step->code];
            }
        }
    }
    // Every other row is a step of exactly one chain.
    for (const CommandInfo& c : table)
        if (!c.hasButton && c.code != Command::StatusPoll) {
            EXPECT_EQ(stepOf[c.code], 1) << int(Code(c.code));
        }
}

// Only writes carry data, and besides them the poll and the display's row pairs (the row
// asked for). A settings chain moves the record's three parts in order.
TEST(MbuCommandTable, RequestsWithDataAndTheSettingsInThreeParts)
{
    for (const CommandInfo& c : CommandTable()) {
        SCOPED_TRACE(int(Code(c.code)));
        const bool writes = c.name.starts_with("write");
        const bool displayRows = c.reply == "DisplayRowPair";
        EXPECT_EQ(c.CarriesData(), writes || c.code == Command::StatusPoll || displayRows);
        if (writes) {
            EXPECT_TRUE(c.reply.empty());
        }
    }
    int settingsChains = 0;
    for (const PendingSet::Key k : KeyPriorityOrder()) {
        const auto chain = ChainOf(static_cast<RequestKey>(k));
        if (FindCommand(chain.front())->name.find("settings") == std::string_view::npos)
            continue;
        ++settingsChains;
        ASSERT_EQ(chain.size(), 3u) << k;
        // Every part of one chain does what its first does (a read, a factory-default read
        // or a write), with its own part of the record.
        const std::string_view first = FindCommand(chain.front())->name;
        const std::string_view kind = first.substr(0, first.find(", part"));
        for (std::size_t p = 0; p < chain.size(); ++p) {
            const CommandInfo* part = FindCommand(chain[p]);
            const std::string number = std::to_string(p + 1);
            EXPECT_EQ(part->name, std::string(kind) + ", part " + number) << k;
            EXPECT_EQ(part->CarriesData() ? part->request : part->reply, "SettingsPart" + number)
                << k;
        }
    }
    EXPECT_EQ(settingsChains, 3) << "read, factory defaults, write";
}

TEST(MbuCommandTable, ChainCommandsAndDeveloperPresets)
{
    // A chain command is a chain's first step (it names a next one) or a later step (no
    // button starts it); the poll and the single-frame commands are not.
    for (int code = 0; code < 256; ++code) {
        const CommandInfo* row = FindCommand(static_cast<std::uint8_t>(code));
        const bool chained =
            row && row->code != Command::StatusPoll && (row->next.has_value() || !row->hasButton);
        EXPECT_EQ(IsChainCommand(static_cast<std::uint8_t>(code)), chained) << code;
    }
    EXPECT_EQ(std::vector<int>(kDeveloperPresets.begin(), kDeveloperPresets.end()),
              (std::vector<int>{7, 8, 13, 12, 1, 14, 2, 16, 17, 11, 18}));
}

TEST(MbuScheduler, AChainedCommandFirstThenThePendingKeyThenThePoll)
{
    PendingSet pending(KeyPriorityOrder());
    EXPECT_EQ(NextCommand(0, pending, false), Command::StatusPoll);
    EXPECT_EQ(NextCommand(0, pending, true), std::nullopt);
    pending.Set(Code(Command::Pt1000Write), true);
    pending.Set(Code(Command::OptionsWrite), true);
    EXPECT_EQ(NextCommand(0, pending, true), Command::OptionsWrite);
    EXPECT_EQ(NextCommand(Code(Command::SettingsWrite2), pending, true), Command::SettingsWrite2);
    EXPECT_EQ(NextCommand(7, pending, true), Command::OptionsWrite)
        << "only a command of the table is chained";
}
