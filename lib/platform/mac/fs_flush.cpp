#include "platform/fs_flush.h"

#include "safe_open.h"

#include <cerrno>
#include <cstring>
#include <string>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace FsFlush {

namespace {

int SyncPath(const std::string& path)
{
    const UniqueFd fd(open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.Valid()) {
        return errno;
    }
    // fsync only hands the data to the drive, which may keep it in its
    // cache and write it out of order; F_FULLFSYNC asks the drive to write
    // it. File systems that refuse it (network ones, say) get the fsync.
    int result = fcntl(fd.Get(), F_FULLFSYNC) == 0 || fsync(fd.Get()) == 0 ? 0 : errno;
    // A file system that cannot flush offers nothing better to wait for.
    if (result == EINVAL) {
        result = 0;
    }
    return result;
}

// Children first, so that a folder is flushed after the entries it lists.
int SyncTree(const std::string& path)
{
    struct stat st;
    if (lstat(path.c_str(), &st) != 0) {
        return errno;
    }
    if (S_ISLNK(st.st_mode)) {
        return 0; // its folder's flush records it
    }
    if (S_ISDIR(st.st_mode)) {
        const UniqueDir dir(opendir(path.c_str()));
        if (!dir) {
            return errno;
        }
        int result = 0;
        errno = 0;
        while (const dirent* entry = readdir(dir.get())) {
            if (strcmp(entry->d_name, ".") == 0 || strcmp(entry->d_name, "..") == 0) {
                continue;
            }
            result = SyncTree(path + "/" + entry->d_name);
            if (result != 0) {
                break;
            }
            errno = 0;
        }
        if (result == 0 && errno != 0) {
            result = errno;
        }
        if (result != 0) {
            return result;
        }
    } else if (!S_ISREG(st.st_mode)) {
        return 0;
    }
    return SyncPath(path);
}

} // namespace

int FlushTree(const ustring& path)
{
    return SyncTree(path.c_str());
}

int FlushFolder(const ustring& path)
{
    return SyncPath(path.c_str());
}

} // namespace FsFlush
