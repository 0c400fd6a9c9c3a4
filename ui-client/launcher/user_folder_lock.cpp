#include "user_folder_lock.h"

#include <cerrno>
#include <cstring>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char kLockName[] = "/launcher.lock";
const std::chrono::milliseconds kPollInterval(100);

std::string NotOurs(const char* what, const ustring& path, uid_t owner)
{
    return std::string(what) + " '" + path.c_str() + "' belongs to user " + std::to_string(owner) +
           ", not to the effective user " + std::to_string(geteuid());
}

// The private lock file at path, or an invalid descriptor with why.
UniqueFd OpenLockFile(const ustring& path, std::string& why)
{
    UniqueFd fd(OpenRegularFile(path.c_str(), O_RDWR | O_CREAT, 0600, why));
    // A file left readable by others could be locked by them.
    if (fd.Valid() && fchmod(fd.Get(), 0600) != 0) {
        why = strerror(errno);
        fd = UniqueFd();
    }
    if (!fd.Valid()) {
        why = "'" + std::string(path.c_str()) + "': " + why;
    }
    return fd;
}

// Whether path still names the open file: a holder that removed it on its
// way out leaves a lock on a file that guards nothing.
bool StillNamed(int fd, const ustring& path)
{
    struct stat opened;
    struct stat named;
    return fstat(fd, &opened) == 0 && lstat(path.c_str(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

} // namespace

UserFolderLock::UserFolderLock(const ustring& folder, std::chrono::milliseconds limit,
                               void (*onWait)())
    : FileLock(folder + kLockName, limit, onWait)
{
}

FileLock::FileLock(const ustring& path, std::chrono::milliseconds limit, void (*onWait)())
    : path(path)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    bool told = false;
    for (;;) {
        if (!fd.Valid() && !(fd = OpenLockFile(path, reason)).Valid()) {
            return;
        }
        if (flock(fd.Get(), LOCK_EX | LOCK_NB) == 0) {
            if (StillNamed(fd.Get(), path)) {
                current = State::Held;
                // Who holds it, for people and tools that wonder; unflushed,
                // since the lock itself is the kernel's.
                const std::string pid = std::to_string(getpid()) + "\n";
                if (ftruncate(fd.Get(), 0) == 0) {
                    WriteAll(fd.Get(), pid.data(), pid.size());
                }
                return;
            }
            fd = UniqueFd();
            continue;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) {
            reason = "'" + std::string(path.c_str()) + "': " + strerror(errno);
            return;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            current = State::TimedOut;
            return;
        }
        if (!told && onWait) {
            onWait();
        }
        told = true;
        std::this_thread::sleep_for(kPollInterval);
    }
}

void FileLock::ReleaseAndRemove()
{
    // Removed while still held, so that no other process locks it between.
    if (current == State::Held && StillNamed(fd.Get(), path)) {
        unlink(path.c_str());
    }
    fd = UniqueFd();
    current = State::Unavailable;
}

std::string ForeignUserFolderReason(const ustring& home, const ustring& folder)
{
    if (home.empty()) {
        return "HOME is not set and the user database names no home folder";
    }
    struct stat st;
    // A home folder that does not exist yet holds nothing planted.
    if (stat(home.c_str(), &st) == 0 && st.st_uid != geteuid()) {
        return NotOurs("the home folder", home, st.st_uid);
    }
    // Both the folder and, when it is a link, the link itself.
    if (lstat(folder.c_str(), &st) == 0) {
        if (st.st_uid != geteuid()) {
            return NotOurs("the folder", folder, st.st_uid);
        }
        if (S_ISLNK(st.st_mode) && stat(folder.c_str(), &st) == 0 && st.st_uid != geteuid()) {
            return NotOurs("the folder", folder, st.st_uid);
        }
    }
    return std::string();
}
