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
    auto report = anyCount().check(file({kFire, kSnow}));
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
    auto report = anyCount().check(bytes);
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
    auto report = checker.check(bytes);
    EXPECT_TRUE(mentions(report, "shorter than 3 letters"));
    EXPECT_TRUE(mentions(report, "not a whole number of 77-byte records"));
    EXPECT_TRUE(mentions(report, "holds 1 records, expected 1597"));
}

TEST(PuzzleCheckerRepeats, WordTwiceInAChainAndChainTwiceInTheFile)
{
    Words twice = kFire;
    twice[6] = "CAMP";
    auto report = anyCount().check(file({twice, kSnow, kSnow}));
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
    PuzzleChecker checker = anyCount();
    auto linkProblems = [&](const PuzzleChecker::Report& report) {
        return std::count_if(report.problems.begin(), report.problems.end(),
            [](const std::string& p) { return p.rfind("link ", 0) == 0; });
    };
    EXPECT_EQ(linkProblems(checker.check(file(chains))), 0);
    Words fourth = kFire;
    fourth[6] = "DDD";
    chains.push_back(fourth);
    auto report = checker.check(file(chains));
    // The five shared links from CAMP FIRE to MATE SHIP are each reported
    // once, and only the fourth chain is refused for them.
    EXPECT_TRUE(mentions(report, "link CAMP FIRE is in 4 chains: 1, 2, 3, 4"));
    EXPECT_EQ(linkProblems(report), 5);
    EXPECT_EQ(report.refused[PuzzleChecker::kLinkUse], std::set<int>{4});
    EXPECT_EQ(report.topLinkUse, 4);
}

TEST(PuzzleCheckerRepeats, WordInMoreThanTwentyChains)
{
    std::vector<Words> chains;
    for (int i = 0; i < 21; ++i) {
        std::string a(3, static_cast<char>('A' + i));
        chains.push_back({"ROOM", a + "A", a + "B", a + "C", a + "D", a + "E", a + "F"});
    }
    auto report = anyCount().check(file(chains));
    ASSERT_EQ(report.problems.size(), 1u);
    EXPECT_EQ(report.problems[0], "word ROOM is in 21 chains");
    chains.pop_back();
    EXPECT_TRUE(anyCount().check(file(chains)).ok());
}

namespace {

// The lists the checker judges kFire by: every link of it graded GOOD.
struct FireLists {
    LinkGraph answers;
    GradedLinks graded;
    SpellingVariants spellings;
    FireLists()
    {
        for (std::size_t i = 0; i + 1 < kFire.size(); ++i) {
            answers.addLink(kFire[i], kFire[i + 1], 8);
            graded.add(kFire[i], kFire[i + 1], GradedLinks::Verdict::Good);
        }
        answers.finish();
    }
    PuzzleChecker::Lists lists() const { return {&answers, &graded, &spellings}; }
};

std::size_t refused(const PuzzleChecker::Report& report, const char* rule)
{
    auto it = report.refused.find(rule);
    return it == report.refused.end() ? 0 : it->second.size();
}

} // namespace

// WEAK links are allowed only up to the cap; BAD and ungraded ones never.
TEST(PuzzleCheckerLists, WeakLinksUpToTheCapBadAndUngradedNever)
{
    FireLists fire;
    EXPECT_TRUE(anyCount().check(file({kFire}), fire.lists()).ok());

    fire.graded.add("ENGINE", "ROOM", GradedLinks::Verdict::Weak);
    fire.graded.add("ROOM", "MATE", GradedLinks::Verdict::Weak);
    auto report = anyCount().check(file({kFire}), fire.lists());
    EXPECT_TRUE(mentions(report, "puzzle 1: 2 links graded WEAK, at most 0 allowed"));
    EXPECT_EQ(refused(report, PuzzleChecker::kTooWeak), 1u);
    PuzzleChecker capped = anyCount();
    capped.m_maxWeak = 1;
    EXPECT_EQ(refused(capped.check(file({kFire}), fire.lists()), PuzzleChecker::kTooWeak), 1u);
    capped.m_maxWeak = 2;
    EXPECT_TRUE(capped.check(file({kFire}), fire.lists()).ok());

    capped.m_maxWeak = 6;
    fire.graded.add("MATE", "SHIP", GradedLinks::Verdict::Bad);
    report = capped.check(file({kFire, kSnow}), fire.lists());
    EXPECT_TRUE(mentions(report, "puzzle 1: link MATE SHIP is graded BAD"));
    EXPECT_TRUE(mentions(report, "puzzle 2: link SNOW BALL is not graded"));
    EXPECT_EQ(refused(report, PuzzleChecker::kNotUsable), 2u);
    EXPECT_EQ(refused(report, PuzzleChecker::kTooWeak), 0u);
}

