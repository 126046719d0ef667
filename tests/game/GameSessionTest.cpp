#include "game/GameSession.h"
#include "game/PuzzleSource.h"
#include "game/ScoreStore.h"

#include <gtest/gtest.h>
#include <map>
#include <vector>

namespace {

// SNOW BALL ROOM MATE SHIP YARD STICK: 4 + 4 + 4 + 4 + 4 = 20 hidden letters.
const PuzzleRec kSnow{{"SNOW", "BALL", "ROOM", "MATE", "SHIP", "YARD", "STICK"}};

// Chains handed out from memory; a number past the last fails, as a short
// game-data file does.
class Chains : public PuzzleSource {
public:
    std::vector<PuzzleRec> chains;
    PuzzleLoad puzzle(int32_t number) override
    {
        if (number < 1 || number > int32_t(chains.size()))
            return {{}, "no puzzle " + std::to_string(number)};
        return {chains[std::size_t(number - 1)], {}};
    }
};

// The players' records in memory; `failure`, when set, fails every write.
class Records : public ScoreStore {
public:
    struct Player {
        int32_t next = 1;
        int32_t played = 0;
        int32_t total = 0;
    };
    std::map<std::string, Player> players;
    std::string failure;

    std::string advancePuzzle(const std::string& name) override
    {
        if (failure.empty())
            ++players[name].next;
        return failure;
    }
    Counted countRound(const std::string& name, int32_t score) override
    {
        if (!failure.empty())
            return {failure, std::nullopt};
        Player& p = players[name];
        ++p.played;
        p.total += score;
        return {{}, double(p.total) / p.played};
    }
};

class Round : public ::testing::Test {
protected:
    Round() { chains.chains = std::vector(6, kSnow); }

    Outcome start(const std::string& name = "Ann")
    {
        session.choosePlay();
        return session.startRound(name, records.players[name].next);
    }

    void solve(Side side) { last = session.guess(side, session.state().word(side)); }

    template <class Kind>
    bool is(const Outcome& outcome) const { return std::holds_alternative<Kind>(outcome); }

    Chains chains;
    Records records;
    GameSession session{chains, records};
    Outcome last;
};

} // namespace

using namespace outcome;

TEST_F(Round, PlayActionsDoNothingUntilARoundStarts)
{
    EXPECT_TRUE(is<Ignored>(session.take(Side::Below)));
    EXPECT_TRUE(is<Ignored>(session.guess(Side::Above, "BALL")));
    EXPECT_FALSE(session.guessPrompt(Side::Above));
    EXPECT_TRUE(is<ChoosePlayer>(session.playOrQuit()));
    // Still choosing a player: no round yet, and QUIT only closes the dialog.
    EXPECT_TRUE(is<Ignored>(session.take(Side::Below)));
    EXPECT_TRUE(is<MayExit>(session.requestExit()));
    EXPECT_TRUE(is<ChoiceCancelled>(session.playOrQuit()));
    EXPECT_EQ(session.phase(), GameSession::Phase::Idle);
    EXPECT_EQ(session.caption(Action::TakeBelow), "Take Letter Below");
    EXPECT_EQ(session.caption(Action::GuessAbove), "Guess Word Above");
    EXPECT_EQ(session.shownRow(0), "");
}

TEST_F(Round, StartShowsTheEndWordsAndCoversTheHiddenOnes)
{
    ASSERT_TRUE(is<RoundStarted>(start()));
    EXPECT_EQ(session.shownRow(0), "SNOW");
    for (int row = 1; row <= 5; ++row)
        EXPECT_EQ(session.shownRow(row), "----") << row;
    EXPECT_EQ(session.shownRow(6), "STICK");
    EXPECT_EQ(session.caption(Action::TakeBelow), "Take Letter Below SNOW");
    EXPECT_EQ(session.caption(Action::TakeAbove), "Take Letter Above STICK");
    EXPECT_EQ(session.caption(Action::GuessAbove), "Guess Word Above STICK");
    EXPECT_EQ(session.caption(Action::GuessBelow), "Guess Word Below SNOW");
    EXPECT_EQ(session.state().hiddenLetters, 20);
    EXPECT_EQ(records.players["Ann"].next, 2);
    // The menu cannot start over a running round.
    EXPECT_TRUE(is<Ignored>(session.choosePlay()));
}

