#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <sys/types.h>
#include <vector>

// One open of the players file under an advisory lock, for the length of a
// single operation.
//
// The lock is a flock() on the file itself, not on a companion lock file,
// so the game leaves nothing but the players file behind. Sorting replaces
// the file by renaming a new one over it, which gives the name a new inode;
// a copy of the game that was waiting for the old inode's lock would then
// hold a lock nobody else looks at. So after the lock is granted the name is
// looked up again, and if it no longer leads to the inode we locked (it was
// replaced or deleted meanwhile) we let go and start over on what the name
// now leads to. Whoever replaces or deletes the file does so while still
// holding the lock on the old inode, which makes the check race-free.
class LockedFile {
public:
    enum class Access {
        Read,      // shared lock, read only
        Exclusive, // exclusive lock, read only (enough to delete the file)
        Update,    // exclusive lock, read and write; the file must exist
        Create,    // as Update, but an absent file is created empty
    };

    explicit LockedFile(std::string path);
    ~LockedFile();
    LockedFile(const LockedFile&) = delete;
    LockedFile& operator=(const LockedFile&) = delete;

    // False when the file could not be opened and locked: either it is
    // absent (absent() is true, error() empty) or error() says why.
    bool open(Access access);
    bool absent() const { return m_absent; }
    const std::string& error() const { return m_error; }

    bool readAll(std::vector<uint8_t>& out);
    // Writes the bytes at the offset. When any write of this open fails,
    // every earlier one is undone too and the file is cut back to its
    // length at open, so a failed operation leaves the file as it was.
    bool writeAt(off_t offset, std::span<const uint8_t> bytes);
    // Puts new contents in place in one step: a temporary file beside this
    // one is written, flushed to disk and renamed over it.
    bool replaceWith(std::span<const uint8_t> contents);
    // Deletes the file while the lock is still held.
    bool unlinkFile();

private:
    struct Undo {
        off_t offset = 0;
        std::vector<uint8_t> old;
    };

    bool openOnce(Access access, bool& retry);
    void rollback();
    int openNewCopy(const std::string& temp);
    bool nameNewCopy(int out, const std::string& temp);
    void close();
    bool fail(const char* verb, int err);

    std::string m_path;
    int m_fd = -1;
    bool m_absent = false;
    off_t m_sizeAtOpen = 0;
    std::string m_error;
    std::vector<Undo> m_undo;
};
