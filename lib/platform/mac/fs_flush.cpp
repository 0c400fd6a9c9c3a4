#include "platform/fs_flush.h"

#include "safe_open.h"

#include <cerrno>
#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace FsFlush {

namespace {

// fsync on macOS only hands the data to the drive, which may keep it in its
// cache and write it out of order. F_FULLFSYNC also makes the drive write out
// its whole cache, whoever's data it holds: about 5 ms a call on recent Apple
// SSDs and up to 18 ms on others. Asked for each of the 4,000-odd entries of
// a package, that would add 20 to 75 seconds to every upgrade. So each entry
// of a tree is only fsync'ed, and the tree ends with one F_FULLFSYNC, which
// makes everything the drive received before it durable: about 4,000 fsyncs
// of data already written plus 5 to 18 ms.

// 0, or the errno of a failed fsync. A file system that cannot flush offers
// nothing better to wait for.
int Sync(int fd)
{
    return fsync(fd) == 0 || errno == EINVAL ? 0 : errno;
}

// File systems that refuse F_FULLFSYNC (network ones, say) get the fsync.
int FullSync(int fd)
{
    return fcntl(fd, F_FULLFSYNC) == 0 ? 0 : Sync(fd);
}

using SyncFn = int (*)(int fd);

// Flushes name below the open folder parent, a folder after everything below
// it, so that it is flushed after the entries it lists: those with Sync, name
// itself with sync. Links are never followed: their folder's flush records
// them. The first error ends the walk.
int SyncBelow(int parent, const char* name, SyncFn sync)
{
    struct stat st;
    if (fstatat(parent, name, &st, AT_SYMLINK_NOFOLLOW) != 0) {
        return errno;
    }
    if (!S_ISDIR(st.st_mode) && !S_ISREG(st.st_mode)) {
        return 0;
    }
    // O_NOFOLLOW and O_NONBLOCK: an entry swapped since the stat fails or is
    // refused below rather than leading elsewhere or blocking.
    UniqueFd fd(openat(parent, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (!fd.Valid()) {
        return errno;
    }
    if (S_ISREG(st.st_mode)) {
        return sync(fd.Get());
    }
    const UniqueDir dir(fdopendir(fd.Get()));
    if (!dir) {
        return errno;
    }
    fd.Release(); // the stream owns it now
    const int folder = dirfd(dir.get());
    errno = 0;
    while (const dirent* entry = readdir(dir.get())) {
        if (strcmp(entry->d_name, ".") != 0 && strcmp(entry->d_name, "..") != 0) {
            if (const int err = SyncBelow(folder, entry->d_name, Sync)) {
                return err;
            }
        }
        errno = 0;
    }
    return errno != 0 ? errno : sync(folder);
}

} // namespace

int FlushTree(const ustring& path)
{
    return SyncBelow(AT_FDCWD, path.c_str(), FullSync);
}

int FlushFolder(const ustring& path)
{
    const UniqueFd fd(open(path.c_str(), O_RDONLY | O_CLOEXEC));
    return fd.Valid() ? FullSync(fd.Get()) : errno;
}

} // namespace FsFlush
