#include "game/GameSession.h"
#include "players/ScoreFile.h"
#include "tests/support/Chains.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

namespace {

// A session in a scratch folder whose game data holds the SNOW chain.
class Round : public ::testing::Test {
protected:
    void SetUp() override
    {
        ScratchFolder::write("zorvwin.dat", chainFile(std::vector(6, kSnowChain)));
    }

    Outcome start(const std::string& name = "Ann")
    {
        session.chooseMenuPlay();
        auto rec = file.findOrAdd(name);
        EXPECT_TRUE(rec.ok()) << rec.error;
        return session.startRound(name, *rec.value);
    }

    void solve(Side side)
    {
        const RoundState& s = session.state();
        last = session.guess(side, side == Side::Below ? s.WordBelow : s.WordAbove);
    }

    PlayerRecord player(const std::string& name = "Ann")
    {
        const auto records = file.listRecords();
        for (const auto& rec : *records.value)
            if (rec.Name == name)
                return rec;
        return {};
    }

    ScratchFolder folder;
    ScoreFile file;
    GameSession session{file};
    Outcome last;
};

} // namespace

TEST_F(Round, PlayActionsDoNothingUntilARoundStarts)
{
    EXPECT_EQ(session.take(Side::Below).kind, OutcomeKind::Ignored);
    EXPECT_EQ(session.guess(Side::Above, "BALL").kind, OutcomeKind::Ignored);
    EXPECT_FALSE(session.guessPrompt(Side::Above));
    EXPECT_EQ(session.pressCommand5().kind, OutcomeKind::ChoosePlayer);
    // Still choosing a player: no round yet, and QUIT only closes the dialog.
    EXPECT_EQ(session.take(Side::Below).kind, OutcomeKind::Ignored);
    EXPECT_EQ(session.requestExit().kind, OutcomeKind::Exit);
    EXPECT_EQ(session.pressCommand5().kind, OutcomeKind::CancelChoice);
    EXPECT_EQ(session.phase(), GameSession::Phase::Idle);
    EXPECT_EQ(session.caption(1), "Take Letter Below");
    EXPECT_EQ(session.caption(3), "Guess Word Above");
}

TEST_F(Round, StartShowsTheEndWordsAndCoversTheHiddenOnes)
{
    const Outcome out = start();
    ASSERT_EQ(out.kind, OutcomeKind::RoundStarted) << out.error;
    ASSERT_EQ(out.draws.size(), 4u + 5u);
    EXPECT_EQ(out.draws[0].TileIndex, 0);
    EXPECT_EQ(out.draws[0].TileLetter, "S");
    EXPECT_EQ(out.draws[4].TileIndex, 60);
    EXPECT_EQ(out.draws[8].TileIndex, 64);
    ASSERT_EQ(out.covered.size(), 20u);
    EXPECT_EQ(out.covered.front(), 10);
    EXPECT_EQ(out.covered.back(), 53);
    EXPECT_EQ(session.caption(1), "Take Letter Below SNOW");
    EXPECT_EQ(session.caption(2), "Take Letter Above STICK");
    EXPECT_EQ(session.caption(3), "Guess Word Above STICK");
    EXPECT_EQ(session.caption(4), "Guess Word Below SNOW");
    EXPECT_EQ(session.state().HiddenLetters, 20);
    EXPECT_EQ(player().NextPuzzle, 2);
    // The menu cannot start over a running round.
    EXPECT_EQ(session.chooseMenuPlay().kind, OutcomeKind::Ignored);
}

TEST_F(Round, AFailedLoadChargesNothingAndDoesNotAdvance)
{
    ScratchFolder::write("zorvwin.dat", chainFile({kSnowChain}));
    file.findOrAdd("Ann");
    file.advance("Ann"); // Ann now wants puzzle 2, which the short file lacks
    const Outcome out = start();
    EXPECT_EQ(out.kind, OutcomeKind::StartFailed);
    EXPECT_NE(out.error.find("zorvwin.dat"), std::string::npos);
    EXPECT_EQ(session.phase(), GameSession::Phase::Idle);
    EXPECT_EQ(player().NextPuzzle, 2);
    EXPECT_EQ(player().TimesPlayed, 0);
}

TEST_F(Round, AWordOfNLettersGivesNMinusOne)
{
    start();
    for (int i = 0; i < 3; ++i) {
        last = session.take(Side::Below);
        ASSERT_EQ(last.kind, OutcomeKind::LetterTaken);
        EXPECT_EQ(last.draws.at(0).TileIndex, 10 + i);
        EXPECT_EQ(last.draws.at(0).TileLetter, std::string(1, "BALL"[i]));
        EXPECT_EQ(last.count, i + 1);
    }
    EXPECT_EQ(session.state().CluesBelow, "BAL");
    EXPECT_EQ(session.state().ShownBelow, 2); // the count from before the last take
    EXPECT_EQ(session.take(Side::Below).kind, OutcomeKind::Refused);
    EXPECT_EQ(session.state().LettersTaken, 3);
}

