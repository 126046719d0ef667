#include "game/GameData.h"
#include "game/PuzzleRec.h"
#include "game/Scoring.h"
#include "tests/support/Chains.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

TEST(Scoring, RoundsInSinglePrecisionHalfToEven)
{
    EXPECT_EQ(roundScore(0, 16), 1000);
    EXPECT_EQ(roundScore(1, 16), 938); // 937.5
    EXPECT_EQ(roundScore(3, 16), 812); // 812.5
    EXPECT_EQ(roundScore(16, 16), 0);
    EXPECT_EQ(roundScore(17, 16), 1);
    EXPECT_EQ(roundScore(65534, 3), 1); // far below the 16-bit range
    EXPECT_EQ(roundScore(1, 3), 667);
}

TEST(Scoring, NumbersCarryALeadingBlank)
{
    EXPECT_EQ(formatCount(0), " 0");
    EXPECT_EQ(formatCount(3), " 3");
    EXPECT_EQ(formatCount(-4), "-4");
    EXPECT_EQ(bumpCounter(32766), 32767);
    EXPECT_EQ(bumpCounter(32767), 32767);
}

TEST(Scoring, CongratulationsPutsTwoBlanksBeforeEachNumber)
{
    EXPECT_EQ(congratulationsText(938, 812.6),
              "Congratulations! You have finished.\n\nYour score this round is  938\n\n"
              "Your average score to date is  812");
    EXPECT_EQ(congratulationsText(0, 0), "Congratulations! You have finished.\n\nYour score this "
                                         "round is  0\n\nYour average score to date is  0");
}

TEST(PuzzleRecord, DecodesTrimmedUpperCaseWords)
{
    auto bytes = chainBytes({"snow", "BALL", "ROOM", "MATE", "SHIP", "YARD", "ABCDEFGHIJ"});
    const PuzzleDecode d = decodePuzzleRec(std::span<const uint8_t, 77>(bytes.data(), 77));
    ASSERT_TRUE(d.ok()) << d.error;
    EXPECT_EQ(d.rec.Word[0], "SNOW");
    EXPECT_EQ(d.rec.Word[6], "ABCDEFGHIJ");
    const PuzzleBytes again = encodePuzzleRec(d.rec);
    EXPECT_EQ(again[0], 'S');
    EXPECT_EQ(again[4], ' ');
    EXPECT_EQ(again[76], ' ');
}

TEST(PuzzleRecord, RejectsWordsThatCannotBePlayed)
{
    const std::vector<std::pair<std::vector<std::string>, std::string>> bad = {
        {{"SNOW", "", "ROOM", "MATE", "SHIP", "YARD", "STICK"}, "word 2 is empty"},
        {{"SNOW", "BALL", "ROOMMATESXY", "MATE", "SHIP", "YARD", "STICK"}, "word 3 is longer"},
        {{"SNOW", "BALL", "ROOM", "MA1E", "SHIP", "YARD", "STICK"}, "word 4 holds"},
        {{"SNOW", "BALL", "ROOM", "MATE", " SHIP", "YARD", "STICK"}, "word 5 holds"},
        {{"SNOW", "BALL", "ROOM", "MATE", "SHIP", "YA D", "STICK"}, "word 6 holds"},
    };
    for (const auto& [words, problem] : bad) {
        auto bytes = chainBytes(words);
        const PuzzleDecode d = decodePuzzleRec(std::span<const uint8_t, 77>(bytes.data(), 77));
        EXPECT_EQ(d.error.rfind(problem, 0), 0u) << d.error;
    }
}

TEST(GameDataFile, ReadsTheRecordOfThePuzzleNumber)
{
    ScratchFolder folder;
    ScratchFolder::write("zorvwin.dat", chainFile({kSnowChain, {"FIRE", "ENGINE", "ROOM", "SERVICE",
                                                                "STATION", "WAGON", "WHEEL"}}));
    const PuzzleLoad second = readPuzzle("zorvwin.dat", 2);
    ASSERT_TRUE(second.ok()) << second.error;
    EXPECT_EQ(second.rec.Word[1], "ENGINE");
    const PuzzleLoad missing = readPuzzle("zorvwin.dat", 3);
    EXPECT_NE(missing.error.find("too short to hold puzzle 3"), std::string::npos);
    EXPECT_NE(missing.error.find("zorvwin.dat"), std::string::npos);
    EXPECT_FALSE(readPuzzle("zorvwin.dat", 0).ok());
    EXPECT_NE(readPuzzle("nothere.dat", 1).error.find("cannot be opened"), std::string::npos);
    // As the round's puzzle source the file is opened by bare name.
    PuzzleFile source;
    EXPECT_EQ(source.puzzle(1).rec.Word[6], "STICK");
    EXPECT_FALSE(source.puzzle(3).ok());
}

TEST(GameDataFile, AHalfRecordAtTheEndIsTooShort)
{
    ScratchFolder folder;
    auto bytes = chainFile({kSnowChain, kSnowChain});
    bytes.resize(77 + 40);
    ScratchFolder::write("zorvwin.dat", bytes);
    EXPECT_TRUE(readPuzzle("zorvwin.dat", 1).ok());
    EXPECT_FALSE(readPuzzle("zorvwin.dat", 2).ok());
}
