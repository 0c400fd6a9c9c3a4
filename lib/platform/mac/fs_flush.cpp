#include "platform/fs_flush.h"

#include "safe_open.h"
#include "tree_walk.h"

#include <cerrno>

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

} // namespace

// A folder is flushed after the entries it lists (its Leave comes after
// them), the root last and in full. Links are never followed: their folder's
// flush records them.
int FlushTree(const ustring& path)
{
    using TreeWalk::Event;
    int first = 0;
    TreeWalk::Walk(path.c_str(), "", [&first](Event event, const TreeWalk::Entry& entry) {
        const auto sync = entry.depth == 0 ? FullSync : Sync;
        int err = 0;
        if (event == Event::Failed) {
            err = entry.err;
        } else if (event == Event::Leave) {
            err = sync(entry.fd);
        } else if (event == Event::Other && S_ISREG(entry.st->st_mode)) {
            const UniqueFd fd(
                openat(entry.parentFd, entry.name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
            err = fd.Valid() ? sync(fd.Get()) : errno;
        }
        first = err;
        return err == 0 ? TreeWalk::Step::Go : TreeWalk::Step::Stop;
    });
    return first;
}

int FlushFolder(const ustring& path)
{
    const UniqueFd fd(open(path.c_str(), O_RDONLY | O_CLOEXEC));
    return fd.Valid() ? FullSync(fd.Get()) : errno;
}

} // namespace FsFlush
