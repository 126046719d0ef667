#include "ScoreFileFixture.h"

#include <unistd.h>

#include "players/ScoreFile.h"

#include <sys/stat.h>

namespace {

class ScoreFileTest : public ScoreFileFixture {
protected:
    ScoreFile file() const { return ScoreFile(m_path); }

    std::vector<std::string> names() const
    {
        auto r = file().listNames();
        EXPECT_TRUE(r.ok()) << r.error;
        return r.value.value_or(std::vector<std::string>{});
    }
};

} // namespace

TEST_F(ScoreFileTest, AbsentFileListsAndSortsNothingAndCreatesNothing)
{
    auto f = file();
    EXPECT_TRUE(names().empty());
    auto records = f.listRecords();
    ASSERT_TRUE(records.ok());
    EXPECT_TRUE(records.value->empty());
    EXPECT_TRUE(f.sortByAverage().ok());
    EXPECT_TRUE(f.remove().ok());
    EXPECT_FALSE(fileThere());
}

TEST_F(ScoreFileTest, RoundRecordingOnAbsentFileCreatesItEmptyAndRecordsNothing)
{
    auto f = file();
    auto r = f.recordFinishedRound("Ann", 900);
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_FALSE(r.value->has_value());
    EXPECT_TRUE(f.recordQuitRound("Ann").ok());
    EXPECT_TRUE(f.advance("Ann").ok());
    EXPECT_TRUE(fileThere());
    EXPECT_TRUE(readImage().empty());
}

TEST_F(ScoreFileTest, EmptyFileListsNothingAndSortLeavesIt)
{
    writeImage({});
    EXPECT_TRUE(names().empty());
    EXPECT_TRUE(file().sortByAverage().ok());
    EXPECT_TRUE(readImage().empty());
}

TEST_F(ScoreFileTest, FirstPlayerCreatesTheFileWithOneRecord)
{
    auto f = file();
    auto r = f.findOrAdd("Ann");
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_EQ(r.value->Name, "Ann");
    EXPECT_EQ(r.value->NextPuzzle, 1);
    EXPECT_EQ(readImage(), rec("Ann", 0, 0, 1));
    ASSERT_TRUE(f.advance("Ann").ok());
    EXPECT_EQ(readImage(), rec("Ann", 0, 0, 2));
}

TEST_F(ScoreFileTest, KnownPlayerIsFoundAndNewOneAppended)
{
    const auto image = cat({rec("Bob", 100, 1, 7), rec("ABCDEFGHIJKLMNOPQRST", 5, 5, 9)});
    writeImage(image);
    auto f = file();

    auto bob = f.findOrAdd("Bob");
    ASSERT_TRUE(bob.ok());
    EXPECT_EQ(bob.value->NextPuzzle, 7);
    EXPECT_EQ(bob.value->TotalScore, 100);
    auto full = f.findOrAdd("ABCDEFGHIJKLMNOPQRST");
    ASSERT_TRUE(full.ok());
    EXPECT_EQ(full.value->NextPuzzle, 9);
    EXPECT_EQ(readImage(), image);

    // Names are compared exactly: case and trailing blanks count.
    ASSERT_TRUE(f.findOrAdd("bob").ok());
    EXPECT_EQ(readImage(), cat({image, rec("bob", 0, 0, 1)}));
    EXPECT_EQ(names(), (std::vector<std::string>{"Bob", "ABCDEFGHIJKLMNOPQRST", "bob"}));
}

TEST_F(ScoreFileTest, NamesAreStoredInWindows1252)
{
    auto f = file();
    ASSERT_TRUE(f.findOrAdd("Zoë €").ok());
    EXPECT_EQ(readImage(), rec("Zo\xEB \x80", 0, 0, 1));
    auto again = f.findOrAdd("Zoë €");
    ASSERT_TRUE(again.ok());
    EXPECT_EQ(readImage().size(), 32u);
    EXPECT_EQ(names(), std::vector<std::string>{"Zoë €"});
}

