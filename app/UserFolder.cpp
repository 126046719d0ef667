#include "app/UserFolder.h"

#include "ui/Prompter.h"
#include "ui/QtPrompter.h"

#include <QCoreApplication>
#include <QFile>
#include <QString>
#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

// Set by the build from the install layout; ../share/lexiloop by default.
#ifndef LEXILOOP_DATA_FROM_BIN
#define LEXILOOP_DATA_FROM_BIN "../share/lexiloop"
#endif

namespace fs = std::filesystem;

namespace {

const char* kGameData = "zorvwin.dat";

UserFolder::Entry entryAt(const fs::path& name, fs::path& linkTarget)
{
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(name, ec);
    if (ec || !fs::exists(status))
        return UserFolder::Entry::Missing;
    if (!fs::is_symlink(status))
        return UserFolder::Entry::Other;
    linkTarget = fs::read_symlink(name, ec);
    return UserFolder::Entry::Link;
}

// A new link goes in under a temporary name and is renamed over the old
// one, so a second copy of the game starting at the same moment never
// finds the name missing.
void pointLink(const fs::path& name, const fs::path& target, bool replace)
{
    std::error_code ec;
    if (!replace) {
        fs::create_symlink(target, name, ec);
        return;
    }
    fs::path fresh = name;
    fresh += ".link";
    fs::remove(fresh, ec);
    fs::create_symlink(target, fresh, ec);
    if (ec)
        return;
    fs::rename(fresh, name, ec);
    if (ec)
        fs::remove(fresh, ec);
}

std::string accountHome()
{
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir)
        return entry->pw_dir;
    return {};
}

} // namespace

const std::vector<std::string>& UserFolder::shippedFiles()
{
    static const std::vector<std::string> files{kGameData, "hit.wav", "not.wav", "wins.wav"};
    return files;
}

fs::path UserFolder::folderFor(const std::string& xdgDataHome, const std::string& home)
{
    const fs::path data = xdgDataHome;
    if (!xdgDataHome.empty() && data.is_absolute())
        return data / "lexiloop";
    return fs::path(home) / ".local" / "share" / "lexiloop";
}

fs::path UserFolder::dataFolderFor(const fs::path& programFolder)
{
    return (programFolder / LEXILOOP_DATA_FROM_BIN).lexically_normal();
}

UserFolder::Step UserFolder::stepFor(Entry entry, const fs::path& linkTarget,
                                     const fs::path& shipped, bool shippedExists)
{
    if (!shippedExists)
        return Step::Keep;
    switch (entry) {
    case Entry::Missing: return Step::Make;
    case Entry::Other: return Step::Keep;
    case Entry::Link: return linkTarget == shipped ? Step::Keep : Step::Replace;
    }
    return Step::Keep;
}

std::error_code UserFolder::prepare(const fs::path& folder, const fs::path& dataFolder)
{
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (!ec && !fs::is_directory(folder, ec) && !ec)
        ec = std::make_error_code(std::errc::not_a_directory);
    if (ec)
        return ec;
    for (const std::string& file : shippedFiles()) {
        const fs::path name = folder / file;
        const fs::path shipped = dataFolder / file;
        fs::path linkTarget;
        const Entry entry = entryAt(name, linkTarget);
        std::error_code missing;
        const bool shippedExists = fs::is_regular_file(shipped, missing);
        const Step step = stepFor(entry, linkTarget, shipped, shippedExists);
        if (step != Step::Keep)
            pointLink(name, shipped, step == Step::Replace);
    }
    return {};
}

bool UserFolder::enter(Prompter& prompter, const Setting& setting)
{
    std::error_code ec;
    if (fs::exists(kGameData, ec))
        return true;
    const fs::path folder = folderFor(setting.xdgDataHome, setting.home);
    ec = prepare(folder, dataFolderFor(setting.programFolder));
    if (!ec)
        fs::current_path(folder, ec);
    if (!ec)
        return true;
    prompter.message(nullptr,
                     QStringLiteral("Could not create the folder %1 that keeps your scores: %2.")
                         .arg(QFile::decodeName(folder.c_str()),
                              QString::fromStdString(ec.message())),
                     QStringLiteral("Cannot Create Folder"), Prompter::Icon::Critical);
    return false;
}

bool UserFolder::enter()
{
    const char* xdg = std::getenv("XDG_DATA_HOME");
    Setting setting;
    setting.xdgDataHome = xdg ? xdg : "";
    setting.home = accountHome();
    setting.programFolder =
        QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
    QtPrompter prompter;
    return enter(prompter, setting);
}
