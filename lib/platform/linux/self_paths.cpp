#include "platform/self_paths.h"

#include <climits>

#include <unistd.h>

// Opening /proc/self/fd/N reopens the file itself, not the name it had.
std::string FdPath(int fd)
{
    return "/proc/self/fd/" + std::to_string(fd);
}

std::string ExecutablePath()
{
    char path[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof(path));
    if (n <= 0 || static_cast<size_t>(n) >= sizeof(path)) {
        return std::string();
    }
    return std::string(path, static_cast<size_t>(n));
}
