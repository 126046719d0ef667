#include "help/HelpWindow.h"

#include "help/LinkLabel.h"
#include "ui/Twips.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class HelpWindowTest : public ::testing::Test {
protected:
    HelpWindow window;

    QLabel* label(int n) { return window.findChild<QLabel*>(QStringLiteral("Label%1").arg(n)); }
    QPushButton* button(const char* name)
    {
        return window.findChild<QPushButton*>(QString::fromLatin1(name));
    }
    void click(int entry) { QTest::mouseClick(label(entry), Qt::LeftButton); }

    void expectListView()
    {
        EXPECT_EQ(label(1)->text(), "TOPICS");
        EXPECT_EQ(label(2)->text(), "");
        const QStringList entries = {"Objective", "Starting Game", "Game Play", "Tips"};
        for (int i = 0; i < entries.size(); ++i) {
            EXPECT_EQ(label(3 + i)->text(), entries[i]);
            EXPECT_TRUE(label(3 + i)->isEnabled());
        }
    }
    void expectEntriesOff()
    {
        for (int n = 3; n <= 6; ++n) {
            EXPECT_EQ(label(n)->text(), "") << "Label" << n;
            EXPECT_FALSE(label(n)->isEnabled()) << "Label" << n;
        }
    }
};

TEST_F(HelpWindowTest, OpensInTheListViewWithTheDesignedLayout)
{
    EXPECT_EQ(window.windowTitle(), "Lexiloop Help");
    EXPECT_EQ(window.size(), twipsSize(4785, 4815));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    ASSERT_NE(button("SSCommand1"), nullptr);
    ASSERT_NE(button("SSCommand2"), nullptr);
    EXPECT_EQ(button("SSCommand1")->text(), "Exit Help");
    EXPECT_EQ(button("SSCommand2")->text(), "Topics");
    EXPECT_EQ(button("SSCommand2")->geometry(), twipsRect(1800, 0, 1815, 345));
    EXPECT_EQ(label(2)->geometry(), twipsRect(270, 900, 4245, 3735));
    EXPECT_EQ(label(6)->geometry(), twipsRect(360, 2010, 2655, 255));
    EXPECT_TRUE(label(2)->wordWrap());
    expectListView();
}

TEST_F(HelpWindowTest, EntryCaptionsLeadToTheirOwnHeadings)
{
    const char* headings[] = {"Objective", "Starting the Game", "Game Play", "A Few Tips"};
    for (int i = 0; i < 4; ++i) {
        click(3 + i);
        EXPECT_EQ(label(1)->text(), headings[i]);
        expectEntriesOff();
        QTest::mouseClick(button("SSCommand2"), Qt::LeftButton);
        expectListView();
    }
}

TEST_F(HelpWindowTest, BodiesAreTheFixedTexts)
{
    click(4);
    EXPECT_EQ(label(2)->text(),
              "To begin a game, click on the 'PLAY' button under the word display board. "
              "Then, using the four command buttons on the status board, select which action "
              "you wish to do next.");
    QTest::mouseClick(button("SSCommand2"), Qt::LeftButton);
    click(6);
    EXPECT_EQ(label(2)->text(),
              "Your score is based on the number of clues given to you and the number of "
              "incorrect guesses you make. A tally of these are shown at the top of the status "
              "board.\n\nIf you are solving the puzzle from the top down and you find yourself "
              "stumped, start trying to solve the puzzle from the bottom up instead of taking "
              "excess letters. Often, once you solve the lower word, the missing word will "
              "become clear.");
}

TEST_F(HelpWindowTest, GamePlayHasTwoParagraphsWithTheQuitWarning)
{
    click(5);
    const QStringList parts = label(2)->text().split(QStringLiteral("\n\n"));
    ASSERT_EQ(parts.size(), 2);
    EXPECT_TRUE(parts[0].startsWith("Once you start play, you then use"));
    EXPECT_TRUE(parts[1].endsWith("a reduction of your overall average score."));
    EXPECT_TRUE(parts[1].contains("HOWEVER, please note that quiting a game"));
    EXPECT_FALSE(label(2)->text().contains(QStringLiteral("\n\n\n")));
}

TEST_F(HelpWindowTest, SecondTopicReplacesTheFirstEntirely)
{
    click(3);
    QTest::mouseClick(button("SSCommand2"), Qt::LeftButton);
    click(4);
    EXPECT_EQ(label(1)->text(), "Starting the Game");
    EXPECT_TRUE(label(2)->text().startsWith("To begin a game"));
    EXPECT_FALSE(label(2)->text().contains("objective"));
    expectEntriesOff();
}

TEST_F(HelpWindowTest, ClickingWhereAnEntryWasDoesNothingInTopicView)
{
    click(3);
    const QString body = label(2)->text();
    for (int n = 4; n <= 6; ++n)
        click(n);
    EXPECT_EQ(label(1)->text(), "Objective");
    EXPECT_EQ(label(2)->text(), body);
}

TEST_F(HelpWindowTest, DisabledLinkNeverReportsAClick)
{
    // Qt already filters input to disabled widgets; this checks the label's
    // own guard against a release delivered to it directly.
    auto* entry = qobject_cast<LinkLabel*>(label(3));
    ASSERT_NE(entry, nullptr);
    int clicks = 0;
    QObject::connect(entry, &LinkLabel::clicked, [&clicks] { ++clicks; });
    entry->setEnabled(false);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(entry, &release);
    EXPECT_EQ(clicks, 0);
    entry->setEnabled(true);
    QCoreApplication::sendEvent(entry, &release);
    EXPECT_EQ(clicks, 1);
}

TEST_F(HelpWindowTest, ReleaseOutsideTheEntryIsNotAClick)
{
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(-3, -3), QPointF(-3, -3),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(label(5), &release);
    EXPECT_EQ(label(1)->text(), "TOPICS");
}

TEST_F(HelpWindowTest, ExitHelpClosesTheWindowFromEitherView)
{
    window.show();
    click(5);
    QTest::mouseClick(button("SSCommand1"), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
}

} // namespace
