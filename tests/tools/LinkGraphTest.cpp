#include "tools/puzzles/ChainSearch.h"
#include "tools/puzzles/LinkGraph.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <set>
#include <tuple>

TEST(LinkGraph, IdsFollowTheAlphabetWhateverTheOrderOfAdding)
{
    LinkGraph a;
    a.addLink("SNOW", "BALL", 3);
    a.addLink("FIRE", "BALL", 2);
    a.finish();
    LinkGraph b;
    b.addLink("FIRE", "BALL", 2);
    b.addLink("SNOW", "BALL", 3);
    b.finish();
    for (const char* w : {"BALL", "FIRE", "SNOW"})
        EXPECT_EQ(a.id(w), b.id(w));
    EXPECT_EQ(a.id("BALL"), 0);
    EXPECT_EQ(a.id("MOON"), -1);
}

TEST(LinkGraph, KeepsTheBestScoreAndFindsEveryMiddle)
{
    LinkGraph g;
    g.addLink("FIRE", "MAN", 2);
    g.addLink("FIRE", "MAN", 6);
    g.addLink("FIRE", "MAN", 4);
    g.addLink("MAN", "HOLE", 5);
    g.addLink("FIRE", "ARM", 5);
    g.addLink("ARM", "HOLE", 5);
    g.addLink("FIRE", "WORK", 5);
    g.finish();
    EXPECT_EQ(g.score(g.id("FIRE"), g.id("MAN")), 6);
    EXPECT_EQ(g.score(g.id("MAN"), g.id("FIRE")), -1);
    EXPECT_TRUE(g.hasLink("ARM", "HOLE"));
    EXPECT_FALSE(g.hasLink("HOLE", "ARM"));
    auto middles = g.middles(g.id("FIRE"), g.id("HOLE"));
    ASSERT_EQ(middles.size(), 2u);
    EXPECT_EQ(g.word(middles[0]), "ARM");
    EXPECT_EQ(g.word(middles[1]), "MAN");
    EXPECT_EQ(g.middleCount(g.id("FIRE"), g.id("HOLE")), 2);
    EXPECT_EQ(g.middleCount(g.id("FIRE"), g.id("WORK")), 0);
}

// END GOAL KEEPERS: GAME fits as well, through GAME KEEPER, though no list
// holds GAME KEEPERS itself. The plural's own score stands where it has one.
TEST(LinkGraph, APluralCountsAsAnAnswerWhereItsSingularDoes)
{
    LinkGraph g;
    for (auto [first, second, score] : {std::tuple{"END", "GOAL", 8}, {"GOAL", "KEEPERS", 8}, {"END", "GAME", 8},
             {"GAME", "KEEPER", 4}, {"FAIRY", "STORY", 8}, {"TALL", "STORIES", 8}, {"BOX", "LUNCH", 6},
             {"BOX", "LUNCHES", 2}, {"BRAND", "NEW", 8}})
        g.addLink(first, second, score);
    g.addPluralAnswers();
    g.finish();
    EXPECT_EQ(g.score(g.id("GAME"), g.id("KEEPERS")), 0);
    EXPECT_EQ(g.middleCount(g.id("END"), g.id("KEEPERS"), 4), 2);
    EXPECT_EQ(g.score(g.id("FAIRY"), g.id("STORIES")), 0);
    EXPECT_EQ(g.score(g.id("BOX"), g.id("LUNCHES")), 2);
    EXPECT_EQ(g.id("NEWS"), -1); // only plurals the graph already knows
    EXPECT_FALSE(g.hasLink("KEEPERS", "GAME"));
}

TEST(LinkGraph, SavedListLoadsBackTheSame)
{
    LinkGraph g;
    g.addLink("SNOW", "BALL", 7);
    g.addLink("BALL", "ROOM", 3);
    g.finish();
    ScratchFolder scratch;
    auto path = scratch.path() / "links.txt";
    ASSERT_TRUE(g.save(path.string(), "two links\nfor a test"));
    LinkGraph back;
    std::string error;
    ASSERT_TRUE(back.load(path.string(), error)) << error;
    EXPECT_EQ(back.linkCount(), 2);
    EXPECT_EQ(back.score(back.id("SNOW"), back.id("BALL")), 7);
    EXPECT_EQ(back.score(back.id("BALL"), back.id("ROOM")), 3);
}

namespace {

// A ladder of words W0 -> W1 -> ... with two ways across every step, so
// chains can be found but only some pairs have a single middle.
LinkGraph ladder()
{
    LinkGraph g;
    for (int i = 0; i < 12; ++i) {
        std::string a = "AAA" + std::string(1, static_cast<char>('A' + i));
        std::string b = "BBB" + std::string(1, static_cast<char>('A' + i));
        std::string nextA = "AAA" + std::string(1, static_cast<char>('A' + i + 1));
        std::string nextB = "BBB" + std::string(1, static_cast<char>('A' + i + 1));
        g.addLink(a, nextA, 5);
        g.addLink(a, nextB, 5);
        g.addLink(b, nextB, 4);
    }
    g.finish();
    return g;
}

} // namespace

