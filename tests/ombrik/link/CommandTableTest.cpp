// Ombrik's command table and the scheduling decision.
#include "ombrik/link/CommandTable.h"
#include "ombrik/link/Scheduler.h"

#include <gtest/gtest.h>

#include <vector>

using namespace qs;
using namespace ombrik;

using namespace mbu;

TEST(MbuCommandTable, KeysInPriorityOrderChainsAndReleases)
{
    struct Row {
        RequestKey key;
        std::vector<int> chain;  // the commands the key's operation sends, in order
        int releasedBy;          // the command whose reply releases the key
    };
    const Row rows[] = {
        {CmdCalIn0mA, {102}, 102},          {CmdCalIn20mA, {103}, 103},
        {CmdCalIn0V, {104}, 104},           {CmdCalIn10V, {105}, 105},
        {CmdEraseFram, {106}, 106},         {CmdSettingsRead1, {107, 117, 120}, 120},
        {CmdSettingsDefaults1, {108, 118, 121}, 121}, {CmdSettingsWrite1, {109, 119, 122}, 122},
        {CmdInputCalRead, {110}, 110},      {CmdOptionsRead, {111}, 111},
        {CmdOptionsWrite, {112}, 112},       {CmdReset, {113}, 113},
        {CmdCalPwmLow, {114}, 114},         {CmdCalPwmHigh, {115}, 115},
        {CmdPwmCalRead, {116}, 116},        {CmdDisplayFirstRows, {123, 124}, 124},
        {CmdCalPt0Ohm4W, {125}, 125},       {CmdCalPtXOhm4W, {126}, 126},
        {CmdCalPt0Ohm3W, {127}, 127},       {CmdCalPtXOhm3W, {128}, 128},
        {CmdPtCalRead, {129}, 129},         {CmdPt1000Write, {130}, 130},
    };
    ASSERT_EQ(KeyPriorityOrder().size(), std::size(rows));
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const Row& row = rows[i];
        SCOPED_TRACE(row.chain.front());
        EXPECT_EQ(KeyPriorityOrder()[i], row.key);
        const auto chain = ChainOf(row.key);
        EXPECT_EQ(std::vector<int>(chain.begin(), chain.end()), row.chain);
        int releasedBy = 0;
        for (const CommandInfo& c : CommandTable())
            if (c.releases == row.key)
                releasedBy = c.code;
        EXPECT_EQ(releasedBy, row.releasedBy);
    }
}

TEST(MbuCommandTable, RequestsWithDataAndEchoesWithoutACase)
{
    std::vector<int> carries;
    for (const CommandInfo& c : CommandTable())
        if (c.CarriesData())
            carries.push_back(c.code);
    std::sort(carries.begin(), carries.end());
    EXPECT_EQ(carries, (std::vector<int>{101, 109, 112, 119, 122, 123, 124, 130}));
    EXPECT_EQ(CommandTable().size(), 30u);
    for (int code : {0, 1, 7, 18, 100, 131, 255})
        EXPECT_EQ(FindCommand(static_cast<std::uint8_t>(code)), nullptr) << code;
}

TEST(MbuCommandTable, ChainCommandsAndDeveloperPresets)
{
    std::vector<int> chained;
    for (int code = 0; code < 256; ++code)
        if (IsChainCommand(static_cast<std::uint8_t>(code)))
            chained.push_back(code);
    EXPECT_EQ(chained, (std::vector<int>{107, 108, 109, 117, 118, 119, 120, 121, 122, 123, 124}));
    EXPECT_EQ(std::vector<int>(kDeveloperPresets.begin(), kDeveloperPresets.end()), (std::vector<int>{7, 8, 13, 12, 1, 14, 2, 16, 17, 11, 18}));
}

TEST(MbuScheduler, AChainedCommandFirstThenThePendingKeyThenThePoll)
{
    PendingSet pending(KeyPriorityOrder());
    EXPECT_EQ(NextCommand(0, pending, false), CmdStatusPoll);
    EXPECT_EQ(NextCommand(0, pending, true), std::nullopt);
    pending.Set(CmdPt1000Write, true);
    pending.Set(CmdOptionsWrite, true);
    EXPECT_EQ(NextCommand(0, pending, true), CmdOptionsWrite);
    EXPECT_EQ(NextCommand(CmdSettingsWrite2, pending, true), CmdSettingsWrite2);
    EXPECT_EQ(NextCommand(7, pending, true), CmdOptionsWrite) << "only a command of the table is chained";
}
