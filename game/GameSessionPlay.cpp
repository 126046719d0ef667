// The play actions of a running round: taking letters, guessing words,
// finishing and quitting.
#include "game/GameSession.h"

#include "game/Scoring.h"
#include "players/ScoreFile.h"

namespace {

std::string upperAscii(std::string text)
{
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    return text;
}

} // namespace

Outcome GameSession::refuse(Side side) const
{
    Outcome out;
    out.kind = OutcomeKind::Refused;
    out.side = side;
    return out;
}

Outcome GameSession::take(Side side)
{
    if (m_phase != Phase::InRound)
        return {};
    RoundState& s = m_state;
    const bool below = side == Side::Below;
    std::string& word = below ? s.WordBelow : s.WordAbove;
    std::string& clues = below ? s.CluesBelow : s.CluesAbove;
    int16_t& len = below ? s.LenBelow : s.LenAbove;
    int16_t& shown = below ? s.ShownBelow : s.ShownAbove;
    const int16_t row = below ? s.RowBelow : s.RowAbove;

    len = int16_t(word.size());
    s.ShownBelow = int16_t(s.CluesBelow.size());
    s.ShownAbove = int16_t(s.CluesAbove.size());
    // When both sides work on the last word, letters taken from either side
    // count for both: the longer set of clues wins.
    if (s.WordBelow == s.WordAbove) {
        if (s.ShownAbove > s.ShownBelow) {
            s.CluesBelow = s.CluesAbove;
            s.ShownBelow = s.ShownAbove;
        } else {
            s.CluesAbove = s.CluesBelow;
            s.ShownAbove = s.ShownBelow;
        }
    }
    if (len - shown < 2)
        return refuse(side);

    Outcome out;
    out.kind = OutcomeKind::LetterTaken;
    out.side = side;
    out.draws.push_back({int16_t(row * 10 + shown), word.substr(std::size_t(shown), 1)});
    clues = word.substr(0, std::size_t(shown) + 1);
    s.LettersTaken = bumpCounter(s.LettersTaken);
    out.count = s.LettersTaken;
    return out;
}

std::optional<GameSession::GuessPrompt> GameSession::guessPrompt(Side side) const
{
    if (m_phase != Phase::InRound)
        return std::nullopt;
    const bool below = side == Side::Below;
    const std::string& word = below ? m_state.WordBelow : m_state.WordAbove;
    const std::string& clues = below ? m_state.CluesBelow : m_state.CluesAbove;
    const std::string title = caption(below ? 4 : 3);
    const std::size_t hidden = word.size() > clues.size() ? word.size() - clues.size() : 0;
    return GuessPrompt{title, title + "\n\nYour clue so far is " + clues + std::string(hidden, '-')};
}

Outcome GameSession::guess(Side side, const std::string& answer)
{
    if (m_phase != Phase::InRound)
        return {};
    Outcome out;
    out.side = side;
    if (answer.empty()) {
        out.kind = OutcomeKind::GuessCancelled;
        return out;
    }
    RoundState& s = m_state;
    const bool below = side == Side::Below;
    const std::string word = below ? s.WordBelow : s.WordAbove;
    if (upperAscii(answer) != upperAscii(word)) {
        s.WrongGuesses = bumpCounter(s.WrongGuesses);
        out.kind = OutcomeKind::WrongGuess;
        out.count = s.WrongGuesses;
        return out;
    }
    const int row = below ? s.RowBelow : s.RowAbove;
    for (std::size_t i = 0; i < word.size(); ++i)
        out.draws.push_back({int16_t(row * 10 + int(i)), word.substr(i, 1)});
    (below ? s.SolvedBelow : s.SolvedAbove) = word;
    moveOn(side);
    s.WordsSolved = int16_t(s.WordsSolved + 1);
    if (s.WordsSolved >= 5) {
        Outcome finished = finishRound();
        finished.side = side;
        finished.draws = std::move(out.draws);
        return finished;
    }
    out.kind = OutcomeKind::WordSolved;
    return out;
}

void GameSession::moveOn(Side side)
{
    RoundState& s = m_state;
    if (side == Side::Above) {
        if (s.RowAbove > 1) {
            s.RowAbove = int16_t(s.RowAbove - 1);
            s.WordAbove = s.Puzzle.Word[std::size_t(s.RowAbove)];
            s.CluesAbove.clear();
            s.ShownAbove = 0;
        }
    } else if (s.RowBelow < 5) {
        s.RowBelow = int16_t(s.RowBelow + 1);
        s.WordBelow = s.Puzzle.Word[std::size_t(s.RowBelow)];
        s.CluesBelow.clear();
        s.ShownBelow = 0;
    }
}

Outcome GameSession::finishRound()
{
    RoundState& s = m_state;
    Outcome out;
    out.kind = OutcomeKind::RoundFinished;
    s.RoundScore = roundScore(int32_t(s.LettersTaken) + s.WrongGuesses, s.HiddenLetters);
    out.RoundScore = s.RoundScore;
    auto recorded = m_scores.recordFinishedRound(s.PlayerName, s.RoundScore);
    if (!recorded.ok())
        out.error = recorded.error;
    else if (recorded.value && *recorded.value)
        out.average = **recorded.value;
    s.SolvedBelow.clear();
    s.SolvedAbove.clear();
    m_phase = Phase::Idle;
    return out;
}

Outcome GameSession::requestExit()
{
    Outcome out;
    out.kind = m_phase == Phase::InRound ? OutcomeKind::AskQuit : OutcomeKind::Exit;
    out.exitAfter = true;
    return out;
}

Outcome GameSession::confirmQuit()
{
    if (m_phase != Phase::InRound)
        return {};
    Outcome out;
    out.kind = OutcomeKind::QuitRecorded;
    auto recorded = m_scores.recordQuitRound(m_state.PlayerName);
    if (!recorded.ok())
        out.error = recorded.error;
    m_state.SolvedBelow.clear();
    m_state.SolvedAbove.clear();
    m_phase = Phase::Idle;
    return out;
}