TEST_F(Round, LettersTakenFromEitherSideCountForBothOnTheLastWord)
{
    start();
    solve(Side::Below);
    solve(Side::Below);
    solve(Side::Above);
    solve(Side::Above); // both sides now work on MATE
    ASSERT_EQ(session.state().RowBelow, 3);
    ASSERT_EQ(session.state().RowAbove, 3);
    session.take(Side::Below);
    session.take(Side::Below);
    last = session.take(Side::Above);
    ASSERT_EQ(last.kind, OutcomeKind::LetterTaken);
    EXPECT_EQ(last.draws.at(0).TileIndex, 32);
    EXPECT_EQ(session.state().CluesAbove, "MAT");
    EXPECT_EQ(session.state().LettersTaken, 3);
    EXPECT_EQ(session.take(Side::Below).kind, OutcomeKind::Refused);
}

TEST_F(Round, GuessesAreUpperCasedButNeverTrimmed)
{
    start();
    const auto prompt = session.guessPrompt(Side::Below);
    ASSERT_TRUE(prompt);
    EXPECT_EQ(prompt->title, "Guess Word Below SNOW");
    EXPECT_EQ(prompt->prompt, "Guess Word Below SNOW\n\nYour clue so far is ----");
    EXPECT_EQ(session.guess(Side::Below, "").kind, OutcomeKind::GuessCancelled);
    EXPECT_EQ(session.guess(Side::Below, " ball").kind, OutcomeKind::WrongGuess);
    last = session.guess(Side::Below, "ball ");
    EXPECT_EQ(last.kind, OutcomeKind::WrongGuess);
    EXPECT_EQ(last.count, 2);
    session.take(Side::Below);
    session.take(Side::Below);
    EXPECT_EQ(session.guessPrompt(Side::Below)->prompt,
              "Guess Word Below SNOW\n\nYour clue so far is BA--");
    last = session.guess(Side::Below, "bAlL");
    ASSERT_EQ(last.kind, OutcomeKind::WordSolved);
    EXPECT_EQ(last.draws.size(), 4u);
    EXPECT_EQ(session.caption(1), "Take Letter Below BALL");
    EXPECT_EQ(session.caption(4), "Guess Word Below BALL");
    EXPECT_EQ(session.state().WordBelow, "ROOM");
    EXPECT_EQ(session.state().CluesBelow, "");
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
            const auto expected = i + 1 < order.size() ? OutcomeKind::WordSolved
                                                       : OutcomeKind::RoundFinished;
            ASSERT_EQ(last.kind, expected) << "word " << i + 1;
        }
        EXPECT_EQ(last.RoundScore, 1000);
        EXPECT_EQ(session.phase(), GameSession::Phase::Idle);
        EXPECT_EQ(session.caption(2), "Take Letter Above");
    }
    EXPECT_EQ(player().TimesPlayed, 5);
    EXPECT_EQ(player().TotalScore, 5000);
    EXPECT_EQ(player().NextPuzzle, 6);
}

TEST_F(Round, AFinishedRoundIsRecordedForTheFirstMatchingPlayer)
{
    start();
    session.take(Side::Below);
    session.guess(Side::Above, "wrong");
    for (int i = 0; i < 5; ++i)
        solve(Side::Below);
    ASSERT_EQ(last.kind, OutcomeKind::RoundFinished);
    EXPECT_EQ(last.RoundScore, 900); // 1 - 2/20
    EXPECT_DOUBLE_EQ(last.average, 900.0);
    EXPECT_EQ(player().TotalScore, 900);
    EXPECT_EQ(player().TimesPlayed, 1);
}

TEST_F(Round, QuittingChargesAZero)
{
    start();
    EXPECT_EQ(session.pressCommand5().kind, OutcomeKind::AskQuit);
    EXPECT_TRUE(session.requestExit().exitAfter);
    last = session.confirmQuit();
    EXPECT_EQ(last.kind, OutcomeKind::QuitRecorded);
    EXPECT_EQ(player().TimesPlayed, 1);
    EXPECT_EQ(player().TotalScore, 0);
    EXPECT_EQ(session.phase(), GameSession::Phase::Idle);
    EXPECT_EQ(session.confirmQuit().kind, OutcomeKind::Ignored);
}
