#include "help/SingleWindow.h"
#include "help/zorvhelp.h"
#include "help/zorvtech.h"
#include "help/zvabout.h"

#include "app/Twips.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

QLabel* labelOf(QWidget& w, const char* name)
{
    return w.findChild<QLabel*>(QString::fromLatin1(name));
}

void clickOk(QWidget& w)
{
    auto* ok = w.findChild<QPushButton*>(QStringLiteral("Command1"));
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), "OK");
    QTest::mouseClick(ok, Qt::LeftButton);
}

// Lets windows closed with WA_DeleteOnClose actually go away.
void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(AboutWindow, HasTheDesignedSizeCaptionAndTitle)
{
    zvabout about;
    EXPECT_EQ(about.windowTitle(), "About Lexiloop");
    EXPECT_EQ(about.size(), twipsSize(4050, 3615));
    EXPECT_EQ(about.minimumSize(), about.maximumSize());
    EXPECT_EQ(about.palette().color(QPalette::Window), QColor(Qt::white));
    ASSERT_NE(labelOf(about, "Label1"), nullptr);
    EXPECT_EQ(labelOf(about, "Label1")->text(), "LEXILOOP for Windows 95");
    EXPECT_TRUE(labelOf(about, "Label1")->font().bold());
    EXPECT_FALSE(labelOf(about, "Label2")->text().isEmpty());
    EXPECT_EQ(labelOf(about, "Image1")->geometry(), twipsRect(900, 570, 2250, 1050));
}

TEST(AboutWindow, OkClosesIt)
{
    zvabout about;
    about.show();
    clickOk(about);
    EXPECT_FALSE(about.isVisible());
}

TEST(SupportWindow, ListsOneContactPerLine)
{
    zorvtech tech;
    EXPECT_EQ(tech.windowTitle(), "Technical Support");
    EXPECT_EQ(tech.size(), twipsSize(4080, 3315));
    EXPECT_EQ(tech.minimumSize(), tech.maximumSize());
    EXPECT_FALSE(labelOf(tech, "Label1")->text().isEmpty());
    const QStringList lines = labelOf(tech, "Label2")->text().split('\n');
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[0].startsWith("Email: "));
    EXPECT_TRUE(lines[1].startsWith("BBS: "));
    EXPECT_TRUE(lines[2].startsWith("http://"));
    EXPECT_TRUE(lines[3].startsWith("Mail: "));
}

TEST(SupportWindow, OkClosesIt)
{
    zorvtech tech;
    tech.show();
    clickOk(tech);
    EXPECT_FALSE(tech.isVisible());
}

TEST(InfoWindows, EveryWindowUsesTheClassicFontAndCentresOnFirstShow)
{
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    zorvhelp help;
    zvabout about;
    zorvtech tech;
    for (QWidget* w : {static_cast<QWidget*>(&help), static_cast<QWidget*>(&about),
                       static_cast<QWidget*>(&tech)}) {
        EXPECT_EQ(w->font().family(), "MS Sans Serif") << w->windowTitle().toStdString();
        w->show();
        // Halving odd differences may leave the window one pixel off centre.
        const QPoint offset = w->frameGeometry().center() - area.center();
        EXPECT_LE(std::abs(offset.x()), 1) << w->windowTitle().toStdString();
        EXPECT_LE(std::abs(offset.y()), 1) << w->windowTitle().toStdString();
    }
}

TEST(InfoWindows, ClosingOneLeavesTheOthersOpen)
{
    zorvhelp help;
    zvabout about;
    zorvtech tech;
    help.show();
    about.show();
    tech.show();
    clickOk(about);
    EXPECT_TRUE(help.isVisible());
    EXPECT_TRUE(tech.isVisible());
}

TEST(ShowSingle, SecondCallRaisesTheOpenWindowInItsCurrentView)
{
    QPointer<zorvhelp> slot;
    zorvhelp* first = showSingle(slot);
    first->showTopic(3);
    zorvhelp* second = showSingle(slot);
    EXPECT_EQ(first, second);
    EXPECT_EQ(labelOf(*second, "Label1")->text(), "A Few Tips");

    int helpWindows = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        helpWindows += qobject_cast<zorvhelp*>(w) != nullptr;
    EXPECT_EQ(helpWindows, 1);
    second->close();
    flushDeletes();
}

TEST(ShowSingle, ClosedWindowComesBackFreshInTheListView)
{
    QPointer<zorvhelp> slot;
    showSingle(slot)->showTopic(1);
    QTest::mouseClick(slot->findChild<QPushButton*>(QStringLiteral("SSCommand1")),
                      Qt::LeftButton);
    flushDeletes();
    EXPECT_TRUE(slot.isNull());

    zorvhelp* again = showSingle(slot);
    EXPECT_EQ(labelOf(*again, "Label1")->text(), "TOPICS");
    EXPECT_TRUE(again->isVisible());
    again->close();
    flushDeletes();
    EXPECT_TRUE(slot.isNull());
}

TEST(ShowSingle, PassesArgumentsToTheWindow)
{
    QWidget owner;
    QPointer<zvabout> slot;
    zvabout* about = showSingle(slot, &owner);
    EXPECT_EQ(about->parentWidget(), &owner);
    EXPECT_TRUE(about->isWindow());
    about->close();
    flushDeletes();
}

} // namespace