TEST_F(Round, AFailedStartChargesNothingAndDoesNotAdvance)
{
    chains.chains = {kSnow};
    records.players["Ann"].next = 2; // Ann wants puzzle 2, which is not there
    last = start();
    ASSERT_TRUE(is<StartFailed>(last));
    EXPECT_EQ(std::get<StartFailed>(last).error, "no puzzle 2");
    EXPECT_EQ(session.phase(), GameSession::Phase::Idle);
    EXPECT_EQ(records.players["Ann"].next, 2);
    EXPECT_EQ(records.players["Ann"].played, 0);

    // A puzzle counter that cannot be moved on stops the round as well.
    records.players["Ann"].next = 1;
    records.failure = "Could not write zorvsco.dat.";
    last = start();
    ASSERT_TRUE(is<StartFailed>(last));
    EXPECT_EQ(std::get<StartFailed>(last).error, records.failure);
    EXPECT_EQ(session.shownRow(0), "");
}

TEST_F(Round, AWordOfNLettersGivesNMinusOne)
{
    start();
    for (int i = 0; i < 3; ++i) {
        last = session.take(Side::Below);
        ASSERT_TRUE(is<LetterTaken>(last));
        const auto& taken = std::get<LetterTaken>(last);
        EXPECT_EQ(taken.row, 1);
        EXPECT_EQ(taken.column, i);
        EXPECT_EQ(taken.letter, "BALL"[i]);
        EXPECT_EQ(session.state().lettersTaken, i + 1);
    }
    EXPECT_EQ(session.state().side(Side::Below).clues, "BAL");
    EXPECT_EQ(session.shownRow(1), "BAL-");
    EXPECT_TRUE(is<Refused>(session.take(Side::Below)));
    EXPECT_EQ(session.state().lettersTaken, 3);
}

TEST_F(Round, LettersTakenFromEitherSideCountForBothOnTheLastWord)
{
    start();
    solve(Side::Below);
    solve(Side::Below);
    solve(Side::Above);
    solve(Side::Above); // both sides now work on MATE
    ASSERT_EQ(session.state().side(Side::Below).row, 3);
    ASSERT_EQ(session.state().side(Side::Above).row, 3);
    session.take(Side::Below);
    session.take(Side::Below);
    last = session.take(Side::Above);
    ASSERT_TRUE(is<LetterTaken>(last));
    EXPECT_EQ(std::get<LetterTaken>(last).column, 2);
    EXPECT_EQ(session.state().side(Side::Above).clues, "MAT");
    EXPECT_EQ(session.state().lettersTaken, 3);
    EXPECT_TRUE(is<Refused>(session.take(Side::Below)));
    EXPECT_EQ(session.shownRow(3), "MAT-");
}

// A chain may hold the same word twice; the two sides share their clues
// only while they work on the same row, not because the words are alike.
TEST_F(Round, ARepeatedWordSharesCluesOnlyOnTheSameRow)
{
    chains.chains = {{{"SNOW", "BATH", "ROOM", "MATE", "SHIP", "BATH", "STICK"}}};
    start();
    session.take(Side::Below);
    last = session.take(Side::Above);
    ASSERT_TRUE(is<LetterTaken>(last));
    const auto& taken = std::get<LetterTaken>(last);
    EXPECT_EQ(taken.row, 5);
    EXPECT_EQ(taken.column, 0);
    EXPECT_EQ(taken.letter, 'B');
    EXPECT_EQ(session.shownRow(1), "B---");
    EXPECT_EQ(session.shownRow(5), "B---");
    EXPECT_EQ(session.guessPrompt(Side::Above)->prompt,
              "Guess Word Above STICK\n\nYour clue so far is B---");
}

