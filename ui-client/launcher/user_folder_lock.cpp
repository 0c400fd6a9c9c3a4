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
    return std::string(what) + " '" + path.c_str() + "' belongs to user " +
           std::to_string(owner) + ", not to the effective user " + std::to_string(geteuid());
}

} // namespace

UserFolderLock::UserFolderLock(const ustring& folder, std::chrono::milliseconds limit,
                               void (*onWait)())
{
    const ustring path = folder + kLockName;
    fd = UniqueFd(OpenRegularFile(path.c_str(), O_RDWR | O_CREAT, 0600, reason));
    // A file left readable by others could be locked by them.
    if (fd.Valid() && fchmod(fd.Get(), 0600) != 0) {
        reason = strerror(errno);
        fd = UniqueFd();
    }
    if (!fd.Valid()) {
        reason = "'" + std::string(path.c_str()) + "': " + reason;
        return;
    }
    const auto deadline = std::chrono::steady_clock::now() + limit;
    bool told = false;
    for (;;) {
        if (flock(fd.Get(), LOCK_EX | LOCK_NB) == 0) {
            current = State::Held;
            return;
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
