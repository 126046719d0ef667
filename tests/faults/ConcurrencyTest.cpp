#include "players/ScoreFile.h"
#include "tests/faults/RoundSchedule.h"
#include "tests/faults/ScoreImages.h"
#include "tests/faults/ScoreOpProcess.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <memory>
#include <random>

namespace {

constexpr int kRoundsEach = 300;

struct Totals {
    int64_t score = 0;
    int64_t times = 0;
};

} // namespace

// Two copies of the game record rounds at the same time, one of them now and
// then sorting the file (which replaces it): no round may be lost or counted
// twice, and no player may vanish or appear twice.
TEST(ConcurrencyTest, TwoCopiesRecordingAtOnceLoseNoRound)
{
    ScratchFolder folder;
    std::mt19937 rng(3);
    scoremodel::Bytes image = randomScoreImage(rng, 40, false, 0);
    for (const char* name : {sharedPlayer(), "Ann", "Bob"}) {
        const auto rec = scoremodel::record(name, 0, 0, 1);
        image.insert(image.end(), rec.begin(), rec.end());
    }
    scoremodel::writeBytes("zorvsco.dat", image);
    const auto before = ScoreFile().listRecords();
    ASSERT_TRUE(before.ok());

    std::map<std::string, Totals> want;
    for (const auto& rec : *before.value)
        want[rec.Name] = {rec.TotalScore, rec.TimesPlayed};
    for (const std::string who : {"Ann", "Bob"})
        for (int i = 0; i < kRoundsEach; ++i) {
            const ScheduledRound round = scheduledRound(who, i);
            want[round.name].score += round.score;
            want[round.name].times += 1;
        }

    std::vector<std::unique_ptr<ScoreOpProcess>> copies;
    for (const std::string who : {"Ann", "Bob"})
        copies.push_back(std::make_unique<ScoreOpProcess>(
            std::vector<std::string>{"rounds", "zorvsco.dat", who, std::to_string(kRoundsEach)}, false, true));
    for (auto& copy : copies)
        copy->release();
    for (auto& copy : copies) {
        const int status = copy->wait();
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a copy failed, status " << status;
    }

    const auto after = ScoreFile().listRecords();
    ASSERT_TRUE(after.ok());
    ASSERT_EQ(after.value->size(), before.value->size()) << "players were lost or doubled";
    std::map<std::string, Totals> got;
    for (const auto& rec : *after.value) {
        EXPECT_EQ(got.count(rec.Name), 0u) << rec.Name << " is in the file twice";
        got[rec.Name] = {rec.TotalScore, rec.TimesPlayed};
    }
    int64_t added = 0;
    for (const auto& [name, totals] : want) {
        EXPECT_EQ(got[name].times, totals.times) << name;
        EXPECT_EQ(got[name].score, totals.score) << name;
        added += got[name].times;
    }
    for (const auto& rec : *before.value)
        added -= rec.TimesPlayed;
    std::printf("concurrency: 2 copies x %d rounds at once; %lld rounds added to the file, "
                "%d players each once\n",
                kRoundsEach, static_cast<long long>(added), int(after.value->size()));
}
