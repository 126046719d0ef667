#include "tests/players/ScoreFileFixture.h"

#include "players/ScoreFile.h"
#include "playerwindows/ScoresWindow.h"
#include "tests/support/ScriptedPrompter.h"
#include "ui/Twips.h"

#include <QFontInfo>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <fstream>

namespace {

class ScoresWindowTest : public ScoreFileFixture {
protected:
    void SetUp() override
    {
        ScoreFileFixture::SetUp();
        file = ScoreFile(m_path);
    }

    std::unique_ptr<ScoresWindow> open()
    {
        auto w = std::make_unique<ScoresWindow>(file, prompter);
        w->show();
        return w;
    }

    static QStringList lines(ScoresWindow& w)
    {
        auto* list = w.findChild<QListView*>("List1");
        QStringList out;
        for (int i = 0; i < list->model()->rowCount(); ++i)
            out << list->model()->index(i, 0).data().toString();
        return out;
    }

    static void click(ScoresWindow& w, const char* name)
    {
        QTest::mouseClick(w.findChild<QPushButton*>(name), Qt::LeftButton);
    }

    ScoreFile file;
    ScriptedPrompter prompter;
};

} // namespace

TEST_F(ScoresWindowTest, HasTheDesignedLayout)
{
    auto w = open();
    EXPECT_EQ(w->windowTitle(), "Lexiloop Scores");
    EXPECT_EQ(w->size(), twipsSize(4695, 3255));
    auto* title = w->findChild<QLabel*>("Label1");
    EXPECT_EQ(title->text(), "AVERAGE SCORES");
    EXPECT_TRUE(title->font().bold());
    EXPECT_DOUBLE_EQ(title->font().pointSizeF(), 13.5);
    const QString heads = w->findChild<QLabel*>("Label2")->text();
    EXPECT_EQ(heads.size(), 67);
    EXPECT_EQ(heads, "Player Name" + QString(29, ' ') + "Times Played" + QString(8, ' ') + "Average");
    auto* list = w->findChild<QListView*>("List1");
    EXPECT_EQ(list->geometry(), twipsRect(90, 810, 4515, 1500));
    EXPECT_TRUE(QFontInfo(list->font()).fixedPitch());
    EXPECT_EQ(w->findChild<QPushButton*>("Command1")->text(), "Exit Scores");
    EXPECT_EQ(w->findChild<QPushButton*>("Command2")->text(), "Reset Scores");
}

TEST_F(ScoresWindowTest, SortsTheFileAndListsBestFirst)
{
    writeImage(cat({rec("Ann", 25, 2, 4), rec("ABCDEFGHIJKLMNOPQRST", 400, 10, 1), rec("New", 0, 0, 1)}));
    auto w = open();
    EXPECT_EQ(lines(*w), (QStringList{"ABCDEFGHIJKLMNOPQ   10     40",
                                      "Ann" + QString(15, ' ') + "   2     12",
                                      "New" + QString(15, ' ') + "   0     0"}));
    EXPECT_EQ(readImage(), cat({rec("ABCDEFGHIJKLMNOPQRST", 400, 10, 1), rec("Ann", 25, 2, 4),
                                rec("New", 0, 0, 1)}));
}

TEST_F(ScoresWindowTest, WithoutAFileTheListIsEmpty)
{
    auto w = open();
    EXPECT_TRUE(lines(*w).isEmpty());
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_FALSE(fileThere());
}

TEST_F(ScoresWindowTest, ResetAnsweredYesDeletesTheFileButKeepsTheLines)
{
    writeImage(rec("Ann", 25, 2, 4));
    auto w = open();
    prompter.answers.push_back(Prompter::Answer::Yes);
    click(*w, "Command2");
    ASSERT_EQ(prompter.shown.size(), 1u);
    const auto& asked = prompter.shown[0];
    EXPECT_EQ(asked.kind, "ask");
    EXPECT_EQ(asked.text, "Are you sure you want to DELETE all scores and player data.?");
    EXPECT_EQ(asked.title, "DELETE SCORES?");
    EXPECT_EQ(asked.icon, Prompter::Icon::Critical);
    EXPECT_FALSE(asked.defaultYes);
    EXPECT_FALSE(fileThere());
    EXPECT_EQ(lines(*w).size(), 1);
    EXPECT_TRUE(w->isVisible());
}

TEST_F(ScoresWindowTest, ResetAnsweredNoKeepsTheFile)
{
    writeImage(rec("Ann", 25, 2, 4));
    auto w = open();
    prompter.answers.push_back(Prompter::Answer::No);
    click(*w, "Command2");
    EXPECT_EQ(readImage(), rec("Ann", 25, 2, 4));
}

TEST_F(ScoresWindowTest, ExitClosesWithoutWriting)
{
    writeImage(rec("Ann", 25, 2, 4));
    auto w = open();
    click(*w, "Command1");
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(readImage(), rec("Ann", 25, 2, 4));
}

TEST_F(ScoresWindowTest, TheLongestLinesAndTheHeadsShowWhole)
{
    // A full-length name, a six-digit round count and a perfect average.
    PlayerRecord big;
    big.Name = "Bartholomew Smithson";
    big.TimesPlayed = 99999;
    big.TotalScore = 99999000;
    const PlayerBytes bytes = encodePlayerRecord(big);
    std::ofstream(m_path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), 32);
    auto w = open();
    auto* list = w->findChild<QListView*>("List1");
    const QString line = lines(*w).at(0);
    EXPECT_EQ(line.size(), 34);
    EXPECT_LE(QFontMetrics(list->font()).horizontalAdvance(line), list->viewport()->width());
    auto* heads = w->findChild<QLabel*>("Label2");
    EXPECT_LE(QFontMetrics(heads->font()).horizontalAdvance(heads->text()), heads->width());
}
