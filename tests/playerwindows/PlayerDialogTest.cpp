#include "tests/players/ScoreFileFixture.h"

#include "players/ScoreFile.h"
#include "playerwindows/PlayerDialog.h"
#include "tests/support/ScriptedPrompter.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace {

class PlayerDialogTest : public ScoreFileFixture {
protected:
    void SetUp() override
    {
        ScoreFileFixture::SetUp();
        file = std::make_unique<ScoreFile>(m_path);
    }

    // Opens the dialog the way the main window does and notes what it says.
    std::unique_ptr<PlayerDialog> open()
    {
        auto dialog = std::make_unique<PlayerDialog>(*file, prompter);
        QObject::connect(dialog.get(), &PlayerDialog::playerAccepted,
                         [this](const QString& name, const PlayerRecord& rec) {
                             acceptedName = name;
                             acceptedRec = rec;
                             ++accepts;
                         });
        QObject::connect(dialog.get(), &PlayerDialog::cancelled, [this] { ++cancels; });
        dialog->show();
        return dialog;
    }

    static QComboBox* combo(PlayerDialog& d) { return d.findChild<QComboBox*>("Combo1"); }
    static QPushButton* button(PlayerDialog& d, const char* name) { return d.findChild<QPushButton*>(name); }

    static QStringList items(PlayerDialog& d)
    {
        QStringList out;
        for (int i = 0; i < combo(d)->count(); ++i)
            out << combo(d)->itemText(i);
        return out;
    }

    // Key presses that carry any character, accented ones included.
    static void type(QWidget* target, const QString& text)
    {
        for (QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(target, &press);
        }
    }

    static void accept(PlayerDialog& d, const QString& typed)
    {
        combo(d)->setEditText(typed);
        QTest::mouseClick(button(d, "Command1"), Qt::LeftButton);
    }

    std::unique_ptr<ScoreFile> file;
    ScriptedPrompter prompter;
    QString acceptedName;
    PlayerRecord acceptedRec;
    int accepts = 0;
    int cancels = 0;
};

} // namespace

TEST_F(PlayerDialogTest, HasTheDesignedLayout)
{
    auto d = open();
    EXPECT_EQ(d->windowTitle(), "Select Player");
    EXPECT_EQ(d->size(), twipsSize(2910, 3315));
    EXPECT_TRUE(d->font().bold());
    EXPECT_DOUBLE_EQ(d->font().pointSizeF(), 8.25);
    EXPECT_FALSE(d->isModal());
    auto* label = d->findChild<QLabel*>("Label1");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), "Enter your name or select from the list below. ");
    EXPECT_EQ(combo(*d)->geometry(), twipsRect(330, 840, 2340, 315));
    EXPECT_TRUE(combo(*d)->isEditable());
    EXPECT_EQ(button(*d, "Command1")->text(), "Accept");
    EXPECT_EQ(button(*d, "Command1")->geometry(), twipsRect(390, 2100, 990, 315));
    EXPECT_EQ(button(*d, "Command2")->text(), "Cancel");
    EXPECT_EQ(button(*d, "Command2")->geometry(), twipsRect(1500, 2100, 1005, 315));
}

TEST_F(PlayerDialogTest, ListsThePlayersInFileOrder)
{
    writeImage(cat({rec("Zoe", 0, 0, 1), rec("Ann", 5, 1, 3), rec("Jos\xE9", 0, 0, 1)}));
    auto d = open();
    EXPECT_EQ(items(*d), (QStringList{"Zoe", "Ann", "José"}));
    EXPECT_TRUE(combo(*d)->currentText().isEmpty());
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(PlayerDialogTest, WithoutAFileTheListIsEmptyAndNothingIsCreated)
{
    auto d = open();
    EXPECT_EQ(combo(*d)->count(), 0);
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_FALSE(fileThere());
}

TEST_F(PlayerDialogTest, AnUnreadableFileIsReported)
{
    std::filesystem::create_directory(m_path); // a folder where the file should be
    auto d = open();
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_TRUE(prompter.shown[0].text.contains("zorvsco.dat"));
    EXPECT_EQ(combo(*d)->count(), 0);
}

TEST_F(PlayerDialogTest, EmptyNameAsksForOneAndKeepsTheDialogOpen)
{
    auto d = open();
    accept(*d, "");
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].kind, "message");
    EXPECT_EQ(prompter.shown[0].text, "You must enter or select a player");
    EXPECT_EQ(prompter.shown[0].title, "Enter Name");
    EXPECT_EQ(prompter.shown[0].icon, Prompter::Icon::None);
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(accepts + cancels, 0);
    EXPECT_FALSE(fileThere());
}

