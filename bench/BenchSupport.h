#pragma once
#include "players/PlayerRecord.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

// Shared by the benchmark programs: a scratch folder, a players file of a
// given size in random order, and a timer that reports the median run.
namespace bench {

inline std::string scratchFolder()
{
    std::string tmpl = (std::filesystem::temp_directory_path() / "lexiloop-bench-XXXXXX").string();
    if (!::mkdtemp(tmpl.data())) {
        std::perror("mkdtemp");
        std::exit(1);
    }
    return tmpl;
}

inline std::string playerName(int i) { return "Player " + std::to_string(i); }

inline void writePlayers(const std::string& path, int count)
{
    std::mt19937 rng(static_cast<unsigned>(count));
    std::uniform_int_distribution<int> times(0, 50), perRound(0, 1000);
    std::vector<uint8_t> image;
    image.reserve(static_cast<std::size_t>(count) * kPlayerRecordSize);
    for (int i = 0; i < count; ++i) {
        const int played = times(rng);
        const auto b = encodePlayerRecord({playerName(i), played * perRound(rng), played, 1 + i % 1597});
        image.insert(image.end(), b.begin(), b.end());
    }
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
}

// Median wall time of runs of body, in milliseconds; prepare runs untimed
// before each one.
inline double medianMs(int runs, const std::function<void()>& prepare, const std::function<void()>& body)
{
    std::vector<double> ms;
    for (int r = 0; r < runs; ++r) {
        prepare();
        const auto start = std::chrono::steady_clock::now();
        body();
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

} // namespace bench
