#include "app/UserFolder.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/ScriptedPrompter.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

using Entry = UserFolder::Entry;
using Step = UserFolder::Step;

// A scratch install: prefix/games for the program, prefix/share/lexiloop with
// the shipped files, each holding its own name and a tag.
fs::path fakeInstall(const fs::path& prefix, const std::string& tag)
{
    fs::create_directories(prefix / "games");
    fs::create_directories(prefix / "share" / "lexiloop");
    for (const std::string& file : UserFolder::shippedFiles())
        ScratchFolder::write((prefix / "share" / "lexiloop" / file).string(),
                             std::vector<uint8_t>(tag.begin(), tag.end()));
    return prefix / "games";
}

std::string content(const fs::path& file)
{
    const auto bytes = ScratchFolder::read(file.string());
    return {bytes.begin(), bytes.end()};
}

} // namespace

TEST(UserFolderPlan, FolderFollowsXdgDataHomeOnlyWhenAbsolute)
{
    EXPECT_EQ(UserFolder::folderFor("/data/me", "/home/me"), fs::path("/data/me/lexiloop"));
    EXPECT_EQ(UserFolder::folderFor("", "/home/me"), fs::path("/home/me/.local/share/lexiloop"));
    EXPECT_EQ(UserFolder::folderFor("data", "/home/me"),
              fs::path("/home/me/.local/share/lexiloop"));
    EXPECT_EQ(UserFolder::dataFolderFor("/usr/games"), fs::path("/usr/share/lexiloop"));
    EXPECT_EQ(UserFolder::dataFolderFor("/tmp/x/usr/games/"), fs::path("/tmp/x/usr/share/lexiloop"));
}

TEST(UserFolderPlan, LinksAreMadeOrRepointedButPlayersFilesAreKept)
{
    const fs::path shipped = "/usr/share/lexiloop/zorvwin.dat";
    EXPECT_EQ(UserFolder::stepFor(Entry::Missing, {}, shipped, true), Step::Make);
    EXPECT_EQ(UserFolder::stepFor(Entry::Link, shipped, shipped, true), Step::Keep);
    EXPECT_EQ(UserFolder::stepFor(Entry::Link, "/opt/old/share/lexiloop/zorvwin.dat", shipped, true),
              Step::Replace);
    EXPECT_EQ(UserFolder::stepFor(Entry::Other, {}, shipped, true), Step::Keep);
    // Without an installed copy (a build-tree program) nothing is changed.
    EXPECT_EQ(UserFolder::stepFor(Entry::Missing, {}, shipped, false), Step::Keep);
    EXPECT_EQ(UserFolder::stepFor(Entry::Link, "/elsewhere", shipped, false), Step::Keep);
}

TEST(UserFolderEnter, AStartFolderHoldingTheGameDataIsKept)
{
    ScratchFolder folder;
    ScratchFolder::write("zorvwin.dat", {'x'});
    ScriptedPrompter prompter;
    const fs::path xdg = folder.path() / "xdg";
    ASSERT_TRUE(UserFolder::enter(prompter, {xdg.string(), folder.path().string(),
                                             fakeInstall(folder.path() / "usr", "1")}));
    EXPECT_EQ(fs::current_path(), folder.path());
    EXPECT_FALSE(fs::exists(xdg));
    EXPECT_TRUE(prompter.shown.empty());
}

TEST(UserFolderEnter, AnEmptyStartFolderMovesToThePlayersFolderWithLinks)
{
    ScratchFolder folder;
    const fs::path start = folder.path() / "start";
    fs::create_directory(start);
    fs::current_path(start);
    const fs::path home = folder.path() / "home";
    const fs::path oldBin = fakeInstall(folder.path() / "old", "old");
    ScriptedPrompter prompter;

    // First start: the folder is made under ~/.local/share, with links.
    ASSERT_TRUE(UserFolder::enter(prompter, {"", home.string(), oldBin}));
    const fs::path user = home / ".local" / "share" / "lexiloop";
    EXPECT_EQ(fs::current_path(), user);
    for (const std::string& file : UserFolder::shippedFiles()) {
        EXPECT_TRUE(fs::is_symlink(user / file)) << file;
        EXPECT_EQ(content(file), "old") << file;
    }
    ScratchFolder::write("zorvsco.dat", {'s', 'c', 'o', 'r', 'e'});
    fs::remove("hit.wav");
    ScratchFolder::write("hit.wav", {'m', 'i', 'n', 'e'});

    // A newer install elsewhere: the links follow it, the score file and a
    // sound the player replaced with a file of their own stay as they are.
    fs::current_path(start);
    const fs::path newBin = fakeInstall(folder.path() / "new", "new");
    ASSERT_TRUE(UserFolder::enter(prompter, {"", home.string(), newBin}));
    EXPECT_EQ(content("zorvwin.dat"), "new");
    EXPECT_EQ(fs::read_symlink("wins.wav"), folder.path() / "new" / "share" / "lexiloop" / "wins.wav");
    EXPECT_EQ(content("hit.wav"), "mine");
    EXPECT_EQ(content("zorvsco.dat"), "score");
    EXPECT_FALSE(fs::exists("zorvwin.dat.link"));
    EXPECT_TRUE(fs::is_empty(start));
    EXPECT_TRUE(prompter.shown.empty());
}

TEST(UserFolderEnter, AFolderThatCannotBeMadeIsNamedInABoxAndTheGameStops)
{
    ScratchFolder folder;
    ScratchFolder::write("blocker", {'x'});
    fs::create_directory("start");
    fs::current_path("start");
    ScriptedPrompter prompter;
    const fs::path xdg = folder.path() / "blocker";
    EXPECT_FALSE(UserFolder::enter(prompter, {xdg.string(), "/nonexistent", "/usr/games"}));
    EXPECT_EQ(fs::current_path(), folder.path() / "start");
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].kind, "message");
    EXPECT_EQ(prompter.shown[0].title, "Cannot Create Folder");
    EXPECT_EQ(prompter.shown[0].icon, Prompter::Icon::Critical);
    EXPECT_EQ(prompter.shown[0].text,
              QStringLiteral("Could not create the folder %1/lexiloop that keeps your scores: "
                             "Not a directory.")
                  .arg(QString::fromStdString(xdg.string())));
}
