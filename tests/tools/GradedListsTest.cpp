#include "tools/puzzles/GradedLinks.h"
#include "tools/puzzles/SpellingVariants.h"
#include "tools/puzzles/WordForms.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>

namespace {

namespace fs = std::filesystem;

// The lists and the merge script's output live in a folder of the test's
// own, since cases run side by side.
class GradedLists : public ::testing::Test {
protected:
    std::string write(const std::string& name, const std::string& text)
    {
        std::ofstream(m_dir / name) << text;
        return (m_dir / name).string();
    }
    // Runs merge-grades.sh with `inputs` and reads what it wrote into
    // `graded`; false when either fails.
    bool merge(const std::string& inputs, GradedLinks& graded)
    {
        std::string out = (m_dir / "graded.txt").string();
        std::string command = std::string("sh ") + LEXILOOP_PUZZLE_TOOLS_DIR + "/merge-grades.sh " + out
            + " " + inputs + " 2>" + (m_dir / "errors.txt").string();
        std::string error;
        return std::system(command.c_str()) == 0 && graded.load(out, error);
    }
    ScratchFolder m_scratch;
    fs::path m_dir = m_scratch.path();
};

using Verdict = GradedLinks::Verdict;

} // namespace

TEST_F(GradedLists, GradedListReadsVerdictsAndReasons)
{
    std::string path = write("graded.txt",
        "# graded by hand\n"
        "SNOW BALL GOOD\n"
        "FEE TAIL WEAK legal term\n"
        "ANT ACID BAD false split of ANTACID\n");
    GradedLinks graded;
    std::string error;
    ASSERT_TRUE(graded.load(path, error)) << error;
    EXPECT_TRUE(graded.good("SNOW", "BALL"));
    EXPECT_FALSE(graded.good("BALL", "SNOW")); // order matters
    EXPECT_EQ(graded.verdict("FEE", "TAIL"), Verdict::Weak);
    EXPECT_FALSE(graded.verdict("TAIL", "FEE").has_value());
    EXPECT_EQ(graded.count(Verdict::Good), 1);
    EXPECT_EQ(graded.count(Verdict::Bad), 1);
}

// A real word turned away only for its ending still counts as an answer a
// player may give, and so does a plain description (ROAST PORK): no set
// phrase, but what a player reading ROAST ____ STEAK would type. So does a
// phrase kept out only as unfit for the game (NUMBER TWO). A false split, a
// closed word with a suffix or a textbook's wording does not.
TEST_F(GradedLists, BadLinksThatAreFormsOfAWordAreKnown)
{
    std::string path = write("graded.txt",
        "BACK PACKING BAD inflected form of BACKPACK\n"
        "UNDER WENT BAD Past Tense form\n"
        "BLACK BERRIES BAD plural of BLACKBERRY\n"
        "ANT ACID BAD false split of ANTACID\n"
        "TRUCK TRAFFIC BAD description, not a phrase\n"
        "DARK RED BAD Colour blend, not a phrase\n"
        "BOX LIKE BAD suffix -like, description\n"
        "CAT GENUS BAD taxonomic description\n"
        "NUMBER TWO BAD toilet euphemism\n"
        "JET SKI BAD Trademark\n"
        "INTER COURSE BAD prefix split, unsuitable word\n"
        "FEE TAIL WEAK inflected legal term\n");
    GradedLinks graded;
    std::string error;
    ASSERT_TRUE(graded.load(path, error)) << error;
    EXPECT_TRUE(graded.formOfAWord("BACK", "PACKING"));
    EXPECT_TRUE(graded.formOfAWord("UNDER", "WENT"));
    EXPECT_TRUE(graded.formOfAWord("BLACK", "BERRIES"));
    EXPECT_FALSE(graded.formOfAWord("ANT", "ACID"));
    EXPECT_FALSE(graded.formOfAWord("TRUCK", "TRAFFIC"));
    EXPECT_FALSE(graded.formOfAWord("FEE", "TAIL")); // WEAK counts anyway

    for (auto [first, second] : {std::pair{"BACK", "PACKING"}, {"TRUCK", "TRAFFIC"}, {"DARK", "RED"}, {"NUMBER", "TWO"},
             {"JET", "SKI"}, {"FEE", "TAIL"}})
        EXPECT_TRUE(graded.answer(first, second)) << first << " " << second;
    for (auto [first, second] : {std::pair{"ANT", "ACID"}, {"BOX", "LIKE"}, {"CAT", "GENUS"}, {"INTER", "COURSE"},
             {"SNOW", "BALL"}})
        EXPECT_FALSE(graded.answer(first, second)) << first << " " << second;
}

