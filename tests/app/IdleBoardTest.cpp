#include "app/WrapButton.h"
#include "media/SoundPlayer.h"
#include "tests/app/BoardFixture.h"
#include "ui/Twips.h"

TEST_F(Board, StartsIdleWithBareCaptionsAndBlankTiles)
{
    EXPECT_EQ(window->windowTitle(), "Lexiloop for Windows 95");
    EXPECT_EQ(caption("Command1"), "Take Letter Below");
    EXPECT_EQ(caption("Command2"), "Take Letter Above");
    EXPECT_EQ(caption("Command3"), "Guess Word Above");
    EXPECT_EQ(caption("Command4"), "Guess Word Below");
    EXPECT_EQ(caption("Command5"), "PLAY");
    EXPECT_EQ(caption("Command6"), "");
    EXPECT_EQ(label("Label4"), " 0");
    EXPECT_EQ(label("Label5"), " 0");
    EXPECT_EQ(label("Label2"), "Letters Taken");
    EXPECT_EQ(label("Label3"), "Wrong Guesses");
    EXPECT_EQ(label("SSPanel1"), "Lexiloop for Windows v1.0");
    for (int i = 0; i < 70; ++i)
        ASSERT_EQ(holder(i), 2) << "tile " << i;
    EXPECT_EQ(window->tile(0, 0)->accessibleName(), "blank");
    EXPECT_TRUE(menu("mnusoundon")->isChecked());
    EXPECT_FALSE(menu("mnusoundoff")->isChecked());
    EXPECT_TRUE(window->soundOn());
    QApplication::processEvents(); // the sound device opens once the board is up
    EXPECT_TRUE(window->soundPlayer()->isOpen());
    EXPECT_EQ(window->soundPlayer()->fileName(), "not.wav");
}

TEST_F(Board, ControlsSitWhereTheDesignPutsThem)
{
    EXPECT_EQ(window->centralWidget()->size(), QSize(499, 273));
    EXPECT_EQ(button("Command1")->geometry(), twipsRect(5220, 1500, 1545, 405));
    EXPECT_EQ(button("Command2")->geometry(), twipsRect(5220, 1890, 1545, 405));
    EXPECT_EQ(button("Command6")->geometry(), twipsRect(5220, 2280, 1545, 255));
    EXPECT_EQ(button("Command4")->geometry(), twipsRect(5220, 2520, 1545, 405));
    EXPECT_EQ(button("Command3")->geometry(), twipsRect(5220, 2910, 1545, 405));
    EXPECT_EQ(button("Command5")->geometry(), twipsRect(1800, 3390, 1125, 315));
    auto* panel = window->findChild<QLabel*>(QStringLiteral("SSPanel1"));
    EXPECT_EQ(panel->geometry(), twipsRect(30, 3810, 7335, 240));
    EXPECT_EQ(window->tile(0, 0)->geometry(), twipsRect(600, 930, 300, 270));
    EXPECT_EQ(window->tile(6, 9)->geometry(), twipsRect(600 + 360 * 9, 930 + 330 * 6, 300, 270));
    EXPECT_EQ(window->findChildren<TileImage*>(QStringLiteral("Image1")).size(), 70);
}

TEST_F(Board, MenusCarryTheirItemsAndSeparators)
{
    for (const char* name : {"mnunormpl", "mnunormsco", "mnuexit", "mnusoundon", "mnusoundoff",
                             "mnunorhelp", "mnutech", "mnuabout"})
        ASSERT_NE(menu(name), nullptr) << name;
    EXPECT_EQ(menu("mnunormpl")->text(), "&Play Game");
    EXPECT_EQ(menu("mnutech")->text(), "&Obtaining Technical Support");
    for (const char* name : {"mnusep", "mnusep2", "mnusep3"})
        EXPECT_TRUE(menu(name)->isSeparator()) << name;
}

TEST_F(Board, PlayButtonsDoNothingWhileIdle)
{
    for (const char* name : {"Command1", "Command2", "Command3", "Command4"})
        button(name)->click();
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(label("Label4"), " 0");
    EXPECT_EQ(caption("Command5"), "PLAY");
}

TEST_F(Board, SoundMenuKeepsExactlyOneCheck)
{
    menu("mnusoundoff")->trigger();
    EXPECT_FALSE(menu("mnusoundon")->isChecked());
    EXPECT_TRUE(menu("mnusoundoff")->isChecked());
    EXPECT_FALSE(window->soundOn());
    menu("mnusoundon")->trigger();
    menu("mnusoundon")->trigger();
    EXPECT_TRUE(menu("mnusoundon")->isChecked());
    EXPECT_FALSE(menu("mnusoundoff")->isChecked());
    EXPECT_TRUE(window->soundOn());
}

TEST_F(Board, TilesTellAssistiveTechnologyWhatTheyShow)
{
    TileImage* tile = window->tile(0, 5);
    tile->setHolder(3);
    EXPECT_EQ(tile->accessibleName(), "covered");
    tile->setHolder(4 + ('Q' - 'A'));
    EXPECT_EQ(tile->accessibleName(), "Q");
    tile->setHolder(2);
    EXPECT_EQ(tile->accessibleName(), "blank");
}

TEST_F(Board, LongCaptionsWrapInsideTheButton)
{
    auto* take = qobject_cast<WrapButton*>(button("Command1"));
    ASSERT_NE(take, nullptr);
    take->setText(QStringLiteral("Take Letter Below SNOWBALLED"));
    EXPECT_EQ(take->text(), "Take Letter Below SNOWBALLED");
    const QRect room = take->textArea();
    const QFontMetrics metrics(take->fittingFont());
    const QRect needed = metrics.boundingRect(room, WrapButton::kTextFlags, take->text());
    EXPECT_LE(needed.height(), room.height());
    EXPECT_LE(needed.width(), room.width());
    EXPECT_GT(needed.height(), metrics.height()); // it did wrap
    EXPECT_GE(QFontInfo(take->fittingFont()).pixelSize(), 9);
}
