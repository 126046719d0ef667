#pragma once
#include "game/PuzzleRec.h"

#include <string>

// The chains come from a read-only file of 77-byte records; record n
// (counted from 1) is puzzle n.
struct PuzzleLoad {
    PuzzleRec rec;
    std::string error; // a sentence naming the file and the problem; empty on success
    bool ok() const { return error.empty(); }
};

PuzzleLoad readPuzzle(const std::string& path, int32_t number);
