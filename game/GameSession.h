#pragma once
#include "game/Outcome.h"
#include "game/RoundState.h"

#include <optional>
#include <string>

class PuzzleSource;
class ScoreStore;

// The whole game without its windows: which phase the board is in, the
// round's state, and every play action as a function that returns what
// happened. The main window draws the state and shows the outcomes.
class GameSession {
public:
    enum class Phase { Idle, ChoosingPlayer, InRound };

    struct GuessPrompt {
        std::string title;
        std::string prompt;
    };

    GameSession(PuzzleSource& puzzles, ScoreStore& scores);

    Phase phase() const { return m_phase; }
    const RoundState& state() const { return m_state; }

    // The caption of a play button: its bare words, then the word its side
    // solved last while a round runs.
    std::string caption(Action action) const;
    // What a row of the board shows: its letters, '-' for each covered
    // one; empty for a row with nothing on it (every row while no round runs).
    std::string shownRow(int row) const;

    // The PLAY/QUIT button: PLAY while idle, QUIT otherwise.
    Outcome playOrQuit();
    Outcome choosePlay();
    Outcome cancelChoice();
    // `storedNextPuzzle` is the player's next puzzle as the records hold it.
    Outcome startRound(const std::string& name, int32_t storedNextPuzzle);
    Outcome take(Side side);
    std::optional<GuessPrompt> guessPrompt(Side side) const;
    Outcome guess(Side side, const std::string& answer);
    // Exit or closing the window: asks first while a round runs.
    Outcome requestExit();
    Outcome confirmQuit();

private:
    Outcome finishRound(int row, const std::string& word);
    void setUpRound(const PuzzleRec& puzzle);
    void shareCluesOnTheSameRow();
    void moveOn(Side side);
    void endRound();

    PuzzleSource& m_puzzles;
    ScoreStore& m_scores;
    Phase m_phase = Phase::Idle;
    RoundState m_state;
};
