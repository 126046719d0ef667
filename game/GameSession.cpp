#include "game/GameSession.h"

#include "game/PuzzleNumber.h"
#include "game/PuzzleSource.h"
#include "game/ScoreStore.h"

GameSession::GameSession(PuzzleSource& puzzles, ScoreStore& scores)
    : m_puzzles(puzzles), m_scores(scores)
{
}

std::string GameSession::caption(Action action) const
{
    static const char* const bare[] = {"Take Letter Below", "Take Letter Above", "Guess Word Above",
                                       "Guess Word Below"};
    const std::string label = bare[std::size_t(action)];
    const std::string& word = m_state.side(sideOf(action)).solved;
    return word.empty() ? label : label + " " + word;
}

std::string GameSession::shownRow(int row) const
{
    if (m_phase != Phase::InRound || row < 0 || row >= int(kChainLength))
        return {};
    const std::string& word = m_state.puzzle.Word[std::size_t(row)];
    const SideState& below = m_state.side(Side::Below);
    const SideState& above = m_state.side(Side::Above);
    // Until the last word is solved the sides never pass each other, so the
    // rows outside the two they stand on are solved.
    if (row < below.row || row > above.row)
        return word;
    std::string clues;
    for (const SideState* side : {&below, &above})
        if (side->row == row && side->clues.size() > clues.size())
            clues = side->clues;
    return clues + std::string(word.size() - clues.size(), '-');
}

Outcome GameSession::playOrQuit()
{
    switch (m_phase) {
    case Phase::Idle: return choosePlay();
    case Phase::ChoosingPlayer: return cancelChoice();
    case Phase::InRound: break;
    }
    return outcome::AskQuit{false};
}

Outcome GameSession::choosePlay()
{
    // Starting over from the menu would drop a running round without its score.
    if (m_phase == Phase::InRound)
        return outcome::Ignored{};
    m_phase = Phase::ChoosingPlayer;
    return outcome::ChoosePlayer{};
}

Outcome GameSession::cancelChoice()
{
    if (m_phase != Phase::ChoosingPlayer)
        return outcome::Ignored{};
    m_phase = Phase::Idle;
    return outcome::ChoiceCancelled{};
}

Outcome GameSession::startRound(const std::string& name, int32_t storedNextPuzzle)
{
    if (m_phase != Phase::ChoosingPlayer)
        return outcome::Ignored{};
    PuzzleLoad load = m_puzzles.puzzle(effectiveNextPuzzle(storedNextPuzzle));
    // The counter moves on before play, so a quit round never gives the
    // same puzzle again; if it cannot be stored the round does not start.
    if (load.ok())
        load.error = m_scores.advancePuzzle(name);
    if (!load.ok()) {
        endRound();
        return outcome::StartFailed{load.error};
    }
    setUpRound(load.rec);
    m_state.playerName = name;
    return outcome::RoundStarted{};
}

void GameSession::setUpRound(const PuzzleRec& puzzle)
{
    m_state = RoundState{};
    m_state.puzzle = puzzle;
    m_state.side(Side::Below) = {kFirstHiddenRow, {}, puzzle.Word.front()};
    m_state.side(Side::Above) = {kLastHiddenRow, {}, puzzle.Word.back()};
    int hidden = 0;
    for (int row = kFirstHiddenRow; row <= kLastHiddenRow; ++row)
        hidden += int(puzzle.Word[std::size_t(row)].size());
    m_state.hiddenLetters = int16_t(hidden);
    m_phase = Phase::InRound;
}

void GameSession::endRound()
{
    m_state = RoundState{};
    m_phase = Phase::Idle;
}
