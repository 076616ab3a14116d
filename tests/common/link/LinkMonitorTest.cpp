// The monitor pieces both programs share: command history, counter difference, hex dumps.
#include "common/link/CommandHistory.h"
#include "common/link/HexDump.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace qs;

TEST(CommandHistory, CountsRepeatsSkipsEmptySlotsAndDropsTheOldest)
{
    CommandHistory h(15, 101);
    for (int i = 0; i < 12; ++i)
        h.Enter(101);
    h.Enter(131);
    h.Enter(101);
    h.Enter(101);
    EXPECT_EQ(h.Text(), "n*101, 131, 2*101, ");
    EXPECT_EQ(h.FilteredText(), " 131");

    for (int i = 0; i < 25; ++i)
        h.Enter(7);
    EXPECT_EQ(h.Text(), "n*101, 131, 2*101, n*7, ");

    h.ClearOlder();  // "Cl": only the newest slot and the counts stay
    EXPECT_EQ(h.Text(), "n*7, ");
    h.Enter(7);
    EXPECT_EQ(h.Text(), "n*7, ");
    h.Enter(1);
    EXPECT_EQ(h.Text(), "n*7, 1, ");
    EXPECT_EQ(h.FilteredText(), " 7 1");

    for (int c = 10; c < 30; ++c)
        h.Enter(static_cast<std::uint8_t>(c));
    EXPECT_EQ(h.Entries().size(), 15u);
    const std::string text = h.Text();
    EXPECT_EQ(text.rfind("15, ", 0), 0u) << text;
    EXPECT_EQ(std::count(text.begin(), text.end(), ','), 15);
}

TEST(CommandHistory, SlotCountAndFilterAreParameters)
{
    CommandHistory ombrik(16);  // one label: nothing is left out
    for (int c = 1; c <= 20; ++c)
        ombrik.Enter(static_cast<std::uint8_t>(c));
    EXPECT_EQ(ombrik.Text().rfind("5, ", 0), 0u) << ombrik.Text();
    ombrik.Enter(101);
    EXPECT_NE(ombrik.FilteredText().find(" 101"), std::string::npos);
    ombrik.Reset();
    EXPECT_EQ(ombrik.Text(), "");
}

TEST(CounterDiff, CountsModulo256)
{
    struct Row {
        std::uint8_t a, b, diff;
    };
    for (const Row& r :
         std::vector<Row>{{250, 4, 10}, {4, 4, 0}, {255, 0, 1}, {0, 255, 255}, {10, 30, 20}})
        EXPECT_EQ(CounterDiff(r.a, r.b), r.diff) << int(r.a) << " -> " << int(r.b);
}

TEST(HexDump, SeparatorRuleIsTheCallers)
{
    const std::vector<std::uint8_t> bytes{0x00, 0xAB, 0x0F, 0xF0};
    EXPECT_EQ(PlainHexDump(bytes), "00 AB 0F F0");
    EXPECT_EQ(HexDump(bytes, [](std::size_t i) { return i == 1 ? '|' : ' '; }), "00 AB|0F F0");
    EXPECT_EQ(PlainHexDump(std::vector<std::uint8_t>(55, 0x11)).size(), 164u);
    EXPECT_EQ(PlainHexDump({}), "");
}
