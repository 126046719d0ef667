#include "tools/puzzles/PuzzleChecker.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Words = PuzzleCodec::Words;

std::vector<uint8_t> file(const std::vector<Words>& chains)
{
    std::vector<uint8_t> bytes;
    for (const auto& c : chains)
        PuzzleCodec::append(c, bytes);
    return bytes;
}

PuzzleChecker anyCount()
{
    PuzzleChecker checker;
    checker.m_expectedRecords = 0;
    return checker;
}

bool mentions(const PuzzleChecker::Report& report, const std::string& text)
{
    return std::any_of(report.problems.begin(), report.problems.end(),
        [&](const std::string& p) { return p.find(text) != std::string::npos; });
}

const Words kFire = {"CAMP", "FIRE", "ENGINE", "ROOM", "MATE", "SHIP", "YARD"};
const Words kSnow = {"SNOW", "BALL", "ROOM", "SERVICE", "STATION", "WAGON", "WHEEL"};

} // namespace

TEST(PuzzleCheckerFormat, GoodRecordsPassAndAreCounted)
{
    auto report = anyCount().check(file({kFire, kSnow}), nullptr);
    EXPECT_TRUE(report.ok()) << report.problems.front();
    EXPECT_EQ(report.records, 2);
    EXPECT_EQ(report.distinctWords, 13); // ROOM is in both
    EXPECT_EQ(report.distinctLinks, 12);
    EXPECT_EQ(report.topWord, "ROOM");
    EXPECT_EQ(report.topWordUse, 2);
}

TEST(PuzzleCheckerFormat, BadFieldsAreNamed)
{
    auto bytes = file({kFire});
    bytes[0] = 'c';          // lower case in word 1
    bytes[11 + 10] = 'X';    // word 2 runs into the eleventh byte
    bytes[22 + 1] = ' ';     // blank inside word 3
    auto report = anyCount().check(bytes, nullptr);
    EXPECT_TRUE(mentions(report, "puzzle 1: word 1 \"cAMP\" has a character"));
    EXPECT_TRUE(mentions(report, "word 2 \"FIRE      X\""));
    EXPECT_TRUE(mentions(report, "word 3 \"E GINE\""));
    EXPECT_EQ(report.problems.size(), 3u);
}

TEST(PuzzleCheckerFormat, ShortWordsAndWrongLengthsAreReported)
{
    Words twoLetters = kFire;
    twoLetters[3] = "UP";
    auto bytes = file({twoLetters});
    bytes.push_back(' ');
    PuzzleChecker checker; // expects the full 1597
    auto report = checker.check(bytes, nullptr);
    EXPECT_TRUE(mentions(report, "shorter than 3 letters"));
    EXPECT_TRUE(mentions(report, "not a whole number of 77-byte records"));
    EXPECT_TRUE(mentions(report, "holds 1 records, expected 1597"));
}

TEST(PuzzleCheckerRepeats, WordTwiceInAChainAndChainTwiceInTheFile)
{
    Words twice = kFire;
    twice[6] = "CAMP";
    auto report = anyCount().check(file({twice, kSnow, kSnow}), nullptr);
    EXPECT_TRUE(mentions(report, "puzzle 1: word CAMP appears twice"));
    EXPECT_TRUE(mentions(report, "puzzle 3: same chain as puzzle 2"));
}

TEST(PuzzleCheckerRepeats, LinkInFourChainsIsOneProblemAndThreeIsFine)
{
    std::vector<Words> chains;
    for (const char* last : {"AAA", "BBB", "CCC"}) {
        Words c = kFire;
        c[6] = last;
        chains.push_back(c);
    }
    EXPECT_TRUE(anyCount().check(file(chains), nullptr).ok());
    Words fourth = kFire;
    fourth[6] = "DDD";
    chains.push_back(fourth);
    auto report = anyCount().check(file(chains), nullptr);
    // The five shared links from CAMP FIRE to MATE SHIP are each reported once.
    EXPECT_TRUE(mentions(report, "link CAMP FIRE is in 4 chains: 1, 2, 3, 4"));
    EXPECT_EQ(report.problems.size(), 5u);
    EXPECT_EQ(report.topLinkUse, 4);
}

TEST(PuzzleCheckerRepeats, WordInMoreThanTwentyChains)
{
    std::vector<Words> chains;
    for (int i = 0; i < 21; ++i) {
        std::string a(3, static_cast<char>('A' + i));
        chains.push_back({"ROOM", a + "A", a + "B", a + "C", a + "D", a + "E", a + "F"});
    }
    auto report = anyCount().check(file(chains), nullptr);
    ASSERT_EQ(report.problems.size(), 1u);
    EXPECT_EQ(report.problems[0], "word ROOM is in 21 chains");
    chains.pop_back();
    EXPECT_TRUE(anyCount().check(file(chains), nullptr).ok());
}

TEST(PuzzleCheckerLists, LinksMustBeKnownAndHiddenWordsUnique)
{
    LinkGraph lists;
    for (std::size_t i = 0; i + 1 < kFire.size(); ++i)
        lists.addLink(kFire[i], kFire[i + 1], 5);
    lists.finish();
    EXPECT_TRUE(anyCount().check(file({kFire}), &lists).ok());

    // A second answer between ROOM and SHIP makes MATE unfair.
    lists.addLink("ROOM", "MAID", 1);
    lists.addLink("MAID", "SHIP", 1);
    lists.finish();
    auto report = anyCount().check(file({kFire}), &lists);
    ASSERT_EQ(report.problems.size(), 1u);
    EXPECT_EQ(report.problems[0], "puzzle 1: hidden word MATE is not the only answer "
                                  "between ROOM and SHIP; also: MAID");

    auto unknown = anyCount().check(file({kSnow}), &lists);
    EXPECT_TRUE(mentions(unknown, "link SNOW BALL is not in the link list"));
    EXPECT_TRUE(mentions(unknown, "link WAGON WHEEL is not in the link list"));
}
