// Ombrik's command table and the scheduling decision.
#include "ombrik/link/CommandTable.h"
#include "ombrik/link/Scheduler.h"

#include <gtest/gtest.h>

#include <vector>

using namespace qs;
using namespace ombrik;

using namespace mbu;

namespace {

std::vector<int> CodesOf(std::span<const Command> commands)
{
    std::vector<int> codes;
    for (const Command c : commands)
        codes.push_back(Code(c));
    return codes;
}

}  // namespace

TEST(MbuCommandTable, KeysInPriorityOrderChainsAndReleases)
{
    struct Row {
        RequestKey key;
        std::vector<int> chain;  // the commands the key's operation sends, in order
        int releasedBy;          // the command whose reply releases the key
    };
    const Row rows[] = {
        {Command::CalIn0mA, {102}, 102},
        {Command::CalIn20mA, {103}, 103},
        {Command::CalIn0V, {104}, 104},
        {Command::CalIn10V, {105}, 105},
        {Command::EraseFram, {106}, 106},
        {Command::SettingsRead1, {107, 117, 120}, 120},
        {Command::SettingsDefaults1, {108, 118, 121}, 121},
        {Command::SettingsWrite1, {109, 119, 122}, 122},
        {Command::InputCalRead, {110}, 110},
        {Command::OptionsRead, {111}, 111},
        {Command::OptionsWrite, {112}, 112},
        {Command::Reset, {113}, 113},
        {Command::CalPwmLow, {114}, 114},
        {Command::CalPwmHigh, {115}, 115},
        {Command::PwmCalRead, {116}, 116},
        {Command::DisplayFirstRows, {123, 124}, 124},
        {Command::CalPt0Ohm4W, {125}, 125},
        {Command::CalPtXOhm4W, {126}, 126},
        {Command::CalPt0Ohm3W, {127}, 127},
        {Command::CalPtXOhm3W, {128}, 128},
        {Command::PtCalRead, {129}, 129},
        {Command::Pt1000Write, {130}, 130},
    };
    ASSERT_EQ(KeyPriorityOrder().size(), std::size(rows));
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const Row& row = rows[i];
        SCOPED_TRACE(row.chain.front());
        EXPECT_EQ(KeyPriorityOrder()[i], Code(row.key));
        const auto chain = ChainOf(row.key);
        EXPECT_EQ(CodesOf(chain), row.chain);
        int releasedBy = 0;
        for (const CommandInfo& c : CommandTable())
            if (c.releases == row.key)
                releasedBy = Code(c.code);
        EXPECT_EQ(releasedBy, row.releasedBy);
    }
}

TEST(MbuCommandTable, RequestsWithDataAndEchoesWithoutACase)
{
    std::vector<int> carries;
    for (const CommandInfo& c : CommandTable())
        if (c.CarriesData())
            carries.push_back(Code(c.code));
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
