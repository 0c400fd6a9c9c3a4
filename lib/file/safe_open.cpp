#include "safe_open.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

int OpenRegularFile(const char* path, int flags, mode_t mode, std::string& why)
{
    const bool writing = (flags & O_ACCMODE) != O_RDONLY;
    flags |= O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    if (writing) {
        flags |= O_NOFOLLOW;
    }
    UniqueFd fd(open(path, flags, mode));
    if (!fd.Valid()) {
        const int err = errno;
        struct stat st;
        if (writing && err == ELOOP) {
            why = "it is a symbolic link";
        } else if (err != ENOENT && stat(path, &st) == 0 && !S_ISREG(st.st_mode)) {
            why = "it is not a regular file"; // a FIFO without a reader, say
        } else {
            why = strerror(err);
        }
        errno = err;
        return -1;
    }
    struct stat st;
    int err = 0;
    if (fstat(fd.Get(), &st) != 0) {
        err = errno;
        why = strerror(err);
    } else if (!S_ISREG(st.st_mode)) {
        err = EINVAL;
        why = "it is not a regular file";
    } else if (writing && st.st_uid != geteuid()) {
        err = EPERM;
        why = "it belongs to user " + std::to_string(st.st_uid);
    } else if (writing && st.st_nlink != 1) {
        err = EPERM;
        why = "it has other names (hard links)";
    } else {
        const int status = fcntl(fd.Get(), F_GETFL);
        if (status == -1 || fcntl(fd.Get(), F_SETFL, status & ~O_NONBLOCK) == -1) {
            err = errno;
            why = strerror(err);
        }
    }
    if (err != 0) {
        errno = err;
        return -1;
    }
    return fd.Release();
}

FILE* OpenRegularStream(const char* path, int flags, mode_t mode, const char* streamMode,
                        std::string& why)
{
    UniqueFd fd(OpenRegularFile(path, flags, mode, why));
    FILE* stream = fd.Valid() ? fdopen(fd.Get(), streamMode) : nullptr;
    if (stream != nullptr) {
        fd.Release();
    } else if (fd.Valid()) {
        why = strerror(errno);
    }
    return stream;
}

int ReadSmallFile(int fd, std::string& text, std::string& why, size_t limit)
{
    text.clear();
    struct stat st;
    int err = fstat(fd, &st) != 0 ? errno : 0;
    if (err == 0 && st.st_size > 0 && static_cast<unsigned long long>(st.st_size) > limit) {
        err = EFBIG;
    }
    char buffer[16384];
    while (err == 0) {
        // One byte beyond the limit tells a file that holds more than it said.
        const ssize_t n = read(fd, buffer, std::min(sizeof(buffer), limit + 1 - text.size()));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            err = n < 0 ? errno : 0;
            break;
        }
        text.append(buffer, static_cast<size_t>(n));
        if (text.size() > limit) {
            err = EFBIG;
        }
    }
    if (err != 0) {
        text.clear();
        why =
            err == EFBIG ? "it is larger than " + std::to_string(limit) + " bytes" : strerror(err);
    }
    return err;
}

int WriteAll(int fd, const void* data, size_t size)
{
    const char* next = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t n = write(fd, next, size);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return n < 0 ? errno : EIO;
        }
        next += n;
        size -= static_cast<size_t>(n);
    }
    return 0;
}

UniqueFd::~UniqueFd()
{
    if (fd >= 0) {
        close(fd);
    }
}

UniqueFd& UniqueFd::operator=(UniqueFd&& other) noexcept
{
    if (this != &other) {
        UniqueFd old(fd);
        fd = other.Release();
    }
    return *this;
}

int UniqueFd::Release()
{
    const int released = fd;
    fd = -1;
    return released;
}

int UniqueFd::Close()
{
    return close(Release()) != 0 && errno != EINTR ? errno : 0;
}