TEST_F(PlayerDialogTest, NewPlayerIsAppendedAndAccepted)
{
    writeImage(rec("Ann", 5, 1, 3));
    auto d = open();
    accept(*d, "Bob");
    EXPECT_EQ(accepts, 1);
    EXPECT_EQ(cancels, 0);
    EXPECT_EQ(acceptedName, "Bob");
    EXPECT_EQ(acceptedRec.NextPuzzle, 1);
    EXPECT_EQ(acceptedRec.TimesPlayed, 0);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(readImage(), cat({rec("Ann", 5, 1, 3), rec("Bob", 0, 0, 1)}));
}

TEST_F(PlayerDialogTest, PickedPlayerIsNotAppended)
{
    const Bytes image = cat({rec("Ann", 5, 1, 3), rec("Bob", 20, 2, 1597)});
    writeImage(image);
    auto d = open();
    combo(*d)->setCurrentIndex(1);
    QTest::mouseClick(button(*d, "Command1"), Qt::LeftButton);
    EXPECT_EQ(accepts, 1);
    EXPECT_EQ(acceptedName, "Bob");
    EXPECT_EQ(acceptedRec.NextPuzzle, 1597);
    EXPECT_EQ(acceptedRec.TotalScore, 20);
    EXPECT_EQ(readImage(), image);
}

// A known name must not take over a new one that starts like it or differs
// only in case: the name is taken exactly as typed, keys and Enter alike.
TEST_F(PlayerDialogTest, TypedNamesAreTakenExactlyAsTyped)
{
    writeImage(rec("Ann", 5, 1, 3));
    for (const char* typed : {"ann", "A"}) {
        auto d = open();
        QLineEdit* edit = combo(*d)->lineEdit();
        QTest::keyClicks(edit, QString::fromLatin1(typed));
        EXPECT_EQ(edit->text(), typed);
        QTest::keyClick(edit, Qt::Key_Return);
        EXPECT_EQ(acceptedName, typed);
        EXPECT_EQ(acceptedRec.NextPuzzle, 1);
    }
    EXPECT_EQ(accepts, 2);
    EXPECT_EQ(readImage(), cat({rec("Ann", 5, 1, 3), rec("ann", 0, 0, 1), rec("A", 0, 0, 1)}));
}

TEST_F(PlayerDialogTest, AFileThatCannotBeWrittenKeepsTheDialogOpen)
{
    file = std::make_unique<ScoreFile>((m_dir / "missing" / "zorvsco.dat").string());
    auto d = open();
    accept(*d, "Ann");
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_TRUE(prompter.shown[0].text.contains("zorvsco.dat"));
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(accepts + cancels, 0);
}

TEST_F(PlayerDialogTest, CancelAndTheWindowFrameBothCancelWithoutWriting)
{
    writeImage(rec("Ann", 5, 1, 3));
    auto d = open();
    combo(*d)->setEditText("Bob");
    QTest::mouseClick(button(*d, "Command2"), Qt::LeftButton);
    EXPECT_EQ(cancels, 1);
    EXPECT_FALSE(d->isVisible());

    d->show();
    EXPECT_TRUE(combo(*d)->currentText().isEmpty());
    d->close();
    EXPECT_EQ(cancels, 2);
    EXPECT_EQ(accepts, 0);
    EXPECT_EQ(readImage(), rec("Ann", 5, 1, 3));
}

TEST_F(PlayerDialogTest, OnlyStorableNamesCanBeTyped)
{
    auto d = open();
    QLineEdit* edit = combo(*d)->lineEdit();
    EXPECT_EQ(edit->maxLength(), 20);
    type(edit, "Zoë");
    type(edit, "Ω€");
    EXPECT_EQ(edit->text(), "Zoë€");
    type(edit, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    EXPECT_EQ(edit->text().size(), 20);
}

TEST_F(PlayerDialogTest, DeletesItselfAfterAcceptWhenAskedTo)
{
    QPointer<PlayerDialog> d = new PlayerDialog(*file, prompter);
    d->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(d.data(), &PlayerDialog::playerAccepted, [this](const QString& name, const PlayerRecord&) {
        acceptedName = name;
    });
    QObject::connect(d.data(), &PlayerDialog::cancelled, [this] { ++cancels; });
    d->show();
    accept(*d, "Ann");
    EXPECT_EQ(acceptedName, "Ann");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(d.isNull());
    EXPECT_EQ(cancels, 0);
}