TEST_F(ScoreFileTest, NamesThatCannotBeStoredAreRefused)
{
    auto f = file();
    for (const char* bad : {"", "ABCDEFGHIJKLMNOPQRSTU", "Ωmega", "Ann "}) {
        auto r = f.findOrAdd(bad);
        EXPECT_FALSE(r.ok()) << bad;
        EXPECT_NE(r.error.find("zorvsco.dat"), std::string::npos) << r.error;
    }
    EXPECT_FALSE(fileThere());
}

TEST_F(ScoreFileTest, AdvanceMovesEveryMatchingRecordAndWraps)
{
    writeImage(cat({rec("Ann", 0, 0, 1597), rec("Bob", 0, 0, 4), rec("Ann", 0, 0, 10)}));
    auto f = file();
    auto ann = f.findOrAdd("Ann");
    EXPECT_EQ(ann.value->NextPuzzle, 1597);
    ASSERT_TRUE(f.advance("Ann").ok());
    EXPECT_EQ(readImage(), cat({rec("Ann", 0, 0, 1), rec("Bob", 0, 0, 4), rec("Ann", 0, 0, 11)}));
    EXPECT_EQ(f.findOrAdd("Ann").value->NextPuzzle, 1);
    ASSERT_TRUE(f.advance("Nobody").ok());
    EXPECT_EQ(readImage().size(), 96u);
}

TEST_F(ScoreFileTest, OutOfRangeNextPuzzleCountsAsOne)
{
    writeImage(cat({rec("Low", 0, 0, 0), rec("High", 0, 0, 1598), rec("Neg", 0, 0, -7)}));
    auto f = file();
    for (const char* name : {"Low", "High", "Neg"}) {
        EXPECT_EQ(f.findOrAdd(name).value->NextPuzzle, 1) << name;
        ASSERT_TRUE(f.advance(name).ok());
    }
    EXPECT_EQ(readImage(), cat({rec("Low", 0, 0, 2), rec("High", 0, 0, 2), rec("Neg", 0, 0, 2)}));
}

TEST_F(ScoreFileTest, FinishedRoundUpdatesTheFirstMatchOnly)
{
    writeImage(cat({rec("Ann", 1000, 1, 5), rec("Ann", 0, 0, 5)}));
    auto f = file();
    auto r = f.recordFinishedRound("Ann", 1000);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(*r.value, std::optional<double>(1000.0));
    r = f.recordFinishedRound("Ann", 0);
    EXPECT_DOUBLE_EQ(r.value->value(), 2000.0 / 3.0);
    EXPECT_EQ(readImage(), cat({rec("Ann", 2000, 3, 5), rec("Ann", 0, 0, 5)}));

    r = f.recordFinishedRound("Nobody", 500);
    ASSERT_TRUE(r.ok());
    EXPECT_FALSE(r.value->has_value());
}

TEST_F(ScoreFileTest, QuitRoundCountsAsZero)
{
    writeImage(rec("Ann", 900, 1, 3));
    auto f = file();
    ASSERT_TRUE(f.recordQuitRound("Ann").ok());
    EXPECT_EQ(readImage(), rec("Ann", 900, 2, 3));
}

TEST_F(ScoreFileTest, PartialLastRecordIsIgnoredUntilANewPlayerOverwritesIt)
{
    const Bytes tail = {'X', 'Y', 'Z', 1, 2, 3, 4};
    writeImage(cat({rec("Ann", 50, 2, 3), tail}));
    auto f = file();
    EXPECT_EQ(names(), std::vector<std::string>{"Ann"});

    ASSERT_TRUE(f.recordFinishedRound("Ann", 10).ok());
    EXPECT_EQ(readImage(), cat({rec("Ann", 60, 3, 3), tail}));
    ASSERT_TRUE(f.findOrAdd("Ann").ok());
    EXPECT_EQ(readImage().size(), 39u);

    ASSERT_TRUE(f.findOrAdd("Bob").ok());
    EXPECT_EQ(readImage(), cat({rec("Ann", 60, 3, 3), rec("Bob", 0, 0, 1)}));
}

