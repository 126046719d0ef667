#include "tests/fuzz/FuzzBodies.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

using Body = std::string (*)(const uint8_t*, std::size_t);

// Every seed and every input that once broke a rule goes through the fuzz
// checks on each test run, sanitized or not, with or without clang.
void replay(const std::string& target, Body body)
{
    int inputs = 0;
    for (const char* kind : {"seeds", "regressions"}) {
        const std::filesystem::path dir = std::filesystem::path(LEXILOOP_FUZZ_DIR) / kind / target;
        if (!std::filesystem::is_directory(dir))
            continue;
        for (const auto& entry : std::filesystem::directory_iterator(dir)) {
            std::ifstream in(entry.path(), std::ios::binary);
            const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
            EXPECT_EQ(body(bytes.data(), bytes.size()), "") << entry.path();
            ++inputs;
        }
    }
    EXPECT_GT(inputs, 0) << "no inputs for " << target;
}

} // namespace

TEST(FuzzReplayTest, ScoreFileInputs) { replay("fuzz_scorefile", fuzzScoreFile); }

TEST(FuzzReplayTest, GameDataInputs) { replay("fuzz_gamedata", fuzzGameData); }
