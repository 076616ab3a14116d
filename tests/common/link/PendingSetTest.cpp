#include "common/link/PendingSet.h"

#include <gtest/gtest.h>

#include <array>

using namespace qs;

TEST(PendingSet, KeepsThePriorityOrderWhateverTheOrderOfSetting)
{
    constexpr std::array<PendingSet::Key, 5> order{40, 10, 30, 20, 50};
    PendingSet s(order);
    EXPECT_TRUE(s.Empty());
    EXPECT_TRUE(s.Set(20, true));
    EXPECT_TRUE(s.Set(40, true));
    EXPECT_TRUE(s.Set(30, true));
    EXPECT_FALSE(s.Set(30, true)) << "no change";
    EXPECT_EQ(s.Pending(), (std::vector<PendingSet::Key>{40, 30, 20}));
    EXPECT_TRUE(s.Set(40, false));
    EXPECT_FALSE(s.Set(40, false));
    EXPECT_FALSE(s.IsPending(40));
    EXPECT_TRUE(s.IsPending(20));
    EXPECT_FALSE(s.Set(99, true)) << "a key outside the table is ignored";
    EXPECT_FALSE(s.IsPending(99));
    s.Clear();
    EXPECT_TRUE(s.Empty());
    EXPECT_TRUE(s.Pending().empty());
}
