#include "tests/app/BoardFixture.h"

#include <QMouseEvent>

namespace {

void moveOver(QWidget* control)
{
    const QPointF at(2, 2);
    QMouseEvent move(QEvent::MouseMove, at, control->mapToGlobal(at), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(control, &move);
}

} // namespace

TEST_F(Board, PointerOverAControlWritesItsHint)
{
    const std::vector<std::pair<const char*, QString>> hints = {
        {"Label2", "Displays clues given so far."},
        {"Label4", "Displays clues given so far."},
        {"Label3", "Displays number of wrong guesses so far."},
        {"Label5", "Displays number of wrong guesses so far."},
        {"Command1", "Click here to be shown next letter."},
        {"Command2", "Click here to be shown next letter."},
        {"Command3", "Click here to Guess Word Above"},
        {"Command4", "Click here to Guess Word Below"},
        {"Command5", "Click here to begin play."},
    };
    for (const auto& [name, hint] : hints) {
        moveOver(window->findChild<QWidget*>(QString::fromLatin1(name)));
        EXPECT_EQ(label("SSPanel1"), hint) << name;
    }
    moveOver(window->centralWidget());
    EXPECT_TRUE(label("SSPanel1").startsWith("Lexiloop for Windows v1.0"));
    moveOver(window->findChild<QWidget*>(QStringLiteral("Label6")));
    EXPECT_FALSE(label("SSPanel1").startsWith("Lexiloop for Windows v1.0"));
}

TEST_F(Board, TilesAndTheThinButtonLeaveTheHintAlone)
{
    moveOver(button("Command1"));
    moveOver(window->tile(3, 3));
    moveOver(button("Command6"));
    moveOver(window->findChild<QWidget*>(QStringLiteral("SSPanel1")));
    EXPECT_EQ(label("SSPanel1"), "Click here to be shown next letter.");
}

TEST_F(Board, HintsFollowTheCaptionsOfARound)
{
    startRound();
    moveOver(button("Command5"));
    EXPECT_EQ(label("SSPanel1"), "Click here to quit now.");
    moveOver(button("Command3"));
    EXPECT_EQ(label("SSPanel1"), "Click here to Guess Word Above STICK");
    moveOver(button("Command4"));
    EXPECT_EQ(label("SSPanel1"), "Click here to Guess Word Below SNOW");
}