TEST_F(Round, GuessesAreUpperCasedButNeverTrimmed)
{
    start();
    const auto prompt = session.guessPrompt(Side::Below);
    ASSERT_TRUE(prompt);
    EXPECT_EQ(prompt->title, "Guess Word Below SNOW");
    EXPECT_EQ(prompt->prompt, "Guess Word Below SNOW\n\nYour clue so far is ----");
    EXPECT_TRUE(is<GuessCancelled>(session.guess(Side::Below, "")));
    EXPECT_TRUE(is<WrongGuess>(session.guess(Side::Below, " ball")));
    EXPECT_TRUE(is<WrongGuess>(session.guess(Side::Below, "ball ")));
    EXPECT_EQ(session.state().wrongGuesses, 2);
    session.take(Side::Below);
    session.take(Side::Below);
    EXPECT_EQ(session.guessPrompt(Side::Below)->prompt,
              "Guess Word Below SNOW\n\nYour clue so far is BA--");
    last = session.guess(Side::Below, "bAlL");
    ASSERT_TRUE(is<WordSolved>(last));
    EXPECT_EQ(std::get<WordSolved>(last).row, 1);
    EXPECT_EQ(session.shownRow(1), "BALL");
    EXPECT_EQ(session.shownRow(2), "----");
    EXPECT_EQ(session.caption(Action::TakeBelow), "Take Letter Below BALL");
    EXPECT_EQ(session.caption(Action::GuessBelow), "Guess Word Below BALL");
    EXPECT_EQ(session.state().word(Side::Below), "ROOM");
    EXPECT_EQ(session.state().side(Side::Below).clues, "");
}

TEST_F(Round, EverySolvingOrderEndsAtTheFifthWord)
{
    const std::vector<std::vector<Side>> orders = {
        {Side::Below, Side::Below, Side::Below, Side::Below, Side::Below},
        {Side::Above, Side::Above, Side::Above, Side::Above, Side::Above},
        {Side::Below, Side::Below, Side::Below, Side::Above, Side::Above},
        {Side::Above, Side::Below, Side::Above, Side::Below, Side::Above},
        {Side::Below, Side::Above, Side::Above, Side::Above, Side::Below},
    };
    for (const auto& order : orders) {
        start();
        for (std::size_t i = 0; i < order.size(); ++i) {
            solve(order[i]);
            if (i + 1 < order.size())
                ASSERT_TRUE(is<WordSolved>(last)) << "word " << i + 1;
        }
        ASSERT_TRUE(is<RoundFinished>(last));
        EXPECT_EQ(std::get<RoundFinished>(last).score, 1000);
        EXPECT_EQ(session.phase(), GameSession::Phase::Idle);
        EXPECT_EQ(session.caption(Action::TakeAbove), "Take Letter Above");
        EXPECT_EQ(session.state().lettersTaken, 0);
    }
    EXPECT_EQ(records.players["Ann"].played, 5);
    EXPECT_EQ(records.players["Ann"].total, 5000);
    EXPECT_EQ(records.players["Ann"].next, 6);
}

TEST_F(Round, AFinishedRoundIsCountedWithItsScore)
{
    start();
    session.take(Side::Below);
    session.guess(Side::Above, "wrong");
    for (int i = 0; i < 5; ++i)
        solve(Side::Below);
    ASSERT_TRUE(is<RoundFinished>(last));
    const auto& finished = std::get<RoundFinished>(last);
    EXPECT_EQ(finished.row, 5);
    EXPECT_EQ(finished.word, "YARD");
    EXPECT_EQ(finished.score, 900); // 1 - 2/20
    EXPECT_DOUBLE_EQ(finished.average, 900.0);
    EXPECT_EQ(records.players["Ann"].total, 900);

    // A round that cannot be counted still ends, with the reason and no average.
    start();
    records.failure = "Could not write zorvsco.dat.";
    for (int i = 0; i < 5; ++i)
        solve(Side::Above);
    ASSERT_TRUE(is<RoundFinished>(last));
    EXPECT_EQ(std::get<RoundFinished>(last).error, records.failure);
    EXPECT_EQ(std::get<RoundFinished>(last).average, 0);
    EXPECT_EQ(session.phase(), GameSession::Phase::Idle);
}

TEST_F(Round, QuittingChargesAZero)
{
    start();
    EXPECT_FALSE(std::get<AskQuit>(session.playOrQuit()).thenExit);
    EXPECT_TRUE(std::get<AskQuit>(session.requestExit()).thenExit);
    EXPECT_TRUE(is<QuitRecorded>(session.confirmQuit()));
    EXPECT_EQ(records.players["Ann"].played, 1);
    EXPECT_EQ(records.players["Ann"].total, 0);
    EXPECT_EQ(session.phase(), GameSession::Phase::Idle);
    EXPECT_TRUE(is<Ignored>(session.confirmQuit()));
}
