#pragma once
#include "game/PuzzleRec.h"
#include "players/PlayerRecord.h"

#include <cstdint>
#include <string>

// The variables of a round, kept under the names the whole game uses.
// Counters are 16-bit, as the board's labels and the score have always been.
struct RoundState {
    std::string PlayerName;
    PlayerRecord PlayerRec;
    PuzzleRec Puzzle;
    std::string WordBelow;
    std::string WordAbove;
    int16_t RowBelow = 1;
    int16_t RowAbove = 5;
    std::string CluesBelow;
    std::string CluesAbove;
    int16_t LenBelow = 0;
    int16_t LenAbove = 0;
    int16_t ShownBelow = 0;
    int16_t ShownAbove = 0;
    int16_t LettersTaken = 0;
    int16_t WrongGuesses = 0;
    int16_t WordsSolved = 0;
    int16_t HiddenLetters = 0;
    int16_t RoundScore = 0;
    int16_t SoundOn = 1;
    // The solved words the play buttons are named after; empty when idle.
    std::string SolvedBelow;
    std::string SolvedAbove;
};
