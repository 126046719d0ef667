#include "ScoreFileFixture.h"

#include "players/AverageOrder.h"
#include "players/ScoreFile.h"

#include <random>

namespace {

// The way the file used to be sorted, record pairs swapped in place pass
// after pass, kept here literally as the reference.
std::vector<PlayerRecord> bubbleSorted(std::vector<PlayerRecord> recs)
{
    bool swapped = true;
    while (swapped) {
        swapped = false;
        for (std::size_t i = 0; i + 1 < recs.size(); ++i) {
            const float a = playerAverageSingle(recs[i]);
            const float b = playerAverageSingle(recs[i + 1]);
            if (a < b) {
                std::swap(recs[i], recs[i + 1]);
                swapped = true;
            }
        }
    }
    return recs;
}

std::vector<PlayerRecord> randomPlayers(std::mt19937& rng, int count)
{
    // Small ranges so that equal averages (2/4 and 1/2, or no rounds at
    // all) are common; single precision ties such as 16777217/1 versus
    // 16777216/1 are mixed in too.
    std::uniform_int_distribution<int> small(-3, 12), times(0, 4), big(0, 9);
    std::vector<PlayerRecord> recs;
    for (int i = 0; i < count; ++i) {
        PlayerRecord r{"P" + std::to_string(i), small(rng), times(rng), i + 1};
        if (big(rng) == 0)
            r = {r.Name, 16777216 + big(rng) % 2, 1, i + 1};
        recs.push_back(r);
    }
    return recs;
}

std::vector<std::string> namesOf(const std::vector<PlayerRecord>& recs)
{
    std::vector<std::string> out;
    for (const auto& r : recs)
        out.push_back(r.Name);
    return out;
}

class AverageOrderFileTest : public ScoreFileFixture {};

} // namespace

TEST(AverageOrder, MatchesTheBubbleSortOnRandomPlayers)
{
    std::mt19937 rng(1597);
    for (int round = 0; round < 200; ++round) {
        const auto recs = randomPlayers(rng, round % 40);
        EXPECT_EQ(namesOf(sortedByAverage(recs)), namesOf(bubbleSorted(recs))) << "round " << round;
    }
}

TEST(AverageOrder, TiesInSinglePrecisionKeepTheirOrder)
{
    // 16777217 is not a single-precision value, so both averages round to
    // 16777216 and the two players count as equal.
    const std::vector<PlayerRecord> recs = {{"A", 16777216, 1, 1}, {"B", 16777217, 1, 1}};
    EXPECT_EQ(averageOrder(recs), (std::vector<std::size_t>{0, 1}));
}

TEST_F(AverageOrderFileTest, SortedFileMatchesTheBubbleSort)
{
    std::mt19937 rng(42);
    const auto recs = randomPlayers(rng, 300);
    Bytes image;
    for (const auto& r : recs) {
        const auto b = encodePlayerRecord(r);
        image.insert(image.end(), b.begin(), b.end());
    }
    writeImage(image);
    ScoreFile file(m_path);
    ASSERT_TRUE(file.sortByAverage().ok());
    auto listed = file.listRecords();
    ASSERT_TRUE(listed.ok());
    const auto expected = bubbleSorted(recs);
    ASSERT_EQ(listed.value->size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ((*listed.value)[i].Name, expected[i].Name);
        EXPECT_EQ((*listed.value)[i].TotalScore, expected[i].TotalScore);
        EXPECT_EQ((*listed.value)[i].TimesPlayed, expected[i].TimesPlayed);
        EXPECT_EQ((*listed.value)[i].NextPuzzle, expected[i].NextPuzzle);
    }
}
