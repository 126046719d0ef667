#pragma once
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

class Prompter;

// The folder the game works in. The game opens its files by bare name, so
// when it is started from a folder without zorvwin.dat (from the desktop
// menu, say) it moves into a folder of the player's own,
// $XDG_DATA_HOME/lexiloop. There the shipped puzzles and sounds are
// symbolic links into the installed data folder, so an upgrade brings new
// ones without copying, and zorvsco.dat is a plain file no package touches.
class UserFolder {
public:
    // What the start-up reads from its surroundings.
    struct Setting {
        std::string xdgDataHome;                 // $XDG_DATA_HOME, may be empty
        std::string home;                        // $HOME, or the account's home
        std::filesystem::path programFolder;     // the folder of the running program
    };

    // What is in the per-user folder under a shipped file's name.
    enum class Entry { Missing, Link, Other };
    // What start-up does about it.
    enum class Step { Keep, Make, Replace };

    // The files an install ships and the per-user folder links to.
    static const std::vector<std::string>& shippedFiles();

    // $XDG_DATA_HOME/lexiloop, or ~/.local/share/lexiloop when the variable
    // is unset or not absolute (relative values are invalid by the XDG rules).
    static std::filesystem::path folderFor(const std::string& xdgDataHome,
                                           const std::string& home);
    // The installed data folder, found from the program's own folder so that
    // any prefix (and a DESTDIR copy) works.
    static std::filesystem::path dataFolderFor(const std::filesystem::path& programFolder);
    // Links are made where nothing is, and pointed anew where they point
    // elsewhere; a real file the player put there is theirs and is kept, and
    // nothing is done for a file the installed data folder does not have.
    static Step stepFor(Entry entry, const std::filesystem::path& linkTarget,
                        const std::filesystem::path& shipped, bool shippedExists);

    // Creates the folder if needed and makes or refreshes its links. The
    // error is that of creating the folder; a link that cannot be made shows
    // up later as the game's own "cannot be opened" message.
    static std::error_code prepare(const std::filesystem::path& folder,
                                   const std::filesystem::path& dataFolder);

    // Stays in the working folder when it holds zorvwin.dat; otherwise
    // prepares the per-user folder and makes it the working folder. When the
    // folder cannot be created, a message box names it and false comes back.
    static bool enter(Prompter& prompter, const Setting& setting);
    // The same with the real environment and Qt's message box; main calls it.
    static bool enter();
};
