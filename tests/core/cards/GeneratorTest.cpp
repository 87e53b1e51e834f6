#include "core/cards/Generator.h"

#include <gtest/gtest.h>

using namespace kestrava;

TEST(Generator, SeedingSetsTheLowWordAndAdvancesIt)
{
    Generator g;
    g.seed(0);
    EXPECT_EQ(g.state(), 1u);
    g.seed(12345);
    EXPECT_EQ(g.state(), 1002789326u); // (12345 * 22695477 + 1) mod 2^32
    g.seed(0xFFFFFFFFu);
    EXPECT_LT(g.state(), 1ull << 32);
}

TEST(Generator, NextIsTheUpperWordWithoutTheTopBit)
{
    Generator g;
    g.seed(0);
    EXPECT_EQ(g.next(), 346u);
    EXPECT_EQ(g.next(), 13854878u);
    EXPECT_EQ(g.next(), 1621890440u);
    g.seed(12345);
    EXPECT_EQ(g.next(), 1220244142u);
    EXPECT_EQ(g.next(), 1374406965u);
}

TEST(Generator, BelowZeroDrawsNothing)
{
    Generator g;
    g.seed(0);
    EXPECT_EQ(g.below(0), 0u);
    EXPECT_EQ(g.state(), 1u);
    EXPECT_EQ(g.below(78), 346u % 78);
    EXPECT_EQ(g.below(1), 0u);
}
