#include "players/ScoreFile.h"
#include "tests/app/BoardFixture.h"

#include <QCloseEvent>

namespace {

std::vector<uint8_t> annAfterOneRound(int32_t score, int32_t nextPuzzle)
{
    PlayerRecord rec;
    rec.Name = "Ann";
    rec.TotalScore = score;
    rec.TimesPlayed = 1;
    rec.NextPuzzle = nextPuzzle;
    const PlayerBytes bytes = encodePlayerRecord(rec);
    return {bytes.begin(), bytes.end()};
}

} // namespace

TEST_F(Board, PlayThenCancelPutsPlayBackAndTouchesNothing)
{
    button("Command5")->click();
    EXPECT_EQ(caption("Command5"), "QUIT");
    ASSERT_NE(window->playerDialog(), nullptr);
    window->playerDialog()->findChild<QPushButton*>(QStringLiteral("Command2"))->click();
    QApplication::processEvents();
    EXPECT_EQ(caption("Command5"), "PLAY");
    EXPECT_FALSE(std::filesystem::exists("zorvsco.dat"));
    EXPECT_EQ(holder(0), 2);
}

TEST_F(Board, QuitWhileChoosingClosesTheDialogWithoutAQuestion)
{
    button("Command5")->click();
    button("Command5")->click();
    QApplication::processEvents();
    EXPECT_EQ(caption("Command5"), "PLAY");
    EXPECT_EQ(window->playerDialog(), nullptr);
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(Board, AWholeRoundFromPlayToCongratulations)
{
    startRound();
    EXPECT_EQ(caption("Command5"), "QUIT");
    EXPECT_EQ(caption("Command1"), "Take Letter Below SNOW");
    EXPECT_EQ(caption("Command3"), "Guess Word Above STICK");
    EXPECT_EQ(holder(0), 4 + ('S' - 'A'));
    EXPECT_EQ(holder(10), 3);
    EXPECT_EQ(holder(14), 2);

    button("Command1")->click();
    EXPECT_EQ(label("Label4"), " 1");
    EXPECT_EQ(holder(10), 4 + ('B' - 'A'));
    EXPECT_TRUE(button("Command6")->hasFocus() || !window->isActiveWindow());

    guess("Command3", QStringLiteral("yarn"));
    ASSERT_EQ(prompter.shown.size(), 2u);
    EXPECT_EQ(prompter.shown[0].title, "Guess Word Above STICK");
    EXPECT_EQ(prompter.shown[0].text, "Guess Word Above STICK\n\nYour clue so far is ----");
    EXPECT_EQ(prompter.shown[1].text, "Sorry that is not correct.");
    EXPECT_EQ(prompter.shown[1].title, "WRONG!");
    EXPECT_EQ(label("Label5"), " 1");

    guess("Command3", QStringLiteral("yard"));
    EXPECT_EQ(caption("Command2"), "Take Letter Above YARD");
    for (const char* word : {"ball", "room", "mate", "ship"})
        guess("Command4", QString::fromLatin1(word));

    const auto& last = prompter.shown.back();
    EXPECT_EQ(last.title, "Congratulations!");
    EXPECT_EQ(last.text, "Congratulations! You have finished.\n\nYour score this round is  900"
                         "\n\nYour average score to date is  900");
    EXPECT_EQ(caption("Command5"), "PLAY");
    EXPECT_EQ(caption("Command1"), "Take Letter Below");
    EXPECT_EQ(label("Label4"), " 0");
    EXPECT_EQ(holder(0), 2);
    EXPECT_EQ(ScratchFolder::read("zorvsco.dat"), annAfterOneRound(900, 2));
}

TEST_F(Board, RefusalNamesTheApplication)
{
    startRound();
    for (int i = 0; i < 4; ++i)
        button("Command2")->click();
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text,
              "Sorry, only one letter remains in this word. You must now solve this word.");
    EXPECT_EQ(prompter.shown[0].title, "");
    EXPECT_EQ(label("Label4"), " 3");
}

TEST_F(Board, AMissingGameDataFileIsReportedAndNothingIsCharged)
{
    std::filesystem::remove("zorvwin.dat");
    startRound();
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_NE(prompter.shown[0].text.indexOf("zorvwin.dat"), -1);
    EXPECT_EQ(caption("Command5"), "PLAY");
    // The board is idle again, so the busy text gives way to the title.
    EXPECT_EQ(label("SSPanel1"), "Lexiloop for Windows v1.0");
    const auto records = ScoreFile().listRecords();
    ASSERT_EQ(records.value->size(), 1u);
    EXPECT_EQ(records.value->at(0).NextPuzzle, 1);
}

TEST_F(Board, QuitAsksAndOnlyYesChargesAZero)
{
    startRound();
    prompter.answers.push_back(Prompter::Answer::No);
    button("Command5")->click();
    EXPECT_EQ(caption("Command5"), "QUIT");
    ASSERT_EQ(prompter.shown.back().title, "Quit?");
    EXPECT_EQ(prompter.shown.back().text,
              "If you quit now, you will score 0 for this round and your average score will be "
              "reduced.\n\nAre you sure you wish to quit?");
    EXPECT_TRUE(prompter.shown.back().defaultYes);

    prompter.answers.push_back(Prompter::Answer::Yes);
    button("Command5")->click();
    EXPECT_EQ(caption("Command5"), "PLAY");
    EXPECT_EQ(ScratchFolder::read("zorvsco.dat"), annAfterOneRound(0, 2));
    EXPECT_FALSE(window->hasEnded());
}

TEST_F(Board, ExitAndCloseAskDuringARound)
{
    window->show();
    startRound();
    prompter.answers.push_back(Prompter::Answer::No);
    menu("mnuexit")->trigger();
    EXPECT_FALSE(window->hasEnded());
    prompter.answers.push_back(Prompter::Answer::No);
    EXPECT_FALSE(window->close());
    EXPECT_EQ(caption("Command5"), "QUIT");
    EXPECT_EQ(ScoreFile().listRecords().value->at(0).TimesPlayed, 0);

    prompter.answers.push_back(Prompter::Answer::Yes);
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(window->hasEnded());
    EXPECT_EQ(ScratchFolder::read("zorvsco.dat"), annAfterOneRound(0, 2));
}

TEST_F(Board, ExitWhileIdleEndsAtOnce)
{
    window->show();
    menu("mnuexit")->trigger();
    EXPECT_TRUE(window->hasEnded());
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(Board, ExitConfirmedDuringARoundChargesTheQuit)
{
    window->show();
    startRound();
    prompter.answers.push_back(Prompter::Answer::Yes);
    menu("mnuexit")->trigger();
    EXPECT_TRUE(window->hasEnded());
    EXPECT_EQ(ScratchFolder::read("zorvsco.dat"), annAfterOneRound(0, 2));
}

TEST_F(Board, MenuWindowsOpenOnceEachBesideARunningRound)
{
    startRound();
    button("Command1")->click();
    for (int twice = 0; twice < 2; ++twice)
        for (const char* item : {"mnunormsco", "mnunorhelp", "mnutech", "mnuabout"})
            menu(item)->trigger();
    QApplication::processEvents();
    int open = 0;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->isVisible() && top != window.get())
            ++open;
    EXPECT_EQ(open, 4);
    EXPECT_EQ(caption("Command5"), "QUIT");
    EXPECT_EQ(label("Label4"), " 1");
    EXPECT_EQ(window->game().phase(), GameSession::Phase::InRound);
    button("Command1")->click();
    EXPECT_EQ(label("Label4"), " 2");
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top != window.get())
            top->close();
    QApplication::processEvents();
}
