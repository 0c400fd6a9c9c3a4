#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include <dirent.h>
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

// OpenRegularFile as a stdio stream of the given fopen mode; null with why.
FILE* OpenRegularStream(const char* path, int flags, mode_t mode, const char* streamMode,
                        std::string& why);

// The most that ReadSmallFile takes. State and settings files hold a few
// lines; one planted to be huge must cost neither the memory nor the time of
// reading it.
constexpr size_t kSmallFileLimit = 1 << 20;

// Reads fd from where it stands to its end, refusing (EFBIG) more than limit
// bytes: by the file's size before any read, and by what the reads find,
// since a size can lie (a special file, a file that grows). 0 with text, or
// an errno value with why (text is then empty).
int ReadSmallFile(int fd, std::string& text, std::string& why, size_t limit = kSmallFileLimit);

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
    // Closes now, for a caller to whom a failed close is a failed write. 0, or
    // an errno value; EINTR counts as closed, as the descriptor is gone then.
    int Close();

private:
    int fd;
};

// Owns a directory stream; closes it when it goes.
struct DirCloser
{
    void operator()(DIR* dir) const { closedir(dir); }
};
using UniqueDir = std::unique_ptr<DIR, DirCloser>;

// Writes all size bytes, going on after interruptions. 0, or an errno value
// (EIO for a write that took nothing).
int WriteAll(int fd, const void* data, size_t size);
