#include "platform/fs_type.h"

#include <cstdio>

#include <sys/vfs.h>

namespace {

// Magic numbers of linux/magic.h, kept here because older headers lack some.
struct FsName
{
    unsigned long magic;
    const char* name;
};

const FsName kNames[] = {
    {0x6969UL, "nfs"},         {0x517BUL, "smbfs"},     {0xFF534D42UL, "smbfs"},
    {0xFE534D42UL, "smbfs"},   {0x4d44UL, "msdos"},     {0xEF53UL, "ext4"},
    {0x01021994UL, "tmpfs"},   {0x9123683EUL, "btrfs"}, {0x58465342UL, "xfs"},
    {0x794c7630UL, "overlay"},
};

} // namespace

int FileSystemTypeName(const char* path, ustring& name)
{
    struct statfs fs;
    if (statfs(path, &fs) != 0) {
        return -1;
    }
    // f_type is signed on some architectures; the magic numbers are 32-bit.
    const unsigned long magic = static_cast<unsigned long>(fs.f_type) & 0xFFFFFFFFUL;
    for (const FsName& entry : kNames) {
        if (entry.magic == magic) {
            name = entry.name;
            return 0;
        }
    }
    char buf[32];
    snprintf(buf, sizeof(buf), "0x%lx", magic);
    name = buf;
    return 0;
}
