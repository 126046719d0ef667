#include "tests/faults/ScoreImages.h"
#include "tests/faults/ScoreModel.h"
#include "tests/faults/ScoreOpProcess.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <random>

using scoremodel::Bytes;
using scoremodel::Op;

namespace {

// Sanitized builds start each helper far more slowly; fewer trials keep the
// run within a minute there.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kTrials = 250;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr int kTrials = 250;
#else
constexpr int kTrials = 1000;
#endif
#else
constexpr int kTrials = 1000;
#endif
constexpr unsigned kSeed = 20240611;
// Half the trials run the operation once and kill it within 150 us, about
// as long as one operation on a thousand players takes; the other half
// repeat it and kill somewhere along the run, so that many kills land while
// a write is under way.
constexpr unsigned kShortDelayMicros = 150;
constexpr unsigned kLongDelayMicros = 2000;
constexpr int kRepeats = 100;

struct Tally {
    int killed = 0, finished = 0, oldKept = 0, newWritten = 0, strayCopies = 0;
};

// Deletes the temporary copies a killed sort can leave and counts them.
int sweepStrayCopies(const std::string& path)
{
    int found = 0;
    for (const auto& entry : std::filesystem::directory_iterator(".")) {
        const std::string name = entry.path().filename().string();
        if (name != path && name.rfind(path, 0) == 0) {
            std::filesystem::remove(entry.path());
            ++found;
        }
    }
    return found;
}

scoremodel::Call randomCall(std::mt19937& rng, int players)
{
    static constexpr std::array<Op, 5> writes = {Op::Add, Op::Advance, Op::Finish, Op::Quit, Op::Sort};
    scoremodel::Call call;
    call.op = writes[rng() % writes.size()];
    call.name = rng() % 7 == 0 ? "Newcomer" : "P" + std::to_string(1 + rng() % unsigned(players));
    call.score = int32_t(rng() % 1001);
    return call;
}

} // namespace

// A copy of the game killed at any point of a write (power cut, kill -9)
// must leave every player exactly once, each with the old or the new
// numbers, and a partial record's bytes as they were.
TEST(KillTest, EveryKilledWriteLeavesTheOldOrTheNewFile)
{
    ScratchFolder folder;
    const std::string path = "zorvsco.dat";
    std::mt19937 rng(kSeed);
    Tally tally;
    for (int trial = 0; trial < kTrials; ++trial) {
        const int players = rng() % 5 == 0 ? 1 + int(rng() % 5) : 1 + int(rng() % 1000);
        const int tail = rng() % 3 == 0 ? 1 + int(rng() % 31) : 0;
        const Bytes before = randomScoreImage(rng, players, rng() % 4 == 0, tail);
        const scoremodel::Call call = randomCall(rng, players);
        const int repeat = trial % 2 == 0 ? 1 : kRepeats;
        const unsigned delay = rng() % (repeat == 1 ? kShortDelayMicros : kLongDelayMicros);
        // Every file the run may leave: before, after one operation, after two...
        std::vector<Bytes> valid{before};
        for (int i = 0; i < repeat; ++i) {
            Bytes next = scoremodel::expectedAfter(valid.back(), call).file;
            if (next == valid.back() && i > 0)
                break; // adding or sorting again changes nothing more
            valid.push_back(std::move(next));
        }
        scoremodel::writeBytes(path, before);

        ScoreOpProcess op({"--repeat", std::to_string(repeat), path, scoremodel::opName(call.op), call.name,
                           std::to_string(call.score)},
                          true);
        ASSERT_TRUE(op.started());
        ASSERT_TRUE(op.awaitReady()) << "the helper did not start";
        ::usleep(delay);
        op.kill();
        const int status = op.wait();
        const Bytes found = scoremodel::readBytes(path);

        const std::string what = "trial " + std::to_string(trial) + ": " + scoremodel::opName(call.op) + " "
                                 + call.name + " on " + std::to_string(players) + " players, tail "
                                 + std::to_string(tail) + ", " + std::to_string(repeat) + " times, killed after " + std::to_string(delay) + " us";
        if (WIFSIGNALED(status)) {
            ++tally.killed;
            ASSERT_NE(std::find(valid.begin(), valid.end(), found), valid.end())
                << what << ": the file is neither the old nor a new one";
        } else {
            ++tally.finished;
            ASSERT_EQ(WEXITSTATUS(status), 0) << what;
            ASSERT_TRUE(found == valid.back()) << what << ": a finished run left the wrong file";
        }
        if (found != before || before == valid[1])
            ++tally.newWritten;
        else
            ++tally.oldKept;
        tally.strayCopies += sweepStrayCopies(path);
    }
    std::printf("kill trials: %d (seed %u): %d killed, %d finished first; %d left the new file, "
                "%d the old one; %d stray copies of the file swept\n",
                kTrials, kSeed, tally.killed, tally.finished, tally.newWritten, tally.oldKept,
                tally.strayCopies);
    EXPECT_GT(tally.killed, kTrials / 5) << "too few kills landed before the end of the operation";
}
