#include "game/GameSession.h"

#include "game/GameData.h"
#include "game/Scoring.h"
#include "players/ScoreFile.h"

namespace {

void drawWord(Outcome& out, const std::string& word, int row)
{
    for (std::size_t i = 0; i < word.size(); ++i)
        out.draws.push_back({int16_t(row * 10 + int(i)), word.substr(i, 1)});
}

} // namespace

GameSession::GameSession(ScoreFile& scores, std::string gameDataPath)
    : m_scores(scores), m_gameDataPath(std::move(gameDataPath))
{
}

std::string GameSession::caption(int command) const
{
    static const char* const bare[] = {"Take Letter Below", "Take Letter Above", "Guess Word Above",
                                       "Guess Word Below"};
    if (command < 1 || command > 4)
        return {};
    const bool below = command == 1 || command == 4;
    const std::string& word = below ? m_state.SolvedBelow : m_state.SolvedAbove;
    const std::string label = bare[command - 1];
    return word.empty() ? label : label + " " + word;
}

Outcome GameSession::pressCommand5()
{
    switch (m_phase) {
    case Phase::Idle: return chooseMenuPlay();
    case Phase::ChoosingPlayer: return cancelChoice();
    case Phase::InRound: break;
    }
    return Outcome::of(OutcomeKind::AskQuit);
}

Outcome GameSession::chooseMenuPlay()
{
    // Starting over from the menu would drop a running round without its score.
    if (m_phase == Phase::InRound)
        return {};
    m_phase = Phase::ChoosingPlayer;
    return Outcome::of(OutcomeKind::ChoosePlayer);
}

Outcome GameSession::cancelChoice()
{
    if (m_phase != Phase::ChoosingPlayer)
        return {};
    m_phase = Phase::Idle;
    return Outcome::of(OutcomeKind::CancelChoice);
}

Outcome GameSession::startRound(const std::string& name, const PlayerRecord& rec)
{
    if (m_phase != Phase::ChoosingPlayer)
        return {};
    m_state.PlayerName = name;
    m_state.PlayerRec = rec;
    const int32_t number = effectiveNextPuzzle(rec.NextPuzzle);
    PuzzleLoad load = readPuzzle(m_gameDataPath, number);
    Outcome out;
    if (load.ok()) {
        // The counter moves on before play, so a quit round never gives the
        // same puzzle again; if it cannot be stored the round does not start.
        auto advanced = m_scores.advance(name);
        if (!advanced.ok())
            load.error = advanced.error;
    }
    if (!load.ok()) {
        m_phase = Phase::Idle;
        out.kind = OutcomeKind::StartFailed;
        out.error = load.error;
        return out;
    }
    setUpRound(load.rec);
    out.kind = OutcomeKind::RoundStarted;
    drawWord(out, m_state.Puzzle.Word[0], 0);
    drawWord(out, m_state.Puzzle.Word[6], 6);
    for (int row = 1; row <= 5; ++row)
        for (std::size_t i = 0; i < m_state.Puzzle.Word[row].size(); ++i)
            out.covered.push_back(int16_t(row * 10 + int(i)));
    return out;
}

void GameSession::setUpRound(const PuzzleRec& puzzle)
{
    RoundState& s = m_state;
    s.Puzzle = puzzle;
    s.WordsSolved = 0;
    s.WrongGuesses = 0;
    s.LettersTaken = 0;
    s.RowBelow = 1;
    s.RowAbove = 5;
    s.WordBelow = puzzle.Word[1];
    s.WordAbove = puzzle.Word[5];
    s.CluesBelow.clear();
    s.CluesAbove.clear();
    int hidden = 0;
    for (int row = 1; row <= 5; ++row)
        hidden += int(puzzle.Word[row].size());
    s.HiddenLetters = int16_t(hidden);
    s.SolvedBelow = puzzle.Word[0];
    s.SolvedAbove = puzzle.Word[6];
    m_phase = Phase::InRound;
}
