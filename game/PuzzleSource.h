#pragma once
#include "game/PuzzleRec.h"

#include <string>

// One chain as a source hands it out, or the reason it cannot.
struct PuzzleLoad {
    PuzzleRec rec;
    std::string error; // a sentence naming the file and the problem; empty on success
    bool ok() const { return error.empty(); }
};

// Where a round's chain comes from. The game reads the game-data file
// (PuzzleFile); rule tests hand chains over from memory.
class PuzzleSource {
public:
    virtual ~PuzzleSource() = default;
    // Puzzle `number`, counted from 1.
    virtual PuzzleLoad puzzle(int32_t number) = 0;
};
