#include "tools/puzzles/ChainSearch.h"
#include "tools/puzzles/LinkGraph.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace {

// A sparse, tangled graph of five-letter words (no word a form or a part
// of another), where a greedy search spends words that later chains need.
LinkGraph tangle(int weakEvery)
{
    const std::string letters = "BCFHJKMPQVWXZ";
    auto word = [&](int n) {
        return std::string("ZQ") + letters[n % 13] + letters[(n / 13) % 13] + letters[(n / 169) % 13];
    };
    LinkGraph g;
    unsigned state = 7;
    for (int from = 0; from < 160; ++from)
        for (int k = 0; k < 3; ++k) {
            state = state * 1103515245u + 12345u;
            int to = static_cast<int>((state >> 16) % 160);
            if (to != from)
                g.addLink(word(from), word(to), (from + k) % weakEvery == 0 ? 4 : 8);
        }
    g.finish();
    return g;
}

ChainSearch::Limits tightLimits(int improveSteps)
{
    ChainSearch::Limits limits;
    limits.maxLinkUse = 1;
    limits.maxWordUse = 2;
    limits.floor = 4;
    limits.tiers = {0, 1};
    limits.improveSteps = improveSteps;
    limits.improveRemove = 3;
    return limits;
}

void expectTheRulesHold(const LinkGraph& g, const std::vector<Chain>& chains, const ChainSearch::Limits& limits)
{
    std::map<std::pair<int, int>, int> linkUse;
    std::map<int, int> wordUse;
    std::set<Chain> seen;
    for (const Chain& c : chains) {
        EXPECT_TRUE(seen.insert(c).second);
        int weak = 0;
        for (int i = 0; i < 7; ++i)
            ++wordUse[c[i]];
        for (int i = 0; i < 6; ++i) {
            EXPECT_GE(g.score(c[i], c[i + 1]), limits.floor);
            weak += g.score(c[i], c[i + 1]) < limits.good;
            ++linkUse[{c[i], c[i + 1]}];
        }
        EXPECT_LE(weak, limits.tiers.back());
        for (int i = 1; i < 6; ++i)
            EXPECT_EQ(g.middleCount(c[i - 1], c[i + 1], 5), 1);
    }
    for (const auto& [link, n] : linkUse)
        EXPECT_LE(n, limits.maxLinkUse);
    for (const auto& [word, n] : wordUse)
        EXPECT_LE(n, limits.maxWordUse);
}

int linksBelowGood(const LinkGraph& g, const std::vector<Chain>& chains)
{
    int total = 0;
    for (const Chain& c : chains)
        for (int i = 0; i < 6; ++i)
            total += g.score(c[i], c[i + 1]) < 8;
    return total;
}

} // namespace

// Taking chains out and searching again must give back every word and link
// it took, or the limits would drift; and it must only ever gain.
TEST(ChainSearchImprovement, FindsMoreChainsAndKeepsEveryRule)
{
    LinkGraph g = tangle(5);
    ChainSearch greedy(g, tightLimits(0));
    auto plain = greedy.run(500);
    ChainSearch improving(g, tightLimits(300));
    auto improved = improving.run(500);
    EXPECT_GT(improved.size(), plain.size());
    expectTheRulesHold(g, improved, tightLimits(300));

    ChainSearch again(g, tightLimits(300));
    EXPECT_EQ(again.run(500), improved);
}

// With enough chains found, improving goes on to put chains of GOOD links
// in the place of ones with a weak link, never the other way.
TEST(ChainSearchImprovement, OnceThereAreEnoughTradesWeakLinksForGoodOnes)
{
    LinkGraph g = tangle(2);
    ChainSearch greedy(g, tightLimits(0));
    auto plain = greedy.run(500);
    ASSERT_GT(linksBelowGood(g, plain), 0);
    int wanted = static_cast<int>(plain.size());
    ChainSearch improving(g, tightLimits(300));
    auto improved = improving.run(wanted);
    ASSERT_EQ(static_cast<int>(improved.size()), wanted);
    EXPECT_LT(linksBelowGood(g, improved), linksBelowGood(g, plain));
    expectTheRulesHold(g, improved, tightLimits(300));
}

// Where a chain must take a WEAK link, it takes the one most players would
// still get (scored above the rest) when the two are otherwise alike.
TEST(ChainSearchWeakLinks, TheBetterKnownWeakLinkComesFirst)
{
    for (int fairScore : {5, 6, 7}) {
        LinkGraph g;
        const std::vector<std::string> words = {"ZQBBB", "ZQCCC", "ZQFFF", "ZQHHH", "ZQJJJ", "ZQKKK"};
        for (int i = 0; i + 1 < 3; ++i)
            g.addLink(words[i], words[i + 1], 8);
        g.addLink("ZQFFF", "ZQMMMM", 4);
        g.addLink("ZQFFF", "ZQPPP", fairScore);
        for (const char* hidden : {"ZQMMMM", "ZQPPP"})
            g.addLink(hidden, "ZQHHH", 8);
        for (int i = 3; i + 1 < 6; ++i)
            g.addLink(words[i], words[i + 1], 8);
        g.addLink("ZQKKK", "ZQVVV", 8);
        g.finish();
        ChainSearch::Limits limits;
        limits.floor = 4;
        limits.tiers = {0, 1};
        ChainSearch search(g, limits);
        auto chains = search.run(1);
        ASSERT_EQ(chains.size(), 1u) << fairScore;
        EXPECT_EQ(g.word(chains[0][3]), "ZQPPP") << fairScore;
    }
}