// The figures the bank is judged by: chains by WEAK links, and the share of
// GOOD links in each quarter of the file.
TEST(PuzzleCheckerLists, CountsWeakLinksByChainAndGoodLinksByQuarter)
{
    FireLists fire;
    fire.graded.add("ENGINE", "ROOM", GradedLinks::Verdict::Weak);
    PuzzleChecker checker = anyCount();
    checker.m_maxWeak = 1;
    std::vector<Words> chains = {kSnow, kSnow, kSnow, kFire};
    auto report = checker.check(file(chains), fire.lists());
    EXPECT_EQ(report.chainsByWeakLinks, (std::map<int, int>{{0, 3}, {1, 1}}));
    EXPECT_EQ(report.goodLinksByQuarter[0], std::make_pair(0, 6)); // SNOW... is not graded
    EXPECT_EQ(report.goodLinksByQuarter[3], std::make_pair(5, 6));
}

TEST(PuzzleCheckerLists, SecondAnswerCountsOnlyAtTheSameLength)
{
    FireLists fire;
    // KEY joins ROOM and SHIP too, but MATE has four letters: no clash.
    fire.answers.addLink("ROOM", "KEY", 8);
    fire.answers.addLink("KEY", "SHIP", 1);
    fire.answers.finish();
    EXPECT_TRUE(anyCount().check(file({kFire}), fire.lists()).ok());

    // MAID does have four letters, even if only a weak or WordNet link.
    fire.answers.addLink("ROOM", "MAID", 0);
    fire.answers.addLink("MAID", "SHIP", 1);
    fire.answers.finish();
    auto report = anyCount().check(file({kFire}), fire.lists());
    ASSERT_EQ(report.problems.size(), 1u);
    EXPECT_EQ(report.problems[0], "puzzle 1: hidden word MATE is not the only answer "
                                  "between ROOM and SHIP; also: MAID");
    EXPECT_EQ(refused(report, PuzzleChecker::kSecondAnswer), 1u);
}

TEST(PuzzleCheckerLists, SpellingsAndWordFormsAreRefused)
{
    FireLists fire;
    fire.spellings.build({"yard", "colour"}, {"yard", "color"});
    EXPECT_TRUE(anyCount().check(file({kFire}), fire.lists()).ok());
    fire.spellings.build({"yard"}, {}); // as if YARD were British only
    auto report = anyCount().check(file({kFire}), fire.lists());
    EXPECT_TRUE(mentions(report, "word YARD is spelt differently"));

    Words forms = {"BOOK", "CASE", "WORK", "SHOP", "BOOKS", "HELF", "LIFE"};
    auto formsReport = anyCount().check(file({forms}));
    EXPECT_TRUE(mentions(formsReport, "puzzle 1: BOOK and BOOKS are forms of one word"));
    EXPECT_EQ(refused(formsReport, PuzzleChecker::kWordForms), 1u);
}

TEST(PuzzleCheckerRepeats, ThreeWordsInARowSharedWithAnEarlierChain)
{
    Words near = {"BON", "FIRE", "ENGINE", "ROOM", "KEY", "HOLE", "PUNCH"};
    auto report = anyCount().check(file({kFire, near}));
    ASSERT_EQ(report.problems.size(), 1u);
    EXPECT_EQ(report.problems[0], "puzzle 2: FIRE ENGINE ROOM is also in puzzle 1");
    Words apart = near;
    apart[3] = "OIL";
    EXPECT_TRUE(anyCount().check(file({kFire, apart})).ok());
}
