#pragma once
#include "game/ScoreStore.h"
#include "players/PlayerRecord.h"

#include <optional>
#include <string>
#include <vector>

// What a score-file operation yields: a value, or the reason it failed.
// A failed operation leaves the file exactly as it was.
template <class T>
struct ScoreResult {
    std::optional<T> value;
    std::string error; // empty on success; a sentence naming the file and the problem
    bool ok() const { return error.empty(); }
};

struct Done {};

// The players file, opened by name for each operation and closed again.
// Every read-modify-write holds an advisory lock on the file, so two
// copies of the game never lose each other's updates. Names are UTF-8;
// they are stored in Windows-1252.
class ScoreFile : public ScoreStore {
public:
    explicit ScoreFile(std::string path = "zorvsco.dat");

    const std::string& path() const { return m_path; }

    ScoreResult<std::vector<std::string>> listNames() const;
    ScoreResult<std::vector<PlayerRecord>> listRecords() const;

    // Finds the player by exact name or appends a new record; the record
    // returned has NextPuzzle already brought into 1..kPuzzleCount. A name the file
    // cannot keep (empty, over 20 characters, a character outside
    // Windows-1252, a trailing blank) is refused with an error.
    ScoreResult<PlayerRecord> findOrAdd(const std::string& name);
    // Moves NextPuzzle on for every record with this name (the last puzzle
    // wraps round to 1).
    ScoreResult<Done> advance(const std::string& name);
    // Adds a finished round to the first record with this name; yields the
    // new average, or nothing when no record matched (nothing is written).
    ScoreResult<std::optional<double>> recordFinishedRound(const std::string& name, int32_t score);
    // Counts a quit round (a score of 0) for the first record with this name.
    ScoreResult<Done> recordQuitRound(const std::string& name);
    // Orders the players by average, highest first; equal averages keep
    // their order. The file is replaced atomically.
    ScoreResult<Done> sortByAverage();
    // Deletes the file if it is there.
    ScoreResult<Done> remove();

    // The game's view of the file: advance() and recordFinishedRound().
    std::string advancePuzzle(const std::string& name) override;
    Counted countRound(const std::string& name, int32_t score) override;

private:
    std::string m_path;
};