TEST_F(GradedLists, GradedListRefusesLinesItCannotTrust)
{
    for (const auto& [text, message] : std::vector<std::pair<std::string, std::string>>{
             {"FEE TAIL WEAK\n", "WEAK without a reason"},
             {"SNOW BALL FINE\n", "expected FIRST SECOND"},
             {"SNOWBALL\n", "expected FIRST SECOND"},
             {"SNOW BALL GOOD\nSNOW BALL BAD no\n", "graded twice"}}) {
        GradedLinks graded;
        std::string error;
        EXPECT_FALSE(graded.load(write("bad.txt", text), error)) << text;
        EXPECT_NE(error.find(message), std::string::npos) << error;
    }
}

// The fair list only ever ranks WEAK links among themselves: a stale
// entry (a link since graded GOOD or BAD, or never graded) would silently
// put a made-up phrase first, so it stops the build instead.
TEST_F(GradedLists, FairListMarksOnlyWeakLinks)
{
    std::string gradedPath = write("graded.txt",
        "SNOW BALL GOOD\n"
        "FEE TAIL WEAK legal term\n"
        "CAR PARK WEAK British only\n"
        "ANT ACID BAD false split of ANTACID\n");
    GradedLinks graded;
    std::string error;
    ASSERT_TRUE(graded.load(gradedPath, error)) << error;
    ASSERT_TRUE(graded.loadFair(write("fair.txt", "# most players get it\nCAR PARK\n"), error)) << error;
    EXPECT_TRUE(graded.fair("CAR", "PARK"));
    EXPECT_FALSE(graded.fair("FEE", "TAIL"));
    EXPECT_FALSE(graded.fair("PARK", "CAR"));
    EXPECT_EQ(graded.fairCount(), 1);

    for (const auto& [text, message] : std::vector<std::pair<std::string, std::string>>{
             {"SNOW BALL\n", "SNOW BALL is not graded WEAK"},
             {"ANT ACID\n", "ANT ACID is not graded WEAK"},
             {"SKY LARK\n", "SKY LARK is not graded WEAK"},
             {"FEE TAIL WEAK\n", "expected FIRST SECOND"},
             {"FEE\n", "expected FIRST SECOND"}}) {
        GradedLinks again;
        ASSERT_TRUE(again.load(gradedPath, error)) << error;
        EXPECT_FALSE(again.loadFair(write("stale.txt", text), error)) << text;
        EXPECT_NE(error.find(message), std::string::npos) << error;
    }
}

TEST(SpellingVariants, OneSidedWordsAndTheirRespellingsDiffer)
{
    SpellingVariants spellings;
    // TIRE and LICENSE are in both lists (to tire, to license), yet they
    // are the American spelling of TYRE and LICENCE.
    spellings.build({"colour", "tyre", "tire", "licence", "license", "centre", "house", "prize"},
        {"color", "tire", "license", "center", "house", "prize"});
    for (const char* w : {"COLOUR", "COLOR", "TYRE", "TIRE", "LICENCE", "LICENSE", "CENTRE", "CENTER"})
        EXPECT_TRUE(spellings.differs(w)) << w;
    EXPECT_FALSE(spellings.differs("HOUSE"));
    EXPECT_FALSE(spellings.differs("PRIZE"));

    // Both spellings in both lists: the ending alone tells them apart,
    // and short words are left alone (FOUR is no British FOR).
    SpellingVariants endings;
    endings.build({"programme", "program", "four", "for", "licence", "license"},
        {"programme", "program", "four", "for", "licence", "license"});
    for (const char* w : {"PROGRAMME", "PROGRAM", "LICENCE", "LICENSE"})
        EXPECT_TRUE(endings.differs(w)) << w;
    EXPECT_FALSE(endings.differs("FOUR"));
    EXPECT_FALSE(endings.differs("FOR"));
}

TEST_F(GradedLists, SpellingListKeepsOnlyTheWordsAsked)
{
    SpellingVariants built;
    built.build({"colour", "theatre"}, {"color", "theater"});
    std::string path = (m_dir / "spelling.txt").string();
    ASSERT_TRUE(built.save(path, "header", {"COLOR", "THEATRE", "HOUSE"}));
    SpellingVariants loaded;
    std::string error;
    ASSERT_TRUE(loaded.load(path, error)) << error;
    EXPECT_EQ(loaded.words(), (std::set<std::string>{"COLOR", "THEATRE"}));
}

TEST(WordForms, FormsOfOneWordShareAStem)
{
    for (const auto& [a, b] : std::vector<std::pair<const char*, const char*>>{{"DRIVE", "DRIVING"},
             {"BOOK", "BOOKS"}, {"LIGHT", "LIGHTER"}, {"BOX", "BOXES"}, {"HORSE", "HORSES"},
             {"RUN", "RUNNING"}, {"BERRY", "BERRIES"}, {"FALL", "FALLING"}, {"PASS", "PASSED"},
             {"GLASS", "GLASSES"}, {"BAKE", "BAKER"}, {"WIN", "WINNER"}, {"PIE", "PIES"},
             {"WASHING", "WASHABLE"}, {"LOVE", "LOVABLE"}, {"FORGET", "FORGETTABLE"}})
        EXPECT_TRUE(WordForms::sameWord(a, b)) << a << " " << b;
}

