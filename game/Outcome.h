#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

enum class Side { Below, Above };

// A letter for the board: DrawTile's two arguments.
struct TileDraw {
    int16_t TileIndex = 0;
    std::string TileLetter;
};

enum class OutcomeKind {
    Ignored,        // nothing happens (no round, or not allowed now)
    ChoosePlayer,   // PLAY: open the player dialog
    CancelChoice,   // the player dialog goes without a round
    RoundStarted,   // the board shows a new puzzle
    StartFailed,    // the puzzle or the score file could not be used
    Refused,        // only one letter of the word is left
    LetterTaken,
    GuessCancelled, // empty answer: nothing counted
    WrongGuess,
    WordSolved,
    RoundFinished,
    AskQuit,        // a round runs: the player must confirm
    QuitRecorded,   // the round was charged as a 0
    Exit            // the program may end now
};

// What one operation did, for the window to show: tiles, counters, sounds
// and message boxes all follow from this value.
struct Outcome {
    OutcomeKind kind = OutcomeKind::Ignored;
    Side side = Side::Below;
    std::vector<TileDraw> draws;     // letters to draw, in order
    std::vector<int16_t> covered;    // tiles to show covered
    int16_t count = 0;               // the counter this play changed, if any
    int16_t RoundScore = 0;
    double average = 0;              // the player's average after a finished round
    std::string error;               // a file problem the player must be told about
    bool exitAfter = false;          // for AskQuit: end the program once confirmed

    static Outcome of(OutcomeKind kind)
    {
        Outcome out;
        out.kind = kind;
        return out;
    }
};
