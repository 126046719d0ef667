#pragma once
#include <cstdint>

// Puzzles are numbered from 1 to kPuzzleCount, the number of chains the
// shipped game-data file holds; a player's next puzzle counts round them.
constexpr int32_t kPuzzleCount = 1597;

// The puzzle a player is given: out-of-range values stored by damaged
// files are treated as puzzle 1.
int32_t effectiveNextPuzzle(int32_t stored);
// The puzzle after that one; the last wraps round to 1.
int32_t advancedPuzzle(int32_t stored);