TEST(WordForms, DifferentWordsStayApart)
{
    for (const auto& [a, b] : std::vector<std::pair<const char*, const char*>>{{"BUS", "BUSH"},
             {"CAR", "CARD"}, {"SNOW", "SNOWBALL"}, {"BUS", "BU"}, {"GLASS", "GLAS"},
             {"SHED", "SHE"}, {"RED", "REED"}, {"RING", "RIG"}, {"TABLE", "TAB"}, {"CABLE", "CAB"}})
        EXPECT_FALSE(WordForms::sameWord(a, b)) << a << " " << b;
    EXPECT_EQ(WordForms::stem("BUS"), "BUS");
    EXPECT_EQ(WordForms::stem("SEE"), "SEE"); // never below three letters
}

// A compound gives its parts away, but a word that only happens to begin
// or end with another does not.
TEST(WordForms, ACompoundHoldsItsPartsOnly)
{
    const std::set<std::string> words = {"DESK", "TOP", "BIRTH", "DAY", "INK", "JET", "ICE"};
    auto isWord = [&](const std::string& w) { return words.count(w) > 0; };
    EXPECT_TRUE(WordForms::holdsWord("DESKTOP", "DESK", isWord));
    EXPECT_TRUE(WordForms::holdsWord("DESKTOP", "TOP", isWord));
    EXPECT_TRUE(WordForms::holdsWord("BIRTHDAY", "DAY", isWord));
    EXPECT_TRUE(WordForms::holdsWord("INKJET", "INK", isWord));
    EXPECT_FALSE(WordForms::holdsWord("DRINK", "INK", isWord)); // DR is no word
    EXPECT_FALSE(WordForms::holdsWord("DESK", "DESKTOP", isWord));
    EXPECT_FALSE(WordForms::holdsWord("DESK", "DESK", isWord));
    EXPECT_FALSE(WordForms::holdsWord("TOPIC", "TOP", isWord)); // IC is too short
}

// merge-grades.sh is how new grades reach graded.txt: a link graded twice
// must keep its strictest verdict, and a line it cannot trust must not get
// in at all.
TEST_F(GradedLists, MergingGradesKeepsTheStrictestVerdict)
{
    std::string first = write("first.txt", "snow ball GOOD\nFEE TAIL WEAK legal term\n");
    std::string second = write("second.txt",
        "SNOW BALL GOOD\nFEE TAIL BAD not a phrase\nANT ACID WEAK\nBUS STOP FINE\nCAR PARK WEAK British\n");
    GradedLinks graded;
    ASSERT_TRUE(merge(first + " " + second, graded));
    EXPECT_EQ(graded.links().size(), 3u);
    EXPECT_TRUE(graded.good("SNOW", "BALL"));
    EXPECT_EQ(graded.verdict("FEE", "TAIL"), Verdict::Bad);
    EXPECT_EQ(graded.verdict("CAR", "PARK"), Verdict::Weak);
    EXPECT_FALSE(graded.verdict("ANT", "ACID").has_value()); // WEAK without a reason
    EXPECT_FALSE(graded.verdict("BUS", "STOP").has_value()); // no such verdict
}

// A re-review replaces the earlier verdict, but never makes GOOD a link the
// independent regrade demoted; a new grade never overrides an earlier one;
// review and new files not written yet are skipped.
TEST_F(GradedLists, ReviewsReplaceVerdictsAndNewGradesOnlyAdd)
{
    std::string first = write("first.txt",
        "FRONT GATE WEAK near-description\nSHOE TREE GOOD\nFEE TAIL WEAK legal term\n");
    std::string regrade = write("regrade.txt", "SHOE TREE WEAK less familiar\nFEE TAIL WEAK legal\n");
    std::string review = write("review.txt",
        "FRONT GATE GOOD\nSHOE TREE GOOD\nFEE TAIL GOOD\n");
    std::string added = write("new.txt", "FRONT GATE BAD no\nBUS STOP GOOD\n");
    GradedLinks graded;
    ASSERT_TRUE(merge(first + " --regrade " + regrade + " --review " + review + " "
            + (m_dir / "missing.txt").string() + " --new " + added,
        graded));
    EXPECT_EQ(graded.links().size(), 4u);
    EXPECT_TRUE(graded.good("FRONT", "GATE"));
    EXPECT_EQ(graded.verdict("SHOE", "TREE"), Verdict::Weak); // demoted by the regrade
    EXPECT_TRUE(graded.good("FEE", "TAIL"));                  // both said WEAK; not demoted
    EXPECT_TRUE(graded.good("BUS", "STOP"));
}
