#include "players/ScoreLine.h"

#include <gtest/gtest.h>

TEST(ScoreLine, ShowsNameRoundsAndTruncatedAverage)
{
    const std::string line = scoreLine({"Ann", 2000, 3, 1});
    EXPECT_EQ(line, "Ann" + std::string(15, ' ') + "  " + " 3" + "    " + " 666");
    EXPECT_EQ(line.size(), 30u);
}

TEST(ScoreLine, RoundCountsEndInTheSameColumn)
{
    const std::string nine = scoreLine({"A", 90, 9, 1});
    const std::string ten = scoreLine({"A", 100, 10, 1});
    EXPECT_EQ(nine.substr(18), "   9     10");
    EXPECT_EQ(ten.substr(18), "  10     10");
}

TEST(ScoreLine, LongNamesAreCutToSeventeenCharacters)
{
    EXPECT_EQ(scoreLine({"ABCDEFGHIJKLMNOPQRST", 0, 1, 1}).substr(0, 21), "ABCDEFGHIJKLMNOPQ    ");
    // Characters, not bytes: an accented name is cut in the same place.
    std::string accented;
    for (int i = 0; i < 17; ++i)
        accented += "É";
    EXPECT_EQ(scoreLine({accented + "ÉÉÉ", 0, 1, 1}).substr(0, 35), accented + " ");
}

TEST(ScoreLine, NoRoundsShowsZeroAndNegativesTakeTheBlank)
{
    EXPECT_EQ(scoreLine({"New", 500, 0, 1}).substr(18), "   0     0");
    EXPECT_EQ(scoreLine({"Odd", -7, 2, 1}).substr(18), "   2    -3");
    EXPECT_EQ(scoreLine({"Bad", 10, -1, 1}).substr(18), "  -1    -10");
}
