#include "platform/process_info.h"

#include "safe_open.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ProcessInfo {

namespace {

const char kDeletedSuffix[] = " (deleted)";

std::string ProcPath(pid_t pid, const char* leaf)
{
    return "/proc/" + std::to_string(pid) + "/" + leaf;
}

// A file that /proc cannot describe belongs to a process that is gone, or to
// one that has no executable (kernel threads, zombies) or hides it from us.
Result Missing(pid_t pid)
{
    return access(ProcPath(pid, "").c_str(), F_OK) == 0 ? kUnreadable : kNoProcess;
}

} // namespace

Result ExecutableOf(pid_t pid, std::string& path, bool& replaced)
{
    const std::string exeLink = ProcPath(pid, "exe");
    char target[PATH_MAX + sizeof(kDeletedSuffix)];
    const ssize_t n = readlink(exeLink.c_str(), target, sizeof(target));
    if (n < 0) {
        return errno == ENOENT || errno == ESRCH ? Missing(pid) : kUnreadable;
    }
    if (static_cast<size_t>(n) >= sizeof(target)) {
        return kUnreadable;
    }
    std::string text(target, static_cast<size_t>(n));
    replaced = false;
    const size_t suffix = sizeof(kDeletedSuffix) - 1;
    if (text.size() > suffix && text.compare(text.size() - suffix, suffix, kDeletedSuffix) == 0) {
        // The kernel marks a removed file this way; a file that really has
        // such a name is the very file the process runs.
        struct stat running;
        struct stat named;
        const bool literal = stat(exeLink.c_str(), &running) == 0 &&
                             stat(text.c_str(), &named) == 0 && running.st_dev == named.st_dev &&
                             running.st_ino == named.st_ino;
        if (!literal) {
            text.resize(text.size() - suffix);
            replaced = true;
        }
    }
    path = text;
    return kFound;
}

Result OwnerOf(pid_t pid, uid_t& uid)
{
    FILE* status = fopen(ProcPath(pid, "status").c_str(), "re");
    if (status == nullptr) {
        return errno == ENOENT || errno == ESRCH ? kNoProcess : kUnreadable;
    }
    Result result = kUnreadable;
    char line[256];
    while (fgets(line, sizeof(line), status) != nullptr) {
        unsigned long real = 0;
        // "Uid:" lists the real, effective, saved and file-system ids.
        if (sscanf(line, "Uid: %lu", &real) == 1) {
            uid = static_cast<uid_t>(real);
            result = kFound;
            break;
        }
    }
    fclose(status);
    return result;
}

bool ProcessesRunning(const std::string& path, std::vector<pid_t>& pids)
{
    pids.clear();
    const UniqueDir proc(opendir("/proc"));
    if (!proc) {
        return false;
    }
    for (;;) {
        errno = 0;
        const dirent* entry = readdir(proc.get());
        if (entry == nullptr) {
            break;
        }
        // Only the numbered entries are processes; threads are not listed.
        if (!isdigit(static_cast<unsigned char>(entry->d_name[0]))) {
            continue;
        }
        char* end = nullptr;
        const long value = strtol(entry->d_name, &end, 10);
        if (*end != '\0' || value <= 0 || value > INT_MAX) {
            continue;
        }
        const pid_t pid = static_cast<pid_t>(value);
        std::string running;
        bool replaced = false;
        if (ExecutableOf(pid, running, replaced) == kFound && running == path) {
            pids.push_back(pid);
        }
    }
    return errno == 0;
}

} // namespace ProcessInfo
