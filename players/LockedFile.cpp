#include "players/LockedFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Enough for any sane amount of contention; only a file that is replaced
// over and over while we wait could use them all up.
constexpr int kMaxOpenAttempts = 100;

std::string directoryOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool writeFully(int fd, const uint8_t* data, std::size_t size, off_t offset, int& err)
{
    while (size > 0) {
        const ssize_t n = ::pwrite(fd, data, size, offset);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            err = n < 0 ? errno : ENOSPC;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
        offset += n;
    }
    return true;
}

} // namespace

LockedFile::LockedFile(std::string path) : m_path(std::move(path)) {}

LockedFile::~LockedFile() { close(); }

void LockedFile::close()
{
    if (m_fd >= 0)
        ::close(m_fd); // closing the last descriptor drops the flock
    m_fd = -1;
}

bool LockedFile::fail(const char* verb, int err)
{
    m_error = std::string("Could not ") + verb + " " + m_path + ": " + std::strerror(err) + ".";
    return false;
}

bool LockedFile::open(Access access)
{
    for (int attempt = 0; attempt < kMaxOpenAttempts; ++attempt) {
        bool retry = false;
        if (openOnce(access, retry))
            return true;
        if (!retry)
            return false;
    }
    return fail("lock", EAGAIN);
}

bool LockedFile::openOnce(Access access, bool& retry)
{
    int flags = O_CLOEXEC;
    if (access == Access::Read || access == Access::Exclusive)
        flags |= O_RDONLY;
    else
        flags |= O_RDWR;
    if (access == Access::Create)
        flags |= O_CREAT;

    m_fd = ::open(m_path.c_str(), flags, 0666);
    if (m_fd < 0) {
        if (errno == ENOENT && access != Access::Create) {
            m_absent = true;
            return false;
        }
        return fail(access == Access::Create ? "create or open" : "open", errno);
    }
    const int op = access == Access::Read ? LOCK_SH : LOCK_EX;
    while (::flock(m_fd, op) != 0) {
        if (errno != EINTR) {
            const int err = errno;
            close();
            return fail("lock", err);
        }
    }
    struct stat locked {}, named {};
    if (::fstat(m_fd, &locked) != 0) {
        const int err = errno;
        close();
        return fail("read", err);
    }
    if (::stat(m_path.c_str(), &named) != 0 || named.st_dev != locked.st_dev
        || named.st_ino != locked.st_ino) {
        // Replaced or deleted while we waited for the lock.
        close();
        retry = true;
        return false;
    }
    m_sizeAtOpen = locked.st_size;
    return true;
}

bool LockedFile::readAll(std::vector<uint8_t>& out)
{
    struct stat st {};
    if (::fstat(m_fd, &st) != 0)
        return fail("read", errno);
    out.resize(static_cast<std::size_t>(st.st_size));
    std::size_t got = 0;
    while (got < out.size()) {
        const ssize_t n = ::pread(m_fd, out.data() + got, out.size() - got, static_cast<off_t>(got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return fail("read", errno);
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    out.resize(got);
    return true;
}

bool LockedFile::writeAt(off_t offset, std::span<const uint8_t> bytes)
{
    // Keep what is about to be overwritten so that it can be put back.
    Undo undo{offset, {}};
    if (offset < m_sizeAtOpen) {
        const auto keep = static_cast<std::size_t>(
            std::min<off_t>(m_sizeAtOpen - offset, static_cast<off_t>(bytes.size())));
        undo.old.resize(keep);
        if (::pread(m_fd, undo.old.data(), keep, offset) != static_cast<ssize_t>(keep))
            return fail("read", errno ? errno : EIO);
    }
    m_undo.push_back(std::move(undo));

    int err = 0;
    if (writeFully(m_fd, bytes.data(), bytes.size(), offset, err))
        return true;
    rollback();
    return fail("write", err);
}

void LockedFile::rollback()
{
    int ignored = 0;
    for (auto it = m_undo.rbegin(); it != m_undo.rend(); ++it)
        writeFully(m_fd, it->old.data(), it->old.size(), it->offset, ignored);
    m_undo.clear();
    struct stat st {};
    if (::fstat(m_fd, &st) == 0 && st.st_size != m_sizeAtOpen)
        (void)::ftruncate(m_fd, m_sizeAtOpen);
}

// The new copy is written as a nameless file, so a copy of the game killed
// while writing it leaves nothing behind; it gets a name only for the
// instant before the rename. Any copy named by an earlier, killed sort is
// cleared first (we hold the lock, so nobody else is using it).
int LockedFile::openNewCopy(const std::string& temp)
{
    ::unlink(temp.c_str());
    const int anonymous =
        ::open(directoryOf(m_path).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (anonymous >= 0)
        return anonymous;
    return ::open(temp.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0600);
}

bool LockedFile::nameNewCopy(int out, const std::string& temp)
{
    struct stat named {};
    if (::stat(temp.c_str(), &named) == 0)
        return true; // the fallback copy has had its name from the start
    const std::string self = "/proc/self/fd/" + std::to_string(out);
    return ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temp.c_str(), AT_SYMLINK_FOLLOW) == 0;
}

bool LockedFile::replaceWith(std::span<const uint8_t> contents)
{
    const std::string temp = m_path + ".new";
    const int out = openNewCopy(temp);
    if (out < 0)
        return fail("write a new copy of", errno);

    // The copy keeps the permissions of the file it replaces, and its owner
    // where we are allowed to give it away (otherwise it is ours, and we
    // could write the folder anyway).
    struct stat st {};
    int err = 0;
    if (::fstat(m_fd, &st) != 0 || ::fchmod(out, st.st_mode & 07777) != 0)
        err = errno;
    else if (::fchown(out, st.st_uid, st.st_gid) != 0 && errno != EPERM)
        err = errno;
    else if (writeFully(out, contents.data(), contents.size(), 0, err) && ::fsync(out) != 0)
        err = errno;
    else if (err == 0 && !nameNewCopy(out, temp))
        err = errno;
    if (::close(out) != 0 && err == 0)
        err = errno;
    if (err == 0 && ::rename(temp.c_str(), m_path.c_str()) != 0)
        err = errno;
    if (err != 0) {
        ::unlink(temp.c_str());
        return fail("write a new copy of", err);
    }
    // The rename is only durable once the directory entry is on disk too.
    const int dir = ::open(directoryOf(m_path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

bool LockedFile::unlinkFile()
{
    if (::unlink(m_path.c_str()) != 0)
        return fail("delete", errno);
    return true;
}
