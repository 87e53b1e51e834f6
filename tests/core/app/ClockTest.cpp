#include "core/Clock.h"

#include <gtest/gtest.h>
#include <set>

using namespace kestrava;

TEST(Clock, FormatsTheThreeDateTimePatterns)
{
    const DateTime moment{2009, 1, 20, 22, 41, 5};
    EXPECT_EQ(formatDateTime("yyyy-mm-dd, hh-nn", moment), "2009-01-20, 22-41");
    EXPECT_EQ(formatDateTime("yyyy-mm-dd", moment), "2009-01-20");
    EXPECT_EQ(formatDateTime("dd-mm-yyyy", moment), "20-01-2009");
    EXPECT_EQ(formatDateTime("", moment), "");
    EXPECT_EQ(formatDateTime("[hh:nn] y m", DateTime{987, 12, 3, 7, 5, 0}), "[07:05] y m");
}

TEST(Clock, ShufflesInTheSameSecondGetDifferentSeeds)
{
    const SystemClock clock;
    std::set<std::uint32_t> seeds;
    for (int i = 0; i < 20; ++i)
        seeds.insert(clock.shuffleSeed());
    EXPECT_GT(seeds.size(), 15u);
}
