#include "ScoreFileFixture.h"

#include "players/ScoreFile.h"

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Failures are staged in a child process, so that a lowered file-size
// limit or a dropped user id cannot touch the test runner itself. The
// child returns 0 when everything held, else the number of the failed check.
int inChild(const std::function<int()>& body)
{
    const pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(body());
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 100 + WTERMSIG(status);
}

// A full disk, as far as this process can tell: no file may grow past limit.
void limitFileSize(rlim_t limit)
{
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit rl{};
    ::getrlimit(RLIMIT_FSIZE, &rl);
    rl.rlim_cur = limit;
    ::setrlimit(RLIMIT_FSIZE, &rl);
}

// Root may write anywhere, so read-only folders are tried as nobody.
bool dropRoot()
{
    return ::geteuid() != 0 || (::setgid(65534) == 0 && ::setuid(65534) == 0);
}

bool mentionsFile(const std::string& error) { return error.find("zorvsco.dat") != std::string::npos; }

class ScoreFileFailureTest : public ScoreFileFixture {
protected:
    void readOnlyFolder() const
    {
        std::filesystem::permissions(m_dir, std::filesystem::perms(0555));
    }
};

} // namespace

TEST_F(ScoreFileFailureTest, FullDiskOverAPartialRecordRestoresItsBytes)
{
    const Bytes image = cat({rec("Ann", 1, 1, 1), {'t', 'a', 'i', 'l'}});
    writeImage(image);
    const int failed = inChild([&] {
        limitFileSize(image.size() + 10); // room for part of the record only
        auto r = ScoreFile(m_path).findOrAdd("Bob");
        return r.ok() ? 1 : mentionsFile(r.error) ? 0 : 2;
    });
    EXPECT_EQ(failed, 0);
    EXPECT_EQ(readImage(), image);
}

TEST_F(ScoreFileFailureTest, FullDiskDuringSortLeavesTheFileAndNoCopy)
{
    const Bytes image = cat({rec("Low", 1, 1, 1), rec("High", 9, 1, 1)});
    writeImage(image);
    const int failed = inChild([&] {
        limitFileSize(40);
        auto r = ScoreFile(m_path).sortByAverage();
        return r.ok() ? 1 : mentionsFile(r.error) ? 0 : 2;
    });
    EXPECT_EQ(failed, 0);
    EXPECT_EQ(readImage(), image);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_dir), {}), 1);
}

TEST_F(ScoreFileFailureTest, ReadOnlyFolderWithoutAFileRefusesNewPlayers)
{
    readOnlyFolder();
    const int failed = inChild([&] {
        if (!dropRoot())
            return 9;
        ScoreFile file(m_path);
        auto added = file.findOrAdd("Ann");
        if (added.ok() || !mentionsFile(added.error))
            return 1;
        auto names = file.listNames();
        return names.ok() && names.value->empty() ? 0 : 2;
    });
    EXPECT_EQ(failed, 0);
    EXPECT_FALSE(fileThere());
}

TEST_F(ScoreFileFailureTest, ReadOnlyFileIsListedButNeverChanged)
{
    const Bytes image = cat({rec("Low", 1, 1, 1), rec("High", 9, 1, 1)});
    writeImage(image);
    std::filesystem::permissions(m_path, std::filesystem::perms(0644));
    readOnlyFolder();
    const int failed = inChild([&] {
        if (!dropRoot())
            return 9;
        ScoreFile file(m_path);
        if (file.listNames().value.value_or(std::vector<std::string>{}).size() != 2)
            return 1;
        auto added = file.findOrAdd("Ann");
        if (added.ok() || !mentionsFile(added.error))
            return 2;
        if (file.advance("Low").ok() || file.recordFinishedRound("Low", 5).ok())
            return 3;
        auto sorted = file.sortByAverage();
        return sorted.ok() || !mentionsFile(sorted.error) ? 4 : 0;
    });
    EXPECT_EQ(failed, 0);
    EXPECT_EQ(readImage(), image);
}

TEST_F(ScoreFileFailureTest, WritableFileInReadOnlyFolderCanPlayButNotSort)
{
    const Bytes image = cat({rec("Low", 1, 1, 1), rec("High", 9, 1, 1)});
    writeImage(image);
    std::filesystem::permissions(m_path, std::filesystem::perms(0666));
    readOnlyFolder();
    const int failed = inChild([&] {
        if (!dropRoot())
            return 9;
        ScoreFile file(m_path);
        if (!file.recordFinishedRound("Low", 1).ok())
            return 1;
        auto sorted = file.sortByAverage();
        return sorted.ok() || !mentionsFile(sorted.error) ? 2 : 0;
    });
    EXPECT_EQ(failed, 0);
    EXPECT_EQ(readImage(), cat({rec("Low", 2, 2, 1), rec("High", 9, 1, 1)}));
}

TEST_F(ScoreFileFailureTest, TwoCopiesOfTheGameLoseNoUpdates)
{
    // Ann's average swings around Zed's 2, so sorts keep swapping them.
    writeImage(cat({rec("Zed", 2000, 1000, 1), rec("Ann", 0, 0, 1)}));
    constexpr int kCopies = 4;
    constexpr int kRounds = 150;
    std::vector<pid_t> children;
    for (int c = 0; c < kCopies; ++c) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            ScoreFile file(m_path);
            int bad = 0;
            for (int i = 0; i < kRounds; ++i) {
                bad += !file.recordFinishedRound("Ann", i % 2 ? 4 : 0).ok();
                bad += !file.findOrAdd("C" + std::to_string(c) + "-" + std::to_string(i % 20)).ok();
                // Sorting replaces the file under the others' feet.
                bad += !file.sortByAverage().ok();
            }
            ::_exit(bad == 0 ? 0 : 1);
        }
        children.push_back(pid);
    }
    for (pid_t pid : children) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    auto records = ScoreFile(m_path).listRecords();
    ASSERT_TRUE(records.ok());
    EXPECT_EQ(records.value->size(), 2u + kCopies * 20);
    int annRecords = 0;
    for (const auto& r : *records.value) {
        if (r.Name != "Ann")
            continue;
        ++annRecords;
        EXPECT_EQ(r.TimesPlayed, kCopies * kRounds);
        EXPECT_EQ(r.TotalScore, 2 * kCopies * kRounds);
    }
    EXPECT_EQ(annRecords, 1);
}
