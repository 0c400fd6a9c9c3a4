#include "user_folder_lock.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

UserFolderLock::UserFolderLock(const ustring& folder, void (*onWait)())
{
    fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return;
    }
    if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
        return;
    }
    if (errno == EWOULDBLOCK) {
        if (onWait) {
            onWait();
        }
        int rc;
        while ((rc = flock(fd, LOCK_EX)) != 0 && errno == EINTR) {
        }
        if (rc == 0) {
            return;
        }
    }
    close(fd);
    fd = -1;
}

UserFolderLock::~UserFolderLock()
{
    if (fd >= 0) {
        close(fd); // releases the lock
    }
}