TEST(ChainSearch, ChainsKeepTheLimitsAndHaveOneAnswerPerHiddenWord)
{
    LinkGraph g = ladder();
    ChainSearch::Limits limits;
    limits.maxLinkUse = 2;
    limits.maxWordUse = 3;
    limits.good = 5;
    limits.floor = 4;
    limits.tiers = {0, 6};
    ChainSearch search(g, limits);
    auto chains = search.run(50);
    ASSERT_FALSE(chains.empty());
    std::map<std::pair<int, int>, int> linkUse;
    std::map<int, int> wordUse;
    std::set<Chain> seen;
    for (const Chain& c : chains) {
        EXPECT_TRUE(seen.insert(c).second);
        for (int i = 0; i < 7; ++i)
            ++wordUse[c[i]];
        for (int i = 0; i < 6; ++i) {
            EXPECT_GE(g.score(c[i], c[i + 1]), 4);
            ++linkUse[{c[i], c[i + 1]}];
        }
        for (int i = 1; i < 6; ++i)
            EXPECT_EQ(g.middleCount(c[i - 1], c[i + 1]), 1);
    }
    for (const auto& [link, n] : linkUse)
        EXPECT_LE(n, 2);
    for (const auto& [word, n] : wordUse)
        EXPECT_LE(n, 3);
}

TEST(ChainSearch, SameGraphGivesSameChains)
{
    LinkGraph g = ladder();
    ChainSearch::Limits limits;
    limits.floor = 4;
    limits.tiers = {6};
    ChainSearch first(g, limits);
    ChainSearch second(g, limits);
    auto chains = first.run(20);
    EXPECT_FALSE(chains.empty());
    EXPECT_EQ(chains, second.run(20));
}

// From TOP a well-known link leads on to two different lines, and a weak
// one to a third. The second chain should reuse the well-known link, not
// fall back on the weak phrase just because it is still fresh.
TEST(ChainSearch, ReusesAStrongLinkBeforeAWeakFreshOne)
{
    LinkGraph g;
    g.addLink("TOP", "STRONG", 8);
    g.addLink("TOP", "WEAK", 1);
    auto line = [&g](std::string from, const std::string& name, int score) {
        for (int i = 1; i <= 5; ++i) {
            std::string to = name + std::string(1, static_cast<char>('A' + i));
            g.addLink(from, to, score);
            from = to;
        }
    };
    line("STRONG", "LEFT", 8);
    line("STRONG", "RIGHT", 8);
    line("WEAK", "OTHER", 8);
    g.finish();
    ChainSearch::Limits limits;
    limits.floor = 1;
    limits.tiers = {6};
    ChainSearch search(g, limits);
    auto chains = search.run(2);
    ASSERT_EQ(chains.size(), 2u);
    for (const Chain& c : chains)
        EXPECT_EQ(g.word(c[1]), "STRONG");
}

namespace {

// One line of seven words, every link scored 8.
LinkGraph line(const std::vector<std::string>& words)
{
    LinkGraph g;
    for (std::size_t i = 0; i + 1 < words.size(); ++i)
        g.addLink(words[i], words[i + 1], 8);
    return g;
}

std::size_t chainsOf(LinkGraph& g)
{
    g.finish();
    ChainSearch search(g, {});
    return search.run(5).size();
}

const std::vector<std::string> kLine = {"CAMP", "FIRE", "ENGINE", "ROOM", "MATE", "SHIP", "YARD"};

} // namespace

TEST(ChainSearch, LinksBelowTheFloorNeverStandButStillCountAsSecondAnswers)
{
    LinkGraph plain = line(kLine);
    EXPECT_EQ(chainsOf(plain), 1u);

    // KEY has three letters, MATE four: a player told "4 letters" is not
    // misled, so the chain stands.
    LinkGraph shorter = line(kLine);
    shorter.addLink("ROOM", "KEY", 8);
    shorter.addLink("KEY", "SHIP", 0);
    EXPECT_EQ(chainsOf(shorter), 1u);

    // MAID fits between ROOM and SHIP as well as MATE; that its links are
    // not good enough to stand in a chain does not make it a wrong answer.
    LinkGraph second = line(kLine);
    second.addLink("ROOM", "MAID", 0);
    second.addLink("MAID", "SHIP", 0);
    EXPECT_EQ(chainsOf(second), 0u);

    LinkGraph weak;
    for (std::size_t i = 0; i + 1 < kLine.size(); ++i)
        weak.addLink(kLine[i], kLine[i + 1], i == 3 ? 7 : 8);
    EXPECT_EQ(chainsOf(weak), 0u);
}

