#include "platform/fs_type.h"

#include <sys/mount.h>
#include <sys/param.h>

int FileSystemTypeName(const char* path, ustring& name)
{
    struct statfs fs;
    if (statfs(path, &fs) != 0) {
        return -1;
    }
    name = fs.f_fstypename;
    return 0;
}
