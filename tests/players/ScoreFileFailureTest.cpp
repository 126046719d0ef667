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
