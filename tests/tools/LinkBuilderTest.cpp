#include "tools/puzzles/CuratedLists.h"
#include "tools/puzzles/LinkBuilder.h"
#include "tools/puzzles/WordNetReader.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

// A WordNet in miniature, in the real file layout, so the link rules can be
// tried without the database installed.
class MiniWordNet : public ::testing::Test {
protected:
    void SetUp() override
    {
        write("data.noun",
            "  licence header lines start with blanks\n"
            "00000010 06 n 01 snowball 0 001 @ 00000020 n 0000 | a ball of snow\n"
            "00000020 06 n 01 ball 0 000 | a round object\n"
            "00000030 27 n 01 snow 0 000 | frozen rain\n"
            "00000040 10 n 01 notice 0 000 | an announcement that is posted\n"
            "00000050 27 n 01 ice 0 000 | frozen water\n"
            "00000060 04 n 01 wetting 0 000 | the act of making something wet\n"
            "00000070 06 n 02 fire_engine 0 fire_truck 0 000 | a truck that carries firemen\n"
            "00000080 11 n 01 fire 0 000 | burning\n"
            "00000090 06 n 01 engine 0 000 | a machine\n"
            "00000100 06 n 01 ting 0 000 | a light ringing sound\n"
            "00000110 06 n 01 carpet 0 000 | a floor covering\n"
            "00000120 06 n 01 car 0 000 | a motor vehicle\n"
            "00000130 05 n 01 pet 0 000 | a tame animal\n"
            "00000140 10 n 01 Fire_Ball 0 000 | a brand name\n");
        write("index.noun",
            "  licence\n"
            "ball n 1 0 1 5 00000020\n"
            "car n 1 0 1 9 00000120\n"
            "carpet n 1 0 1 0 00000110\n"
            "engine n 1 0 1 4 00000090\n"
            "fire n 1 0 1 7 00000080\n"
            "fire_ball n 1 0 1 0 00000140\n"
            "fire_engine n 1 0 1 1 00000070\n"
            "ice n 1 0 1 3 00000050\n"
            "notice n 1 0 1 2 00000040\n"
            "pet n 1 0 1 3 00000130\n"
            "snow n 1 0 1 4 00000030\n"
            "snowball n 1 1 @ 1 0 00000010\n"
            "ting n 1 0 1 0 00000100\n"
            "wet n 0 0 0 0\n"
            "wetting n 1 0 1 0 00000060\n");
        write("data.adv", "00000200 02 r 01 not 0 000 | negation\n");
        write("index.adv", "not r 1 0 1 9 00000200\n");
        write("data.adj", "00000300 00 a 01 wet 0 000 | covered with water\n");
        write("index.adj", "wet a 1 0 1 4 00000300\n");
        write("data.verb", "");
        write("index.verb", "");
        write("index.sense",
            "fire_engine%1:06:00:: 00000070 1 3\n"
            "fire%1:11:00:: 00000080 1 20\n"
            "engine%1:06:00:: 00000090 1 20\n");
        ASSERT_TRUE(m_wordNet.load(m_dir.string(), m_error)) << m_error;
    }

    void write(const std::string& name, const std::string& text)
    {
        std::ofstream(m_dir / name) << text;
    }

    LinkGraph build(const std::string& allowText = "", const std::string& denyText = "")
    {
        write("allow.txt", allowText);
        write("deny.txt", denyText);
        CuratedLists lists;
        EXPECT_TRUE(lists.loadAllow((m_dir / "allow.txt").string(), m_error));
        EXPECT_TRUE(lists.loadDeny((m_dir / "deny.txt").string(), m_error));
        LinkBuilder builder(m_wordNet, m_common, m_common, lists);
        return builder.build();
    }

    // Each case has a folder of its own: cases run side by side.
    ScratchFolder m_scratch;
    fs::path m_dir = m_scratch.path();
    std::string m_error;
    WordNetReader m_wordNet;
    std::set<std::string> m_common = {"snow", "ball", "snowball", "not", "ice", "notice",
        "wet", "wetting", "ting", "fire", "engine", "carpet", "car", "pet"};
};

} // namespace

TEST_F(MiniWordNet, RealCompoundsBecomeLinksAndChanceSplitsDoNot)
{
    LinkGraph graph = build();
    EXPECT_TRUE(graph.hasLink("SNOW", "BALL"));    // the gloss names the ball
    EXPECT_TRUE(graph.hasLink("FIRE", "ENGINE"));  // a two-word entry
    EXPECT_FALSE(graph.hasLink("NOT", "ICE"));     // nothing in NOTICE is ice
    EXPECT_FALSE(graph.hasLink("CAR", "PET"));
    EXPECT_FALSE(graph.hasLink("WET", "TING"));    // a form of WET
    EXPECT_FALSE(graph.hasLink("FIRE", "BALL"));   // only ever a capitalised name
}

TEST_F(MiniWordNet, PhraseMetInTheTaggedCorpusScoresHigher)
{
    LinkGraph tagged = build();
    write("index.sense",
        "fire%1:11:00:: 00000080 1 20\n"
        "engine%1:06:00:: 00000090 1 20\n");
    WordNetReader untaggedWordNet;
    ASSERT_TRUE(untaggedWordNet.load(m_dir.string(), m_error));
    CuratedLists none;
    LinkGraph untagged = LinkBuilder(untaggedWordNet, m_common, m_common, none).build();
    int withTag = tagged.score(tagged.id("FIRE"), tagged.id("ENGINE"));
    int withoutTag = untagged.score(untagged.id("FIRE"), untagged.id("ENGINE"));
    EXPECT_GT(withTag, withoutTag);
    EXPECT_GE(withoutTag, 1); // still a usable link, just a later one
}

TEST_F(MiniWordNet, AllowAndDenyListsHaveTheLastWord)
{
    LinkGraph graph = build("car pet  # carpets are hand-picked here\n", "SNOW\nFIRE ENGINE\n");
    EXPECT_EQ(graph.score(graph.id("CAR"), graph.id("PET")), LinkBuilder::kAllowedScore);
    EXPECT_FALSE(graph.hasLink("SNOW", "BALL"));
    EXPECT_FALSE(graph.hasLink("FIRE", "ENGINE"));
}

TEST(CuratedLists, LinesOfThreeWordsAreRefused)
{
    ScratchFolder scratch;
    auto path = scratch.path() / "bad_allow.txt";
    std::ofstream(path) << "ICE CREAM CONE\n";
    CuratedLists lists;
    std::string error;
    EXPECT_FALSE(lists.loadAllow(path.string(), error));
    EXPECT_NE(error.find("two words"), std::string::npos);
}
