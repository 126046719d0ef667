#pragma once
#include <cstdint>
#include <optional>
#include <string>

// What a round needs from the players' records: the next puzzle moved on
// when a round starts, and the round counted when it ends. The game keeps
// them in the score file (ScoreFile); rule tests keep them in memory.
class ScoreStore {
public:
    struct Counted {
        std::string error;             // a sentence for the player; empty on success
        std::optional<double> average; // the player's new average, if the player was found
    };

    virtual ~ScoreStore() = default;
    // Returns the reason it failed, or nothing on success.
    virtual std::string advancePuzzle(const std::string& name) = 0;
    // Adds a round with this score (0 for a quit round) to the player.
    virtual Counted countRound(const std::string& name, int32_t score) = 0;
};
