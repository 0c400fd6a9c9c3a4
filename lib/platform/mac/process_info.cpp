#include "platform/process_info.h"

#include <cerrno>
#include <vector>

#include <libproc.h>
#include <sys/proc_info.h>

namespace ProcessInfo {

// macOS gives no sign of a replaced executable, so replaced stays false.
Result ExecutableOf(pid_t pid, std::string& path, bool& replaced)
{
    char buffer[PROC_PIDPATHINFO_MAXSIZE];
    if (proc_pidpath(pid, buffer, sizeof(buffer)) <= 0) {
        return errno == ESRCH ? kNoProcess : kUnreadable;
    }
    path = buffer;
    replaced = false;
    return kFound;
}

Result OwnerOf(pid_t pid, uid_t& uid)
{
    struct proc_bsdinfo info;
    const int size = proc_pidinfo(pid, PROC_PIDTBSDINFO, 0, &info, sizeof(info));
    if (size <= 0) {
        return errno == ESRCH ? kNoProcess : kUnreadable;
    }
    if (size < static_cast<int>(sizeof(info))) {
        return kUnreadable;
    }
    uid = info.pbi_ruid;
    return kFound;
}

bool ProcessesRunning(const std::string& path, std::vector<pid_t>& pids)
{
    pids.clear();
    const int needed = proc_listpids(PROC_ALL_PIDS, 0, nullptr, 0);
    if (needed <= 0) {
        return false;
    }
    // Room for processes started between the two calls; a full buffer may
    // have left some out, so it grows until the list fits with room to spare.
    std::vector<pid_t> all(static_cast<size_t>(needed) / sizeof(pid_t) + 64);
    int filled = 0;
    for (;;) {
        const int capacity = static_cast<int>(all.size() * sizeof(pid_t));
        filled = proc_listpids(PROC_ALL_PIDS, 0, all.data(), capacity);
        if (filled <= 0) {
            return false;
        }
        if (filled < capacity) {
            break;
        }
        all.resize(all.size() * 2);
    }
    all.resize(static_cast<size_t>(filled) / sizeof(pid_t));
    for (const pid_t pid : all) {
        char buffer[PROC_PIDPATHINFO_MAXSIZE];
        if (pid > 0 && proc_pidpath(pid, buffer, sizeof(buffer)) > 0 && path == buffer) {
            pids.push_back(pid);
        }
    }
    return true;
}

} // namespace ProcessInfo