TEST_F(ScoreFileTest, SortPutsHighestAverageFirstAndKeepsTies)
{
    const Bytes tail = {9, 9, 9};
    writeImage(cat({rec("Five", 10, 2, 1), rec("TieA", 25, 2, 2), rec("TieB", 50, 4, 3), tail}));
    ASSERT_TRUE(file().sortByAverage().ok());
    EXPECT_EQ(readImage(),
              cat({rec("TieA", 25, 2, 2), rec("TieB", 50, 4, 3), rec("Five", 10, 2, 1), tail}));
}

TEST_F(ScoreFileTest, SortCountsNoRoundsAsZeroAndLeavesASortedFileAlone)
{
    writeImage(cat({rec("New", 300, 0, 1), rec("Low", 1, 1, 1), rec("Neg", -5, 1, 1)}));
    ASSERT_TRUE(file().sortByAverage().ok());
    EXPECT_EQ(readImage(), cat({rec("Low", 1, 1, 1), rec("New", 300, 0, 1), rec("Neg", -5, 1, 1)}));

    // A second sort finds nothing to move and so does not rewrite the file.
    const auto inode = [this] {
        struct stat st {};
        ::stat(m_path.c_str(), &st);
        return st.st_ino;
    };
    const auto first = inode();
    ASSERT_TRUE(file().sortByAverage().ok());
    EXPECT_EQ(inode(), first);
}

TEST_F(ScoreFileTest, SortKeepsFilePermissionsAndLeavesNoTemporaryFile)
{
    writeImage(cat({rec("Low", 1, 1, 1), rec("High", 9, 1, 1)}));
    std::filesystem::permissions(m_path, std::filesystem::perms(0640));
    ASSERT_TRUE(file().sortByAverage().ok());
    EXPECT_EQ(std::filesystem::status(m_path).permissions(), std::filesystem::perms(0640));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_dir), {}), 1);
}

TEST_F(ScoreFileTest, ListRecordsGivesEveryFieldInFileOrder)
{
    writeImage(cat({rec("Ann", 2000, 3, 17), rec("Bob", -4, 2, 0)}));
    auto r = file().listRecords();
    ASSERT_TRUE(r.ok());
    ASSERT_EQ(r.value->size(), 2u);
    EXPECT_EQ((*r.value)[0].Name, "Ann");
    EXPECT_EQ((*r.value)[0].TotalScore, 2000);
    EXPECT_EQ((*r.value)[0].TimesPlayed, 3);
    EXPECT_EQ((*r.value)[0].NextPuzzle, 17);
    EXPECT_EQ((*r.value)[1].NextPuzzle, 0); // listed as stored
}

TEST_F(ScoreFileTest, RemoveDeletesTheFile)
{
    writeImage(rec("Ann", 1, 1, 1));
    auto f = file();
    ASSERT_TRUE(f.remove().ok());
    EXPECT_FALSE(fileThere());
    ASSERT_TRUE(f.findOrAdd("Ann").ok());
    EXPECT_EQ(readImage(), rec("Ann", 0, 0, 1));
}

// What the game asks of the file as its score store: the next puzzle moved
// on at the start of a round, the round counted at its end.
TEST_F(ScoreFileTest, AsTheGamesScoreStoreItAdvancesAndCounts)
{
    writeImage(cat({rec("Ann", 900, 1, 1597), rec("Bob", 0, 0, 4)}));
    auto f = file();
    EXPECT_EQ(f.advancePuzzle("Ann"), "");
    const ScoreStore::Counted counted = f.countRound("Ann", 700);
    EXPECT_EQ(counted.error, "");
    EXPECT_DOUBLE_EQ(counted.average.value_or(-1), 800.0);
    EXPECT_FALSE(f.countRound("Zed", 500).average);
    EXPECT_EQ(readImage(), cat({rec("Ann", 1600, 2, 1), rec("Bob", 0, 0, 4)}));

    std::filesystem::permissions(m_path, std::filesystem::perms(0444));
    if (::geteuid() != 0) { // root writes anyway
        EXPECT_NE(f.advancePuzzle("Ann").find("zorvsco.dat"), std::string::npos);
        const ScoreStore::Counted refused = f.countRound("Ann", 700);
        EXPECT_NE(refused.error.find("zorvsco.dat"), std::string::npos);
        EXPECT_FALSE(refused.average);
    }
}
