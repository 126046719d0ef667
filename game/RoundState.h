#pragma once
#include "game/PuzzleRec.h"

#include <array>
#include <cstdint>
#include <string>

// The chain is solved from two sides at once: from the top down ("below"
// the solved top words) and from the bottom up ("above" the solved bottom
// words).
enum class Side { Below, Above };

// The four play buttons, each an action on one side.
enum class Action { TakeBelow, TakeAbove, GuessAbove, GuessBelow };

constexpr Side sideOf(Action action)
{
    return action == Action::TakeBelow || action == Action::GuessBelow ? Side::Below : Side::Above;
}

// Rows of the chain: 0 is the top word, 6 the bottom word, 1 to 5 hidden.
constexpr int kFirstHiddenRow = 1;
constexpr int kLastHiddenRow = 5;
constexpr int kHiddenWords = 5;

// Where one side stands: the row of the word it works on, the letters of
// that word taken so far, and the last word it solved (which the side's
// buttons are named after).
struct SideState {
    int16_t row = kFirstHiddenRow;
    std::string clues;
    std::string solved;
};

// A round in play. Counters are 16-bit, as the board's labels and the
// score have always been.
struct RoundState {
    std::string playerName;
    PuzzleRec puzzle;
    std::array<SideState, 2> sides;
    int16_t lettersTaken = 0;
    int16_t wrongGuesses = 0;
    int16_t wordsSolved = 0;
    int16_t hiddenLetters = 0;

    SideState& side(Side s) { return sides[std::size_t(s)]; }
    const SideState& side(Side s) const { return sides[std::size_t(s)]; }
    // The word the side works on.
    const std::string& word(Side s) const { return puzzle.Word[std::size_t(side(s).row)]; }
};
