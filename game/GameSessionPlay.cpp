// The play actions of a running round: taking letters, guessing words,
// finishing and quitting.
#include "game/GameSession.h"

#include "game/ScoreStore.h"
#include "game/Scoring.h"

namespace {

std::string upperAscii(std::string text)
{
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    return text;
}

} // namespace

// When both sides work on the same row, letters taken from either side
// count for both: the longer set of clues wins. The row decides, not the
// word, since a chain may hold the same word on two rows.
void GameSession::shareCluesOnTheSameRow()
{
    SideState& below = m_state.side(Side::Below);
    SideState& above = m_state.side(Side::Above);
    if (below.row != above.row)
        return;
    if (above.clues.size() > below.clues.size())
        below.clues = above.clues;
    else
        above.clues = below.clues;
}

Outcome GameSession::take(Side side)
{
    if (m_phase != Phase::InRound)
        return outcome::Ignored{};
    shareCluesOnTheSameRow();
    SideState& own = m_state.side(side);
    const std::string& word = m_state.word(side);
    // A take never completes a word: the last letter is left to a guess.
    if (word.size() < own.clues.size() + 2)
        return outcome::Refused{};
    const std::size_t column = own.clues.size();
    own.clues = word.substr(0, column + 1);
    m_state.lettersTaken = bumpCounter(m_state.lettersTaken);
    return outcome::LetterTaken{own.row, int(column), word[column]};
}

std::optional<GameSession::GuessPrompt> GameSession::guessPrompt(Side side) const
{
    if (m_phase != Phase::InRound)
        return std::nullopt;
    const std::string& word = m_state.word(side);
    const std::string& clues = m_state.side(side).clues;
    const std::string title =
        caption(side == Side::Below ? Action::GuessBelow : Action::GuessAbove);
    const std::size_t hidden = word.size() > clues.size() ? word.size() - clues.size() : 0;
    return GuessPrompt{title,
                       title + "\n\nYour clue so far is " + clues + std::string(hidden, '-')};
}

Outcome GameSession::guess(Side side, const std::string& answer)
{
    if (m_phase != Phase::InRound)
        return outcome::Ignored{};
    if (answer.empty())
        return outcome::GuessCancelled{};
    const std::string word = m_state.word(side);
    if (upperAscii(answer) != upperAscii(word)) {
        m_state.wrongGuesses = bumpCounter(m_state.wrongGuesses);
        return outcome::WrongGuess{};
    }
    SideState& own = m_state.side(side);
    const int row = own.row;
    own.solved = word;
    moveOn(side);
    m_state.wordsSolved = int16_t(m_state.wordsSolved + 1);
    if (m_state.wordsSolved >= kHiddenWords)
        return finishRound(row, word);
    return outcome::WordSolved{row, word};
}

// The side goes on to the next word towards the middle; at the far end it
// stays, since the round is then over.
void GameSession::moveOn(Side side)
{
    SideState& own = m_state.side(side);
    const int step = side == Side::Below ? 1 : -1;
    const int next = own.row + step;
    if (next < kFirstHiddenRow || next > kLastHiddenRow)
        return;
    own.row = int16_t(next);
    own.clues.clear();
}

Outcome GameSession::finishRound(int row, const std::string& word)
{
    const int16_t score = roundScore(int32_t(m_state.lettersTaken) + m_state.wrongGuesses,
                                     m_state.hiddenLetters);
    const ScoreStore::Counted counted = m_scores.countRound(m_state.playerName, score);
    endRound();
    return outcome::RoundFinished{row, word, score, counted.average.value_or(0), counted.error};
}

Outcome GameSession::requestExit()
{
    if (m_phase == Phase::InRound)
        return outcome::AskQuit{true};
    return outcome::MayExit{};
}

Outcome GameSession::confirmQuit()
{
    if (m_phase != Phase::InRound)
        return outcome::Ignored{};
    const ScoreStore::Counted counted = m_scores.countRound(m_state.playerName, 0);
    endRound();
    return outcome::QuitRecorded{counted.error};
}
