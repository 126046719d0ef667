#pragma once
#include "game/Outcome.h"
#include "game/RoundState.h"

#include <optional>
#include <string>

class ScoreFile;

// The whole game without its windows: which phase the board is in, the
// round's state, and every play action as a function that returns what
// happened. The main window only shows the outcomes.
class GameSession {
public:
    enum class Phase { Idle, ChoosingPlayer, InRound };

    struct GuessPrompt {
        std::string title;
        std::string prompt;
    };

    GameSession(ScoreFile& scores, std::string gameDataPath = "zorvwin.dat");

    Phase phase() const { return m_phase; }
    const RoundState& state() const { return m_state; }
    void setSoundOn(bool on) { m_state.SoundOn = on ? 1 : 0; }

    // The captions of the four play buttons, Command1 to Command4.
    std::string caption(int command) const;

    Outcome pressCommand5();
    Outcome chooseMenuPlay();
    Outcome cancelChoice();
    Outcome startRound(const std::string& name, const PlayerRecord& rec);
    Outcome take(Side side);
    std::optional<GuessPrompt> guessPrompt(Side side) const;
    Outcome guess(Side side, const std::string& answer);
    Outcome requestExit();
    Outcome confirmQuit();

private:
    Outcome finishRound();
    Outcome refuse(Side side) const;
    void setUpRound(const PuzzleRec& puzzle);
    void moveOn(Side side);

    ScoreFile& m_scores;
    std::string m_gameDataPath;
    Phase m_phase = Phase::Idle;
    RoundState m_state;
};
