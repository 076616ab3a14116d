// Ombrik's command table and the scheduling decision.
#include "CommandTable.h"
#include "Scheduler.h"

#include <gtest/gtest.h>

#include <vector>

using namespace mbu;

TEST(MbuCommandTable, KeysInPriorityOrderChainsAndReleases)
{
    struct Row {
        RequestKey key;
        std::vector<int> chain;  // the commands the key's operation sends, in order
        int releasedBy;          // the command whose reply releases the key
    };
    const Row rows[] = {
        {KeyCalIn0mA, {102}, 102},          {KeyCalIn20mA, {103}, 103},
        {KeyCalIn0V, {104}, 104},           {KeyCalIn10V, {105}, 105},
        {KeyEraseFram, {106}, 106},         {KeySettingsRead, {107, 117, 120}, 120},
        {KeySettingsDefaults, {108, 118, 121}, 121}, {KeySettingsWrite, {109, 119, 122}, 122},
        {KeyInputCalRead, {110}, 110},      {KeyOptionRead, {111}, 111},
        {KeyOptionWrite, {112}, 112},       {KeyReset, {113}, 113},
        {KeyCalPwmLow, {114}, 114},         {KeyCalPwmHigh, {115}, 115},
        {KeyPwmCalRead, {116}, 116},        {KeyDisplayRead, {123, 124}, 124},
        {KeyCalPt0Ohm4W, {125}, 125},       {KeyCalPtXOhm4W, {126}, 126},
        {KeyCalPt0Ohm3W, {127}, 127},       {KeyCalPtXOhm3W, {128}, 128},
        {KeyPtCalRead, {129}, 129},         {KeyPt1000Write, {130}, 130},
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

TEST(MbuScheduler, AChainedCommandFirstThenThePendingKeyThenThePoll)
{
    PendingSet pending(KeyPriorityOrder());
    EXPECT_EQ(NextCommand(0, pending, false), CmdStatusPoll);
    EXPECT_EQ(NextCommand(0, pending, true), std::nullopt);
    pending.Set(KeyPt1000Write, true);
    pending.Set(KeyOptionWrite, true);
    EXPECT_EQ(NextCommand(0, pending, true), CmdOptionsWrite);
    EXPECT_EQ(NextCommand(CmdSettingsWrite2, pending, true), CmdSettingsWrite2);
    EXPECT_EQ(NextCommand(7, pending, true), CmdOptionsWrite) << "only a command of the table is chained";
}
