#include "tools/puzzles/ChainOrder.h"

#include <gtest/gtest.h>

namespace {

Chain chainFrom(int first)
{
    Chain c;
    for (int i = 0; i < 7; ++i)
        c[i] = first + i;
    return c;
}

} // namespace

TEST(ChainOrder, EasiestFirstWhenNoWordsAreShared)
{
    std::vector<Chain> chains = {chainFrom(100), chainFrom(0), chainFrom(200)};
    auto difficulty = [](const Chain& c) { return c[0] == 200 ? 1 : c[0] == 0 ? 2 : 3; };
    auto ordered = ChainOrder().order(chains, difficulty);
    ASSERT_EQ(ordered.size(), 3u);
    EXPECT_EQ(ordered[0][0], 200);
    EXPECT_EQ(ordered[1][0], 0);
    EXPECT_EQ(ordered[2][0], 100);
}

TEST(ChainOrder, ChainSharingAWordWithTheLastPuzzleWaits)
{
    Chain a = chainFrom(0);
    Chain b = chainFrom(50);
    b[3] = a[3]; // b repeats a word of a
    Chain c = chainFrom(100);
    auto difficulty = [&](const Chain& x) { return x == a ? 1 : x == b ? 2 : 3; };
    auto ordered = ChainOrder().order({a, b, c}, difficulty);
    EXPECT_EQ(ordered[0], a);
    EXPECT_EQ(ordered[1], c);
    EXPECT_EQ(ordered[2], b); // nothing else is left, so it comes after all
}

TEST(ChainOrder, LookaheadIsBounded)
{
    Chain a = chainFrom(0);
    Chain b = chainFrom(50);
    b[6] = a[0];
    Chain c = chainFrom(100);
    auto difficulty = [&](const Chain& x) { return x == a ? 1 : x == b ? 2 : 3; };
    ChainOrder order;
    order.m_window = 1; // only the easiest waiting chain may be taken
    auto ordered = order.order({c, b, a}, difficulty);
    EXPECT_EQ(ordered[1], b);
}

// Chains holding WEAK links are spread evenly through the bank, easiest
// first among themselves, as are the others.
TEST(ChainOrder, GroupsAreSpreadEvenlyAndRiseInDifficultyWithin)
{
    std::vector<Chain> chains;
    for (int i = 0; i < 12; ++i)
        chains.push_back(chainFrom(100 * i));
    auto weak = [](const Chain& c) { return c[0] >= 800 ? 1 : 0; }; // the last four
    auto difficulty = [](const Chain& c) { return -c[0]; };         // the last is easiest
    auto ordered = ChainOrder().order(chains, difficulty, weak);
    ASSERT_EQ(ordered.size(), 12u);
    for (int quarter = 0; quarter < 4; ++quarter) {
        int inQuarter = 0;
        for (int i = 3 * quarter; i < 3 * quarter + 3; ++i)
            inQuarter += weak(ordered[i]);
        EXPECT_EQ(inQuarter, 1) << "quarter " << quarter;
    }
    int lastWeak = -1000000, lastGood = -1000000;
    for (const Chain& c : ordered) {
        int& last = weak(c) ? lastWeak : lastGood;
        EXPECT_GT(difficulty(c), last);
        last = difficulty(c);
    }
}
