#pragma once

#include <string>

#include <sys/types.h>

// Files under the home folder may have been planted by another user, or by
// the user against a launcher that runs as root. Every file the launcher
// reads or writes there is opened through OpenRegularFile.

// Opens path without ever blocking (a FIFO or a device in its place) and
// accepts a regular file only. Opened for writing, a final symbolic link is
// refused, and the file must belong to the effective user and have no other
// name (a hard link to someone else's file). The descriptor is blocking and
// close-on-exec. Returns it, or -1 with errno set and why telling the reason.
int OpenRegularFile(const char* path, int flags, mode_t mode, std::string& why);

// Owns a descriptor; closes it when it goes.
class UniqueFd
{
public:
    explicit UniqueFd(int fd = -1) : fd(fd) {}
    ~UniqueFd();
    UniqueFd(UniqueFd&& other) noexcept : fd(other.Release()) {}
    UniqueFd& operator=(UniqueFd&& other) noexcept;
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;

    int Get() const { return fd; }
    bool Valid() const { return fd >= 0; }
    int Release();

private:
    int fd;
};
