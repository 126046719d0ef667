#include "players/ScoreFile.h"
#include "tests/faults/ScoreImages.h"
#include "tests/faults/ScoreModel.h"
#include "tests/faults/ScoreOpProcess.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>
#include <sys/mount.h>

using scoremodel::Bytes;
using scoremodel::Op;

namespace {

const std::string kPath = "zorvsco.dat";

// Runs one operation in the helper with no file allowed to grow past limit.
int runLimited(long limit, Op op, const std::string& name, int32_t score = 0)
{
    ScoreOpProcess child({"--fsize", std::to_string(limit), kPath, scoremodel::opName(op), name,
                          std::to_string(score)},
                         false);
    const int status = child.wait();
    return WIFEXITED(status) ? WEXITSTATUS(status) : 100 + WTERMSIG(status);
}

bool onlyTheScoreFileIsLeft()
{
    for (const auto& entry : std::filesystem::directory_iterator("."))
        if (entry.path().filename() != kPath)
            return false;
    return true;
}

class FileSizeLimitTest : public ::testing::Test {
protected:
    // 40 players, the last two named "Twin", and 7 stray bytes at the end.
    void SetUp() override
    {
        std::mt19937 rng(7);
        m_before = randomScoreImage(rng, 38, false, 0);
        for (int i = 0; i < 2; ++i) {
            const Bytes twin = scoremodel::record("Twin", 500, 2, 1597);
            m_before.insert(m_before.end(), twin.begin(), twin.end());
        }
        m_before.insert(m_before.end(), {'s', 't', 'r', 'a', 'y', '!', '!'});
        scoremodel::writeBytes(kPath, m_before);
    }
    long wholeRecords() const { return long(m_before.size() / 32 * 32); }

    // The operation must report the failure and leave every byte in place.
    void expectRefused(long limit, Op op, const std::string& name, int32_t score = 0)
    {
        EXPECT_EQ(runLimited(limit, op, name, score), 2) << scoremodel::opName(op) << " did not report it";
        EXPECT_EQ(scoremodel::readBytes(kPath), m_before) << scoremodel::opName(op) << " changed the file";
        EXPECT_TRUE(onlyTheScoreFileIsLeft()) << scoremodel::opName(op) << " left a file behind";
    }

    ScratchFolder m_folder;
    Bytes m_before;
};

} // namespace

TEST_F(FileSizeLimitTest, AddingAPlayerToAFullDiskIsReportedAndTheTailKept)
{
    expectRefused(long(m_before.size()), Op::Add, "Newcomer");
    expectRefused(wholeRecords() + 20, Op::Add, "Newcomer"); // part of the record fits
}

TEST_F(FileSizeLimitTest, SortingOnAFullDiskIsReportedAndTheOldOrderKept)
{
    expectRefused(long(m_before.size()) - 1, Op::Sort, "");
}

// The second of two writes fails after the first went through: the first
// must be taken back, or the two records of one name drift apart.
TEST_F(FileSizeLimitTest, AFailedSecondWriteUndoesTheFirst)
{
    expectRefused(wholeRecords() - 32 + 10, Op::Advance, "Twin");
}

TEST_F(FileSizeLimitTest, AFailedRoundWriteIsReportedAndNothingCounted)
{
    expectRefused(wholeRecords() - 64 + 5, Op::Finish, "Twin", 900);
    expectRefused(wholeRecords() - 64, Op::Quit, "Twin");
}

// Rounds only rewrite records in place, so they still count on a full disk.
TEST_F(FileSizeLimitTest, RoundsStillCountWhenTheFileNeedNotGrow)
{
    const long limit = long(m_before.size());
    for (Op op : {Op::Advance, Op::Finish, Op::Quit}) {
        const Bytes before = scoremodel::readBytes(kPath);
        const auto call = scoremodel::Call{op, "P3", 640};
        ASSERT_EQ(runLimited(limit, op, call.name, call.score), 0) << scoremodel::opName(op);
        EXPECT_EQ(scoremodel::readBytes(kPath), scoremodel::expectedAfter(before, call).file)
            << scoremodel::opName(op);
    }
}

namespace {

// A real full file system: a 64 KiB tmpfs, filled up to the last block.
class TinyDiskTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "lexiloop-disk-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            GTEST_SKIP() << "no temporary folder: " << std::strerror(errno);
        m_mount = pattern;
        if (::mount("tmpfs", m_mount.c_str(), "tmpfs", 0, "size=64k") != 0) {
            const int err = errno;
            std::filesystem::remove(m_mount);
            m_mount.clear();
            GTEST_SKIP() << "cannot mount a small tmpfs here (" << std::strerror(err)
                         << "); the file-size limit tests cover a full disk instead";
        }
        m_previous = std::filesystem::current_path();
        std::filesystem::current_path(m_mount);
    }
    void TearDown() override
    {
        if (m_mount.empty())
            return;
        std::filesystem::current_path(m_previous);
        ::umount2(m_mount.c_str(), MNT_DETACH);
        std::filesystem::remove(m_mount);
    }
    // Writes the score file (a whole number of 4 KiB blocks, so any growth
    // needs a new block) and fills the rest of the disk.
    void fill(const Bytes& image)
    {
        scoremodel::writeBytes(kPath, image);
        FILE* filler = std::fopen("filler", "wb");
        ASSERT_NE(filler, nullptr);
        std::setvbuf(filler, nullptr, _IONBF, 0);
        const std::vector<char> block(512, 'x');
        while (std::fwrite(block.data(), 1, block.size(), filler) == block.size()) {
        }
        std::fclose(filler);
    }

    std::string m_mount;
    std::filesystem::path m_previous;
};

} // namespace

TEST_F(TinyDiskTest, AFullDiskRefusesGrowthAndKeepsEveryByte)
{
    std::mt19937 rng(11);
    const Bytes before = randomScoreImage(rng, 128, false, 0); // exactly one block
    fill(before);
    ScoreFile file(kPath);

    const auto added = file.findOrAdd("Newcomer");
    EXPECT_FALSE(added.ok());
    EXPECT_NE(added.error.find(kPath), std::string::npos) << added.error;
    EXPECT_EQ(scoremodel::readBytes(kPath), before);

    const auto sorted = file.sortByAverage();
    EXPECT_FALSE(sorted.ok());
    EXPECT_EQ(scoremodel::readBytes(kPath), before);
    std::filesystem::remove("filler");
    EXPECT_TRUE(onlyTheScoreFileIsLeft()) << "a failed sort left its copy on the full disk";
}

TEST_F(TinyDiskTest, RoundsStillCountOnAFullDisk)
{
    std::mt19937 rng(12);
    const Bytes before = randomScoreImage(rng, 128, false, 0);
    fill(before);
    const scoremodel::Call call{Op::Finish, "P77", 812};
    EXPECT_EQ(scoremodel::runAndCheck(kPath, before, call), "");
}
