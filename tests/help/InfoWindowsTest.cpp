#include "help/AboutWindow.h"
#include "help/HelpWindow.h"
#include "help/SupportWindow.h"
#include "ui/SingleWindow.h"

#include "ui/Twips.h"

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
    AboutWindow about;
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
    AboutWindow about;
    about.show();
    clickOk(about);
    EXPECT_FALSE(about.isVisible());
}

TEST(SupportWindow, ListsOneContactPerLine)
{
    SupportWindow tech;
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
    SupportWindow tech;
    tech.show();
    clickOk(tech);
    EXPECT_FALSE(tech.isVisible());
}

TEST(InfoWindows, EveryWindowUsesTheClassicFontAndCentresOnFirstShow)
{
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    HelpWindow help;
    AboutWindow about;
    SupportWindow tech;
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
    HelpWindow help;
    AboutWindow about;
    SupportWindow tech;
    help.show();
    about.show();
    tech.show();
    clickOk(about);
    EXPECT_TRUE(help.isVisible());
    EXPECT_TRUE(tech.isVisible());
}

TEST(ShowSingle, SecondCallRaisesTheOpenWindowInItsCurrentView)
{
    QPointer<HelpWindow> slot;
    HelpWindow* first = showSingle(slot);
    first->showTopic(3);
    HelpWindow* second = showSingle(slot);
    EXPECT_EQ(first, second);
    EXPECT_EQ(labelOf(*second, "Label1")->text(), "A Few Tips");

    int helpWindows = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        helpWindows += qobject_cast<HelpWindow*>(w) != nullptr;
    EXPECT_EQ(helpWindows, 1);
    second->close();
    flushDeletes();
}

TEST(ShowSingle, ClosedWindowComesBackFreshInTheListView)
{
    QPointer<HelpWindow> slot;
    showSingle(slot)->showTopic(1);
    QTest::mouseClick(slot->findChild<QPushButton*>(QStringLiteral("SSCommand1")),
                      Qt::LeftButton);
    flushDeletes();
    EXPECT_TRUE(slot.isNull());

    HelpWindow* again = showSingle(slot);
    EXPECT_EQ(labelOf(*again, "Label1")->text(), "TOPICS");
    EXPECT_TRUE(again->isVisible());
    again->close();
    flushDeletes();
    EXPECT_TRUE(slot.isNull());
}

TEST(ShowSingle, PassesArgumentsToTheWindow)
{
    QWidget owner;
    QPointer<AboutWindow> slot;
    AboutWindow* about = showSingle(slot, &owner);
    EXPECT_EQ(about->parentWidget(), &owner);
    EXPECT_TRUE(about->isWindow());
    about->close();
    flushDeletes();
}

} // namespace
