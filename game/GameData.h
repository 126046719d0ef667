#pragma once
#include "game/PuzzleSource.h"

#include <string>

// The chains come from a read-only file of 77-byte records; record n
// (counted from 1) is puzzle n.
PuzzleLoad readPuzzle(const std::string& path, int32_t number);

// The game-data file as the round's puzzle source, opened by name for
// every puzzle and closed again.
class PuzzleFile : public PuzzleSource {
public:
    explicit PuzzleFile(std::string path = "zorvwin.dat") : m_path(std::move(path)) {}
    PuzzleLoad puzzle(int32_t number) override { return readPuzzle(m_path, number); }

private:
    std::string m_path;
};
