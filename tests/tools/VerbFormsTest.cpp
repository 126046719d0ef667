#include "tools/puzzles/ChainSearch.h"
#include "tools/puzzles/PuzzleChecker.h"
#include "tools/puzzles/VerbForms.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using Forms = std::vector<std::string>;

bool noLinks(const std::string&, const std::string&)
{
    return false;
}

} // namespace

TEST(VerbForms, OnlyFormsOfTheSameLengthEitherWay)
{
    EXPECT_EQ(VerbForms::sameLengthForms("TAKE"), Forms{"TOOK"}); // not TAKEN
    EXPECT_EQ(VerbForms::sameLengthForms("TOOK"), Forms{"TAKE"});
    EXPECT_EQ(VerbForms::sameLengthForms("RING"), (Forms{"RANG", "RUNG"}));
    EXPECT_TRUE(VerbForms::sameLengthForms("BUY").empty()); // BOUGHT is longer
    EXPECT_TRUE(VerbForms::sameLengthForms("SNOW").empty());
}

// A form is an answer only where it fits on both sides.
TEST(VerbForms, AFormFitsThroughAPrefixAParticleOrALink)
{
    EXPECT_EQ(VerbForms::secondAnswers("OUT", "GROW", "OLD", noLinks), Forms{"GREW"});
    EXPECT_EQ(VerbForms::secondAnswers("UNDER", "TAKE", "OVER", noLinks), Forms{"TOOK"});
    // UNDER makes TAKE a verb: TOOK OFFICE as well as TAKE OFFICE.
    EXPECT_EQ(VerbForms::secondAnswers("UNDER", "TAKE", "OFFICE", noLinks), Forms{"TOOK"});
    // WEDDING RING, RING ROAD: no one says WEDDING RANG or RANG ROAD.
    EXPECT_TRUE(VerbForms::secondAnswers("WEDDING", "RING", "ROAD", noLinks).empty());
    // HAND HOLD, HOLD TIGHT: HAND HELD is a link of its own.
    auto handHeld = [](const std::string& a, const std::string& b) { return a == "HAND" && b == "HELD"; };
    EXPECT_EQ(VerbForms::secondAnswers("HAND", "HOLD", "TIGHT", handHeld), Forms{"HELD"});
    EXPECT_TRUE(VerbForms::secondAnswers("STRONG", "HOLD", "TIGHT", handHeld).empty());
    EXPECT_TRUE(VerbForms::secondAnswers("HAND", "HOLD", "ROOM", handHeld).empty());
}

TEST(VerbForms, TheCheckerRefusesAChainWithAFormThatFits)
{
    const PuzzleCodec::Words chain = {"READ", "OUT", "GROW", "OLD", "HAND", "BOOK", "CASE"};
    LinkGraph answers;
    for (std::size_t i = 0; i + 1 < chain.size(); ++i)
        answers.addLink(chain[i], chain[i + 1], 8);
    answers.finish();
    PuzzleChecker checker;
    checker.m_expectedRecords = 0;
    std::vector<uint8_t> bytes;
    PuzzleCodec::append(chain, bytes);
    auto report = checker.check(bytes, {&answers, nullptr, nullptr});
    ASSERT_EQ(report.problems.size(), 1u);
    EXPECT_EQ(report.problems[0], "puzzle 1: hidden word GROW is not the only answer "
                                  "between OUT and OLD; also: GREW");
}

// Two ways lead through the middle of the chain: one hides GROW between
// OUT and OLD, where GREW fits as well, the other hides PLAY between OUT
// and AREA. Only the second may be used.
TEST(VerbForms, TheSearchNeverHidesAFormThatFits)
{
    LinkGraph g;
    for (const char* middle : {"GROW", "PLAY"}) {
        g.addLink("READ", "OUT", 8);
        g.addLink("OUT", middle, 8);
    }
    g.addLink("GROW", "OLD", 8);
    g.addLink("PLAY", "AREA", 8);
    for (const char* next : {"OLD", "AREA"}) {
        g.addLink(next, "CODE", 8);
    }
    g.addLink("CODE", "WORD", 8);
    g.addLink("WORD", "GAME", 8);
    g.finish();
    ChainSearch search(g, ChainSearch::Limits{});
    auto chains = search.run(5);
    ASSERT_FALSE(chains.empty());
    for (const Chain& c : chains)
        for (int i = 0; i < 7; ++i)
            EXPECT_NE(g.word(c[i]), "GROW");
}
