#include "platform/fs_flush.h"

#include "safe_open.h"

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace FsFlush {

namespace {

int SyncOpened(const ustring& path, bool wholeFileSystem)
{
    const UniqueFd fd(open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.Valid()) {
        return errno;
    }
    int result = (wholeFileSystem ? syncfs(fd.Get()) : fsync(fd.Get())) == 0 ? 0 : errno;
    // A file system that cannot flush offers nothing better to wait for.
    if (result == EINVAL) {
        result = 0;
    }
    return result;
}

} // namespace

// One syncfs costs about as much as a single fsync, where an fsync per file of
// a package with thousands of entries would take seconds on a journaling file
// system. Since Linux 5.8 it also reports write-back errors (ENOSPC, EIO).
int FlushTree(const ustring& path)
{
    return SyncOpened(path, true);
}

int FlushFolder(const ustring& path)
{
    return SyncOpened(path, false);
}

} // namespace FsFlush
