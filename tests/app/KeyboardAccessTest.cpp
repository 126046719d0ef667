#include "help/AboutWindow.h"
#include "help/HelpWindow.h"
#include "help/SupportWindow.h"
#include "players/ScoreFile.h"
#include "playerwindows/ScoresWindow.h"
#include "tests/app/BoardFixture.h"

#include <QAccessible>
#include <QListView>
#include <QPointer>
#include <QTest>

// A screen reader and a keyboard player meet the game through these: the
// roles and names of the windows and tiles, and the keys that work them.
namespace {

QAccessible::Role roleOf(QObject* object)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face ? face->role() : QAccessible::NoRole;
}

QString nameOf(QObject* object)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(QAccessible::Name) : QString();
}

// The four modeless windows of the menus, each in a fresh instance.
std::vector<QWidget*> menuWindows(ScoreFile& scores, Prompter& prompter)
{
    return {new ScoresWindow(scores, prompter), new HelpWindow, new AboutWindow,
            new SupportWindow};
}

} // namespace

TEST_F(Board, EveryWindowIsAnnouncedAsAWindowWithItsTitle)
{
    ScoreFile scores;
    for (QWidget* w : menuWindows(scores, prompter)) {
        std::unique_ptr<QWidget> owned(w);
        w->show();
        EXPECT_EQ(roleOf(w), QAccessible::Window) << w->objectName().toStdString();
        EXPECT_EQ(nameOf(w), w->windowTitle()) << w->objectName().toStdString();
    }
    EXPECT_EQ(roleOf(window.get()), QAccessible::Window);
    button("Command5")->click();
    EXPECT_EQ(roleOf(window->playerDialog()), QAccessible::Dialog);
}

TEST_F(Board, TilesArePicturesNamedForWhatTheyShow)
{
    EXPECT_EQ(roleOf(window->tile(0, 0)), QAccessible::Graphic);
    EXPECT_EQ(nameOf(window->tile(0, 0)), "blank");
    startRound();
    EXPECT_EQ(roleOf(window->tile(0, 0)), QAccessible::Graphic);
    EXPECT_EQ(nameOf(window->tile(0, 0)), "S");
    EXPECT_EQ(nameOf(window->tile(1, 0)), "covered");
}

TEST_F(Board, EscapeClosesEveryMenuWindowFromAnyOfItsControls)
{
    ScoreFile scores;
    for (QWidget* w : menuWindows(scores, prompter)) {
        QPointer<QWidget> guard(w);
        w->setAttribute(Qt::WA_DeleteOnClose);
        w->show();
        // A key that no control wants goes up to its window.
        QWidget* control = w->findChild<QListView*>();
        if (!control)
            control = w->findChild<QPushButton*>();
        ASSERT_NE(control, nullptr);
        QTest::keyClick(control, Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(guard.isNull()) << w->objectName().toStdString();
        delete guard.data();
    }
}

TEST_F(Board, TabRunsDownThePlayButtonsAsTheyStand)
{
    QStringList order;
    QWidget* w = button("Command1");
    while (order.size() < 6) {
        if (w->focusPolicy() & Qt::TabFocus)
            order << w->objectName();
        w = w->nextInFocusChain();
    }
    EXPECT_EQ(order, (QStringList{"Command1", "Command2", "Command6", "Command4", "Command3",
                                  "Command5"}));
}

TEST_F(Board, EnterPressesTheFocusedButtonAsSpaceDoes)
{
    QTest::keyClick(button("Command5"), Qt::Key_Return);
    ASSERT_NE(window->playerDialog(), nullptr);
    window->playerDialog()->findChild<QComboBox*>(QStringLiteral("Combo1"))->setEditText("Ann");
    window->playerDialog()->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    QApplication::processEvents();
    ASSERT_EQ(caption("Command5"), "QUIT");

    QTest::keyClick(button("Command1"), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(label("Label4"), " 1");
    QTest::keyClick(button("Command2"), Qt::Key_Return);
    EXPECT_EQ(label("Label4"), " 2");
}

TEST(HelpWindowKeys, TopicsAreReachedWithTabAndOpenedWithEnter)
{
    HelpWindow help;
    help.show();
    auto* exit = help.findChild<QPushButton*>(QStringLiteral("SSCommand1"));
    QStringList reachable;
    for (QWidget* w = exit->nextInFocusChain(); w != exit; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled())
            reachable << w->objectName();
    }
    for (const char* entry : {"Label3", "Label4", "Label5", "Label6"})
        EXPECT_TRUE(reachable.contains(QString::fromLatin1(entry))) << entry;

    auto* heading = help.findChild<QLabel*>(QStringLiteral("Label1"));
    const QString topicList = heading->text();
    QTest::keyClick(help.findChild<QLabel*>(QStringLiteral("Label4")), Qt::Key_Return);
    EXPECT_NE(heading->text(), topicList);
    // In a topic the entries are switched off, so Tab passes them by.
    EXPECT_FALSE(help.findChild<QLabel*>(QStringLiteral("Label4"))->isEnabled());
}
