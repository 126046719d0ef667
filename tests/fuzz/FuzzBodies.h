#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// The bodies of the fuzz targets. Each takes arbitrary bytes, runs the code
// under test on them and yields a description of the first broken rule, or
// nothing. The libFuzzer targets abort on a description; core_tests replays
// the seed and regression inputs through the same bodies in every build.

// Bytes: [operation] [name choice] [score, 16-bit LE] [the score file...]
std::string fuzzScoreFile(const uint8_t* data, std::size_t size);
// Bytes: the whole game-data file.
std::string fuzzGameData(const uint8_t* data, std::size_t size);
