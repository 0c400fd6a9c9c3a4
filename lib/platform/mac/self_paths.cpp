#include "platform/self_paths.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

#include <mach-o/dyld.h>

// On macOS opening /dev/fd/N duplicates descriptor N.
std::string FdPath(int fd)
{
    return "/dev/fd/" + std::to_string(fd);
}

// _NSGetExecutablePath gives the path the program was started with, links
// and all; realpath makes it the file's own.
std::string ExecutablePath()
{
    uint32_t size = 0;
    _NSGetExecutablePath(nullptr, &size);
    std::vector<char> path(size + 1);
    if (_NSGetExecutablePath(path.data(), &size) != 0) {
        return std::string();
    }
    char* real = realpath(path.data(), nullptr);
    if (real == nullptr) {
        return std::string();
    }
    std::string result(real);
    free(real);
    return result;
}