// Four lines of seven words: all links good; one link weak (4); two weak;
// one below the floor (0). Tiers 0 and 1 take the good line first, then the
// line with one weak link, and nothing else.
TEST(ChainSearch, TiersTakeGoodChainsFirstThenAsFewWeakLinksAsAllowed)
{
    LinkGraph g;
    auto add = [&g](char line, std::vector<int> scores) {
        for (int i = 0; i < 6; ++i)
            g.addLink(std::string("Q") + line + static_cast<char>('A' + i),
                std::string("Q") + line + static_cast<char>('A' + i + 1), scores[i]);
    };
    add('W', {8, 8, 4, 8, 4, 8});
    add('V', {8, 8, 8, 4, 8, 8});
    add('X', {8, 8, 0, 8, 8, 8});
    add('Z', {8, 8, 8, 8, 8, 8});
    g.finish();
    ChainSearch::Limits limits;
    limits.floor = 4;
    limits.tiers = {0, 1};
    ChainSearch search(g, limits);
    auto chains = search.run(10);
    ASSERT_EQ(chains.size(), 2u);
    EXPECT_EQ(g.word(chains[0][0]), "QZA");
    EXPECT_EQ(g.word(chains[1][0]), "QVA");
    EXPECT_EQ(search.progress(), (std::vector<std::pair<int, int>>{{0, 1}, {1, 2}}));

    limits.tiers = {6}; // any number of weak links, but never one below the floor
    ChainSearch any(g, limits);
    EXPECT_EQ(any.run(10).size(), 3u);
}

TEST(ChainSearch, TwoFormsOfOneWordNeverShareAChain)
{
    LinkGraph forms = line({"CAMP", "FIRE", "ENGINE", "ROOM", "MATE", "SHIP", "FIRES"});
    EXPECT_EQ(chainsOf(forms), 0u);
    LinkGraph driving = line({"TEST", "DRIVE", "WAY", "SIDE", "CAR", "DRIVING", "RANGE"});
    EXPECT_EQ(chainsOf(driving), 0u);
}

TEST(ChainSearch, LongerHiddenWordsWithMorePartnersAreHarder)
{
    LinkGraph g = line(kLine);
    for (const auto& w : {"BEN", "LINE", "PLACE", "WORKS", "ALARM", "FLY", "WOOD", "SIDE"})
        g.addLink("FIRE", w, 8);
    g.addLink("BALL", "ROOM", 8);
    g.addLink("CAR", "PARK", 8);
    g.addLink("PARK", "BENCH", 8);
    g.finish();
    ChainSearch search(g, {});
    auto id = [&](const char* w) { return g.id(w); };
    Chain fire = {id("CAMP"), id("FIRE"), id("ENGINE"), id("ROOM"), id("MATE"), id("SHIP"), id("YARD")};
    Chain park = {id("CAMP"), id("CAR"), id("PARK"), id("BENCH"), id("ROOM"), id("MATE"), id("SHIP")};
    // FIRE has more partners and ENGINE more letters than CAR and PARK.
    EXPECT_GT(search.difficulty(fire), search.difficulty(park));
}

// Two equal ways down from TOP. The first search takes the first way, and
// with every link usable once that way runs out; the next search, told
// so, starts down the other way.
TEST(ChainSearch, ASearchAvoidsWhatRanOutInTheOneBefore)
{
    LinkGraph g;
    for (const std::string side : {"AAA", "BBB"}) {
        std::string last = "TOP";
        for (int i = 0; i < 6; ++i) {
            std::string next = side + std::string(1, static_cast<char>('A' + i));
            g.addLink(last, next, 8);
            last = next;
        }
    }
    g.finish();
    ChainSearch::Limits limits;
    limits.maxLinkUse = 1;
    ChainSearch first(g, limits);
    auto firstChains = first.run(1);
    ASSERT_EQ(firstChains.size(), 1u);
    EXPECT_EQ(g.word(firstChains[0][1]), "AAAA");

    ChainSearch::History history = first.nextHistory();
    EXPECT_EQ(history.links[LinkGraph::key(g.id("TOP"), g.id("AAAA"))], 1);
    EXPECT_EQ(history.links.count(LinkGraph::key(g.id("TOP"), g.id("BBBA"))), 0u);
    ChainSearch second(g, limits);
    second.setHistory(history);
    auto secondChains = second.run(1);
    ASSERT_EQ(secondChains.size(), 1u);
    EXPECT_EQ(g.word(secondChains[0][1]), "BBBA");
}
